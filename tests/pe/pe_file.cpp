#include "tests/pe/pe_file.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace taverel::pe {
namespace {

constexpr std::uint32_t kImportDirectory = 1;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint32_t kDelayImportDirectory = 13;
constexpr std::uint32_t kVersionResourceType = 16;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("not a well-formed PE file: " + what);
}

// Little-endian reads with a bounds check on every access.
class Bytes {
public:
    explicit Bytes(const std::vector<std::uint8_t>& data) : data_(data) {}
    std::size_t Size() const { return data_.size(); }
    std::uint16_t U16(std::size_t at) const {
        Need(at, 2);
        return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8);
    }
    std::uint32_t U32(std::size_t at) const {
        return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16;
    }
    std::string Text(std::size_t at) const {
        std::string text;
        for (Need(at, 1); data_[at] != 0; Need(++at, 1))
            text.push_back(static_cast<char>(data_[at]));
        return text;
    }
    void Need(std::size_t at, std::size_t count) const {
        if (at > data_.size() || count > data_.size() - at)
            Fail("read past the end at offset " + std::to_string(at));
    }

private:
    const std::vector<std::uint8_t>& data_;
};

struct Section {
    std::uint32_t address, size, raw_offset, raw_size;
};

class Image {
public:
    explicit Image(const std::vector<std::uint8_t>& data) : bytes_(data) {}

    PeFile Read() {
        if (bytes_.U16(0) != 0x5A4D)
            Fail("no MZ header");
        const std::uint32_t pe = bytes_.U32(0x3C);
        if (bytes_.U32(pe) != 0x00004550)
            Fail("no PE signature");
        const std::size_t coff = pe + 4;
        PeFile file;
        file.machine = bytes_.U16(coff);
        file.timestamp = bytes_.U32(coff + 4);
        const std::size_t optional = coff + 20;
        const std::uint16_t magic = bytes_.U16(optional);
        if (magic != 0x10B && magic != 0x20B)
            Fail("unknown optional header magic");
        file.pe32_plus = magic == 0x20B;
        directories_ = optional + (file.pe32_plus ? 112 : 96);
        directory_count_ = bytes_.U32(optional + (file.pe32_plus ? 108 : 92));
        const std::size_t first_section = optional + bytes_.U16(coff + 16);
        for (std::uint16_t i = 0; i < bytes_.U16(coff + 2); ++i) {
            const std::size_t at = first_section + 40u * i;
            sections_.push_back({bytes_.U32(at + 12), bytes_.U32(at + 8), bytes_.U32(at + 20),
                                 bytes_.U32(at + 16)});
        }
        ReadImports(file);
        ReadVersion(file);
        return file;
    }

private:
    std::uint32_t DirectoryAddress(std::uint32_t index) const {
        return index < directory_count_ ? bytes_.U32(directories_ + 8u * index) : 0;
    }

    std::size_t Offset(std::uint32_t address) const {
        for (const Section& s : sections_) {
            if (address >= s.address && address - s.address < std::max(s.size, s.raw_size)) {
                if (address - s.address >= s.raw_size)
                    Fail("address in a section's uninitialised part");
                return s.raw_offset + (address - s.address);
            }
        }
        Fail("address " + std::to_string(address) + " in no section");
    }

    void ReadImports(PeFile& file) const {
        if (const std::uint32_t table = DirectoryAddress(kImportDirectory)) {
            // 20-byte descriptors up to an all-zero one; the name is at +12.
            for (std::size_t at = Offset(table); bytes_.U32(at + 12) || bytes_.U32(at + 16);
                 at += 20)
                file.imported_dlls.push_back(bytes_.Text(Offset(bytes_.U32(at + 12))));
        }
        if (const std::uint32_t table = DirectoryAddress(kDelayImportDirectory)) {
            // 32-byte descriptors; the name is at +4.
            for (std::size_t at = Offset(table); bytes_.U32(at + 4); at += 32)
                file.imported_dlls.push_back(bytes_.Text(Offset(bytes_.U32(at + 4))));
        }
    }

    // Resource directory entry -> (is subdirectory, offset from the root).
    std::pair<bool, std::uint32_t> FirstEntry(std::size_t root, std::uint32_t directory,
                                              std::uint32_t wanted_id, bool any) const {
        const std::size_t at = root + directory;
        const unsigned count = bytes_.U16(at + 12) + bytes_.U16(at + 14);
        for (unsigned i = 0; i < count; ++i) {
            const std::size_t entry = at + 16 + 8u * i;
            if (any || bytes_.U32(entry) == wanted_id) {
                const std::uint32_t target = bytes_.U32(entry + 4);
                return {(target & 0x80000000u) != 0, target & 0x7FFFFFFFu};
            }
        }
        return {false, 0};
    }

    void ReadVersion(PeFile& file) const {
        const std::uint32_t resources = DirectoryAddress(kResourceDirectory);
        if (!resources)
            return;
        const std::size_t root = Offset(resources);
        // Type 16 -> its first name -> its first language -> the data entry.
        auto [is_directory, names] = FirstEntry(root, 0, kVersionResourceType, false);
        if (!is_directory)
            return;
        auto [languages_is_directory, languages] = FirstEntry(root, names, 0, true);
        if (!languages_is_directory)
            Fail("version resource without a language level");
        auto [data_is_directory, data] = FirstEntry(root, languages, 0, true);
        if (data_is_directory)
            Fail("version resource nested too deep");
        const std::size_t block = Offset(bytes_.U32(root + data));
        const std::uint32_t size = bytes_.U32(root + data + 4);
        bytes_.Need(block, size);
        file.has_version = true;
        ReadVersionNode(block, block + size, block, {}, file.version);
    }

    std::u16string Utf16(std::size_t at, std::size_t end, std::size_t* after) const {
        std::u16string text;
        for (; at + 2 <= end && bytes_.U16(at) != 0; at += 2)
            text.push_back(static_cast<char16_t>(bytes_.U16(at)));
        if (at + 2 > end)
            Fail("unterminated text in the version resource");
        *after = at + 2;
        return text;
    }

    // One node of the version tree (VS_VERSION_INFO > StringFileInfo > table >
    // string, VS_VERSION_INFO > VarFileInfo > Translation): length, value length, type (1 = text),
    // key, padding to 4 bytes, value, padding, children.
    std::size_t ReadVersionNode(std::size_t at, std::size_t end, std::size_t base,
                                const std::vector<std::u16string>& path,
                                VersionInfo& version) const {
        const std::size_t length = bytes_.U16(at);
        if (length < 6 || length > end - at)
            Fail("bad node length in the version resource");
        const std::size_t node_end = at + length;
        const auto align = [base](std::size_t offset) {
            return base + ((offset - base + 3) & ~3u);
        };
        const bool text = bytes_.U16(at + 4) == 1;
        std::size_t after_key = 0;
        const std::u16string key = Utf16(at + 6, node_end, &after_key);
        const std::size_t value = align(after_key);
        const std::size_t value_bytes = bytes_.U16(at + 2) * (text ? 2u : 1u);
        if (value_bytes > 0 && value + value_bytes > node_end)
            Fail("value past its node in the version resource");
        if (path.empty()) {
            if (value_bytes < 52 || bytes_.U32(value) != 0xFEEF04BD)
                Fail("no fixed file information");
            for (int i = 0; i < 2; ++i) {
                std::uint16_t* target = i == 0 ? version.file_version : version.product_version;
                const std::size_t ms = value + 8 + 8u * i;
                target[0] = static_cast<std::uint16_t>(bytes_.U32(ms) >> 16);
                target[1] = bytes_.U16(ms);
                target[2] = static_cast<std::uint16_t>(bytes_.U32(ms + 4) >> 16);
                target[3] = bytes_.U16(ms + 4);
            }
        } else if (path.size() == 3 && path[1] == u"StringFileInfo" && text) {
            std::size_t unused = 0;
            version.strings[path[2]][key] =
                value_bytes ? Utf16(value, value + value_bytes, &unused) : std::u16string();
        } else if (path.size() == 2 && path[1] == u"VarFileInfo" && key == u"Translation") {
            for (std::size_t i = 0; i + 2 <= value_bytes; i += 2)
                version.translations.push_back(bytes_.U16(value + i));
        }
        std::vector<std::u16string> child_path = path;
        child_path.push_back(key);
        for (std::size_t child = align(value + value_bytes); child < node_end;)
            child = align(child + ReadVersionNode(child, node_end, base, child_path, version));
        return length;
    }

    Bytes bytes_;
    std::size_t directories_ = 0;
    std::uint32_t directory_count_ = 0;
    std::vector<Section> sections_;
};

}  // namespace

PeFile ReadPe(const std::vector<std::uint8_t>& image) {
    return Image(image).Read();
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot read " + path);
    return bytes;
}

}  // namespace taverel::pe
