// Public interface of qor15.dll.
#pragma once
#include <afxwin.h>

#ifdef QOR15_BUILD
#define QOR15_API __declspec(dllexport)
#else
#define QOR15_API __declspec(dllimport)
#endif
