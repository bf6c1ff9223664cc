#include "app/cli/calc_cli.h"

#include "app/calc/partition_size.h"
#include "app/cli/capacity_commands.h"
#include "app/cli/cli_help.h"

#include "taverel_version.h"

namespace taverel::cli {
namespace {

enum class Mode { Sizes, Check, SizeText, Exact, Table };

struct ModeOption {
    const wchar_t* name;
    Mode mode;
};
const ModeOption kModes[] = {{L"--check", Mode::Check},
                             {L"--size-text", Mode::SizeText},
                             {L"--exact", Mode::Exact},
                             {L"--table", Mode::Table}};

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool LooksLikeOption(const std::wstring& arg) {
    return arg.size() >= 2 && arg[0] == L'-' && (arg[1] == L'-' || IsAsciiLetter(arg[1]));
}

int UsageError(const std::wstring& problem, std::wstring& err) {
    err += L"taverel-calc: " + problem + L" (taverel-calc --help lists the options)\n";
    return kExitUsage;
}

std::wstring Widen(const char* text) {
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

// One algorithm on one SIZE: its text, or an error line and the exit code.
int RunAlgorithm(const std::wstring& size, bool old_algorithm, const calc::NumberLocale& locale,
                 std::wstring& text, std::wstring& err) {
    calc::PartitionFields fields;
    const calc::CalculationResult r =
        calc::CalculatePartitionSize(size, old_algorithm, !old_algorithm, fields, locale);
    if (r.outcome == calc::CalculationOutcome::InputError) {
        err += L"taverel-calc: '" + size + L"' is not a number (" + calc::kNotNumericText + L")\n";
        return kExitNotNumeric;
    }
    if (r.outcome == calc::CalculationOutcome::NotPositive) {
        err += L"taverel-calc: '" + size +
               L"' is no partition size: it must be greater than 0 and give at least 1 MB (" +
               calc::kNotPositiveText + L")\n";
        return kExitNotNumeric;
    }
    if (r.outcome == calc::CalculationOutcome::ArithmeticFault) {
        err += L"taverel-calc: '" + size + L"': " + calc::kTooLargeText +
               L" — the size is too large: the " + (old_algorithm ? L"old" : L"new") +
               L" algorithm's answer would pass 2^53 MB, beyond which a double skips whole "
               L"numbers\n";
        return kExitArithmeticFault;
    }
    text = r.text;
    return kExitOk;
}

// One SIZE alone keeps the two-line form; several give one line each.
int RunSize(const std::wstring& size, bool want_old, bool want_new, bool several,
            const calc::NumberLocale& locale, std::wstring& out, std::wstring& err) {
    const bool labelled = want_old == want_new;
    std::wstring texts[2];  // the old algorithm's, then the new one's
    for (int i = 0; i < 2; ++i) {
        const bool old_algorithm = i == 0;
        if (!labelled && !(old_algorithm ? want_old : want_new))
            continue;
        const int status = RunAlgorithm(size, old_algorithm, locale, texts[i], err);
        if (status != kExitOk)
            return status;
        if (!several)
            out += (labelled ? (old_algorithm ? L"old: " : L"new: ") : L"") + texts[i] + L"\n";
    }
    if (several)
        out += labelled ? size + L": old " + texts[0] + L", new " + texts[1] + L"\n"
                        : (want_old ? texts[0] : texts[1]) + L"\n";
    return kExitOk;
}

// "--fs ntfs" or "--fs=ntfs" (already split at the "="): the value, or false
// when it is missing.
bool TakeValue(const std::vector<std::wstring>& args, std::size_t& i, bool has_value,
               std::wstring& value) {
    if (has_value)
        return true;
    if (i + 1 >= args.size())
        return false;
    value = args[++i];
    return true;
}

bool IsHelp(const std::wstring& arg) {
    return arg == L"--help" || arg == L"-h" || arg == L"-?" || arg == L"/?";
}

// The operands of standard input: one per line, blank lines skipped.
void AppendLines(const std::wstring& text, std::vector<std::wstring>& operands) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find(L'\n', begin);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = text.substr(begin, end - begin);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        if (line.find_first_not_of(L" \t") != std::wstring::npos)
            operands.push_back(line);
        begin = end + 1;
    }
}

}  // namespace

int RunCalcCli(const std::vector<std::wstring>& args, const calc::NumberLocale& locale,
               std::wstring& out, std::wstring& err, const InputReader& read_input) {
    bool want_old = false;
    bool want_new = false;
    bool options_ended = false;
    bool fs_given = false;
    std::wstring fs_value;
    bool format_given = false;
    bool cluster_given = false;
    std::wstring cluster_value;
    Mode mode = Mode::Sizes;
    const wchar_t* mode_name = nullptr;
    CapacityOptions options;
    std::vector<std::wstring> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        if (options_ended || !(LooksLikeOption(arg) || IsHelp(arg))) {
            operands.push_back(arg);
            continue;
        }
        // "--opt=value" is "--opt value" for every option.
        const std::size_t equals = arg.rfind(L"--", 0) == 0 ? arg.find(L'=') : std::wstring::npos;
        const bool has_value = equals != std::wstring::npos;
        const std::wstring name = arg.substr(0, equals);
        std::wstring value = has_value ? arg.substr(equals + 1) : std::wstring();
        const ModeOption* picked = nullptr;
        for (const ModeOption& m : kModes) {
            if (name == m.name)
                picked = &m;
        }
        if (IsHelp(name) || name == L"--version") {
            if (has_value)
                return UsageError(name + L" takes no value", err);
            out += IsHelp(name) ? std::wstring(kHelp)
                                : L"taverel-calc " + Widen(TAVEREL_VERSION_TEXT) + L"\n";
            return kExitOk;
        } else if (arg == L"--") {
            options_ended = true;
        } else if (name == L"--old" || name == L"--new") {
            (name == L"--old" ? want_old : want_new) = true;
            if (has_value)
                operands.push_back(value);
        } else if (picked != nullptr) {
            if (mode_name != nullptr && mode != picked->mode)
                return UsageError(
                    std::wstring(mode_name) + L" and " + picked->name + L" cannot be combined",
                    err);
            mode = picked->mode;
            mode_name = picked->name;
            if (has_value)
                operands.push_back(value);
        } else if (name == L"--fs" || name == L"--format" || name == L"--cluster") {
            if (!TakeValue(args, i, has_value, value))
                return UsageError(name + L" needs a value", err);
            if (name == L"--cluster") {
                // Checked once the file system is known: --fs may follow.
                cluster_given = true;
                cluster_value = value;
            } else if (name == L"--fs") {
                if (value != L"fat32" && value != L"ntfs" && value != L"exfat")
                    return UsageError(
                        L"'" + value + L"' is not a file system: fat32, ntfs or exfat", err);
                options.fs = value == L"ntfs"    ? calc::FileSystem::Ntfs
                             : value == L"exfat" ? calc::FileSystem::Exfat
                                                 : calc::FileSystem::Fat32;
                fs_given = true;
                fs_value = value;
            } else {
                if (value != L"xp" && value != L"win7")
                    return UsageError(L"'" + value + L"' is not a FAT32 layout: xp or win7", err);
                options.layout = value == L"xp" ? calc::Fat32Layout::Xp : calc::Fat32Layout::Win7;
                format_given = true;
            }
        } else {
            return UsageError(L"unknown option '" + arg + L"'", err);
        }
    }
    // An option the command would ignore is a mistake worth saying.
    if (mode != Mode::Sizes && (want_old || want_new))
        return UsageError(L"--old and --new go with SIZE only, not with " + std::wstring(mode_name),
                          err);
    if (fs_given && mode != Mode::Check)
        return UsageError(L"--fs goes with --check only", err);
    if (format_given && (mode == Mode::Sizes || mode == Mode::SizeText))
        return UsageError(L"--format goes with --check, --exact and --table only", err);
    if (format_given && options.fs != calc::FileSystem::Fat32)
        return UsageError(L"--format is a FAT32 layout; it does not go with --fs " + fs_value, err);
    if (cluster_given && mode != Mode::Check)
        return UsageError(L"--cluster goes with --check only", err);
    std::wstring problem;
    if (cluster_given && !TakeClusterSize(cluster_value, options, problem))
        return UsageError(problem, err);
    if (operands.empty() && read_input)
        AppendLines(read_input(), operands);
    if (operands.empty())
        return UsageError(
            mode == Mode::Sizes ? L"SIZE is missing" : std::wstring(mode_name) + L" needs a value",
            err);

    // Every operand is answered; the exit code is that of the first failure.
    int status = kExitOk;
    for (const std::wstring& operand : operands) {
        std::wstring block;
        int result = kExitOk;
        switch (mode) {
            case Mode::Sizes:
                result =
                    RunSize(operand, want_old, want_new, operands.size() > 1, locale, block, err);
                break;
            case Mode::Check:
                result = CheckPartition(operand, options, block, err);
                break;
            case Mode::SizeText:
                result = PrintSizeText(operand, block, err);
                break;
            case Mode::Exact:
                result = PrintExactFigures(operand, options, block, err);
                break;
            case Mode::Table:
                result = PrintTableRows(operand, options, block, err);
                break;
        }
        // --check and --exact answer in blocks, a blank line between two.
        if ((mode == Mode::Check || mode == Mode::Exact) && !out.empty() && !block.empty())
            out += L"\n";
        if (mode == Mode::Table && out.empty() && !block.empty())
            out += TableHeader();
        out += block;
        if (status == kExitOk)
            status = result;
    }
    return status;
}

}  // namespace taverel::cli
