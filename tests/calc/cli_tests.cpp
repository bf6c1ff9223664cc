// taverel-calc through its testable function: exact output, exit codes, and
// the UTF-8 conversions its thin main relies on.
#include "app/cli/calc_cli.h"
#include "app/cli/utf8.h"
#include "taverel_version.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
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

CliRun Cli(const std::vector<std::wstring>& args, const NumberLocale& locale = kCommaGroups,
           const taverel::cli::InputReader& input = {}) {
    CliRun r;
    r.status = RunCalcCli(args, locale, r.out, r.err, input);
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
    EXPECT_EQ(Cli({L"--old=4"}).out, L"4102\n");  // --opt=value is --opt value
    EXPECT_EQ(Cli({L"--new=4", L"5"}).out, L"4103\n5123\n");
    r = Cli({L"--old", L"2.3"});
    EXPECT_EQ(r.out, L"2357.8\n");
    r = Cli({L"--old", L"23e-1"}, NumberLocale{L',', L'.'});  // "." groups there
    EXPECT_EQ(r.out, L"2357,8\n");
}

TEST(CalcCli, SizeIsTakenExactlyAsGiven) {
    EXPECT_EQ(Cli({L" 4 "}).out, L"old: 4102\nnew: 4103\n");
    EXPECT_EQ(Cli({L"&H10"}).out, L"old: 16414\nnew: 16387\n");
    EXPECT_EQ(Cli({L"1e3"}).out, L"old: 1025998\nnew: 1024003\n");
    EXPECT_EQ(Cli({L"1,000"}).out, L"old: 1025998\nnew: 1024003\n");
    EXPECT_EQ(Cli({L"１６"}).out, L"old: 16414\nnew: 16387\n");
    // Sizes of 0 or less are operands too, and refused with the window's message.
    for (const std::vector<std::wstring>& args : {std::vector<std::wstring>{L"-4"},
                                                  {L"--", L"-4"},
                                                  {L"-.5"},
                                                  {L"0"},
                                                  {L"--old", L"0.001"}}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.status, 2) << Utf8(args.back());
        EXPECT_EQ(r.out, L"");
        EXPECT_EQ(r.err, L"taverel-calc: '" + args.back() +
                             L"' is no partition size: it must be greater than 0 and give at "
                             L"least 1 MB (分区大小必须大于 0（结果至少 1 MB）！)\n");
    }
    EXPECT_EQ(Cli({L"--new", L"--", L"--old"}).status, 2);  // "--old" is the SIZE now
    EXPECT_EQ(Cli({L"1e12"}).out, L"old: 1.026E+15\nnew: 1024000000000002\n");
}

TEST(CalcCli, NotANumberExitsTwoWithTheWindowsMessage) {
    for (const wchar_t* size : {L"4GB", L"", L"abc", L"4 5", L"1,0,0", L"-", L"nan"}) {
        const CliRun r = Cli({size});
        EXPECT_EQ(r.status, 2) << Utf8(size);
        EXPECT_EQ(r.out, L"") << Utf8(size);
        EXPECT_EQ(r.err,
                  L"taverel-calc: '" + std::wstring(size) + L"' is not a number (请输入纯数字！)\n")
            << Utf8(size);
    }
    EXPECT_EQ(Cli({L"--new", L"4GB"}).status, 2);
    EXPECT_EQ(Cli({L"--old", L"4GB"}).status, 2);
}

TEST(CalcCli, SeveralSizesGiveOneLineEachAndEveryOneIsAnswered) {
    CliRun r = Cli({L"4", L"5"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, L"4: old 4102, new 4103\n5: old 5128, new 5123\n");
    r = Cli({L"--new", L"4", L"abc", L"5", L"1e300"});
    EXPECT_EQ(r.status, 2);  // the first failure's
    EXPECT_EQ(r.out, L"4103\n5123\n");
    EXPECT_EQ(
        r.err,
        L"taverel-calc: 'abc' is not a number (请输入纯数字！)\n"
        L"taverel-calc: '1e300': 数值太大，无法计算！ — the size is too large: the new "
        L"algorithm's answer would pass 2^53 MB, beyond which a double skips whole numbers\n");
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
    // Both: the old answer passes 2^53 MB first, and nothing is printed.
    r = Cli({L"8778946642048"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, L"");
    EXPECT_NE(r.err.find(L"old algorithm"), std::wstring::npos);
    EXPECT_EQ(Cli({L"99999999999999999999999"}).status, 3);
    // A size beyond the double range is too large, not "not a number".
    for (const std::wstring& size : {std::wstring(L"1e309"), std::wstring(400, L'9')}) {
        r = Cli({size});
        EXPECT_EQ(r.status, 3);
        EXPECT_EQ(r.out, L"");
        EXPECT_NE(r.err.find(L"too large"), std::wstring::npos);
    }
}

TEST(CalcCli, WhatWindowsShows) {
    const struct {
        std::vector<std::wstring> args;
        const wchar_t* out;
    } cases[] = {
        {{L"--check", L"4103"},
         L"partition: 4103 MB (8402944 sectors)\nfile system: FAT32, win7 layout\n"
         L"cluster: 4096 bytes\nreserved sectors: 8210\nFAT sectors: 2 x 8183\n"
         L"clusters: 1047296\ncapacity: 4289724416\nshows: 3.99 GB\n"},
        {{L"--check", L"4103", L"--fs", L"ntfs"},
         L"partition: 4103 MB (8402944 sectors)\nfile system: NTFS\ncluster: 4096 bytes\n"
         L"clusters: 1050367\ncapacity: 4302303232\nshows: 4.00 GB\n"},
        {{L"--format=xp", L"--check", L"4103"},
         L"partition: 4103 MB (8402944 sectors)\nfile system: FAT32, xp layout\n"
         L"cluster: 4096 bytes\nreserved sectors: 32\nFAT sectors: 2 x 8190\n"
         L"clusters: 1048316\ncapacity: 4293902336\nshows: 3.99 GB\n"},
        {{L"--check", L"40000"},  // 32 KB clusters, beyond Windows' own format
         L"partition: 40000 MB (81920000 sectors)\nfile system: FAT32, win7 layout\n"
         L"cluster: 32768 bytes\nreserved sectors: 4580\nFAT sectors: 2 x 9998\n"
         L"clusters: 1279616\ncapacity: 41930457088\nshows: 39.0 GB\n"
         L"note: Windows' own format makes no FAT32 above 32 GB; other formatters do\n"},
        {{L"--size-text", L"1023", L"1024", L"4289724416", L"1073741824000"},
         L"1023 bytes\n1.00 KB\n3.99 GB\n0.97 TB\n"},
        {{L"--exact", L"4", L"40"},
         L"fat32: 4108\nntfs: 4097\nexfat: 4098\nfat32 cylinders: 524 (4310046720 bytes)\n"
         L"ntfs cylinders: 523 (4301821440 bytes)\n\n"
         L"fat32: 40972\nntfs: 40961\nexfat: 40963\nfat32 cylinders: 5224 (42968862720 bytes)\n"
         L"ntfs cylinders: 5222 (42952412160 bytes)\n"
         L"note: Windows' own format makes no FAT32 above 32 GB; other formatters do\n"},
        {{L"--exact", L"8", L"--format", L"xp"},
         L"fat32: 8201\nntfs: 8193\nexfat: 8195\nfat32 cylinders: 1046 (8603642880 bytes)\n"
         L"ntfs cylinders: 1045 (8595417600 bytes)\n"},
        {{L"--table", L"3..4", L"60"},
         L"G\told\told FAT32\tnew\tnew FAT32\tnew NTFS\tsmallest FAT32\tsmallest NTFS\t"
         L"smallest exFAT\n"
         L"3\t3076\t2.99 GB\t3075\t2.99 GB\t3.00 GB\t3080\t3073\t3074\n"
         L"4\t4102\t3.99 GB\t4103\t3.99 GB\t4.00 GB\t4108\t4097\t4098\n"
         L"60\t61558\t60.0 GB\t61444\t59.9 GB\t60.0 GB\t61456\t61441\t61443\n"},
        // exFAT as mkfs.exfat makes it; a partition that fills its disk, in
        // sectors, with 4 MB clusters: the FAT and the heap on 4 MB.
        {{L"--check", L"64000", L"--fs=exfat"},
         L"partition: 64000 MB (131072000 sectors)\nfile system: exFAT\ncluster: 131072 bytes\n"
         L"FAT offset: 2048 sectors\nFAT sectors: 1 x 4000\ncluster heap offset: 6144 sectors\n"
         L"clusters: 511976\ncapacity: 67105718272\nshows: 62.4 GB\n"},
        {{L"--check", L"30848990s", L"--fs", L"exfat", L"--cluster", L"4194304"},
         L"partition: 30848990 sectors (15794682880 bytes)\nfile system: exFAT\n"
         L"cluster: 4194304 bytes\nFAT offset: 8192 sectors\nFAT sectors: 1 x 30\n"
         L"cluster heap offset: 16384 sectors\nclusters: 3763\ncapacity: 15783165952\n"
         L"shows: 14.6 GB\n"},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.status, 0) << Utf8(c.args[0]);
        EXPECT_EQ(r.out, c.out) << Utf8(c.args[0]);
        EXPECT_EQ(r.err, L"");
    }
}

TEST(CalcCli, BadInputIsOneLineNamingTheProgramAndTheValue) {
    const struct {
        std::vector<std::wstring> args;
        int status;
        const wchar_t* value;  // echoed in the message
    } cases[] = {
        {{L"--check", L"abc"}, 2, L"'abc' is not a number"},
        {{L"--check", L"4.5"}, 2, L"'4.5' is not a whole number"},
        {{L"--size-text", L"-1"}, 2, L"'-1'"},
        {{L"--table", L"1..x"}, 2, L"'1..x'"},
        {{L"--check", L"20"}, 4, L"'20' MB is too small for FAT32"},
        {{L"--check", L"2097152"}, 4, L"'2097152' MB is more than FAT32 can hold"},
        {{L"--check", L"1", L"--fs", L"ntfs"}, 4, L"'1' MB is too small for NTFS"},
        {{L"--exact", L"1000"}, 4, L"'1000'"},
        {{L"--exact", L"0"}, 4, L"'0'"},
        {{L"--size-text", L"9223372036854775808"}, 4, L"'9223372036854775808'"},
        {{L"--size-text", L"12345678901234567890"}, 4, L"more bytes than Explorer takes"},
        {{L"--check", L"000000000000000000000000004"}, 4, L"too small"},
        {{L"--table", L"1..99999999999999999999"}, 4, L"not within 1..999"},
        {{L"--fs", L"ntfs", L"4"}, 64, L"--fs goes with --check only"},
        {{L"--exact", L"4", L"--fs=ntfs"}, 64, L"--fs goes with --check only"},
        {{L"--format", L"xp", L"4"}, 64, L"--format goes with"},
        {{L"--size-text", L"4", L"--format=xp"}, 64, L"--format goes with"},
        {{L"--check", L"4", L"--fs", L"ntfs", L"--format", L"xp"}, 64, L"--fs ntfs"},
        {{L"--help=4"}, 64, L"--help takes no value"},
        {{L"--table", L"5..1"}, 4, L"'5..1'"},
        {{}, 64, L"SIZE is missing"},
        {{L"--old"}, 64, L"SIZE is missing"},
        {{L"--"}, 64, L"SIZE is missing"},
        {{L"--check"}, 64, L"--check needs a value"},
        {{L"--frobnicate", L"4"}, 64, L"'--frobnicate'"},
        {{L"-x", L"4"}, 64, L"'-x'"},
        {{L"--fs", L"ext4", L"--check", L"4"}, 64, L"'ext4'"},
        {{L"--format", L"win98", L"--check", L"4"}, 64, L"'win98'"},
        {{L"--check", L"4", L"--format"}, 64, L"--format needs a value"},
        {{L"--check", L"--table", L"4"}, 64, L"--check and --table"},
        {{L"--old", L"--check", L"4"}, 64, L"--old and --new"},
        {{L"--check", L"4103", L"--cluster", L"3000"}, 64, L"a power of two from 512 to 65536"},
        {{L"--check", L"4103", L"--fs=exfat", L"--cluster=64M"}, 64, L"512 to 33554432 bytes"},
        {{L"--check", L"4103", L"--fs=ntfs", L"--cluster=4194304"}, 64, L"512 to 2097152 bytes"},
        {{L"--check", L"100", L"--cluster", L"65536"}, 64, L"offers 512 to 1024 bytes there"},
        {{L"--exact", L"4", L"--cluster", L"4096"}, 64, L"--cluster goes with --check only"},
        {{L"--check", L"0s", L"--fs", L"exfat"}, 4, L"'0s' is too small for exFAT"},
        {{L"--check", L"5", L"--fs", L"exfat"}, 4, L"'5' MB is too small for exFAT"},
        {{L"--check", L"36028797018963968s"}, 4, L"2^64 bytes or more"},
        {{L"--check", L"4.5s"}, 2, L"'4.5s' is not a whole number"},
    };
    for (const auto& c : cases) {
        const std::string args = c.args.empty() ? "" : Utf8(c.args[0]);
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << args;
        EXPECT_EQ(r.out, L"") << args;
        EXPECT_EQ(r.err.rfind(L"taverel-calc: ", 0), 0u) << args;
        EXPECT_NE(r.err.find(c.value), std::wstring::npos) << Utf8(r.err);
        EXPECT_EQ(r.err.find(L'\n'), r.err.size() - 1) << Utf8(r.err);  // one line
    }
}

TEST(CalcCli, SizesComeFromStandardInputOnlyWhenNoneIsGiven) {
    const auto input = [](const wchar_t* text) { return [text] { return std::wstring(text); }; };
    EXPECT_EQ(Cli({}, kCommaGroups, input(L"4\r\n\n 5 \n")).out,
              L"4: old 4102, new 4103\n 5 : old 5128, new 5123\n");
    EXPECT_EQ(Cli({L"--new"}, kCommaGroups, input(L"4")).out, L"4103\n");
    EXPECT_EQ(Cli({L"--exact"}, kCommaGroups, input(L"4\n")).out.rfind(L"fat32: 4108\n", 0), 0u);
    EXPECT_EQ(Cli({L"4"}, kCommaGroups,
                  [] {
                      ADD_FAILURE() << "read standard input although a size was given";
                      return std::wstring();
                  })
                  .out,
              L"old: 4102\nnew: 4103\n");
    const CliRun empty = Cli({}, kCommaGroups, input(L"\n"));
    EXPECT_EQ(empty.status, 64);
    EXPECT_NE(empty.err.find(L"SIZE is missing"), std::wstring::npos);
}

TEST(CalcCli, HelpDocumentsEveryOptionAndVersionComesFromTheBuild) {
    for (const wchar_t* asked : {L"/?", L"-?", L"-h", L"--old", L"4"})
        EXPECT_EQ(Cli({asked, L"--help"}).out, Cli({L"--help"}).out) << Utf8(asked);
    for (const wchar_t* asked : {L"/?", L"-?", L"-h"})
        EXPECT_EQ(Cli({asked}).out, Cli({L"--help"}).out) << Utf8(asked);
    const CliRun r = Cli({L"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, L"");
    for (const wchar_t* word : {L"usage: taverel-calc", L"--old", L"--new", L"--check",
                                L"--size-text", L"--exact", L"--table", L"--fs", L"--format",
                                L"xp ", L"win7 ", L"--version", L"Exit status", L" 4 ", L"64"})
        EXPECT_NE(r.out.find(word), std::wstring::npos) << Utf8(word);
    const std::string version = TAVEREL_VERSION_TEXT;
    EXPECT_EQ(Cli({L"--version"}).out,
              L"taverel-calc " + std::wstring(version.begin(), version.end()) + L"\n");
}

#ifdef TAVEREL_README
// The README's table is the output of the command it names, as Markdown.
TEST(CalcCli, ReadmeTableIsWhatTheTableCommandPrints) {
    std::ifstream readme(TAVEREL_README);
    ASSERT_TRUE(readme) << TAVEREL_README;
    const std::string program = "`taverel-calc ";
    std::string line;
    std::vector<std::wstring> args;
    while (args.empty() && std::getline(readme, line)) {
        if (line.rfind(program + "--table ", 0) != 0)
            continue;
        const std::size_t end = line.find('`', 1);
        std::istringstream words(line.substr(program.size(), end - program.size()));
        for (std::string word; words >> word;)
            args.push_back(taverel::cli::Utf8ToWide(word));
    }
    ASSERT_FALSE(args.empty()) << "no " << program << "--table line in the README";
    std::string table;
    while (std::getline(readme, line) && (table.empty() || !line.empty())) {
        if (line.rfind("|", 0) == 0)
            table += line + "\n";
    }
    std::wistringstream tsv(Cli(args).out);
    std::string expected;
    for (std::wstring row; std::getline(tsv, row);) {
        std::wistringstream cells(row);
        std::string columns;
        expected += "|";
        for (std::wstring cell; std::getline(cells, cell, L'\t');) {
            expected += " " + Utf8(cell) + " |";
            columns += "---|";
        }
        expected += "\n";
        if (expected.find("---") == std::string::npos)
            expected += "|" + columns + "\n";
    }
    EXPECT_EQ(table, expected);
}
#endif

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
