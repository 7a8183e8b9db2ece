#include <gtest/gtest.h>

#include <string>

#include "base/Errors.h"
#include "fakes/FakeServices.h"
#include "model/DayText.h"

namespace torvalet {
namespace {

// The day-text conversions as they run under a locale with the given short date format.
DayText under(const std::string& format, Date today = Date::fromYmd(2026, 3, 10)) {
    testing::FakeLocale locale;
    locale.format = format;
    return DayText(DayTextContext::fromLocale(locale, today));
}

TEST(DayText, ClassifiesShortDateFormats) {
    const struct {
        const char* format;
        char order;  // 'D' day first, 'M' month first, 'Y' year first, '-' unrecognised
    } cases[] = {
        {"dd.MM.yyyy", 'D'},  {"d/M/yy", 'D'},      {"dd/mm/yyyy", 'D'}, {"M/d/yyyy", 'M'},
        {"MM-dd-yy", 'M'},    {"yyyy-MM-dd", 'Y'},  {"yy.M.d", 'Y'},     {"d MMM yyyy", '-'},
        {"dd.MM.yyyy.", '-'}, {"d.M.yyyy г.", '-'}, {"dd:MM:yyyy", '-'}, {"", '-'},
    };
    for (const auto& c : cases) {
        const DayText dayText = under(c.format);
        EXPECT_EQ(dayText.isDayFirstFormat(), c.order == 'D') << c.format;
        EXPECT_EQ(dayText.isMonthFirstFormat(), c.order == 'M') << c.format;
        EXPECT_EQ(dayText.isYearFirstFormat(), c.order == 'Y') << c.format;
    }
}

// Every locale gives the same day text, and reads it back as the same day.
TEST(DayText, ConvertsBothWaysWhateverTheLocale) {
    const char* formats[] = {"dd.MM.yyyy", "M/d/yyyy",   "yyyy-MM-dd",  "d/M/yy",
                             "yy.MM.dd",   "d MMM yyyy", "yyyy年M月d日"};
    const struct {
        Date date;
        const char* dayText;
    } cases[] = {
        {Date::fromYmd(2026, 3, 5), "05.03.26"},  {Date::fromYmd(1999, 12, 31), "31.12.99"},
        {Date::fromYmd(2075, 1, 9), "09.01.75"},  {Date::fromYmd(1976, 10, 1), "01.10.76"},
        {Date::fromYmd(2000, 2, 29), "29.02.00"},
    };
    for (const char* format : formats) {
        const DayText dayText = under(format);
        for (const auto& c : cases) {
            EXPECT_EQ(dayText.dayTextOfDate(c.date), c.dayText) << format;
            EXPECT_EQ(dayText.dateOfDayText(c.dayText), c.date) << format << " " << c.dayText;
        }
    }
}

TEST(DayText, TextThatIsNoDateRaisesTheConversionErrorWithTheJoinedText) {
    const struct {
        const char* format;
        const char* text;
        const char* message;
    } cases[] = {
        {"dd.MM.yyyy", "5.3.80", "'5...8.80' is not a valid date"},
        {"M/d/yyyy", "5.3.80", "'.8/5./80' is not a valid date"},
        {"dd.MM.yyyy", "31.02.26", "'31.02.26' is not a valid date"},
        {"M/d/yyyy", "31.02.26", "'02/31/26' is not a valid date"},
        {"yyyy-MM-dd", "31.02.26", "'26-02-31' is not a valid date"},
        {"d MMM yyyy", "31.02.26", "'31 02 26' is not a valid date"},
        {"dd.MM.yyyy", "абв", "'аб..бв' is not a valid date"},
        {"dd.MM.yyyy", "", "'..' is not a valid date"},
    };
    for (const auto& c : cases) {
        try {
            under(c.format).dateOfDayText(c.text);
            ADD_FAILURE() << c.text << " under " << c.format << " was read";
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

// A day text is read under the format as joined with the context's separator, also when a
// context's separator is not the one of its format.
TEST(DayText, ReadsUnderTheFormatWithTheContextsSeparator) {
    const DayText mismatched(DayTextContext{"dd.MM.yyyy", '/', ':', Date::fromYmd(2026, 3, 10)});
    EXPECT_THROW(mismatched.dateOfDayText("05.03.26"), ConversionError);
    const DayText matching(DayTextContext{"dd/MM/yyyy", '/', ':', Date::fromYmd(2026, 3, 10)});
    EXPECT_EQ(matching.dateOfDayText("05.03.26"), Date::fromYmd(2026, 3, 5));
}

TEST(DayText, WindowsAroundToday) {
    const DayText dayText = under("dd.MM.yyyy", Date::fromYmd(2026, 3, 10));
    // For each day from today - 2 to today + 4: does it match in windows 0, 1, 2, 3, 4?
    const struct {
        int offset;
        const char* windows;
    } cases[] = {
        {-2, "-----"}, {-1, "x--xx"}, {0, "xx-xx"}, {1, "--xxx"}, {2, "---xx"}, {3, "----x"}, {4, "-----"},
    };
    for (const auto& c : cases)
        for (int window = 0; window <= 4; ++window)
            EXPECT_EQ(dayText.dayMatches("dd.mm.yyyy", window, Date::fromYmd(2026, 3, 10).addDays(c.offset)),
                      c.windows[window] == 'x')
                << "offset " << c.offset << " window " << window;
    EXPECT_FALSE(dayText.dayMatches("dd.mm.yyyy", 5, Date::fromYmd(2026, 3, 10)));
    EXPECT_FALSE(dayText.dayMatches("dd.mm.yyyy", -1, Date::fromYmd(2026, 3, 10)));
}

TEST(DayText, ThePatternChoosesWhatMustAgree) {
    const Date leapBirthday = Date::fromYmd(1980, 2, 29);
    const struct {
        Date today;
        const char* pattern;
        int window;
        Date date;
        bool matches;
    } cases[] = {
        {Date::fromYmd(2028, 2, 26), "dd/mm", 4, leapBirthday, true},   // three days before
        {Date::fromYmd(2028, 3, 1), "dd/mm", 4, leapBirthday, true},    // the day after
        {Date::fromYmd(2027, 2, 26), "dd/mm", 4, leapBirthday, false},  // no 29 February in 2027
        {Date::fromYmd(2027, 3, 1), "dd/mm", 4, leapBirthday, false},   // window 28.02 to 04.03
        {Date::fromYmd(2026, 3, 10), "dd/mm", 4, Date::fromYmd(1970, 3, 13), true},
        {Date::fromYmd(2026, 3, 10), "dd/mm", 4, Date::fromYmd(1970, 4, 12), false},  // the day agrees, not the month
        {Date::fromYmd(2026, 3, 10), "dd/mm/yyyy", 4, Date::fromYmd(2026, 3, 14), false},
        {Date::fromYmd(2026, 3, 10), "dd/mm/yyyy", 4, Date::fromYmd(2026, 3, 13), true},
        {Date::fromYmd(2026, 3, 10), "dd/mm/yyyy", 4, Date::fromYmd(1970, 3, 13), false},
        {Date::fromYmd(2026, 3, 31), "dd", 2, Date::fromYmd(2003, 1, 1), true},  // tomorrow is the 1st
        {Date::fromYmd(2026, 3, 30), "dd", 2, Date::fromYmd(2003, 1, 1), false},
        {Date::fromYmd(2026, 4, 1), "dd", 1, Date::fromYmd(2003, 1, 1), true},
        {Date::fromYmd(2026, 3, 10), "dd/mm", 4, Date(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(under("dd.MM.yyyy", c.today).dayMatches(c.pattern, c.window, c.date), c.matches)
            << c.today.toIso() << " " << c.pattern << " " << c.date.toIso();
}

}  // namespace
}  // namespace torvalet
