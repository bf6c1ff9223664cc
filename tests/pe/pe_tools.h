// A Windows executable (PE32 or PE32+) as pev's tools read it, so that the
// Linux host checks the x64 and the x86 programs alike: readpe gives the
// headers, the sections and the imported DLLs, peres the version resource.
#pragma once

#include "tests/pe/version_resource.h"

#include <cstdint>
#include <string>
#include <vector>

namespace taverel::pe {

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
