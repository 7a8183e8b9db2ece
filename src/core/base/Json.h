#pragma once

#include <string>
#include <string_view>

namespace torvalet {

// A JSON string literal of a text (quotes included); invalid UTF-8 is replaced, controls escaped.
std::string jsonString(std::string_view text);
// A JSON number (integers without a fraction).
std::string jsonNumber(double value);

}  // namespace torvalet
