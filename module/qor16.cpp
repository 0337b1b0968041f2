// Entry point of qor16.dll, an extension module of the framework: at load it chains its
// run-time classes and resources into the host's framework, at unload it takes them out.
#include <afxwin.h>
#include <afxext.h>
#include <new>

static AFX_EXTENSION_MODULE qor16DLL = { FALSE, NULL, NULL, NULL, NULL };

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(qor16DLL, hInstance))
            return FALSE;
        // Owned by the framework's library list from here on; never deleted by us.
        // If it cannot be allocated the module still loads, without its classes chained.
        new (std::nothrow) CDynLinkLibrary(qor16DLL, FALSE);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(qor16DLL, FALSE);
    }
    return TRUE;
}
