#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "base/Errors.h"
#include "base/RichText.h"
#include "base/Text.h"

namespace torvalet {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Destinations whose text is not part of the document's text.
bool isSkippedDestination(const std::string& word) {
    static const char* const skipped[] = {
        "fonttbl", "colortbl",  "stylesheet",        "info",      "pict",     "header",
        "footer",  "listtable", "listoverridetable", "generator", "xmlnstbl", "themedata"};
    for (const char* name : skipped)
        if (word == name) return true;
    return false;
}

// The Windows code page of a font's character set; nullopt where the document's own applies.
std::optional<int> codePageOfCharset(long charset) {
    static const std::map<long, int> codePages = {
        {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},  {136, 950}, {161, 1253}, {162, 1254},
        {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}, {255, 437}};
    const auto found = codePages.find(charset);
    if (found == codePages.end()) return std::nullopt;
    return found->second;
}

// A control word: its letters and its numeric parameter, when it has one that fits 32 bits.
struct ControlWord {
    std::string name;
    bool hasNumber = false;
    bool numberFits = true;
    long number = 0;
};

// What a group changes and its closing brace restores.
struct GroupState {
    bool skip = false;
    // The code page of the selected font; null for the default font's.
    const TextCodec* codec = nullptr;
    long unicodeSkip = 1;
};

// Takes the text out of a rich text document. Escapes that cannot be read are dropped and
// reading goes on after them: the reader never fails.
class RichTextReader {
public:
    RichTextReader(std::string_view rtf, const TextCodec& fallback) : rtf_(rtf), fallback_(fallback) {}

    std::string read() {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            if (c == '{') {
                openGroup();
            } else if (c == '}') {
                closeGroup();
            } else if (c == '\\') {
                escape();
            } else if (c != '\r' && c != '\n' && !state_.skip) {
                bytes_ += c;
            }
        }
        flushBytes();
        if (!text_.empty() && text_.back() == '\n') text_.pop_back();
        return text_;
    }

private:
    void openGroup() {
        groups_.push_back(state_);
        if (pos_ + 1 < rtf_.size() && rtf_[pos_] == '\\' && rtf_[pos_ + 1] == '*') state_.skip = true;
    }

    void closeGroup() {
        flushBytes();
        if (groups_.empty()) return;
        state_ = groups_.back();
        groups_.pop_back();
    }

    void escape() {
        if (pos_ >= rtf_.size()) return;
        const char c = rtf_[pos_];
        if (isLetter(c)) return controlWord(readControlWord());
        ++pos_;
        if (c == '\'') {
            if (const auto byte = readHexByte(); byte && !state_.skip) bytes_ += static_cast<char>(*byte);
        } else if ((c == '\\' || c == '{' || c == '}') && !state_.skip) {
            bytes_ += c;
        } else if (c == '~' && !state_.skip) {
            text(0xA0);
        } else if ((c == '\n' || c == '\r') && !state_.skip) {
            text(U'\n');
        }
    }

    // The two hex digits after \' as a byte; nothing (and only the digits present consumed)
    // when they are not two hex digits.
    std::optional<unsigned char> readHexByte() {
        const int high = pos_ < rtf_.size() ? hexValue(rtf_[pos_]) : -1;
        if (high < 0) return std::nullopt;
        ++pos_;
        const int low = pos_ < rtf_.size() ? hexValue(rtf_[pos_]) : -1;
        if (low < 0) return std::nullopt;
        ++pos_;
        return static_cast<unsigned char>(high * 16 + low);
    }

    ControlWord readControlWord() {
        ControlWord word;
        while (pos_ < rtf_.size() && isLetter(rtf_[pos_])) word.name += rtf_[pos_++];
        const bool negative = pos_ + 1 < rtf_.size() && rtf_[pos_] == '-' && isDigit(rtf_[pos_ + 1]);
        if (negative) ++pos_;
        std::int64_t value = 0;
        while (pos_ < rtf_.size() && isDigit(rtf_[pos_])) {
            word.hasNumber = true;
            if (value <= INT32_MAX) value = value * 10 + (rtf_[pos_] - '0');
            ++pos_;
        }
        word.numberFits = value <= INT32_MAX;
        word.number = static_cast<long>(negative ? -value : value);
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
        return word;
    }

    void controlWord(const ControlWord& word) {
        const bool number = word.hasNumber && word.numberFits;
        if (word.name == "bin" && number && word.number > 0) return skipBytes(word.number);
        if (isSkippedDestination(word.name)) state_.skip = true;
        if (word.name == "ansicpg" && number) {
            flushBytes();
            documentCodec_ = codecOf(word.number);
        }
        if (word.name == "deff" && number) defaultFont_ = word.number;
        if (word.name == "f" && number) return selectFont(word.number);
        if (word.name == "fcharset" && number) return setCharset(word.number);
        if (word.name == "uc" && number && word.number >= 0) state_.unicodeSkip = word.number;
        if (state_.skip) return;
        if (word.name == "par" || word.name == "line")
            text(U'\n');
        else if (word.name == "tab")
            text(U'\t');
        else if (word.name == "u" && number)
            unicode(word.number);
    }

    // \fN: in the font table it starts font N's entry; in the text it selects font N.
    void selectFont(long font) {
        font_ = font;
        if (state_.skip) return;
        flushBytes();
        const auto found = fontCodecs_.find(font);
        state_.codec = found != fontCodecs_.end() ? &found->second : nullptr;
    }

    void setCharset(long charset) {
        const std::optional<int> codePage = codePageOfCharset(charset);
        if (!codePage) return;
        if (const auto codec = codecOf(*codePage)) fontCodecs_.insert_or_assign(font_, *codec);
    }

    static std::optional<TextCodec> codecOf(long codePage) {
        if (codePage <= 0) return std::nullopt;
        try {
            return TextCodec(std::to_string(codePage));
        } catch (const Error&) {
            return std::nullopt;
        }
    }

    // \uN: one UTF-16 unit (negative values count from 65536), then the stand-in characters
    // for readers without Unicode, which are skipped.
    void unicode(long value) {
        if (value >= -32768 && value <= 65535) unit(static_cast<char32_t>(value < 0 ? value + 65536 : value));
        for (long left = state_.unicodeSkip; left > 0 && pos_ < rtf_.size(); --left) {
            const char c = rtf_[pos_];
            if (c == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'') {
                pos_ += 2;
                readHexByte();
            } else if (c != '\\' && c != '{' && c != '}') {
                ++pos_;
            } else {
                break;
            }
        }
    }

    void unit(char32_t value) {
        if (value >= 0xD800 && value < 0xDC00) {
            pendingHigh_ = value;
            return;
        }
        if (value >= 0xDC00 && value < 0xE000) {
            if (pendingHigh_) text(0x10000 + ((pendingHigh_ - 0xD800) << 10) + (value - 0xDC00));
            pendingHigh_ = 0;
            return;
        }
        text(value);
    }

    void skipBytes(long count) {
        const auto left = static_cast<long>(rtf_.size() - pos_);
        pos_ += static_cast<std::size_t>(count < left ? count : left);
    }

    void text(char32_t cp) {
        flushBytes();
        appendUtf8(text_, cp);
    }

    // Bytes are decoded in the code page of the font in force, else the document's, else the
    // one the reader was given.
    void flushBytes() {
        if (bytes_.empty()) return;
        text_ += codec().decode(bytes_);
        bytes_.clear();
    }

    const TextCodec& codec() const {
        if (state_.codec) return *state_.codec;
        if (const auto found = fontCodecs_.find(defaultFont_); found != fontCodecs_.end()) return found->second;
        return documentCodec_ ? *documentCodec_ : fallback_;
    }

    std::string_view rtf_;
    const TextCodec& fallback_;
    std::optional<TextCodec> documentCodec_;
    std::map<long, TextCodec> fontCodecs_;
    long font_ = 0;
    long defaultFont_ = 0;
    GroupState state_;
    std::vector<GroupState> groups_;
    std::size_t pos_ = 0;
    std::string bytes_;
    std::string text_;
    char32_t pendingHigh_ = 0;
};

}  // namespace

std::string richTextToPlainText(std::string_view rtf, const TextCodec& codec) {
    if (rtf.substr(0, 5) != "{\\rtf") return codec.decode(rtf);
    return RichTextReader(rtf, codec).read();
}

}  // namespace torvalet
