// An edit with its own context menu (Undo, Cut, Copy, Paste, Delete, Select All). Each
// command goes through the edit's own message (WM_UNDO, WM_CUT ...), so that a derived
// edit's handlers see it; the same commands routed from a host's menu or toolbar work on
// the edit that has them in its command route.
#pragma once

class QOR15_API CImageMenuEdit : public CEdit
{
    DECLARE_DYNCREATE(CImageMenuEdit)
public:
    CImageMenuEdit();
    virtual ~CImageMenuEdit();

    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Whether a command of the menu applies to the edit as it is now.
    bool IsCommandEnabled(UINT nID) const;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    // The edit's own frame: derived edits call these first and then add their parts.
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();

    DECLARE_MESSAGE_MAP()
};
