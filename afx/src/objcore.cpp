// Run-time classes, their registration per module, and extension-module chaining.
#include "afximpl.h"
#include <string.h>

AFX_MODULE_STATE* AfxGetModuleState()
{
    static AFX_MODULE_STATE state;
    return &state;
}

HMODULE AfxModuleOfAddress(const void* p)
{
    HMODULE h = NULL;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         (LPCSTR)p, &h);
    return h;
}

// CObject's record is written out by hand: it has no base class.
const CRuntimeClass CObject::classCObject = { "CObject", sizeof(CObject), 0xFFFF, NULL, &CObject::_GetBaseClass, NULL, NULL };
CRuntimeClass* PASCAL CObject::_GetBaseClass() { return NULL; }
CRuntimeClass* PASCAL CObject::GetThisClass() { return const_cast<CRuntimeClass*>(&classCObject); }
CRuntimeClass* CObject::GetRuntimeClass() const { return GetThisClass(); }
static const AFX_CLASSINIT _init_CObject(RUNTIME_CLASS(CObject));

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject != NULL && pObject->IsKindOf(pClass) ? pObject : NULL;
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != NULL; p = p->m_pfnGetBaseClass ? (*p->m_pfnGetBaseClass)() : NULL)
        if (p == pBaseClass)
            return TRUE;
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CAfxLock lock;
    for (const auto& e : pState->m_classes)
        if (strcmp(e.pClass->m_lpszClassName, lpszClassName) == 0)
            return e.pClass;
    for (CDynLinkLibrary* pDLL = pState->m_libraryList; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
    {
        auto it = pState->m_claimed.find(pDLL->m_hModule);
        if (it == pState->m_claimed.end())
            continue;
        for (CRuntimeClass* pClass : it->second)
            if (strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
                return pClass;
    }
    return NULL;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass ? pClass->CreateObject() : NULL;
}

// Runs during the static initialisation of the module that holds the class; the
// module is found from the address of the class record.
AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CAfxLock lock;
    pState->m_classes.push_back({ pNewClass, AfxModuleOfAddress(pNewClass) });
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (hModule == NULL)
        return FALSE;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CAfxLock lock;
    if (!state.bInitialized)
    {
        std::vector<CRuntimeClass*>& claimed = pState->m_claimed[hModule];
        auto& classes = pState->m_classes;
        for (auto it = classes.begin(); it != classes.end();)
        {
            if (it->hModule == hModule)
            {
                claimed.push_back(it->pClass);
                it = classes.erase(it);
            }
            else
                ++it;
        }
        state.hModule = hModule;
        state.hResource = hModule;
        state.pFirstSharedClass = claimed.empty() ? NULL : claimed.front();
        state.pFirstSharedFactory = NULL;
        state.bInitialized = TRUE;
    }
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized && !bAll)
        return;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    std::vector<CDynLinkLibrary*> doomed;
    {
        CAfxLock lock;
        for (CDynLinkLibrary* p = pState->m_libraryList; p != NULL; p = p->m_pNextDLL)
            if (bAll || p->m_hModule == state.hModule)
                doomed.push_back(p);
    }
    for (CDynLinkLibrary* p : doomed)
        delete p;      // the destructor unlinks it
    CAfxLock lock;
    pState->m_claimed.erase(state.hModule);
    auto& classes = pState->m_classes;
    for (auto it = classes.begin(); it != classes.end();)
        it = it->hModule == state.hModule ? classes.erase(it) : it + 1;
    state.bInitialized = FALSE;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource),
      m_pFirstSharedClass(state.pFirstSharedClass), m_bSystem(bSystem)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CAfxLock lock;
    m_pNextDLL = pState->m_libraryList;
    pState->m_libraryList = this;
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_pFirstSharedClass(NULL), m_bSystem(FALSE)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CAfxLock lock;
    m_pNextDLL = pState->m_libraryList;
    pState->m_libraryList = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CAfxLock lock;
    for (CDynLinkLibrary** pp = &pState->m_libraryList; *pp != NULL; pp = &(*pp)->m_pNextDLL)
        if (*pp == this)
        {
            *pp = m_pNextDLL;
            break;
        }
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE hApp = AfxGetResourceHandle();
    if (::FindResourceA(hApp, lpszName, lpszType) != NULL)
        return hApp;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CAfxLock lock;
    for (CDynLinkLibrary* p = pState->m_libraryList; p != NULL; p = p->m_pNextDLL)
        if (p->m_hResource != NULL && ::FindResourceA(p->m_hResource, lpszName, lpszType) != NULL)
            return p->m_hResource;
    return hApp;
}

// Strings live in blocks of 16: the block resource tells which module holds the id.
BOOL CString::LoadString(UINT nID)
{
    LPCSTR block = MAKEINTRESOURCEA((nID >> 4) + 1);
    HINSTANCE h = AfxFindResourceHandle(block, (LPCSTR)RT_STRING);
    char buf[4096];   // a string resource holds at most 4097 characters
    int n = ::LoadStringA(h, nID, buf, sizeof(buf));
    if (n <= 0)
        return FALSE;
    *this = CString(buf, n);
    return TRUE;
}
