#include <gtest/gtest.h>

#include <algorithm>

#include "core/reminders/RunningOrganizer.h"
#include "tasks/Query.h"

namespace torvalet {
namespace {

using testing::TaskRow;

class ReminderClockTest : public testing::RunningOrganizer {
protected:
    int padLinesWith(const std::string& text) {
        const auto holds = [&](const std::string& line) { return line.find(text) != std::string::npos; };
        return static_cast<int>(std::count_if(padLines().begin(), padLines().end(), holds));
    }
};

TEST_F(ReminderClockTest, DueRowsGiveOneNoticeByTheirPhaseAndAreMarkedFired) {
    startAt(2026, 12, 8, 10, 29, 50);
    const struct {
        TaskRow row;
        const char* phase;  // "" for no notice
        const char* flagAfter;
    } cases[] = {
        {{"starts now", "2026-12-08", "10:30", "2026-12-08", "11:00"}, " Start todo", "!"},
        {{"finishes now", "2026-12-07", "09:00", "2026-12-08", "10:30"}, " Finish todo", "!"},
        {{"starts and finishes now", "2026-12-08", "10:30", "2026-12-08", "10:30"}, " Start todo", "!"},
        {{"started this morning, finishes now", "2026-12-08", "09:00", "2026-12-08", "10:30"}, " Start todo", "!"},
        {{"done", "2026-12-08", "10:30", "2026-12-09", "10:30", "+", "         1"}, "", "+"},
        {{"day mark", "2026-12-08", "10:30", "2026-12-09", "10:30", "+", "", "         5"}, "", "!"},
        {{"time mark", "2026-12-08", "10:30", "2026-12-08", "10:30", "+", "", "         6"}, "", "!"},
        {{"fired before", "2026-12-08", "10:30", "2026-12-09", "10:30", "!"}, "", "!"},
        {{"not armed", "2026-12-08", "10:30", "2026-12-09", "10:30", ""}, "", ""},
        {{"next minute", "2026-12-08", "10:31", "2026-12-09", "10:31"}, "", "+"},
        {{"yesterday at this minute", "2026-12-07", "10:30", "2026-12-07", "10:30"}, "", "+"},
    };
    for (const auto& c : cases) addRow(c.row);

    tickAt(2026, 12, 8, 10, 30, 0);
    tickAt(2026, 12, 8, 10, 30, 20);
    int notices = 0;
    for (const auto& c : cases) {
        const std::string name = c.row.task;
        if (*c.phase) {
            EXPECT_EQ(padLinesWith("[10:30 08.12.2026]" + std::string(c.phase) + " " + name), 1) << name;
            ++notices;
        } else {
            EXPECT_EQ(padLinesWith(name), 0) << name;
        }
        EXPECT_EQ(field("Remindflag", name), c.flagAfter) << name;
    }
    EXPECT_EQ(cuesPlayed("ringing.wav"), notices);
    ASSERT_EQ(fakes.notices.balloons.size(), static_cast<std::size_t>(notices));
    const auto balloon = std::find_if(fakes.notices.balloons.begin(), fakes.notices.balloons.end(),
                                      [](const auto& b) { return b.text == "starts now"; });
    ASSERT_NE(balloon, fakes.notices.balloons.end());
    EXPECT_EQ(balloon->title, "[10:30 08.12.2026] Start todo");
    Query& list = organizer->store().listRows;
    list.moveTo(list.findRow(TaskColumn::Task, "starts now"));
    EXPECT_EQ(list.text(TaskColumn::RemindFlag), "!") << "the task list shows the fired flags";
}

// Executing opens what the task's type opens: the "Open" task its text, the day mark nothing.
TEST_F(ReminderClockTest, RowsMarkedForExecutionAreExecutedWhenTheirReminderFires) {
    startAt(2026, 12, 8, 10, 29, 50);
    addRow({"open the site", "2026-12-08", "10:30", "2026-12-09", "10:30", "+", "", "        10", "x"});
    addRow({"day mark", "2026-12-08", "10:30", "2026-12-09", "10:30", "+", "", "         5", "+"});
    addRow({"not marked", "2026-12-08", "10:30", "2026-12-09", "10:30", "+", "", "        10"});
    tickAt(2026, 12, 8, 10, 30);
    ASSERT_EQ(fakes.shell.requests.size(), 1u);
    EXPECT_EQ(fakes.shell.requests[0].target, "open the site");
    EXPECT_EQ(field("Doflag", "open the site"), "!");
    EXPECT_EQ(field("Doflag", "day mark"), "!");
    EXPECT_EQ(field("Doflag", "not marked"), "");
    EXPECT_EQ(padLinesWith("day mark"), 0);
}

// A day of ticks, three a minute: every armed task once at its minute, ten hours, and at
// midnight the start-of-day sequence once, whose contact tasks ring in the same minute.
TEST_F(ReminderClockTest, ADayOfTicks) {
    startAt(2026, 12, 8, 7, 59, 40);
    addRow({"Call the bank", "2026-12-08", "09:30", "2026-12-09", "09:30"});
    addRow({"Report due", "2026-12-07", "17:00", "2026-12-08", "14:00"});
    addRow({"Evening walk", "2026-12-08", "20:15", "2026-12-08", "20:15", "+", "", "", "x"});
    addContact(testing::contact("Anna", "11.12.80"));
    const std::size_t padBefore = padLines().size();

    for (int minute = 0; minute < 24 * 60 + 2; ++minute)
        for (int second : {0, 20, 40}) {
            const Date day = Date::fromYmd(2026, 12, 8).addDays((8 * 60 + minute) / (24 * 60));
            const int dayMinute = (8 * 60 + minute) % (24 * 60);
            tickAt(day.year(), day.month(), day.day(), dayMinute / 60, dayMinute % 60, second);
        }

    const std::vector<std::string> pad(padLines().begin(), padLines().end() - static_cast<long>(padBefore));
    EXPECT_EQ(pad, (std::vector<std::string>{
                       "[00:00 09.12.2026] Start todo [ 11.12.80 - BirthDay ] Anna",
                       "[ 11.12.80 - BirthDay ]  Anna",
                       "[20:15 08.12.2026] Start todo Evening walk",
                       "[14:00 08.12.2026] Finish todo Report due",
                       "[09:30 08.12.2026] Start todo Call the bank",
                   }));
    std::vector<std::string> hours;
    for (const auto& balloon : fakes.notices.balloons)
        if (balloon.text == "Attention! Yet another hour passed!") hours.push_back(balloon.title);
    EXPECT_EQ(hours,
              (std::vector<std::string>{"09:00 08.12.2026", "10:00 08.12.2026", "11:00 08.12.2026", "12:00 08.12.2026",
                                        "13:00 08.12.2026", "14:00 08.12.2026", "15:00 08.12.2026", "16:00 08.12.2026",
                                        "17:00 08.12.2026", "18:00 08.12.2026"}));
    EXPECT_EQ(cuesPlayed("bigben.wav"), 10);
    EXPECT_EQ(cuesPlayed("ringing.wav"), 4);
    EXPECT_EQ(field("Doflag", "Evening walk"), "!");
    EXPECT_EQ(tasksOf("2026-12-09"), std::vector<std::string>{"[ 11.12.80 - BirthDay ] Anna"});
    EXPECT_EQ(organizer->lastLaunchDate(), Date::fromYmd(2026, 12, 9));
    EXPECT_EQ(organizer->tasks().context.listState.calendar.first(), Date::fromYmd(2026, 12, 9));
    EXPECT_TRUE(fakes.ui.messages.empty());
}

TEST_F(ReminderClockTest, MidnightOfALeapDay) {
    startAt(2028, 2, 28, 23, 59, 40);
    addEvent(testing::event(4, "29.02.80", "08:00", "Leap"));
    addEvent(testing::event(6, "01.01.26", "18:00", "Month end"));
    for (int second : {0, 2, 58}) tickAt(2028, 2, 29, 0, 0, second);
    EXPECT_EQ(tasksOf("2028-02-29"),
              (std::vector<std::string>{"[ 29.02.80 :: 08:00 ] Leap", "[ 29.02.2028 :: 18:00 ] Month end"}));
    tickAt(2028, 3, 1, 0, 0);
    EXPECT_EQ(tasksOf("2028-03-01"), std::vector<std::string>{"[ 29.02.80 :: 08:00 ] Leap"});
}

TEST_F(ReminderClockTest, TheHourIsAnnouncedInTheLanguageOnTheHintLineAndInABalloon) {
    const struct {
        int language;
        const char* text;
    } cases[] = {{0, "Attention! Yet another hour passed!"},
                 {1, "Внимание! Начинается новый час!"},
                 {2, "Внимание! Начинается новый час!"},
                 {3, "Attention! Yet another hour passed!"},
                 {7, "Attention! Yet another hour passed!"}};
    startAt(2026, 12, 8, 9, 0, 0);
    int hour = 9;
    for (const auto& c : cases) {
        organizer->settings().language = Language(c.language);
        tickAt(2026, 12, 8, hour, 0, 0);  // the first tick of the run counts as a new minute too
        const std::string header = (hour < 10 ? "0" : "") + std::to_string(hour) + ":00 08.12.2026";
        ASSERT_FALSE(fakes.notices.balloons.empty());
        EXPECT_EQ(fakes.notices.balloons.back().title, header);
        EXPECT_EQ(fakes.notices.balloons.back().text, c.text);
        EXPECT_EQ(organizer->reminders().notices.hint(), header + " " + c.text);
        ++hour;
    }
    EXPECT_EQ(fakes.notices.balloons.size(), std::size(cases));
    EXPECT_EQ(padLinesWith("hour"), 0);
    organizer->reminders().notices.showLastNotice();
    EXPECT_EQ(fakes.notices.balloons.back().title, "13:00 08.12.2026");
}

TEST_F(ReminderClockTest, TicksRunOnlyFromTheFirstShowToTheStartOfClose) {
    fakes.clock.set(2026, 12, 8, 9, 0);
    organizer = std::make_unique<Organizer>(fakes.services, dir.path());
    organizer->start();
    clock().tick();
    organizer->firstShow();
    organizer->close();
    clock().tick();
    EXPECT_TRUE(fakes.notices.balloons.empty());
}

TEST_F(ReminderClockTest, ATickThatComesWhileAMessageBoxOfTheLastOneIsOpenIsLeftOut) {
    startAt(2026, 12, 8, 10, 29, 50);
    addRow({"first", "2026-12-08", "10:30", "2026-12-09", "10:30"});
    addRow({"second", "2026-12-08", "10:30", "2026-12-09", "10:30"});
    fakes.sound.failure = SoundError{263, "The specified device is not open."};
    std::size_t padDuringBox = 0;
    fakes.ui.onMessage = [&](const std::string&) {
        clock().tick();
        padDuringBox = padLines().size();
    };
    tickAt(2026, 12, 8, 10, 30);
    EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"ErrorCode: 263\r\nThe specified device is not open."});
    EXPECT_EQ(padLinesWith("Start todo"), 2);
    EXPECT_EQ(padDuringBox, padLines().size() - 1) << "the nested tick fired nothing";
    EXPECT_EQ(column("select Remindflag from tasks where Task in ('first', 'second') order by rowid"),
              (std::vector<std::string>{"!", "!"}));
}

TEST_F(ReminderClockTest, AStoreErrorIsShownOnceWhileItLasts) {
    startAt(2026, 12, 8, 10, 0);
    Database& db = *organizer->store().database();
    db.execute("alter table tasks rename to gone");
    for (int second : {0, 2, 4}) tickAt(2026, 12, 8, 10, 1, second);
    ASSERT_EQ(fakes.ui.messages.size(), 1u);
    EXPECT_NE(fakes.ui.messages[0].find("no such table: tasks"), std::string::npos);
    db.execute("alter table gone rename to tasks");
    tickAt(2026, 12, 8, 10, 1, 6);
    db.execute("alter table tasks rename to gone");
    tickAt(2026, 12, 8, 10, 1, 8);
    EXPECT_EQ(fakes.ui.messages.size(), 2u);
    db.execute("alter table gone rename to tasks");
}

TEST_F(ReminderClockTest, ARowBeingEditedIsPostedWhenAReminderFiresAndIsOpenAgainAfter) {
    startAt(2026, 12, 8, 10, 29, 50);
    addRow({"due", "2026-12-08", "10:30", "2026-12-09", "10:30"});
    addRow({"draft", "2026-12-08", "12:00", "2026-12-09", "12:00", ""});
    Query& tasks = organizer->store().listRows;
    ASSERT_TRUE(tasks.gotoBookmark(std::stoll(column("select rowid from tasks where Task = 'draft'")[0])));
    tasks.edit();
    tasks.setText(TaskColumn::Comment, "typing");
    tickAt(2026, 12, 8, 10, 30);
    EXPECT_EQ(field("Comment", "draft"), "typing");
    EXPECT_TRUE(tasks.isEditing());
    EXPECT_EQ(tasks.text(TaskColumn::Task), "draft");
    EXPECT_EQ(field("Remindflag", "due"), "!");
}

TEST_F(ReminderClockTest, ReminderTasksTakeTheirTimeOrTheCurrentMinute) {
    startAt(2026, 12, 8, 10, 29, 50);
    clock().addReminderTask("timed", "11:45", true, Date::fromYmd(2026, 12, 8));
    clock().addReminderTask("untimed", "", false, Date::fromYmd(2026, 12, 8));
    const struct {
        const char* task;
        const char* time;
        const char* time2;
        const char* flag;
    } cases[] = {{"timed", "11:45", "11:45", "+"}, {"untimed", "", "10:29", "+"}};
    for (const auto& c : cases) {
        EXPECT_EQ(field("Time", c.task), c.time) << c.task;
        EXPECT_EQ(field("Time2", c.task), c.time2) << c.task;
        EXPECT_EQ(field("Remindflag", c.task), c.flag) << c.task;
        EXPECT_EQ(field("Date", c.task), "2026-12-08") << c.task;
        EXPECT_EQ(field("Date2", c.task), "2026-12-09") << c.task;
        EXPECT_EQ(field("TypeKey", c.task), "         1") << c.task;
    }
    EXPECT_TRUE(organizer->tasks().context.listState.pendingInsertTime.empty());
}

}  // namespace
}  // namespace torvalet
