// Directory and file paths: form tests (see PathText.h and docs/qor01.md) and existence.
#pragma once

class QOR01_API DirUtils
{
public:
    // The form of a directory path; bAbsoluteOnly refuses relative paths.
    static bool IsDir(const CString& strPath, bool bAbsoluteOnly);
    // True when the path names an existing directory (a drive root or share included).
    static bool DoesDirExist(const CString& strPath);
    // The folder of a file path ("C:\a\b.txt" gives "C:\a", "C:\b.txt" gives "C:\").
    static CString ParsePathFromFile(const CString& strPath);
};

class QOR01_API FileUtils
{
public:
    // The form of a file path; bAbsoluteOnly refuses relative paths, bNeedExtension
    // wants a name with an extension.
    static bool IsFile(const CString& strPath, bool bAbsoluteOnly, bool bNeedExtension);
    // True when the path names an existing file (not a directory).
    static bool DoesFileExist(const CString& strPath);
};
