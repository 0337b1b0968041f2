// CString operations.
#include "afximpl.h"
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <algorithm>

int CString::Compare(LPCSTR psz) const { return strcmp(m_str.c_str(), psz ? psz : ""); }
int CString::CompareNoCase(LPCSTR psz) const { return _stricmp(m_str.c_str(), psz ? psz : ""); }
int CString::Collate(LPCSTR psz) const { return strcoll(m_str.c_str(), psz ? psz : ""); }

CString CString::Left(int nCount) const
{
    if (nCount < 0) nCount = 0;
    return nCount >= GetLength() ? *this : CString(m_str.c_str(), nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0) nCount = 0;
    return nCount >= GetLength() ? *this : CString(m_str.c_str() + GetLength() - nCount, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength() - nFirst); }

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0) nFirst = 0;
    if (nCount < 0) nCount = 0;
    if (nFirst > GetLength()) nFirst = GetLength();
    if (nCount > GetLength() - nFirst) nCount = GetLength() - nFirst;
    return CString(m_str.c_str() + nFirst, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const { return Left((int)strspn(m_str.c_str(), pszCharSet)); }
CString CString::SpanExcluding(LPCSTR pszCharSet) const { return Left((int)strcspn(m_str.c_str(), pszCharSet)); }

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength()) return -1;
    size_t n = m_str.find(ch, nStart);
    return n == std::string::npos ? -1 : (int)n;
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (pszSub == NULL || nStart < 0 || nStart > GetLength()) return -1;
    size_t n = m_str.find(pszSub, nStart);
    return n == std::string::npos ? -1 : (int)n;
}

int CString::ReverseFind(char ch) const
{
    size_t n = m_str.rfind(ch);
    return n == std::string::npos ? -1 : (int)n;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    size_t n = m_str.find_first_of(pszCharSet);
    return n == std::string::npos ? -1 : (int)n;
}

// Case changes go through the user's code page, as CharUpperBuff does.
CString& CString::MakeUpper() { if (!m_str.empty()) ::CharUpperBuffA(&m_str[0], (DWORD)m_str.size()); return *this; }
CString& CString::MakeLower() { if (!m_str.empty()) ::CharLowerBuffA(&m_str[0], (DWORD)m_str.size()); return *this; }
CString& CString::MakeReverse() { m_str.assign(m_str.rbegin(), m_str.rend()); return *this; }

static const char kWhite[] = " \t\r\n\v\f";
CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::TrimLeft() { return TrimLeft(kWhite); }
CString& CString::TrimRight() { return TrimRight(kWhite); }
CString& CString::TrimLeft(char ch) { char s[2] = { ch, 0 }; return TrimLeft(s); }
CString& CString::TrimRight(char ch) { char s[2] = { ch, 0 }; return TrimRight(s); }
CString& CString::TrimLeft(LPCSTR pszTargets)
{
    m_str.erase(0, m_str.find_first_not_of(pszTargets));
    return *this;
}
CString& CString::TrimRight(LPCSTR pszTargets)
{
    size_t n = m_str.find_last_not_of(pszTargets);
    m_str.erase(n == std::string::npos ? 0 : n + 1);
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int n = 0;
    for (char& c : m_str)
        if (c == chOld) { c = chNew; ++n; }
    return n;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    if (pszOld == NULL || *pszOld == 0) return 0;
    size_t lenOld = strlen(pszOld), lenNew = pszNew ? strlen(pszNew) : 0;
    int n = 0;
    for (size_t pos = m_str.find(pszOld); pos != std::string::npos; pos = m_str.find(pszOld, pos + lenNew))
    {
        m_str.replace(pos, lenOld, pszNew ? pszNew : "");
        ++n;
    }
    return n;
}

int CString::Remove(char ch)
{
    size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return (int)(before - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
    if (nIndex < 0) nIndex = 0;
    if (nIndex > GetLength()) nIndex = GetLength();
    m_str.insert(m_str.begin() + nIndex, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    if (nIndex < 0) nIndex = 0;
    if (nIndex > GetLength()) nIndex = GetLength();
    if (psz) m_str.insert(nIndex, psz);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0) nIndex = 0;
    if (nIndex < GetLength() && nCount > 0) m_str.erase(nIndex, nCount);
    return GetLength();
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength >= 0 && nNewLength < GetLength()) m_str.resize(nNewLength);
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(NULL, 0, pszFormat, copy);
    va_end(copy);
    if (n < 0) { m_str.clear(); return; }
    std::string s(n, '\0');
    vsnprintf(&s[0], n + 1, pszFormat, args);
    m_str = std::move(s);
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(LPCSTR pszFormat, ...)
{
    CString tail;
    va_list args;
    va_start(args, pszFormat);
    tail.FormatV(pszFormat, args);
    va_end(args);
    *this += tail;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(nMinBufLength);
    return &m_str[0];
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(nNewLength < 0 ? 0 : nNewLength);
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = (int)strlen(m_str.c_str());
    m_str.resize(nNewLength);
}
