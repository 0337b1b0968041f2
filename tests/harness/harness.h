// Shared helpers for tests of real windows under Wine: pumping, real input, message
// recording, pixels, forced creation failures, live GDI objects and dialog templates.
#pragma once
#include <afxwin.h>
#include <string>
#include <vector>

namespace harness {

// Dispatches queued messages (through the thread's PreTranslateMessage) for at least ms.
void Pump(int ms = 0);
// Shows the window, makes it foreground and active, and pumps until it is.
bool MakeForeground(HWND hWnd);

// Real input through SendInput; each call pumps afterwards.
void MouseMove(POINT ptScreen);
void Click(POINT ptScreen, bool right = false);
void MouseDown(POINT ptScreen);
void MouseUp(POINT ptScreen);
void Wheel(POINT ptScreen, int delta, bool horizontal = false);
void Key(WORD vk, bool shift = false, bool ctrl = false, bool alt = false);
void Type(const char* text);
// A key held down (for example Shift while something else happens), then released.
void KeyDown(WORD vk);
void KeyUp(WORD vk);
POINT ScreenPointOf(HWND hWnd, int x, int y, bool windowRelative = false);

// Records what chosen windows receive (sent and posted), tagged by name.
struct Msg
{
    std::string who;
    UINT message;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool checkW = false;
    bool checkL = false;
    bool optional = false;   // may or may not arrive
};
Msg M(const char* who, UINT message);
Msg MW(const char* who, UINT message, WPARAM wParam);
Msg MWL(const char* who, UINT message, WPARAM wParam, LPARAM lParam);
Msg Optional(Msg m);

class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    void Watch(HWND hWnd, const char* who);
    // Messages to record; by default everything but paint, hit-test, cursor and timer noise.
    void Only(std::vector<UINT> messages) { m_only = std::move(messages); }
    void Clear() { m_log.clear(); }
    const std::vector<Msg>& Log() const { return m_log; }
    // Empty when the log matches; otherwise the first difference and both sequences.
    std::string Compare(const std::vector<Msg>& expected) const;
    static std::string Name(UINT message);

    void Add(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
private:
    std::vector<std::pair<HWND, std::string>> m_watch;
    std::vector<UINT> m_only;
    std::vector<Msg> m_log;
    HHOOK m_hSent = NULL;
    HHOOK m_hPosted = NULL;
};

// A pixel as painted: client coordinates, or window coordinates when window is true.
COLORREF Pixel(HWND hWnd, int x, int y, bool window = false);

// While alive, creation of windows of the class (or of every window when NULL) fails.
class CreationFailer
{
public:
    explicit CreationFailer(const char* className = NULL);
    ~CreationFailer();
    int Vetoed() const;
};

// Live GDI objects of this process, counted in the shared handle table.
int GdiObjectCount();

// An in-memory dialog template.
class DialogTemplate
{
public:
    DialogTemplate(DWORD style, int x, int y, int cx, int cy, const char* title,
                   const char* font = "MS Shell Dlg", WORD pointSize = 8);
    DialogTemplate& Item(const char* className, const char* text, WORD id, DWORD style,
                         int x, int y, int cx, int cy, DWORD exStyle = 0);
    LPCDLGTEMPLATEA Get();
private:
    void Word(WORD w) { m_data.push_back(w); }
    void Text(const char* s);
    void Align();
    std::vector<WORD> m_data;
    size_t m_countPos = 0;
};

} // namespace harness
