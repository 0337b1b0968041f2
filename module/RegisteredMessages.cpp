// Registered when the DLL is loaded, before its entry point runs (static initialisation).
#include "RegisteredMessages.h"

// The operating system does not fail these for valid strings; a failure would give 0,
// which no window handles, so the result is not checked.
const UINT WM_CLOSE_POPUP = ::RegisterWindowMessageA(QOR16_CLOSE_POPUP_STRING);
const UINT WM_SELLIST_SELCHANGE = ::RegisterWindowMessageA(QOR16_SELLIST_SELCHANGE_STRING);

const CString g_strPopupTitle("");
const CString g_strRootDir("C:\\");
const CString g_strEmpty("");
