// Test executables are console programs with an application object, set up with the
// same one call a framework console program makes.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <cstdio>

CWinApp theApp("tests");

// A crash ends the test program at once with a line saying where, instead of waiting in
// Wine's debugger until the test's timeout.
static LONG WINAPI ReportCrash(EXCEPTION_POINTERS* p)
{
    fprintf(stderr, "crash: exception 0x%08lx at %p\n", (unsigned long)p->ExceptionRecord->ExceptionCode,
            p->ExceptionRecord->ExceptionAddress);
    fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

int main(int argc, char** argv)
{
    ::SetUnhandledExceptionFilter(ReportCrash);
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_SHOW))
        return 2;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
