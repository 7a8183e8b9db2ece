#include "model/DayText.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/Text.h"
#include "platform/Locale.h"

namespace torvalet {

namespace {

using FormatTable = std::array<std::string_view, 24>;

constexpr FormatTable dayFirstFormats{"DD/MM/YY", "DD.MM.YY", "DD-MM-YY", "DD/MM/YYYY", "DD.MM.YYYY", "DD-MM-YYYY",
                                      "D/M/YY",   "D.M.YY",   "D-M-YY",   "D/M/YYYY",   "D.M.YYYY",   "D-M-YYYY",
                                      "D/MM/YY",  "D.MM.YY",  "D-MM-YY",  "D/MM/YYYY",  "D.MM.YYYY",  "D-MM-YYYY",
                                      "DD/M/YY",  "DD.M.YY",  "DD-M-YY",  "DD/M/YYYY",  "DD.M.YYYY",  "DD-M-YYYY"};

constexpr FormatTable monthFirstFormats{"MM/DD/YY", "MM.DD.YY", "MM-DD-YY", "MM/DD/YYYY", "MM.DD.YYYY", "MM-DD-YYYY",
                                        "M/D/YY",   "M.D.YY",   "M-D-YY",   "M/D/YYYY",   "M.D.YYYY",   "M-D-YYYY",
                                        "M/DD/YY",  "M.DD.YY",  "M-DD-YY",  "M/DD/YYYY",  "M.DD.YYYY",  "M-DD-YYYY",
                                        "MM/D/YY",  "MM.D.YY",  "MM-D-YY",  "MM/D/YYYY",  "MM.D.YYYY",  "MM-D-YYYY"};

constexpr FormatTable yearFirstFormats{"YY/MM/DD", "YY.MM.DD", "YY-MM-DD", "YYYY/MM/DD", "YYYY.MM.DD", "YYYY-MM-DD",
                                       "YY/M/D",   "YY.M.D",   "YY-M-D",   "YYYY/M/D",   "YYYY.M.D",   "YYYY-M-D",
                                       "YY/M/DD",  "YY.M.DD",  "YY-M-DD",  "YYYY/M/DD",  "YYYY.M.DD",  "YYYY-M-DD",
                                       "YY/MM/D",  "YY.MM.D",  "YY-MM-D",  "YYYY/MM/D",  "YYYY.MM.D",  "YYYY-MM-D"};

bool inTable(const FormatTable& table, std::string_view upperFormat) {
    return std::find(table.begin(), table.end(), upperFormat) != table.end();
}

std::string twoDigits(int value) {
    const char digits[] = {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
    return std::string(digits, 2);
}

std::string dayTextOf(Date date) {
    return twoDigits(date.day()) + "." + twoDigits(date.month()) + "." + twoDigits(date.year() % 100);
}

// The characters of a text, each as its UTF-8 bytes.
std::vector<std::string_view> charactersOf(std::string_view text) {
    std::vector<std::string_view> characters;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = start + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
        characters.push_back(text.substr(start, end - start));
        start = end;
    }
    return characters;
}

// Up to `count` characters from the 1-based character `first`; a position before the start counts
// from the first character.
std::string copyCharacters(const std::vector<std::string_view>& characters, long first, std::size_t count) {
    std::string out;
    for (auto i = static_cast<std::size_t>(std::max(first, 1L) - 1); i < characters.size() && count > 0; ++i, --count)
        out += characters[i];
    return out;
}

// The text between the separators: the part before the first, the part up to the next, the rest.
bool splitThree(std::string_view text, char separator, std::string parts[3]) {
    const std::size_t first = text.find(separator);
    if (first == std::string_view::npos) return false;
    const std::size_t second = text.find(separator, first + 1);
    if (second == std::string_view::npos) return false;
    parts[0] = text.substr(0, first);
    parts[1] = text.substr(first + 1, second - first - 1);
    parts[2] = text.substr(second + 1);
    return true;
}

std::string withLeadingZero(std::string part) {
    if (part.size() < 2) part.insert(0, "0");
    return part;
}

int twoDigitValue(std::string_view text, std::size_t at) {
    const auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    return digit(at) && digit(at + 1) ? (text[at] - '0') * 10 + (text[at + 1] - '0') : -1;
}

// A day text of plain digits, "DD?MM?YY" or longer with the year's last two digits at its end,
// read without joining it; the null date for any other text and for numbers that name no day.
Date readTwoDigitParts(std::string_view text, const CenturyWindow& century) {
    if (text.size() < 5 || !std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) return {};
    const int day = twoDigitValue(text, 0), month = twoDigitValue(text, 3), year = twoDigitValue(text, text.size() - 2);
    if (day < 0 || month < 0 || year < 0) return {};
    return Date::fromYmd(century.yearOf(year), month, day);
}

std::string quotedLiteral(char c) { return c == '\'' ? std::string("''") : std::string("'") + c + "'"; }

}  // namespace

DayTextContext DayTextContext::fromLocale(const Locale& locale, Date today) {
    return {locale.shortDateFormat(), locale.dateSeparator(), locale.timeSeparator(), today};
}

DayText::DayText(DayTextContext context)
    : context_(std::move(context)),
      currentYear_(context_.today.year()),
      century_(currentYear_),
      upperFormat_(utf8Upper(context_.shortDateFormat)) {
    std::string joined;
    twoDigitsReadAsThey_ = readParts("12", "11", "26", joined) == Date::fromYmd(century_.yearOf(26), 11, 12);
}

bool DayText::isDayFirstFormat() const { return inTable(dayFirstFormats, upperFormat_); }
bool DayText::isMonthFirstFormat() const { return inTable(monthFirstFormats, upperFormat_); }
bool DayText::isYearFirstFormat() const { return inTable(yearFirstFormats, upperFormat_); }

std::string DayText::dayTextOfDate(Date date) const {
    if (date.isNull()) return {};
    const std::string written = formatShortDate(date, context_.shortDateFormat);
    std::string parts[3];
    if (!splitThree(written, context_.dateSeparator, parts)) return dayTextOf(date);
    std::string day, month, year;
    if (isDayFirstFormat()) {
        day = parts[0], month = parts[1], year = parts[2];
    } else if (isMonthFirstFormat()) {
        month = parts[0], day = parts[1], year = parts[2];
    } else if (isYearFirstFormat()) {
        year = parts[0], month = parts[1], day = parts[2];
    } else {
        return dayTextOf(date);
    }
    if (year.size() == 4) year = year.substr(2);
    return withLeadingZero(day) + "." + withLeadingZero(month) + "." + year;
}

Date DayText::dateOfDayText(std::string_view text) const {
    if (twoDigitsReadAsThey_) {
        if (const Date date = readTwoDigitParts(text, century_); !date.isNull()) return date;
    }
    const auto characters = charactersOf(text);
    std::string joined;
    const Date date = readParts(copyCharacters(characters, 1, 2), copyCharacters(characters, 4, 2),
                                copyCharacters(characters, static_cast<long>(characters.size()) - 1, 2), joined);
    if (date.isNull()) throw ConversionError("'" + joined + "' is not a valid date");
    return date;
}

Date DayText::readParts(const std::string& day, const std::string& month, const std::string& year,
                        std::string& joined) const {
    const std::string sep(1, context_.dateSeparator);
    std::string pattern = context_.shortDateFormat;
    if (isMonthFirstFormat()) {
        joined = month + sep + day + sep + year;
    } else if (isYearFirstFormat()) {
        joined = year + sep + month + sep + day;
    } else {
        joined = day + sep + month + sep + year;
        if (!isDayFirstFormat())
            pattern = "d" + quotedLiteral(context_.dateSeparator) + "M" + quotedLiteral(context_.dateSeparator) + "yy";
    }
    return parseShortDate(joined, pattern, currentYear_);
}

bool DayText::dayMatches(std::string_view pattern, int window, Date date) const {
    return DayWindow(*this, pattern, window).matches(date);
}

DayWindow::DayWindow(const DayText& dayText, std::string_view pattern, int window)
    : dayText_(dayText), pattern_(pattern) {
    if (window < 0 || window > 4) return;
    static constexpr int firstOffset[] = {-1, 0, 1, -1, -1};
    static constexpr int lastOffset[] = {0, 0, 1, 2, 3};
    const Date today = dayText.context().today;
    for (int offset = firstOffset[window]; offset <= lastOffset[window]; ++offset, ++count_) {
        days_[count_] = today.addDays(offset);
        dayOfMonth_[count_] = days_[count_].day();
        month_[count_] = days_[count_].month();
        texts_[count_] = dayText.formatDateTime(pattern, days_[count_]);
    }
    parts_ = pattern == "dd"           ? Parts::Day
             : pattern == "dd/mm"      ? Parts::DayMonth
             : pattern == "dd/mm/yyyy" ? Parts::WholeDate
                                       : Parts::Written;
}

bool DayWindow::matches(Date date) const {
    if (date.isNull() || count_ == 0) return false;
    const auto found = [&](auto same) {
        for (int i = 0; i < count_; ++i)
            if (same(i)) return true;
        return false;
    };
    switch (parts_) {
    case Parts::Day: return found([this, d = date.day()](int i) { return dayOfMonth_[i] == d; });
    case Parts::DayMonth:
        return found([this, d = date.day(), m = date.month()](int i) { return dayOfMonth_[i] == d && month_[i] == m; });
    case Parts::WholeDate: return found([this, date](int i) { return days_[i] == date; });
    case Parts::Written: break;
    }
    const std::string written = dayText_.formatDateTime(pattern_, date);
    return std::find(texts_, texts_ + count_, written) != texts_ + count_;
}

std::string DayText::formatDateTime(std::string_view pattern, const DateTime& moment) const {
    return formatClassicDateTime(pattern, moment, context_.dateSeparator, context_.timeSeparator);
}

std::string DayText::formatDateTime(std::string_view pattern, Date date) const {
    return formatDateTime(pattern, DateTime{date, 0, 0, 0});
}

}  // namespace torvalet
