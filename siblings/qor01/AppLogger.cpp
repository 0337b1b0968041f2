#include "qor01.h"
#include <stdio.h>

AppLogger* AppLogger::m_pInstance = NULL;

AppLogger::AppLogger(const CString& strFile) : m_strFile(strFile)
{
    ::InitializeCriticalSection(&m_cs);
    if (m_pInstance == NULL)
        m_pInstance = this;
}

AppLogger::~AppLogger()
{
    if (m_pInstance == this)
        m_pInstance = NULL;
    ::DeleteCriticalSection(&m_cs);
}

void AppLogger::AddLine(const CString& strText)
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    CString line;
    line.Format("%04d-%02d-%02d %02d:%02d:%02d.%03d %s\r\n", st.wYear, st.wMonth, st.wDay, st.wHour,
                st.wMinute, st.wSecond, st.wMilliseconds, (LPCSTR)strText);
    ::EnterCriticalSection(&m_cs);
    // Opened per line: a crash right after leaves every earlier line on disk.
    if (FILE* f = fopen(m_strFile, "ab"))
    {
        fwrite((LPCSTR)line, 1, line.GetLength(), f);
        fclose(f);
        ++m_nLines;
    }
    ::LeaveCriticalSection(&m_cs);
}
