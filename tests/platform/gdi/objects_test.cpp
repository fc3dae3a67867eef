// Handle lifetimes: stock objects, selection rules, stale handles, window DCs.
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "tests/platform/gdi/golden.h"

namespace {

TEST(ObjectsTest, StockObjectsSurviveDeletion) {
    const HGDIOBJ black = GetStockObject(BLACK_BRUSH);
    ASSERT_NE(black, 0u);
    EXPECT_TRUE(DeleteObject(black));
    EXPECT_EQ(GetStockObject(BLACK_BRUSH), black);
    Canvas c(4, 4, 0xFFFFFF);
    RECT all{0, 0, 4, 4};
    EXPECT_EQ(FillRect(c.dc(), &all, HBRUSH(black)), 1);
    EXPECT_EQ(c.Count(0), 16);
}

TEST(ObjectsTest, SelectedObjectIsNotDeletedUntilDeselected) {
    const int before = GdiLiveObjectCount();
    {
        Canvas c(4, 4);
        HPEN pen = CreatePen(PS_SOLID, 1, 0xFF);
        HGDIOBJ old = SelectObject(c.dc(), pen);
        EXPECT_EQ(old, GetStockObject(BLACK_PEN));
        EXPECT_FALSE(DeleteObject(pen));
        EXPECT_EQ(SelectObject(c.dc(), old), pen);
        EXPECT_TRUE(DeleteObject(pen));
        EXPECT_EQ(SelectObject(c.dc(), pen), 0u);   // a stale handle reaches nothing
        EXPECT_FALSE(DeleteObject(pen));
    }
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

TEST(ObjectsTest, BitmapLivesInOneMemoryDcAtATime) {
    Canvas a(4, 4);
    HDC other = CreateCompatibleDC(a.dc());
    HBITMAP bitmap = CreateCompatibleBitmap(a.dc(), 5, 3);
    HGDIOBJ old = SelectObject(other, bitmap);
    EXPECT_NE(old, 0u);
    EXPECT_EQ(SelectObject(a.dc(), bitmap), 0u);
    BITMAP bm;
    ASSERT_EQ(GetObjectA(bitmap, sizeof(bm), &bm), int(sizeof(bm)));
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_FALSE(DeleteObject(bitmap));
    SelectObject(other, old);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(other));
    EXPECT_FALSE(DeleteDC(other));
}

TEST(ObjectsTest, HandlesOfDifferentKindsDoNotMix) {
    Canvas c(4, 4);
    HBRUSH brush = CreateSolidBrush(0xFF);
    EXPECT_EQ(GetObjectA(brush, sizeof(BITMAP), nullptr), 0);
    EXPECT_EQ(SelectObject(HDC(brush), brush), 0u);   // not a DC
    EXPECT_EQ(FillRect(c.dc(), nullptr, brush), 0);
    EXPECT_TRUE(DeleteObject(brush));
}

TEST(WindowDcTest, DrawsAtTheWindowOriginInsideItsClip) {
    Surface screen(40, 30, 0);
    int placed = 0;
    SetWindowSurfaceResolver([&](HWND hwnd, bool, bool place, WindowSurfaceArea& area) {
        if (hwnd != 7) return false;
        placed += place;
        area.surface = &screen;
        area.origin = {10, 5};
        area.clip = {10, 5, 20, 15};
        return true;
    });
    EXPECT_EQ(GetDC(8), 0u);
    HDC dc = GetDC(7);
    ASSERT_NE(dc, 0u);
    EXPECT_EQ(WindowFromDC(dc), 7u);
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, "W", 1, &size));
    EXPECT_EQ(placed, 0) << "measuring text needs no pixels of the window";
    RECT r{-5, -5, 50, 50};
    FillRect(dc, &r, HBRUSH(GetStockObject(WHITE_BRUSH)));
    int white = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) white += screen.Pixel(x, y) == 0xFFFFFF;
    EXPECT_EQ(white, 100);
    EXPECT_EQ(screen.Pixel(10, 5), 0xFFFFFFu);
    EXPECT_EQ(GetPixel(dc, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(GetPixel(dc, 10, 0), CLR_INVALID);   // outside the window
    EXPECT_EQ(placed, 1);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
    EXPECT_EQ(SelectObject(dc, bitmap), 0u);   // bitmaps go into memory DCs only
    DeleteObject(bitmap);
    EXPECT_EQ(ReleaseDC(7, dc), 1);
    SetWindowSurfaceResolver(nullptr);
}

}  // namespace
