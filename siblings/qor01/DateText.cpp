#include "DateText.h"
#include <ctype.h>

namespace datetext {

// Julian Day Numbers: day n of ours is JDN n + 1721423.
static const long kJdnOffset = 1721423;
static const long kGregorianStartJdn = 2299161;   // 15 October 1582

static long JdnGregorian(long y, long m, long d)
{
    long a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}

static long JdnJulian(long y, long m, long d)
{
    long a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - 32083;
}

static bool IsGregorian(int y, int m, int d)
{
    return y > 1582 || (y == 1582 && (m > 10 || (m == 10 && d >= 15)));
}

int DaysInMonth(int y, int m)
{
    static const int days[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (m != 2)
        return days[m - 1];
    bool leap = y > 1582 ? (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) : y % 4 == 0;
    return leap ? 29 : 28;
}

bool IsValidDate(int y, int m, int d)
{
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m))
        return false;
    return !(y == 1582 && m == 10 && d > 4 && d < 15);
}

unsigned DayFromDate(int y, int m, int d)
{
    if (!IsValidDate(y, m, d))
        return 0;
    long jdn = IsGregorian(y, m, d) ? JdnGregorian(y, m, d) : JdnJulian(y, m, d);
    return (unsigned)(jdn - kJdnOffset);
}

void DateFromDay(unsigned day, int& y, int& m, int& d)
{
    long jdn = (long)day + kJdnOffset;
    long c, e;
    if (jdn >= kGregorianStartJdn)
    {
        long a = jdn + 32044, b = (4 * a + 3) / 146097;
        c = a - 146097 * b / 4;
        long dd = (4 * c + 3) / 1461;
        e = c - 1461 * dd / 4;
        long mm = (5 * e + 2) / 153;
        d = (int)(e - (153 * mm + 2) / 5 + 1);
        m = (int)(mm + 3 - 12 * (mm / 10));
        y = (int)(100 * b + dd - 4800 + mm / 10);
    }
    else
    {
        c = jdn + 32082;
        long dd = (4 * c + 3) / 1461;
        e = c - 1461 * dd / 4;
        long mm = (5 * e + 2) / 153;
        d = (int)(e - (153 * mm + 2) / 5 + 1);
        m = (int)(mm + 3 - 12 * (mm / 10));
        y = (int)(dd - 4800 + mm / 10);
    }
}

void OrderFromPattern(const std::string& pattern, int order[3])
{
    int n = 0;
    bool quoted = false;
    char last = 0;
    for (char c : pattern)
    {
        if (c == '\'') { quoted = !quoted; continue; }
        if (quoted) continue;
        int field = c == 'd' ? 0 : c == 'M' ? 1 : c == 'y' ? 2 : -1;
        if (field >= 0 && c != last && n < 3)
            order[n++] = field;
        last = field >= 0 ? c : 0;
    }
    if (n != 3)
    {
        order[0] = 1; order[1] = 0; order[2] = 2;   // month, day, year
    }
}

int ExpandYear(int yy) { return yy < 50 ? 2000 + yy : 1900 + yy; }

bool ParseDate(const std::string& text, const int order[3], char sep, int& y, int& m, int& d)
{
    int value[3] = {}, digits[3] = {};
    size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ') ++i;
    for (int f = 0; f < 3; ++f)
    {
        if (f > 0)
        {
            char c = i < n ? text[i] : 0;
            if (c != sep && c != '.' && c != '/' && c != '-')
                return false;
            ++i;
        }
        while (i < n && isdigit((unsigned char)text[i]) && digits[f] < 5)
        {
            value[f] = value[f] * 10 + (text[i] - '0');
            ++digits[f];
            ++i;
        }
        if (digits[f] == 0)
            return false;
    }
    while (i < n && (text[i] == ' ' || ((text[i] == sep || text[i] == '.') && i + 1 == n))) ++i;
    if (i != n)
        return false;
    int dd = 0, mm = 0, yy = 0;
    for (int f = 0; f < 3; ++f)
    {
        int nd = digits[f];
        if (order[f] == 0) { if (nd > 2) return false; dd = value[f]; }
        else if (order[f] == 1) { if (nd > 2) return false; mm = value[f]; }
        else
        {
            if (nd == 2) yy = ExpandYear(value[f]);
            else if (nd == 4) yy = value[f];
            else return false;
        }
    }
    if (!IsValidDate(yy, mm, dd))
        return false;
    y = yy; m = mm; d = dd;
    return true;
}

static std::string Num(int v, int width)
{
    std::string s = std::to_string(v);
    while ((int)s.size() < width) s.insert(s.begin(), '0');
    return s;
}

// Walks a Windows date or time pattern: quoted literals are copied without their quotes;
// each run of one letter goes to field(out, letter, run length), which appends the field
// or, for a letter it does not know, returns false to have the run copied as it stands.
template <class Field>
static std::string ExpandPattern(const std::string& pattern, Field field)
{
    std::string out;
    for (size_t i = 0; i < pattern.size();)
    {
        char c = pattern[i];
        if (c == '\'')
        {
            size_t j = pattern.find('\'', i + 1);
            out += pattern.substr(i + 1, (j == std::string::npos ? pattern.size() : j) - i - 1);
            i = j == std::string::npos ? pattern.size() : j + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        if (!field(out, c, run))
            out += pattern.substr(i, run);
        i += run;
    }
    return out;
}

std::string FormatDate(const std::string& pattern, int y, int m, int d, bool bFourDigitYear)
{
    return ExpandPattern(pattern, [&](std::string& out, char c, size_t run) {
        if (c == 'd') out += Num(d, run >= 2 ? 2 : 1);
        else if (c == 'M') out += Num(m, run >= 2 ? 2 : 1);
        else if (c == 'y') out += (run <= 2 && !bFourDigitYear) ? Num(y % 100, run == 1 ? 1 : 2) : Num(y, 4);
        else return false;
        return true;
    });
}

static bool StartsNoCase(const std::string& s, size_t at, const std::string& word)
{
    if (word.empty() || at + word.size() > s.size()) return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (tolower((unsigned char)s[at + k]) != tolower((unsigned char)word[k])) return false;
    return true;
}

// 1 AM, 2 PM, 0 none; advances past the marker.
static int Marker(const std::string& s, size_t& i, const std::string& am, const std::string& pm)
{
    for (const std::string& w : { am, std::string("AM") })
        if (StartsNoCase(s, i, w)) { i += w.size(); return 1; }
    for (const std::string& w : { pm, std::string("PM") })
        if (StartsNoCase(s, i, w)) { i += w.size(); return 2; }
    return 0;
}

bool ParseTime(const std::string& text, char sep, const std::string& am, const std::string& pm,
               int& h, int& m, int& s)
{
    size_t i = 0, n = text.size();
    auto blanks = [&]() { while (i < n && text[i] == ' ') ++i; };
    blanks();
    int marker = Marker(text, i, am, pm);
    blanks();
    int v[3] = { 0, 0, 0 }, fields = 0;
    for (; fields < 3; ++fields)
    {
        if (fields > 0)
        {
            if (i >= n || (text[i] != sep && text[i] != ':')) break;
            ++i;
        }
        int digits = 0;
        while (i < n && isdigit((unsigned char)text[i]) && digits < 3) { v[fields] = v[fields] * 10 + (text[i] - '0'); ++digits; ++i; }
        if (digits == 0 || digits > 2 || (fields > 0 && digits != 2)) return false;
    }
    if (fields < 2) return false;
    blanks();
    if (marker == 0) marker = Marker(text, i, am, pm);
    blanks();
    if (i != n) return false;
    int hh = v[0];
    if (marker != 0)
    {
        if (hh < 1 || hh > 12) return false;
        hh = hh % 12 + (marker == 2 ? 12 : 0);
    }
    if (hh > 23 || v[1] > 59 || v[2] > 59) return false;
    h = hh; m = v[1]; s = v[2];
    return true;
}

std::string FormatTime(const std::string& pattern, int h, int m, int s, bool bSeconds,
                       const std::string& am, const std::string& pm)
{
    size_t sepStart = std::string::npos;   // where the text since the minutes began
    return ExpandPattern(pattern, [&](std::string& out, char c, size_t run) {
        int w = run >= 2 ? 2 : 1;
        if (c == 'h') out += Num(h % 12 == 0 ? 12 : h % 12, w);
        else if (c == 'H') out += Num(h, w);
        else if (c == 'm') { out += Num(m, w); sepStart = out.size(); }
        else if (c == 's')
        {
            if (bSeconds) out += Num(s, w);
            else if (sepStart != std::string::npos) out.erase(sepStart);
        }
        else if (c == 't') { const std::string& d = h < 12 ? am : pm; out += run == 1 ? d.substr(0, 1) : d; }
        else return false;
        return true;
    });
}

} // namespace datetext
