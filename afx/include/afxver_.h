// Build switches shared by every header of the framework layer.
#pragma once

#ifndef WINVER
#define WINVER 0x0A00
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <tchar.h>

// The framework layer is one DLL; its own sources define _AFX_BUILD.
#ifdef _AFX_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_DATA_EXPORT __declspec(dllexport)
#define AFX_DATA_IMPORT __declspec(dllimport)

// Extension DLLs define _AFXEXT while they build; their hosts import.
#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API   AFX_CLASS_EXPORT
#define AFX_EXT_DATA  AFX_DATA_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API   AFX_CLASS_IMPORT
#define AFX_EXT_DATA  AFX_DATA_IMPORT
#endif

#define AFXAPI   __stdcall
#define AFX_CDECL __cdecl
#define AFX_MSG_CALL
#define afx_msg

#ifndef _countof
#define _countof(a) (sizeof(a) / sizeof((a)[0]))
#endif

#include <assert.h>
#ifdef _DEBUG
#define ASSERT(f) assert(f)
#define VERIFY(f) assert(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif
#define ASSERT_VALID(p) ((void)0)
#define ASSERT_KINDOF(cls, p) ASSERT((p)->IsKindOf(RUNTIME_CLASS(cls)))
#define TRACE(...) ((void)0)
#define UNUSED_ALWAYS(x) (void)(x)
