#include "base/DateFormat.h"

#include <array>
#include <vector>

#include "base/Text.h"

namespace torvalet {

namespace {

constexpr std::array<std::string_view, 12> monthNames{"January",   "February", "March",    "April",
                                                      "May",       "June",     "July",     "August",
                                                      "September", "October",  "November", "December"};
constexpr std::array<std::string_view, 7> weekdayNames{"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                       "Friday", "Saturday", "Sunday"};

// One piece of a short date pattern: a field ('d', 'M' or 'y' repeated `count` times) or literal text.
struct PatternPiece {
    char field = 0;
    int count = 0;
    std::string literal;
};

char fieldOf(char c) {
    switch (c) {
    case 'd':
    case 'D': return 'd';
    case 'M':
    case 'm': return 'M';
    case 'y':
    case 'Y': return 'y';
    default: return 0;
    }
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

void addLiteral(std::vector<PatternPiece>& pieces, std::string_view text) {
    if (pieces.empty() || pieces.back().field != 0) pieces.push_back({});
    pieces.back().literal += text;
}

// Quoted text starting at the quote `pos`; returns the index after the closing quote.
std::size_t readQuoted(std::string_view pattern, std::size_t pos, std::vector<PatternPiece>& pieces) {
    std::size_t i = pos + 1;
    while (i < pattern.size()) {
        if (pattern[i] != '\'') {
            addLiteral(pieces, pattern.substr(i++, 1));
        } else if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
            addLiteral(pieces, "'");
            i += 2;
        } else {
            return i + 1;
        }
    }
    return i;
}

std::vector<PatternPiece> piecesOf(std::string_view pattern) {
    std::vector<PatternPiece> pieces;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '\'' && i + 1 < pattern.size() && pattern[i + 1] == '\'') {
            addLiteral(pieces, "'");
            i += 2;
        } else if (c == '\'') {
            i = readQuoted(pattern, i, pieces);
        } else if (const char field = fieldOf(c)) {
            std::size_t j = i;
            while (j < pattern.size() && pattern[j] == c) ++j;
            pieces.push_back({field, static_cast<int>(j - i), {}});
            i = j;
        } else {
            addLiteral(pieces, pattern.substr(i++, 1));
        }
    }
    return pieces;
}

std::string padded(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

std::string nameText(std::string_view name, int count) { return std::string(count == 3 ? name.substr(0, 3) : name); }

std::string dayText(Date date, int count) {
    if (count >= 3) return nameText(weekdayNames[static_cast<std::size_t>(date.dayOfWeek() - 1)], count);
    return padded(date.day(), count);
}

std::string monthText(int month, int count) {
    if (count >= 3) return nameText(monthNames[static_cast<std::size_t>(month - 1)], count);
    return padded(month, count);
}

std::string yearText(int year, int count) {
    if (count == 2) return padded(year % 100, 2);
    return padded(year, count == 1 ? 1 : 4);
}

// Reads one to `maxDigits` digits at `pos`.
bool readNumber(std::string_view text, std::size_t& pos, std::size_t maxDigits, int& value, std::size_t& digits) {
    value = 0;
    digits = 0;
    while (pos < text.size() && digits < maxDigits && isDigit(text[pos])) {
        value = value * 10 + (text[pos++] - '0');
        ++digits;
    }
    return digits > 0;
}

std::string_view readWord(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isAsciiLetter(text[pos])) ++pos;
    return text.substr(start, pos - start);
}

int monthOfName(std::string_view word) {
    for (std::size_t i = 0; i < monthNames.size(); ++i) {
        const std::string_view name = monthNames[i];
        if (equalsIgnoreCase(word, name) || equalsIgnoreCase(word, name.substr(0, 3))) return static_cast<int>(i) + 1;
    }
    return 0;
}

struct ParsedDate {
    int day = 0, month = 0, year = 0;
    bool hasDay = false, hasMonth = false, hasYear = false;
};

bool readField(std::string_view text, std::size_t& pos, const PatternPiece& piece, int currentYear, ParsedDate& out) {
    std::size_t digits = 0;
    switch (piece.field) {
    case 'd':
        if (piece.count >= 3) return !readWord(text, pos).empty();
        return out.hasDay = readNumber(text, pos, 2, out.day, digits);
    case 'M':
        if (piece.count >= 3 && pos < text.size() && !isDigit(text[pos])) {
            out.month = monthOfName(readWord(text, pos));
            return out.hasMonth = out.month != 0;
        }
        return out.hasMonth = readNumber(text, pos, 2, out.month, digits);
    default:
        out.hasYear = readNumber(text, pos, 4, out.year, digits);
        if (out.hasYear && digits <= 2) out.year = windowYear(out.year, currentYear);
        return out.hasYear;
    }
}

std::string classicField(char letter, int count, const DateTime& moment, char previous) {
    const Date date = moment.date;
    if (date.isNull() && (letter == 'd' || letter == 'y' || (letter == 'm' && previous != 'h'))) return {};
    switch (letter) {
    case 'd': return dayText(date, count > 4 ? 4 : count);
    case 'm':
        if (previous == 'h' && count <= 2) return padded(moment.minute, count);
        return monthText(date.month(), count > 4 ? 4 : count);
    case 'y': return count <= 2 ? padded(date.year() % 100, 2) : padded(date.year(), 4);
    case 'h': return padded(moment.hour, count >= 2 ? 2 : 1);
    case 'n': return padded(moment.minute, count >= 2 ? 2 : 1);
    default: return padded(moment.second, count >= 2 ? 2 : 1);
    }
}

bool isClassicLetter(char lower) {
    return lower == 'd' || lower == 'm' || lower == 'y' || lower == 'h' || lower == 'n' || lower == 's';
}

}  // namespace

std::string formatShortDate(Date date, std::string_view pattern) {
    if (date.isNull()) return {};
    std::string out;
    for (const PatternPiece& piece : piecesOf(pattern)) {
        switch (piece.field) {
        case 'd': out += dayText(date, piece.count); break;
        case 'M': out += monthText(date.month(), piece.count); break;
        case 'y': out += yearText(date.year(), piece.count); break;
        default: out += piece.literal;
        }
    }
    return out;
}

Date parseShortDate(std::string_view text, std::string_view pattern, int currentYear) {
    const std::string value = trimmed(text);
    const std::string_view rest = value;
    std::size_t pos = 0;
    ParsedDate parsed;
    for (const PatternPiece& piece : piecesOf(pattern)) {
        if (piece.field == 0) {
            if (!rest.substr(pos).starts_with(piece.literal)) return {};
            pos += piece.literal.size();
        } else if (!readField(rest, pos, piece, currentYear, parsed)) {
            return {};
        }
    }
    if (pos != rest.size() || !parsed.hasDay || !parsed.hasMonth) return {};
    return Date::fromYmd(parsed.hasYear ? parsed.year : currentYear, parsed.month, parsed.day);
}

std::string formatClassicDateTime(std::string_view pattern, const DateTime& moment, char dateSeparator,
                                  char timeSeparator) {
    std::string out;
    char previous = 0;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        const char lower = asciiLower(c);
        if (c == '\'' || c == '"') {
            std::size_t end = pattern.find(c, i + 1);
            if (end == std::string_view::npos) end = pattern.size();
            out += pattern.substr(i + 1, end - i - 1);
            i = end < pattern.size() ? end + 1 : end;
        } else if (isClassicLetter(lower)) {
            std::size_t j = i;
            while (j < pattern.size() && asciiLower(pattern[j]) == lower) ++j;
            out += classicField(lower, static_cast<int>(j - i), moment, previous);
            previous = lower;
            i = j;
        } else {
            out += c == '/' ? dateSeparator : c == ':' ? timeSeparator : c;
            ++i;
        }
    }
    return out;
}

}  // namespace torvalet
