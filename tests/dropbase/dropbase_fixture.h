// A test subclass of CDropBaseEdit with a test drop window of three controls (and one
// nested control), hosted in a real modeless dialog that is the application's main window.
#pragma once
#include <afxwin.h>
#include <afxext.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "harness.h"
#include "DropWnd.h"
#include "RegisteredMessages.h"
#include <qor01.h>

// Messages that reached an edit's default processing (the class procedure of EDIT).
struct DefaultLog
{
    static std::vector<std::pair<UINT, WPARAM>> calls;
    static bool Has(UINT message, WPARAM wParam)
    {
        for (const auto& c : calls)
            if (c.first == message && c.second == wParam) return true;
        return false;
    }
};
// "RecEdit": the system's EDIT class with a procedure that notes WM_KEYDOWN and WM_CHAR.
const char* RegisterRecordingEdit();

class CTestDropWnd : public CDropWnd
{
public:
    static int s_nLive;            // objects alive
    CEdit m_first;
    CButton m_button;
    CEdit m_last;
    CStatic m_box;                 // a child without tab stop that holds m_nested
    CEdit m_nested;
    bool m_bDestroyAfterCreate = false;   // CreateEx reports success, the window is gone
    std::vector<UINT> m_fontMessages;

    CTestDropWnd() { ++s_nLive; }
    ~CTestDropWnd() override { --s_nLive; }
    CWnd* GetFirstFocusWnd() override { return &m_first; }
    CWnd* GetLastFocusWnd() override { return &m_last; }
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                  LPVOID lpParam) override;
    using CDropWnd::CreateEx;
    void SetSizes(int nMin, int nHeight, int nMax)
    {
        SetMinWidthAndHeight(nMin, nHeight);
        SetMaxWidthAndHeight(nMax, 0);
    }
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg LRESULT OnSetFontMsg(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CTestEdit : public CDropBaseEdit
{
public:
    std::vector<std::string> m_calls;   // hook calls, "update" noted with visibility and focus
    std::vector<std::string> m_texts;   // the edit text at each update
    bool m_bAllow = true;
    bool m_bRightAligned = false;

    using CDropBaseEdit::CreateDropWnd;
    using CDropBaseEdit::ShowDropWnd;
    using CDropBaseEdit::CreateDropWndFont;
    using CDropBaseEdit::DoDrawButton;
    using CDropBaseEdit::DoDrawIcon;
    using CDropBaseEdit::DrawButton;
    using CDropBaseEdit::GetDropWnd;
    using CDropBaseEdit::m_nButtonState;
    using CDropBaseEdit::m_rcButton;
    using CDropBaseEdit::m_rcIcon;
    using CDropBaseEdit::m_bDrawButton;

    CTestDropWnd* Drop() { return static_cast<CTestDropWnd*>(GetDropWnd()); }
    bool Visible() { return Drop() && Drop()->IsWindowVisible(); }
    bool CreateTestDropWnd() { return CreateDropWnd(new CTestDropWnd, false); }
    int Count(const char* call) const
    {
        int n = 0;
        for (const auto& c : m_calls) n += c.rfind(call, 0) == 0;
        return n;
    }
protected:
    bool CanShowDropDown() override { m_calls.push_back("can"); return m_bAllow; }
    void UpdateDropWnd() override
    {
        m_calls.push_back(std::string("update") + (Visible() ? "+visible" : "-hidden") +
                          (::GetFocus() == m_hWnd ? "+focus" : "-focus"));
        CString text;
        GetWindowText(text);
        m_texts.push_back((LPCSTR)text);
    }
    void OnLoosingFocus() override { m_calls.push_back("loosing"); }
    void SaveData() override { m_calls.push_back("save"); }
    bool GetDropWndRightAligned() const override { return m_bRightAligned; }
    void DrawIcon(const CRect& rc) override
    {
        m_calls.push_back("icon");
        CWindowDC dc(this);
        dc.FillSolidRect(&rc, RGB(255, 0, 0));
    }
};

class CHostDialog : public CDialog
{
public:
    CTestEdit m_edit;     // id 100, a recording edit
    CEdit m_other;        // id 101
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_edit.SubclassDlgItem(100, this);
        m_other.SubclassDlgItem(101, this);
        return TRUE;
    }
};

class DropBaseTest : public ::testing::Test
{
protected:
    CHostDialog m_dlg;
    CTestEdit& Edit() { return m_dlg.m_edit; }

    void SetUp() override;
    void TearDown() override;

    // Screen point of the drop button's centre, as a person would aim at it.
    POINT ButtonCentre(CTestEdit& edit);
    // Focus in the edit with the drop window created; the cursor parked away from it.
    void Ready();
    // m_box, a plain child window of the dialog, with m_plainEdit in it: an edit whose
    // parent is no dialog and which has a grandparent.
    CWnd m_box;
    CTestEdit m_plainEdit;
    void MakePlainParentEdit();
    CRect DropRect() { CRect rc; Edit().Drop()->GetWindowRect(&rc); return rc; }
    CRect EditRect() { CRect rc; Edit().GetWindowRect(&rc); return rc; }
};
