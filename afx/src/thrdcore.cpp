// The application object, the message pump and idle-time clean-up.
#include "afximpl.h"
#include <commctrl.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinThread::CWinThread()
{
    m_nThreadID = ::GetCurrentThreadId();
    AfxGetThreadState()->m_pThread = this;
}

CWinThread::~CWinThread()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pThread == this)
        pState->m_pThread = NULL;
}

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }
CWnd* CWinThread::GetMainWnd() { return m_pActiveWnd != NULL ? m_pActiveWnd : m_pMainWnd; }

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Mouse moves and the caret's timer do not end idle time.
    return pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_NCMOUSEMOVE &&
           pMsg->message != WM_PAINT && pMsg->message != 0x0118 /* WM_SYSTIMER */;
}

BOOL CWinThread::OnIdle(LONG)
{
    AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // A modeless window outside the main window's tree still gets the main window's turn.
    if (pMainWnd != NULL && pMainWnd->GetSafeHwnd() != NULL && pMsg->hwnd != NULL)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd && pWnd->GetTopLevelParent()->GetSafeHwnd() != pMainWnd->m_hWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, NULL, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    LONG lIdleCount = 0;
    for (;;)
    {
        MSG msg;
        while (!::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                break;
        }
        if (!::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
            ::WaitMessage();
        if (!PumpMessage())
            return ExitInstance();
        if (IsIdleMessage(&m_msgCur))
            lIdleCount = 0;
    }
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        return pThread->PumpMessage();
    MSG msg;
    if (!::GetMessageA(&msg, NULL, 0, 0))
        return FALSE;
    if (!CWnd::WalkPreTranslateTree(NULL, &msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

// ---------------------------------------------------------------------------------------

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    if (lpszAppName != NULL)
    {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_pCurrentWinApp = this;
}

CWinApp::~CWinApp()
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (pState->m_pCurrentWinApp == this)
        pState->m_pCurrentWinApp = NULL;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return (int)m_msgCur.wParam; }

int CWinApp::Run()
{
    if (m_pMainWnd == NULL)
        ::PostQuitMessage(0);   // nothing to run
    return CWinThread::Run();
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursorA(AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), (LPCSTR)RT_GROUP_CURSOR),
                         MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), (LPCSTR)RT_GROUP_ICON),
                       MAKEINTRESOURCEA(nIDResource));
}

// nCode 1 shows the wait cursor, -1 takes one level back, 0 shows it again after a dialog.
void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    }
    else
    {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

CWinThread* AFXAPI AfxGetThread()
{
    CWinThread* pThread = AfxGetThreadState()->m_pThread;
    return pThread != NULL ? pThread : AfxGetApp();
}

CWinApp* AFXAPI AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    HINSTANCE h = AfxGetModuleState()->m_hCurrentInstanceHandle;
    return h != NULL ? h : ::GetModuleHandleA(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    HINSTANCE h = AfxGetModuleState()->m_hCurrentResourceHandle;
    return h != NULL ? h : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) { AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource; }

LPCSTR AFXAPI AfxGetAppName()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->m_pszAppName != NULL ? pApp->m_pszAppName : "";
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_hCurrentInstanceHandle = hInstance;
    pState->m_hCurrentResourceHandle = hInstance;
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES };
    ::InitCommonControlsEx(&icc);
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->m_nThreadID = ::GetCurrentThreadId();
        AfxGetThreadState()->m_pThread = pApp;
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AfxDeleteTempMaps();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
    {
        if (!pThread->InitInstance())
        {
            if (pThread->m_pMainWnd != NULL)
                pThread->m_pMainWnd->DestroyWindow();
            nReturnCode = pThread->ExitInstance();
        }
        else
            nReturnCode = pThread->Run();
    }
    AfxWinTerm();
    return nReturnCode;
}
