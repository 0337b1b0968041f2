// CWnd: attaching objects to windows, the window procedure and message-map dispatch.
#include "afximpl.h"
#include <memory>

AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE state;
    return &state;
}

CHandleMap<CWnd, HWND>& AfxWndMap()
{
    static thread_local CHandleMap<CWnd, HWND> map;
    return map;
}

void AfxDeleteTempMaps()
{
    AfxWndMap().DeleteTemp();
    AfxDCMap().DeleteTemp();
    AfxGdiMap().DeleteTemp();
    AfxMenuMap().DeleteTemp();
}

// ---------------------------------------------------------------------------------------
// CCmdTarget

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } };
    static const AFX_MSGMAP map = { NULL, &entries[0] };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO*)
{
    UINT nMsg = HIWORD(nCode);
    nCode = LOWORD(nCode);
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : NULL)
    {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e)
        {
            if (e->nMessage != nMsg || (WORD)e->nCode != (WORD)nCode || nID < e->nID || nID > e->nLastID)
                continue;
            switch (e->nSig)
            {
            case AfxSigCmd_v:
                (this->*e->pfn)();
                return TRUE;
            case AfxSigCmd_b:
                return (this->*reinterpret_cast<BOOL (CCmdTarget::*)()>(e->pfn))();
            case AfxSigNotify_v:
            {
                AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
                (this->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))(pNotify->pNMHDR, pNotify->pResult);
                return TRUE;
            }
            case AfxSigNotify_b:
            {
                AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
                return (this->*reinterpret_cast<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))(pNotify->pNMHDR, pNotify->pResult);
            }
            default:
                return FALSE;
            }
        }
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor() { if (CWinApp* p = AfxGetApp()) p->DoWaitCursor(1); }
void CCmdTarget::EndWaitCursor() { if (CWinApp* p = AfxGetApp()) p->DoWaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { if (CWinApp* p = AfxGetApp()) p->DoWaitCursor(0); }

CWaitCursor::CWaitCursor() { if (CWinApp* p = AfxGetApp()) p->DoWaitCursor(1); }
CWaitCursor::~CWaitCursor() { if (CWinApp* p = AfxGetApp()) p->DoWaitCursor(-1); }
void CWaitCursor::Restore() { if (CWinApp* p = AfxGetApp()) p->DoWaitCursor(0); }

// ---------------------------------------------------------------------------------------
// Attaching

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop;
const CWnd CWnd::wndBottom;
const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndNoTopMost;

// The four insert-after markers are objects whose addresses stand for the special handles.
static HWND InsertAfterHandle(const CWnd* p)
{
    if (p == &CWnd::wndTop) return HWND_TOP;
    if (p == &CWnd::wndBottom) return HWND_BOTTOM;
    if (p == &CWnd::wndTopMost) return HWND_TOPMOST;
    if (p == &CWnd::wndNoTopMost) return HWND_NOTOPMOST;
    return p->GetSafeHwnd();
}

CWnd::CWnd() {}

CWnd::~CWnd()
{
    if (m_hWnd != NULL && AfxWndMap().LookupPermanent(m_hWnd) == this)
    {
        // The object dies before its window: take the window down without reaching us.
        HWND hWnd = m_hWnd;
        if (m_pfnSuper != NULL && (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == AfxWndProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
        Detach();
        ::DestroyWindow(hWnd);
    }
}

CWnd::operator HWND() const { return this == NULL ? NULL : m_hWnd; }
HWND CWnd::GetSafeHwnd() const { return this == NULL ? NULL : m_hWnd; }

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) { return AfxWndMap().FromHandle(hWnd); }
CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) { return hWnd ? AfxWndMap().LookupPermanent(hWnd) : NULL; }
void PASCAL CWnd::DeleteTempMap() { AfxWndMap().DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL)
        return FALSE;
    AfxWndMap().SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL && AfxWndMap().LookupPermanent(hWnd) == this)
        AfxWndMap().RemoveHandle(hWnd);
    m_hWnd = NULL;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldProc != AfxWndProc)
        m_pfnSuper = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), nID);
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != NULL)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = NULL;
    return Detach();
}

// ---------------------------------------------------------------------------------------
// Creation: a CBT hook attaches the object to its window before WM_NCCREATE, so that the
// object's own handlers see every message from the first one on.

static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code != HCBT_CREATEWND || pState->m_pWndInit == NULL)
        return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
    HWND hWnd = (HWND)wParam;
    // Input-method windows created on our behalf are not the window being created.
    char szClass[8] = "";
    if ((::GetClassLongA(hWnd, GCL_STYLE) & CS_IME) ||
        (::GetClassNameA(hWnd, szClass, sizeof(szClass)) && lstrcmpiA(szClass, "ime") == 0))
        return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);

    CWnd* pWndInit = pState->m_pWndInit;
    pState->m_pWndInit = NULL;
    pWndInit->Attach(hWnd);
    pWndInit->PreSubclassWindow();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldProc != AfxWndProc)
        pWndInit->m_pfnSuper = oldProc;
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == NULL)
        pState->m_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
    if (pState->m_pWndInit != NULL)
    {
        pState->m_pWndInit = NULL;
        return FALSE;   // the hook never saw the window
    }
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW),
                                           (HBRUSH)(COLOR_WINDOW + 1));
    return TRUE;
}

void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCTA cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    BOOL bHooked = AfxUnhookWindowCreate();
    if (hWnd == NULL && m_hWnd != NULL)
    {
        // Attached, then vetoed by a later hook: the window never existed.
        Detach();
        m_pfnSuper = NULL;
        bHooked = FALSE;
    }
    if (!bHooked)
        PostNcDestroy();
    return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, NULL);
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (hInst == NULL)
        hInst = AfxGetInstanceHandle();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    BOOL bHooked = AfxUnhookWindowCreate();
    if (hWnd == NULL && m_hWnd != NULL)
    {
        Detach();
        m_pfnSuper = NULL;
        bHooked = FALSE;
    }
    if (!bHooked)
        PostNcDestroy();
    return hWnd != NULL;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::vector<std::unique_ptr<char[]>> names;   // stable storage for the returned names
    HINSTANCE hInst = AfxGetInstanceHandle();
    char szName[96];
    wsprintfA(szName, "Afx:%p:%x:%p:%p:%p", hInst, nClassStyle, hCursor, hbrBackground, hIcon);
    CAfxLock lock;
    const char* pName = NULL;
    for (const auto& n : names)
        if (lstrcmpA(n.get(), szName) == 0)
            pName = n.get();
    // A class its user unregistered (for example with the brush it named) is registered
    // again under the same name.
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInst, szName, &wc))
    {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = szName;
        if (!::RegisterClassA(&wc))
            return NULL;
    }
    if (pName)
        return pName;
    names.emplace_back(new char[lstrlenA(szName) + 1]);
    lstrcpyA(names.back().get(), szName);
    return names.back().get();
}

// ---------------------------------------------------------------------------------------
// The window procedure

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldState = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;
    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->Detach();   // a handler that did not reach CWnd::OnNcDestroy
    pState->m_lastSentMsg = oldState;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    DWORD pos = ::GetMessagePos();
    pMsg->pt.x = (short)LOWORD(pos);
    pMsg->pt.y = (short)HIWORD(pos);
    pMsg->time = ::GetMessageTime();
    return pMsg;
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

template <class F>
static F Handler(AFX_PMSG pfn) { return reinterpret_cast<F>(static_cast<AFX_PMSGW>(pfn)); }

static CPoint PointFromLParam(LPARAM l) { return CPoint((short)LOWORD(l), (short)HIWORD(l)); }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult) *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult) *pResult = lResult;
        return TRUE;
    }

    const AFX_MSGMAP_ENTRY* e = NULL;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL && e == NULL;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : NULL)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p)
        {
            bool match = message < 0xC000
                ? (p->nMessage == message && p->nCode == 0 && p->nID == 0)
                : (p->nMessage == 0xC000 && *(const UINT*)p->nSig == message);
            if (match)
            {
                e = p;
                break;
            }
        }
    }
    if (e == NULL)
        return FALSE;

    UINT_PTR nSig = message < 0xC000 ? e->nSig : (UINT_PTR)AfxSig_lwl;
    AFX_PMSG pfn = e->pfn;
    switch (nSig)
    {
    case AfxSig_vv:
        (this->*Handler<void (CWnd::*)()>(pfn))();
        break;
    case AfxSig_bv:
        lResult = (this->*Handler<BOOL (CWnd::*)()>(pfn))();
        break;
    case AfxSig_is:
        lResult = (this->*Handler<int (CWnd::*)(LPCREATESTRUCT)>(pfn))((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_vW:
        // WM_CAPTURECHANGED names the new capture window in lParam
        (this->*Handler<void (CWnd::*)(CWnd*)>(pfn))(
            CWnd::FromHandle((HWND)(message == WM_CAPTURECHANGED ? lParam : wParam)));
        break;
    case AfxSig_vwii:
        (this->*Handler<void (CWnd::*)(UINT, int, int)>(pfn))((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vii:
        (this->*Handler<void (CWnd::*)(int, int)>(pfn))((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwww:
        (this->*Handler<void (CWnd::*)(UINT, UINT, UINT)>(pfn))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwp:
        (this->*Handler<void (CWnd::*)(UINT, CPoint)>(pfn))((UINT)wParam, PointFromLParam(lParam));
        break;
    case AfxSig_lp:
        lResult = (this->*Handler<LRESULT (CWnd::*)(CPoint)>(pfn))(PointFromLParam(lParam));
        break;
    case AfxSig_vbNCCALC:
        (this->*Handler<void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)>(pfn))((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_bwsp:
        lResult = (this->*Handler<BOOL (CWnd::*)(UINT, short, CPoint)>(pfn))(
            LOWORD(wParam), (short)HIWORD(wParam), PointFromLParam(lParam));
        break;
    case AfxSig_vwsp:
        (this->*Handler<void (CWnd::*)(UINT, short, CPoint)>(pfn))(LOWORD(wParam), (short)HIWORD(wParam), PointFromLParam(lParam));
        break;
    case AfxSig_vbw:
        (this->*Handler<void (CWnd::*)(BOOL, UINT)>(pfn))((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vb:
        (this->*Handler<void (CWnd::*)(BOOL)>(pfn))((BOOL)wParam);
        break;
    case AfxSig_vWp:
        (this->*Handler<void (CWnd::*)(CWnd*, CPoint)>(pfn))(CWnd::FromHandle((HWND)wParam), PointFromLParam(lParam));
        break;
    case AfxSig_lwl:
        lResult = (this->*Handler<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
        break;
    case AfxSig_vw:
        (this->*Handler<void (CWnd::*)(UINT)>(pfn))((UINT)wParam);
        break;
    case AfxSig_vt:
        (this->*Handler<void (CWnd::*)(UINT_PTR)>(pfn))((UINT_PTR)wParam);
        break;
    case AfxSig_wv:
        lResult = (this->*Handler<UINT (CWnd::*)()>(pfn))();
        break;
    case AfxSig_bWww:
        lResult = (this->*Handler<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(
            CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_bD:
        lResult = (this->*Handler<BOOL (CWnd::*)(CDC*)>(pfn))(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_hDWw:
        lResult = (LRESULT)(this->*Handler<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pfn))(
            CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam), message - WM_CTLCOLORMSGBOX);
        break;
    case AfxSig_hDw:
    {
        HBRUSH hbr = (this->*Handler<HBRUSH (CWnd::*)(CDC*, UINT)>(pfn))(
            CDC::FromHandle((HDC)wParam), message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX);
        if (hbr == NULL)
            return FALSE;   // the parent colours the control
        lResult = (LRESULT)hbr;
        break;
    }
    case AfxSig_vwWb:
        (this->*Handler<void (CWnd::*)(UINT, CWnd*, BOOL)>(pfn))(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_iWww:
        lResult = (this->*Handler<int (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(
            CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwwx:
        (this->*Handler<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pfn))(
            LOWORD(wParam), (short)HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vPOS:
        (this->*Handler<void (CWnd::*)(WINDOWPOS*)>(pfn))((WINDOWPOS*)lParam);
        break;
    case AfxSig_vwl:
        (this->*Handler<void (CWnd::*)(UINT, LPARAM)>(pfn))((UINT)wParam, lParam);
        break;
    case AfxSig_vOWNER:
        (this->*Handler<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pfn))((int)wParam, (LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    default:
        return FALSE;
    }
    if (pResult) *pResult = lResult;
    return TRUE;
}

// A control's notification goes to the control first (reflection); what it leaves
// goes through the parent's own map.
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL)
        nCode = CN_COMMAND;
    else if (ReflectLastMsg(hWndCtrl))
        return TRUE;
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    AFX_NOTIFY notify = { pResult, pNMHDR };
    return OnCmdMsg((UINT)pNMHDR->idFrom, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, NULL);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return pWnd->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
        if (CWnd::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            if (pResult) *pResult = 1;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        LRESULT dummy = 0;
        AFX_NOTIFY notify = { pResult ? pResult : &dummy, pNMHDR };
        return CWnd::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }
    default:
        return FALSE;
    }
}

// ---------------------------------------------------------------------------------------
// Pre-translation: from the window the message is for up the parent (and owner) chain.

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(MSG* pMsg)
{
    if ((pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) &&
        (pMsg->message < WM_MOUSEFIRST || pMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(pMsg);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != NULL; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            if (CWnd* pWnd = CWnd::FromHandlePermanent(hChild))
                AfxCallWndProc(pWnd, hChild, message, wParam, lParam);
        }
        else
            ::SendMessageA(hChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hChild) != NULL)
            CWnd::FromHandle(hChild)->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

// ---------------------------------------------------------------------------------------
// Wrappers with more than one call

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = GetStyle();
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = GetExStyle();
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

void CWnd::GetWindowText(CString& rString) const
{
    int n = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(n), n + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hItem = ::GetDlgItem(m_hWnd, nID);
    if (hItem != NULL)
        CWnd::FromHandle(hItem)->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle((HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
        CRect::SwapLeftRight(lpRect);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
        CRect::SwapLeftRight(lpRect);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, InsertAfterHandle(pWndInsertAfter), x, y, cx, cy, nFlags);
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    for (HWND hParent; (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) && (hParent = ::GetParent(hWnd)) != NULL;)
        hWnd = hParent;
    return CWnd::FromHandle(hWnd);
}

CWnd* CWnd::GetFocusedChild() const
{
    HWND hFocus = ::GetFocus();
    return hFocus != NULL && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus)) ? CWnd::FromHandle(hFocus) : NULL;
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()); }

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu->GetSafeHmenu()); }

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    CRect rcDlg, rcArea;
    GetWindowRect(&rcDlg);
    HWND hCenter = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (GetStyle() & WS_CHILD)
        ::GetClientRect(::GetParent(m_hWnd), &rcArea);
    else if (hCenter != NULL && ::IsWindowVisible(hCenter))
        ::GetWindowRect(hCenter, &rcArea);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    int x = rcArea.left + (rcArea.Width() - rcDlg.Width()) / 2;
    int y = rcArea.top + (rcArea.Height() - rcDlg.Height()) / 2;
    ::SetWindowPos(m_hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---------------------------------------------------------------------------------------
// Default handlers

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->m_pMainWnd == this)
    {
        // The application's main window is gone: the message loop ends.
        if (pThread == AfxGetApp())
            ::PostQuitMessage(0);
        pThread->m_pMainWnd = NULL;
    }
    if (pThread != NULL && pThread->m_pActiveWnd == this)
        pThread->m_pActiveWnd = NULL;
    Default();
    if (m_pfnSuper != NULL && (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = NULL;
    Detach();
    PostNcDestroy();
}

void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
void CWnd::OnMouseHWheel(UINT, short, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

// The control may colour or draw itself; otherwise the default procedure does.
HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != NULL && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd))
        return;
    Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd))
        return;
    Default();
}
