#include <gtest/gtest.h>

#include "navigation/CaseFold.h"

namespace torvalet {
namespace {

TEST(CaseFoldTest, LowersEveryScriptAndKeepsBytesThatAreNoText) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"Grand HOTEL 12", "grand hotel 12"},
        {"ИВАНОВА Ёлка", "иванова ёлка"},
        {"ΟΔΟΣ Οδος", "οδοσ οδοσ"},  // the final sigma and the capital fold alike
        {"ＡＢＣ", "ａｂｃ"},        // three-byte characters
        {"a\xff"
         "B\xc3",
         "a\xff"
         "b\xc3"},  // invalid UTF-8 passes unchanged
        {"", ""},
    };
    CaseFold fold;
    for (int round = 0; round < 2; ++round) {  // the second round takes the characters from the table
        for (const auto& row : cases) EXPECT_EQ(fold.fold(row.text), row.folded) << row.text;
    }
}

}  // namespace
}  // namespace torvalet
