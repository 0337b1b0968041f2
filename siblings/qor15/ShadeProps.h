// A shading: a background that runs from one colour to another, with the text colour
// that reads on it. BkgStyle holds one per UI component for the whole process.
#pragma once
#include <map>

class QOR15_API ShadeProps
{
public:
    enum Direction { Vertical = 0, Horizontal = 1 };

    COLORREF m_crFrom;      // top (or left)
    COLORREF m_crTo;        // bottom (or right)
    Direction m_nDirection;
    COLORREF m_crText;

    // The system's button face, flat.
    ShadeProps();
    ShadeProps(COLORREF crFrom, COLORREF crTo, Direction nDirection, COLORREF crText);

    // The colour of band i of n (0 is m_crFrom, n - 1 is m_crTo).
    COLORREF ColorAt(int i, int n) const;
    // Fills rc with the shading, one line per band, without creating GDI objects.
    void Fill(CDC& dc, const CRect& rc) const;

    bool operator==(const ShadeProps& o) const;
};

// The UI components that look up a shading. The values are fixed: callers store them.
enum UIComponent
{
    UIComponentButton = 1,
    UIComponentToolBar = 2,
    UIComponentCaption = 3,
    UIComponentList = 4,
    UIComponentPopup = 10,
    UIComponentPopupButton = 11,   // the buttons and caption inside drop-down popups
};

// The process's shadings per component. The host creates one (the first object created
// is the instance until it is destroyed); without it components draw in system colours.
class QOR15_API BkgStyle
{
public:
    static BkgStyle* GetInstance() { return m_pInstance; }

    // Starts with a shading for every component of UIComponent.
    BkgStyle();
    ~BkgStyle();
    BkgStyle(const BkgStyle&) = delete;
    BkgStyle& operator=(const BkgStyle&) = delete;

    // Points pProps at the component's shading; leaves it unchanged for an unknown one.
    void Get(UIComponent nComponent, ShadeProps*& pProps);
    void Set(UIComponent nComponent, const ShadeProps& props);

private:
    static BkgStyle* m_pInstance;
    std::map<int, ShadeProps> m_props;
};
