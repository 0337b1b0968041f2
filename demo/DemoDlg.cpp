#include "DemoDlg.h"
#include "resource.h"
#include <stdio.h>

// Page names, in tab order; each later control family adds its page here.
static const char* const kPages[] = { "Start" };

BEGIN_MESSAGE_MAP(CDemoDlg, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, IDC_PAGES, OnSelChange)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDemoDlg::CDemoDlg() : CDialog(IDD_DEMO) {}

BOOL CDemoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tabs.SubclassDlgItem(IDC_PAGES, this);
    m_log.SubclassDlgItem(IDC_LOG, this);
    for (int i = 0; i < (int)_countof(kPages); ++i)
        m_tabs.InsertItem(i, kPages[i]);
    // The display area is known once the tabs have items.
    CRect rcPage;
    m_tabs.GetWindowRect(&rcPage);
    ScreenToClient(&rcPage);
    m_tabs.AdjustRect(FALSE, &rcPage);
    for (int i = 0; i < (int)_countof(kPages); ++i)
    {
        CStatic* pPage = new CStatic;
        pPage->Create(i == 0 ? "The drop-down edits arrive here, one page per family." : "",
                      WS_CHILD | SS_LEFT, rcPage, this, IDC_PAGE_FIRST + i);
        pPage->SetFont(GetFont());
        pPage->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_pages.push_back(pPage);
    }
    ShowPage(0);
    Log("demo started");
    if (!m_strScreenDir.IsEmpty())
        SetTimer(1, 300, NULL);
    return TRUE;
}

void CDemoDlg::ShowPage(int nPage)
{
    for (int i = 0; i < (int)m_pages.size(); ++i)
        m_pages[i]->ShowWindow(i == nPage ? SW_SHOW : SW_HIDE);
    m_tabs.SetCurSel(nPage);
}

void CDemoDlg::Log(LPCSTR lpszLine)
{
    int n = m_log.AddString(lpszLine);
    m_log.SetTopIndex(n);
}

void CDemoDlg::OnSelChange(NMHDR*, LRESULT* pResult)
{
    ShowPage(m_tabs.GetCurSel());
    *pResult = 0;
}

void CDemoDlg::OnTimer(UINT_PTR nIDEvent)
{
    KillTimer(nIDEvent);
    BOOL bOK = WriteScreenshots(m_strScreenDir);
    for (CWnd* p : m_pages)
    {
        p->DestroyWindow();
        delete p;
    }
    m_pages.clear();
    EndDialog(bOK ? IDOK : IDABORT);
}

// The screen is read back with BitBlt (PrintWindow gives a blank image under Wine).
static BOOL WriteBitmap(const CRect& rc, LPCSTR lpszPath)
{
    HDC hScreen = ::GetDC(NULL);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rc.Width();
    bmi.bmiHeader.biHeight = rc.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    void* pBits = NULL;
    HBITMAP hBmp = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    DWORD stride = ((rc.Width() * 3) + 3) & ~3u;
    DWORD size = stride * rc.Height();
    BITMAPFILEHEADER bf = {};
    bf.bfType = 0x4D42;
    bf.bfOffBits = sizeof(bf) + sizeof(bmi.bmiHeader);
    bf.bfSize = bf.bfOffBits + size;
    BOOL bOK = FALSE;
    if (FILE* f = fopen(lpszPath, "wb"))
    {
        bOK = fwrite(&bf, sizeof(bf), 1, f) == 1 && fwrite(&bmi.bmiHeader, sizeof(bmi.bmiHeader), 1, f) == 1 &&
              fwrite(pBits, size, 1, f) == 1;
        fclose(f);
    }
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    return bOK;
}

BOOL CDemoDlg::WriteScreenshots(LPCSTR lpszDir)
{
    BOOL bOK = TRUE;
    for (int i = 0; i < (int)m_pages.size(); ++i)
    {
        ShowPage(i);
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ::Sleep(100);
        CRect rc;
        GetWindowRect(&rc);
        CString path;
        path.Format("%s\\page-%d-%s.bmp", lpszDir, i + 1, kPages[i]);
        bOK = WriteBitmap(rc, path) && bOK;
    }
    return bOK;
}
