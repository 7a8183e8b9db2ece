#include <gtest/gtest.h>

#include "FormFixture.h"
#include "base/Errors.h"
#include "trees/EventForm.h"

namespace torvalet {
namespace {

class CalendarPropFormTest : public testing::FormFixture {
protected:
    CalendarPropFormTest() : FormFixture(RecordFamily::Events) {}

    TreeNode* addEvent(const EventRecord& event) {
        TreeNode* node = tree.appendChild();
        node->record<EventRecord>() = event;
        return node;
    }

    EventForm form{fakes.ui, settings, observer, dates()};
};

TEST_F(CalendarPropFormTest, OkWritesTheControlsAndKeepsWhatNoControlShows) {
    // Mon, Wed, Sun and the meaningless bit 128; the reserved numbers travel untouched.
    TreeNode* node = addEvent({"Meeting", "05.03.26", "10:00", 2, 11, 22, 1 | 4 | 64 | 128, "room 4"});
    form.showCalendarEvent(*node);
    EXPECT_EQ(form.date, Date::fromYmd(2026, 3, 5));
    EXPECT_EQ(form.kind.text(), "Daily/Weekly");
    EXPECT_EQ(form.dayChecks, (std::array<bool, 7>{true, false, true, false, false, false, true}));

    form.dayChecks = {false, true, false, false, false, true, false};  // Tue, Sat
    form.time = "9:30";
    form.text = "Call";
    form.note = "";
    form.date = Date::fromYmd(2027, 1, 31);
    form.kind.setText("Fortnightly");
    form.acceptCalendarEvent();

    EXPECT_EQ(node->record<EventRecord>(), (EventRecord{"Call", "31.01.27", "9:30", -1, 11, 22, 2 | 32 | 128, ""}));
}

TEST_F(CalendarPropFormTest, AnEventWithoutDateShowsTodayAndOkStoresIt) {
    TreeNode* node = addEvent({});
    form.showCalendarEvent(*node);
    EXPECT_EQ(form.date, today());
    form.close();
    EXPECT_EQ(node->record<EventRecord>(), EventRecord{});

    form.showCalendarEvent(*node);
    form.acceptCalendarEvent();
    EXPECT_EQ(node->record<EventRecord>().date, "08.12.26");
}

TEST_F(CalendarPropFormTest, AStoredDateThatIsNoDateKeepsTheDialogClosed) {
    EventRecord stored;
    stored.date = "1.1.2026";
    TreeNode* node = addEvent(stored);
    EXPECT_THROW(form.showCalendarEvent(*node), ConversionError);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(shown(), 0u);
}

TEST_F(CalendarPropFormTest, DoubleClickOpensTheFirstSelectedEventWithoutRepaint) {
    form.openFirstSelected(tree);
    EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"There are no selected nodes!"});

    TreeNode* node = addEvent({});
    tree.select(node);
    form.openFirstSelected(tree);
    EXPECT_EQ(form.node(), node);
    EXPECT_TRUE(changed().empty());
    form.editCalendarEvent(tree);
    EXPECT_EQ(changed(), std::vector<TreeNode*>{node});
}

}  // namespace
}  // namespace torvalet
