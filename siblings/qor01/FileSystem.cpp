#include "qor01.h"
#include "PathText.h"

bool DirUtils::IsDir(const CString& strPath, bool bAbsoluteOnly)
{
    return pathtext::IsDirForm((LPCSTR)strPath, bAbsoluteOnly);
}

bool DirUtils::DoesDirExist(const CString& strPath)
{
    if (strPath.IsEmpty()) return false;
    DWORD attr = ::GetFileAttributesA(strPath);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

CString DirUtils::ParsePathFromFile(const CString& strPath)
{
    return pathtext::FolderOf((LPCSTR)strPath).c_str();
}

bool FileUtils::IsFile(const CString& strPath, bool bAbsoluteOnly, bool bNeedExtension)
{
    return pathtext::IsFileForm((LPCSTR)strPath, bAbsoluteOnly, bNeedExtension);
}

bool FileUtils::DoesFileExist(const CString& strPath)
{
    if (strPath.IsEmpty()) return false;
    DWORD attr = ::GetFileAttributesA(strPath);
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}
