#include <gtest/gtest.h>

#include "base/Errors.h"
#include "core/reminders/RunningOrganizer.h"
#include "trees/TreeError.h"
#include "trees/TreeFileIo.h"

namespace torvalet {
namespace {

using testing::event;

class CalendarAnalysisTest : public testing::RunningOrganizer {
protected:
    CalendarAnalysisTest() { startAt(2026, 12, 8, 9, 5); }

    // The tasks the analysis gives on a day.
    std::vector<std::string> analyseOn(Date day) {
        clearTasks();
        fakes.clock.current = {day, 9, 5, 0};
        organizer->reminders().calendar.analyzeCalendar();
        return tasksOf(day.toIso());
    }
};

Date day(int y, int m, int d) { return Date::fromYmd(y, m, d); }

TEST_F(CalendarAnalysisTest, EventsAreDueOnTheirDays) {
    const struct {
        EventRecord event;
        std::vector<Date> due, notDue;
    } cases[] = {
        // A monthly 31st only around months that have one.
        {event(3, "31.01.26", "10:00", "m31"),
         {day(2026, 3, 28), day(2026, 3, 29), day(2026, 3, 30), day(2026, 3, 31), day(2026, 4, 1)},
         {day(2026, 3, 27), day(2026, 4, 2), day(2026, 4, 28), day(2026, 4, 30), day(2026, 5, 1)}},
        // A monthly 2nd is reached from the last two days of the month before.
        {event(3, "02.01.26", "10:00", "m2"),
         {day(2026, 4, 29), day(2026, 4, 30), day(2026, 5, 1), day(2026, 5, 2), day(2026, 5, 3)},
         {day(2026, 4, 28), day(2026, 5, 4)}},
        {event(4, "29.02.80", "10:00", "leap"),
         {day(2028, 2, 26), day(2028, 2, 29), day(2028, 3, 1)},
         {day(2027, 2, 26), day(2027, 3, 1), day(2028, 2, 25), day(2028, 3, 2)}},
        {event(5, "07.12.26", "10:00", "once"),
         {day(2026, 12, 4), day(2026, 12, 7), day(2026, 12, 8)},
         {day(2026, 12, 3), day(2026, 12, 9), day(2025, 12, 7)}},
        {event(2, "01.01.26", "10:00", "tuesdays", 2), {day(2026, 12, 8), day(2026, 12, 15)}, {day(2026, 12, 9)}},
        {event(2, "01.01.26", "10:00", "weekends", 32 | 64 | 128),
         {day(2026, 12, 12), day(2026, 12, 13)},
         {day(2026, 12, 11), day(2026, 12, 14)}},
        {event(2, "01.01.26", "10:00", "no weekday"), {}, {day(2026, 12, 7), day(2026, 12, 8), day(2026, 12, 13)}},
        {event(6, "01.01.26", "10:00", "last"),
         {day(2027, 2, 28), day(2028, 2, 29), day(2026, 12, 31)},
         {day(2028, 2, 28), day(2026, 12, 30), day(2027, 1, 1)}},
        {event(7, "01.01.26", "10:00", "first"),
         {day(2026, 3, 1), day(2027, 1, 1)},
         {day(2026, 3, 2), day(2026, 2, 28)}},
        {event(3, "", "10:00", "no date"), {}, {day(2026, 12, 8), day(2027, 1, 1)}},
        {event(7, "", "10:00", "first, no date"), {}, {day(2027, 1, 1)}},
        {event(0, "08.12.26", "10:00", "none"), {}, {day(2026, 12, 8)}},
        {event(1, "08.12.26", "10:00", "group"), {}, {day(2026, 12, 8)}},
        {event(-1, "08.12.26", "10:00", "typed kind"), {}, {day(2026, 12, 8)}},
        {event(8, "08.12.26", "10:00", "unknown kind"), {}, {day(2026, 12, 8)}},
    };
    for (const auto& c : cases) {
        organizer->trees().get(TreeId::CalendarTree).clear();
        addEvent(c.event);
        for (Date d : c.due) EXPECT_EQ(analyseOn(d).size(), 1u) << c.event.text << " on " << d.toIso();
        for (Date d : c.notDue) EXPECT_EQ(analyseOn(d).size(), 0u) << c.event.text << " on " << d.toIso();
    }
}

// The tasks go into the store in tree order, collapsed groups included.
TEST_F(CalendarAnalysisTest, TasksCarryTheStoredDateOrTodayAndTheEventTimeAndGoInInTreeOrder) {
    fakes.locale.format = "d/M/yyyy";
    addEvent(event(5, "03.04.26", "10:00 ", "Call the bank"));
    TreeNode* group = addEvent(event(1, "01.01.26", "", "Bills"));
    addEvent(event(3, "05.03.26", "10:00", "Pay the rent"), group);
    group->setFlag(NodeFlag::Expanded, false);
    addEvent(event(2, "01.01.26", "9:30", "Standup", 16));
    addEvent(event(4, "04.04.26", "", "Tax day"));
    // Friday 3 April: the stored date for the monthly and yearly events, today's for the weekly one.
    EXPECT_EQ(analyseOn(day(2026, 4, 3)),
              (std::vector<std::string>{"[ 03.04.26 :: 10:00  ] Call the bank", "[ 05.03.26 :: 10:00 ] Pay the rent",
                                        "[ 3/4/2026 :: 9:30 ] Standup", "[ 04.04.26 ::  ] Tax day"}));
    const struct {
        const char* task;
        const char* time;
        const char* time2;
    } cases[] = {{"[ 05.03.26 :: 10:00 ] Pay the rent", "10:00", "10:00"},
                 {"[ 3/4/2026 :: 9:30 ] Standup", "9:30", "9:30"},
                 {"[ 04.04.26 ::  ] Tax day", "", "09:05"}};
    for (const auto& c : cases) {
        EXPECT_EQ(field("Time", c.task), c.time) << c.task;
        EXPECT_EQ(field("Time2", c.task), c.time2) << c.task;
        EXPECT_EQ(field("Remindflag", c.task), "+") << c.task;
    }
    organizer->reminders().calendar.analyzeCalendar();
    EXPECT_EQ(tasksOf("2026-04-03").size(), 8u) << "a second run the same day adds its tasks again";
}

TEST_F(CalendarAnalysisTest, AnEventWhoseDateCannotBeReadIsReportedAndTheOthersStillGiveTheirTasks) {
    addEvent(event(3, "08.01.26", "10:00", "before"));
    addEvent(event(4, "5.3.80", "10:00", "Broken\nsecond line"));
    addEvent(event(5, "31.02.26", "10:00", "No such day"));
    addEvent(event(3, "08.01.26", "11:00", "after"));
    clearTasks();
    try {
        organizer->reminders().calendar.analyzeCalendar();
        ADD_FAILURE() << "the unreadable dates were not reported";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(),
                     "'5...8.80' is not a valid date (event \"Broken\", date \"5.3.80\")\n"
                     "'31.02.26' is not a valid date (event \"No such day\", date \"31.02.26\")");
    }
    EXPECT_EQ(tasksOf("2026-12-08"),
              (std::vector<std::string>{"[ 08.01.26 :: 10:00 ] before", "[ 08.01.26 :: 11:00 ] after"}));
}

// Events walked on a thread of their own, as the companion reads the calendar file, give their
// tasks in walk order, and a mistyped date is still reported at the end. A walk that fails part
// way stores none of its tasks, not even in the task list, and its error comes through.
TEST_F(CalendarAnalysisTest, AWalkOnItsOwnThreadStoresItsTasksOrNoneWhenItFails) {
    std::vector<EventRecord> events;
    for (int i = 0; i < 300; ++i) events.push_back(event(3, "08.01.26", "10:00", "e" + std::to_string(i)));
    events[150] = event(3, "41.01.26", "10:00", "mistyped");
    const auto walkUpTo = [&events](std::size_t failAt) {
        return [&events, failAt](const std::function<void(const EventRecord&)>& visit) {
            for (std::size_t i = 0; i < events.size(); ++i) {
                if (i == failAt) throw TreeError::fromCode(TreeError::kAnchorChunkMissing);
                visit(events[i]);
            }
        };
    };
    CalendarAnalysis& calendar = organizer->reminders().calendar;
    clearTasks();
    EXPECT_THROW(calendar.analyzeCalendar(walkUpTo(events.size())), ConversionError);
    const std::vector<std::string> tasks = tasksOf("2026-12-08");
    ASSERT_EQ(tasks.size(), 299u);
    EXPECT_EQ(tasks.front(), "[ 08.01.26 :: 10:00 ] e0");
    EXPECT_EQ(tasks.back(), "[ 08.01.26 :: 10:00 ] e299");

    clearTasks();
    EXPECT_THROW(calendar.analyzeCalendar(walkUpTo(200)), TreeError);
    EXPECT_TRUE(tasksOf("2026-12-08").empty());
    EXPECT_EQ(organizer->store().listRows.rowCount(), 0);
}

// One mistyped date of the calendar does not silence the contacts of the day.
TEST_F(CalendarAnalysisTest, AtStartAnUnreadableEventLeavesTheContactAnalysisToRun) {
    organizer->close();
    ItemTree events(TreeId::CalendarTree);
    events.appendChild()->record<EventRecord>() = event(3, "5.3.80", "10:00", "Broken");
    saveTreeFile(events, dir / "calendar.clnd", TextCodec());
    ItemTree contacts(TreeId::ContactsTree);
    contacts.appendChild()->record<ContactRecord>() = testing::contact("Anna", "10.12.80");
    saveTreeFile(contacts, dir / "contacts.co", TextCodec());
    startAt(2026, 12, 9, 8, 0);
    EXPECT_EQ(fakes.ui.messages,
              std::vector<std::string>{"'5...8.80' is not a valid date (event \"Broken\", date \"5.3.80\")"});
    EXPECT_EQ(tasksOf("2026-12-09"), std::vector<std::string>{"[ 10.12.80 - BirthDay ] Anna"});
    EXPECT_EQ(organizer->lastLaunchDate(), Date::fromYmd(2026, 12, 9));
}

}  // namespace
}  // namespace torvalet
