#include "harness.h"
#include <winternl.h>
#include <algorithm>
#include <sstream>

namespace harness {

void Pump(int ms)
{
    DWORD end = ::GetTickCount() + ms;
    do
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                continue;
            CWinThread* pThread = AfxGetThread();
            if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        if (ms > 0)
            ::Sleep(5);
    } while ((int)(end - ::GetTickCount()) > 0);
}

bool MakeForeground(HWND hWnd)
{
    ::ShowWindow(hWnd, SW_SHOW);
    for (int i = 0; i < 50; ++i)
    {
        ::SetForegroundWindow(hWnd);
        ::SetActiveWindow(hWnd);
        Pump(10);
        if (::GetForegroundWindow() == hWnd)
            return true;
    }
    return false;
}

static void SendMouse(POINT pt, DWORD flags, DWORD data = 0)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (pt.x * 65536 + cx / 2) / cx;
    in.mi.dy = (pt.y * 65536 + cy / 2) / cy;
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    in.mi.mouseData = data;
    ::SendInput(1, &in, sizeof(in));
    Pump(20);
}

void MouseMove(POINT pt) { SendMouse(pt, 0); }
void MouseDown(POINT pt) { SendMouse(pt, 0); SendMouse(pt, MOUSEEVENTF_LEFTDOWN); }
void MouseUp(POINT pt) { SendMouse(pt, MOUSEEVENTF_LEFTUP); }

void Click(POINT pt, bool right)
{
    SendMouse(pt, 0);
    SendMouse(pt, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    SendMouse(pt, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void Wheel(POINT pt, int delta, bool horizontal)
{
    SendMouse(pt, 0);
    SendMouse(pt, horizontal ? MOUSEEVENTF_HWHEEL : MOUSEEVENTF_WHEEL, (DWORD)delta);
}

static void SendKey(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(in));
}

void Key(WORD vk, bool shift, bool ctrl, bool alt)
{
    if (shift) SendKey(VK_SHIFT, false);
    if (ctrl) SendKey(VK_CONTROL, false);
    if (alt) SendKey(VK_MENU, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (alt) SendKey(VK_MENU, true);
    if (ctrl) SendKey(VK_CONTROL, true);
    if (shift) SendKey(VK_SHIFT, true);
    Pump(20);
}

void KeyDown(WORD vk)
{
    SendKey(vk, false);
    Pump(20);
}

void KeyUp(WORD vk)
{
    SendKey(vk, true);
    Pump(20);
}

void Type(const char* text)
{
    for (const char* p = text; *p; ++p)
    {
        INPUT in[2] = {};
        for (int i = 0; i < 2; ++i)
        {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wScan = (BYTE)*p;
            in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        ::SendInput(2, in, sizeof(INPUT));
        Pump(10);
    }
}

POINT ScreenPointOf(HWND hWnd, int x, int y, bool windowRelative)
{
    POINT pt = { x, y };
    if (windowRelative)
    {
        RECT rc;
        ::GetWindowRect(hWnd, &rc);
        pt.x += rc.left;
        pt.y += rc.top;
    }
    else
        ::ClientToScreen(hWnd, &pt);
    return pt;
}

// ---------------------------------------------------------------------------------------

Msg M(const char* who, UINT message) { Msg m; m.who = who; m.message = message; return m; }
Msg MW(const char* who, UINT message, WPARAM w) { Msg m = M(who, message); m.wParam = w; m.checkW = true; return m; }
Msg MWL(const char* who, UINT message, WPARAM w, LPARAM l)
{
    Msg m = MW(who, message, w);
    m.lParam = l;
    m.checkL = true;
    return m;
}
Msg Optional(Msg m) { m.optional = true; return m; }

static MessageRecorder* g_pRecorder = NULL;

static LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_pRecorder)
    {
        const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
        g_pRecorder->Add(p->hwnd, p->message, p->wParam, p->lParam);
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

static LRESULT CALLBACK PostedHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE && g_pRecorder)
    {
        const MSG* p = (const MSG*)lParam;
        g_pRecorder->Add(p->hwnd, p->message, p->wParam, p->lParam);
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

MessageRecorder::MessageRecorder()
{
    g_pRecorder = this;
    m_hSent = ::SetWindowsHookExA(WH_CALLWNDPROC, SentHook, NULL, ::GetCurrentThreadId());
    m_hPosted = ::SetWindowsHookExA(WH_GETMESSAGE, PostedHook, NULL, ::GetCurrentThreadId());
}

MessageRecorder::~MessageRecorder()
{
    ::UnhookWindowsHookEx(m_hSent);
    ::UnhookWindowsHookEx(m_hPosted);
    g_pRecorder = NULL;
}

void MessageRecorder::Watch(HWND hWnd, const char* who) { m_watch.push_back({ hWnd, who }); }

void MessageRecorder::Add(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto it = std::find_if(m_watch.begin(), m_watch.end(), [&](const auto& w) { return w.first == hWnd; });
    if (it == m_watch.end())
        return;
    if (!m_only.empty())
    {
        if (std::find(m_only.begin(), m_only.end(), message) == m_only.end())
            return;
    }
    else
    {
        switch (message)
        {
        case WM_PAINT: case WM_NCPAINT: case WM_ERASEBKGND: case WM_NCHITTEST: case WM_SETCURSOR:
        case WM_TIMER: case 0x0118: case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN: case WM_CTLCOLORLISTBOX: case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: case WM_GETOBJECT: case WM_IME_SETCONTEXT: case WM_IME_NOTIFY:
            return;
        }
    }
    Msg m;
    m.who = it->second;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m_log.push_back(m);
}

std::string MessageRecorder::Name(UINT message)
{
    static const struct { UINT id; const char* name; } names[] = {
        { WM_CREATE, "WM_CREATE" }, { WM_DESTROY, "WM_DESTROY" }, { WM_MOVE, "WM_MOVE" },
        { WM_SIZE, "WM_SIZE" }, { WM_ACTIVATE, "WM_ACTIVATE" }, { WM_SETFOCUS, "WM_SETFOCUS" },
        { WM_KILLFOCUS, "WM_KILLFOCUS" }, { WM_ENABLE, "WM_ENABLE" }, { WM_SETTEXT, "WM_SETTEXT" },
        { WM_CLOSE, "WM_CLOSE" }, { WM_SHOWWINDOW, "WM_SHOWWINDOW" }, { WM_SETFONT, "WM_SETFONT" },
        { WM_GETFONT, "WM_GETFONT" }, { WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING" },
        { WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED" }, { WM_NOTIFY, "WM_NOTIFY" },
        { WM_NCCREATE, "WM_NCCREATE" }, { WM_NCDESTROY, "WM_NCDESTROY" }, { WM_NCCALCSIZE, "WM_NCCALCSIZE" },
        { WM_NCACTIVATE, "WM_NCACTIVATE" }, { WM_GETDLGCODE, "WM_GETDLGCODE" }, { WM_KEYDOWN, "WM_KEYDOWN" },
        { WM_KEYUP, "WM_KEYUP" }, { WM_CHAR, "WM_CHAR" }, { WM_SYSKEYDOWN, "WM_SYSKEYDOWN" },
        { WM_INITDIALOG, "WM_INITDIALOG" }, { WM_COMMAND, "WM_COMMAND" }, { WM_LBUTTONDOWN, "WM_LBUTTONDOWN" },
        { WM_LBUTTONUP, "WM_LBUTTONUP" }, { WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK" },
        { WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN" }, { WM_MOUSEWHEEL, "WM_MOUSEWHEEL" },
        { WM_CAPTURECHANGED, "WM_CAPTURECHANGED" }, { WM_CUT, "WM_CUT" }, { WM_COPY, "WM_COPY" },
        { WM_PASTE, "WM_PASTE" }, { WM_CLEAR, "WM_CLEAR" }, { WM_UNDO, "WM_UNDO" },
        { WM_CONTEXTMENU, "WM_CONTEXTMENU" }, { WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE" },
        { WM_GETMINMAXINFO, "WM_GETMINMAXINFO" }, { WM_PARENTNOTIFY, "WM_PARENTNOTIFY" },
    };
    for (const auto& n : names)
        if (n.id == message)
            return n.name;
    char buf[32];
    wsprintfA(buf, "0x%04X", message);
    return buf;
}

static std::string Describe(const Msg& m, bool withParams)
{
    std::ostringstream s;
    s << m.who << " " << MessageRecorder::Name(m.message);
    if (withParams || m.checkW) s << " w=" << (unsigned long long)m.wParam;
    if (withParams || m.checkL) s << " l=" << (long long)m.lParam;
    if (m.optional) s << " (optional)";
    return s.str();
}

std::string MessageRecorder::Compare(const std::vector<Msg>& expected) const
{
    size_t a = 0, e = 0;
    std::string diff;
    while (e < expected.size() || a < m_log.size())
    {
        if (e < expected.size() && a < m_log.size())
        {
            const Msg& x = expected[e];
            const Msg& y = m_log[a];
            bool same = x.who == y.who && x.message == y.message && (!x.checkW || x.wParam == y.wParam) &&
                        (!x.checkL || x.lParam == y.lParam);
            if (same) { ++e; ++a; continue; }
            if (x.optional) { ++e; continue; }
            diff = "first difference at " + std::to_string(a) + ": expected " + Describe(x, false) +
                   ", got " + Describe(y, true);
        }
        else if (e < expected.size())
        {
            if (expected[e].optional) { ++e; continue; }
            diff = "missing: " + Describe(expected[e], false);
        }
        else
            diff = "unexpected: " + Describe(m_log[a], true);
        break;
    }
    if (diff.empty())
        return diff;
    std::string all = diff + "\nexpected:\n";
    for (const Msg& m : expected) all += "  " + Describe(m, false) + "\n";
    all += "actual:\n";
    for (const Msg& m : m_log) all += "  " + Describe(m, true) + "\n";
    return all;
}

// ---------------------------------------------------------------------------------------

COLORREF Pixel(HWND hWnd, int x, int y, bool window)
{
    HDC hDC = window ? ::GetWindowDC(hWnd) : ::GetDC(hWnd);
    COLORREF c = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return c;
}

static HHOOK g_hFailHook = NULL;
static std::string g_failClass;
static bool g_failAll = false;
static int g_vetoed = 0;

static LRESULT CALLBACK FailHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND)
    {
        const CBT_CREATEWNDA* p = (const CBT_CREATEWNDA*)lParam;
        char cls[256] = "";
        ::GetClassNameA((HWND)wParam, cls, sizeof(cls));
        if (g_failAll || lstrcmpiA(cls, g_failClass.c_str()) == 0)
        {
            (void)p;
            ++g_vetoed;
            return 1;   // the system destroys the window and CreateWindowEx returns NULL
        }
    }
    return ::CallNextHookEx(g_hFailHook, code, wParam, lParam);
}

CreationFailer::CreationFailer(const char* className)
{
    g_failAll = className == NULL;
    g_failClass = className ? className : "";
    g_vetoed = 0;
    g_hFailHook = ::SetWindowsHookExA(WH_CBT, FailHook, NULL, ::GetCurrentThreadId());
}

CreationFailer::~CreationFailer()
{
    ::UnhookWindowsHookEx(g_hFailHook);
    g_hFailHook = NULL;
}

int CreationFailer::Vetoed() const { return g_vetoed; }

// The PEB points to the GDI handle table (64-bit PEB offset 0xF8): 0x10000 entries of
// 24 bytes, the object type at byte 14 (0 for a free slot) and on Windows the owning
// process id at byte 8. Wine keeps the table per process and leaves the owner 0.
int GdiObjectCount()
{
    PPEB peb = NtCurrentTeb()->ProcessEnvironmentBlock;
    const BYTE* table = *(const BYTE* const*)((const BYTE*)peb + 0xF8);
    if (table == NULL)
        return -1;
    USHORT pid = (USHORT)::GetCurrentProcessId();
    int n = 0;
    for (unsigned i = 0; i < 0x10000; ++i)
    {
        const BYTE* e = table + i * 24;
        USHORT owner = *(const USHORT*)(e + 8);
        if (e[14] != 0 && (owner == 0 || owner == pid))
            ++n;
    }
    return n;
}

// ---------------------------------------------------------------------------------------

DialogTemplate::DialogTemplate(DWORD style, int x, int y, int cx, int cy, const char* title,
                               const char* font, WORD pointSize)
{
    if (font) style |= DS_SETFONT;
    Word(LOWORD(style)); Word(HIWORD(style));
    Word(0); Word(0);                    // extended style
    m_countPos = m_data.size();
    Word(0);                             // item count
    Word((WORD)x); Word((WORD)y); Word((WORD)cx); Word((WORD)cy);
    Word(0); Word(0);                    // no menu, default class
    Text(title);
    if (font) { Word(pointSize); Text(font); }
}

void DialogTemplate::Text(const char* s)
{
    for (; s && *s; ++s) Word((BYTE)*s);
    Word(0);
}

void DialogTemplate::Align()
{
    if (m_data.size() % 2) Word(0);      // items start on a DWORD boundary
}

DialogTemplate& DialogTemplate::Item(const char* className, const char* text, WORD id, DWORD style,
                                     int x, int y, int cx, int cy, DWORD exStyle)
{
    Align();
    style |= WS_CHILD | WS_VISIBLE;
    Word(LOWORD(style)); Word(HIWORD(style));
    Word(LOWORD(exStyle)); Word(HIWORD(exStyle));
    Word((WORD)x); Word((WORD)y); Word((WORD)cx); Word((WORD)cy);
    Word(id);
    Text(className);
    Text(text);
    Word(0);                             // no creation data
    m_data[m_countPos]++;
    return *this;
}

LPCDLGTEMPLATEA DialogTemplate::Get() { return (LPCDLGTEMPLATEA)m_data.data(); }

} // namespace harness
