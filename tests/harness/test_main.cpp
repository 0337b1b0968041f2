// Test executables are console programs with an application object, set up with the
// same one call a framework console program makes.
#include <afxwin.h>
#include <gtest/gtest.h>

CWinApp theApp("tests");

int main(int argc, char** argv)
{
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_SHOW))
        return 2;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
