// A window class that lives in a separate extension DLL.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CTestExtWnd : public CWnd
{
    DECLARE_DYNCREATE(CTestExtWnd)
public:
    int m_nMagic = 4711;
};
