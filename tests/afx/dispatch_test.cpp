// Message-map dispatch, Default() into a subclassed control, reflection and creation.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include "harness.h"

static std::string g_trace;

// Three levels: the middle class handles WM_CHAR and calls Default() so that the real
// EDIT inserts the character; the top class adds WM_KEYDOWN and calls its base handler.
class CLevel1Edit : public CEdit
{
protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd) { g_trace += "L1:SetFocus;"; CEdit::OnSetFocus(pOldWnd); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        g_trace += "L1:KeyDown;";
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLevel1Edit, CEdit)
    ON_WM_SETFOCUS()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class CLevel2Edit : public CLevel1Edit
{
protected:
    afx_msg void OnChar(UINT nChar, UINT, UINT)
    {
        g_trace += "L2:Char;";
        if (nChar == 'x')
            return;      // swallowed: never reaches the EDIT
        Default();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLevel2Edit, CLevel1Edit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

class CLevel3Edit : public CLevel2Edit
{
public:
    int m_nReflected = 0;
    BOOL m_bEat = FALSE;
protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        g_trace += "L3:KeyDown;";
        CLevel2Edit::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg BOOL OnChange() { ++m_nReflected; return m_bEat; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLevel3Edit, CLevel2Edit)
    ON_WM_KEYDOWN()
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

class CHostWnd : public CWnd
{
public:
    int m_nParentChange = 0;
    UINT m_nRegistered = 0;
    static const UINT s_msgPing;
protected:
    afx_msg void OnEditChange() { ++m_nParentChange; }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) { m_nRegistered = (UINT)wParam; return 42; }
    DECLARE_MESSAGE_MAP()
};
const UINT CHostWnd::s_msgPing = ::RegisterWindowMessageA("qorfx-test-ping");
BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
    ON_EN_CHANGE(100, OnEditChange)
    ON_REGISTERED_MESSAGE(s_msgPing, OnPing)
END_MESSAGE_MAP()

class DispatchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_trace.clear();
        ASSERT_TRUE(host.CreateEx(0, NULL, "host", WS_POPUP | WS_VISIBLE, 200, 200, 300, 100, NULL, NULL));
        HWND hEdit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                       10, 10, 200, 24, host, (HMENU)100, NULL, NULL);
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
        ASSERT_TRUE(harness::MakeForeground(host));
    }
    void TearDown() override { host.DestroyWindow(); }
    CHostWnd host;
    CLevel3Edit edit;
};

TEST_F(DispatchTest, HandlersRunMostDerivedFirstAndDefaultReachesTheRealEdit)
{
    edit.SetFocus();
    harness::Pump(20);
    EXPECT_EQ("L1:SetFocus;", g_trace);
    g_trace.clear();
    harness::Type("ab");
    EXPECT_EQ("L3:KeyDown;L1:KeyDown;L2:Char;L3:KeyDown;L1:KeyDown;L2:Char;", g_trace);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("ab", text);
    harness::Type("x");                  // swallowed by the middle class
    edit.GetWindowText(text);
    EXPECT_STREQ("ab", text);
    edit.Default();                      // no message in flight: nothing happens, no crash
}

TEST_F(DispatchTest, ReflectedChangeReachesTheParentUnlessTheEditEatsIt)
{
    edit.SetWindowText("one");
    EXPECT_EQ(1, edit.m_nReflected);
    EXPECT_EQ(1, host.m_nParentChange);   // FALSE from the _EX handler lets the parent see it
    edit.m_bEat = TRUE;
    edit.SetWindowText("two");
    EXPECT_EQ(2, edit.m_nReflected);
    EXPECT_EQ(1, host.m_nParentChange);
}

TEST_F(DispatchTest, RegisteredMessageReachesItsHandlerWithItsResult)
{
    EXPECT_EQ(42, host.SendMessage(CHostWnd::s_msgPing, 7));
    EXPECT_EQ(7u, host.m_nRegistered);
    EXPECT_EQ(0, host.SendMessage(::RegisterWindowMessageA("qorfx-other"), 9));
    EXPECT_EQ(7u, host.m_nRegistered);
}

// Records the first messages and whether the object was attached when each arrived.
class CEarlyWnd : public CWnd
{
public:
    std::vector<std::pair<UINT, bool>> m_seen;
    bool m_bDeleteSelf = false;
    static int s_nDeleted;
    ~CEarlyWnd() { ++s_nDeleted; }
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_seen.push_back({ message, CWnd::FromHandlePermanent(m_hWnd) == this });
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override
    {
        if (m_bDeleteSelf)
            delete this;
    }
};
int CEarlyWnd::s_nDeleted = 0;

TEST(CreateTest, ObjectIsAttachedBeforeTheFirstMessage)
{
    CEarlyWnd w;
    ASSERT_TRUE(w.CreateEx(0, NULL, "early", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL));
    ASSERT_FALSE(w.m_seen.empty());
    size_t iNcCreate = 0;
    while (iNcCreate < w.m_seen.size() && w.m_seen[iNcCreate].first != WM_NCCREATE)
        ++iNcCreate;
    ASSERT_LT(iNcCreate, w.m_seen.size());
    for (size_t i = 0; i <= iNcCreate; ++i)
        EXPECT_TRUE(w.m_seen[i].second) << "message " << std::hex << w.m_seen[i].first;
    w.DestroyWindow();
    EXPECT_EQ(nullptr, w.m_hWnd);
    EXPECT_EQ(WM_NCDESTROY, w.m_seen.back().first);
}

TEST(CreateTest, PostNcDestroyDeletesAHeapObject)
{
    CEarlyWnd::s_nDeleted = 0;
    CEarlyWnd* p = new CEarlyWnd;
    p->m_bDeleteSelf = true;
    ASSERT_TRUE(p->CreateEx(0, NULL, "heap", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    HWND h = p->m_hWnd;
    ::DestroyWindow(h);                   // destroyed from outside the object
    EXPECT_EQ(1, CEarlyWnd::s_nDeleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
}

TEST(CreateTest, VetoedCreationLeavesTheObjectUnattached)
{
    CEarlyWnd w;
    {
        harness::CreationFailer fail;
        EXPECT_FALSE(w.CreateEx(0, NULL, "vetoed", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
        EXPECT_EQ(1, fail.Vetoed());
    }
    EXPECT_EQ(nullptr, w.m_hWnd);
    EXPECT_EQ(nullptr, w.m_pfnSuper);
    // The same object can be created afterwards.
    EXPECT_TRUE(w.CreateEx(0, NULL, "again", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    w.DestroyWindow();
}

// The recorder sees the parent's notifications and the edits' focus messages in the
// order Windows sends them when the focus moves from one edit to the other.
TEST(RecorderTest, FocusMoveBetweenTwoEditsInOrder)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, NULL, "rec", WS_POPUP | WS_VISIBLE, 300, 300, 300, 100, NULL, NULL));
    CEdit a, b;
    ASSERT_TRUE(a.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(5, 5, 100, 25), &host, 11));
    ASSERT_TRUE(b.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(5, 40, 100, 60), &host, 12));
    ASSERT_TRUE(harness::MakeForeground(host));
    a.SetFocus();
    harness::Pump(20);
    harness::MessageRecorder rec;
    rec.Watch(host, "host");
    rec.Watch(a, "a");
    rec.Watch(b, "b");
    rec.Only({ WM_SETFOCUS, WM_KILLFOCUS, WM_COMMAND });
    harness::Click(harness::ScreenPointOf(b, 10, 5));
    using harness::MW;
    std::string diff = rec.Compare({
        MW("a", WM_KILLFOCUS, (WPARAM)b.m_hWnd),
        MW("host", WM_COMMAND, MAKEWPARAM(11, EN_KILLFOCUS)),
        MW("b", WM_SETFOCUS, (WPARAM)a.m_hWnd),
        MW("host", WM_COMMAND, MAKEWPARAM(12, EN_SETFOCUS)),
    });
    EXPECT_EQ("", diff);
    // A wrong expectation is reported with the first difference.
    EXPECT_NE(std::string::npos, rec.Compare({ harness::M("b", WM_KILLFOCUS) }).find("first difference at 0"));
    host.DestroyWindow();
}
