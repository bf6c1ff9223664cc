// The commands of taverel-calc that tell what Windows will show: --check,
// --size-text, --exact and --table. Each takes one operand, appends its
// lines to `out` or one error line to `err`, and returns an exit code of
// calc_cli.h.
#pragma once

#include "app/calc/volume_capacity.h"

#include <string>

namespace taverel::cli {

struct CapacityOptions {
    calc::FileSystem fs = calc::FileSystem::Fat32;
    calc::Fat32Layout layout = calc::Fat32Layout::Win7;
};

int CheckPartition(const std::wstring& megabytes, const CapacityOptions& options, std::wstring& out,
                   std::wstring& err);
int PrintSizeText(const std::wstring& bytes, std::wstring& out, std::wstring& err);
int PrintExactFigures(const std::wstring& gigabytes, const CapacityOptions& options,
                      std::wstring& out, std::wstring& err);
// The header line of --table, then TableRows for each operand.
std::wstring TableHeader();
int PrintTableRows(const std::wstring& range, const CapacityOptions& options, std::wstring& out,
                   std::wstring& err);

}  // namespace taverel::cli
