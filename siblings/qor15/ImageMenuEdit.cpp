#include "qor15.h"

IMPLEMENT_DYNCREATE(CImageMenuEdit, CEdit)

BEGIN_MESSAGE_MAP(CImageMenuEdit, CEdit)
    ON_WM_CONTEXTMENU()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

namespace {

struct MenuItem { UINT nID; const char* text; };
const MenuItem kItems[] = {
    { ID_EDIT_UNDO, "&Undo" },
    { 0, NULL },
    { ID_EDIT_CUT, "Cu&t" },
    { ID_EDIT_COPY, "&Copy" },
    { ID_EDIT_PASTE, "&Paste" },
    { ID_EDIT_CLEAR, "&Delete" },
    { 0, NULL },
    { ID_EDIT_SELECT_ALL, "Select &All" },
};

} // namespace

CImageMenuEdit::CImageMenuEdit() = default;
CImageMenuEdit::~CImageMenuEdit() = default;

bool CImageMenuEdit::IsCommandEnabled(UINT nID) const
{
    if (!::IsWindow(m_hWnd)) return false;
    DWORD style = GetStyle();
    bool bReadOnly = (style & ES_READONLY) != 0;
    bool bPassword = (style & ES_PASSWORD) != 0;
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    bool bSelection = nEnd > nStart;
    int nLength = GetWindowTextLength();
    switch (nID)
    {
    case ID_EDIT_UNDO:       return !bReadOnly && CanUndo();
    case ID_EDIT_CUT:        return !bReadOnly && !bPassword && bSelection;
    case ID_EDIT_COPY:       return !bPassword && bSelection;
    case ID_EDIT_PASTE:      return !bReadOnly && ::IsClipboardFormatAvailable(CF_TEXT);
    case ID_EDIT_CLEAR:      return !bReadOnly && bSelection;
    case ID_EDIT_SELECT_ALL: return nLength > 0 && !(nStart == 0 && nEnd >= nLength);
    default:                 return false;
    }
}

void CImageMenuEdit::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (::GetFocus() != m_hWnd)
        SetFocus();
    // From the keyboard (Shift+F10, the menu key) the point is (-1, -1): open at the caret.
    if (point.x == -1 && point.y == -1)
    {
        CPoint caret;
        ::GetCaretPos(&caret);
        CRect rc;
        GetClientRect(&rc);
        if (!rc.PtInRect(caret)) caret = CPoint(rc.left, rc.top);
        ClientToScreen(&caret);
        point = caret;
    }
    bool bReadOnly = (GetStyle() & ES_READONLY) != 0;
    CMenu menu;
    if (!menu.CreatePopupMenu()) return;
    for (const MenuItem& item : kItems)
    {
        if (item.nID == 0)
        {
            menu.AppendMenu(MF_SEPARATOR);
            continue;
        }
        // A read-only edit offers only what does not change the text.
        if (bReadOnly && item.nID != ID_EDIT_COPY && item.nID != ID_EDIT_SELECT_ALL)
            continue;
        menu.AppendMenu(MF_STRING | (IsCommandEnabled(item.nID) ? MF_ENABLED : MF_GRAYED), item.nID, item.text);
    }
    // Separators left at the top or doubled by the removed items go.
    for (int i = (int)menu.GetMenuItemCount() - 1; i >= 0; --i)
    {
        bool bSep = (menu.GetMenuState(i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
        bool bPrevSep = i == 0 || (menu.GetMenuState(i - 1, MF_BYPOSITION) & MF_SEPARATOR) != 0;
        bool bLast = i == (int)menu.GetMenuItemCount() - 1;
        if (bSep && (bPrevSep || bLast))
            menu.DeleteMenu(i, MF_BYPOSITION);
    }
    // The choice arrives as WM_COMMAND to this edit (OnCommand below).
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

BOOL CImageMenuEdit::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nCode == CN_COMMAND && pExtra == NULL && pHandlerInfo == NULL)
    {
        UINT message = 0;
        switch (nID)
        {
        case ID_EDIT_UNDO:  message = WM_UNDO; break;
        case ID_EDIT_CUT:   message = WM_CUT; break;
        case ID_EDIT_COPY:  message = WM_COPY; break;
        case ID_EDIT_PASTE: message = WM_PASTE; break;
        case ID_EDIT_CLEAR: message = WM_CLEAR; break;
        case ID_EDIT_SELECT_ALL:
            SetSel(0, -1);
            return TRUE;
        }
        if (message != 0)
        {
            if (IsCommandEnabled(nID))
                SendMessage(message);
            return TRUE;
        }
    }
    return CEdit::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CImageMenuEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Menu commands (no control window) are the edit's own; the rest goes the usual way.
    if (lParam == 0 && OnCmdMsg(LOWORD(wParam), CN_COMMAND, NULL, NULL))
        return TRUE;
    return CEdit::OnCommand(wParam, lParam);
}

void CImageMenuEdit::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* /*lpncsp*/)
{
    // The edit's border as the system lays it out; derived edits take their parts from
    // the client rectangle this leaves.
    Default();
}

void CImageMenuEdit::OnNcPaint()
{
    Default();
}
