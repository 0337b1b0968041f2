// Public interface of qor16.dll: include this, link qor16's import library.
#pragma once
#include <afxwin.h>
#include <afxext.h>
#include "DropBaseEdit.h"
