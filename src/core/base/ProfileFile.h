#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvalet {

// A settings file of "[Section]" lines, each followed by "key=value" lines, held as the lines it
// was read from: writing a key changes that key's line only (or adds one), so comments, blank
// lines, unknown keys, their order and the line ends stay exactly as they were.
//
// Works on the file's bytes: values are read and written in the file's code page. Section and key
// names are matched without regard to ASCII case. Lines starting with ';' or '#' are comments;
// lines before the first section belong to none. When a key appears more than once in a section,
// or in several sections of the same name, its first appearance is the one read and written.
class ProfileFile {
public:
    ProfileFile() = default;
    // Any bytes parse: lines that are neither a section nor a key are kept and ignored.
    static ProfileFile parse(std::string_view bytes);
    std::string bytes() const;

    // The value without surrounding blanks, or nothing when the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // A missing key, or a value that is no integer (see toInteger), gives the default.
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // An integer: non-zero is true. A missing key or any other value gives the default.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // A colour "$00BBGGRR" (any case) or its number in decimal, as a signed 32-bit value.
    std::int32_t readColor(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

    bool hasSection(std::string_view section) const;

    // Adds the section and the key as needed. Line breaks in the value become blanks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    // Writes "1" or "0".
    void writeBool(std::string_view section, std::string_view key, bool value);

    // Decimal digits with an optional minus sign, or hexadecimal digits after "$" or "0x"
    // (up to eight, taken as a signed 32-bit value); nothing for any other text or a decimal
    // number out of range.
    static std::optional<std::int32_t> toInteger(std::string_view text);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string text;    // without the line end
        std::string ending;  // "\n", "\r\n" or "" for a last line without one
        Kind kind = Kind::Other;
        std::string name;  // section or key name in lower case
    };

    static Line classify(std::string text, std::string ending, bool first);
    // Index of the key's line, of its section's last key line (or header), or nothing.
    struct Place {
        std::optional<std::size_t> key;
        std::optional<std::size_t> sectionEnd;
    };
    Place find(std::string_view section, std::string_view key) const;
    void insertLine(std::size_t index, std::string text);
    void appendSection(std::string_view section, std::string text);

    std::vector<Line> lines_;
    std::string newline_ = "\n";
};

}  // namespace torvalet
