// qor16.dll as a host sees it: its registered messages and a clean load and unload.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "RegisteredMessages.h"

TEST(ModuleTest, RegisteredMessagesMatchTheirStrings)
{
    struct { UINT id; const char* text; } rows[] = {
        { WM_CLOSE_POPUP, "ED8DAE22-D368-4c94-9251-61FD4B421216" },
        { WM_SELLIST_SELCHANGE, "207F4C0F-9444-4395-90EE-113E4D36FA7F" },
    };
    for (const auto& r : rows)
    {
        EXPECT_GE(r.id, 0xC000u) << r.text;
        EXPECT_EQ(::RegisterWindowMessageA(r.text), r.id) << r.text;
    }
    EXPECT_NE(WM_CLOSE_POPUP, WM_SELLIST_SELCHANGE);
    EXPECT_EQ(::RegisterWindowMessageA("359723E9-4D6A-407c-AD5D-F4890DC0A213"),
              ::RegisterWindowMessageA(QOR16_CLOSE_DROPDOWN_WND_STRING));
    EXPECT_STREQ("C:\\", g_strRootDir);
    EXPECT_EQ(3, g_strRootDir.GetLength());
    EXPECT_TRUE(g_strPopupTitle.IsEmpty());
}

TEST(ModuleTest, LoadsUnloadsAndLoadsAgain)
{
    // Not linked into the test: each round runs the attach and the detach step.
    for (int i = 0; i < 2; ++i)
    {
        ASSERT_EQ(nullptr, ::GetModuleHandleA("qor16.dll"));
        EXPECT_EQ(nullptr, CRuntimeClass::FromName("CDropBaseEdit"));
        HMODULE h = ::LoadLibraryA("qor16.dll");
        ASSERT_NE(nullptr, h) << "error " << ::GetLastError();
        // Its classes are known to the host's framework while it is loaded, and only then.
        CRuntimeClass* pClass = CRuntimeClass::FromName("CDropBaseEdit");
        ASSERT_NE(nullptr, pClass);
        EXPECT_EQ(0xFFFFu, pClass->m_wSchema);
        EXPECT_TRUE(pClass->IsDerivedFrom(CRuntimeClass::FromName("CImageMenuEdit")));
        CObject* pObject = pClass->CreateObject();
        ASSERT_NE(nullptr, pObject);
        EXPECT_TRUE(pObject->IsKindOf(CRuntimeClass::FromName("CEdit")));
        delete pObject;
        EXPECT_TRUE(::FreeLibrary(h));
        EXPECT_EQ(nullptr, ::GetModuleHandleA("qor16.dll"));
        EXPECT_EQ(nullptr, CRuntimeClass::FromName("CDropBaseEdit"));
    }
}
