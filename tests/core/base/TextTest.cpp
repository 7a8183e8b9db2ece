#include <gtest/gtest.h>

#include "base/Date.h"
#include "base/Errors.h"
#include "base/FileIo.h"
#include "base/Text.h"
#include "fakes/TempDir.h"

namespace torvalet {
namespace {

TEST(Text, CountsAndCutsCharactersNotBytes) {
    EXPECT_EQ(utf8Length("Привет"), 6u);
    EXPECT_EQ(utf8Left("Привет", 3), "При");
    EXPECT_EQ(utf8Left("abc", 10), "abc");
}

TEST(Text, ChangesCaseOfCyrillicAndGreek) {
    EXPECT_EQ(utf8Upper("привет, αβγ, abc"), "ПРИВЕТ, ΑΒΓ, ABC");
    EXPECT_EQ(utf8Lower("ПРИВЕТ ΑΒΓ"), "привет αβγ");
    EXPECT_TRUE(equalsIgnoreCase("General", "GENERAL"));
}

TEST(Text, ComparesWithoutRegardToCaseOnlyLetters) {
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"Page Up", "PAGE UP", true}, {"f12", "F12", true}, {"@", "`", false},    {"[", "{", false},
        {"Tab", "Tabs", false},       {"", "", true},       {"ДОМ", "дом", true}, {"Дом", "Дол", false},
        {"Alt", "ALT\xd0", false},
    };
    for (const auto& c : cases) EXPECT_EQ(equalsIgnoreCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

TEST(TextCodec, Utf8PassesBytesThroughUnchanged) {
    TextCodec codec;
    const std::string bytes = "a\xff\xfe z";
    EXPECT_EQ(codec.decode(bytes), bytes);
    EXPECT_EQ(codec.encode(bytes), bytes);
}

TEST(TextCodec, WindowsCodePageRoundTrips) {
    TextCodec codec("1251");
    EXPECT_EQ(codec.decode("\xcf\xf0\xe8"), "При");
    EXPECT_EQ(codec.encode("При"), "\xcf\xf0\xe8");
    EXPECT_EQ(codec.encode("日"), "?");
    EXPECT_EQ(codec.encode("a\xd0z"), "a?z") << "each byte of invalid UTF-8 becomes one '?'";
    EXPECT_THROW(TextCodec("no-such-page"), Error);
}

std::string everyByte() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

TEST(TextCodec, EveryByteOfAFileSurvivesAReadAndAWrite) {
    const std::string bytes = everyByte() + "\x98\xd2\xc1\x81\x81\x82";
    for (const char* page : {"1250", "1251", "1252", "1253", "1254", "1255", "1256", "1257", "1258", "874", "866",
                             "932", "936", "949", "950", "UTF-8"}) {
        const TextCodec codec(page);
        EXPECT_EQ(codec.encode(codec.decode(bytes)), bytes) << page;
    }
}

TEST(TextCodec, UndefinedBytesKeepTheirNeighbours) {
    struct Case {
        const char* page;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        // 0x98 is undefined in 1251; "И" written as UTF-8 is D0 98.
        {"1251", "\xd0\x98", "Р\uEF98"},
        // An undefined byte takes one byte: the Greek letter after it stays.
        {"1253", "\xd2\xc1", "\uEFD2Α"},
        {"1252", "x\x81y", "x\uEF81y"},
        // A lead byte of a two-byte code page without its trail byte.
        {"932", "\x81", "\uEF81"},
        {"932", "\x82 A", "\uEF82 A"},
    };
    for (const Case& row : cases) {
        const TextCodec codec(row.page);
        EXPECT_EQ(codec.decode(row.bytes), row.text) << row.page;
        EXPECT_EQ(codec.encode(row.text), row.bytes) << row.page;
    }
}

TEST(Date, ConvertsAndValidates) {
    EXPECT_TRUE(Date::fromYmd(2025, 2, 29).isNull());
    EXPECT_EQ(Date::fromYmd(2024, 2, 28).addDays(1).toIso(), "2024-02-29");
    EXPECT_EQ(Date::fromIso("2026-12-08").dayOfWeek(), 2);
    EXPECT_TRUE(Date::fromIso("2026-13-01").isNull());
    EXPECT_EQ(parseDateTime("2026-12-08 14:30")->minute, 30);
    EXPECT_FALSE(parseDateTime("2026-12-08 24:30"));
}

TEST(Date, WritesIsoDatesAndTimesWithLeadingZeros) {
    EXPECT_EQ(Date::fromYmd(987, 3, 4).toIso(), "0987-03-04");
    EXPECT_EQ(Date::fromYmd(9999, 12, 31).toIso(), "9999-12-31");
    EXPECT_EQ(Date().toIso(), "");
    EXPECT_EQ(timeText(DateTime{Date(), 9, 5, 0}, ':'), "09:05");
    EXPECT_EQ(timeText(DateTime{Date(), 23, 59, 0}, '.'), "23.59");
    EXPECT_EQ(timeText(DateTime{Date(), 0, 0, 0}, ':'), "00:00");
}

TEST(FileIo, AtomicWriteReplacesWholeAndReportsFailure) {
    testing::TempDir dir;
    writeFileAtomic(dir / "a.txt", "one");
    writeFileAtomic(dir / "a.txt", "two");
    EXPECT_EQ(readFileBytes(dir / "a.txt"), "two");
    EXPECT_THROW(writeFileAtomic(dir / "missing" / "a.txt", "x"), FileError);
    EXPECT_THROW(readFileBytes(dir / "none.txt"), FileError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace torvalet
