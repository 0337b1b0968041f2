// Private state of the framework layer: per-thread window state and handle maps,
// process-wide class and library lists.
#pragma once
#include "afxwin.h"
#include <unordered_map>
#include <vector>

inline void AfxSetTempHandle(CWnd* p, HWND h) { p->m_hWnd = h; }
inline void AfxSetTempHandle(CDC* p, HDC h) { p->m_hDC = p->m_hAttribDC = h; }
inline void AfxSetTempHandle(CGdiObject* p, HGDIOBJ h) { p->m_hObject = h; }
inline void AfxSetTempHandle(CMenu* p, HMENU h) { p->m_hMenu = h; }

// A handle map: permanent objects (attached by their owners) and temporary wrappers made by
// FromHandle, which the idle step deletes. Each thread has its own, as windows do.
template <class TObj, class THandle>
struct CHandleMap
{
    std::unordered_map<THandle, TObj*> m_permanent;
    std::unordered_map<THandle, TObj*> m_temporary;

    TObj* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    TObj* FromHandle(THandle h)
    {
        if (h == nullptr)
            return nullptr;
        if (TObj* p = LookupPermanent(h))
            return p;
        auto it = m_temporary.find(h);
        if (it != m_temporary.end())
            return it->second;
        TObj* p = new TObj;
        AfxSetTempHandle(p, h);
        m_temporary[h] = p;
        return p;
    }
    void SetPermanent(THandle h, TObj* p) { m_permanent[h] = p; }
    void RemoveHandle(THandle h) { m_permanent.erase(h); }
    void DeleteTemp()
    {
        auto temps = std::move(m_temporary);
        m_temporary.clear();
        for (auto& kv : temps)
        {
            AfxSetTempHandle(kv.second, nullptr);
            delete kv.second;
        }
    }
};

struct AFX_THREAD_STATE
{
    MSG m_lastSentMsg {};            // the message being handled, for Default()
    CWnd* m_pWndInit = nullptr;      // the object the next created window attaches to
    HHOOK m_hHookOldCbtFilter = nullptr;
    CWinThread* m_pThread = nullptr;
};

AFX_THREAD_STATE* AfxGetThreadState();

// Temporary-object support used by the handle maps.
CHandleMap<CWnd, HWND>& AfxWndMap();
CHandleMap<CDC, HDC>& AfxDCMap();
CHandleMap<CGdiObject, HGDIOBJ>& AfxGdiMap();
CHandleMap<CMenu, HMENU>& AfxMenuMap();

// Process-wide lists behind run-time classes and extension modules.
struct AFX_MODULE_STATE
{
    CRITICAL_SECTION m_cs;
    struct ClassEntry { CRuntimeClass* pClass; HMODULE hModule; };
    std::vector<ClassEntry> m_classes;                                  // not claimed by a library
    std::unordered_map<HMODULE, std::vector<CRuntimeClass*>> m_claimed; // claimed by AfxInitExtensionModule
    CDynLinkLibrary* m_libraryList = nullptr;
    CWinApp* m_pCurrentWinApp = nullptr;
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    AFX_MODULE_STATE() { InitializeCriticalSection(&m_cs); }
};

AFX_MODULE_STATE* AfxGetModuleState();

struct CAfxLock
{
    CAfxLock() { EnterCriticalSection(&AfxGetModuleState()->m_cs); }
    ~CAfxLock() { LeaveCriticalSection(&AfxGetModuleState()->m_cs); }
};

HMODULE AfxModuleOfAddress(const void* p);
void AfxDeleteTempMaps();
