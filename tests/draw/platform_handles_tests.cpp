// The owners' classic slips: a guard that never stores what it was given, a
// copy that would close a handle twice, a bitmap deleted while still selected.
#include "platform/bitmap_surface.h"
#include "platform/gdi.h"
#include "platform/handles.h"
#include "skin/draw/canvas.h"
#include "tests/support/gdi_headroom.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

namespace {

using namespace taverel;

template <typename T>
constexpr bool MoveOnly = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T> &&
                          std::is_nothrow_move_constructible_v<T>;

static_assert(MoveOnly<platform::Bitmap>);
static_assert(MoveOnly<platform::Palette>);
static_assert(MoveOnly<platform::MemoryDc>);
static_assert(MoveOnly<platform::WindowDc>);
static_assert(MoveOnly<platform::Window>);
static_assert(MoveOnly<platform::Module>);
static_assert(MoveOnly<platform::Icon>);
static_assert(MoveOnly<platform::KernelHandle>);
static_assert(MoveOnly<platform::SelectedObject>);
static_assert(MoveOnly<platform::SelectedPalette>);
static_assert(MoveOnly<platform::BitmapSurface>);
static_assert(MoveOnly<skin::MemoryCanvas>);
static_assert(!std::is_copy_constructible_v<platform::PaintDc>);
static_assert(!std::is_copy_constructible_v<platform::SavedDcState>);

TEST(GdiObjectOwner, KeepsItsHandleAndDeletesItOnceAfterAMove) {
    const HBITMAP handle = CreateBitmap(4, 4, 1, 32, nullptr);
    ASSERT_NE(handle, nullptr);
    {
        platform::Bitmap first(handle);
        EXPECT_EQ(first.get(), handle);
        platform::Bitmap second(std::move(first));
        EXPECT_EQ(first.get(), nullptr);
        EXPECT_EQ(second.get(), handle);
        {
            platform::Bitmap third;
            third = std::move(second);
        }
        EXPECT_EQ(GetObjectType(handle), 0u) << "the last owner deletes the bitmap";
        // `first` and `second` are empty now: leaving the scope closes nothing.
    }

    // Moving an owner onto itself and resetting it to the handle it holds
    // must both keep the handle alive.
    const HBITMAP kept = CreateBitmap(4, 4, 1, 32, nullptr);
    platform::Bitmap owner(kept);
    platform::Bitmap& alias = owner;
    owner = std::move(alias);
    EXPECT_EQ(owner.get(), kept);
    owner.reset(kept);
    EXPECT_EQ(owner.get(), kept);
    EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BITMAP));
    // Released, the handle is the caller's again.
    EXPECT_EQ(owner.release(), kept);
    EXPECT_FALSE(owner);
    EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BITMAP));
    DeleteObject(kept);
}

TEST(SelectedObjectGuard, SelectsAndPutsTheOriginalBack) {
    platform::MemoryDc dc(CreateCompatibleDC(nullptr));
    platform::Bitmap bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BITMAP);
    {
        platform::SelectedObject selected(dc.get(), bitmap.get());
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap.get());
        EXPECT_EQ(selected.previous(), original);
        // A moved guard puts nothing back early; its new owner does, once.
        platform::SelectedObject moved(std::move(selected));
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap.get());
        EXPECT_EQ(moved.previous(), original);
        EXPECT_EQ(selected.previous(), nullptr);
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), original);
}

TEST(SelectedPaletteGuard, SelectsAndPutsTheOriginalBack) {
    platform::MemoryDc display = platform::CreateDisplayDc();
    platform::MemoryDc dc = platform::CreateCompatibleMemoryDc(display.get());
    platform::Palette palette = platform::CreateHalftonePaletteFor(display.get());
    ASSERT_TRUE(palette);
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_PAL);
    {
        platform::SelectedPalette selected(dc.get(), palette.get(), TRUE, TRUE);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PAL), palette.get());
        EXPECT_EQ(selected.previous(), original);
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PAL), original);
    // Put back in the foreground as well; a moved guard puts nothing back
    // early, its new owner does, once; a palette that cannot be selected
    // leaves nothing to put back.
    {
        platform::SelectedPalette selected(dc.get(), palette.get(), TRUE, FALSE);
        platform::SelectedPalette moved(std::move(selected));
        EXPECT_EQ(selected.previous(), nullptr);
        EXPECT_EQ(moved.previous(), original);
        selected.reset();
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PAL), palette.get());
        moved.reset();
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PAL), original);
        EXPECT_EQ(moved.previous(), nullptr);
    }
    EXPECT_EQ(platform::SelectedPalette(dc.get(), nullptr, TRUE, TRUE).previous(), nullptr);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PAL), original);
}

TEST(BitmapSurface, ReleasesItsBitmapAndDcButNotTheCallersPalette) {
    platform::MemoryDc display = platform::CreateDisplayDc();
    platform::Palette palette = platform::CreateHalftonePaletteFor(display.get());
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    {
        platform::BitmapSurface surface(display.get(),
                                        platform::CreateCompatibleBitmapFor(display.get(), 8, 8),
                                        palette.get(), FALSE);
        bitmap = surface.bitmap();
        dc = surface.dc();
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), palette.get());
    }
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(palette.get()), static_cast<DWORD>(OBJ_PAL));

    // A moved surface is torn down once, by its new owner, and a surface
    // assigned over releases what it held first.
    platform::BitmapSurface first(display.get(),
                                  platform::CreateCompatibleBitmapFor(display.get(), 8, 8));
    const HDC first_dc = first.dc();
    platform::BitmapSurface second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.dc(), first_dc);
    second = platform::BitmapSurface(display.get(),
                                     platform::CreateCompatibleBitmapFor(display.get(), 8, 8));
    EXPECT_EQ(GetObjectType(first_dc), 0u);
    EXPECT_TRUE(second);
}

TEST(MemoryCanvas, DestroyingItDeletesTheBitmapNotJustTheDc) {
    const std::size_t before = taverel::testing::MeasureGdiHeadroom();
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    {
        skin::MemoryCanvas canvas = skin::CreateMemoryCanvas(16, 8);
        ASSERT_TRUE(canvas);
        dc = canvas.dc();
        bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
        BITMAP info{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.bmWidth, 16);
        EXPECT_EQ(info.bmHeight, 8);
        EXPECT_EQ(canvas.width(), 16);
        EXPECT_EQ(canvas.height(), 8);
    }
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(taverel::testing::MeasureGdiHeadroom(), before);
}

TEST(MemoryCanvas, MovesOwnershipAndReplacingReleasesTheOldOne) {
    skin::MemoryCanvas first = skin::CreateMemoryCanvas(4, 4);
    const HDC first_dc = first.dc();
    skin::MemoryCanvas second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.dc(), first_dc);
    second = skin::CreateMemoryCanvas(2, 2);
    EXPECT_EQ(GetObjectType(first_dc), 0u);
    EXPECT_NE(second.dc(), first_dc);
    second.reset();
    EXPECT_FALSE(second);
}

TEST(MemoryCanvas, ANegativeSizeGivesNoCanvasAndLeavesNothingBehind) {
    const std::size_t before = taverel::testing::MeasureGdiHeadroom();
    for (int i = 0; i < 50; ++i) {
        EXPECT_FALSE(skin::CreateMemoryCanvas(-5, 10));
        EXPECT_FALSE(skin::CreateMemoryCanvas(10, -5));
    }
    EXPECT_EQ(taverel::testing::MeasureGdiHeadroom(), before);
}

}  // namespace
