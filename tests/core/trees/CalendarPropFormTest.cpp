#include <gtest/gtest.h>

#include "FormFixture.h"
#include "base/Errors.h"
#include "trees/CalendarPropForm.h"

namespace torvalet {
namespace {

class CalendarPropFormTest : public testing::FormFixture {
protected:
    CalendarPropFormTest() : FormFixture(RecordFamily::Events) { watch(form); }

    TreeNode* addEvent(const TEventData& event) {
        TreeNode* node = tree.appendChild();
        node->record<TEventData>() = event;
        return node;
    }

    CalendarPropForm form{fakes.ui, settings, dates()};
};

TEST_F(CalendarPropFormTest, OkWritesTheControlsAndKeepsWhatNoControlShows) {
    // Mon, Wed, Sun and the meaningless bit 128; the reserved numbers travel untouched.
    TreeNode* node = addEvent({"Meeting", "05.03.26", "10:00", 2, 11, 22, 1 | 4 | 64 | 128, "room 4"});
    form.CalendarProps(*node);
    EXPECT_EQ(form.EventDatePicker, Date::fromYmd(2026, 3, 5));
    EXPECT_EQ(form.ComboBox1.text(), "Daily/Weekly");
    EXPECT_EQ(form.dayChecks, (std::array<bool, 7>{true, false, true, false, false, false, true}));

    form.dayChecks = {false, true, false, false, false, true, false};  // Tue, Sat
    form.EventTimeEdit = "9:30";
    form.EventMemo = "Call";
    form.NoteMemo = "";
    form.EventDatePicker = Date::fromYmd(2027, 1, 31);
    form.ComboBox1.setText("Fortnightly");
    form.OkCalendarPropBtnClick();

    EXPECT_EQ(node->record<TEventData>(), (TEventData{"Call", "31.01.27", "9:30", -1, 11, 22, 2 | 32 | 128, ""}));
}

TEST_F(CalendarPropFormTest, AnEventWithoutDateShowsTodayAndOkStoresIt) {
    TreeNode* node = addEvent({});
    form.CalendarProps(*node);
    EXPECT_EQ(form.EventDatePicker, today());
    form.close();
    EXPECT_EQ(node->record<TEventData>(), TEventData{});

    form.CalendarProps(*node);
    form.OkCalendarPropBtnClick();
    EXPECT_EQ(node->record<TEventData>().EventDate, "08.12.26");
}

TEST_F(CalendarPropFormTest, AStoredDateThatIsNoDateKeepsTheDialogClosed) {
    TEventData stored;
    stored.EventDate = "1.1.2026";
    TreeNode* node = addEvent(stored);
    EXPECT_THROW(form.CalendarProps(*node), ConversionError);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(shown, 0);
}

TEST_F(CalendarPropFormTest, DoubleClickOpensTheFirstSelectedEventWithoutRepaint) {
    form.CalendarTreeDblClick(tree);
    EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"There are no selected nodes!"});

    TreeNode* node = addEvent({});
    tree.select(node);
    form.CalendarTreeDblClick(tree);
    EXPECT_EQ(form.node(), node);
    EXPECT_TRUE(repainted.empty());
    form.EditCalendar(tree);
    EXPECT_EQ(repainted, std::vector<TreeNode*>{node});
}

}  // namespace
}  // namespace torvalet
