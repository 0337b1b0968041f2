// CDropWnd: base of the popups that the drop-down edits open. It holds the size the
// edit's placement reads, keeps Tab among its controls and relays close requests from
// inside it to its edit. The edit creates, places, shows and hides it.
#pragma once
#include <afxwin.h>
#include "DropBaseEdit.h"

class CDropWnd : public CWnd
{
public:
    CDropWnd();
    virtual ~CDropWnd();

    // Size wishes, as two pairs; 0 means not set (the height then defaults to 125).
    int m_nMinWidth;
    int m_nHeight;
    int m_nMaxWidth;
    int m_nMaxHeight;
    CDropBaseEdit* m_pEdit;   // the owning edit, set once the window exists; not owned

    // Each stores its pair and, when either value changed, has the edit place the popup.
    void SetMinWidthAndHeight(int nMinWidth, int nHeight);
    void SetMaxWidthAndHeight(int nMaxWidth, int nMaxHeight);

    // Focus on entry (first without Shift, last with Shift) and the ends of the Tab cycle.
    virtual CWnd* GetFirstFocusWnd() = 0;
    virtual CWnd* GetLastFocusWnd() = 0;
    // A wheel turn over the edit while the popup is open; zDelta in multiples of 120.
    virtual void OnEditMouseWheel(bool bVertical, short zDelta);

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg LRESULT OnCloseRequest(WPARAM wParam, LPARAM lParam);

    // For derived popups, which cannot reach the edit's protected hooks themselves.
    void NotifyEditChanged(bool bFlag);

    DECLARE_MESSAGE_MAP()

private:
    void SetPair(int& nFirst, int& nSecond, int nNewFirst, int nNewSecond);
};
