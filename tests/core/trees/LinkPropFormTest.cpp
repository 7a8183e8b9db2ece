#include <gtest/gtest.h>

#include "FormFixture.h"
#include "base/Errors.h"
#include "trees/LinkPropForm.h"

namespace torvalet {
namespace {

class LinkPropFormTest : public testing::FormFixture {
protected:
    LinkPropFormTest() : FormFixture(RecordFamily::Links) { watch(form); }

    TreeNode* addLink(const TLinkData& link) {
        TreeNode* node = tree.appendChild();
        node->record<TLinkData>() = link;
        return node;
    }

    LinkPropForm form{fakes.ui, settings, dates()};
};

TEST_F(LinkPropFormTest, OkWritesEveryControlAndTheAccessDateAsDayText) {
    TreeNode* node = addLink({"Name", "http://u", "Ctrl+Alt+L", "-p", 1, "/dir", "", "note"});
    form.LinkProps2(*node);
    EXPECT_EQ(form.AccessDatePicker, today());  // no date kept yet
    EXPECT_EQ(form.HotKeyEdit, "Ctrl+Alt+L");
    EXPECT_EQ(form.ComboBox1.text(), "Internet");

    form.NameEdit = "N";
    form.UrlEdit = "U";
    form.HotKeyEdit = "Shift+F5";  // kept as text
    form.ParamsEdit = "";
    form.DirEdit = "D";
    form.NoteEdit = "";
    form.AccessDatePicker = Date::fromYmd(2026, 3, 5);
    form.ComboBox1.setText("Mail");  // no such kind
    form.OkLinkPropBtnClick();

    EXPECT_EQ(node->record<TLinkData>(), (TLinkData{"N", "U", "Shift+F5", "", -1, "D", "05.03.26", ""}));
    EXPECT_EQ(accepted, std::vector<TreeNode*>{node});
}

TEST_F(LinkPropFormTest, AccessDateRoundTripsUnderEveryDateOrder) {
    for (const char* format : {"dd.MM.yyyy", "M/d/yyyy", "yyyy-MM-dd"}) {
        fakes.locale.format = format;
        TreeNode* node = addLink({"L", "", "", "", 7, "", "05.03.26", ""});
        form.LinkProps2(*node);
        EXPECT_EQ(form.AccessDatePicker, Date::fromYmd(2026, 3, 5)) << format;
        form.OkLinkPropBtnClick();
        EXPECT_EQ(node->record<TLinkData>().AccessDate, "05.03.26") << format;
        EXPECT_EQ(node->record<TLinkData>().LinkKind, 7) << format;
    }
}

TEST_F(LinkPropFormTest, AnAccessDateThatIsNoDateKeepsTheDialogClosed) {
    const TLinkData stored{"L", "", "", "", 1, "", "31.02.26", ""};
    TreeNode* node = addLink(stored);
    fakes.locale.format = "M/d/yyyy";
    try {
        form.LinkProps2(*node);
        FAIL() << "opened";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'02/31/26' is not a valid date");
    }
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(shown, 0);
    form.OkLinkPropBtnClick();
    EXPECT_EQ(node->record<TLinkData>(), stored);
}

}  // namespace
}  // namespace torvalet
