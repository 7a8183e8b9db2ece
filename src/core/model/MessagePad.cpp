#include "model/MessagePad.h"

#include "base/Text.h"

namespace torvalet {

std::vector<std::string> MessagePad::linesOf(std::string_view bytes, const TextCodec& codec) {
    const std::string text = codec.decode(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string MessagePad::bytes(const TextCodec& codec) const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    return codec.encode(text);
}

}  // namespace torvalet
