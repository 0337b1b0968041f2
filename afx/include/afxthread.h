// CWinThread and CWinApp: the user-interface thread, its message pump and idle work.
#pragma once
#include "afxcmdtarget.h"
#include "afxstr.h"

class CWnd;

class AFX_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    virtual ~CWinThread();

    CWnd* m_pMainWnd = NULL;
    CWnd* m_pActiveWnd = NULL;
    BOOL m_bAutoDelete = FALSE;
    HANDLE m_hThread = NULL;
    DWORD m_nThreadID = 0;
    MSG m_msgCur {};

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // Deletes the temporary window, DC, GDI and menu objects; TRUE asks for more idle time.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();
};

class AFX_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = NULL);
    virtual ~CWinApp();

    LPCSTR m_pszAppName = NULL;
    HINSTANCE m_hInstance = NULL;
    LPSTR m_lpCmdLine = NULL;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszExeName = NULL;

    virtual BOOL InitInstance() override;
    virtual int ExitInstance() override;
    virtual int Run() override;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(NULL, lpszCursorName); }
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(NULL, lpszIconName); }
    virtual void DoWaitCursor(int nCode);

private:
    CString m_strAppName;
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = NULL;
};

AFX_API CWinThread* AFXAPI AfxGetThread();
AFX_API CWinApp* AFXAPI AfxGetApp();
AFX_API CWnd* AFXAPI AfxGetMainWnd();
AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds the resource: the application's, then each extension DLL's.
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
AFX_API LPCSTR AFXAPI AfxGetAppName();
// Sets up the application object for this thread; an executable with its own main calls
// it once, with its module handle, before creating windows.
AFX_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
AFX_API void AFXAPI AfxWinTerm();
AFX_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
AFX_API BOOL AFXAPI AfxPumpMessage();
