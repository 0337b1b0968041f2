// Graphics library: the drawn arrow and icons on real pixels, off-screen drawing that
// reaches its target only when done, and the default interface font.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <qor12.h>
#include "harness.h"

namespace {

// A 32-bit memory surface filled with one colour, wrapped in a CDC.
struct Surface
{
    CDC dc;
    HBITMAP hBitmap = NULL;
    HGDIOBJ hOld = NULL;
    Surface(int cx, int cy, COLORREF fill)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = cx;
        bi.bmiHeader.biHeight = -cy;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits;
        hBitmap = ::CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
        dc.Attach(::CreateCompatibleDC(NULL));
        hOld = ::SelectObject(dc.m_hDC, hBitmap);
        dc.FillSolidRect(0, 0, cx, cy, fill);
    }
    ~Surface()
    {
        ::SelectObject(dc.m_hDC, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(dc.Detach());
    }
    int Count(const CRect& rc, COLORREF c)
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += dc.GetPixel(x, y) == c;
        return n;
    }
};

const COLORREF kBack = RGB(200, 200, 200);
const COLORREF kInk = RGB(10, 20, 200);

} // namespace

TEST(QorIconTest, ComboArrowIsACentredTriangleInsideItsRectangle)
{
    Surface s(40, 40, kBack);
    CRect rc(10, 10, 27, 30);   // 17 x 20
    QorIcon::DrawComboArrow(s.dc, rc, kInk);
    // Rows of 7, 5, 3 and 1 pixels, centred: 16 pixels in all.
    EXPECT_EQ(16, s.Count(CRect(0, 0, 40, 40), kInk));
    const int x0 = rc.left + (rc.Width() - 7) / 2, y0 = rc.top + (rc.Height() - 4) / 2;
    for (int row = 0; row < 4; ++row)
    {
        EXPECT_EQ(7 - 2 * row, s.Count(CRect(x0, y0 + row, x0 + 7, y0 + row + 1), kInk)) << "row " << row;
        EXPECT_EQ(kInk, s.dc.GetPixel(x0 + 3, y0 + row));
    }
    // A rectangle too small for the full arrow gets a smaller one, still inside it.
    Surface t(20, 20, kBack);
    QorIcon::DrawComboArrow(t.dc, CRect(5, 5, 8, 7), kInk);
    int inside = t.Count(CRect(5, 5, 8, 7), kInk);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(inside, t.Count(CRect(0, 0, 20, 20), kInk));
    QorIcon::DrawComboArrow(t.dc, CRect(5, 5, 5, 9), RGB(255, 0, 0));   // empty: nothing
    EXPECT_EQ(0, t.Count(CRect(0, 0, 20, 20), RGB(255, 0, 0)));
}

TEST(QorIconTest, CoarserAndFinerIconsDifferAndAreRealIcons)
{
    EXPECT_EQ(90, (int)QorIcon::IconCoarser);
    EXPECT_EQ(132, (int)QorIcon::IconFiner);
    ::DestroyIcon(QorIcon::CreateButtonIcon(QorIcon::IconFiner, 16, 16, kInk));   // first-use caches
    int before = harness::GdiObjectCount();
    HICON hCoarse = QorIcon::CreateButtonIcon(QorIcon::IconCoarser, 16, 16, kInk);
    HICON hFine = QorIcon::CreateButtonIcon(QorIcon::IconFiner, 16, 16, kInk);
    ASSERT_NE(nullptr, hCoarse);
    ASSERT_NE(nullptr, hFine);
    EXPECT_EQ(nullptr, QorIcon::CreateButtonIcon((QorIcon::ButtonIcon)77, 16, 16, kInk));

    {
        Surface a(16, 16, kBack), b(16, 16, kBack);
        ::DrawIconEx(a.dc.m_hDC, 0, 0, hCoarse, 16, 16, 0, NULL, DI_NORMAL);
        ::DrawIconEx(b.dc.m_hDC, 0, 0, hFine, 16, 16, 0, NULL, DI_NORMAL);
        int minus = a.Count(CRect(0, 0, 16, 16), kInk), plus = b.Count(CRect(0, 0, 16, 16), kInk);
        EXPECT_GT(minus, 0);
        EXPECT_GT(plus, minus) << "the plus has a vertical stroke as well";
        // Transparent outside the drawing: the corners keep the background.
        EXPECT_EQ(kBack, a.dc.GetPixel(0, 0));
        EXPECT_EQ(kBack, b.dc.GetPixel(15, 15));
        // The horizontal stroke is shared; only the plus reaches the top middle.
        EXPECT_EQ(kBack, a.dc.GetPixel(8, 3));
        EXPECT_EQ(kInk, b.dc.GetPixel(8, 3));
    }
    ::DestroyIcon(hCoarse);
    ::DestroyIcon(hFine);
    EXPECT_EQ(before, harness::GdiObjectCount());
}

TEST(MemDCTest, DrawingReachesTheTargetOnlyWhenDestroyedAndOnlyInItsRectangle)
{
    Surface target(50, 50, kBack);
    target.dc.FillSolidRect(20, 20, 4, 4, RGB(0, 255, 0));   // already there, kept
    int before = harness::GdiObjectCount();
    {
        CMemDC mem(&target.dc, CRect(10, 10, 40, 40));
        // Drawn in the target's coordinates, also beyond the rectangle.
        mem.FillSolidRect(0, 0, 50, 15, kInk);
        mem.FillSolidRect(30, 30, 5, 5, RGB(255, 0, 0));
        EXPECT_EQ(0, target.Count(CRect(0, 0, 50, 50), kInk)) << "nothing before the copy";
        EXPECT_EQ(RGB(0, 255, 0), mem.GetPixel(21, 21)) << "starts from what the target shows";
    }
    EXPECT_EQ(30 * 5, target.Count(CRect(0, 0, 50, 50), kInk)) << "only rows 10..14 of x 10..39";
    EXPECT_EQ(kBack, target.dc.GetPixel(5, 5));
    EXPECT_EQ(RGB(255, 0, 0), target.dc.GetPixel(32, 32));
    EXPECT_EQ(RGB(0, 255, 0), target.dc.GetPixel(21, 21));
    EXPECT_EQ(before, harness::GdiObjectCount());

    // An empty rectangle draws straight into the target and leaves it usable.
    {
        CMemDC mem(&target.dc, CRect(5, 5, 5, 5));
        mem.SetPixel(1, 1, kInk);
    }
    EXPECT_EQ(kInk, target.dc.GetPixel(1, 1));
    EXPECT_NE(nullptr, target.dc.GetSafeHdc());
}
