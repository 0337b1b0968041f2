// Thin helpers over the keyboard, system settings, numbers and the registry.
#pragma once

class QOR01_API Keyboard
{
public:
    static bool IsShiftKeyDown() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }
    static bool IsCtrlKeyDown() { return (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }
    static bool IsAltKeyDown() { return (::GetKeyState(VK_MENU) & 0x8000) != 0; }
};

class QOR01_API SystemUtils
{
public:
    // Lines to scroll per wheel notch (SPI_GETWHEELSCROLLLINES); 3 when it cannot be read.
    static UINT GetMouseScrollLines();
};

class QOR01_API NumberTextConv
{
public:
    // Decimal text of n; bThousands puts a "," between groups of three digits;
    // nMinDigits pads with leading zeros; strSuffix is appended.
    static CString NumberToString(__int64 n, bool bThousands, int nMinDigits, const CString& strSuffix);
    // The number at the start of the text (leading blanks and a sign allowed); 0 when none.
    static __int64 GetNumberFromString(const CString& strText);
};

class QOR01_API RegistryUtils
{
public:
    // The text of a value; empty when the key or the value is missing or not text.
    // bExpand expands %variables% in REG_EXPAND_SZ values.
    static CString GetKeyValue(HKEY hRoot, const CString& strKey, const CString& strValueName, bool bExpand);
    // Creates the key (and its parents) and writes the value as REG_SZ.
    static bool CreateKeyAndValue(HKEY hRoot, const CString& strKey, const CString& strValueName, const CString& strData);
};
