// The commands of taverel-calc that tell what Windows will show: --check,
// --size-text, --exact and --table. Each takes one operand, appends its
// lines to `out` or one error line to `err`, and returns an exit code of
// calc_cli.h.
#pragma once

#include "app/calc/volume_capacity.h"

#include <cstdint>
#include <string>

namespace taverel::cli {

struct CapacityOptions {
    calc::FileSystem fs = calc::FileSystem::Fat32;
    calc::Fat32Layout layout = calc::Fat32Layout::Win7;
    std::uint64_t cluster_bytes = 0;  // 0: Windows' default for the size
};

// The value of --cluster: a power of two among the sizes Windows' format
// takes for `options.fs`, stored in `options`; false, with the problem for
// a usage error, otherwise.
bool TakeClusterSize(const std::wstring& text, CapacityOptions& options, std::wstring& problem);

// A length is whole MB ("4103") or, with the suffix "s", 512-byte sectors
// ("30848990s"). A cluster Windows would not offer for the length is a
// usage error naming the sizes it offers there.
int CheckPartition(const std::wstring& length, const CapacityOptions& options, std::wstring& out,
                   std::wstring& err);
int PrintSizeText(const std::wstring& bytes, std::wstring& out, std::wstring& err);
int PrintExactFigures(const std::wstring& gigabytes, const CapacityOptions& options,
                      std::wstring& out, std::wstring& err);
// The header line of --table, then TableRows for each operand.
std::wstring TableHeader();
int PrintTableRows(const std::wstring& range, const CapacityOptions& options, std::wstring& out,
                   std::wstring& err);

}  // namespace taverel::cli
