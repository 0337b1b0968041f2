#include "DropWnd.h"
#include "RegisteredMessages.h"
#include <qor01.h>

BEGIN_MESSAGE_MAP(CDropWnd, CWnd)
    ON_WM_SETFOCUS()
    ON_WM_NCHITTEST()
    ON_REGISTERED_MESSAGE(WM_CLOSE_POPUP, OnCloseRequest)
END_MESSAGE_MAP()

CDropWnd::CDropWnd()
    : m_nMinWidth(0), m_nHeight(0), m_nMaxWidth(0), m_nMaxHeight(0), m_pEdit(NULL)
{
}

CDropWnd::~CDropWnd()
{
    m_pEdit = NULL;
}

// A size pair changes as a whole; only a change places the popup again.
void CDropWnd::SetPair(int& nFirst, int& nSecond, int nNewFirst, int nNewSecond)
{
    if (nNewFirst == nFirst && nNewSecond == nSecond)
        return;
    nFirst = nNewFirst;
    nSecond = nNewSecond;
    if (m_pEdit)
        m_pEdit->OnAppMove();
}

void CDropWnd::SetMinWidthAndHeight(int nMinWidth, int nHeight)
{
    SetPair(m_nMinWidth, m_nHeight, nMinWidth, nHeight);
}

void CDropWnd::SetMaxWidthAndHeight(int nMaxWidth, int nMaxHeight)
{
    SetPair(m_nMaxWidth, m_nMaxHeight, nMaxWidth, nMaxHeight);
}

void CDropWnd::OnEditMouseWheel(bool /*bVertical*/, short /*zDelta*/)
{
}

void CDropWnd::NotifyEditChanged(bool bFlag)
{
    if (m_pEdit)
        m_pEdit->OnDropWndChanged(bFlag);
}

void CDropWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    CWnd* pTarget = Keyboard::IsShiftKeyDown() ? GetLastFocusWnd() : GetFirstFocusWnd();
    if (pTarget && ::IsWindow(pTarget->m_hWnd) && pTarget->IsWindowVisible())
        pTarget->SetFocus();
}

BOOL CDropWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_TAB)
        return CWnd::PreTranslateMessage(pMsg);

    HWND hFocus = ::GetFocus();
    if (hFocus == NULL || !::IsChild(m_hWnd, hFocus))
        return CWnd::PreTranslateMessage(pMsg);

    bool bShift = Keyboard::IsShiftKeyDown();

    // The focused control among the direct children; a nested one skips the walk.
    HWND hChild = ::GetWindow(m_hWnd, GW_CHILD);
    while (hChild && hChild != hFocus)
        hChild = ::GetWindow(hChild, GW_HWNDNEXT);
    if (hChild)
    {
        HWND hNext = hChild;
        for (;;)
        {
            hNext = ::GetWindow(hNext, bShift ? GW_HWNDPREV : GW_HWNDNEXT);
            if (!hNext) break;
            DWORD style = (DWORD)::GetWindowLongA(hNext, GWL_STYLE);
            if ((style & WS_VISIBLE) && !(style & WS_DISABLED) && (style & WS_TABSTOP))
            {
                ::SetFocus(hNext);
                return TRUE;
            }
        }
    }

    // End of the chain: out of the popup, back to the edit.
    CWnd* pFirst = GetFirstFocusWnd();
    CWnd* pLast = GetLastFocusWnd();
    if (!pFirst || !pLast)
        return CWnd::PreTranslateMessage(pMsg);
    CWnd* pEnd = bShift ? pFirst : pLast;
    if (hFocus != pEnd->GetSafeHwnd() && pEnd->IsWindowVisible() && pEnd->IsWindowEnabled())
        return CWnd::PreTranslateMessage(pMsg);
    if (m_pEdit)
        m_pEdit->SetFocus();
    return TRUE;
}

LRESULT CDropWnd::OnNcHitTest(CPoint point)
{
    LRESULT hit = CWnd::OnNcHitTest(point);
    // The top edge touches the edit: it does not resize.
    if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT)
        return HTCLIENT;
    return hit;
}

LRESULT CDropWnd::OnCloseRequest(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_pEdit)
        m_pEdit->SendMessage(CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, wParam, 0);
    return 0;
}
