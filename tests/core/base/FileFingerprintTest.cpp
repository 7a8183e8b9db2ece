#include <gtest/gtest.h>

#include <string>

#include "base/FileFingerprint.h"

namespace torvalet {
namespace {

TEST(FileFingerprint, SameBytesSameFingerprint) {
    const std::string bytes(1000, 'x');
    EXPECT_EQ(FileFingerprint::of(bytes), FileFingerprint::of(std::string(1000, 'x')));
    EXPECT_EQ(FileFingerprint::of(""), FileFingerprint::of(std::string()));
}

// However the bytes are cut into pieces, across words or not, the fingerprint is the same.
TEST(FileFingerprint, PiecesGiveTheFingerprintOfTheWhole) {
    const std::string bytes = "0123456789abcdefghijklmnopqrstuvwxyz!";
    for (const std::size_t piece : {1, 3, 7, 8, 9, 100}) {
        FingerprintBuilder builder;
        for (std::size_t at = 0; at < bytes.size(); at += piece) builder.add(std::string_view(bytes).substr(at, piece));
        builder.add("");
        EXPECT_EQ(builder.finish(), FileFingerprint::of(bytes)) << "pieces of " << piece;
    }
}

// One changed byte anywhere (in a whole word or in the tail after the last one), a byte more or a
// byte less, and two swapped words all tell.
TEST(FileFingerprint, AnyChangeTells) {
    const std::string base = "0123456789abcdefghijklm";  // two words and a tail of seven bytes
    std::string swapped = base;
    swapped.replace(0, 16, base.substr(8, 8) + base.substr(0, 8));
    const std::string changed[] = {
        std::string("X") + base.substr(1),
        base.substr(0, 9) + "X" + base.substr(10),
        base.substr(0, 22) + "X",
        base + std::string(1, '\0'),
        base.substr(0, 22),
        std::string(1, '\0') + base.substr(1),
        swapped,
    };
    for (const std::string& other : changed)
        EXPECT_FALSE(FileFingerprint::of(base) == FileFingerprint::of(other)) << other;
}

}  // namespace
}  // namespace torvalet
