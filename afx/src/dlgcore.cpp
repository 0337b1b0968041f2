// Dialogs and form views.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

// The dialog manager calls this for every message our window procedure passes on;
// only WM_INITDIALOG needs an answer from the object.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
    return pDlg != NULL ? pDlg->OnInitDialog() : TRUE;
}

CDialog::CDialog() {}
CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd) {}
CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}
CDialog::~CDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

static LPCDLGTEMPLATEA LoadDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, (LPCSTR)RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, (LPCSTR)RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : NULL;
    *phInst = hInst;
    return hTemplate ? (LPCDLGTEMPLATEA)::LockResource(hTemplate) : NULL;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    HINSTANCE hInst;
    LPCDLGTEMPLATEA lpTemplate = LoadDialogTemplate(lpszTemplateName, &hInst);
    if (lpTemplate == NULL)
        return FALSE;
    if (pParentWnd == NULL)
        pParentWnd = m_pParentWnd;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd); }

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd ? pParentWnd : m_pParentWnd, NULL);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::OnInitDialog() { return TRUE; }

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    return PreTranslateInput(pMsg);
}

void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal)
    {
        m_bContinueModal = FALSE;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);   // wakes the modal loop
    }
    else if (m_hWnd != NULL)
        ::ShowWindow(m_hWnd, SW_HIDE);          // a modeless dialog only hides
}

int CDialog::RunModalLoop()
{
    m_bContinueModal = TRUE;
    CWinThread* pThread = AfxGetThread();
    LONG lIdleCount = 0;
    while (m_bContinueModal)
    {
        MSG msg;
        if (!::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (pThread != NULL)
                pThread->OnIdle(lIdleCount++);
            else
                AfxDeleteTempMaps();
        }
        if (!AfxPumpMessage())
        {
            ::PostQuitMessage(0);   // leave WM_QUIT for the outer loop
            break;
        }
        if (!::IsWindow(m_hWnd))
            break;
    }
    m_bContinueModal = FALSE;
    return m_nModalResult;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATEA lpTemplate = m_lpDialogTemplate;
    if (lpTemplate == NULL && m_lpszTemplateName != NULL)
        lpTemplate = LoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (lpTemplate == NULL)
        return -1;

    // The owner is disabled while the dialog runs, as the dialog manager does.
    CWnd* pParent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND hWndParent = pParent->GetSafeHwnd();
    if (hWndParent != NULL && (::GetWindowLongA(hWndParent, GWL_STYLE) & WS_CHILD))
        hWndParent = ::GetAncestor(hWndParent, GA_ROOT);
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst))
    {
        if (!(GetStyle() & WS_VISIBLE))
            ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
        if (m_hWnd != NULL)
            ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd != NULL)
        DestroyWindow();
    return m_nModalResult;
}

// ---------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)
IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CView::OnDraw(CDC*) {}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)) {}
CFormView::CFormView(LPCSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}

void CFormView::OnDraw(CDC*) {}
void CFormView::OnInitialUpdate() {}

// The form is a child dialog made from the template, placed at rect with the given id.
BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD dwRequestedStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, void*)
{
    HINSTANCE hInst;
    LPCDLGTEMPLATEA lpTemplate = LoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (lpTemplate == NULL || !CreateDlgIndirect(lpTemplate, pParentWnd, hInst))
        return FALSE;
    ModifyStyle(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_CHILD | (dwRequestedStyle & (WS_BORDER | WS_TABSTOP)));
    SetDlgCtrlID(nID);
    ::SetParent(m_hWnd, pParentWnd->GetSafeHwnd());
    SetWindowPos(NULL, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    OnInitialUpdate();
    if (dwRequestedStyle & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    return PreTranslateInput(pMsg);
}
