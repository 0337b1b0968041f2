// Extension-module support: an extension DLL chains its run-time classes and its
// resources into the framework's lists, so hosts find both as if they were their own.
#pragma once
#include "afxcmdtarget.h"

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;   // the classes this module registered
    void* pFirstSharedFactory;
};

class AFX_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;
    CRuntimeClass* m_pFirstSharedClass;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL = NULL;
};

// Claims the run-time classes the DLL's static objects registered; FALSE on a bad record.
AFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes and deletes the module's CDynLinkLibrary objects (bAll: every library).
AFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
