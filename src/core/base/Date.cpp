#include "base/Date.h"

#include <chrono>
#include <cstdio>

namespace torvalet {

namespace chr = std::chrono;

namespace {

chr::year_month_day ymdOf(int serial) { return chr::year_month_day{chr::sys_days{chr::days{serial}}}; }

bool parseDigits(std::string_view text, int& value) {
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

Date Date::fromYmd(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1 || year > 9999) return {};
    const chr::year_month_day ymd{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                  chr::day{static_cast<unsigned>(day)}};
    if (!ymd.ok()) return {};
    Date date;
    date.valid_ = true;
    date.serial_ = static_cast<int>(chr::sys_days{ymd}.time_since_epoch().count());
    date.year_ = year;
    date.month_ = static_cast<unsigned char>(month);
    date.day_ = static_cast<unsigned char>(day);
    return date;
}

Date Date::fromSerial(int serial) {
    const chr::year_month_day ymd = ymdOf(serial);
    Date date;
    date.valid_ = true;
    date.serial_ = serial;
    date.year_ = static_cast<int>(ymd.year());
    date.month_ = static_cast<unsigned char>(static_cast<unsigned>(ymd.month()));
    date.day_ = static_cast<unsigned char>(static_cast<unsigned>(ymd.day()));
    return date;
}

Date Date::fromIso(std::string_view text) {
    int y = 0, m = 0, d = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return {};
    if (!parseDigits(text.substr(0, 4), y) || !parseDigits(text.substr(5, 2), m) || !parseDigits(text.substr(8, 2), d))
        return {};
    return fromYmd(y, m, d);
}

int Date::dayOfWeek() const { return static_cast<int>(chr::weekday{chr::sys_days{chr::days{serial_}}}.iso_encoding()); }

Date Date::addDays(int days) const { return valid_ ? fromSerial(serial_ + days) : Date(); }

namespace {

// The two digits of a number from 0 to 99.
void putTwoDigits(char* at, int number) {
    at[0] = static_cast<char>('0' + number / 10);
    at[1] = static_cast<char>('0' + number % 10);
}

}  // namespace

std::string Date::toIso() const {
    if (!valid_) return {};
    const int y = year_, m = month_, d = day_;
    if (y < 0 || y > 9999) {
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", y, m, d);
        return buffer;
    }
    char text[10];
    putTwoDigits(text, y / 100);
    putTwoDigits(text + 2, y % 100);
    text[4] = text[7] = '-';
    putTwoDigits(text + 5, m);
    putTwoDigits(text + 8, d);
    return std::string(text, sizeof text);
}

std::string timeText(const DateTime& moment, char separator) {
    const int hour = moment.hour % 100, minute = moment.minute % 100;
    if (hour < 0 || minute < 0) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%02d%c%02d", hour, separator, minute);
        return buffer;
    }
    char text[5];
    putTwoDigits(text, hour);
    text[2] = separator;
    putTwoDigits(text + 3, minute);
    return std::string(text, separator ? sizeof text : 2);  // as printed, a zero separator ends the text
}

std::optional<DateTime> parseDateTime(std::string_view text) {
    if (text.size() < 16 || text[10] != ' ' || text[13] != ':') return std::nullopt;
    DateTime moment;
    moment.date = Date::fromIso(text.substr(0, 10));
    int second = 0;
    if (moment.date.isNull() || !parseDigits(text.substr(11, 2), moment.hour) ||
        !parseDigits(text.substr(14, 2), moment.minute))
        return std::nullopt;
    if (text.size() == 19 && text[16] == ':' && parseDigits(text.substr(17, 2), second))
        moment.second = second;
    else if (text.size() != 16)
        return std::nullopt;
    if (moment.hour > 23 || moment.minute > 59 || moment.second > 59) return std::nullopt;
    return moment;
}

}  // namespace torvalet
