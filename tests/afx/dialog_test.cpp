// Dialogs: the modal loop's pre-translation order, modeless dialogs and form views.
#include <afxwin.h>
#include <afxext.h>
#include <gtest/gtest.h>
#include <string>
#include "harness.h"

static std::string g_order;

class COrderEdit : public CEdit
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'Q')
            g_order += "edit;";
        return CEdit::PreTranslateMessage(pMsg);
    }
};

class COrderDialog : public CDialog
{
public:
    COrderEdit m_edit;
    CString m_strTyped;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_edit.SubclassDlgItem(100, this);
        m_edit.SetFocus();
        SetTimer(1, 50, NULL);
        return FALSE;   // the focus was set here
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'Q')
            g_order += "dialog;";
        return CDialog::PreTranslateMessage(pMsg);
    }
protected:
    afx_msg void OnTimer(UINT_PTR)
    {
        // Runs inside DoModal's own loop: real input goes through the thread's queue.
        KillTimer(1);
        harness::MakeForeground(m_hWnd);
        m_edit.SetFocus();
        harness::Key('Q');
        m_edit.GetWindowText(m_strTyped);
        harness::Key(VK_ESCAPE);          // IsDialogMessage turns it into IDCANCEL
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(COrderDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(DialogTest, ModalLoopPreTranslatesFromTheFocusedChildUpToTheDialog)
{
    g_order.clear();
    harness::DialogTemplate t(WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20, 160, 60, "modal");
    t.Item("EDIT", "", 100, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 5, 5, 100, 14);
    t.Item("BUTTON", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 5, 30, 50, 14);
    COrderDialog dlg;
    dlg.InitModalIndirect(t.Get());
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ("edit;dialog;", g_order.substr(0, 12));
    EXPECT_STREQ("q", dlg.m_strTyped);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

class CInitDialog : public CDialog
{
public:
    int m_nInit = 0;
    BOOL OnInitDialog() override { ++m_nInit; return CDialog::OnInitDialog(); }
};

TEST(DialogTest, ModelessDialogFromAnInMemoryTemplate)
{
    harness::DialogTemplate t(WS_POPUP | WS_CAPTION, 40, 40, 120, 50, "modeless");
    t.Item("EDIT", "text", 100, WS_BORDER, 5, 5, 100, 14);
    CInitDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    EXPECT_EQ(1, dlg.m_nInit);
    EXPECT_TRUE(dlg.IsKindOf(RUNTIME_CLASS(CDialog)));
    CString s;
    dlg.GetDlgItemText(100, s);
    EXPECT_STREQ("text", s);
    dlg.SendMessage(WM_COMMAND, IDOK);
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
}

class CTestForm : public CFormView
{
public:
    CTestForm() : CFormView(100) {}
    int m_nInitial = 0;
    void OnInitialUpdate() override { ++m_nInitial; }
};

TEST(DialogTest, FormViewIsAChildWindowThatHoldsAnEdit)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, NULL, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, NULL, NULL));
    CTestForm* pForm = new CTestForm;
    ASSERT_TRUE(pForm->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &frame, 7));
    EXPECT_EQ(1, pForm->m_nInitial);
    EXPECT_TRUE(pForm->IsKindOf(RUNTIME_CLASS(CFormView)));
    EXPECT_TRUE(pForm->IsKindOf(RUNTIME_CLASS(CView)));
    EXPECT_FALSE(pForm->IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_TRUE(pForm->GetStyle() & WS_CHILD);
    EXPECT_EQ(frame.m_hWnd, ::GetParent(pForm->m_hWnd));
    EXPECT_EQ(7, pForm->GetDlgCtrlID());
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(5, 30, 150, 52), pForm, 200));
    EXPECT_EQ(pForm, CWnd::FromHandlePermanent(::GetParent(edit.m_hWnd)));
    edit.DestroyWindow();
    frame.DestroyWindow();   // takes the form down with it
    delete pForm;
}
