#pragma once

#include <string>
#include <string_view>

#include "base/Date.h"
#include "base/DateFormat.h"

namespace torvalet {

class Locale;

// The date conventions the day texts are converted under, taken once per operation.
struct DayTextContext {
    std::string shortDateFormat = "dd.MM.yyyy";
    char dateSeparator = '.';
    char timeSeparator = ':';
    Date today;  // its year is the current year of the century window

    static DayTextContext fromLocale(const Locale& locale, Date today);
};

class DayText;

// The days of a window around today, each written with one pattern, for testing many dates
// against them: what dayMatches does for one date. It refers to the DayText that made it.
class DayWindow {
public:
    bool matches(Date date) const;

private:
    friend class DayText;
    DayWindow(const DayText& dayText, std::string_view pattern, int window);

    // The patterns whose texts are equal exactly when these parts of the dates are; any other is
    // compared as written.
    enum class Parts { Written, Day, DayMonth, WholeDate };

    const DayText& dayText_;
    std::string pattern_;
    Parts parts_ = Parts::Written;
    std::string texts_[5];
    Date days_[5];
    int dayOfMonth_[5] = {}, month_[5] = {};  // of days_, worked out once
    int count_ = 0;
};

// The day text "DD.MM.YY" that calendar and contact records store their dates in, whatever the
// locale, and the tests that compare such dates with the days around today.
class DayText {
public:
    explicit DayText(DayTextContext context);

    const DayTextContext& context() const { return context_; }

    // Where the short date format puts the day, the month and the year; a format in none of the
    // three (with blanks, month names, other separators) is unrecognised.
    bool isDayFirstFormat() const;
    bool isMonthFirstFormat() const;
    bool isYearFirstFormat() const;

    // The day text of a date ("" for the null date). The date is written in the short date format
    // and its parts are put in day text order. Under an unrecognised format, or when the written
    // date has fewer than two date separators, the day text is built from the date itself: the
    // same text that dateOfDayText reads back under such a format.
    std::string dayTextOfDate(Date date) const;

    // The date of a day text: day, month and year are taken from characters 1-2, 4-5 and the last
    // two, joined with the date separator in the format's order (an unrecognised format in day
    // order) and read under the short date format. Throws ConversionError "'<joined>' is not a
    // valid date" when they name no day.
    Date dateOfDayText(std::string_view text) const;

    // Whether `date`, written with `pattern`, reads the same as one of the days of the window:
    // 0 yesterday or today, 1 today, 2 tomorrow, 3 yesterday to today + 2, 4 yesterday to today + 3;
    // any other window never matches.
    bool dayMatches(std::string_view pattern, int window, Date date) const;
    DayWindow window(std::string_view pattern, int window) const { return DayWindow(*this, pattern, window); }

    // The moment written under a classic date-time pattern ("dd", "mm", "yyyy", "hh", "nn", "ss";
    // "/" and ":" are the date and time separators of the context).
    std::string formatDateTime(std::string_view pattern, const DateTime& moment) const;
    std::string formatDateTime(std::string_view pattern, Date date) const;

private:
    // The three parts joined in the format's order (`joined`) and read under the format.
    Date readParts(const std::string& day, const std::string& month, const std::string& year,
                   std::string& joined) const;

    DayTextContext context_;
    int currentYear_;  // today's, for two-digit years
    CenturyWindow century_;
    std::string upperFormat_;
    // Whether the format reads two-digit parts as the numbers they are (every format read here
    // does, unless the context's separator is not the format's), so they need not be joined.
    bool twoDigitsReadAsThey_ = false;
};

}  // namespace torvalet
