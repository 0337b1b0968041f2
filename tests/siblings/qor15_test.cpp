// UI component library: the edit's own context menu, opened with a real right click,
// read while it is open and used with a real key.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <qor15.h>
#include "harness.h"

namespace {

struct Item
{
    std::string text;
    bool enabled;
    bool operator==(const Item& o) const { return text == o.text && enabled == o.enabled; }
};
std::ostream& operator<<(std::ostream& os, const Item& i) { return os << i.text << (i.enabled ? "+" : "-"); }

std::vector<Item> g_items;
WORD g_key = VK_ESCAPE;

void SendKeyNow(WORD vk)
{
    INPUT in[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = vk;
        in[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(2, in, sizeof(INPUT));
}

// Runs inside the menu's own loop: reads the open menu, then answers with a key.
void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND hMenuWnd = ::FindWindowA("#32768", NULL);
    if (!hMenuWnd || !::IsWindowVisible(hMenuWnd))
        return;
    ::KillTimer(NULL, id);
    HMENU hMenu = (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0);
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        UINT state = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        if (state & MF_SEPARATOR)
            continue;
        char text[64] = "";
        ::GetMenuStringA(hMenu, i, text, sizeof(text), MF_BYPOSITION);
        g_items.push_back({ text, !(state & (MF_GRAYED | MF_DISABLED)) });
    }
    SendKeyNow(g_key);
}

// Notes the edit messages the menu's commands send, as a derived edit would see them.
class CNoteEdit : public CImageMenuEdit
{
public:
    std::vector<UINT> m_seen;
protected:
    afx_msg LRESULT OnCut(WPARAM, LPARAM) { m_seen.push_back(WM_CUT); return Default(); }
    afx_msg LRESULT OnPaste(WPARAM, LPARAM) { m_seen.push_back(WM_PASTE); return Default(); }
    afx_msg LRESULT OnClear(WPARAM, LPARAM) { m_seen.push_back(WM_CLEAR); return Default(); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CNoteEdit, CImageMenuEdit)
    ON_MESSAGE(WM_CUT, OnCut)
    ON_MESSAGE(WM_PASTE, OnPaste)
    ON_MESSAGE(WM_CLEAR, OnClear)
END_MESSAGE_MAP()

void SetClipboardText(const char* text)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    if (text)
    {
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
        strcpy((char*)::GlobalLock(h), text);
        ::GlobalUnlock(h);
        ::SetClipboardData(CF_TEXT, h);
    }
    ::CloseClipboard();
}

class ContextMenuTest : public ::testing::Test
{
protected:
    CWnd m_frame;
    CNoteEdit m_edit;
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
                                     "menu", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 40, 40, 300, 120, NULL, NULL));
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 250, 34), &m_frame, 1));
        ASSERT_TRUE(harness::MakeForeground(m_frame.m_hWnd));
        m_edit.SetWindowText("hello");
        m_edit.SetFocus();
        m_edit.EmptyUndoBuffer();
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    // Right-clicks the edit, reads the menu and presses key in it.
    std::vector<Item> Open(WORD key)
    {
        g_items.clear();
        g_key = key;
        ::SetTimer(NULL, 0, 50, ReadOpenMenu);
        CRect rc;
        m_edit.GetWindowRect(&rc);
        harness::Click(rc.CenterPoint(), true);
        harness::Pump(100);
        return g_items;
    }
    CString Text() { CString s; m_edit.GetWindowText(s); return s; }
};

} // namespace

TEST_F(ContextMenuTest, ItemsAreEnabledOnlyWhenTheyApply)
{
    SetClipboardText(NULL);
    m_edit.SetSel(2, 2);
    std::vector<Item> none = { { "&Undo", false }, { "Cu&t", false }, { "&Copy", false },
                               { "&Paste", false }, { "&Delete", false }, { "Select &All", true } };
    EXPECT_EQ(none, Open(VK_ESCAPE));

    SetClipboardText("clip");
    m_edit.SetSel(1, 4);
    std::vector<Item> selected = { { "&Undo", false }, { "Cu&t", true }, { "&Copy", true },
                                   { "&Paste", true }, { "&Delete", true }, { "Select &All", true } };
    EXPECT_EQ(selected, Open('T'));   // Cut, through the edit's own WM_CUT
    EXPECT_STREQ("ho", Text());
    EXPECT_EQ(std::vector<UINT>{ WM_CUT }, m_edit.m_seen);

    // After a change Undo applies; with everything selected Select All does not.
    m_edit.SetSel(0, -1);
    std::vector<Item> all = { { "&Undo", true }, { "Cu&t", true }, { "&Copy", true },
                              { "&Paste", true }, { "&Delete", true }, { "Select &All", false } };
    EXPECT_EQ(all, Open('D'));
    EXPECT_STREQ("", Text());
    EXPECT_EQ((std::vector<UINT>{ WM_CUT, WM_CLEAR }), m_edit.m_seen);
    Open('U');
    EXPECT_STREQ("ho", Text());
}

TEST_F(ContextMenuTest, ReadOnlyEditOffersOnlyCopyAndSelectAll)
{
    SetClipboardText("clip");
    m_edit.SetReadOnly(TRUE);
    m_edit.SetSel(0, 0);
    std::vector<Item> ro = { { "&Copy", false }, { "Select &All", true } };
    EXPECT_EQ(ro, Open('A'));
    int s, e;
    m_edit.GetSel(s, e);
    EXPECT_EQ(0, s);
    EXPECT_EQ(5, e);
    std::vector<Item> roSel = { { "&Copy", true }, { "Select &All", false } };
    EXPECT_EQ(roSel, Open('C'));
    ASSERT_TRUE(::OpenClipboard(NULL));
    EXPECT_STREQ("hello", (const char*)::GetClipboardData(CF_TEXT));
    ::CloseClipboard();

    // A command routed from elsewhere does nothing that the edit does not allow.
    EXPECT_TRUE(m_edit.OnCmdMsg(ID_EDIT_PASTE, CN_COMMAND, NULL, NULL));
    EXPECT_STREQ("hello", Text());
    EXPECT_TRUE(m_edit.m_seen.empty());
}

TEST(BkgStyleTest, RegistryExistsOnlyWhileTheHostKeepsIt)
{
    EXPECT_EQ(nullptr, BkgStyle::GetInstance());
    {
        BkgStyle style;
        ASSERT_EQ(&style, BkgStyle::GetInstance());
        BkgStyle second;
        EXPECT_EQ(&style, BkgStyle::GetInstance()) << "the first one stays the instance";
        ShadeProps* p = nullptr;
        style.Get((UIComponent)11, p);
        ASSERT_NE(nullptr, p);
        ShadeProps* unknown = nullptr;
        style.Get((UIComponent)99, unknown);
        EXPECT_EQ(nullptr, unknown);
        style.Set((UIComponent)11, ShadeProps(RGB(1, 2, 3), RGB(4, 5, 6), ShadeProps::Horizontal, RGB(7, 8, 9)));
        style.Get((UIComponent)11, p);
        EXPECT_EQ(RGB(4, 5, 6), p->m_crTo);
    }
    EXPECT_EQ(nullptr, BkgStyle::GetInstance());
}

namespace {

class ButtonTest : public ::testing::Test
{
protected:
    CWnd m_frame;
    CQorButton* m_pButton = nullptr;
    const ShadeProps m_shade{ RGB(250, 0, 0), RGB(0, 0, 250), ShadeProps::Vertical, RGB(0, 120, 0) };
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
                                     "buttons", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 40, 40, 300, 140, NULL, NULL));
        m_pButton = new CQorButton;
        ASSERT_TRUE(m_pButton->Create("Go", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(10, 10, 110, 50), &m_frame, 2602));
        ASSERT_TRUE(harness::MakeForeground(m_frame.m_hWnd));
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();
        delete m_pButton;
    }
    COLORREF At(int x, int y)
    {
        m_pButton->RedrawWindow();
        return harness::Pixel(m_pButton->m_hWnd, x, y);
    }
    int CountColour(COLORREF c)
    {
        m_pButton->RedrawWindow();
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 100; ++x)
                n += harness::Pixel(m_pButton->m_hWnd, x, y) == c;
        return n;
    }
};

} // namespace

TEST_F(ButtonTest, IsOwnerDrawnWithItsSlotsAndClicksLikeAButton)
{
    EXPECT_EQ((DWORD)BS_OWNERDRAW, m_pButton->GetStyle() & BS_TYPEMASK);
    EXPECT_TRUE(m_pButton->IsKindOf(RUNTIME_CLASS(CButton)));
    harness::MessageRecorder rec;
    rec.Watch(m_frame.m_hWnd, "frame");
    rec.Only({ WM_COMMAND });
    CRect rc;
    m_pButton->GetWindowRect(&rc);
    harness::Click(rc.CenterPoint());
    EXPECT_EQ("", rec.Compare({ harness::MWL("frame", WM_COMMAND, MAKEWPARAM(2602, BN_CLICKED), (LPARAM)m_pButton->m_hWnd) }));
    EXPECT_TRUE(m_pButton->GetHaveFocus());
    m_pButton->SetButtonStyle(BS_DEFPUSHBUTTON);
    EXPECT_EQ((DWORD)BS_OWNERDRAW, m_pButton->GetStyle() & BS_TYPEMASK);
    EXPECT_EQ((UINT)BS_DEFPUSHBUTTON, m_pButton->GetLookStyle());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWFRAME), At(0, 0));
}

TEST_F(ButtonTest, ShadingEdgesAndPressedLookOnPixels)
{
    m_pButton->SetShadeProps(m_shade);
    const int h = 40;
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), At(0, 5));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), At(99, 5));
    EXPECT_EQ(m_shade.ColorAt(3, h), At(3, 3));
    EXPECT_EQ(m_shade.ColorAt(h - 4, h), At(3, h - 4));
    EXPECT_GT(CountColour(RGB(0, 120, 0)), 10) << "the caption in the shading's text colour";

    // Held down with the real mouse: sunken, the shading turned over.
    CRect rc;
    m_pButton->GetWindowRect(&rc);
    harness::MouseDown(rc.CenterPoint());
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), harness::Pixel(m_pButton->m_hWnd, 0, 5));
    ShadeProps turned(m_shade.m_crTo, m_shade.m_crFrom, ShadeProps::Vertical, m_shade.m_crText);
    EXPECT_EQ(turned.ColorAt(3, h), harness::Pixel(m_pButton->m_hWnd, 3, 3));
    harness::MouseUp(rc.CenterPoint());
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), At(0, 5));
}

TEST_F(ButtonTest, DisabledLooksGreyOrLikeACaption)
{
    m_pButton->EnableWindow(FALSE);
    EXPECT_GT(CountColour(::GetSysColor(COLOR_GRAYTEXT)), 10);
    EXPECT_EQ(0, CountColour(::GetSysColor(COLOR_BTNTEXT)));
    m_pButton->SetShadeProps(m_shade);
    m_pButton->SetRegularFontWhenDisabled(true, true);
    EXPECT_EQ(0, CountColour(::GetSysColor(COLOR_GRAYTEXT)));
    EXPECT_GT(CountColour(RGB(0, 120, 0)), 10);
    EXPECT_EQ(m_shade.ColorAt(0, 40), At(0, 0)) << "flat: no edge";
}

TEST_F(ButtonTest, DrawnIconsTellCoarserFromFiner)
{
    m_pButton->SetWindowText("");
    m_pButton->SetIcon(QorIcon::IconCoarser, QOR_ICON_HCENTER | QOR_ICON_VCENTER, QOR_ICON_GRAYED_WHEN_DISABLED | QOR_ICON_ONLY, false);
    const COLORREF ink = ::GetSysColor(COLOR_BTNTEXT);
    EXPECT_EQ(ink, At(50, 20));
    EXPECT_NE(ink, At(50, 15));
    m_pButton->SetIcon(QorIcon::IconFiner, QOR_ICON_HCENTER | QOR_ICON_VCENTER, QOR_ICON_GRAYED_WHEN_DISABLED | QOR_ICON_ONLY, false);
    EXPECT_EQ(ink, At(50, 20));
    EXPECT_EQ(ink, At(50, 15));
    int before = harness::GdiObjectCount();
    m_pButton->SetIcon(QorIcon::IconCoarser, QOR_ICON_HCENTER | QOR_ICON_VCENTER, 0, false);
    EXPECT_EQ(before, harness::GdiObjectCount()) << "the old icon is destroyed";
    m_pButton->EnableWindow(FALSE);
    EXPECT_EQ(ink, At(50, 20)) << "not greyed without the option";
}
