#pragma once

#include <string>
#include <string_view>

namespace torvalet {

// A text in double quotes, with \" \\ \n \r \t and the other control characters written as
// `controlFormat` gives them (a printf format of one unsigned value, e.g. "\\x%02X");
// invalid UTF-8 is replaced.
std::string quotedText(std::string_view text, const char* controlFormat);
// A JSON string literal of a text (quotes included); invalid UTF-8 is replaced, controls escaped.
std::string jsonString(std::string_view text);
// A JSON number (integers without a fraction).
std::string jsonNumber(double value);

}  // namespace torvalet
