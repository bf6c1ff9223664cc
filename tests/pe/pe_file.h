// A small reader for Windows executables (PE32 and PE32+), portable so that
// the Linux host checks the x64 and the x86 programs alike: which DLLs an
// executable makes the loader bring in, and its version information.
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

struct PeFile {
    std::uint16_t machine = 0;  // 0x014c x86, 0x8664 x64
    bool pe32_plus = false;
    std::uint32_t timestamp = 0;
    // DLL names, as written in the import and the delay-import directories.
    std::vector<std::string> imported_dlls;
    bool has_version = false;
    VersionInfo version;
};

// Reads the whole image. Throws std::runtime_error, naming what was wrong,
// for anything that is not a well-formed PE file: a damaged file must fail
// the check rather than pass it with an empty import list.
PeFile ReadPe(const std::vector<std::uint8_t>& image);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

}  // namespace taverel::pe
