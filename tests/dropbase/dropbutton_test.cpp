// Placement of the popup, the frame with its button and icon strip, the button's looks on
// real pixels, mouse tracking, the popup font and the GDI objects left after destroy.
#include "dropbase_fixture.h"

static CRect WorkArea()
{
    CRect rc;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

TEST_F(DropBaseTest, WidthFollowsTheSizePairs)
{
    Ready();
    const int e = EditRect().Width();
    struct Row { int nMin, nMax, width; };
    const Row rows[] = {
        { 0, 0, e },                 // neither: as wide as the edit
        { 0, e - 30, e - 30 },       // only a maximum below the edit
        { 0, e + 30, e },            // only a maximum above it
        { e + 40, 0, e + 40 },       // a minimum above the edit
        { e - 20, 0, e },            // a minimum below it
        { e + 40, e + 20, e + 20 },  // a maximum below the minimum wins
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(::testing::Message() << "min " << r.nMin << " max " << r.nMax);
        Edit().Drop()->SetSizes(r.nMin, 90, r.nMax);
        Edit().OnAppMove();
        CRect rc = DropRect();
        EXPECT_EQ(r.width, rc.Width());
        EXPECT_EQ(90, rc.Height());
        EXPECT_EQ(EditRect().left, rc.left);
        EXPECT_EQ(EditRect().bottom, rc.top);
    }
    Edit().Drop()->SetSizes(0, 0, 0);
    EXPECT_EQ(125, DropRect().Height()) << "the default height";

    Edit().m_bRightAligned = true;
    Edit().Drop()->SetSizes(e + 40, 0, 0);
    Edit().OnAppMove();
    EXPECT_EQ(EditRect().right, DropRect().right);
}

TEST_F(DropBaseTest, FlipsAboveNearTheBottomAndShiftsFromTheRightEdge)
{
    Ready();
    CRect work = WorkArea();
    CRect dlg;
    m_dlg.GetWindowRect(&dlg);
    CRect edit = EditRect();
    // The edit's bottom 50 pixels above the work area's bottom, its right 10 inside.
    int dx = work.right - 10 - edit.right, dy = work.bottom - 50 - edit.bottom;
    m_dlg.MoveWindow(dlg.left + dx, dlg.top + dy, dlg.Width(), dlg.Height());
    Edit().Drop()->SetSizes(EditRect().Width() + 60, 100, 0);
    Edit().OnAppMove();   // the edit itself did not move within its parent
    CRect rc = DropRect();
    EXPECT_EQ(EditRect().top, rc.bottom);
    EXPECT_EQ(EditRect().top - 100, rc.top);
    EXPECT_EQ(work.right - 5, rc.right);
    EXPECT_EQ(EditRect().Width() + 60, rc.Width());
}

TEST_F(DropBaseTest, FollowsTheEditAndReplacesOnlyWhenAPairChanges)
{
    Ready();
    Edit().Drop()->SetSizes(0, 80, 0);
    CRect rcEdit;
    Edit().GetWindowRect(&rcEdit);
    m_dlg.ScreenToClient(&rcEdit);
    Edit().MoveWindow(rcEdit.left + 7, rcEdit.top + 5, rcEdit.Width() + 20, rcEdit.Height());
    EXPECT_EQ(EditRect().left, DropRect().left);
    EXPECT_EQ(EditRect().bottom, DropRect().top);
    EXPECT_EQ(EditRect().Width(), DropRect().Width());

    // Moved away by hand: an unchanged pair does not place it again, a changed one does.
    Edit().Drop()->MoveWindow(0, 0, 30, 30);
    Edit().Drop()->SetSizes(0, 80, 0);
    EXPECT_EQ(CRect(0, 0, 30, 30), DropRect());
    Edit().Drop()->SetMaxWidthAndHeight(0, 50);   // m_nMaxHeight is stored, not used
    EXPECT_EQ(80, DropRect().Height());
    EXPECT_EQ(EditRect().bottom, DropRect().top);
}

TEST_F(DropBaseTest, FrameGivesTheButtonAndIconStripTheirWidth)
{
    const int cx = ::GetSystemMetrics(SM_CXVSCROLL);
    const int cxi = ::GetSystemMetrics(SM_CXSMICON);
    CRect plain, rc;
    m_dlg.m_other.GetClientRect(&plain);   // a plain edit of the same size and style

    Edit().Init();
    Edit().GetClientRect(&rc);
    EXPECT_EQ(plain.Width() - cx, rc.Width());
    CRect win = EditRect();
    EXPECT_EQ(CRect(plain.Width() - cx + 2, 1, plain.Width() + 1, win.Height() - 1), Edit().m_rcButton);

    Edit().DoDrawIcon(true);
    Edit().Init();
    Edit().GetClientRect(&rc);
    EXPECT_EQ(plain.Width() - cx - cxi - 1, rc.Width());
    // In a dialog the strip sits one edge further in.
    CRect icon(0, 0, cxi + 1, rc.Height());
    icon.OffsetRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
    EXPECT_EQ(icon, Edit().m_rcIcon);
    Edit().m_calls.clear();
    Edit().RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(1, Edit().Count("icon"));
    EXPECT_EQ(RGB(255, 0, 0), harness::Pixel(Edit().m_hWnd, icon.left + 2, icon.top + 2, true));

    // Without a button the text box keeps its width and the hit test is the system's.
    Edit().DoDrawIcon(false);
    Edit().DoDrawButton(false);
    Edit().Init();
    Edit().GetClientRect(&rc);
    EXPECT_EQ(plain.Width(), rc.Width());
    POINT pt = ButtonCentre(Edit());
    EXPECT_EQ(HTCLIENT, Edit().SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));

    // A calculation without valid rectangles reserves nothing, button or not.
    Edit().DoDrawButton(true);
    CRect mine = EditRect(), other;
    m_dlg.m_other.GetWindowRect(&other);
    Edit().SendMessage(WM_NCCALCSIZE, FALSE, (LPARAM)&mine);
    m_dlg.m_other.SendMessage(WM_NCCALCSIZE, FALSE, (LPARAM)&other);
    EXPECT_EQ(other.Width(), mine.Width());
}

// The range of screen x on the button's middle row that the hit test reports as HTBORDER.
static std::pair<int, int> HitColumns(CTestEdit& edit)
{
    CRect win;
    edit.GetWindowRect(&win);
    int y = win.top + edit.m_rcButton.CenterPoint().y;
    int first = -1, last = -1;
    for (int x = win.left; x < win.right; ++x)
        if (edit.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTBORDER)
        {
            if (first < 0) first = x;
            last = x;
        }
    return { first - win.left, last - win.left };
}

TEST_F(DropBaseTest, HitTestMatchesTheButtonInDialogsAndPlainParents)
{
    const int edge = ::GetSystemMetrics(SM_CXEDGE);
    Edit().Init();
    // Client coordinates are window coordinates less the client edge of the frame.
    CPoint origin(0, 0);
    Edit().ClientToScreen(&origin);
    int border = origin.x - EditRect().left;
    auto cols = HitColumns(Edit());
    EXPECT_EQ(Edit().m_rcButton.left - edge + border, cols.first);
    EXPECT_EQ(Edit().m_rcButton.right - 1 - edge + border, cols.second);

    // The same edit in a plain window: no correction.
    MakePlainParentEdit();
    CTestEdit& edit = m_plainEdit;
    edit.Init();
    cols = HitColumns(edit);
    EXPECT_EQ(edit.m_rcButton.left + 2, cols.first);
    EXPECT_EQ(edit.m_rcButton.right - 1 + 2, cols.second);

    // With the icon strip the client area starts further right; the hit test's shift by
    // the strip's width keeps the hit area on the painted button.
    edit.DoDrawIcon(true);
    edit.Init();
    EXPECT_FALSE(edit.m_rcIcon.IsRectEmpty());
    EXPECT_EQ(cols, HitColumns(edit));
}

struct Look
{
    int x, y;
    int color;   // system colour index
};

static void ExpectLooks(CTestEdit& edit, const std::vector<Look>& looks, const char* state)
{
    for (const Look& l : looks)
        EXPECT_EQ(::GetSysColor(l.color), harness::Pixel(edit.m_hWnd, l.x, l.y, true))
            << state << " at (" << l.x << ", " << l.y << ") colour " << l.color;
}

TEST_F(DropBaseTest, ButtonPaintsItsThreeStatesToThePixel)
{
    Ready();
    CTestEdit& e = Edit();
    const CRect b = e.m_rcButton;
    const int L = b.left, T = b.top, R = b.right, B = b.bottom;
    // The arrow: 7 pixels wide, 4 high, centred.
    const int ax = L + (b.Width() - 7) / 2 + 3, ay = T + (b.Height() - 4) / 2;
    const int y = T + 3;
    std::vector<Look> raised = {
        { R - 1, y, COLOR_3DDKSHADOW }, { L + 3, B - 1, COLOR_3DDKSHADOW },
        { R - 2, y, COLOR_BTNSHADOW }, { L + 3, B - 2, COLOR_BTNSHADOW },
        { L + 1, y, COLOR_BTNHIGHLIGHT }, { L + 3, T + 1, COLOR_BTNHIGHLIGHT },
        { L + 2, y, COLOR_BTNFACE }, { L, T, COLOR_BTNFACE },
    };
    e.RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(0, e.m_nButtonState);
    auto normal = raised;
    normal.push_back({ ax, ay, COLOR_BTNTEXT });
    normal.push_back({ ax, ay + 3, COLOR_BTNTEXT });
    normal.push_back({ ax - 3, ay, COLOR_BTNTEXT });
    normal.push_back({ ax - 4, ay, COLOR_BTNFACE });
    normal.push_back({ ax, ay + 4, COLOR_BTNFACE });
    ExpectLooks(e, normal, "normal");

    // Pressed with the real mouse: a flat outline, the arrow in place.
    harness::MouseDown(ButtonCentre(e));
    EXPECT_EQ(1, e.m_nButtonState);
    EXPECT_EQ(e.m_hWnd, ::GetCapture());
    ExpectLooks(e, { { L, y, COLOR_BTNSHADOW }, { R - 1, y, COLOR_BTNSHADOW }, { L + 3, T, COLOR_BTNSHADOW },
                     { L + 3, B - 1, COLOR_BTNSHADOW }, { L + 1, y, COLOR_BTNFACE }, { R - 2, y, COLOR_BTNFACE },
                     { ax, ay, COLOR_BTNTEXT }, { ax, ay + 3, COLOR_BTNTEXT } }, "pressed");

    // Dragged off the button it pops up, back on it goes down; released off it, nothing opens.
    CRect win = EditRect();
    harness::MouseMove({ win.left + 5, win.top + 5 });
    EXPECT_EQ(0, e.m_nButtonState);
    harness::MouseMove(ButtonCentre(e));
    EXPECT_EQ(1, e.m_nButtonState);
    harness::MouseMove({ win.left + 5, win.top + 5 });
    harness::MouseUp({ win.left + 5, win.top + 5 });
    EXPECT_EQ(0, e.m_nButtonState);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_FALSE(e.Visible());
    EXPECT_EQ(0, e.Count("can"));

    // Disabled: state 2 whatever is asked, the arrow embossed in grey.
    e.EnableWindow(FALSE);
    e.DrawButton(0);
    EXPECT_EQ(2, e.m_nButtonState);
    auto disabled = raised;
    disabled.push_back({ ax, ay, COLOR_GRAYTEXT });
    disabled.push_back({ ax, ay + 3, COLOR_GRAYTEXT });
    ExpectLooks(e, disabled, "disabled");
    e.EnableWindow(TRUE);
    EXPECT_EQ(0, e.m_nButtonState) << "the cursor is off the button";
    ExpectLooks(e, normal, "enabled again");
}

TEST_F(DropBaseTest, PressOnTheButtonTakesTheFocusOnlyToOpen)
{
    Ready();
    m_dlg.m_other.SetFocus();
    harness::MouseDown(ButtonCentre(Edit()));
    EXPECT_EQ(Edit().m_hWnd, ::GetFocus()) << "hidden popup: the edit takes the focus";
    harness::MouseUp(ButtonCentre(Edit()));
    EXPECT_TRUE(Edit().Visible());

    // Open, focus in the edit: the press leaves both alone, the release closes.
    harness::MouseDown(ButtonCentre(Edit()));
    EXPECT_EQ(Edit().m_hWnd, ::GetFocus());
    EXPECT_TRUE(Edit().Visible());
    harness::MouseUp(ButtonCentre(Edit()));
    EXPECT_FALSE(Edit().Visible());

    // Open, focus inside the popup: the press activates the dialog, whose focus comes
    // back to the edit over the button, so the popup waits for the release to close.
    harness::Click(ButtonCentre(Edit()));
    harness::Pump(300);   // past the double-click time
    Edit().Drop()->SetFocus();
    ASSERT_TRUE(Edit().Drop()->IsChild(CWnd::GetFocus()));
    harness::MouseDown(ButtonCentre(Edit()));
    EXPECT_TRUE(Edit().Visible());
    harness::MouseUp(ButtonCentre(Edit()));
    EXPECT_FALSE(Edit().Visible());
    EXPECT_EQ(Edit().m_hWnd, ::GetFocus());
}

TEST_F(DropBaseTest, PopupFontIsACopyOfTheDialogsAndReachesALivePopup)
{
    Edit().CreateDropWndFont();
    CFont* pFont = Edit().GetDropWndFont();
    ASSERT_NE(nullptr, pFont);
    HFONT hDialogFont = (HFONT)m_dlg.SendMessage(WM_GETFONT);
    EXPECT_NE(hDialogFont, (HFONT)pFont->GetSafeHandle());
    LOGFONTA a, b;
    ::GetObjectA(hDialogFont, sizeof(a), &a);
    ::GetObjectA(pFont->GetSafeHandle(), sizeof(b), &b);
    EXPECT_STREQ(a.lfFaceName, b.lfFaceName);
    EXPECT_EQ(a.lfHeight, b.lfHeight);
    EXPECT_EQ(a.lfWeight, b.lfWeight);
    EXPECT_EQ(a.lfCharSet, b.lfCharSet);

    Ready();
    LOGFONTA lf = a;
    lf.lfHeight = -20;
    Edit().SetDropWndFont(lf);
    HFONT hNew = (HFONT)Edit().GetDropWndFont()->GetSafeHandle();
    ASSERT_NE(nullptr, hNew);
    EXPECT_EQ((std::vector<UINT>{ 1u, (UINT)(UINT_PTR)hNew }), Edit().Drop()->m_fontMessages);
    EXPECT_EQ(OBJ_FONT, ::GetObjectType(hNew));

    // A parent without a font leaves none.
    MakePlainParentEdit();
    CTestEdit& edit = m_plainEdit;
    edit.CreateDropWndFont();
    EXPECT_EQ(nullptr, edit.GetDropWndFont());
}

TEST_F(DropBaseTest, NoGdiObjectIsLeftAfterDestroy)
{
    Ready();
    // The first round also fills the system's one-time caches; later rounds must add nothing.
    int before = 0;
    for (int i = 0; i < 4; ++i)
    {
        if (i == 1) before = harness::GdiObjectCount();
        CTestEdit* pEdit = new CTestEdit;
        ASSERT_TRUE(pEdit->CreateEx(WS_EX_CLIENTEDGE, "EDIT", "x", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                    CRect(10, 150, 150, 172), &m_dlg, 300));
        pEdit->DoDrawIcon(true);
        pEdit->Init();
        pEdit->CreateDropWndFont();
        ASSERT_TRUE(pEdit->CreateTestDropWnd());
        LOGFONTA lf;
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        pEdit->SetDropWndFont(lf);
        pEdit->SetFocus();
        harness::Key(VK_F9);
        pEdit->RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        pEdit->EnableWindow(FALSE);
        pEdit->EnableWindow(TRUE);
        harness::Pump();
        pEdit->DestroyWindow();
        delete pEdit;
        harness::Pump();
    }
    EXPECT_EQ(before, harness::GdiObjectCount());
}
