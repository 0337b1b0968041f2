#include "dropbase_fixture.h"

std::vector<std::pair<UINT, WPARAM>> DefaultLog::calls;
int CTestDropWnd::s_nLive = 0;

static WNDPROC g_editProc = NULL;

static LRESULT CALLBACK RecordingEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN || message == WM_CHAR)
        DefaultLog::calls.emplace_back(message, wParam);
    return ::CallWindowProcA(g_editProc, hWnd, message, wParam, lParam);
}

const char* RegisterRecordingEdit()
{
    static const char* name = "RecEdit";
    WNDCLASSA wc;
    if (!::GetClassInfoA(::GetModuleHandleA(NULL), name, &wc))
    {
        ::GetClassInfoA(NULL, "EDIT", &wc);
        g_editProc = wc.lpfnWndProc;
        wc.lpfnWndProc = RecordingEditProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = name;
        ::RegisterClassA(&wc);
    }
    return name;
}

BEGIN_MESSAGE_MAP(CTestDropWnd, CDropWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_SETFONT, OnSetFontMsg)
END_MESSAGE_MAP()

BOOL CTestDropWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                            int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                            LPVOID lpParam)
{
    BOOL bOk = CDropWnd::CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth,
                                  nHeight, hWndParent, nIDorHMenu, lpParam);
    if (bOk && m_bDestroyAfterCreate)
        DestroyWindow();
    return bOk;
}

int CTestDropWnd::OnCreate(LPCREATESTRUCT)
{
    const DWORD tab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    m_first.Create(tab | WS_BORDER, CRect(2, 2, 60, 20), this, 1);
    m_button.Create("b", tab | BS_PUSHBUTTON, CRect(62, 2, 100, 20), this, 2);
    m_last.Create(tab | WS_BORDER, CRect(2, 24, 60, 42), this, 3);
    m_box.Create("", WS_CHILD | WS_VISIBLE, CRect(62, 24, 120, 60), this, 4);
    m_nested.Create(tab | WS_BORDER, CRect(2, 2, 50, 20), &m_box, 5);
    return 0;
}

LRESULT CTestDropWnd::OnSetFontMsg(WPARAM wParam, LPARAM lParam)
{
    m_fontMessages.push_back((UINT)lParam);
    m_fontMessages.push_back((UINT)(UINT_PTR)wParam);
    return Default();
}

void DropBaseTest::SetUp()
{
    DefaultLog::calls.clear();
    harness::DialogTemplate t(WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20, 200, 120, "host");
    t.Item(RegisterRecordingEdit(), "abc", 100, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 100, 12);
    t.Item("EDIT", "", 101, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 90, 100, 12);
    ASSERT_TRUE(m_dlg.CreateIndirect(t.Get(), NULL));
    AfxGetApp()->m_pMainWnd = &m_dlg;
    ASSERT_TRUE(harness::MakeForeground(m_dlg.m_hWnd));
}

void DropBaseTest::TearDown()
{
    AfxGetApp()->m_pMainWnd = NULL;
    if (::IsWindow(m_dlg.m_hWnd))
        m_dlg.DestroyWindow();
    harness::Pump();
}

void DropBaseTest::MakePlainParentEdit()
{
    ASSERT_TRUE(m_box.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(10, 60, 250, 100), &m_dlg, 200));
    ASSERT_TRUE(m_plainEdit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "x", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                     CRect(5, 5, 150, 27), &m_box, 201));
}

POINT DropBaseTest::ButtonCentre(CTestEdit& edit)
{
    CRect rc;
    edit.GetWindowRect(&rc);
    CPoint c = edit.m_rcButton.CenterPoint();
    return { rc.left + c.x, rc.top + c.y };
}

void DropBaseTest::Ready()
{
    Edit().Init();
    ASSERT_TRUE(Edit().CreateTestDropWnd());
    Edit().SetFocus();
    harness::MouseMove({ 5, 5 });
    harness::Pump();
    Edit().m_calls.clear();
    DefaultLog::calls.clear();
}
