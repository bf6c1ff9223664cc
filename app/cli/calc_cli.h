// taverel-calc: the partition size calculation from the command line, and
// what Windows will show for a partition (cli_help.h lists every option).
//   taverel-calc SIZE        "old: <text>" and "new: <text>" on two lines
//   taverel-calc --old SIZE  the old algorithm's text alone (--new likewise)
// Every error is one line on standard error naming the program and the value.
// Exit codes: 0 done; 2 a value is not a number; 3 arithmetic fault (when the
// new algorithm faults after the old one succeeded, the correct "old:" line
// stays printed); 4 out of range; 64 usage error.
#pragma once

#include "app/calc/number_locale.h"

#include <string>
#include <vector>

namespace taverel::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNotNumeric = 2;
inline constexpr int kExitArithmeticFault = 3;
inline constexpr int kExitOutOfRange = 4;
inline constexpr int kExitUsage = 64;

// Runs the command on `args` (without the program name), appending what goes
// to standard output to `out` and what goes to standard error to `err`.
// An argument that begins with "--", or with "-" and a letter, is an option
// until "--" ends them; everything else is an operand (SIZE, MB, BYTES, G or
// a range), taken exactly as given, so "-4", " 4 " and "&H10" are sizes.
// --old and --new together act as neither.
int RunCalcCli(const std::vector<std::wstring>& args, const calc::NumberLocale& locale,
               std::wstring& out, std::wstring& err);

}  // namespace taverel::cli
