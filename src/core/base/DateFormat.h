#pragma once

#include <string>
#include <string_view>

#include "base/Date.h"

namespace torvalet {

// Short date patterns are written in the letters the locale service gives (Qt/ICU style):
//   d dd      day without / with leading zero;   ddd dddd  weekday name, short / long
//   M MM      month without / with leading zero; MMM MMMM  month name, short / long
//   yy        two-digit year;                    yyyy      four-digit year
// Upper-case D and Y and lower-case m are read as d, y and M (a date pattern holds no minutes).
// Text in single quotes is literal ('' is one quote); every other character is copied as it is.
// Names are English.

// The date written under a short date pattern; "" for the null date.
std::string formatShortDate(Date date, std::string_view pattern);

// The date that `text` holds under a short date pattern, or the null date when it holds none.
// Numbers may have one or two digits (years up to four); literals must match exactly; month name
// fields also take the month's number. A year of one or two digits falls in the century window
// around `currentYear`; a pattern without a year field gives the current year.
Date parseShortDate(std::string_view text, std::string_view pattern, int currentYear);

// The years from currentYear - 50 to currentYear + 49, which two-digit years name.
class CenturyWindow {
public:
    explicit CenturyWindow(int currentYear)
        : lowest_(currentYear - 50), base_(lowest_ - ((lowest_ % 100) + 100) % 100) {}
    int yearOf(int twoDigitYear) const {
        const int year = base_ + twoDigitYear;
        return year < lowest_ ? year + 100 : year;
    }

private:
    int lowest_;
    int base_;  // the first year of lowest_'s century
};

// The year of a two-digit year in the window from currentYear - 50 to currentYear + 49.
inline int windowYear(int twoDigitYear, int currentYear) { return CenturyWindow(currentYear).yearOf(twoDigitYear); }

// The moment written under a pattern of the classic date-time letters, without regard to case:
//   d dd ddd dddd   day, weekday name;   m mm mmm mmmm   month (minutes right after an h field)
//   yy yyyy         year;                h hh  n nn  s ss   hours, minutes, seconds
//   "/" and ":"     the date and the time separator; text in ' or " quotes is literal.
std::string formatClassicDateTime(std::string_view pattern, const DateTime& moment, char dateSeparator,
                                  char timeSeparator);

}  // namespace torvalet
