#include "shell/RichText.h"

#include <cctype>
#include <vector>

#include "base/Text.h"

namespace torvalet {

namespace {

void appendUnicodeEscape(std::string& out, char32_t cp) {
    const auto unit = [&](unsigned value) {
        out += "\\u" + std::to_string(static_cast<int>(static_cast<short>(value))) + "?";
    };
    if (cp < 0x10000) {
        unit(static_cast<unsigned>(cp));
    } else {
        cp -= 0x10000;
        unit(0xD800 + static_cast<unsigned>(cp >> 10));
        unit(0xDC00 + static_cast<unsigned>(cp & 0x3FF));
    }
}

// Destinations whose text is not part of the document's text.
bool isSkippedDestination(const std::string& word) {
    static const char* skipped[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer",
                                    "listtable", "listoverridetable", "generator", "xmlnstbl", "themedata"};
    for (const char* name : skipped)
        if (word == name) return true;
    return false;
}

class RichTextReader {
public:
    RichTextReader(std::string_view rtf, const TextCodec& codec) : rtf_(rtf), codec_(codec) {}

    std::string read() {
        std::vector<bool> skipStack;
        bool skip = false;
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            if (c == '{') {
                skipStack.push_back(skip);
                if (pos_ + 1 < rtf_.size() && rtf_[pos_] == '\\' && rtf_[pos_ + 1] == '*') skip = true;
            } else if (c == '}') {
                flushBytes();
                if (!skipStack.empty()) skip = skipStack.back(), skipStack.pop_back();
            } else if (c == '\\') {
                controlWord(skip);
            } else if (c != '\r' && c != '\n' && !skip) {
                bytes_ += c;
            }
        }
        flushBytes();
        if (!text_.empty() && text_.back() == '\n') text_.pop_back();
        return text_;
    }

private:
    void controlWord(bool& skip) {
        if (pos_ >= rtf_.size()) return;
        const char c = rtf_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            if (c == '\'' && pos_ + 2 <= rtf_.size()) {
                const std::string hex(rtf_.substr(pos_, 2));
                pos_ += 2;
                if (!skip) bytes_ += static_cast<char>(std::stoi(hex, nullptr, 16));
            } else if ((c == '\\' || c == '{' || c == '}') && !skip) {
                bytes_ += c;
            } else if (c == '~' && !skip) {
                bytes_ += ' ';
            }
            return;
        }
        std::string word;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) word += rtf_[pos_++];
        std::string number;
        if (pos_ < rtf_.size() && (rtf_[pos_] == '-' || std::isdigit(static_cast<unsigned char>(rtf_[pos_]))))
            number += rtf_[pos_++];
        while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) number += rtf_[pos_++];
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
        if (isSkippedDestination(word)) skip = true;
        if (skip) return;
        if (word == "par" || word == "line") text(U'\n');
        else if (word == "tab") text(U'\t');
        else if (word == "u" && !number.empty()) unicode(std::stoi(number));
    }

    void unicode(int value) {
        auto unit = static_cast<char32_t>(static_cast<unsigned short>(value));
        if (unit >= 0xD800 && unit < 0xDC00) {
            pendingHigh_ = unit;
        } else if (unit >= 0xDC00 && unit < 0xE000 && pendingHigh_) {
            text(0x10000 + ((pendingHigh_ - 0xD800) << 10) + (unit - 0xDC00));
            pendingHigh_ = 0;
        } else {
            text(unit);
        }
        // The character that stands in for readers without Unicode follows: skip it.
        if (pos_ < rtf_.size() && rtf_[pos_] == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'')
            pos_ += 4;
        else if (pos_ < rtf_.size() && rtf_[pos_] != '\\' && rtf_[pos_] != '{' && rtf_[pos_] != '}')
            ++pos_;
    }

    void text(char32_t cp) {
        flushBytes();
        appendUtf8(text_, cp);
    }

    void flushBytes() {
        if (bytes_.empty()) return;
        text_ += codec_.decode(bytes_);
        bytes_.clear();
    }

    std::string_view rtf_;
    const TextCodec& codec_;
    std::size_t pos_ = 0;
    std::string bytes_;
    std::string text_;
    char32_t pendingHigh_ = 0;
};

}  // namespace

std::string plainTextToRichText(std::string_view text) {
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\n\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    for (char32_t cp : toCodePoints(text)) {
        if (cp == '\n') out += "\\par\n";
        else if (cp == '\r') continue;
        else if (cp == '\t') out += "\\tab ";
        else if (cp == '\\' || cp == '{' || cp == '}') out += '\\', out += static_cast<char>(cp);
        else if (cp < 0x80) out += static_cast<char>(cp);
        else appendUnicodeEscape(out, cp);
    }
    return out + "\\par\n}\n";
}

std::string richTextToPlainText(std::string_view rtf, const TextCodec& codec) {
    if (rtf.substr(0, 5) != "{\\rtf") return codec.decode(rtf);
    return RichTextReader(rtf, codec).read();
}

}  // namespace torvalet
