#include <gtest/gtest.h>

#include <limits>

#include "base/ProfileFile.h"

namespace torvalet {
namespace {

TEST(ProfileFile, ConvertsIntegerTexts) {
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    const struct {
        const char* text;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {"12", 12},
        {"-12", -12},
        {" 7 ", 7},
        {"007", 7},
        {"$1f", 31},
        {"0x1F", 31},
        {"0XfF", 255},
        {"$00CC0000", 0x00CC0000},
        {"$FFFFFFFF", -1},
        {"$80000000", min},
        {"2147483647", max},
        {"-2147483648", min},
        {"2147483648", {}},
        {"$123456789", {}},
        {"", {}},
        {"-", {}},
        {"$", {}},
        {"0x", {}},
        {"1 2", {}},
        {"12a", {}},
        {"yes", {}},
        {"true", {}},
        {"1.5", {}},
        {"$00GG0000", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ProfileFile::toInteger(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ProfileFile, ReadsValuesByTypeWithDefaults) {
    const ProfileFile file = ProfileFile::parse(
        "; settings\r\n"
        "[General]\r\n"
        "  iLanguage = 1 \r\n"
        "Negative=-42\r\n"
        "Word=yes\r\n"
        "Zero=0\r\n"
        "Empty=\r\n"
        "Text=  some text\twith blanks  \r\n"
        "Twice=first\r\n"
        "Twice=second\r\n"
        "# Hidden=5\r\n"
        "[general]\r\n"
        "Later=3\r\n"
        "Twice=third\r\n"
        "[Colors]\r\n"
        "Lower=$00ffffff\r\n"
        "Upper=$00FFFFFF\r\n"
        "Decimal=16777215\r\n"
        "Named=clWhite\r\n");

    EXPECT_EQ(file.readInteger("General", "iLanguage", 9), 1);
    EXPECT_EQ(file.readInteger("GENERAL", "ILANGUAGE", 9), 1);
    EXPECT_EQ(file.readInteger("General", "Negative", 9), -42);
    EXPECT_EQ(file.readInteger("General", "Word", 9), 9);
    EXPECT_EQ(file.readInteger("General", "Empty", 9), 9);
    EXPECT_EQ(file.readInteger("General", "Hidden", 9), 9);
    EXPECT_EQ(file.readInteger("General", "Missing", 9), 9);
    EXPECT_EQ(file.readInteger("Missing", "iLanguage", 9), 9);
    EXPECT_EQ(file.readInteger("General", "Later", 9), 3);

    EXPECT_TRUE(file.readBool("General", "iLanguage", false));
    EXPECT_TRUE(file.readBool("General", "Negative", false));
    EXPECT_FALSE(file.readBool("General", "Zero", true));
    EXPECT_TRUE(file.readBool("General", "Word", true));
    EXPECT_FALSE(file.readBool("General", "Word", false));

    EXPECT_EQ(file.readString("General", "Text", "-"), "some text\twith blanks");
    EXPECT_EQ(file.readString("General", "Empty", "-"), "");
    EXPECT_EQ(file.readString("General", "Missing", "-"), "-");
    EXPECT_EQ(file.readString("General", "Twice", "-"), "first");

    EXPECT_EQ(file.readColor("Colors", "Lower", 0), 0x00FFFFFF);
    EXPECT_EQ(file.readColor("Colors", "Upper", 0), 0x00FFFFFF);
    EXPECT_EQ(file.readColor("Colors", "Decimal", 0), 0x00FFFFFF);
    EXPECT_EQ(file.readColor("Colors", "Named", 0x00CC0000), 0x00CC0000);
}

TEST(ProfileFile, WritingAKeyLeavesEveryOtherLineAsItWas) {
    const std::string original =
        "; kept comment\r\n"
        "\r\n"
        "[general]\r\n"
        "  ILANGUAGE = 0 \r\n"
        "Unknown=x=y\r\n"
        "OrderBy = 3 \r\n"
        "\r\n"
        "[Sounds]\r\n"
        "fTickSnd15=1\r\n";
    ProfileFile file = ProfileFile::parse(original);
    EXPECT_EQ(file.bytes(), original);

    file.writeInteger("General", "OrderBy", 3);  // same value: the line stays as written
    file.writeInteger("General", "iLanguage", 2);
    file.writeBool("General", "fEasyMode", true);
    file.writeString("Inet", "sEngine", "https://example.org/?q=");
    EXPECT_EQ(file.bytes(),
              "; kept comment\r\n"
              "\r\n"
              "[general]\r\n"
              "  ILANGUAGE =2\r\n"
              "Unknown=x=y\r\n"
              "OrderBy = 3 \r\n"
              "fEasyMode=1\r\n"
              "\r\n"
              "[Sounds]\r\n"
              "fTickSnd15=1\r\n"
              "\r\n"
              "[Inet]\r\n"
              "sEngine=https://example.org/?q=\r\n");
}

TEST(ProfileFile, WritesIntoEmptyAndUnterminatedFiles) {
    ProfileFile empty;
    empty.writeInteger("General", "runCount", 4);
    EXPECT_EQ(empty.bytes(), "[General]\nrunCount=4\n");

    ProfileFile unterminated = ProfileFile::parse("[General]\nrunCount=1");
    unterminated.writeInteger("General", "iLanguage", 1);
    unterminated.writeInteger("general", "RUNCOUNT", 2);
    EXPECT_EQ(unterminated.bytes(), "[General]\nrunCount=2\niLanguage=1\n");
}

TEST(ProfileFile, DuplicateKeysAndSectionsUseTheFirstAppearance) {
    ProfileFile file = ProfileFile::parse("[A]\nk=1\n[B]\nk=2\n[a]\nk=3\nm=4\n");
    file.writeInteger("a", "k", 5);
    file.writeInteger("A", "m", 6);
    file.writeInteger("A", "n", 7);
    EXPECT_EQ(file.bytes(), "[A]\nk=5\nn=7\n[B]\nk=2\n[a]\nk=3\nm=6\n");
}

TEST(ProfileFile, AValueCannotBreakIntoNewLines) {
    ProfileFile file;
    file.writeString("Inet", "sEngine", "x\r\n[General]\niLanguage=3");
    EXPECT_EQ(file.readInteger("General", "iLanguage", 0), 0);
    EXPECT_EQ(file.readString("Inet", "sEngine", ""), "x  [General] iLanguage=3");
}

TEST(ProfileFile, DamagedFilesParseAndKeepTheirBytes) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 37 + 11) % 256);
    const struct {
        std::string bytes;
        int runCount;
    } cases[] = {
        {garbage, 0},
        {std::string(1 << 20, 'k') + "=" + std::string(1 << 20, 'v') + "\n[General]\nrunCount=5\n", 5},
        {std::string("[General]\nbad=\0\x01\xff\nrunCount=5\n", 29), 5},
        {"[General\nrunCount=1\n=2\n[]\n==\n[General]]\nrunCount=5\n\r\r\n\n", 5},
        {"\xEF\xBB\xBF[General]\r\nrunCount=5\r\n", 5},
    };
    for (const auto& c : cases) {
        const ProfileFile file = ProfileFile::parse(c.bytes);
        EXPECT_EQ(file.bytes(), c.bytes);
        EXPECT_EQ(file.readInteger("General", "runCount", 0), c.runCount) << c.bytes.substr(0, 40);
    }
}

}  // namespace
}  // namespace torvalet
