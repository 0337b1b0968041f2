// Extensions umbrella: form views and extension-DLL support.
#pragma once
#include "afxwin.h"
#include "afxview.h"
#include "afxdll_.h"
