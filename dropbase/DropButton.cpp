// The drop button and the icon strip of CDropBaseEdit: carved out of the edit's frame,
// hit-tested, tracked with the mouse capture and painted in three states.
#include "DropBaseEdit.h"
#include "DropWnd.h"
#include <qor12.h>
#include <initializer_list>

namespace {

// Dialogs and form views give their edits a sunken client edge that the frame
// calculation does not see, so the button and icon sit one edge further in.
bool IsInDialogOrFormView(const CWnd* pEdit)
{
    CWnd* pParent = pEdit->GetParent();
    return pParent && (pParent->IsKindOf(RUNTIME_CLASS(CDialog)) || pParent->IsKindOf(RUNTIME_CLASS(CFormView)));
}

void Line(CDC& dc, int nColor, std::initializer_list<POINT> points)
{
    CPen pen(PS_SOLID, 1, ::GetSysColor(nColor));
    CPen* pOld = dc.SelectObject(&pen);
    const POINT* p = points.begin();
    dc.MoveTo(p->x, p->y);
    for (++p; p != points.end(); ++p)
        dc.LineTo(p->x, p->y);
    dc.SelectObject(pOld);
}

// The raised look shared by the normal and the disabled button.
void RaisedEdges(CDC& dc, const CRect& b)
{
    const int L = b.left, T = b.top, R = b.right, B = b.bottom;
    Line(dc, COLOR_3DDKSHADOW, { { R - 1, T }, { R - 1, B - 1 }, { L - 1, B - 1 } });
    Line(dc, COLOR_BTNSHADOW, { { R - 2, T + 1 }, { R - 2, B - 2 }, { L, B - 2 } });
    Line(dc, COLOR_BTNHIGHLIGHT, { { L + 1, B - 3 }, { L + 1, T + 1 }, { R - 2, T + 1 } });
}

} // namespace

void CDropBaseEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CImageMenuEdit::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (lpncsp == NULL || GetParent() == NULL || !bCalcValidRects)
        return;
    RECT& rcClient = lpncsp->rgrc[0];
    const RECT& rcWindow = lpncsp->rgrc[1];
    if (m_bDrawButton)
    {
        int cx = ::GetSystemMetrics(SM_CXVSCROLL);
        m_rcButton.top = rcClient.top;
        m_rcButton.bottom = rcClient.top + (rcWindow.bottom - rcWindow.top) - 2;
        m_rcButton.right = rcClient.right;
        rcClient.right -= cx;
        m_rcButton.left = rcClient.right + 1;
        m_rcButton.OffsetRect(1 - rcClient.left, 1 - rcClient.top);
    }
    if (m_bDrawIcon)
    {
        int cxi = ::GetSystemMetrics(SM_CXSMICON);
        m_rcIcon.SetRect(rcClient.left, rcClient.top, rcClient.left + cxi + 1, rcClient.bottom);
        rcClient.left = m_rcIcon.right;
        m_rcIcon.OffsetRect(-m_rcIcon.left, -rcClient.top);
        if (IsInDialogOrFormView(this))
            m_rcIcon.OffsetRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
        m_rcIcon.NormalizeRect();
    }
}

bool CDropBaseEdit::IsPointOnButton(CPoint& pt) const
{
    CRect r(m_rcButton);
    if (m_bDrawIcon && !m_rcIcon.IsRectEmpty())
        r.OffsetRect(m_rcIcon.left - m_rcIcon.right, 0);
    if (IsInDialogOrFormView(this))
        r.OffsetRect(-::GetSystemMetrics(SM_CXEDGE), 0);
    return r.PtInRect(pt) != FALSE;
}

LRESULT CDropBaseEdit::OnNcHitTest(CPoint point)
{
    LRESULT hit = CImageMenuEdit::OnNcHitTest(point);
    if (m_bDrawButton)
    {
        ScreenToClient(&point);
        if (IsPointOnButton(point))
            return HTBORDER;   // arrow cursor; a press arrives as a non-client button-down
    }
    return hit;
}

void CDropBaseEdit::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CImageMenuEdit::OnNcLButtonDown(nHitTest, point);
    if (!m_bDrawButton)
        return;
    ScreenToClient(&point);
    if (!IsPointOnButton(point))
        return;
    if (m_pDropWnd && !m_pDropWnd->IsWindowVisible())
        SetFocus();
    SetCapture();
    DrawButton(1);
}

void CDropBaseEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    CImageMenuEdit::OnMouseMove(nFlags, point);
    if (!m_bDrawButton || ::GetCapture() != m_hWnd)
        return;
    bool bOn = IsPointOnButton(point);
    if (bOn && m_nButtonState != 1)
        DrawButton(1);
    else if (!bOn && m_nButtonState != 0)
        DrawButton(0);
}

void CDropBaseEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    CImageMenuEdit::OnLButtonUp(nFlags, point);
    if (!m_bDrawButton || ::GetCapture() != m_hWnd)
        return;
    ::ReleaseCapture();
    if (m_nButtonState != 0)
        DrawButton(0);
    if (IsPointOnButton(point) && m_pDropWnd)
        ShowDropWnd(!m_pDropWnd->IsWindowVisible(), false, true);
}

void CDropBaseEdit::OnEnable(BOOL bEnable)
{
    CImageMenuEdit::OnEnable(bEnable);
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    DrawButton(IsPointOnButton(pt) ? 1 : 0);
    RedrawIcon();
}

void CDropBaseEdit::OnNcPaint()
{
    CImageMenuEdit::OnNcPaint();
    if (m_bDrawButton)
        DrawButton(m_nButtonState);
    if (m_bDrawIcon && !m_rcIcon.IsRectEmpty())
        DrawIcon(m_rcIcon);
}

void CDropBaseEdit::RedrawIcon()
{
    RedrawWindow(&m_rcIcon, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
}

void CDropBaseEdit::DrawButton(int nState)
{
    if (!m_bDrawButton)
        return;
    if (GetStyle() & WS_DISABLED)
        nState = 2;

    CWindowDC dc(this);
    const int L = m_rcButton.left, T = m_rcButton.top, R = m_rcButton.right, B = m_rcButton.bottom;
    switch (nState)
    {
    case 0:
        dc.FillSolidRect(&m_rcButton, ::GetSysColor(COLOR_BTNFACE));
        Line(dc, COLOR_WINDOW, { { L - 1, T }, { L - 1, B } });
        RaisedEdges(dc, m_rcButton);
        QorIcon::DrawComboArrow(dc, m_rcButton, ::GetSysColor(COLOR_BTNTEXT));
        break;
    case 1:
    {
        CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CBrush brush(::GetSysColor(COLOR_BTNFACE));
        CPen* pOldPen = dc.SelectObject(&pen);
        CBrush* pOldBrush = dc.SelectObject(&brush);
        dc.Rectangle(L, T, R, B);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldPen);
        QorIcon::DrawComboArrow(dc, m_rcButton, ::GetSysColor(COLOR_BTNTEXT));
        break;
    }
    case 2:
        dc.FillSolidRect(&m_rcButton, ::GetSysColor(COLOR_BTNFACE));
        Line(dc, COLOR_BTNFACE, { { L - 1, T }, { L - 1, B } });
        RaisedEdges(dc, m_rcButton);
        QorIcon::DrawComboArrow(dc, m_rcButton, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        QorIcon::DrawComboArrow(dc, m_rcButton, ::GetSysColor(COLOR_GRAYTEXT));
        break;
    default:
        break;
    }
    m_nButtonState = nState;
}
