#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <random>

#include "core/reminders/RunningOrganizer.h"
#include "fakes/RecordingObserver.h"
#include "tasks/DayBook.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;
using testing::TaskRow;

// A reminder of today at `time`, its start and final minute the same.
TaskRow at(const std::string& task, const std::string& date, const std::string& time, const std::string& doflag = {}) {
    return {task, date, time, date, time, "+", "", "", doflag};
}

class CatchUpTest : public testing::RunningOrganizer {
protected:
    int padLinesWith(const std::string& text) { return static_cast<int>(linesWith(text).size()); }
};

TEST_F(CatchUpTest, AReminderBetweenTwoTicksRingsOnceAtTheNextSayingHowLate) {
    startAt(2026, 12, 8, 9, 59, 50);
    addRow(at("call back", "2026-12-08", "10:02"));
    tickAt(2026, 12, 8, 10, 0);
    tickAt(2026, 12, 8, 10, 5);
    tickAt(2026, 12, 8, 10, 5, 2);
    tickAt(2026, 12, 8, 10, 7);
    EXPECT_EQ(linesWith("call back"), std::vector<std::string>{"[10:02 08.12.2026] Start todo (late 3 min) call back"});
    EXPECT_EQ(cuesPlayed("ringing.wav"), 1);
    EXPECT_EQ(field("Remindflag", "call back"), "!");
}

// Asleep from 23:00 to 07:00: the new day starts once, the reminder within the hour rings late,
// the two older ones are listed under one notice and count as rung.
TEST_F(CatchUpTest, AfterSleepingThroughMidnightTheDayStartsOnceAndOldRemindersAreSummedUp) {
    startAt(2026, 12, 8, 22, 59, 50);
    addRow(at("evening", "2026-12-08", "23:30"));
    addRow(at("night", "2026-12-09", "01:00"));
    addRow(at("morning", "2026-12-09", "06:55"));
    tickAt(2026, 12, 8, 23, 0);
    tickAt(2026, 12, 9, 7, 0);
    tickAt(2026, 12, 9, 7, 0, 2);
    tickAt(2026, 12, 9, 7, 1);
    EXPECT_EQ(column("select count(*) from tasks where Date = '2026-12-09' and TypeKey = '         5'"),
              std::vector<std::string>{"1"});
    const std::vector<std::string> top(padLines().begin(), padLines().begin() + 4);
    EXPECT_EQ(top, (std::vector<std::string>{"[07:00 09.12.2026] 2 reminders were missed while the computer was off",
                                             "  [01:00 09.12.2026] Start todo night",
                                             "  [23:30 08.12.2026] Start todo evening",
                                             "[06:55 09.12.2026] Start todo (late 5 min) morning"}));
    EXPECT_EQ(column("select Remindflag from tasks where Task in ('evening', 'night', 'morning')"),
              (std::vector<std::string>{"!", "!", "!"}));
    EXPECT_EQ(cuesPlayed("ringing.wav"), 1);
    ASSERT_EQ(fakes.notices.balloons.size(), 2u);
    EXPECT_EQ(fakes.notices.balloons[1].text, "2 reminders were missed while the computer was off");
}

TEST_F(CatchUpTest, AStartCatchesUpFromTheLastTickOfThePreviousRun) {
    startAt(2026, 12, 8, 8, 59, 50);
    addRow(at("stand-up", "2026-12-08", "09:10"));
    addRow(at("at the start minute", "2026-12-08", "09:30"));
    tickAt(2026, 12, 8, 9, 0);
    restartAt(2026, 12, 8, 9, 30, 10);
    tickAt(2026, 12, 8, 9, 30, 12);
    EXPECT_EQ(linesWith("stand-up"), std::vector<std::string>{"[09:10 08.12.2026] Start todo (late 20 min) stand-up"});
    EXPECT_EQ(linesWith("at the start minute"),
              std::vector<std::string>{"[09:30 08.12.2026] Start todo at the start minute"});
}

// A tick that comes while a message box of the last one is open is left out; the reminders of
// those minutes ring once the box is closed.
TEST_F(CatchUpTest, AMessageBoxOpenForThreeMinutesDelaysTheRemindersOnly) {
    startAt(2026, 12, 8, 9, 59, 50);
    addRow(at("due at ten", "2026-12-08", "10:00"));
    addRow(at("due while the box is open", "2026-12-08", "10:01"));
    fakes.sound.failure = SoundError{263, "The specified device is not open."};
    fakes.ui.onMessage = [&](const std::string&) {
        fakes.sound.failure.reset();
        for (int minute : {0, 1, 2, 3}) tickAt(2026, 12, 8, 10, minute, 30);
    };
    tickAt(2026, 12, 8, 10, 0);
    fakes.ui.onMessage = nullptr;
    EXPECT_EQ(padLinesWith("due while the box is open"), 0);
    tickAt(2026, 12, 8, 10, 3, 32);
    EXPECT_EQ(linesWith("due while the box is open"),
              std::vector<std::string>{"[10:01 08.12.2026] Start todo (late 2 min) due while the box is open"});
}

TEST_F(CatchUpTest, ATaskMarkedForExecutionRunsLateOnlyWhenAllowed) {
    for (const bool allowed : {false, true}) {
        SCOPED_TRACE(allowed);
        fakes.shell.requests.clear();
        startAt(2026, 12, 8, 9, 59, 50);
        organizer->settings().executeLate = allowed;
        addRow({"site", "2026-12-08", "10:02", "2026-12-08", "10:02", "+", "", "        10", "x"});
        tickAt(2026, 12, 8, 10, 0);
        tickAt(2026, 12, 8, 10, 5);
        EXPECT_EQ(fakes.shell.requests.size(), allowed ? 1u : 0u);
        EXPECT_EQ(field("Doflag", "site"), allowed ? "!" : "x");
        EXPECT_EQ(field("Remindflag", "site"), "!");
        clearTasks();
        organizer->close();
        organizer.reset();
    }
}

TEST_F(CatchUpTest, ManyLateRemindersRingWithOneSoundAndTenBalloons) {
    startAt(2026, 12, 8, 9, 59, 50);
    for (int i = 0; i < 15; ++i) {
        char time[16];
        std::snprintf(time, sizeof time, "10:%02d", i + 1);
        addRow(at("late " + std::to_string(i), "2026-12-08", time));
    }
    tickAt(2026, 12, 8, 10, 0);
    const std::size_t hourBalloons = fakes.notices.balloons.size();
    tickAt(2026, 12, 8, 10, 30);
    EXPECT_EQ(padLinesWith("Start todo (late"), 15);
    EXPECT_EQ(cuesPlayed("ringing.wav"), 1);
    ASSERT_EQ(fakes.notices.balloons.size() - hourBalloons, 10u);
    EXPECT_EQ(fakes.notices.balloons.back().text, "6 more reminders rang late (see the message pad)");
}

// Before a sleep the clock ticks, so the store keeps that minute; at the resume it ticks at once
// and catches up from it.
TEST_F(CatchUpTest, SleepKeepsTheLastTickAndTheResumeTicksAtOnce) {
    startAt(2026, 12, 8, 9, 59, 50);
    testing::FakeSleepWatch watch;
    clock().followSleep(watch);
    addRow(at("while asleep", "2026-12-08", "10:30"));
    tickAt(2026, 12, 8, 10, 0);
    fakes.clock.set(2026, 12, 8, 10, 7, 40);
    watch.sleep();
    EXPECT_EQ(DayBook(*organizer->store().database()).lastTick(), (DateTime{Date::fromYmd(2026, 12, 8), 10, 7, 0}));
    fakes.clock.set(2026, 12, 8, 10, 50, 5);
    watch.wake();
    EXPECT_EQ(linesWith("while asleep"),
              std::vector<std::string>{"[10:30 08.12.2026] Start todo (late 20 min) while asleep"});
    organizer->close();
    organizer.reset();
    // The clock that followed it is gone: the watch tells no one.
    watch.wake();
}

// Random schedules and clock jumps against a reference: a reminder rings once, at the first tick
// of its minute or later, late when that tick is later and not more than the limit late; older
// ones are listed once; none of them twice and none lost. A snoozed one rings again by the same
// rule at its snooze's minute.
TEST_F(CatchUpTest, RandomSchedulesAndJumpsAgainstAReference) {
    std::mt19937 random(20261208);
    // The pad of a day is emptied at the first start of the next: the lines are counted as shown.
    testing::RecordingObserver shown;
    const auto linesShown = [&](const std::string& name) {
        std::vector<std::string> lines;
        for (const Notice& notice : shown.notices)
            if (notice.toMessagePad && notice.line().find(name) != std::string::npos) lines.push_back(notice.line());
        return lines;
    };
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        if (organizer) organizer->close();
        organizer.reset();
        fs::remove_all(dir / "Data");
        Organizer::provision(AppPaths{dir.path()});
        shown.notices.clear();
        startAt(2026, 12, 8, 8, 0);
        organizer->setObserver(&shown);
        const int cap = std::uniform_int_distribution(0, 120)(random);
        organizer->settings().maxLateMinutes = cap;
        const int dayMinutes = 24 * 60;
        const auto minuteText = [](int minute) {
            char text[16];
            std::snprintf(text, sizeof text, "%02d:%02d", minute % (24 * 60) / 60, minute % 60);
            return std::string(text);
        };
        const auto dateOf = [](int minute) { return Date::fromYmd(2026, 12, 8).addDays(minute / (24 * 60)); };
        std::vector<int> schedule;
        for (int i = 0; i < 40; ++i)
            schedule.push_back(8 * 60 + 1 + std::uniform_int_distribution(0, 2 * dayMinutes - 8 * 60 - 2)(random));
        for (std::size_t i = 0; i < schedule.size(); ++i)
            addRow(at("<r" + std::to_string(i) + ">", dateOf(schedule[i]).toIso(), minuteText(schedule[i])));
        std::vector<int> ticks;
        for (int minute = 8 * 60;;) {
            const int jump = std::uniform_int_distribution(0, 3)(random) == 0
                                 ? std::uniform_int_distribution(2, 600)(random)
                                 : std::uniform_int_distribution(0, 1)(random);
            minute += jump;
            if (minute >= 2 * dayMinutes) break;
            ticks.push_back(minute);
        }
        // A restart now and then: the clock goes on from what the store kept. A reminder that
        // rang is now and then snoozed, once, at the tick it rang.
        std::map<std::size_t, int> snoozedUntil;
        const auto firstTickAt = [&](int minute) { return std::lower_bound(ticks.begin(), ticks.end(), minute); };
        for (std::size_t t = 0; t < ticks.size(); ++t) {
            const Date day = dateOf(ticks[t]);
            const int h = ticks[t] % dayMinutes / 60, mi = ticks[t] % 60;
            if (t % 17 == 16) {
                organizer->close();
                fakes.clock.set(day.year(), day.month(), day.day(), h, mi, 10);
                organizer = std::make_unique<Organizer>(fakes.services, dir.path());
                organizer->setObserver(&shown);
                organizer->start();
                organizer->firstShow();
                organizer->settings().maxLateMinutes = cap;
            }
            tickAt(day.year(), day.month(), day.day(), h, mi, 20);
            for (std::size_t i = 0; i < schedule.size(); ++i) {
                const bool rangNow = firstTickAt(schedule[i]) == ticks.begin() + static_cast<std::ptrdiff_t>(t) &&
                                     ticks[t] - schedule[i] <= cap;
                if (!rangNow || std::uniform_int_distribution(0, 2)(random) != 0) continue;
                const int minutes = std::array{5, 15, 60}[std::uniform_int_distribution(0, 2)(random)];
                clock().snooze(std::stoll(field("rowid", "<r" + std::to_string(i) + ">")), minutes);
                snoozedUntil[i] = ticks[t] + minutes;
            }
        }
        EXPECT_TRUE(fakes.ui.messages.empty()) << fakes.ui.messages.front();
        // How a reminder due at `minute` came: at the first tick of its minute or later.
        const auto expectedAt = [&](int minute) -> std::string {
            const auto firstTick = firstTickAt(minute);
            if (firstTick == ticks.end()) return "not yet";
            const int late = *firstTick - minute;
            return late == 0 ? "on time" : late <= cap ? "late " + std::to_string(late) + " min" : "listed";
        };
        const auto seenIn = [](const std::vector<std::string>& lines) -> std::string {
            if (lines.size() > 1) return std::to_string(lines.size()) + " lines";
            if (lines.empty()) return "not yet";
            const std::string& line = lines[0];
            if (line.starts_with("  ")) return "listed";
            const std::size_t late = line.find("(late ");
            if (late != std::string::npos) return line.substr(late + 1, line.find(" min)") - late + 3);
            return "on time";
        };
        for (std::size_t i = 0; i < schedule.size(); ++i) {
            const std::string name = "<r" + std::to_string(i) + ">";
            std::vector<std::string> rang, rangAgain;
            for (const std::string& line : linesShown(name))
                (line.find("(snoozed)") == std::string::npos ? rang : rangAgain).push_back(line);
            const std::string expected = expectedAt(schedule[i]);
            EXPECT_EQ(seenIn(rang), expected) << name << " at " << schedule[i] << ", cap " << cap;
            EXPECT_EQ(field("Remindflag", name), expected == "not yet" ? "+" : "!") << name;
            const auto snoozed = snoozedUntil.find(i);
            EXPECT_EQ(seenIn(rangAgain), snoozed == snoozedUntil.end() ? "not yet" : expectedAt(snoozed->second))
                << name << " snoozed until " << (snoozed == snoozedUntil.end() ? -1 : snoozed->second) << ", cap "
                << cap;
        }
    }
}

}  // namespace
}  // namespace torvalet
