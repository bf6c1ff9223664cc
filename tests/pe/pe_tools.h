// A Windows executable (PE32 or PE32+) as pev's tools read it, so that the
// Linux host checks the x64 and the x86 programs alike: readpe gives the
// headers, the sections and the imported DLLs, peres writes the version
// resource out raw. peres shows only a file version, and reads it wrongly,
// so the resource's tree is read here (version_resource.cpp).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace taverel::pe {

struct VersionInfo {
    // major, minor, patch, build
    std::uint16_t file_version[4] = {};
    std::uint16_t product_version[4] = {};
    // String tables by their key ("080404b0"), each name -> text.
    std::map<std::u16string, std::map<std::u16string, std::u16string>> strings;
    // Language and code page pairs of VarFileInfo\Translation.
    std::vector<std::uint16_t> translations;
};

// Reads a VS_VERSIONINFO block, with a bounds check on every access. Throws
// std::runtime_error, naming what was wrong, for a block cut short or
// malformed.
VersionInfo ReadVersionResource(const std::vector<std::uint8_t>& block);

struct PeFile {
    std::uint16_t machine = 0;  // 0x014c x86, 0x8664 x64
    bool pe32_plus = false;
    std::uint32_t timestamp = 0;
    // DLL names as written in the import directory.
    std::vector<std::string> imported_dlls;
    bool has_version = false;
    VersionInfo version;
};

// Throws std::runtime_error, naming what was wrong, when a tool fails or
// the file is not a whole PE file: a damaged file must fail the check
// rather than pass it with an empty import list. A delay-import directory
// fails it too: readpe does not list the DLLs it names.
PeFile ReadPe(const std::string& path);

}  // namespace taverel::pe
