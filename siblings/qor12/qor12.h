// Public interface of qor12.dll, the family's graphics library.
#pragma once
#include <afxwin.h>

#ifdef QOR12_BUILD
#define QOR12_API __declspec(dllexport)
#else
#define QOR12_API __declspec(dllimport)
#endif

#include "MemDC.h"
#include "QorIcon.h"
#include "GraphicsUtils.h"
