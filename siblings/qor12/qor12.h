// Public interface of qor12.dll.
#pragma once
#include <afxwin.h>

#ifdef QOR12_BUILD
#define QOR12_API __declspec(dllexport)
#else
#define QOR12_API __declspec(dllimport)
#endif
