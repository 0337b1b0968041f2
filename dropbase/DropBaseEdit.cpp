// CDropBaseEdit: the drop window's life cycle, placement, keys, focus and font. The drop
// button in the frame is in DropButton.cpp.
#include "DropBaseEdit.h"
#include "DropWnd.h"
#include "RegisteredMessages.h"
#include <qor01.h>
#include <algorithm>

// Registered at load time, before the module's entry point runs.
const UINT CDropBaseEdit::WM_CLOSE_DROPDOWN_WND = ::RegisterWindowMessageA(QOR16_CLOSE_DROPDOWN_WND_STRING);

IMPLEMENT_DYNCREATE(CDropBaseEdit, CImageMenuEdit)

BEGIN_MESSAGE_MAP(CDropBaseEdit, CImageMenuEdit)
    ON_WM_DESTROY()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCHITTEST()
    ON_WM_ENABLE()
    ON_WM_SETFOCUS()
    ON_REGISTERED_MESSAGE(WM_CLOSE_DROPDOWN_WND, OnCloseDropWnd)
    ON_MESSAGE(WM_CUT, OnCut)
    ON_MESSAGE(WM_PASTE, OnPaste)
    ON_MESSAGE(WM_CLEAR, OnClear)
    ON_MESSAGE(WM_UNDO, OnUndo)
END_MESSAGE_MAP()

namespace {

void Log(const char* id)
{
    if (AppLogger::m_pInstance)
        AppLogger::m_pInstance->AddLine(id);
}

} // namespace

CDropBaseEdit::CDropBaseEdit(DWORD crDropWndBk)
    : m_bDrawButton(true), m_bDrawIcon(false), m_bUpdateText(true), m_bEnterShowsDropWnd(true),
      m_bNotifyParentOnClose(false), m_nButtonState(0), m_pDropWnd(NULL), m_pDropWndFont(NULL),
      m_rcButton(0, 0, 0, 0), m_rcIcon(0, 0, 0, 0)
{
    m_brDropWndBk.CreateSolidBrush(crDropWndBk);
}

CDropBaseEdit::~CDropBaseEdit()
{
    delete m_pDropWnd;
    m_pDropWnd = NULL;
    DeleteDropWndFont();
}

void CDropBaseEdit::DeleteDropWndFont()
{
    if (m_pDropWndFont)
    {
        m_pDropWndFont->DeleteObject();
        delete m_pDropWndFont;
        m_pDropWndFont = NULL;
    }
}

// Hooks: the base does nothing.
void CDropBaseEdit::DrawIcon(const CRect&) {}
bool CDropBaseEdit::GetDropWndRightAligned() const { return false; }
void CDropBaseEdit::GetMoveWndFinalTweak(CRect& rc) const { rc.SetRect(0, 0, 0, 0); }
bool CDropBaseEdit::CanShowDropDown() { return true; }
void CDropBaseEdit::UpdateDropWnd() {}
void CDropBaseEdit::OnDropWndChanged(bool) {}
void CDropBaseEdit::LoadData() {}
void CDropBaseEdit::SaveData() {}
void CDropBaseEdit::OnLoosingFocus() {}
void CDropBaseEdit::OnAppMove() { MoveDropWnd(); }

void CDropBaseEdit::Init()
{
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CDropBaseEdit::SetEnterKeyOptions(bool bEnterShowsDropWnd, bool bNotifyParentOnClose)
{
    m_bEnterShowsDropWnd = bEnterShowsDropWnd;
    m_bNotifyParentOnClose = bNotifyParentOnClose;
}

BOOL CDropBaseEdit::PreTranslateMessage(MSG* pMsg)
{
    // In a dialog, IsDialogMessage would turn Enter and Escape into IDOK and IDCANCEL
    // before the edit sees them. While they act on the drop window they go to the edit,
    // as a combo box's edit asks for them while its list is dropped.
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd && HasLiveDropWnd())
    {
        bool bVisible = m_pDropWnd->IsWindowVisible() != FALSE;
        if ((pMsg->wParam == VK_ESCAPE && bVisible) ||
            (pMsg->wParam == VK_RETURN && (bVisible || m_bEnterShowsDropWnd)))
        {
            ::TranslateMessage(pMsg);
            ::DispatchMessageA(pMsg);
            return TRUE;
        }
    }
    // The system reports a second quick press in the frame as a double click, whatever
    // the class style; on the drop button it is one more press, so that opening and at
    // once closing the popup with two clicks works.
    if (pMsg->message == WM_NCLBUTTONDBLCLK && pMsg->hwnd == m_hWnd && m_bDrawButton)
    {
        CPoint pt((DWORD)pMsg->lParam);
        ScreenToClient(&pt);
        if (IsPointOnButton(pt))
            pMsg->message = WM_NCLBUTTONDOWN;
    }
    return CImageMenuEdit::PreTranslateMessage(pMsg);
}

bool CDropBaseEdit::HasLiveDropWnd() const
{
    return m_pDropWnd && ::IsWindow(m_pDropWnd->m_hWnd);
}

bool CDropBaseEdit::IsDropWndVisible() const
{
    return HasLiveDropWnd() && m_pDropWnd->IsWindowVisible();
}

bool CDropBaseEdit::IsInDropWnd(HWND hWnd) const
{
    return hWnd && HasLiveDropWnd() && (hWnd == m_pDropWnd->m_hWnd || ::IsChild(m_pDropWnd->m_hWnd, hWnd));
}

bool CDropBaseEdit::CreateDropWnd(CDropWnd* pDropWnd, bool bResizable)
{
    if (pDropWnd == NULL)
        return false;
    if (::IsWindow(pDropWnd->m_hWnd))
        return false;
    if (m_pDropWnd != pDropWnd)
        delete m_pDropWnd;   // a previous object whose window never came to life
    m_pDropWnd = pDropWnd;

    LPCSTR lpszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_CLASSDC | CS_SAVEBITS,
                                           NULL, (HBRUSH)m_brDropWndBk.GetSafeHandle(), NULL);
    CWinThread* pThread = AfxGetThread();
    CWnd* pOwner = pThread ? pThread->GetMainWnd() : NULL;
    DWORD dwStyle = WS_POPUP | WS_BORDER | (bResizable ? WS_THICKFRAME : 0);
    if (!m_pDropWnd->CreateEx(WS_EX_WINDOWEDGE, lpszClass, g_strPopupTitle, dwStyle, 0, 0, 10, 10,
                              pOwner->GetSafeHwnd(), (HMENU)0, NULL))
    {
        Log("{D3CD50CE-3675-414A-8005-9DCC9BA3ACB8}");
        return false;
    }
    if (!::IsWindow(m_pDropWnd->m_hWnd))
    {
        Log("{030C3A38-D66E-4C6E-B3B2-83705EB83FCD}");
        return false;
    }
    m_pDropWnd->m_pEdit = this;
    return true;
}

void CDropBaseEdit::ShowDropWnd(bool bShow, bool bSetFocus, bool bOk)
{
    // A drop window whose creation failed is never shown.
    if (!HasLiveDropWnd())
        return;
    if (bShow)
    {
        if (m_pDropWnd->IsWindowVisible())
            return;
        if (!CanShowDropDown())
            return;
        // Not activated: the focus stays in the edit.
        m_pDropWnd->ShowWindow(SW_SHOWNA);
        UpdateDropWnd();
        if (bSetFocus)
            m_pDropWnd->SetFocus();
        return;
    }

    if (!m_pDropWnd->IsWindowVisible())
        return;
    bool bFocusInside = IsInDropWnd(::GetFocus());
    m_pDropWnd->ShowWindow(SW_HIDE);
    if (bFocusInside)
        SetFocus();

    if (m_bNotifyParentOnClose)
    {
        HWND hParent = ::GetParent(m_hWnd);
        HWND hGrandParent = hParent ? ::GetParent(hParent) : NULL;
        if (!hParent || !hGrandParent)
            return;
        if (bOk)
            ::PostMessageA(hGrandParent, WM_SETFOCUS, 0, 0);
        else
            ::PostMessageA(hParent, WM_KEYDOWN, VK_ESCAPE, 0);
    }
}

void CDropBaseEdit::MoveDropWnd()
{
    if (!HasLiveDropWnd())
        return;
    CRect rcEdit;
    GetWindowRect(&rcEdit);
    int nMinWidth = m_pDropWnd->m_nMinWidth;
    int nMaxWidth = m_pDropWnd->m_nMaxWidth;
    int nWidth = rcEdit.Width();
    if (nMinWidth > 0)
    {
        nWidth = std::max(nWidth, nMinWidth);
        if (nMaxWidth > 0)
            nWidth = std::min(nWidth, nMaxWidth);
    }
    else if (nMaxWidth > 0)
        nWidth = std::min(nWidth, nMaxWidth);
    int nHeight = m_pDropWnd->m_nHeight > 0 ? m_pDropWnd->m_nHeight : 125;

    CRect rc;
    rc.top = rcEdit.bottom;
    rc.bottom = rcEdit.bottom + nHeight;
    if (GetDropWndRightAligned())
    {
        rc.right = rcEdit.right;
        rc.left = rc.right - nWidth;
    }
    else
    {
        rc.left = rcEdit.left;
        rc.right = rc.left + nWidth;
    }

    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    if (rc.bottom > rcWork.bottom)
    {
        // No room below: above the edit.
        rc.bottom = rcEdit.top;
        rc.top = rcEdit.top - nHeight;
    }
    if (rc.right > rcWork.right)
        rc.OffsetRect(-(rc.right - rcWork.right + 5), 0);
    m_pDropWnd->MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

void CDropBaseEdit::OnMove(int x, int y)
{
    CImageMenuEdit::OnMove(x, y);
    MoveDropWnd();
}

void CDropBaseEdit::OnSize(UINT nType, int cx, int cy)
{
    CImageMenuEdit::OnSize(nType, cx, cy);
    MoveDropWnd();
}

LRESULT CDropBaseEdit::OnCloseDropWnd(WPARAM wParam, LPARAM)
{
    ShowDropWnd(false, false, wParam == 1);
    return 0;
}

// The clipboard and undo messages: the edit changes its text first, then the popup follows.
LRESULT CDropBaseEdit::DefaultThenUpdate()
{
    Default();
    UpdateDropWnd();
    return 0;
}

LRESULT CDropBaseEdit::OnCut(WPARAM, LPARAM) { return DefaultThenUpdate(); }
LRESULT CDropBaseEdit::OnPaste(WPARAM, LPARAM) { return DefaultThenUpdate(); }
LRESULT CDropBaseEdit::OnClear(WPARAM, LPARAM) { return DefaultThenUpdate(); }
LRESULT CDropBaseEdit::OnUndo(WPARAM, LPARAM) { return DefaultThenUpdate(); }

void CDropBaseEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Enter belongs to the popup logic of OnKeyDown; the edit would only beep.
    if (nChar == VK_RETURN)
        return;
    CImageMenuEdit::OnChar(nChar, nRepCnt, nFlags);
    if (nChar >= 0x20 || nChar == VK_BACK)
        UpdateDropWnd();
}

void CDropBaseEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_BACK:
    case VK_DELETE:
        UpdateDropWnd();
        break;
    case VK_RETURN:
        if (HasLiveDropWnd())
        {
            if (!m_pDropWnd->IsWindowVisible())
            {
                if (m_bEnterShowsDropWnd && CanShowDropDown())
                {
                    m_pDropWnd->ShowWindow(SW_SHOWNA);
                    UpdateDropWnd();
                }
            }
            else
                ShowDropWnd(false, false, true);
        }
        break;
    case VK_ESCAPE:
        ShowDropWnd(false, false, true);
        break;
    case VK_UP:
        return;
    case VK_DOWN:
        if (HasLiveDropWnd() && !m_pDropWnd->IsWindowVisible() && CanShowDropDown())
        {
            m_pDropWnd->ShowWindow(SW_SHOWNA);
            UpdateDropWnd();
        }
        return;
    case VK_F9:
        if (m_pDropWnd)
            ShowDropWnd(!m_pDropWnd->IsWindowVisible(), false, true);
        break;
    }
    CImageMenuEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CDropBaseEdit::OnSetFocus(CWnd* pOldWnd)
{
    CImageMenuEdit::OnSetFocus(pOldWnd);
    if (pOldWnd == NULL || pOldWnd->m_hWnd == m_hWnd || !IsDropWndVisible())
        return;
    if (!IsInDropWnd(pOldWnd->m_hWnd))
        return;
    // Back from the open popup: close it, unless the click that follows is on the
    // button, which toggles it.
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (!IsPointOnButton(pt))
        ShowDropWnd(false, false, true);
}

void CDropBaseEdit::OnKillFocus(CWnd* pNewWnd)
{
    HWND hNew = pNewWnd ? pNewWnd->m_hWnd : NULL;
    if (m_pDropWnd && hNew != m_hWnd && hNew != m_pDropWnd->m_hWnd && HasLiveDropWnd())
    {
        ShowDropWnd(false, false, true);
        OnLoosingFocus();
    }
    CImageMenuEdit::OnKillFocus(pNewWnd);
}

void CDropBaseEdit::OnDestroy()
{
    SaveData();
    if (m_pDropWnd)
    {
        // The popup's window class names this edit's brush, so no other window uses it;
        // unregistered, it frees its class DC instead of keeping one per edit ever made.
        char szClass[128] = "";
        if (HasLiveDropWnd())
            ::GetClassNameA(m_pDropWnd->m_hWnd, szClass, sizeof(szClass));
        m_pDropWnd->DestroyWindow();
        if (szClass[0])
            ::UnregisterClassA(szClass, AfxGetInstanceHandle());
    }
    CImageMenuEdit::OnDestroy();
}

void CDropBaseEdit::CreateDropWndFont()
{
    DeleteDropWndFont();
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return;
    HFONT hFont = (HFONT)pParent->SendMessage(WM_GETFONT);
    if (hFont == NULL)
        return;
    LOGFONTA lf;
    ::GetObjectA(hFont, sizeof(lf), &lf);
    m_pDropWndFont = new CFont;
    m_pDropWndFont->Attach(::CreateFontIndirectA(&lf));
}

void CDropBaseEdit::SetDropWndFont(const LOGFONTA& lf)
{
    DeleteDropWndFont();
    m_pDropWndFont = new CFont;
    if (m_pDropWndFont->Attach(::CreateFontIndirectA(&lf)))
    {
        if (HasLiveDropWnd())
            m_pDropWnd->SendMessage(WM_SETFONT, (WPARAM)m_pDropWndFont->GetSafeHandle(), 1);
        return;
    }
    Log("{FE4DC454-350D-4f2a-8D93-5C263B2BF405}");
    delete m_pDropWndFont;
    m_pDropWndFont = NULL;
}
