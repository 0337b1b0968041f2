// The drop-down edit base in a real dialog: opening, closing, focus, Tab cycling,
// placement and creation failures, driven by real input where a person would act.
#include "dropbase_fixture.h"
#include <fstream>
#include <sstream>
#include <functional>

using harness::Key;

TEST_F(DropBaseTest, EveryOpeningPathAsksFirstAndUpdatesAfterShowing)
{
    Ready();
    const std::vector<std::string> opened = { "can", "update+visible+focus" };
    struct Path { const char* name; std::function<void()> open; };
    std::vector<Path> paths = {
        { "F9", [] { Key(VK_F9); } },
        { "Down", [] { Key(VK_DOWN); } },
        { "Enter", [] { Key(VK_RETURN); } },
        { "button", [this] { harness::Click(ButtonCentre(Edit())); harness::MouseMove({ 5, 5 }); } },
    };
    for (const Path& p : paths)
    {
        SCOPED_TRACE(p.name);
        Edit().m_bAllow = true;
        Edit().m_calls.clear();
        p.open();
        EXPECT_TRUE(Edit().Visible());
        EXPECT_EQ(opened, Edit().m_calls);
        EXPECT_EQ(Edit().m_hWnd, ::GetFocus());
        Key(VK_ESCAPE);
        ASSERT_FALSE(Edit().Visible());
        EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd)) << "Escape reached the dialog";

        // A veto leaves it hidden and asks for no update.
        Edit().m_bAllow = false;
        Edit().m_calls.clear();
        p.open();
        EXPECT_FALSE(Edit().Visible());
        EXPECT_EQ(std::vector<std::string>{ "can" }, Edit().m_calls);
    }
}

TEST_F(DropBaseTest, ClosesOnEscapeF9ButtonAndFocusLeaving)
{
    Ready();
    Key(VK_F9);
    ASSERT_TRUE(Edit().Visible());
    Key(VK_F9);
    EXPECT_FALSE(Edit().Visible());

    // Two quick clicks on the button (the second arrives as a double click) toggle twice.
    harness::Click(ButtonCentre(Edit()));
    EXPECT_TRUE(Edit().Visible());
    harness::Click(ButtonCentre(Edit()));
    EXPECT_FALSE(Edit().Visible());
    EXPECT_EQ(Edit().m_hWnd, ::GetFocus());

    // Focus leaving for another control closes it and reports the loss, open or not.
    Key(VK_F9);
    ASSERT_TRUE(Edit().Visible());
    Edit().m_calls.clear();
    CRect rcOther;
    m_dlg.m_other.GetWindowRect(&rcOther);
    harness::Click(rcOther.CenterPoint());
    EXPECT_FALSE(Edit().Visible());
    EXPECT_EQ(m_dlg.m_other.m_hWnd, ::GetFocus()) << "the focus stays where it went";
    EXPECT_EQ(std::vector<std::string>{ "loosing" }, Edit().m_calls);
    Edit().SetFocus();
    Edit().m_calls.clear();
    m_dlg.m_other.SetFocus();
    EXPECT_EQ(std::vector<std::string>{ "loosing" }, Edit().m_calls);
}

TEST_F(DropBaseTest, EnteringThePopupKeepsItOpenAndFocusesFirstOrLast)
{
    Ready();
    Key(VK_F9);
    Edit().Drop()->SetFocus();
    EXPECT_TRUE(Edit().Visible());
    EXPECT_EQ(Edit().Drop()->m_first.m_hWnd, ::GetFocus());
    EXPECT_EQ(0, Edit().Count("loosing"));

    Edit().SetFocus();   // back from the popup, cursor away from the button: closes
    EXPECT_FALSE(Edit().Visible());

    Key(VK_F9);
    harness::KeyDown(VK_SHIFT);
    Edit().Drop()->SetFocus();
    harness::KeyUp(VK_SHIFT);
    EXPECT_EQ(Edit().Drop()->m_last.m_hWnd, ::GetFocus());
}

TEST_F(DropBaseTest, CloseRequestsFromInsideThePopupAreRelayed)
{
    Ready();
    harness::MessageRecorder rec;
    rec.Watch(Edit().Drop()->m_hWnd, "popup");
    rec.Watch(Edit().m_hWnd, "edit");
    rec.Only({ WM_CLOSE_POPUP, CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, WM_SHOWWINDOW });

    // Accepted from a control inside: hidden, and the focus comes back to the edit.
    Key(VK_F9);
    Edit().Drop()->SetFocus();
    rec.Clear();
    Edit().Drop()->m_last.GetParent()->SendMessage(WM_CLOSE_POPUP, 1, 0);
    EXPECT_FALSE(Edit().Visible());
    EXPECT_EQ(Edit().m_hWnd, ::GetFocus());
    EXPECT_EQ("", rec.Compare({ harness::MW("popup", WM_CLOSE_POPUP, 1),
                               harness::MWL("edit", CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, 1, 0),
                               harness::MW("popup", WM_SHOWWINDOW, FALSE) }));

    // Cancelled (0) and any other value (2) while the focus is elsewhere: it stays there.
    for (WPARAM w : { 0, 2 })
    {
        Edit().SetFocus();
        Key(VK_F9);
        m_dlg.m_other.SetFocus();          // closes it: open it again without the focus
        Edit().ShowDropWnd(true, false, true);
        ASSERT_TRUE(Edit().Visible());
        rec.Clear();
        Edit().Drop()->SendMessage(WM_CLOSE_POPUP, w, 0);
        EXPECT_FALSE(Edit().Visible());
        EXPECT_EQ(m_dlg.m_other.m_hWnd, ::GetFocus());
        EXPECT_EQ("", rec.Compare({ harness::MW("popup", WM_CLOSE_POPUP, w),
                                   harness::MW("edit", CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, w),
                                   harness::MW("popup", WM_SHOWWINDOW, FALSE) }));
    }

    // Host code may send the edit's message directly; its result is 0.
    Edit().ShowDropWnd(true, false, true);
    EXPECT_EQ(0, Edit().SendMessage(::RegisterWindowMessageA("359723E9-4D6A-407c-AD5D-F4890DC0A213"), 1, 0));
    EXPECT_FALSE(Edit().Visible());
}

TEST_F(DropBaseTest, TabCyclesInsideThePopupAndReturnsToTheEdit)
{
    Ready();
    CTestDropWnd* pDrop = nullptr;
    auto enter = [&] {
        Edit().SetFocus();
        if (!Edit().Visible()) Key(VK_F9);
        pDrop = Edit().Drop();
        pDrop->SetFocus();
    };
    enter();
    ASSERT_EQ(pDrop->m_first.m_hWnd, ::GetFocus());
    Key(VK_TAB);
    EXPECT_EQ(pDrop->m_button.m_hWnd, ::GetFocus());
    Key(VK_TAB);
    EXPECT_EQ(pDrop->m_last.m_hWnd, ::GetFocus());
    Key(VK_TAB);   // past the last: back to the edit, which closes the popup
    EXPECT_EQ(Edit().m_hWnd, ::GetFocus());
    EXPECT_FALSE(Edit().Visible());

    enter();
    Key(VK_TAB);
    Key(VK_TAB, true);
    EXPECT_EQ(pDrop->m_first.m_hWnd, ::GetFocus());
    Key(VK_TAB, true);   // before the first: back to the edit
    EXPECT_EQ(Edit().m_hWnd, ::GetFocus());

    // A nested control skips the sibling walk; its ends are not reached, so the key
    // is left to the control and the focus stays.
    enter();
    pDrop->m_nested.SetFocus();
    Key(VK_TAB, true);
    EXPECT_EQ(pDrop->m_nested.m_hWnd, ::GetFocus());
    Key(VK_TAB);
    EXPECT_EQ(pDrop->m_nested.m_hWnd, ::GetFocus());

    // A disabled first control does not hold Shift+Tab in the popup.
    pDrop->m_first.EnableWindow(FALSE);
    pDrop->m_button.SetFocus();
    Key(VK_TAB, true);
    EXPECT_EQ(Edit().m_hWnd, ::GetFocus());
}

TEST_F(DropBaseTest, NotifiesParentOrGrandparentAfterClosing)
{
    MakePlainParentEdit();
    CTestEdit& edit = m_plainEdit;
    edit.Init();
    ASSERT_TRUE(edit.CreateTestDropWnd());
    edit.SetEnterKeyOptions(true, true);

    harness::MessageRecorder rec;
    rec.Watch(m_box.m_hWnd, "parent");
    rec.Watch(m_dlg.m_hWnd, "grandparent");
    rec.Only({ WM_SETFOCUS, WM_KEYDOWN });

    edit.SetFocus();
    edit.ShowDropWnd(true, false, true);
    rec.Clear();
    edit.Drop()->SendMessage(WM_CLOSE_POPUP, 0, 0);   // Escape inside the popup
    harness::Pump();
    EXPECT_EQ("", rec.Compare({ harness::MWL("parent", WM_KEYDOWN, VK_ESCAPE, 0) }));

    edit.ShowDropWnd(true, false, true);
    rec.Clear();
    edit.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);        // every other close is accepted
    EXPECT_TRUE(rec.Log().empty()) << "posted, not sent";
    harness::Pump();
    EXPECT_EQ("", rec.Compare({ harness::MWL("grandparent", WM_SETFOCUS, 0, 0) }));

    // A close of a hidden popup posts nothing.
    rec.Clear();
    edit.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    harness::Pump();
    EXPECT_TRUE(rec.Log().empty());

    // Without a grandparent (the dialog's own edit) nothing is posted either.
    Ready();
    Edit().SetEnterKeyOptions(true, true);
    rec.Watch(m_dlg.m_hWnd, "parent");
    Edit().ShowDropWnd(true, false, true);
    rec.Clear();
    Edit().Drop()->SendMessage(WM_CLOSE_POPUP, 0, 0);
    harness::Pump();
    EXPECT_TRUE(rec.Log().empty());
}

TEST_F(DropBaseTest, KeysAndCharactersReachDefaultProcessingAsSpecified)
{
    Ready();
    auto caret = [&] { int s, e; Edit().GetSel(s, e); return e; };
    Edit().SetSel(1, 1);
    Key(VK_DOWN);   // opens; a single-line edit would move the caret
    EXPECT_TRUE(Edit().Visible());
    Key(VK_DOWN);
    Key(VK_UP);
    EXPECT_EQ(1, caret());
    EXPECT_FALSE(DefaultLog::Has(WM_KEYDOWN, VK_DOWN));
    EXPECT_FALSE(DefaultLog::Has(WM_KEYDOWN, VK_UP));
    Key(VK_RETURN);   // closes; Enter then goes on to the edit, its character does not
    EXPECT_FALSE(Edit().Visible());
    EXPECT_TRUE(DefaultLog::Has(WM_KEYDOWN, VK_RETURN));
    EXPECT_FALSE(DefaultLog::Has(WM_CHAR, '\r'));

    // Backspace: the update before the key-down is applied, and after the character.
    Edit().SetWindowText("abc");
    Edit().SetSel(3, 3);
    Edit().m_texts.clear();
    Key(VK_BACK);
    EXPECT_EQ((std::vector<std::string>{ "abc", "ab" }), Edit().m_texts);
    CString text;
    Edit().GetWindowText(text);
    EXPECT_STREQ("ab", text);

    // Typed characters and the clipboard messages update after the edit changed.
    Edit().m_texts.clear();
    harness::Type("x");
    EXPECT_EQ(std::vector<std::string>{ "abx" }, Edit().m_texts);
    Edit().SetSel(0, -1);
    Edit().m_texts.clear();
    EXPECT_EQ(0, Edit().SendMessage(WM_CUT));
    EXPECT_EQ(0, Edit().SendMessage(WM_PASTE));
    Edit().SetSel(0, -1);
    EXPECT_EQ(0, Edit().SendMessage(WM_CLEAR));
    EXPECT_EQ(0, Edit().SendMessage(WM_UNDO));
    ASSERT_EQ(4u, Edit().m_texts.size());
    EXPECT_EQ((std::vector<std::string>{ "", "abx", "" }),
              std::vector<std::string>(Edit().m_texts.begin(), Edit().m_texts.begin() + 3));
}

TEST_F(DropBaseTest, WithoutADropWindowKeysGetOnlyDefaultProcessing)
{
    Edit().Init();
    Edit().SetFocus();
    DefaultLog::calls.clear();
    Key(VK_F9);
    // Enter and Escape would be the dialog's IDOK and IDCANCEL: sent as the host would.
    Edit().SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    Edit().SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(DefaultLog::Has(WM_KEYDOWN, VK_F9));
    EXPECT_TRUE(DefaultLog::Has(WM_KEYDOWN, VK_RETURN));
    EXPECT_TRUE(DefaultLog::Has(WM_KEYDOWN, VK_ESCAPE));
    Edit().SetSel(1, 1);
    Key(VK_DOWN);
    Key(VK_UP);
    EXPECT_FALSE(DefaultLog::Has(WM_KEYDOWN, VK_DOWN));
    EXPECT_FALSE(DefaultLog::Has(WM_KEYDOWN, VK_UP));
    EXPECT_EQ(0, Edit().Count("can"));

    // The button paints pressed and released and moves no focus.
    m_dlg.m_other.SetFocus();
    harness::Click(ButtonCentre(Edit()));
    EXPECT_EQ(0, Edit().m_nButtonState);
    EXPECT_EQ(m_dlg.m_other.m_hWnd, ::GetFocus());
}

TEST_F(DropBaseTest, DestroySavesFirstAndTakesThePopupWindowAlong)
{
    Ready();
    HWND hDrop = Edit().Drop()->m_hWnd;
    int live = CTestDropWnd::s_nLive;
    m_dlg.m_other.SetFocus();
    Edit().m_calls.clear();
    Edit().DestroyWindow();
    EXPECT_EQ(std::vector<std::string>{ "save" }, Edit().m_calls);
    EXPECT_FALSE(::IsWindow(hDrop));
    EXPECT_EQ(live, CTestDropWnd::s_nLive) << "the object goes with the edit object";
}

TEST(DropBaseObjectTest, ObjectOwnsItsPopupAndFreesItWithItself)
{
    int before = CTestDropWnd::s_nLive;
    {
        CTestEdit edit;
        EXPECT_FALSE(edit.CreateDropWnd(nullptr, false));
        // No window of its own is needed; the popup is owned from the call on.
        EXPECT_TRUE(edit.CreateDropWnd(new CTestDropWnd, false));
        EXPECT_EQ(&edit, edit.Drop()->m_pEdit);
        CTestDropWnd* first = edit.Drop();
        EXPECT_FALSE(edit.CreateDropWnd(first, false)) << "already created";
        EXPECT_EQ(first, edit.Drop());
        EXPECT_EQ(before + 1, CTestDropWnd::s_nLive);
        DWORD style = first->GetStyle();
        EXPECT_EQ((DWORD)(WS_POPUP | WS_BORDER), style & (WS_POPUP | WS_BORDER | WS_THICKFRAME | WS_VISIBLE | WS_CHILD));
        CRect rc;
        first->GetWindowRect(&rc);
        EXPECT_EQ(CRect(0, 0, 10, 10), rc);
        char cls[128];
        ::GetClassNameA(first->m_hWnd, cls, sizeof(cls));
        WNDCLASSA wc;
        ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), cls, &wc));
        EXPECT_EQ((UINT)0x084B, wc.style);
        EXPECT_EQ(nullptr, wc.hCursor);
        first->DestroyWindow();
    }
    EXPECT_EQ(before, CTestDropWnd::s_nLive);
}

static std::string ReadFile(const std::string& path)
{
    std::ifstream f(path);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

TEST(DropBaseObjectTest, CreationFailuresAreLoggedAndTheObjectStaysOwned)
{
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + "dropbase_test.log";
    ::DeleteFileA(path.c_str());

    int before = CTestDropWnd::s_nLive;
    {
        CTestEdit edit;
        {
            // Without a logger nothing is written.
            harness::CreationFailer fail;
            EXPECT_FALSE(edit.CreateDropWnd(new CTestDropWnd, false));
        }
        EXPECT_EQ(before + 1, CTestDropWnd::s_nLive);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str()));

        AppLogger logger(path.c_str());
        {
            harness::CreationFailer fail;
            EXPECT_FALSE(edit.CreateDropWnd(new CTestDropWnd, true));
            EXPECT_GE(fail.Vetoed(), 1);
        }
        EXPECT_EQ(before + 1, CTestDropWnd::s_nLive) << "the earlier object was freed";
        CTestDropWnd* gone = new CTestDropWnd;
        gone->m_bDestroyAfterCreate = true;
        EXPECT_FALSE(edit.CreateDropWnd(gone, false));
        EXPECT_EQ(gone, edit.Drop());
        EXPECT_EQ(nullptr, gone->m_pEdit);

        std::string log = ReadFile(path);
        size_t a = log.find("{D3CD50CE-3675-414A-8005-9DCC9BA3ACB8}");
        size_t b = log.find("{030C3A38-D66E-4C6E-B3B2-83705EB83FCD}");
        EXPECT_NE(std::string::npos, a) << log;
        EXPECT_NE(std::string::npos, b) << log;
        EXPECT_LT(a, b);
        EXPECT_EQ(2, logger.GetLineCount());

        // The edit's keys on a popup that never came to life do nothing.
        edit.ShowDropWnd(true, false, true);
        EXPECT_EQ(0, edit.Count("can"));
    }
    EXPECT_EQ(before, CTestDropWnd::s_nLive);
    ::DeleteFileA(path.c_str());
}

TEST_F(DropBaseTest, ResizablePopupDoesNotSizeAtItsTopEdge)
{
    Edit().Init();
    ASSERT_TRUE(Edit().CreateDropWnd(new CTestDropWnd, true));
    CTestDropWnd* pDrop = Edit().Drop();
    EXPECT_TRUE(pDrop->GetStyle() & WS_THICKFRAME);
    Edit().SetFocus();
    harness::Key(VK_F9);
    Edit().OnAppMove();
    CRect rc = DropRect();
    auto hit = [&](int x, int y) { return pDrop->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    EXPECT_EQ(HTCLIENT, hit(rc.CenterPoint().x, rc.top + 1));
    EXPECT_EQ(HTCLIENT, hit(rc.left + 1, rc.top + 1));
    EXPECT_EQ(HTCLIENT, hit(rc.right - 2, rc.top + 1));
    EXPECT_EQ(HTBOTTOM, hit(rc.CenterPoint().x, rc.bottom - 2));
    EXPECT_EQ(HTLEFT, hit(rc.left + 1, rc.CenterPoint().y));
    EXPECT_EQ(HTBOTTOMRIGHT, hit(rc.right - 2, rc.bottom - 2));
}
