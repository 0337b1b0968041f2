// The demo's main dialog: a tab per control family and a log of what the controls send.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <vector>

class CDemoDlg : public CDialog
{
public:
    CDemoDlg();
    // Adds a line to the log pane.
    void Log(LPCSTR lpszLine);
    // Shows each page in turn and writes <dir>/page-<n>.bmp of the dialog for each.
    BOOL WriteScreenshots(LPCSTR lpszDir);
    const CString& ScreenDir() const { return m_strScreenDir; }
    CString m_strScreenDir;

protected:
    BOOL OnInitDialog() override;
    void ShowPage(int nPage);
    afx_msg void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    CTabCtrl m_tabs;
    CListBox m_log;
    std::vector<CWnd*> m_pages;    // one child window per page, owned here
};
