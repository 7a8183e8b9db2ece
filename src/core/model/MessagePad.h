#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvalet {

class TextCodec;

// The message pad: the program's notices, newest first, kept in "msgpad.txt" between runs. A line
// that a task's reminder wrote in this run knows its task's row, so that the reminder can be put
// off from its line; the lines read from the file know none.
class MessagePad {
public:
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines) {
        lines_ = std::move(lines);
        taskRows_.assign(lines_.size(), 0);
    }
    // A line above the first one; `taskRow` is the row of the task it reminds of, if any.
    void prepend(std::string line, long long taskRow = 0) {
        lines_.insert(lines_.begin(), std::move(line));
        taskRows_.insert(taskRows_.begin(), taskRow);
    }
    void clear() {
        lines_.clear();
        taskRows_.clear();
    }
    // The row of the task the line `index` (0 is the top) reminds of; 0 for none.
    long long taskRowAt(std::size_t index) const { return index < taskRows_.size() ? taskRows_[index] : 0; }

    // The lines of the file's bytes (line ends \n or \r\n).
    static std::vector<std::string> linesOf(std::string_view bytes, const TextCodec& codec);
    // The file's bytes: one line per message pad line.
    std::string bytes(const TextCodec& codec) const;

private:
    std::vector<std::string> lines_;
    std::vector<long long> taskRows_;  // one per line
};

}  // namespace torvalet
