#include "base/ProfileFile.h"

#include <algorithm>
#include <limits>

#include "base/Text.h"

namespace torvalet {

namespace {

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> hexInteger(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> decimalInteger(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string oneLine(std::string_view value) {
    std::string out(value);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return out;
}

std::string valueOf(const std::string& keyLine) {
    return trimmed(std::string_view(keyLine).substr(keyLine.find('=') + 1));
}

}  // namespace

ProfileFile ProfileFile::parse(std::string_view bytes) {
    ProfileFile file;
    bool newlineKnown = false;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find('\n', start);
        std::size_t textEnd = end == std::string_view::npos ? bytes.size() : end;
        std::string ending;
        if (end != std::string_view::npos) {
            const bool crlf = textEnd > start && bytes[textEnd - 1] == '\r';
            if (crlf) --textEnd;
            ending = crlf ? "\r\n" : "\n";
            if (!newlineKnown) file.newline_ = ending, newlineKnown = true;
        }
        file.lines_.push_back(classify(std::string(bytes.substr(start, textEnd - start)), ending, start == 0));
        start = end == std::string_view::npos ? bytes.size() : end + 1;
    }
    return file;
}

std::string ProfileFile::bytes() const {
    std::string out;
    for (const Line& line : lines_) out += line.text + line.ending;
    return out;
}

ProfileFile::Line ProfileFile::classify(std::string text, std::string ending, bool first) {
    Line line{std::move(text), std::move(ending), Kind::Other, {}};
    std::string_view view = line.text;
    if (first && view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
    const std::string content = trimmed(view);
    if (content.starts_with('[')) {
        const std::size_t close = content.find(']');
        if (close == std::string::npos) return line;
        line.kind = Kind::Section;
        line.name = lowerAscii(trimmed(std::string_view(content).substr(1, close - 1)));
    } else if (!content.empty() && content[0] != ';' && content[0] != '#') {
        const std::size_t equals = content.find('=');
        if (equals == std::string::npos) return line;
        line.name = lowerAscii(trimmed(std::string_view(content).substr(0, equals)));
        if (!line.name.empty()) line.kind = Kind::Key;
    }
    return line;
}

ProfileFile::Place ProfileFile::find(std::string_view section, std::string_view key) const {
    const std::string wantedSection = lowerAscii(section);
    const std::string wantedKey = lowerAscii(key);
    Place place;
    int sectionsSeen = 0;
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            inSection = line.name == wantedSection;
            if (inSection && ++sectionsSeen == 1) place.sectionEnd = i;
        } else if (inSection && line.kind == Kind::Key) {
            if (line.name == wantedKey) {
                place.key = i;
                return place;
            }
            if (sectionsSeen == 1) place.sectionEnd = i;
        }
    }
    return place;
}

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const {
    const Place place = find(section, key);
    if (!place.key) return std::nullopt;
    return valueOf(lines_[*place.key].text);
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    return value(section, key).value_or(std::string(defaultValue));
}

std::int32_t ProfileFile::readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    const auto text = value(section, key);
    if (!text) return defaultValue;
    return toInteger(*text).value_or(defaultValue);
}

bool ProfileFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::int32_t ProfileFile::readColor(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    return readInteger(section, key, defaultValue);
}

bool ProfileFile::hasSection(std::string_view section) const {
    const std::string wanted = lowerAscii(section);
    return std::any_of(lines_.begin(), lines_.end(),
                       [&](const Line& line) { return line.kind == Kind::Section && line.name == wanted; });
}

void ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string text = oneLine(value);
    const Place place = find(section, key);
    if (place.key) {
        std::string& line = lines_[*place.key].text;
        if (valueOf(line) != trimmed(text)) line = line.substr(0, line.find('=') + 1) + text;
    } else if (place.sectionEnd) {
        insertLine(*place.sectionEnd + 1, std::string(key) + "=" + text);
    } else {
        appendSection(section, std::string(key) + "=" + text);
    }
}

void ProfileFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    writeString(section, key, std::to_string(value));
}

void ProfileFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void ProfileFile::insertLine(std::size_t index, std::string text) {
    if (index > 0 && lines_[index - 1].ending.empty()) lines_[index - 1].ending = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), classify(std::move(text), newline_, index == 0));
}

void ProfileFile::appendSection(std::string_view section, std::string text) {
    if (!lines_.empty() && !trimmed(lines_.back().text).empty()) insertLine(lines_.size(), {});
    insertLine(lines_.size(), "[" + std::string(section) + "]");
    insertLine(lines_.size(), std::move(text));
}

std::optional<std::int32_t> ProfileFile::toInteger(std::string_view text) {
    const std::string value = trimmed(text);
    const std::string_view view = value;
    if (view.starts_with('$')) return hexInteger(view.substr(1));
    if (view.starts_with("0x") || view.starts_with("0X")) return hexInteger(view.substr(2));
    return decimalInteger(view);
}

}  // namespace torvalet
