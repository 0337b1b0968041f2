// Window messages private to the library's windows, and the module's load-time constants.
#pragma once
#include <afxwin.h>

// Registration strings: any module registering the same string gets the same id.
#define QOR16_CLOSE_DROPDOWN_WND_STRING "359723E9-4D6A-407c-AD5D-F4890DC0A213"
#define QOR16_CLOSE_POPUP_STRING        "ED8DAE22-D368-4c94-9251-61FD4B421216"
#define QOR16_SELLIST_SELCHANGE_STRING  "207F4C0F-9444-4395-90EE-113E4D36FA7F"

// A control inside a popup asks the popup to close: wParam 1 accepted, 0 cancelled.
extern const UINT WM_CLOSE_POPUP;
// The selection list tells its popup the current entry moved: lParam 1 keyboard, 0 click.
extern const UINT WM_SELLIST_SELCHANGE;

extern const CString g_strPopupTitle;   // title of every popup window: empty
extern const CString g_strRootDir;      // "C:\" (three characters), the directory fallback
extern const CString g_strEmpty;
