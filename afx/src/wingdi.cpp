// Device contexts and GDI objects.
#include "afximpl.h"

CHandleMap<CDC, HDC>& AfxDCMap()
{
    static thread_local CHandleMap<CDC, HDC> map;
    return map;
}

CHandleMap<CGdiObject, HGDIOBJ>& AfxGdiMap()
{
    static thread_local CHandleMap<CGdiObject, HGDIOBJ> map;
    return map;
}

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CGdiObject::~CGdiObject() { DeleteObject(); }
CGdiObject::operator HGDIOBJ() const { return this == NULL ? NULL : m_hObject; }
HGDIOBJ CGdiObject::GetSafeHandle() const { return this == NULL ? NULL : m_hObject; }
CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) { return AfxGdiMap().FromHandle(hObject); }
void PASCAL CGdiObject::DeleteTempMap() { AfxGdiMap().DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return FALSE;
    AfxGdiMap().SetPermanent(hObject, this);
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != NULL && AfxGdiMap().LookupPermanent(hObject) == this)
        AfxGdiMap().RemoveHandle(hObject);
    m_hObject = NULL;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    HDC hDC = pDC ? pDC->m_hAttribDC : ::GetDC(NULL);
    lf.lfHeight = -MulDiv(nPointSize, ::GetDeviceCaps(hDC, LOGPIXELSY), 720);   // tenths of a point
    if (pDC == NULL)
        ::ReleaseDC(NULL, hDC);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    HINSTANCE h = AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), (LPCSTR)RT_BITMAP);
    return Attach(::LoadBitmapA(h, MAKEINTRESOURCEA(nIDResource)));
}

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CDC::~CDC() { if (m_hDC != NULL) DeleteDC(); }
CDC::operator HDC() const { return this == NULL ? NULL : m_hDC; }
HDC CDC::GetSafeHdc() const { return this == NULL ? NULL : m_hDC; }
CDC* PASCAL CDC::FromHandle(HDC hDC) { return AfxDCMap().FromHandle(hDC); }
void PASCAL CDC::DeleteTempMap() { AfxDCMap().DeleteTemp(); }

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL)
        return FALSE;
    AfxDCMap().SetPermanent(hDC, this);
    m_hDC = m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != NULL && AfxDCMap().LookupPermanent(hDC) == this)
        AfxDCMap().RemoveHandle(hDC);
    m_hDC = m_hAttribDC = NULL;
    return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC->GetSafeHdc())); }

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

CGdiObject* CDC::SelectGdiObject(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex) { return SelectGdiObject(::GetStockObject(nIndex)); }
CPen* CDC::SelectObject(CPen* pPen) { return (CPen*)SelectGdiObject(pPen->GetSafeHandle()); }
CBrush* CDC::SelectObject(CBrush* pBrush) { return (CBrush*)SelectGdiObject(pBrush->GetSafeHandle()); }
CFont* CDC::SelectObject(CFont* pFont) { return (CFont*)SelectGdiObject(pFont->GetSafeHandle()); }
CBitmap* CDC::SelectObject(CBitmap* pBitmap) { return (CBitmap*)SelectGdiObject(pBitmap->GetSafeHandle()); }
CGdiObject* CDC::SelectObject(CGdiObject* pObject) { return SelectGdiObject(pObject->GetSafeHandle()); }

// Opaque text output of nothing fills the rectangle; like the framework, this leaves
// the background colour set to clr.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rc = { x, y, x + cx, y + cy };
    FillSolidRect(&rc, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { Attach(::BeginPaint(m_hWnd, &m_ps)); }
CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); Detach(); }
CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) { Attach(::GetDC(m_hWnd)); }
CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }
CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) { Attach(::GetWindowDC(m_hWnd)); }
CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }
