#pragma once

#include <iosfwd>
#include <string>

namespace torvalet::cli {

// `hotkey TEXT`: the hot key value of the text as 0x and eight hexadecimal digits, a blank and
// its canonical text; "invalid" and status 1 when the text is no hot key.
int hotKeyCommand(const std::string& text, std::ostream& out);

}  // namespace torvalet::cli
