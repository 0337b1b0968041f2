// Public interface of qor17.dll.
#pragma once
#include <afxwin.h>

#ifdef QOR17_BUILD
#define QOR17_API __declspec(dllexport)
#else
#define QOR17_API __declspec(dllimport)
#endif
