// An owner-drawn push button: a shaded face, an optional drawn or loaded icon, a focus
// rectangle, a pressed and a disabled look.
#pragma once

// Icon placement (first UINT of SetIcon).
#define QOR_ICON_LEFT      0x0010
#define QOR_ICON_RIGHT     0x0020
#define QOR_ICON_TOP       0x0040
#define QOR_ICON_BOTTOM    0x0080
#define QOR_ICON_HCENTER   0x0100
#define QOR_ICON_VCENTER   0x0200
// Icon options (second UINT of SetIcon).
#define QOR_ICON_GRAYED_WHEN_DISABLED 0x0400   // embossed grey while the button is disabled
#define QOR_ICON_ONLY                 0x0800   // the icon takes the face; no text is drawn

class QOR15_API CQorButton : public CButton
{
    DECLARE_DYNAMIC(CQorButton)
public:
    CQorButton();
    virtual ~CQorButton();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Pressed in: a checked push-like button.
    virtual bool IsChecked() const;
    virtual bool GetHaveFocus() const;
    // Splits the face into the icon's rectangle and what is left for the text.
    virtual void AdjustForIcon(const CRect& rcFace, CRect& rcIcon, CRect& rcText) const;
    // The kind of button to look like (BS_PUSHBUTTON, BS_DEFPUSHBUTTON); the window
    // itself stays owner-drawn.
    virtual void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    // The icon is the button's own copy (destroyed with it); nAlign QOR_ICON_*, nOptions
    // QOR_ICON_GRAYED_WHEN_DISABLED | QOR_ICON_ONLY.
    virtual void SetIcon(HICON hIcon, UINT nAlign, UINT nOptions);
    // A drawn icon of the graphics library in the text colour, 16 x 16 (32 x 32 when bLarge).
    virtual void SetIcon(QorIcon::ButtonIcon nIcon, UINT nAlign, UINT nOptions, bool bLarge);
    // An icon resource of hInst, loaded at cx x cy with LoadImage's fuLoad flags.
    virtual void SetIcon(UINT nIconId, HINSTANCE hInst, UINT cx, UINT cy, UINT nAlign, UINT nOptions, UINT fuLoad);

    void SetShadeProps(const ShadeProps& props);
    // bRegularText: a disabled button keeps its text colour (not grey); bFlat: it has no
    // raised edge. Together they make a disabled button read as a caption.
    void SetRegularFontWhenDisabled(bool bRegularText, bool bFlat);
    HICON GetIconHandle() const { return m_hIcon; }
    UINT GetLookStyle() const { return m_nLookStyle; }

protected:
    virtual void PreSubclassWindow() override;
    // DrawItem paints every pixel: no erase first, so no flicker.
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void ReplaceIcon(HICON hIcon, UINT nAlign, UINT nOptions);

    ShadeProps m_shade;
    bool m_bShade = false;
    bool m_bRegularTextWhenDisabled = false;
    bool m_bFlatWhenDisabled = false;
    HICON m_hIcon = NULL;
    CSize m_sizeIcon;
    UINT m_nAlign = QOR_ICON_HCENTER | QOR_ICON_VCENTER;
    UINT m_nOptions = 0;
    UINT m_nLookStyle = BS_PUSHBUTTON;
};
