#include <gtest/gtest.h>
#include <algorithm>

#include "core/reminders/RunningOrganizer.h"
#include "reminders/CalendarAnalysis.h"
#include "trees/TreeFileIo.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;
using testing::contact;
using testing::event;

// A profile whose first start on Tuesday 2026-12-08 gives the day a mark, two time marks, the
// reminders of twenty calendar events and of one birthday, and delays yesterday's open task.
class DayStartTest : public testing::RunningOrganizer {
protected:
    DayStartTest() {
        testing::writeText(dir / "torvalet.ini",
                           "[General]\nfInsertTimeMarks=1\nfMuteExpiredTasks=1\n[Interface]\n"
                           "fTimeMark0800=0\nfTimeMark0900=0\nfTimeMark1000=0\nfTimeMark1100=0\nfTimeMark1200=0\n"
                           "fTimeMark1300=0\nfTimeMark1400=0\nfTimeMark1500=0\nfTimeMark1600=0\n");
        ItemTree events(TreeId::CalendarTree);
        for (int i = 0; i < 20; ++i)
            events.appendChild()->record<EventRecord>() = event(3, "09.01.26", "10:00", "event " + std::to_string(i));
        saveTreeFile(events, dir / "calendar.clnd", TextCodec());
        calendarFile = testing::readText(dir / "calendar.clnd");
        ItemTree contacts(TreeId::ContactsTree);
        contacts.appendChild()->record<ContactRecord>() = contact("Anna", "10.12.80");
        saveTreeFile(contacts, dir / "contacts.co", TextCodec());
        Database db(TaskStore::storeFile(dir / "Data"), false);
        db.execute(
            "insert into tasks (Task, Date, Time, StateKey, TypeKey) values ('open', '2026-12-07', '10:00', '', '')");
    }
    void restartAt(int hour, int minute) {
        if (organizer) organizer->close();
        organizer.reset();
        startAt(2026, 12, 8, hour, minute);
    }
    // The day's rows by type and text, and yesterday's task with its state.
    std::vector<std::string> dayRows() {
        auto rows = column("select TypeKey || ' ' || Task from tasks where Date = '2026-12-08' order by 1");
        rows.push_back("yesterday: " + field("StateKey", "open"));
        return rows;
    }
    std::vector<std::string> completeDay() {
        std::vector<std::string> rows;
        for (int i = 0; i < 20; ++i) rows.push_back("         1 [ 09.01.26 :: 10:00 ] event " + std::to_string(i));
        rows.push_back("         1 [ 10.12.80 - BirthDay ] Anna");
        rows.push_back("         5 Tu 08.12.2026");
        rows.push_back("         6 -- 17:00 --");
        rows.push_back("         6 -- 18:00 --");
        std::sort(rows.begin(), rows.end());
        rows.push_back("yesterday:          5");
        return rows;
    }

    std::string calendarFile;
};

TEST_F(DayStartTest, AFirstStartGivesTheDayItsRowsOnceAndLaterStartsNone) {
    restartAt(8, 0);
    EXPECT_EQ(dayRows(), completeDay());
    EXPECT_TRUE(fakes.ui.messages.empty());
    restartAt(9, 0);
    EXPECT_EQ(dayRows(), completeDay());
}

// The settings file does not decide whether the day has started: one that cannot be read, or
// that says the day has started when the store has not recorded it, changes nothing.
TEST_F(DayStartTest, TheStoreAloneTellsWhetherTheDayHasStarted) {
    fs::remove(dir / "torvalet.ini");
    fs::create_directory(dir / "torvalet.ini");
    for (int hour : {8, 9, 10}) restartAt(hour, 0);
    EXPECT_EQ(column("select count(*) from tasks where TypeKey = '         5'"), std::vector<std::string>{"1"});
    EXPECT_EQ(column("select count(*) from tasks where Task like '%Anna'"), std::vector<std::string>{"1"});

    fs::remove(dir / "torvalet.ini");
    testing::writeText(dir / "torvalet.ini", "[General]\nlastLaunchDate=09.12.26\n");
    fakes.clock.set(2026, 12, 9, 8, 0);
    organizer->close();
    organizer.reset();
    startAt(2026, 12, 9, 8, 0);
    EXPECT_EQ(column("select count(*) from tasks where TypeKey = '         5'"), std::vector<std::string>{"2"});
}

// A store made before the day was recorded in it: a day that has its day mark has started.
TEST_F(DayStartTest, AStoreThatNeverRecordedADayCountsItsDayMark) {
    {
        Database db(TaskStore::storeFile(dir / "Data"), false);
        db.execute(
            "insert into tasks (Task, Date, Time, TypeKey) values ('Tu 08.12.2026', '2026-12-08', '00:00', '         "
            "5')");
    }
    restartAt(8, 0);
    EXPECT_EQ(column("select count(*) from tasks where Date = '2026-12-08'"), std::vector<std::string>{"1"});
}

// The store fails part way (a full disk): nothing of the day stays, the failure is said once,
// and the next start gives the day all of its rows.
TEST_F(DayStartTest, AFailingStoreTakesTheWholeDayBack) {
    {
        Database db(TaskStore::storeFile(dir / "Data"), false);
        db.execute(
            "create trigger full before update on tasks when new.Task like '%Anna' "
            "begin select raise(fail, 'database or disk is full'); end");
    }
    restartAt(8, 0);
    EXPECT_EQ(dayRows(), std::vector<std::string>{"yesterday: "});
    ASSERT_EQ(fakes.ui.messages.size(), 1u);
    EXPECT_NE(fakes.ui.messages[0].find("database or disk is full"), std::string::npos);
    EXPECT_NE(fakes.ui.messages[0].find("added at the next start"), std::string::npos);
    EXPECT_EQ(organizer->store().listRows.rowCount(), 1) << "the list shows the rows as stored";

    organizer->store().database()->execute("drop trigger full");
    fakes.ui.messages.clear();
    restartAt(9, 0);
    EXPECT_EQ(dayRows(), completeDay());
    EXPECT_TRUE(fakes.ui.messages.empty());
}

// A calendar file damaged part way gives no reminders at all (never those of the events before
// the damage) and leaves its step to run once the file is mended: at the next start, or through
// the analysis of the mended file; the rest of the day is not done twice.
TEST_F(DayStartTest, ADamagedCalendarWaitsForItsFileAndIsThenAnalysedOnce) {
    for (const bool analyzeFirst : {false, true}) {
        SCOPED_TRACE(analyzeFirst ? "analyze calendar, then start" : "next start");
        if (organizer) organizer->close();
        organizer.reset();
        testing::writeText(dir / "calendar.clnd", calendarFile.substr(0, calendarFile.size() / 2));
        fakes.ui.messages.clear();
        {
            Database db(TaskStore::storeFile(dir / "Data"), false);
            db.execute("drop table if exists daybook");
            db.execute("delete from tasks where Task <> 'open'");
            db.execute("update tasks set StateKey = ''");
        }
        startAt(2026, 12, 8, 8, 0);
        std::vector<std::string> withoutCalendar = completeDay();
        std::erase_if(withoutCalendar, [](const std::string& row) { return row.find("event") != std::string::npos; });
        EXPECT_EQ(dayRows(), withoutCalendar);
        // Said once, by the reading of the file.
        EXPECT_EQ(std::count_if(fakes.ui.messages.begin(), fakes.ui.messages.end(),
                                [](const std::string& m) { return m.find("calendar.clnd") != std::string::npos; }),
                  1)
            << ::testing::PrintToString(fakes.ui.messages);

        organizer->close();
        organizer.reset();
        testing::writeText(dir / "calendar.clnd", calendarFile);
        if (analyzeFirst) {
            // As the companion's "analyze calendar" does it: the store alone, the file as it is read.
            Organizer companion(fakes.services, dir.path());
            companion.openStore();
            companion.reminders().calendar.analyzeCalendar([&](const auto& visit) {
                ItemTree scratch(TreeId::CalendarTree);
                walkTreeFile(scratch, dir / "calendar.clnd", TextCodec(),
                             [&](const ItemTree& item) { CalendarAnalysis::visitEvents(item, visit); });
            });
        }
        startAt(2026, 12, 8, 9, 0);
        EXPECT_EQ(dayRows(), completeDay());
        restartAt(10, 0);
        EXPECT_EQ(dayRows(), completeDay());
    }
}

// Without a store there is nothing to give the day: the store's failure is said once, and the
// day waits for a start that has its store.
TEST_F(DayStartTest, AStoreThatCannotBeOpenedLeavesTheDayForLater) {
    const fs::path store = TaskStore::storeFile(dir / "Data");
    fs::rename(store, dir / "kept.db");
    testing::writeText(store, "not a store");
    fakes.ui.messages.clear();
    restartAt(8, 0);
    EXPECT_EQ(fakes.ui.messages.size(), 1u) << ::testing::PrintToString(fakes.ui.messages);
    organizer->close();
    organizer.reset();
    fs::remove(store);
    fs::rename(dir / "kept.db", store);
    restartAt(9, 0);
    EXPECT_EQ(dayRows(), completeDay());
}

}  // namespace
}  // namespace torvalet
