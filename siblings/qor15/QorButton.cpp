#include "qor15.h"

IMPLEMENT_DYNAMIC(CQorButton, CButton)

BEGIN_MESSAGE_MAP(CQorButton, CButton)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CQorButton::CQorButton() = default;

CQorButton::~CQorButton()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

void CQorButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    UINT nType = (UINT)GetStyle() & BS_TYPEMASK;
    if (nType == BS_DEFPUSHBUTTON)
        m_nLookStyle = BS_DEFPUSHBUTTON;
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

BOOL CQorButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

bool CQorButton::IsChecked() const
{
    return (GetStyle() & BS_PUSHLIKE) && GetCheck() == BST_CHECKED;
}

bool CQorButton::GetHaveFocus() const
{
    return m_hWnd && ::GetFocus() == m_hWnd;
}

void CQorButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    m_nLookStyle = nStyle & BS_TYPEMASK;
    // The dialog manager sets BS_DEFPUSHBUTTON on the default button; the window must
    // stay owner-drawn, so only the look is taken.
    CButton::SetButtonStyle(BS_OWNERDRAW | (nStyle & ~BS_TYPEMASK), bRedraw);
}

void CQorButton::ReplaceIcon(HICON hIcon, UINT nAlign, UINT nOptions)
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
    m_nAlign = nAlign;
    m_nOptions = nOptions;
    m_sizeIcon = CSize(0, 0);
    ICONINFO ii;
    if (m_hIcon && ::GetIconInfo(m_hIcon, &ii))
    {
        BITMAP bm;
        if (::GetObjectA(ii.hbmMask, sizeof(bm), &bm))
            m_sizeIcon = CSize(bm.bmWidth, ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2);
        if (ii.hbmColor) ::DeleteObject(ii.hbmColor);
        if (ii.hbmMask) ::DeleteObject(ii.hbmMask);
    }
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CQorButton::SetIcon(HICON hIcon, UINT nAlign, UINT nOptions)
{
    ReplaceIcon(hIcon ? ::CopyIcon(hIcon) : NULL, nAlign, nOptions);
}

void CQorButton::SetIcon(QorIcon::ButtonIcon nIcon, UINT nAlign, UINT nOptions, bool bLarge)
{
    int size = bLarge ? 32 : 16;
    COLORREF crInk = m_bShade ? m_shade.m_crText : ::GetSysColor(COLOR_BTNTEXT);
    ReplaceIcon(QorIcon::CreateButtonIcon(nIcon, size, size, crInk), nAlign, nOptions);
}

void CQorButton::SetIcon(UINT nIconId, HINSTANCE hInst, UINT cx, UINT cy, UINT nAlign, UINT nOptions, UINT fuLoad)
{
    HICON hIcon = (HICON)::LoadImageA(hInst, MAKEINTRESOURCEA(nIconId), IMAGE_ICON, (int)cx, (int)cy, fuLoad);
    ReplaceIcon(hIcon, nAlign, nOptions);
}

void CQorButton::SetShadeProps(const ShadeProps& props)
{
    m_shade = props;
    m_bShade = true;
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CQorButton::SetRegularFontWhenDisabled(bool bRegularText, bool bFlat)
{
    m_bRegularTextWhenDisabled = bRegularText;
    m_bFlatWhenDisabled = bFlat;
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CQorButton::AdjustForIcon(const CRect& rcFace, CRect& rcIcon, CRect& rcText) const
{
    rcText = rcFace;
    rcIcon.SetRectEmpty();
    if (!m_hIcon)
        return;
    const int cx = m_sizeIcon.cx, cy = m_sizeIcon.cy;
    int x = rcFace.left + (rcFace.Width() - cx) / 2;
    int y = rcFace.top + (rcFace.Height() - cy) / 2;
    if (m_nAlign & QOR_ICON_LEFT) x = rcFace.left + 2;
    if (m_nAlign & QOR_ICON_RIGHT) x = rcFace.right - 2 - cx;
    if (m_nAlign & QOR_ICON_TOP) y = rcFace.top + 2;
    if (m_nAlign & QOR_ICON_BOTTOM) y = rcFace.bottom - 2 - cy;
    rcIcon.SetRect(x, y, x + cx, y + cy);
    // The text takes the side the icon leaves.
    if (m_nAlign & QOR_ICON_LEFT) rcText.left = rcIcon.right + 2;
    else if (m_nAlign & QOR_ICON_RIGHT) rcText.right = rcIcon.left - 2;
    else if (m_nAlign & QOR_ICON_TOP) rcText.top = rcIcon.bottom;
    else if (m_nAlign & QOR_ICON_BOTTOM) rcText.bottom = rcIcon.top;
}

void CQorButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    HDC hdc = lpDIS->hDC;
    CRect rc(lpDIS->rcItem);
    const bool bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    const bool bPressed = (lpDIS->itemState & ODS_SELECTED) != 0 || IsChecked();
    const bool bFlat = bDisabled && m_bFlatWhenDisabled;

    // The default button has a dark frame around its edge.
    if (m_nLookStyle == BS_DEFPUSHBUTTON && !bFlat)
    {
        pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_WINDOWFRAME));
        rc.DeflateRect(1, 1);
    }
    CRect face(rc);
    if (!bFlat)
        face.DeflateRect(2, 2);
    if (m_bShade)
    {
        // Pressed, the shading turns over: light comes from below.
        ShadeProps shade(m_shade);
        if (bPressed) std::swap(shade.m_crFrom, shade.m_crTo);
        shade.Fill(*pDC, rc);
    }
    else
        pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    if (!bFlat)
        ::DrawEdge(hdc, &rc, bPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    CRect rcIcon, rcText;
    AdjustForIcon(face, rcIcon, rcText);
    if (bPressed)
    {
        rcIcon.OffsetRect(1, 1);
        rcText.OffsetRect(1, 1);
    }
    if (m_hIcon)
    {
        UINT flags = DST_ICON | ((bDisabled && (m_nOptions & QOR_ICON_GRAYED_WHEN_DISABLED)) ? DSS_DISABLED : DSS_NORMAL);
        ::DrawStateA(hdc, NULL, NULL, (LPARAM)m_hIcon, 0, rcIcon.left, rcIcon.top, rcIcon.Width(), rcIcon.Height(), flags);
    }

    CString text;
    GetWindowText(text);
    if (!text.IsEmpty() && !(m_hIcon && (m_nOptions & QOR_ICON_ONLY)))
    {
        HGDIOBJ hOldFont = ::SelectObject(hdc, (HFONT)SendMessage(WM_GETFONT));
        int oldMode = pDC->SetBkMode(TRANSPARENT);
        COLORREF crText = m_bShade ? m_shade.m_crText : ::GetSysColor(COLOR_BTNTEXT);
        UINT fmt = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (bDisabled && !m_bRegularTextWhenDisabled)
        {
            // Embossed: a highlight copy one pixel down and right, then grey.
            CRect r(rcText);
            r.OffsetRect(1, 1);
            pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
            ::DrawTextA(hdc, text, -1, &r, fmt);
            crText = ::GetSysColor(COLOR_GRAYTEXT);
        }
        COLORREF oldColor = pDC->SetTextColor(crText);
        ::DrawTextA(hdc, text, -1, &rcText, fmt);
        pDC->SetTextColor(oldColor);
        pDC->SetBkMode(oldMode);
        ::SelectObject(hdc, hOldFont);
    }

    if ((lpDIS->itemState & ODS_FOCUS) && !(lpDIS->itemState & ODS_NOFOCUSRECT) && !bDisabled)
    {
        CRect rf(rc);
        rf.DeflateRect(3, 3);
        ::DrawFocusRect(hdc, &rf);
    }
}
