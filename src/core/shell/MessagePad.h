#pragma once

#include <filesystem>
#include <string>
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

    // Replaces the lines by the file's (line ends \n or \r\n). Throws FileError.
    void load(const std::filesystem::path& file, const TextCodec& codec);
    // Writes one line per message pad line, replacing the file. Throws FileError.
    void save(const std::filesystem::path& file, const TextCodec& codec) const;

private:
    std::vector<std::string> lines_;
};

}  // namespace torvalet
