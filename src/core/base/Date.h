#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace torvalet {

// A calendar day (no time of day), or the null date that empty date columns hold.
class Date {
public:
    Date() = default;

    // The day, or the null date when the three numbers name no day.
    static Date fromYmd(int year, int month, int day);
    // "YYYY-MM-DD"; the null date for an empty or malformed text.
    static Date fromIso(std::string_view text);

    bool isNull() const { return !valid_; }
    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }
    // 1 Monday ... 7 Sunday.
    int dayOfWeek() const;
    Date addDays(int days) const;
    // Days from other to this.
    int daysSince(Date other) const { return serial_ - other.serial_; }

    // "YYYY-MM-DD", or "" for the null date.
    std::string toIso() const;

    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;

private:
    // The date of a day number: its calendar parts are worked out once, here.
    static Date fromSerial(int serial);

    bool valid_ = false;
    int serial_ = 0;  // days since 1970-01-01
    int year_ = 0;
    unsigned char month_ = 0, day_ = 0;
};

// A moment of the wall clock in local time.
struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// "HH:MM" of a moment, the form every task time is stored and compared in.
std::string timeText(const DateTime& moment, char separator = ':');

// Parses "YYYY-MM-DD HH:MM" (seconds optional).
std::optional<DateTime> parseDateTime(std::string_view text);

}  // namespace torvalet
