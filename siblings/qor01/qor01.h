// Public interface of qor01.dll, the family's utility library.
#pragma once
#include <afxwin.h>
#include <vector>

#ifdef QOR01_BUILD
#define QOR01_API __declspec(dllexport)
#else
#define QOR01_API __declspec(dllimport)
#endif

#include "StringUtils.h"
#include "TextArray.h"
#include "SystemInfo.h"
#include "DateTime.h"
#include "AppLogger.h"
#include "FileSystem.h"
