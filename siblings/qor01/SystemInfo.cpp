#include "qor01.h"
#include <stdlib.h>

UINT SystemUtils::GetMouseScrollLines()
{
    UINT n = 3;
    if (!::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &n, 0))
        n = 3;
    return n;
}

CString NumberTextConv::NumberToString(__int64 n, bool bThousands, int nMinDigits, const CString& strSuffix)
{
    unsigned __int64 u = n < 0 ? 0 - (unsigned __int64)n : (unsigned __int64)n;
    CString digits;
    do
    {
        digits.Insert(0, (char)('0' + (int)(u % 10)));
        u /= 10;
    } while (u != 0);
    while (digits.GetLength() < nMinDigits)
        digits.Insert(0, '0');
    if (bThousands)
        for (int i = digits.GetLength() - 3; i > 0; i -= 3)
            digits.Insert(i, ',');
    if (n < 0)
        digits.Insert(0, '-');
    return digits + strSuffix;
}

__int64 NumberTextConv::GetNumberFromString(const CString& strText)
{
    return _strtoi64(strText, NULL, 10);   // stops at the first character that is not a digit
}

CString RegistryUtils::GetKeyValue(HKEY hRoot, const CString& strKey, const CString& strValueName, bool bExpand)
{
    HKEY hKey;
    if (::RegOpenKeyExA(hRoot, strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return CString();
    DWORD type = 0, size = 0;
    CString result;
    if (::RegQueryValueExA(hKey, strValueName, NULL, &type, NULL, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ))
    {
        std::vector<char> buf(size + 1, 0);
        if (::RegQueryValueExA(hKey, strValueName, NULL, &type, (BYTE*)buf.data(), &size) == ERROR_SUCCESS)
        {
            result = buf.data();
            if (bExpand && type == REG_EXPAND_SZ)
            {
                char expanded[4096];
                DWORD n = ::ExpandEnvironmentStringsA(result, expanded, sizeof(expanded));
                if (n > 0 && n <= sizeof(expanded))
                    result = expanded;
            }
        }
    }
    ::RegCloseKey(hKey);
    return result;
}

bool RegistryUtils::CreateKeyAndValue(HKEY hRoot, const CString& strKey, const CString& strValueName, const CString& strData)
{
    HKEY hKey;
    if (::RegCreateKeyExA(hRoot, strKey, 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL) != ERROR_SUCCESS)
        return false;
    LONG r = ::RegSetValueExA(hKey, strValueName, 0, REG_SZ, (const BYTE*)(LPCSTR)strData, strData.GetLength() + 1);
    ::RegCloseKey(hKey);
    return r == ERROR_SUCCESS;
}
