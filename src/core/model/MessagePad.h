#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvalet {

class TextCodec;

// The message pad: the program's notices, newest first, kept in "msgpad.txt" between runs.
class MessagePad {
public:
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
    // A line above the first one.
    void prepend(std::string line) { lines_.insert(lines_.begin(), std::move(line)); }
    void clear() { lines_.clear(); }

    // The lines of the file's bytes (line ends \n or \r\n).
    static std::vector<std::string> linesOf(std::string_view bytes, const TextCodec& codec);
    // The file's bytes: one line per message pad line.
    std::string bytes(const TextCodec& codec) const;

private:
    std::vector<std::string> lines_;
};

}  // namespace torvalet
