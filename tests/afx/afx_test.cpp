// Strings, rectangles, run-time classes across modules, handle maps and GDI selection.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "harness.h"
#include "testext.h"

TEST(CStringTest, ExtractSearchAndChangeAgreeWithTheFramework)
{
    CString s("Hello, World");
    EXPECT_EQ(CString("Hello"), s.Left(5));
    EXPECT_EQ(CString("World"), s.Right(5));
    EXPECT_EQ(CString("o, W"), s.Mid(4, 4));
    EXPECT_EQ(CString(""), s.Mid(40));
    EXPECT_EQ(s, s.Left(100));
    EXPECT_EQ(4, s.Find('o'));
    EXPECT_EQ(8, s.Find('o', 5));
    EXPECT_EQ(-1, s.Find('o', 100));
    EXPECT_EQ(7, s.Find("World"));
    EXPECT_EQ(8, s.ReverseFind('o'));
    EXPECT_EQ(0, s.CompareNoCase("hello, world"));
    EXPECT_GT(0, CString("a").Compare("b"));
    CString u(s);
    u.MakeUpper();
    EXPECT_STREQ("HELLO, WORLD", u);
    EXPECT_STREQ("Hello, World", s);   // copies are independent
    u.MakeLower();
    EXPECT_STREQ("hello, world", u);
    CString f;
    f.Format("%d-%s-%03d", 7, "x", 5);
    EXPECT_STREQ("7-x-005", f);
    CString t("  pad  ");
    EXPECT_STREQ("pad", t.Trim());
    CString b;
    strcpy(b.GetBuffer(10), "abc");
    b.ReleaseBuffer();
    EXPECT_EQ(3, b.GetLength());
    EXPECT_TRUE(CString().IsEmpty());
    CString r;
    EXPECT_TRUE(r.LoadString(101));
    EXPECT_STREQ("Loaded from the test's string table", r);
    EXPECT_FALSE(r.LoadString(9999));
}

TEST(CRectTest, GeometryMembers)
{
    CRect rc(10, 20, 110, 70);
    EXPECT_EQ(100, rc.Width());
    EXPECT_EQ(50, rc.Height());
    EXPECT_EQ(CPoint(60, 45), rc.CenterPoint());
    EXPECT_TRUE(rc.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rc.PtInRect(CPoint(110, 70)));   // right and bottom are outside
    CRect d(rc);
    d.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(11, 22, 107, 66), d);
    d.OffsetRect(-11, -22);
    EXPECT_EQ(CPoint(0, 0), d.TopLeft());
    EXPECT_EQ(CRect(50, 20, 110, 70), rc & CRect(50, 0, 200, 200));
    CRect m = rc;
    m.MoveToXY(0, 0);
    EXPECT_EQ(CSize(100, 50), m.Size());
    EXPECT_EQ(CPoint(3, 4), CPoint(1, 1) + CSize(2, 3));
}

class CBaseThing : public CObject
{
    DECLARE_DYNCREATE(CBaseThing)
};
IMPLEMENT_DYNCREATE(CBaseThing, CObject)

class CDerivedThing : public CBaseThing
{
    DECLARE_DYNAMIC(CDerivedThing)
};
IMPLEMENT_DYNAMIC(CDerivedThing, CBaseThing)

TEST(RuntimeClassTest, RecordsAndKinds)
{
    CRuntimeClass* p = RUNTIME_CLASS(CBaseThing);
    EXPECT_STREQ("CBaseThing", p->m_lpszClassName);
    EXPECT_EQ((int)sizeof(CBaseThing), p->m_nObjectSize);
    EXPECT_EQ(0xFFFFu, p->m_wSchema);
    EXPECT_TRUE(RUNTIME_CLASS(CDerivedThing)->IsDerivedFrom(p));
    EXPECT_FALSE(p->IsDerivedFrom(RUNTIME_CLASS(CDerivedThing)));
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CDerivedThing)->CreateObject());   // not creatable
    CObject* o = CRuntimeClass::CreateObject("CBaseThing");
    ASSERT_NE(nullptr, o);
    EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(o->IsKindOf(RUNTIME_CLASS(CWnd)));
    delete o;
    EXPECT_EQ(RUNTIME_CLASS(CEdit), CRuntimeClass::FromName("CEdit"));   // the framework's own
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
}

TEST(RuntimeClassTest, ExtensionDllClassesAreFoundWhileLoaded)
{
    for (int round = 0; round < 2; ++round)
    {
        EXPECT_EQ(nullptr, CRuntimeClass::FromName("CTestExtWnd"));
        HMODULE h = ::LoadLibraryA("afxtestext.dll");
        ASSERT_NE(nullptr, h);
        CRuntimeClass* pClass = CRuntimeClass::FromName("CTestExtWnd");
        ASSERT_NE(nullptr, pClass);
        CObject* o = pClass->CreateObject();
        ASSERT_NE(nullptr, o);
        EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(CWnd)));     // base class from the framework DLL
        EXPECT_FALSE(o->IsKindOf(RUNTIME_CLASS(CEdit)));
        EXPECT_EQ(4711, static_cast<CTestExtWnd*>(o)->m_nMagic);
        CWnd* w = DYNAMIC_DOWNCAST(CWnd, o);
        ASSERT_NE(nullptr, w);
        ASSERT_TRUE(w->CreateEx(0, NULL, "ext", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
        EXPECT_EQ(w, CWnd::FromHandlePermanent(w->m_hWnd));
        w->DestroyWindow();
        delete o;
        ASSERT_TRUE(::FreeLibrary(h));
    }
}

TEST(HandleMapTest, ForeignWindowGetsTemporaryObjectFreedAtIdle)
{
    HWND hForeign = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, hForeign);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    CWnd* p1 = CWnd::FromHandle(hForeign);
    ASSERT_NE(nullptr, p1);
    EXPECT_EQ(hForeign, p1->GetSafeHwnd());
    EXPECT_EQ(p1, CWnd::FromHandle(hForeign));          // the same temporary until idle
    CString text;
    p1->GetWindowText(text);
    EXPECT_STREQ("foreign", text);
    // The foreign window's own procedure is untouched.
    EXPECT_NE((LONG_PTR)AfxWndProc, ::GetWindowLongPtrA(hForeign, GWLP_WNDPROC));
    AfxGetApp()->OnIdle(0);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    CWnd* p2 = CWnd::FromHandle(hForeign);
    EXPECT_EQ(hForeign, p2->m_hWnd);
    ::DestroyWindow(hForeign);
    AfxGetApp()->OnIdle(0);
    EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
    CWnd* pNone = CWnd::FromHandle(NULL);
    EXPECT_EQ(nullptr, pNone->GetSafeHwnd());
}

TEST(GdiTest, SelectObjectReturnsThePreviousObjectAndNothingLeaks)
{
    int before = harness::GdiObjectCount();
    ASSERT_GT(before, 0);
    {
        CClientDC dc(NULL);
        CPen red(PS_SOLID, 1, RGB(255, 0, 0));
        CBrush blue(RGB(0, 0, 255));
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
        EXPECT_EQ(before + 3, harness::GdiObjectCount());
        CPen* pOldPen = dc.SelectObject(&red);
        ASSERT_NE(nullptr, pOldPen);
        EXPECT_EQ(&red, dc.SelectObject(pOldPen));       // the permanent object comes back
        CBrush* pOldBrush = dc.SelectObject(&blue);
        CFont* pOldFont = dc.SelectObject(&font);
        EXPECT_EQ(&blue, dc.SelectObject(pOldBrush));
        EXPECT_EQ(&font, dc.SelectObject(pOldFont));
        AfxGetApp()->OnIdle(0);
    }
    EXPECT_EQ(before, harness::GdiObjectCount());
    // The count is real: a leaked object shows.
    HBRUSH hLeak = ::CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(before + 1, harness::GdiObjectCount());
    ::DeleteObject(hLeak);
}

TEST(WndClassTest, RegisteredClassIsReusedAndRegisteredAgainAfterUnregistering)
{
    HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
    LPCSTR name = AfxRegisterWndClass(CS_DBLCLKS, NULL, hBrush);
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(name, AfxRegisterWndClass(CS_DBLCLKS, NULL, hBrush));
    WNDCLASSA wc;
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), name, &wc));
    EXPECT_EQ(hBrush, wc.hbrBackground);
    EXPECT_EQ((UINT)CS_DBLCLKS, wc.style);
    ASSERT_TRUE(::UnregisterClassA(name, AfxGetInstanceHandle()));
    EXPECT_STREQ(name, AfxRegisterWndClass(CS_DBLCLKS, NULL, hBrush));
    EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), name, &wc));
    ::UnregisterClassA(name, AfxGetInstanceHandle());
    ::DeleteObject(hBrush);
}
