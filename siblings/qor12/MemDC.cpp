#include "qor12.h"

CMemDC::CMemDC(CDC* pDC, const CRect& rect) : m_pTarget(pDC), m_rect(rect)
{
    m_rect.NormalizeRect();
    if (m_pTarget && !m_rect.IsRectEmpty() && CreateCompatibleDC(m_pTarget) &&
        m_bitmap.CreateCompatibleBitmap(m_pTarget, m_rect.Width(), m_rect.Height()))
    {
        m_bMemory = true;
        m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
        // Callers draw in the target's coordinates.
        SetViewportOrg(-m_rect.left, -m_rect.top);
        // Start from what the target shows, so that partial drawing keeps the rest.
        ::BitBlt(m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(),
                 m_pTarget->GetSafeHdc(), m_rect.left, m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, ::GetCurrentObject(m_pTarget->GetSafeHdc(), OBJ_FONT));
    }
    else
    {
        // No memory: draw straight into the target (it flickers, but nothing is lost).
        if (m_hDC) DeleteDC();
        if (m_pTarget) { m_hDC = m_pTarget->GetSafeHdc(); m_hAttribDC = m_hDC; }
    }
}

CMemDC::~CMemDC()
{
    if (m_bMemory)
    {
        ::BitBlt(m_pTarget->GetSafeHdc(), m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(),
                 m_hDC, m_rect.left, m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_hOldBitmap);
        DeleteDC();
    }
    else
    {
        m_hDC = m_hAttribDC = NULL;   // the target's DC is not ours
    }
}
