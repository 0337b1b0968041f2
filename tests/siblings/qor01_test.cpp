// The utility library: text helpers, sorted text arrays, registry, numbers and the logger.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <qor01.h>
#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

TEST(StringUtilsTest, CaseTablesAndPrefixMatching)
{
    EXPECT_EQ('A', StringUtils::m_tableUppercase['a']);
    EXPECT_EQ('z', StringUtils::m_tableLowercase['Z']);
    EXPECT_EQ('5', StringUtils::m_tableUppercase['5']);
    EXPECT_EQ('[', StringUtils::m_tableLowercase['[']);   // between 'Z' and 'a': not a letter
    struct { const char* text; const char* start; bool cs; bool match; } rows[] = {
        { "Berlin", "ber", false, true },  { "Berlin", "ber", true, false },
        { "Berlin", "", false, true },     { "Be", "Ber", false, false },
        { "\xC4pfel", "\xE4", false, false },   // bytes above 127 are not folded
        { "\xC4pfel", "\xC4P", false, true },
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.match, StringUtils::MatchFirstChars(r.text, r.start, r.cs)) << r.text << " / " << r.start;
    EXPECT_EQ(5, StringUtils::FindLast("a.b.c.d", "."));
    EXPECT_EQ(-1, StringUtils::FindLast("abc", "x"));
    EXPECT_EQ(-1, StringUtils::FindLast("abc", ""));
    EXPECT_EQ(0, StringUtils::FindLast("abc", "abc"));
    EXPECT_EQ(-1, StringUtils::FindLast("ab", "abc"));
}

TEST(StringUtilsTest, EncipheredTextsRoundTripAndStayOutOfTheBinary)
{
    constexpr auto enc = QOR_ENCRYPTED("Software\\qor-hidden-marker\\Interval");
    CString plain = StringUtils::DecryptText(std::vector<int>(enc.begin(), enc.end()));
    std::string needle = std::string("qor-hidden") + "-marker";   // never one literal
    EXPECT_EQ("Software\\" + needle + "\\Interval", std::string(plain));
    EXPECT_TRUE(StringUtils::DecryptText({}).IsEmpty());
    // The literal above exists only at compile time: the executable holds no copy of it.
    char self[MAX_PATH];
    ::GetModuleFileNameA(NULL, self, MAX_PATH);
    std::ifstream f(self, std::ios::binary);
    std::string image((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_GT(image.size(), 1000u);
    EXPECT_EQ(std::string::npos, image.find(needle));
}

static std::vector<std::string> Contents(const TextArray& a)
{
    std::vector<std::string> v;
    for (int i = 0; i < a.GetCount(); ++i)
        v.push_back((LPCSTR)a.GetCopyAt(i));
    return v;
}

TEST(TextArrayTest, CaseInsensitiveSortKeepsPrefixRunsTogetherAndDuplicatesOnce)
{
    TextArray a;
    for (const char* s : { "beta", "Alpha", "alpha", "ALPS", "al", "Beta", "[x]", "Zulu", "a" })
        a.Add(s);
    a.Sort(true, false, TextArray::ContentText);
    // Letters fold to lower case, so '[' (between 'Z' and 'a') sorts first; "Alpha" stays before "alpha".
    std::vector<std::string> sorted = { "[x]", "a", "al", "Alpha", "alpha", "ALPS", "beta", "Beta", "Zulu" };
    EXPECT_EQ(sorted, Contents(a));
    a.RemoveDuplicates(false, TextArray::ContentText);
    std::vector<std::string> unique = { "[x]", "a", "al", "Alpha", "ALPS", "beta", "Zulu" };
    EXPECT_EQ(unique, Contents(a));
    bool bFound = false;
    EXPECT_EQ(3, a.Find("ALPHA", false, bFound));
    EXPECT_TRUE(bFound);
    EXPECT_EQ(-1, a.Find("ALPHA", true, bFound));
    EXPECT_FALSE(bFound);
    EXPECT_EQ(4, a.Find("ALPS", true, bFound));
    int first = -1, last = -1;
    for (int i = 0; i < a.GetCount(); ++i)
        if (StringUtils::MatchFirstChars(a.GetCopyAt(i), "AL", false))
        {
            if (first < 0) first = i;
            last = i;
        }
    EXPECT_EQ(2, first);
    EXPECT_EQ(4, last);
    EXPECT_TRUE(a.GetCopyAt(99).IsEmpty());
    a.Sort(false, true, TextArray::ContentText);
    EXPECT_STREQ("beta", a.GetCopyAt(0));
    TextArray b;
    b.Add("one");
    b.Add(a);
    EXPECT_EQ(1 + a.GetCount(), b.GetCount());
    EXPECT_STREQ("one", b.GetCopyAt(0));
    b.RemoveAll();
    EXPECT_TRUE(b.IsEmpty());
}

TEST(TextArrayTest, GrowingASortedArrayGivesWhatAFullSortGives)
{
    std::mt19937 rng(12345);
    const char* syllables[] = { "ka", "Ka", "ro", "RO", "mi", "x", "\xE9t", "1" };
    std::vector<std::string> all;
    TextArray a;
    for (int i = 0; i < 3000; ++i)
    {
        std::string s;
        int n = 1 + rng() % 3;
        for (int k = 0; k < n; ++k)
            s += syllables[rng() % 8];
        all.push_back(s);
        a.Add(s.c_str());
        a.Sort(true, false, TextArray::ContentText);
        a.RemoveDuplicates(false, TextArray::ContentText);
        if (i % 500 == 0)
            a.GetCopyAt(0);   // reads between additions merge the side buffer
    }
    std::vector<std::string> ref;
    auto less = [](const std::string& x, const std::string& y) { return StringUtils::Compare(x.c_str(), y.c_str(), false) < 0; };
    std::stable_sort(all.begin(), all.end(), less);
    for (const std::string& s : all)
        if (ref.empty() || StringUtils::Compare(ref.back().c_str(), s.c_str(), false) != 0)
            ref.push_back(s);
    EXPECT_EQ(ref, Contents(a));
    // Added after the last Sort: stays at the end.
    a.Add("aaa");
    EXPECT_STREQ("aaa", a.GetCopyAt(a.GetCount() - 1));
}

TEST(RegistryUtilsTest, RoundTripUnderTheCurrentUser)
{
    const char* key = "Software\\qor-tests\\registry";
    ::RegDeleteKeyA(HKEY_CURRENT_USER, key);
    EXPECT_TRUE(RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, key, "Interval", false).IsEmpty());
    EXPECT_TRUE(RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, key, "Interval", "15"));
    EXPECT_STREQ("15", RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, key, "Interval", false));
    EXPECT_TRUE(RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, key, "Interval", ""));
    EXPECT_STREQ("", RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, key, "Interval", false));
    EXPECT_TRUE(RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, key, "Missing", false).IsEmpty());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, key);
}

TEST(NumberTextConvTest, DecimalTextAndBack)
{
    EXPECT_STREQ("0", NumberTextConv::NumberToString(0, false, 0, ""));
    EXPECT_STREQ("-42", NumberTextConv::NumberToString(-42, false, 0, ""));
    EXPECT_STREQ("1,234,567", NumberTextConv::NumberToString(1234567, true, 0, ""));
    EXPECT_STREQ("007 min", NumberTextConv::NumberToString(7, false, 3, " min"));
    EXPECT_STREQ("-9223372036854775808", NumberTextConv::NumberToString(INT64_MIN, false, 0, ""));
    EXPECT_EQ(15, NumberTextConv::GetNumberFromString("15"));
    EXPECT_EQ(-3, NumberTextConv::GetNumberFromString("  -3x"));
    EXPECT_EQ(0, NumberTextConv::GetNumberFromString("abc"));
    EXPECT_GT(SystemUtils::GetMouseScrollLines(), 0u);
}

TEST(AppLoggerTest, LinesCarryATimestampAndOnlyOneInstanceIsTheProcesssLogger)
{
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    CString file = CString(dir) + "qor01-log-test.txt";
    ::DeleteFileA(file);
    ASSERT_EQ(nullptr, AppLogger::m_pInstance);
    {
        AppLogger log(file);
        EXPECT_EQ(&log, AppLogger::m_pInstance);
        AppLogger second(CString(dir) + "other.txt");
        EXPECT_EQ(&log, AppLogger::m_pInstance);
        AppLogger::m_pInstance->AddLine("{D3CD50CE-3675-414A-8005-9DCC9BA3ACB8}");
        AppLogger::m_pInstance->AddLine("second line");
        EXPECT_EQ(2, log.GetLineCount());
    }
    EXPECT_EQ(nullptr, AppLogger::m_pInstance);
    std::ifstream f((LPCSTR)file);   // text mode: the CR of each CR LF is dropped
    std::string l1, l2, l3;
    std::getline(f, l1);
    std::getline(f, l2);
    EXPECT_FALSE(std::getline(f, l3));
    ASSERT_GE(l1.size(), 24u);
    EXPECT_EQ('-', l1[4]);
    EXPECT_EQ(':', l1[13]);
    EXPECT_EQ("{D3CD50CE-3675-414A-8005-9DCC9BA3ACB8}", l1.substr(24));
    EXPECT_EQ("second line", l2.substr(24));
    ::DeleteFileA(file);
}
