// Public interface of qor15.dll, the family's UI component library.
#pragma once
#include <afxwin.h>
#include <afxext.h>

#ifdef QOR15_BUILD
#define QOR15_API __declspec(dllexport)
#else
#define QOR15_API __declspec(dllimport)
#endif

#include <qor12.h>
#include "ImageMenuEdit.h"
#include "ShadeProps.h"
#include "QorButton.h"
