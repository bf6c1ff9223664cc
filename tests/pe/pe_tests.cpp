// Every Windows executable we ship, read as a file: it makes the loader bring
// in only known DLLs (which Windows always takes from the system directory,
// so a planted DLL of the same name is never used), its header carries no
// build time, and its version information names the project's one version in
// Chinese and English. The x86 programs cannot run here, so this is where
// they are checked. TAVEREL_EXES (paths separated by blanks) names other
// files to check, such as the release artefacts in dist/.
#include "taverel_version.h"
#include "tests/pe/pe_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>

namespace taverel::pe {
namespace {

const std::set<std::string> kKnownDlls = {"kernel32.dll", "user32.dll",   "gdi32.dll",
                                          "msvcrt.dll",   "oleaut32.dll", "ole32.dll",
                                          "shlwapi.dll",  "shell32.dll",  "advapi32.dll"};

std::vector<std::string> ExecutablesToCheck() {
    std::vector<std::string> paths;
    if (const char* listed = std::getenv("TAVEREL_EXES")) {
        std::istringstream words(listed);
        for (std::string path; words >> path;)
            paths.push_back(path);
        return paths;
    }
    for (const char* preset : {"windows-x64", "windows-x86"}) {
        for (const char* program :
             {"app/ui/taverel.exe", "app/cli/taverel-calc.exe",
              "tools/gallery/taverel-skin-gallery.exe", "skin/dll/taverel-skin.dll"})
            paths.push_back(std::string(TAVEREL_BUILD_ROOT) + "/" + preset + "/" + program);
    }
    return paths;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class ShippedExeTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (!std::ifstream(GetParam()))
            GTEST_SKIP() << GetParam() << " is not built (build the Windows presets first)";
        file_ = ReadPe(GetParam());
    }
    PeFile file_;
};

TEST_P(ShippedExeTest, ImportsOnlyKnownDlls) {
    EXPECT_FALSE(file_.imported_dlls.empty());
    for (const std::string& dll : file_.imported_dlls)
        EXPECT_TRUE(kKnownDlls.count(Lower(dll))) << dll << " is not a known DLL";
}

TEST_P(ShippedExeTest, HeaderMatchesItsArchitectureAndCarriesNoBuildTime) {
    const bool x86 = GetParam().find("x86") != std::string::npos;
    ASSERT_NE(x86, GetParam().find("x64") != std::string::npos) << "name says no architecture";
    EXPECT_EQ(file_.machine, x86 ? 0x014C : 0x8664);
    EXPECT_EQ(file_.pe32_plus, !x86);
    EXPECT_EQ(file_.timestamp, 0u);
}

TEST_P(ShippedExeTest, VersionInformationNamesTheOneVersionInChineseAndEnglish) {
    ASSERT_TRUE(file_.has_version);
    const VersionInfo& version = file_.version;
    const std::vector<std::uint16_t> expected = {TAVEREL_VERSION_MAJOR, TAVEREL_VERSION_MINOR,
                                                 TAVEREL_VERSION_PATCH, 0};
    EXPECT_EQ(std::vector<std::uint16_t>(version.file_version, version.file_version + 4), expected);
    EXPECT_EQ(std::vector<std::uint16_t>(version.product_version, version.product_version + 4),
              expected);
    EXPECT_EQ(version.translations, (std::vector<std::uint16_t>{0x0804, 1200, 0x0409, 1200}));

    std::u16string version_text;
    for (const char c : std::string(TAVEREL_VERSION_TEXT))
        version_text.push_back(static_cast<char16_t>(c));
    ASSERT_EQ(version.strings.size(), 2u);
    const auto& chinese = version.strings.at(u"080404b0");
    const auto& english = version.strings.at(u"040904b0");
    for (const auto* table : {&chinese, &english}) {
        EXPECT_EQ(table->at(u"ProductName"), u"Taverel");
        EXPECT_EQ(table->at(u"FileVersion"), version_text);
        EXPECT_EQ(table->at(u"ProductVersion"), version_text);
        EXPECT_NE(table->at(u"LegalCopyright").find(u"©"), std::u16string::npos);
    }
    const std::u16string& zh = chinese.at(u"FileDescription");
    const std::u16string& en = english.at(u"FileDescription");
    EXPECT_TRUE(std::any_of(zh.begin(), zh.end(), [](char16_t c) { return c >= 0x4E00; }));
    EXPECT_FALSE(en.empty());
    EXPECT_TRUE(std::all_of(en.begin(), en.end(), [](char16_t c) { return c < 0x80; }));
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = std::to_string(info.index) + "_";
    const std::string& path = info.param;
    const std::size_t folder = path.rfind('/', path.rfind('/') - 1);
    for (const char c : path.substr(folder == std::string::npos ? 0 : folder + 1))
        name.push_back(std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Executables, ShippedExeTest, ::testing::ValuesIn(ExecutablesToCheck()),
                         TestName);

// A damaged file must fail the check, never pass it as "no imports".
TEST(PeReaderTest, RejectsTruncatedAndDamagedFiles) {
    const std::string path = ExecutablesToCheck().front();
    if (!std::ifstream(path))
        GTEST_SKIP() << path << " is not built";
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> whole((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    const std::string damaged = ::testing::TempDir() + "taverel-damaged.exe";
    const auto read = [&damaged](const std::vector<char>& bytes) {
        std::ofstream(damaged, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return ReadPe(damaged);
    };
    EXPECT_NO_THROW(read(whole));
    // Nothing; half the MZ header; the headers without the sections.
    for (const std::size_t size : {std::size_t{0}, std::size_t{0x3E}, std::size_t{0x400}}) {
        const std::vector<char> cut(whole.begin(), whole.begin() + static_cast<long>(size));
        EXPECT_THROW(read(cut), std::runtime_error) << "cut to " << size << " bytes";
    }
    std::vector<char> far_header = whole;
    far_header[0x3F] = 0x7F;  // the PE header offset now points far outside the file
    EXPECT_THROW(read(far_header), std::runtime_error);
    std::remove(damaged.c_str());
}

}  // namespace
}  // namespace taverel::pe
