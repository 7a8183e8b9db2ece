#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace torvalet {

// Texts inside the program are UTF-8; lengths and widths count characters, not bytes.

// Number of characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view text);
// The first `count` characters of a UTF-8 text.
std::string utf8Left(std::string_view text, std::size_t count);
// Case changes that also work for Cyrillic and Greek.
std::string utf8Upper(std::string_view text);
std::string utf8Lower(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// Surrounding blanks, tabs and line ends removed.
std::string trimmed(std::string_view text);
// The code points of a UTF-8 text (U+FFFD for invalid sequences), and back.
std::u32string toCodePoints(std::string_view text);
void appendUtf8(std::string& out, char32_t codePoint);
// The code point at `pos`, moving `pos` past it; an invalid sequence gives U+FFFD with `valid` false.
char32_t nextCodePoint(std::string_view text, std::size_t& pos, bool* valid = nullptr);
// Invalid UTF-8 sequences replaced by U+FFFD (for outputs that require valid UTF-8: JSON, the screen).
std::string validUtf8(std::string_view text);

// Converts the program's 8-bit text files between their code page and UTF-8, at the file boundary.
// The default code page is UTF-8, which passes bytes through unchanged; "1251", "CP1251",
// "windows-1251" and the like select a Windows code page (any that iconv knows).
//
// The conversion is lossless for the file's bytes: decode() followed by encode() gives every byte
// back. A byte the code page leaves undefined (or maps to a character that another byte or pair
// already has) reads as the private-use character U+EF00 + byte and is written back as that byte;
// decoding never skips more than that one byte. In a code page of two-byte characters (932, 936,
// 949, 950) a lead byte without a valid trail byte is kept the same way.
class TextCodec {
public:
    struct Table;

    explicit TextCodec(std::string codePage = {});

    const std::string& codePage() const { return codePage_; }
    bool isUtf8() const { return table_ == nullptr; }

    // File bytes to UTF-8; never fails.
    std::string decode(std::string_view bytes) const;
    // UTF-8 to file bytes; a character the code page lacks, and each byte of an invalid UTF-8
    // sequence, becomes '?'.
    std::string encode(std::string_view text) const;

private:
    std::string codePage_;
    std::shared_ptr<const Table> table_;
};

}  // namespace torvalet
