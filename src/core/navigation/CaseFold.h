#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace torvalet {

// The lower case of UTF-8 texts for case-insensitive substring tests, made fast enough to run
// over every name of a large tree at each key typed: ASCII is lowered in place, and every other
// character is lowered once (by utf8Lower) and then taken from a table. The Greek final sigma
// folds into σ, as Σ lowers to σ wherever it stands. Bytes that are no valid UTF-8 pass as they are.
class CaseFold {
public:
    CaseFold();

    // `out` becomes the folded text (its buffer is reused); append adds it at the end.
    void fold(std::string_view text, std::string& out) {
        out.clear();
        append(text, out);
    }
    void append(std::string_view text, std::string& out);
    std::string fold(std::string_view text);

private:
    // The folded form of one character of two, three or four bytes.
    std::string_view foldTwoBytes(unsigned lead, unsigned next);
    const std::string& foldLonger(std::string_view sequence);

    struct Folded {
        std::array<char, 7> bytes{};
        std::uint8_t size = 0;  // 0: not folded yet
    };
    std::array<Folded, 2048> twoBytes_;
    std::unordered_map<std::string, std::string> longer_;
};

}  // namespace torvalet
