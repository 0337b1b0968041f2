// A framework application that uses the drop-down edit base through the public headers.
// Its exit code is 0 when every check holds, otherwise the number of the first that failed.
#include <afxwin.h>
#include <afxext.h>
#include <qor16.h>

class CHostEdit : public CDropBaseEdit
{
public:
    CHostEdit() = default;
    int Updates = 0;
protected:
    void UpdateDropWnd() override { ++Updates; }
};

class CHostApp : public CWinApp
{
public:
    int m_nFailed = 0;

    BOOL InitInstance() override
    {
        m_nFailed = Run_();
        return FALSE;   // no message loop: the checks are done
    }
    int ExitInstance() override { return m_nFailed; }

private:
    int Run_()
    {
        // 1, 2: the library's run-time class, found by name through the framework.
        CRuntimeClass* pClass = CRuntimeClass::FromName("CDropBaseEdit");
        if (!pClass) return 1;
        CObject* pObject = pClass->CreateObject();
        if (!pObject || !pObject->IsKindOf(RUNTIME_CLASS(CEdit))) return 2;
        delete pObject;

        // 3: the exported message is the registered one.
        if (CDropBaseEdit::WM_CLOSE_DROPDOWN_WND != ::RegisterWindowMessageA("359723E9-4D6A-407c-AD5D-F4890DC0A213"))
            return 3;

        CWnd frame;
        if (!frame.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, 50, 50, 300, 120, NULL, NULL))
            return 4;
        m_pMainWnd = &frame;
        CHostEdit edit;
        CEdit plain;
        if (!edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "text", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 32), &frame, 1) ||
            !plain.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "text", WS_CHILD | WS_VISIBLE, CRect(10, 40, 210, 62), &frame, 2))
            return 5;

        // 6: the drop button takes its width from the text box.
        edit.Init();
        CRect a, b;
        edit.GetClientRect(&a);
        plain.GetClientRect(&b);
        if (a.Width() != b.Width() - ::GetSystemMetrics(SM_CXVSCROLL)) return 6;

        // 7: a host override of a hook runs from the library's handlers.
        edit.SendMessage(WM_CHAR, 'x', 0);
        if (edit.Updates != 1) return 7;

        // 8: closing without a popup is harmless and answers 0.
        if (edit.SendMessage(CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, 1, 0) != 0) return 8;

        frame.DestroyWindow();
        m_pMainWnd = NULL;
        return 0;
    }
};

CHostApp theApp;
