// Off-screen drawing of one rectangle of a target DC: draw into this object with the
// target's coordinates; the rectangle reaches the target in one copy when it is destroyed.
#pragma once

class QOR12_API CMemDC : public CDC
{
public:
    CMemDC(CDC* pDC, const CRect& rect);
    virtual ~CMemDC();

    CMemDC* operator->() { return this; }
    operator CMemDC*() { return this; }

private:
    CDC* m_pTarget;
    CRect m_rect;
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = NULL;
    bool m_bMemory = false;   // false: drawing goes straight to the target (no memory DC)
};
