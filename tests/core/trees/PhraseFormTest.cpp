#include <gtest/gtest.h>

#include "FormFixture.h"
#include "trees/PhraseForm.h"

namespace torvalet {
namespace {

class PhraseFormTest : public testing::FormFixture {
protected:
    PhraseFormTest() : FormFixture(RecordFamily::Phrases) {}

    PhraseForm form{fakes.ui, settings, observer};
};

TEST_F(PhraseFormTest, OkWritesEveryControlBack) {
    TreeNode* node = tree.appendChild();
    node->record<PhraseRecord>() = {"Greeting", "Dear Sir,\nthank you.", "", 1, ""};
    form.showPhrase(*node);
    EXPECT_EQ(form.text, "Dear Sir,\nthank you.");
    EXPECT_EQ(form.kind.text(), "Group");

    form.name = "N";
    form.text = "P";
    form.hotKey = "Ctrl+Alt+P";
    form.note = "note";
    form.kind.setItemIndex(2);
    form.acceptPhrase();
    EXPECT_EQ(node->record<PhraseRecord>(), (PhraseRecord{"N", "P", "Ctrl+Alt+P", 2, "note"}));
}

// The list shows kinds 1 to 4 at their place and anything else as "Phrase"; the list has no
// entry 3 or 4, so those come back as -1.
TEST_F(PhraseFormTest, KindOnOpeningAndAfterOk) {
    const struct { int stored, shown; } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, -1}, {4, -1}, {5, 0}, {-1, 0}};
    for (const auto& c : cases) {
        TreeNode* node = tree.appendChild();
        node->record<PhraseRecord>().kind = c.stored;
        form.showPhrase(*node);
        EXPECT_EQ(form.kind.itemIndex(), c.shown) << c.stored;
        form.acceptPhrase();
        EXPECT_EQ(node->record<PhraseRecord>().kind, c.shown) << c.stored;
    }
}

}  // namespace
}  // namespace torvalet
