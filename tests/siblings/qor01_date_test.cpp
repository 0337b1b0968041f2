// Day numbers over the whole range, date and time texts, and month and minute arithmetic.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <qor01.h>
#include "DateText.h"

using namespace datetext;

TEST(DayNumberTest, EveryDayRoundTripsAndFollowsItsPredecessor)
{
    int py, pm, pd;
    DateFromDay(1, py, pm, pd);
    EXPECT_EQ(1, py); EXPECT_EQ(1, pm); EXPECT_EQ(1, pd);
    int failures = 0;
    for (unsigned day = 2; day <= kLastDay && failures < 5; ++day)
    {
        int y, m, d;
        DateFromDay(day, y, m, d);
        bool next = (y == py && m == pm && d == pd + 1) ||
                    (y == py && m == pm + 1 && d == 1 && pd == DaysInMonth(py, pm)) ||
                    (y == py + 1 && m == 1 && d == 1 && pm == 12 && pd == 31) ||
                    (y == 1582 && m == 10 && d == 15 && pd == 4);      // the Gregorian switch
        if (!next || DayFromDate(y, m, d) != day)
        {
            ADD_FAILURE() << "day " << day << " is " << y << "-" << m << "-" << d;
            ++failures;
        }
        py = y; pm = m; pd = d;
    }
    EXPECT_EQ(9999, py); EXPECT_EQ(12, pm); EXPECT_EQ(31, pd);
}

TEST(DayNumberTest, BoundariesGapAndLeapDays)
{
    struct { int y, m, d; unsigned day; } rows[] = {
        { 1, 1, 1, 1 }, { 1582, 10, 4, 577737 }, { 1582, 10, 15, 577738 },
        { 2000, 1, 1, 730122 }, { 9999, 12, 31, 3652061 },
        { 1582, 10, 5, 0 }, { 1582, 10, 14, 0 },                // skipped days
        { 1500, 2, 29, 547569 },                                 // Julian leap day
        { 1700, 2, 29, 0 }, { 1900, 2, 29, 0 }, { 2000, 2, 29, 730181 },
        { 2023, 2, 29, 0 }, { 2024, 4, 31, 0 }, { 0, 1, 1, 0 }, { 10000, 1, 1, 0 },
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.day, DayFromDate(r.y, r.m, r.d)) << r.y << "-" << r.m << "-" << r.d;
    // A known weekday: 1 January 2000 was a Saturday.
    EXPECT_EQ(5, (int)((730122 + 4) % 7));
}

TEST(DateTextTest, ParsingInEachFieldOrder)
{
    const int mdy[3] = { 1, 0, 2 }, dmy[3] = { 0, 1, 2 }, ymd[3] = { 2, 1, 0 };
    struct { const char* text; const int* order; char sep; bool ok; int y, m, d; } rows[] = {
        { "3/5/2024", mdy, '/', true, 2024, 3, 5 },   { "03/05/24", mdy, '/', true, 2024, 3, 5 },
        { "5.3.2024", dmy, '.', true, 2024, 3, 5 },   { "5-3-2024", dmy, '.', true, 2024, 3, 5 },
        { "5/3/99", dmy, '.', true, 1999, 3, 5 },     { "1.1.49", dmy, '.', true, 2049, 1, 1 },
        { "1.1.50", dmy, '.', true, 1950, 1, 1 },     { "2024/3/5", ymd, '/', true, 2024, 3, 5 },
        { " 5.3.2024 ", dmy, '.', true, 2024, 3, 5 }, { "5.3.2024.", dmy, '.', true, 2024, 3, 5 },
        { "30.2.2024", dmy, '.', false },              { "10.10.1582", dmy, '.', false },
        { "4.10.1582", dmy, '.', true, 1582, 10, 4 },  { "5.3.024", dmy, '.', false },
        { "123.3.2024", dmy, '.', false },             { "5.3", dmy, '.', false },
        { "", dmy, '.', false },                       { "a.b.c", dmy, '.', false },
        { "5.3.2024x", dmy, '.', false },              { "5;3;2024", dmy, '.', false },
    };
    for (const auto& r : rows)
    {
        int y = -1, m = -1, d = -1;
        EXPECT_EQ(r.ok, ParseDate(r.text, r.order, r.sep, y, m, d)) << r.text;
        if (r.ok)
        {
            EXPECT_EQ(r.y, y) << r.text;
            EXPECT_EQ(r.m, m) << r.text;
            EXPECT_EQ(r.d, d) << r.text;
        }
        else
            EXPECT_EQ(-1, y) << r.text;   // outputs untouched on failure
    }
    int order[3];
    OrderFromPattern("yyyy/M/d", order);
    EXPECT_EQ(2, order[0]); EXPECT_EQ(1, order[1]); EXPECT_EQ(0, order[2]);
    OrderFromPattern("dd'de 'MMMM' de 'yyyy", order);
    EXPECT_EQ(0, order[0]); EXPECT_EQ(1, order[1]); EXPECT_EQ(2, order[2]);
}

TEST(DateTextTest, FormattingWithWindowsPatterns)
{
    EXPECT_EQ("3/5/2024", FormatDate("M/d/yyyy", 2024, 3, 5, false));
    EXPECT_EQ("05.03.2024", FormatDate("dd.MM.yyyy", 2024, 3, 5, false));
    EXPECT_EQ("05.03.24", FormatDate("dd.MM.yy", 2024, 3, 5, false));
    EXPECT_EQ("05.03.2024", FormatDate("dd.MM.yy", 2024, 3, 5, true));
    EXPECT_EQ("0007/1/1", FormatDate("yyyy/M/d", 7, 1, 1, false));
    EXPECT_EQ("1 de 2", FormatDate("d' de 'M", 2024, 2, 1, false));
    EXPECT_EQ("2:05 PM", FormatTime("h:mm:ss tt", 14, 5, 9, false, "AM", "PM"));
    EXPECT_EQ("2:05:09 PM", FormatTime("h:mm:ss tt", 14, 5, 9, true, "AM", "PM"));
    EXPECT_EQ("12:00 AM", FormatTime("h:mm:ss tt", 0, 0, 0, false, "AM", "PM"));
    EXPECT_EQ("07:30", FormatTime("HH:mm:ss", 7, 30, 0, false, "", ""));
    EXPECT_EQ("7:30:00", FormatTime("H:mm:ss", 7, 30, 0, true, "", ""));
}

TEST(DateTextTest, ParsingTimes)
{
    struct { const char* text; bool ok; int h, m, s; } rows[] = {
        { "7:30", true, 7, 30, 0 },       { "07:30:15", true, 7, 30, 15 },  { "23:59", true, 23, 59, 0 },
        { "2:05 PM", true, 14, 5, 0 },    { "12:00 am", true, 0, 0, 0 },    { "12:00 PM", true, 12, 0, 0 },
        { "PM 2:05", true, 14, 5, 0 },    { "7.30", true, 7, 30, 0 },       { "24:00", false },
        { "7:60", false },                { "13:00 PM", false },            { "0:00 AM", false },
        { "7", false },                   { "7:3", false },                 { "", false },
        { "7:30x", false },               { "-1:30", false },               { "7:30:15:00", false },
    };
    for (const auto& r : rows)
    {
        int h = -1, m = -1, s = -1;
        EXPECT_EQ(r.ok, ParseTime(r.text, '.', "AM", "PM", h, m, s)) << r.text;
        if (r.ok)
        {
            EXPECT_EQ(r.h, h) << r.text;
            EXPECT_EQ(r.m, m) << r.text;
            EXPECT_EQ(r.s, s) << r.text;
        }
    }
}

TEST(DateTimeTest, MonthsClampAndMinutesWrap)
{
    struct { int y, m, d, n, ey, em, ed; } rows[] = {
        { 2024, 1, 31, 1, 2024, 2, 29 },  { 2023, 3, 31, -1, 2023, 2, 28 }, { 2024, 12, 15, 1, 2025, 1, 15 },
        { 2024, 1, 15, -13, 2022, 12, 15 }, { 1582, 9, 10, 1, 1582, 10, 15 }, { 9999, 12, 1, 5, 9999, 12, 1 },
        { 1, 1, 31, -1, 1, 1, 31 },        { 2024, 5, 31, 0, 2024, 5, 31 },
    };
    for (const auto& r : rows)
    {
        DateTime t(r.y, r.m, r.d);
        t.AddMonths(r.n);
        EXPECT_EQ(DateTime(r.ey, r.em, r.ed).m_nDay, t.m_nDay) << r.y << "-" << r.m << "-" << r.d << " + " << r.n;
    }
    DateTime none;
    none.AddMonths(1);
    EXPECT_FALSE(none.HasDate());

    DateTime t;
    ASSERT_TRUE(t.SetTime(23, 50, 0));
    t.AddMinutes(15);
    EXPECT_EQ(0, t.GetHour());
    EXPECT_EQ(5, t.GetMinute());
    t.AddMinutes(-10);
    EXPECT_EQ(23, t.GetHour());
    EXPECT_EQ(55, t.GetMinute());
    t.AddMinutes(-60 * 24 * 3);
    EXPECT_EQ(23 * 3600u + 55 * 60u, t.m_nTime);
    EXPECT_FALSE(t.SetTime(24, 0, 0));
    EXPECT_EQ(23 * 3600u + 55 * 60u, t.m_nTime);
}

// Runs in every locale the tests are registered with (English (US), German, Japanese):
// texts made for the user's format read back to the same value, and bad texts change nothing.
TEST(DateLocaleTest, TextsRoundTripInTheUserLocale)
{
    CString pattern = LocaleUtils::GetShortDatePattern();
    int dayPos = -1, monthPos = -1, yearPos = -1;
    LocaleUtils::GetDateOrdering(dayPos, monthPos, yearPos);
    EXPECT_EQ(3, dayPos + monthPos + yearPos);
    DateTime d(2024, 3, 5);
    CString text = DateTime::ConvertDateToText(d, false, false, false, true);
    if (pattern == "M/d/yyyy") { EXPECT_STREQ("3/5/2024", text); EXPECT_EQ(0, monthPos); }
    else if (pattern == "d.M.yyyy") { EXPECT_STREQ("5.3.2024", text); EXPECT_EQ(0, dayPos); EXPECT_STREQ(".", LocaleUtils::GetDateSeparator()); }
    else if (pattern == "yyyy/M/d") { EXPECT_STREQ("2024/3/5", text); EXPECT_EQ(0, yearPos); }
    for (unsigned day : { 1u, 577737u, 577738u, 730181u, 739000u, 3652061u })
    {
        DateTime a;
        a.m_nDay = day;
        DateTime b;
        ASSERT_TRUE(b.SetDate(DateTime::ConvertDateToText(a, false, false, false, true))) << day;
        EXPECT_EQ(day, b.m_nDay);
    }
    DateTime keep(2020, 6, 7);
    EXPECT_FALSE(keep.SetDate("30/30/30"));
    EXPECT_FALSE(keep.SetDate("not a date"));
    EXPECT_EQ(DateTime(2020, 6, 7).m_nDay, keep.m_nDay);

    DateTime t;
    ASSERT_TRUE(t.SetTime(14, 5, 9));
    DateTime u;
    ASSERT_TRUE(u.SetTime(DateTime::ConvertTimeToText(t, true))) << (LPCSTR)DateTime::ConvertTimeToText(t, true);
    EXPECT_EQ(t.m_nTime, u.m_nTime);
    ASSERT_TRUE(u.SetTime(DateTime::ConvertTimeToText(t, false)));
    EXPECT_EQ(14 * 3600u + 5 * 60u, u.m_nTime);
    EXPECT_FALSE(u.SetTime("25:00"));
    EXPECT_EQ(14 * 3600u + 5 * 60u, u.m_nTime);
    EXPECT_TRUE(DateTime::ConvertTimeToText(DateTime(), false).IsEmpty());
}
