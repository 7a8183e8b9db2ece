#include <gtest/gtest.h>

#include "base/DateFormat.h"

namespace torvalet {
namespace {

const Date march5 = Date::fromYmd(2026, 3, 5);  // a Thursday

TEST(DateFormat, WritesShortDatePatterns) {
    const struct {
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"dd.MM.yyyy", "05.03.2026"},
        {"M/d/yyyy", "3/5/2026"},
        {"yyyy-MM-dd", "2026-03-05"},
        {"d MMM yyyy", "5 Mar 2026"},
        {"dddd, d MMMM yy", "Thursday, 5 March 26"},
        {"ddd dd.mm.YY", "Thu 05.03.26"},  // m and Y read as month and year
        {"d 'de' MMMM", "5 de March"},
        {"dd''MM 'o''clock'", "05'03 o'clock"},
        {"yyyy年M月d日", "2026年3月5日"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatShortDate(march5, c.pattern), c.expected) << c.pattern;
    EXPECT_EQ(formatShortDate(Date(), "dd.MM.yyyy"), "");
}

TEST(DateFormat, ReadsDatesUnderShortDatePatterns) {
    const struct {
        const char* text;
        const char* pattern;
        const char* expected;  // ISO, "" for no date
    } cases[] = {
        {"05.03.2026", "dd.MM.yyyy", "2026-03-05"}, {"5.3.2026", "dd.MM.yyyy", "2026-03-05"},
        {"03/05/26", "M/d/yyyy", "2026-03-05"},     {"26-03-05", "yyyy-MM-dd", "2026-03-05"},
        {"5 Mar 2026", "d MMM yyyy", "2026-03-05"}, {"5 MARCH 2026", "d MMM yyyy", "2026-03-05"},
        {"05 03 26", "d MMM yyyy", "2026-03-05"},   {" 05.03.2026 ", "dd.MM.yyyy", "2026-03-05"},
        {"05.03", "dd.MM", "2026-03-05"},           {"29.02.2028", "dd.MM.yyyy", "2028-02-29"},
        {"29.02.2027", "dd.MM.yyyy", ""},           {"31.04.2026", "dd.MM.yyyy", ""},
        {"05/03/2026", "dd.MM.yyyy", ""},           {"5...8.80", "dd.MM.yyyy", ""},
        {"05.03.2026x", "dd.MM.yyyy", ""},          {"123.03.2026", "dd.MM.yyyy", ""},
        {"5 Mars 2026", "d MMM yyyy", ""},          {"", "dd.MM.yyyy", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseShortDate(c.text, c.pattern, 2026).toIso(), c.expected) << c.text << " / " << c.pattern;
}

TEST(DateFormat, TwoDigitYearsFallInTheCenturyWindow) {
    const struct {
        int twoDigits, currentYear, expected;
    } cases[] = {
        {75, 2026, 2075}, {76, 2026, 1976}, {26, 2026, 2026}, {0, 2026, 2000},
        {99, 2026, 1999}, {0, 2050, 2000},  {99, 2050, 2099}, {0, 2051, 2100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windowYear(c.twoDigits, c.currentYear), c.expected) << c.twoDigits << " in " << c.currentYear;
    EXPECT_EQ(parseShortDate("01.01.75", "dd.MM.yy", 2026).year(), 2075);
    EXPECT_EQ(parseShortDate("01.01.76", "dd.MM.yyyy", 2026).year(), 1976);
    EXPECT_EQ(parseShortDate("01.01.1875", "dd.MM.yy", 2026).year(), 1875);
}

TEST(DateFormat, WritesClassicDateTimePatternsWithTheGivenSeparators) {
    const DateTime moment{march5, 14, 7, 9};
    const struct {
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"dd/mm/yyyy", "05-03-2026"},
        {"d/m/yy", "5-3-26"},
        {"DD/MM", "05-03"},
        {"hh:nn:ss", "14.07.09"},
        {"h:mm", "14.07"},  // m right after an hour field is the minute
        {"ddd dd mmm", "Thu 05 Mar"},
        {"dd 'of' mmmm", "05 of March"},
        {"\"dd/mm\" dd", "dd/mm 05"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatClassicDateTime(c.pattern, moment, '-', '.'), c.expected) << c.pattern;
}

}  // namespace
}  // namespace torvalet
