// Each family library loads into a host and unloads again.
#include <afxwin.h>
#include <gtest/gtest.h>

TEST(SiblingTest, LoadsAndUnloads)
{
    HMODULE h = ::LoadLibraryA(SIBLING_DLL);
    ASSERT_NE(nullptr, h) << SIBLING_DLL;
    EXPECT_TRUE(::FreeLibrary(h));
}
