// taverel-calc: the partition size calculation from the command line, and
// what Windows will show for a partition (cli_help.h lists every option).
//   taverel-calc SIZE        "old: <text>" and "new: <text>" on two lines
//   taverel-calc --old SIZE  the old algorithm's text alone (--new likewise)
// Without a SIZE on the command line the sizes are read from standard input,
// one per line, unless it is a terminal.
// Every error is one line on standard error naming the program and the value.
// Exit codes: 0 done; 2 a value is not a number; 3 arithmetic fault (when the
// new algorithm faults after the old one succeeded, the correct "old:" line
// stays printed); 4 out of range; 64 usage error; 74 standard output could not
// be written (main's part).
#pragma once

#include "app/calc/number_locale.h"

#include <functional>
#include <string>
#include <vector>

namespace taverel::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNotNumeric = 2;
inline constexpr int kExitArithmeticFault = 3;
inline constexpr int kExitOutOfRange = 4;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitWriteError = 74;

// All of standard input as text; empty (no function) when it is a terminal,
// where nobody would see that the program waits for it.
using InputReader = std::function<std::wstring()>;

// Runs the command on `args` (without the program name), appending what goes
// to standard output to `out` and what goes to standard error to `err`.
// An argument that begins with "--", or with "-" and a letter, is an option
// until "--" ends them ("--opt=value" is "--opt value"; "/?" and "-?" ask for
// the help as "-h" does); everything else is an operand (SIZE, LENGTH, BYTES,
// G or a range), taken exactly as given, so "-4", " 4 " and "&H10" are sizes.
// --old and --new together act as neither. An option that does not apply to
// the command (--fs or --cluster without --check) is a usage error, and so
// is a --cluster value Windows' format does not take. With no operand,
// `read_input` (when given) supplies them, one per non-empty line.
int RunCalcCli(const std::vector<std::wstring>& args, const calc::NumberLocale& locale,
               std::wstring& out, std::wstring& err, const InputReader& read_input = {});

}  // namespace taverel::cli
