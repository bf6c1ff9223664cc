#include "app/cli/calc_cli.h"

#include "app/calc/partition_size.h"

namespace taverel::cli {
namespace {

const wchar_t kUsage[] =
    L"usage: taverel-calc [--old | --new] SIZE\n"
    L"  SIZE     partition size in GB, as typed into the window (e.g. 4, 1.5, &H10)\n"
    L"  --old    print only the old algorithm's result (旧算法)\n"
    L"  --new    print only the new algorithm's result (新算法)\n"
    L"Without --old or --new both results are printed as \"old: ...\" and \"new: ...\".\n"
    L"Exit status: 0 done, 2 SIZE is not a number, 3 arithmetic fault, 64 usage error.\n";

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool LooksLikeOption(const std::wstring& arg) {
    return arg.size() >= 2 && arg[0] == L'-' && (arg[1] == L'-' || IsAsciiLetter(arg[1]));
}

int UsageError(const std::wstring& problem, std::wstring& err) {
    err += L"taverel-calc: " + problem + L"\n" + kUsage;
    return kExitUsage;
}

}  // namespace

int RunCalcCli(const std::vector<std::wstring>& args, const calc::NumberLocale& locale,
               std::wstring& out, std::wstring& err) {
    bool want_old = false;
    bool want_new = false;
    bool options_ended = false;
    std::vector<std::wstring> sizes;
    for (const std::wstring& arg : args) {
        if (!options_ended && arg == L"--") {
            options_ended = true;
        } else if (!options_ended && arg == L"--old") {
            want_old = true;
        } else if (!options_ended && arg == L"--new") {
            want_new = true;
        } else if (!options_ended && (arg == L"--help" || arg == L"-h")) {
            out += kUsage;
            return kExitOk;
        } else if (!options_ended && LooksLikeOption(arg)) {
            return UsageError(L"unknown option " + arg, err);
        } else {
            sizes.push_back(arg);
        }
    }
    if (sizes.empty())
        return UsageError(L"SIZE is missing", err);
    if (sizes.size() > 1)
        return UsageError(L"too many arguments: give one SIZE", err);
    const std::wstring& size = sizes.front();

    const bool labelled = want_old == want_new;
    const bool run_old = want_old || labelled;
    const bool run_new = want_new || labelled;
    calc::PartitionFields fields;
    if (run_old) {
        const calc::CalculationResult r =
            calc::CalculatePartitionSize(size, true, false, fields, locale);
        if (r.outcome == calc::CalculationOutcome::InputError) {
            err += L"请输入纯数字！\n";
            return kExitNotNumeric;
        }
        if (r.outcome == calc::CalculationOutcome::ArithmeticFault) {
            err +=
                L"taverel-calc: 算术溢出 — arithmetic overflow in the old algorithm: "
                L"the size is too large for a double\n";
            return kExitArithmeticFault;
        }
        out += (labelled ? L"old: " : L"") + r.text + L"\n";
    }
    if (run_new) {
        const calc::CalculationResult r =
            calc::CalculatePartitionSize(size, false, true, fields, locale);
        if (r.outcome == calc::CalculationOutcome::InputError) {
            err += L"请输入纯数字！\n";
            return kExitNotNumeric;
        }
        if (r.outcome == calc::CalculationOutcome::ArithmeticFault) {
            err +=
                L"taverel-calc: 算术溢出 — arithmetic overflow in the new algorithm: "
                L"the size is too large for a double\n";
            return kExitArithmeticFault;
        }
        out += (labelled ? L"new: " : L"") + r.text + L"\n";
    }
    return kExitOk;
}

}  // namespace taverel::cli
