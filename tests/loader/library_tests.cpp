// The library probe and the typed function lookup: a library loaded only to
// answer the probe is released again, one the process already had stays, and
// a missing library or function gives null instead of a bad pointer.
#include "platform/library.h"

#include <gtest/gtest.h>

namespace taverel::platform {
namespace {

TEST(LibraryProbeTest, ReleasesALibraryItLoadedOnlyForTheQuestion) {
    // msimg32: a system library that nothing in this process links any more.
    ASSERT_EQ(GetModuleHandleW(L"msimg32.dll"), nullptr);
    EXPECT_TRUE(IsApiAvailable("AlphaBlend", L"msimg32.dll"));
    EXPECT_FALSE(IsApiAvailable("NoSuchFunction", L"msimg32.dll"));
    EXPECT_EQ(GetModuleHandleW(L"msimg32.dll"), nullptr);
    EXPECT_FALSE(IsApiAvailable("AlphaBlend", L"taverel-no-such-library.dll"));
}

TEST(LibraryProbeTest, LeavesALibraryThatWasLoadedAlreadyLoaded) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    ASSERT_NE(user32, nullptr);
    EXPECT_TRUE(IsApiAvailable("TrackMouseEvent", L"User32"));
    EXPECT_EQ(GetModuleHandleW(L"user32.dll"), user32);
    EXPECT_TRUE(IsApiAvailable("TrackMouseEvent", L"User32"));
}

TEST(LibraryFunctionTest, GivesATypedCallablePointerOrNull) {
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    const auto tick = LibraryFunction<decltype(&GetTickCount)>(kernel32, "GetTickCount");
    ASSERT_NE(tick, nullptr);
    EXPECT_GT(tick(), 0u);
    EXPECT_EQ(LibraryFunction<decltype(&GetTickCount)>(kernel32, "NoSuchFunction"), nullptr);
    EXPECT_EQ(LibraryFunction<decltype(&GetTickCount)>(nullptr, "GetTickCount"), nullptr);
}

}  // namespace
}  // namespace taverel::platform
