#include "navigation/CaseFold.h"

#include <cstring>

#include "base/Text.h"

namespace torvalet {

namespace {

bool continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the valid sequence that starts at `at` (2 to 4), or 0.
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if (!continuation(static_cast<unsigned char>(text[at + i]))) return 0;
    return length;
}

std::string lowered(std::string_view character) {
    std::string out = utf8Lower(character);
    return out == "ς" ? std::string("σ") : out;
}

}  // namespace

CaseFold::CaseFold() = default;

std::string_view CaseFold::foldTwoBytes(unsigned lead, unsigned next) {
    Folded& entry = twoBytes_[((lead & 0x1F) << 6) | (next & 0x3F)];
    if (entry.size == 0) {
        const char character[2] = {static_cast<char>(lead), static_cast<char>(next)};
        const std::string out = lowered(std::string_view(character, 2));
        entry.size = static_cast<std::uint8_t>(out.size() < entry.bytes.size() ? out.size() : 2);
        std::memcpy(entry.bytes.data(), out.size() < entry.bytes.size() ? out.data() : character, entry.size);
    }
    return {entry.bytes.data(), entry.size};
}

const std::string& CaseFold::foldLonger(std::string_view sequence) {
    auto found = longer_.find(std::string(sequence));
    if (found == longer_.end()) found = longer_.emplace(std::string(sequence), lowered(sequence)).first;
    return found->second;
}

void CaseFold::append(std::string_view text, std::string& out) {
    for (std::size_t at = 0; at < text.size();) {
        // A run of ASCII at once.
        std::size_t run = at;
        while (run < text.size() && static_cast<unsigned char>(text[run]) < 0x80) ++run;
        if (run > at) {
            const std::size_t start = out.size();
            out.append(text.substr(at, run - at));
            for (std::size_t i = start; i < out.size(); ++i)
                if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] + ('a' - 'A'));
            at = run;
            continue;
        }
        const char byte = text[at];
        const std::size_t length = sequenceLength(text, at);
        if (length == 0) {
            out.push_back(byte);
            ++at;
        } else if (length == 2) {
            out.append(foldTwoBytes(static_cast<unsigned char>(byte), static_cast<unsigned char>(text[at + 1])));
        } else {
            out.append(foldLonger(text.substr(at, length)));
        }
        at += length;
    }
}

std::string CaseFold::fold(std::string_view text) {
    std::string out;
    fold(text, out);
    return out;
}

}  // namespace torvalet
