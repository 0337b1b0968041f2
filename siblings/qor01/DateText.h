// Pure date and time arithmetic, parsing and formatting: no Windows calls, so that it can
// also be compiled natively (and fuzzed). Locale settings come in as arguments.
#pragma once
#include <string>

namespace datetext {

// Day numbers: day 1 is 1 January of year 1 in the Julian calendar; the Gregorian calendar
// starts on 15 October 1582 (the day after 4 October 1582); day 3652061 is 31 December 9999.
const unsigned kFirstDay = 1;
const unsigned kLastDay = 3652061;

bool IsValidDate(int y, int m, int d);              // also false inside the 1582 gap
unsigned DayFromDate(int y, int m, int d);          // 0 for an invalid date
void DateFromDay(unsigned day, int& y, int& m, int& d);
int DaysInMonth(int y, int m);

// Field order of a short date: which field comes first, second and third
// (0 day, 1 month, 2 year), taken from a pattern such as "d.M.yyyy".
void OrderFromPattern(const std::string& pattern, int order[3]);

// Two-digit years: 00-49 are 2000-2049, 50-99 are 1950-1999 (the Windows default window).
int ExpandYear(int yy);

// Parses a date in the given field order; separators are sep and also '.', '/', '-'.
// Day and month take one or two digits, the year two or four. False for anything else.
bool ParseDate(const std::string& text, const int order[3], char sep, int& y, int& m, int& d);

// Formats with a Windows date pattern (d dd M MM y yy yyyy, quoted literals).
std::string FormatDate(const std::string& pattern, int y, int m, int d, bool bFourDigitYear);

// Parses "h:mm", "h:mm:ss" with sep or ':' and an optional AM/PM marker (the given
// designators or "AM"/"PM", any case, before or after the time). False for anything else.
bool ParseTime(const std::string& text, char sep, const std::string& am, const std::string& pm,
               int& h, int& m, int& s);
// Formats with a Windows time pattern (h hh H HH m mm s ss t tt, quoted literals);
// without seconds the seconds field and the separator before it are left out.
std::string FormatTime(const std::string& pattern, int h, int m, int s, bool bSeconds,
                       const std::string& am, const std::string& pm);

} // namespace datetext
