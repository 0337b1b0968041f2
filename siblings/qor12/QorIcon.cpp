#include "qor12.h"
#include <algorithm>

namespace {

void Fill(HDC hdc, int x, int y, int cx, int cy, COLORREF cr)
{
    // ExtTextOut with ETO_OPAQUE fills without creating a brush.
    RECT r = { x, y, x + cx, y + cy };
    COLORREF old = ::SetBkColor(hdc, cr);
    ::ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &r, NULL, 0, NULL);
    ::SetBkColor(hdc, old);
}

// A triangle of rows pointing down (or up) with its top-left at (x, y).
void Triangle(HDC hdc, int x, int y, int rows, bool down, COLORREF cr)
{
    for (int i = 0; i < rows; ++i)
    {
        int row = down ? i : rows - 1 - i;
        Fill(hdc, x + row, y + i, 2 * (rows - row) - 1, 1, cr);
    }
}

} // namespace

void QorIcon::DrawComboArrow(CDC& dc, const CRect& rc, COLORREF crColor)
{
    CRect r(rc);
    r.NormalizeRect();
    int rows = 4;
    if (r.Width() < 2 * rows - 1) rows = (r.Width() + 1) / 2;
    if (r.Height() < rows) rows = r.Height();
    if (rows <= 0) return;
    int width = 2 * rows - 1;
    int x = r.left + (r.Width() - width) / 2;
    int y = r.top + (r.Height() - rows) / 2;
    Triangle(dc.GetSafeHdc(), x, y, rows, true, crColor);
}

bool QorIcon::IsKnown(ButtonIcon icon)
{
    switch (icon)
    {
    case IconArrowDown: case IconArrowUp: case IconCoarser: case IconFiner: return true;
    default: return false;
    }
}

void QorIcon::DrawButtonIcon(CDC& dc, ButtonIcon icon, const CRect& rc, COLORREF crColor)
{
    CRect r(rc);
    r.NormalizeRect();
    HDC hdc = dc.GetSafeHdc();
    int size = std::min(r.Width(), r.Height());
    if (size < 4) return;
    int arm = std::min((size - 2) & ~1, 10);   // even, so that the 2-pixel strokes sit centred
    int x = r.left + (r.Width() - arm) / 2;
    int y = r.top + (r.Height() - arm) / 2;
    const int bar = 2;   // thickness of the minus and plus strokes
    switch (icon)
    {
    case IconArrowDown: DrawComboArrow(dc, r, crColor); break;
    case IconArrowUp:
    {
        int rows = std::min(4, (arm + 1) / 2);
        Triangle(hdc, r.left + (r.Width() - (2 * rows - 1)) / 2, r.top + (r.Height() - rows) / 2, rows, false, crColor);
        break;
    }
    case IconCoarser:
        Fill(hdc, x, y + (arm - bar) / 2, arm, bar, crColor);
        break;
    case IconFiner:
        Fill(hdc, x, y + (arm - bar) / 2, arm, bar, crColor);
        Fill(hdc, x + (arm - bar) / 2, y, bar, arm, crColor);
        break;
    default: break;
    }
}

HICON QorIcon::CreateButtonIcon(ButtonIcon icon, int cx, int cy, COLORREF crColor)
{
    if (!IsKnown(icon) || cx <= 0 || cy <= 0) return NULL;
    HDC hScreen = ::GetDC(NULL);
    HDC hdc = ::CreateCompatibleDC(hScreen);
    HBITMAP hColor = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, NULL);
    HICON hIcon = NULL;
    if (hdc && hColor && hMask)
    {
        // Mask: white (transparent) everywhere but where the colour drawing is.
        HGDIOBJ old = ::SelectObject(hdc, hColor);
        Fill(hdc, 0, 0, cx, cy, RGB(0, 0, 0));
        CDC dc;
        dc.Attach(hdc);
        DrawButtonIcon(dc, icon, CRect(0, 0, cx, cy), crColor);
        ::SelectObject(hdc, hMask);
        Fill(hdc, 0, 0, cx, cy, RGB(255, 255, 255));
        DrawButtonIcon(dc, icon, CRect(0, 0, cx, cy), RGB(0, 0, 0));
        dc.Detach();
        ::SelectObject(hdc, old);
        ICONINFO ii = { TRUE, 0, 0, hMask, hColor };
        hIcon = ::CreateIconIndirect(&ii);
    }
    if (hMask) ::DeleteObject(hMask);
    if (hColor) ::DeleteObject(hColor);
    if (hdc) ::DeleteDC(hdc);
    ::ReleaseDC(NULL, hScreen);
    return hIcon;
}
