// A date (day number) and a time of day (seconds since midnight), read directly by callers.
// Day 1 is 1 January of year 1 (Julian calendar up to 4 October 1582, Gregorian from
// 15 October 1582); day 3652061 is 31 December 9999. Day 0 means no date, time part
// 0xFFFFFFFF no time. Texts follow the user's locale.
#pragma once

class QOR01_API DateTime
{
public:
    enum : UINT32 { NoDay = 0, NoTime = 0xFFFFFFFF, LastDay = 3652061 };

    UINT32 m_nDay = NoDay;     // 1..3652061 when a date is set
    UINT32 m_nTime = NoTime;   // 0..86399 when a time is set

    DateTime() = default;
    DateTime(int nYear, int nMonth, int nDay);   // no date when the date does not exist

    bool HasDate() const { return m_nDay >= 1 && m_nDay <= LastDay; }
    bool HasTime() const { return m_nTime <= 86399; }

    void SetToCurrent();                         // today and now, local time
    // Parses a date in the user's field order (see docs/qor01.md); false and unchanged
    // when the text is not a date that exists.
    bool SetDate(const CString& strText);
    bool SetDate(int nYear, int nMonth, int nDay);
    // Parses a time of day; false and unchanged when the text is not one.
    bool SetTime(const CString& strText);
    bool SetTime(int nHour, int nMinute, int nSecond);

    int GetYear() const;                         // 0 when no date
    int GetMonth() const;                        // 1..12, 0 when no date
    int GetDayOfMonth() const;                   // 1..31, 0 when no date
    int GetHour() const { return HasTime() ? (int)(m_nTime / 3600) : -1; }
    int GetMinute() const { return HasTime() ? (int)(m_nTime / 60 % 60) : -1; }
    int GetSecond() const { return HasTime() ? (int)(m_nTime % 60) : -1; }

    // n months on (or back); the day is clamped to the end of a shorter month and the
    // result to the valid range. Nothing happens without a date.
    void AddMonths(int n);
    // n minutes on (or back); the time wraps around midnight, the day does not change.
    // Nothing happens without a time.
    void AddMinutes(int n);

    // The user's short date (LOCALE_SSHORTDATE). bLong: the long date format instead;
    // bWeekday: the weekday name before it; bTime: the short time after it;
    // bFourDigitYear: the year always with four digits. Empty when no date.
    static CString ConvertDateToText(const DateTime& date, bool bLong, bool bWeekday, bool bTime, bool bFourDigitYear);
    // The user's time format (LOCALE_STIMEFORMAT); bSeconds keeps the seconds, otherwise
    // they and the separator before them are left out. Empty when no time.
    static CString ConvertTimeToText(const DateTime& time, bool bSeconds);

    bool operator==(const DateTime& o) const { return m_nDay == o.m_nDay && m_nTime == o.m_nTime; }
    bool operator!=(const DateTime& o) const { return !(*this == o); }
};

class QOR01_API LocaleUtils
{
public:
    // The separator of the user's short date (the first character between its fields).
    static CString GetDateSeparator();
    // Positions of the fields in the user's short date: for "d.M.yyyy" day 0, month 1,
    // year 2; for "M/d/yyyy" day 1, month 0, year 2; for "yyyy/M/d" day 2, month 1, year 0.
    static void GetDateOrdering(int& nDayPos, int& nMonthPos, int& nYearPos);
    static CString GetShortDatePattern();
    static CString GetTimePattern();
    static CString GetTimeSeparator();
    static CString GetAMDesignator();
    static CString GetPMDesignator();
};
