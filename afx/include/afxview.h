// Views: enough of CView and CFormView for a real form window that holds controls.
#pragma once
#include "afxwnd.h"

struct CCreateContext;

class AFX_API CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
protected:
    CView() = default;
    virtual void OnDraw(CDC* pDC);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class AFX_API CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
protected:
    CScrollView() = default;
};

// A child dialog window made from a dialog template, living inside a frame or any parent.
class AFX_API CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)
public:
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = NULL) override;
    virtual void OnInitialUpdate();
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    explicit CFormView(UINT nIDTemplate);
    explicit CFormView(LPCSTR lpszTemplateName);
    LPCSTR m_lpszTemplateName;
    virtual void OnDraw(CDC* pDC) override;
};
