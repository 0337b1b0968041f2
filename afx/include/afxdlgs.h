// Dialog umbrella; the common file and colour dialogs are not part of this layer.
#pragma once
#include "afxwin.h"
#include "afxdlg.h"
#include <commdlg.h>
