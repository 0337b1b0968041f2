#include "qor15.h"

ShadeProps::ShadeProps()
    : m_crFrom(::GetSysColor(COLOR_BTNFACE)), m_crTo(::GetSysColor(COLOR_BTNFACE)),
      m_nDirection(Vertical), m_crText(::GetSysColor(COLOR_BTNTEXT))
{
}

ShadeProps::ShadeProps(COLORREF crFrom, COLORREF crTo, Direction nDirection, COLORREF crText)
    : m_crFrom(crFrom), m_crTo(crTo), m_nDirection(nDirection), m_crText(crText)
{
}

COLORREF ShadeProps::ColorAt(int i, int n) const
{
    if (n <= 1) return m_crFrom;
    auto mix = [&](int a, int b) { return a + (b - a) * i / (n - 1); };
    return RGB(mix(GetRValue(m_crFrom), GetRValue(m_crTo)), mix(GetGValue(m_crFrom), GetGValue(m_crTo)),
               mix(GetBValue(m_crFrom), GetBValue(m_crTo)));
}

void ShadeProps::Fill(CDC& dc, const CRect& rc) const
{
    if (m_nDirection == Vertical)
        for (int y = rc.top; y < rc.bottom; ++y)
            dc.FillSolidRect(rc.left, y, rc.Width(), 1, ColorAt(y - rc.top, rc.Height()));
    else
        for (int x = rc.left; x < rc.right; ++x)
            dc.FillSolidRect(x, rc.top, 1, rc.Height(), ColorAt(x - rc.left, rc.Width()));
}

bool ShadeProps::operator==(const ShadeProps& o) const
{
    return m_crFrom == o.m_crFrom && m_crTo == o.m_crTo && m_nDirection == o.m_nDirection && m_crText == o.m_crText;
}

BkgStyle* BkgStyle::m_pInstance = NULL;

BkgStyle::BkgStyle()
{
    if (m_pInstance == NULL)
        m_pInstance = this;
    COLORREF face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    // A soft top-to-bottom gradient from the highlight to the face colour.
    ShadeProps soft(light, face, ShadeProps::Vertical, text);
    for (int c : { UIComponentButton, UIComponentToolBar, UIComponentCaption, UIComponentList,
                   UIComponentPopup, UIComponentPopupButton })
        m_props[c] = soft;
    m_props[UIComponentCaption] = ShadeProps(::GetSysColor(COLOR_ACTIVECAPTION),
                                             ::GetSysColor(COLOR_GRADIENTACTIVECAPTION),
                                             ShadeProps::Horizontal, ::GetSysColor(COLOR_CAPTIONTEXT));
}

BkgStyle::~BkgStyle()
{
    if (m_pInstance == this)
        m_pInstance = NULL;
}

void BkgStyle::Get(UIComponent nComponent, ShadeProps*& pProps)
{
    auto it = m_props.find(nComponent);
    if (it != m_props.end())
        pProps = &it->second;
}

void BkgStyle::Set(UIComponent nComponent, const ShadeProps& props)
{
    m_props[nComponent] = props;
}
