#include "tests/pe/pe_tools.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace taverel::pe {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& path, const std::string& what) {
    throw std::runtime_error(path + ": " + what);
}

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// The tool's standard output; its failure (or its absence) throws.
std::string Run(const std::string& command, const std::string& path) {
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        Fail(path, "cannot run " + command);
    std::string out;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        out.append(buffer.data(), n);
    if (pclose(pipe) != 0)
        Fail(path, "failed: " + command + " (is pev installed? tools/install-deps.sh)");
    return out;
}

// A readpe value ("0x8664", "0"); anything else fails the read.
std::uint64_t Number(const std::string& text, const std::string& path) {
    char* end = nullptr;
    const std::uint64_t value = std::strtoull(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0')
        Fail(path, "no number in \"" + text + "\"");
    return value;
}

// readpe's text: a part's title at the left edge ("Sections"), then
// "Key: value" lines indented by depth; a section's raw size comes before
// its raw offset.
void ReadHeaders(const std::string& path, PeFile& file) {
    std::istringstream lines(Run("readpe -h coff -h optional -d -S -i " + Quoted(path), path));
    std::string part;
    bool machine_seen = false, magic_seen = false;
    std::uint64_t raw_size = 0, sections_end = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t indent = line.find_first_not_of(' ');
        const std::size_t colon = line.find(':');
        if (indent == 0)
            part = line;
        if (indent == 0 || indent == std::string::npos || colon == std::string::npos)
            continue;
        const std::string key = line.substr(indent, colon - indent);
        std::istringstream rest(line.substr(colon + 1));
        std::string value;
        rest >> value;
        if (key == "Machine") {
            machine_seen = true;
            file.machine = static_cast<std::uint16_t>(Number(value, path));
        } else if (key == "Date/time stamp") {
            file.timestamp = static_cast<std::uint32_t>(Number(value, path));
        } else if (key == "Magic number") {
            magic_seen = true;
            file.pe32_plus = Number(value, path) == 0x20B;
        } else if (key == "IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT") {
            Fail(path, "has delay imports, which readpe does not list");
        } else if (part == "Imported functions" && indent == 8 && key == "Name") {
            file.imported_dlls.push_back(value);
        } else if (part == "Sections" && key == "Size Of Raw Data") {
            raw_size = Number(value, path);
        } else if (part == "Sections" && key == "Pointer To Raw Data") {
            sections_end = std::max(sections_end, Number(value, path) + raw_size);
        }
    }
    if (!machine_seen || !magic_seen)
        Fail(path, "readpe found no COFF or optional header");
    // readpe reads a file cut after its headers as one without imports.
    if (sections_end == 0 || sections_end > fs::file_size(path))
        Fail(path, "its sections reach past the end of the file");
}

// peres writes every resource of the file out below ./resources.
void ReadVersion(const std::string& path, PeFile& file) {
    std::string folder = (fs::temp_directory_path() / "taverel-pe-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        Fail(path, "cannot make a temporary folder");
    struct Removed {
        std::string folder;
        ~Removed() { fs::remove_all(folder); }
    } removed{folder};
    Run("cd " + Quoted(folder) + " && peres -x " + Quoted(fs::absolute(path).string()), path);
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() &&
            entry.path().parent_path().filename().string().find("version") == 0) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<std::uint8_t> block((std::istreambuf_iterator<char>(in)),
                                                  std::istreambuf_iterator<char>());
            file.version = ReadVersionResource(block);
            file.has_version = true;
            return;
        }
    }
}

}  // namespace

PeFile ReadPe(const std::string& path) {
    PeFile file;
    ReadHeaders(path, file);
    ReadVersion(path, file);
    return file;
}

}  // namespace taverel::pe
