// taverel-calc through its testable function: exact output, exit codes, and
// the UTF-8 conversions its thin main relies on.
#include "app/cli/calc_cli.h"
#include "app/cli/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using taverel::calc::NumberLocale;
using taverel::cli::RunCalcCli;

const NumberLocale kCommaGroups{L'.', L','};

struct CliRun {
    int status;
    std::wstring out;
    std::wstring err;
};

CliRun Cli(const std::vector<std::wstring>& args, const NumberLocale& locale = kCommaGroups) {
    CliRun r;
    r.status = RunCalcCli(args, locale, r.out, r.err);
    return r;
}

std::string Utf8(const std::wstring& s) {
    return taverel::cli::WideToUtf8(s);
}

TEST(CalcCli, PrintsBothResults) {
    const CliRun r = Cli({L"4"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, L"old: 4102\nnew: 4103\n");
    EXPECT_EQ(r.err, L"");
    const CliRun big = Cli({L"16065"});
    EXPECT_EQ(big.status, 0);
    EXPECT_EQ(big.out, L"old: 16482688\nnew: 16450568\n");
}

TEST(CalcCli, OldOrNewAlone) {
    CliRun r = Cli({L"--old", L"4"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, L"4102\n");
    r = Cli({L"--new", L"4"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, L"4103\n");
    r = Cli({L"4", L"--new"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, L"4103\n");
    r = Cli({L"--old", L"--new", L"4"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, L"old: 4102\nnew: 4103\n");
    r = Cli({L"--old", L"2.3"});
    EXPECT_EQ(r.out, L"2357.8\n");
    r = Cli({L"--old", L"2.3"}, NumberLocale{L',', L'.'});
    EXPECT_EQ(r.out, L"2357,8\n");
}

TEST(CalcCli, SizeIsTakenExactlyAsGiven) {
    EXPECT_EQ(Cli({L" 4 "}).out, L"old: 4102\nnew: 4103\n");
    EXPECT_EQ(Cli({L"&H10"}).out, L"old: 16414\nnew: 16387\n");
    EXPECT_EQ(Cli({L"1e3"}).out, L"old: 1025998\nnew: 1024003\n");
    EXPECT_EQ(Cli({L"1,000"}).out, L"old: 1024\nnew: 1028\n");
    EXPECT_EQ(Cli({L"-4"}).out, L"old: -4106\nnew: -4094\n");
    EXPECT_EQ(Cli({L"--", L"-4"}).out, L"old: -4106\nnew: -4094\n");
    EXPECT_EQ(Cli({L"--new", L"--", L"--old"}).status, 2);  // "--old" is the SIZE now
    EXPECT_EQ(Cli({L"-.5"}).out, L"old: -515\nnew: -509\n");
    EXPECT_EQ(Cli({L"1e12"}).out, L"old: 1.026E+15\nnew: 1024000000000002\n");
}

TEST(CalcCli, NotANumberExitsTwoWithTheWindowsMessage) {
    for (const wchar_t* size : {L"4GB", L"", L"abc", L"4 5", L"1e400", L"-", L"nan"}) {
        const CliRun r = Cli({size});
        EXPECT_EQ(r.status, 2) << Utf8(size);
        EXPECT_EQ(r.out, L"") << Utf8(size);
        EXPECT_EQ(r.err, L"请输入纯数字！\n") << Utf8(size);
    }
    EXPECT_EQ(Cli({L"--new", L"4GB"}).status, 2);
    EXPECT_EQ(Cli({L"--old", L"4GB"}).status, 2);
}

TEST(CalcCli, ArithmeticFaultExitsThree) {
    CliRun r = Cli({L"--new", L"1e300"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, L"");
    EXPECT_NE(r.err.find(L"new algorithm"), std::wstring::npos);
    r = Cli({L"--old", L"1e306"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, L"");
    EXPECT_NE(r.err.find(L"old algorithm"), std::wstring::npos);
    // Both: the old result is right and stays printed; the new one faults.
    r = Cli({L"1e300"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, L"old: 1.026E+303\n");
    EXPECT_NE(r.err.find(L"new algorithm"), std::wstring::npos);
}

TEST(CalcCli, UsageErrorsExitSixtyFour) {
    for (const std::vector<std::wstring>& args :
         std::vector<std::vector<std::wstring>>{{},
                                                {L"--old"},
                                                {L"--frobnicate", L"4"},
                                                {L"-x", L"4"},
                                                {L"4", L"5"},
                                                {L"--new", L"4", L"5"},
                                                {L"--"}}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.status, 64);
        EXPECT_EQ(r.out, L"");
        EXPECT_NE(r.err.find(L"usage: taverel-calc"), std::wstring::npos);
    }
}

TEST(CalcCli, HelpGoesToStandardOutput) {
    const CliRun r = Cli({L"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(L"usage: taverel-calc"), std::wstring::npos);
    EXPECT_EQ(r.err, L"");
}

TEST(Utf8, RoundTripsChineseAndAstralText) {
    const std::wstring text = L"请输入纯数字！ 4 \U0001F600";
    const std::string bytes = taverel::cli::WideToUtf8(text);
    EXPECT_EQ(bytes,
              "\xE8\xAF\xB7\xE8\xBE\x93\xE5\x85\xA5\xE7\xBA\xAF\xE6\x95\xB0\xE5\xAD\x97"
              "\xEF\xBC\x81 4 \xF0\x9F\x98\x80");
    EXPECT_EQ(taverel::cli::Utf8ToWide(bytes), text);
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters) {
    using taverel::cli::Utf8ToWide;
    EXPECT_EQ(Utf8ToWide("4\xFF"), L"4\xFFFD");
    EXPECT_EQ(Utf8ToWide("\xC0\xB4"), L"\xFFFD\xFFFD");            // overlong "4"
    EXPECT_EQ(Utf8ToWide("\xE8\xAF"), L"\xFFFD\xFFFD");            // cut short
    EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), L"\xFFFD\xFFFD\xFFFD");  // a surrogate
    EXPECT_EQ(Utf8ToWide("\xF4\x90\x80\x80").size() >= 1, true);
    EXPECT_EQ(Utf8ToWide("\xF4\x90\x80\x80")[0], L'\xFFFD');  // above U+10FFFF
    // A non-numeric size: the calculation sees the replacement and rejects it.
    std::wstring out, err;
    EXPECT_EQ(RunCalcCli({Utf8ToWide("4\xFF")}, kCommaGroups, out, err), 2);
}

}  // namespace
