#pragma once

#include <string>

namespace torvalet {

// The system's date and time conventions.
class Locale {
public:
    virtual ~Locale() = default;
    // The short date format as a pattern of d, M, y letters (Qt/ICU style): "dd.MM.yyyy", "M/d/yyyy", ...
    virtual std::string shortDateFormat() const = 0;
    // The date separator: the first character of the short date format that is not a pattern letter.
    virtual char dateSeparator() const;
    virtual char timeSeparator() const { return ':'; }
};

inline char Locale::dateSeparator() const {
    for (char c : shortDateFormat())
        if (c != 'd' && c != 'M' && c != 'y' && c != 'm' && c != 'D' && c != 'Y') return c;
    return '.';
}

}  // namespace torvalet
