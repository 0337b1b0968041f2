#include "testext.h"
#include <afxext.h>
#include <new>

IMPLEMENT_DYNCREATE(CTestExtWnd, CWnd)

static AFX_EXTENSION_MODULE testextDLL = { FALSE, NULL, NULL, NULL, NULL };

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(testextDLL, hInstance))
            return FALSE;
        new (std::nothrow) CDynLinkLibrary(testextDLL, FALSE);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
        AfxTermExtensionModule(testextDLL, FALSE);
    return TRUE;
}
