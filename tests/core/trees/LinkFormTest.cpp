#include <gtest/gtest.h>

#include "FormFixture.h"
#include "base/Errors.h"
#include "trees/LinkForm.h"

namespace torvalet {
namespace {

class LinkPropFormTest : public testing::FormFixture {
protected:
    LinkPropFormTest() : FormFixture(RecordFamily::Links) {}

    TreeNode* addLink(const LinkRecord& link) {
        TreeNode* node = tree.appendChild();
        node->record<LinkRecord>() = link;
        return node;
    }

    LinkForm form{fakes.ui, settings, observer, dates()};
};

TEST_F(LinkPropFormTest, OkWritesEveryControlAndTheAccessDateAsDayText) {
    TreeNode* node = addLink({"Name", "http://u", "Ctrl+Alt+L", "-p", 1, "/dir", "", "note"});
    form.showLink(*node);
    EXPECT_EQ(form.accessDate, today());  // no date kept yet
    EXPECT_EQ(form.hotKey, "Ctrl+Alt+L");
    EXPECT_EQ(form.kind.text(), "Internet");

    form.name = "N";
    form.url = "U";
    form.hotKey = "Shift+F5";  // kept as text
    form.params = "";
    form.dir = "D";
    form.note = "";
    form.accessDate = Date::fromYmd(2026, 3, 5);
    form.kind.setText("Mail");  // no such kind
    form.acceptLink();

    EXPECT_EQ(node->record<LinkRecord>(), (LinkRecord{"N", "U", "Shift+F5", "", -1, "D", "05.03.26", ""}));
    EXPECT_EQ(changed(), std::vector<TreeNode*>{node});
}

TEST_F(LinkPropFormTest, AccessDateRoundTripsUnderEveryDateOrder) {
    for (const char* format : {"dd.MM.yyyy", "M/d/yyyy", "yyyy-MM-dd"}) {
        fakes.locale.format = format;
        TreeNode* node = addLink({"L", "", "", "", 7, "", "05.03.26", ""});
        form.showLink(*node);
        EXPECT_EQ(form.accessDate, Date::fromYmd(2026, 3, 5)) << format;
        form.acceptLink();
        EXPECT_EQ(node->record<LinkRecord>().accessDate, "05.03.26") << format;
        EXPECT_EQ(node->record<LinkRecord>().kind, 7) << format;
    }
}

TEST_F(LinkPropFormTest, AnAccessDateThatIsNoDateKeepsTheDialogClosed) {
    const LinkRecord stored{"L", "", "", "", 1, "", "31.02.26", ""};
    TreeNode* node = addLink(stored);
    fakes.locale.format = "M/d/yyyy";
    try {
        form.showLink(*node);
        FAIL() << "opened";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'02/31/26' is not a valid date");
    }
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(shown(), 0u);
    form.acceptLink();
    EXPECT_EQ(node->record<LinkRecord>(), stored);
}

}  // namespace
}  // namespace torvalet
