#include "qor01.h"
#include <string.h>

namespace {
struct CaseTables
{
    int upper[128];
    int lower[128];
    constexpr CaseTables() : upper(), lower()
    {
        for (int c = 0; c < 128; ++c)
        {
            upper[c] = (c >= 'a' && c <= 'z') ? c - 32 : c;
            lower[c] = (c >= 'A' && c <= 'Z') ? c + 32 : c;
        }
    }
};
constexpr CaseTables kTables;
}

#define QOR_TABLE_ROW(t, i) t[i], t[i + 1], t[i + 2], t[i + 3], t[i + 4], t[i + 5], t[i + 6], t[i + 7]
#define QOR_TABLE(t) \
    QOR_TABLE_ROW(t, 0), QOR_TABLE_ROW(t, 8), QOR_TABLE_ROW(t, 16), QOR_TABLE_ROW(t, 24), \
    QOR_TABLE_ROW(t, 32), QOR_TABLE_ROW(t, 40), QOR_TABLE_ROW(t, 48), QOR_TABLE_ROW(t, 56), \
    QOR_TABLE_ROW(t, 64), QOR_TABLE_ROW(t, 72), QOR_TABLE_ROW(t, 80), QOR_TABLE_ROW(t, 88), \
    QOR_TABLE_ROW(t, 96), QOR_TABLE_ROW(t, 104), QOR_TABLE_ROW(t, 112), QOR_TABLE_ROW(t, 120)

const int StringUtils::m_tableUppercase[128] = { QOR_TABLE(kTables.upper) };
const int StringUtils::m_tableLowercase[128] = { QOR_TABLE(kTables.lower) };

int StringUtils::Compare(LPCSTR a, LPCSTR b, bool bCaseSensitive)
{
    const unsigned char* p = (const unsigned char*)a;
    const unsigned char* q = (const unsigned char*)b;
    for (;; ++p, ++q)
    {
        unsigned char x = bCaseSensitive ? *p : FoldChar(*p);
        unsigned char y = bCaseSensitive ? *q : FoldChar(*q);
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
}

bool StringUtils::MatchFirstChars(const CString& strText, const CString& strStart, bool bCaseSensitive)
{
    int n = strStart.GetLength();
    if (n > strText.GetLength())
        return false;
    for (int i = 0; i < n; ++i)
    {
        unsigned char x = (unsigned char)strText[i], y = (unsigned char)strStart[i];
        if (bCaseSensitive ? x != y : FoldChar(x) != FoldChar(y))
            return false;
    }
    return true;
}

int StringUtils::FindLast(const CString& strText, const CString& strPart)
{
    int n = strPart.GetLength();
    if (n == 0)
        return -1;
    for (int i = strText.GetLength() - n; i >= 0; --i)
        if (memcmp((LPCSTR)strText + i, (LPCSTR)strPart, n) == 0)
            return i;
    return -1;
}

CString StringUtils::DecryptText(const std::vector<int>& vecEncrypted)
{
    CString s;
    for (int i = 0; i < (int)vecEncrypted.size(); ++i)
        s += (char)((vecEncrypted[i] ^ KeyAt(i)) & 0xFF);
    return s;
}
