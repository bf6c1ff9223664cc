// The one part of a Windows executable that pev's tools do not decode: the
// tree of the version resource. peres writes the resource out raw (and shows
// only the file version), so its numbers, string tables and translations are
// read here, portably, with a bounds check on every access.
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

// Reads a VS_VERSIONINFO block. Throws std::runtime_error, naming what was
// wrong, for a block that is cut short or malformed.
VersionInfo ReadVersionResource(const std::vector<std::uint8_t>& block);

}  // namespace taverel::pe
