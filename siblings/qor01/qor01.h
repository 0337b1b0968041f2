// Public interface of qor01.dll.
#pragma once
#include <afxwin.h>

#ifdef QOR01_BUILD
#define QOR01_API __declspec(dllexport)
#else
#define QOR01_API __declspec(dllimport)
#endif
