// CDropBaseEdit: a single-line edit with a drop button in its frame that opens a popup
// (a drop window) under the edit. Subclasses create the popup and fill it through the
// virtual hooks; the base opens, places and closes it.
#pragma once
#include <afxwin.h>
#include <afxext.h>
#include <qor15.h>

class CDropWnd;

class AFX_EXT_CLASS CDropBaseEdit : public CImageMenuEdit
{
    DECLARE_DYNCREATE(CDropBaseEdit)
public:
    // Sent to an edit, it closes the drop window: wParam 1 accepted, anything else
    // cancelled; lParam is not read; the result is 0.
    static const UINT WM_CLOSE_DROPDOWN_WND;

    virtual ~CDropBaseEdit();

    // Call once the window exists (created or subclassed): lays out the drop button.
    void Init();
    void SetEnterKeyOptions(bool bEnterShowsDropWnd, bool bNotifyParentOnClose);
    void SetDropWndFont(const LOGFONTA& lf);
    CFont* GetDropWndFont() { return m_pDropWndFont; }

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CDropBaseEdit(DWORD crDropWndBk = ::GetSysColor(COLOR_WINDOW));

    // Hooks for subclasses, in this order.
    virtual void DrawIcon(const CRect& rcIcon);
    virtual bool GetDropWndRightAligned() const;
    virtual void GetMoveWndFinalTweak(CRect& rc) const;
    virtual bool CanShowDropDown();
    virtual void UpdateDropWnd();
    virtual void OnDropWndChanged(bool bFlag);
    virtual void LoadData();
    virtual void SaveData();
    virtual void OnLoosingFocus();
public:
    // Places the drop window again (for example after the application's window moved).
    virtual void OnAppMove();

protected:
    CDropWnd* GetDropWnd() { return m_pDropWnd; }
    // Takes ownership of pDropWnd (unless it is null or already created) and creates
    // its window hidden.
    bool CreateDropWnd(CDropWnd* pDropWnd, bool bResizable);
    void ShowDropWnd(bool bShow, bool bSetFocus, bool bOk);
    // Copies the parent's font for the drop window.
    void CreateDropWndFont();
    void DoDrawButton(bool bDraw) { m_bDrawButton = bDraw; }
    void DoDrawIcon(bool bDraw) { m_bDrawIcon = bDraw; }
    void DoUpdateText(bool bUpdate) { m_bUpdateText = bUpdate; }
    bool AllowUpdateText() const { return m_bUpdateText; }
    // Paints the button: 0 normal, 1 pressed, 2 disabled (always 2 while disabled).
    void DrawButton(int nState);
    void RedrawIcon();

    afx_msg void OnDestroy();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnCloseDropWnd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClear(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    bool m_bDrawButton;
    bool m_bDrawIcon;
    bool m_bUpdateText;
    bool m_bEnterShowsDropWnd;
    bool m_bNotifyParentOnClose;
    int m_nButtonState;
    CDropWnd* m_pDropWnd;
    CFont* m_pDropWndFont;
    CBrush m_brDropWndBk;
    CRect m_rcButton;
    CRect m_rcIcon;

private:
    void MoveDropWnd();
    bool IsPointOnButton(CPoint& pt) const;
    bool IsDropWndVisible() const;
    bool HasLiveDropWnd() const;
    bool IsInDropWnd(HWND hWnd) const;
    void DeleteDropWndFont();
    LRESULT DefaultThenUpdate();

    // The drop window calls the hooks of its edit.
    friend class CDropWnd;
};
