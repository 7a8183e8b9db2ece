#include <gtest/gtest.h>

#include <algorithm>

#include "core/reminders/RunningOrganizer.h"
#include "tasks/Snoozes.h"

namespace torvalet {
namespace {

using testing::TaskRow;

TaskRow at(const std::string& task, const std::string& date, const std::string& time) {
    return {task, date, time, date, time, "+", "", "", ""};
}

class SnoozeTest : public testing::RunningOrganizer {
protected:
    // The reminder "call back" at 10:00 has rung, and the user puts it off.
    void ringCallBack() {
        startAt(2026, 12, 8, 9, 59, 50);
        addRow(at("call back", "2026-12-08", "10:00"));
        tickAt(2026, 12, 8, 10, 0);
        ASSERT_EQ(linesWith("call back").size(), 1u);
    }
    Bookmark rowOf(const std::string& task) { return std::stoll(field("rowid", task)); }
    // Ticks every minute from `from` to `to` (both included) of 8 December, at second 0 and 2.
    void tickMinutes(int fromHour, int fromMinute, int toHour, int toMinute) {
        for (int m = fromHour * 60 + fromMinute; m <= toHour * 60 + toMinute; ++m)
            for (int second : {0, 2}) tickAt(2026, 12, 8, m / 60, m % 60, second);
    }
};

TEST_F(SnoozeTest, ASnoozeRingsAgainOnceAtItsMinuteAlsoAfterARestart) {
    ringCallBack();
    fakes.clock.set(2026, 12, 8, 10, 0, 30);
    clock().snooze(rowOf("call back"), 15);
    restartAt(2026, 12, 8, 10, 5);
    tickMinutes(10, 5, 10, 14);
    EXPECT_EQ(linesWith("call back").size(), 1u);
    tickMinutes(10, 15, 10, 20);
    EXPECT_EQ(linesWith("call back"), (std::vector<std::string>{"[10:15 08.12.2026] Start todo (snoozed) call back",
                                                                "[10:00 08.12.2026] Start todo call back"}));
    EXPECT_EQ(cuesPlayed("ringing.wav"), 2);
    restartAt(2026, 12, 8, 10, 21);
    tickMinutes(10, 21, 10, 22);
    EXPECT_EQ(linesWith("call back").size(), 2u);
    // It can be put off again from the notification it rang with.
    ASSERT_FALSE(fakes.notices.reminders.empty());
    EXPECT_EQ(fakes.notices.reminders.back().taskRow, rowOf("call back"));
}

TEST_F(SnoozeTest, TheNotificationOffersTheThreeSnoozesAndItsChoiceReachesTheClock) {
    ringCallBack();
    ASSERT_EQ(fakes.notices.reminders.size(), 1u);
    const ReminderNotice& notice = fakes.notices.reminders[0];
    EXPECT_EQ(notice.taskRow, rowOf("call back"));
    std::vector<std::pair<int, std::string>> snoozes;
    for (const auto& snooze : notice.snoozes) snoozes.emplace_back(snooze.minutes, snooze.label);
    EXPECT_EQ(snoozes, (std::vector<std::pair<int, std::string>>{
                           {5, "Snooze 5 min"}, {15, "Snooze 15 min"}, {60, "Snooze 1 hour"}}));
    EXPECT_EQ(notice.dismissLabel, "Dismiss");
    fakes.notices.choose(60);
    EXPECT_EQ(Snoozes(*organizer->store().database()).dueOf(rowOf("call back")),
              (DateTime{Date::fromYmd(2026, 12, 8), 11, 0, 0}));
}

TEST_F(SnoozeTest, ASecondSnoozeReplacesTheFirst) {
    ringCallBack();
    clock().snooze(rowOf("call back"), 5);
    clock().snooze(rowOf("call back"), 60);
    tickMinutes(10, 1, 10, 59);
    EXPECT_EQ(linesWith("call back").size(), 1u);
    tickAt(2026, 12, 8, 11, 0);
    EXPECT_EQ(linesWith("call back").size(), 2u);
}

// The snooze goes with its task, also when a new row takes the deleted row's rowid.
TEST_F(SnoozeTest, ADeletedTaskNeverRingsAndARowStoredInItsPlaceInheritsNothing) {
    ringCallBack();
    const Bookmark row = rowOf("call back");
    clock().snooze(row, 15);
    organizer->store().database()->execute("delete from tasks where Task = 'call back'");
    addRow({"someone else", "2026-12-08", "09:00", "2026-12-08", "09:00", "!", "", "", ""});
    ASSERT_EQ(rowOf("someone else"), row);
    tickMinutes(10, 1, 10, 20);
    EXPECT_TRUE(linesWith("someone else").empty());
    EXPECT_EQ(linesWith("call back").size(), 1u);
}

TEST_F(SnoozeTest, ATaskDoneSinceItsSnoozeStaysQuiet) {
    ringCallBack();
    clock().snooze(rowOf("call back"), 5);
    organizer->store().database()->execute("update tasks set StateKey = '         1' where Task = 'call back'");
    tickMinutes(10, 1, 10, 10);
    EXPECT_EQ(linesWith("call back").size(), 1u);
}

// A snooze whose minute passed while the computer slept rings at the first tick after, late,
// or within the cap is listed as missed; once either way.
TEST_F(SnoozeTest, ASnoozeThroughASleepRingsLateOnceOrIsListed) {
    struct Case {
        int wakeHour, wakeMinute, cap;
        std::vector<std::string> lines;  // of "call back" after waking, newest first
    };
    const Case cases[] = {
        {10, 40, 60, {"[10:15 08.12.2026] Start todo (snoozed) (late 25 min) call back"}},
        {10, 40, 25, {"[10:15 08.12.2026] Start todo (snoozed) (late 25 min) call back"}},
        {10, 40, 24, {"  [10:15 08.12.2026] Start todo (snoozed) call back"}},
        {13, 0, 60, {"  [10:15 08.12.2026] Start todo (snoozed) call back"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.wakeHour) + ":" + std::to_string(c.wakeMinute) + " cap " + std::to_string(c.cap));
        ringCallBack();
        organizer->settings().maxLateMinutes = c.cap;
        clock().snooze(rowOf("call back"), 15);
        tickAt(2026, 12, 8, 10, 1);
        const std::size_t before = padLines().size();
        tickAt(2026, 12, 8, c.wakeHour, c.wakeMinute);
        tickAt(2026, 12, 8, c.wakeHour, c.wakeMinute, 2);
        tickAt(2026, 12, 8, c.wakeHour, c.wakeMinute + 1);
        std::vector<std::string> woke;
        for (std::size_t i = 0; i + before < padLines().size(); ++i)
            if (padLines()[i].find("call back") != std::string::npos) woke.push_back(padLines()[i]);
        EXPECT_EQ(woke, c.lines);
        clearTasks();
        organizer->messagePad().clear();
        organizer->close();
        organizer.reset();
    }
}

TEST_F(SnoozeTest, AReminderLineOfTheMessagePadKnowsItsTask) {
    ringCallBack();
    addRow(at("later", "2026-12-08", "10:02"));
    tickAt(2026, 12, 8, 10, 1);
    tickAt(2026, 12, 8, 10, 2);
    const NoticeBoard& notices = organizer->reminders().notices;
    const auto& lines = padLines();
    const auto lineOf = [&](const std::string& text) {
        return static_cast<std::size_t>(
            std::find_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.find(text) != std::string::npos; }) -
            lines.begin());
    };
    EXPECT_EQ(notices.taskOfLine(lineOf("later")), rowOf("later"));
    EXPECT_EQ(notices.taskOfLine(lineOf("call back")), rowOf("call back"));
    EXPECT_EQ(notices.lastReminder(), rowOf("later"));
    // Read back from the file after a restart, the lines belong to no task: rowids of this store
    // are not told by the text.
    restartAt(2026, 12, 8, 10, 3);
    ASSERT_FALSE(padLines().empty());
    for (std::size_t line = 0; line < padLines().size(); ++line)
        EXPECT_EQ(organizer->reminders().notices.taskOfLine(line), 0) << padLines()[line];
}

}  // namespace
}  // namespace torvalet
