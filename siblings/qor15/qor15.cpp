// Entry point of qor15.dll. Its window classes carry run-time class records, so it is an
// extension module of the framework: loading chains them into the host's framework and
// unloading takes them out again, so that no record of an unloaded module stays listed.
#include "qor15.h"
#include <new>

static AFX_EXTENSION_MODULE qor15DLL = { FALSE, NULL, NULL, NULL, NULL };

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(qor15DLL, hInstance))
            return FALSE;
        new (std::nothrow) CDynLinkLibrary(qor15DLL, FALSE);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(qor15DLL, FALSE);
    }
    return TRUE;
}
