// The process-wide logger: the host creates one; library code logs only when it exists.
#pragma once

class QOR01_API AppLogger
{
public:
    static AppLogger* m_pInstance;

    // Becomes the process's instance (if there is none yet); lines go to strFile.
    explicit AppLogger(const CString& strFile);
    ~AppLogger();

    // Appends "yyyy-mm-dd hh:mm:ss.mmm <text>" and a line end, and flushes.
    void AddLine(const CString& strText);
    const CString& GetFileName() const { return m_strFile; }
    int GetLineCount() const { return m_nLines; }

private:
    CString m_strFile;
    int m_nLines = 0;
    CRITICAL_SECTION m_cs;
};
