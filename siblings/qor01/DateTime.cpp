#include "qor01.h"
#include "DateText.h"

static CString LocaleText(LCTYPE type, LPCSTR lpszDefault)
{
    char buf[128];
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof(buf)) <= 0)
        return lpszDefault;
    return buf;
}

CString LocaleUtils::GetShortDatePattern() { return LocaleText(LOCALE_SSHORTDATE, "M/d/yyyy"); }
CString LocaleUtils::GetTimePattern() { return LocaleText(LOCALE_STIMEFORMAT, "h:mm:ss tt"); }
CString LocaleUtils::GetAMDesignator() { return LocaleText(LOCALE_S1159, "AM"); }
CString LocaleUtils::GetPMDesignator() { return LocaleText(LOCALE_S2359, "PM"); }

static char SeparatorAfterFirstField(const CString& pattern, const char* fields, char fallback)
{
    bool seen = false;
    for (int i = 0; i < pattern.GetLength(); ++i)
    {
        char c = pattern[i];
        if (strchr(fields, c))
            seen = true;
        else if (seen && c != '\'' && c != ' ')
            return c;
    }
    return fallback;
}

CString LocaleUtils::GetDateSeparator() { return CString(SeparatorAfterFirstField(GetShortDatePattern(), "dMy", '/'), 1); }
CString LocaleUtils::GetTimeSeparator() { return CString(SeparatorAfterFirstField(GetTimePattern(), "hHms", ':'), 1); }

void LocaleUtils::GetDateOrdering(int& nDayPos, int& nMonthPos, int& nYearPos)
{
    int order[3];
    datetext::OrderFromPattern((LPCSTR)GetShortDatePattern(), order);
    for (int i = 0; i < 3; ++i)
    {
        if (order[i] == 0) nDayPos = i;
        else if (order[i] == 1) nMonthPos = i;
        else nYearPos = i;
    }
}

DateTime::DateTime(int nYear, int nMonth, int nDay) { SetDate(nYear, nMonth, nDay); }

void DateTime::SetToCurrent()
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    m_nDay = datetext::DayFromDate(st.wYear, st.wMonth, st.wDay);
    m_nTime = st.wHour * 3600u + st.wMinute * 60u + st.wSecond;
}

bool DateTime::SetDate(int nYear, int nMonth, int nDay)
{
    unsigned day = datetext::DayFromDate(nYear, nMonth, nDay);
    if (day == 0)
        return false;
    m_nDay = day;
    return true;
}

bool DateTime::SetDate(const CString& strText)
{
    int order[3], y, m, d;
    datetext::OrderFromPattern((LPCSTR)LocaleUtils::GetShortDatePattern(), order);
    if (!datetext::ParseDate((LPCSTR)strText, order, LocaleUtils::GetDateSeparator()[0], y, m, d))
        return false;
    return SetDate(y, m, d);
}

bool DateTime::SetTime(int nHour, int nMinute, int nSecond)
{
    if (nHour < 0 || nHour > 23 || nMinute < 0 || nMinute > 59 || nSecond < 0 || nSecond > 59)
        return false;
    m_nTime = nHour * 3600u + nMinute * 60u + nSecond;
    return true;
}

bool DateTime::SetTime(const CString& strText)
{
    int h, m, s;
    if (!datetext::ParseTime((LPCSTR)strText, LocaleUtils::GetTimeSeparator()[0],
                             (LPCSTR)LocaleUtils::GetAMDesignator(), (LPCSTR)LocaleUtils::GetPMDesignator(), h, m, s))
        return false;
    return SetTime(h, m, s);
}

int DateTime::GetYear() const
{
    if (!HasDate()) return 0;
    int y, m, d;
    datetext::DateFromDay(m_nDay, y, m, d);
    return y;
}

int DateTime::GetMonth() const
{
    if (!HasDate()) return 0;
    int y, m, d;
    datetext::DateFromDay(m_nDay, y, m, d);
    return m;
}

int DateTime::GetDayOfMonth() const
{
    if (!HasDate()) return 0;
    int y, m, d;
    datetext::DateFromDay(m_nDay, y, m, d);
    return d;
}

void DateTime::AddMonths(int n)
{
    if (!HasDate()) return;
    int y, m, d;
    datetext::DateFromDay(m_nDay, y, m, d);
    long months = (long)y * 12 + (m - 1) + n;
    if (months < 12) months = 12;                       // January of year 1
    if (months > 9999L * 12 + 11) months = 9999L * 12 + 11;
    y = (int)(months / 12);
    m = (int)(months % 12) + 1;
    if (d > datetext::DaysInMonth(y, m)) d = datetext::DaysInMonth(y, m);
    if (y == 1582 && m == 10 && d > 4 && d < 15) d = 15;   // the days the calendar skipped
    m_nDay = datetext::DayFromDate(y, m, d);
}

void DateTime::AddMinutes(int n)
{
    if (!HasTime()) return;
    long long t = ((long long)m_nTime + 60LL * n) % 86400;
    if (t < 0) t += 86400;
    m_nTime = (UINT32)t;
}

CString DateTime::ConvertDateToText(const DateTime& date, bool bLong, bool bWeekday, bool bTime, bool bFourDigitYear)
{
    if (!date.HasDate()) return CString();
    int y, m, d;
    datetext::DateFromDay(date.m_nDay, y, m, d);
    CString text;
    if (bLong)
    {
        // Month and weekday names come from the locale through the system formatter,
        // which knows years from 1601 on; earlier dates use the short form.
        SYSTEMTIME st = {};
        st.wYear = (WORD)y; st.wMonth = (WORD)m; st.wDay = (WORD)d;
        char buf[128];
        if (y >= 1601 && ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &st, NULL, buf, sizeof(buf)) > 0)
            text = buf;
    }
    if (text.IsEmpty())
        text = datetext::FormatDate((LPCSTR)LocaleUtils::GetShortDatePattern(), y, m, d, bFourDigitYear).c_str();
    if (bWeekday)
    {
        // Day 1 (1 January 1, Julian) was a Saturday; LOCALE_SDAYNAME1 is Monday.
        int weekday = (int)((date.m_nDay + 4) % 7);   // 0 Monday
        text = LocaleText(LOCALE_SDAYNAME1 + weekday, "") + " " + text;
    }
    if (bTime && date.HasTime())
        text += " " + ConvertTimeToText(date, false);
    return text;
}

CString DateTime::ConvertTimeToText(const DateTime& time, bool bSeconds)
{
    if (!time.HasTime()) return CString();
    return datetext::FormatTime((LPCSTR)LocaleUtils::GetTimePattern(), time.GetHour(), time.GetMinute(),
                                time.GetSecond(), bSeconds, (LPCSTR)LocaleUtils::GetAMDesignator(),
                                (LPCSTR)LocaleUtils::GetPMDesignator()).c_str();
}
