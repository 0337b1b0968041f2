// Small drawn icons: the drop-down arrow and the icons of the family's buttons.
#pragma once

class QOR12_API QorIcon
{
public:
    // Values are fixed: callers store them.
    enum ButtonIcon
    {
        IconNone = 0,
        IconArrowDown = 10,
        IconArrowUp = 11,
        IconCoarser = 90,    // a minus sign: fewer, larger steps
        IconFiner = 132,     // a plus sign: more, smaller steps
    };

    // A filled down-pointing triangle, centred in rc, in crColor; it is 7 pixels wide and
    // 4 high, smaller when rc is too small for it.
    static void DrawComboArrow(CDC& dc, const CRect& rc, COLORREF crColor);
    // Draws the icon into rc (centred) in crColor; nothing for IconNone or an unknown value.
    static void DrawButtonIcon(CDC& dc, ButtonIcon icon, const CRect& rc, COLORREF crColor);
    // The icon as a real icon handle of cx x cy (transparent outside the drawing); the
    // caller destroys it with DestroyIcon. NULL for IconNone, an unknown value or failure.
    static HICON CreateButtonIcon(ButtonIcon icon, int cx, int cy, COLORREF crColor);
    static bool IsKnown(ButtonIcon icon);
};
