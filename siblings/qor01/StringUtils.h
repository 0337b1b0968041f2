// Text helpers shared by the family. Case folding covers codes 0..127 only: bytes above
// 127 (code-page dependent, lead bytes of multi-byte pages) are compared as they are.
#pragma once

class QOR01_API StringUtils
{
public:
    // Upper/lower-case form of each code 0..127; callers use 0 for codes above 127.
    static const int m_tableUppercase[128];
    static const int m_tableLowercase[128];

    // The folded form used by every case-insensitive comparison of the library.
    static unsigned char FoldChar(unsigned char c) { return c < 128 ? (unsigned char)m_tableLowercase[c] : c; }
    // <0, 0, >0 as strcmp, bytes compared unsigned, folded when !bCaseSensitive.
    static int Compare(LPCSTR a, LPCSTR b, bool bCaseSensitive);

    // True when strText begins with strStart (an empty strStart matches every text).
    static bool MatchFirstChars(const CString& strText, const CString& strStart, bool bCaseSensitive);
    // Last position of strPart in strText, -1 when it does not occur or is empty.
    static int FindLast(const CString& strText, const CString& strPart);

    // Enciphered texts: each byte is stored as an int, c ^ key(i), where key(i) depends
    // on the position; EncryptChar makes the stored values at build time (constexpr).
    static constexpr int KeyAt(int i) { return (0x5A + 37 * i + ((i * i) & 0x3F)) & 0xFF; }
    static constexpr int EncryptChar(char c, int i) { return ((unsigned char)c) ^ KeyAt(i); }
    static CString DecryptText(const std::vector<int>& vecEncrypted);
};

// Builds the enciphered form of a string literal at compile time, so that the plain text
// never appears in the binary: QOR_ENCRYPTED("text") gives a std::array<int, N>.
#include <array>
#include <utility>
namespace qor01_detail {
template <size_t N, size_t... I>
constexpr std::array<int, N - 1> Encrypt(const char (&s)[N], std::index_sequence<I...>)
{
    return { { StringUtils::EncryptChar(s[I], (int)I)... } };
}
}
#define QOR_ENCRYPTED(literal) \
    ([]() constexpr { return qor01_detail::Encrypt(literal, std::make_index_sequence<sizeof(literal) - 1>()); }())
