// The demo host application: runs the demo dialog; "--screens <dir>" captures every page.
#include "DemoDlg.h"

class CDemoApp : public CWinApp
{
public:
    CDemoApp() : CWinApp("qor16 demo") {}
    BOOL InitInstance() override
    {
        CDemoDlg dlg;
        CString cmd(m_lpCmdLine);
        int n = cmd.Find("--screens ");
        if (n >= 0)
        {
            dlg.m_strScreenDir = cmd.Mid(n + 10);
            dlg.m_strScreenDir.Trim();
            dlg.m_strScreenDir.Trim('"');
        }
        m_pMainWnd = &dlg;
        m_nExitCode = (int)dlg.DoModal() == IDOK || !dlg.m_strScreenDir.IsEmpty() ? 0 : 1;
        m_pMainWnd = NULL;
        return FALSE;   // the dialog was the application
    }
    int ExitInstance() override { return m_nExitCode; }
    int m_nExitCode = 0;
};

CDemoApp theApp;
