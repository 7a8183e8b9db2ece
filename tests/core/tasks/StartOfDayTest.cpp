#include "core/tasks/TaskFixture.h"
#include "tasks/DayMarks.h"

namespace torvalet::testing {
namespace {

namespace fs = std::filesystem;

// Rows put into the store before the organiser starts on Tuesday 2026-12-08, as earlier days left them.
class StartOfDayTest : public ::testing::Test {
protected:
    StartOfDayTest() { Organizer::provision(AppPaths{dir.path()}); }

    void before(const std::vector<Row>& rows) {
        Database db(TaskStore::storeFile(dir / "Data"), false);
        SqlStatement insert = db.prepare(
            "insert into tasks (Task, Date, Time, StateKey, TypeKey, Date2, Time2) values (?, ?, ?, ?, ?, ?, ?)");
        for (const Row& row : rows) {
            int c = 1;
            for (const std::string* v : {&row.task, &row.date, &row.time, &row.state, &row.type, &row.date, &row.time})
                insert.bind(c++, *v);
            insert.step();
            insert.reset();
        }
    }
    void run(const std::string& settings) {
        writeText(dir / "torvalet.ini", settings);
        Organizer organizer(fakes.services, dir.path());
        organizer.start();
        organizer.firstShow();
        organizer.close();
    }
    std::vector<std::string> column(const std::string& sql) {
        Database db(TaskStore::storeFile(dir / "Data"), false);
        std::vector<std::string> values;
        SqlStatement statement = db.prepare(sql);
        while (statement.step()) values.push_back(sqlValueText(statement.column(0)));
        return values;
    }
    std::string where(const std::string& task) {
        const auto values = column("select Date || ' ' || StateKey from tasks where Task = '" + task + "'");
        return values.size() == 1 ? values[0] : "<" + std::to_string(values.size()) + " rows>";
    }

    TempDir dir;
    FakeServices fakes;
};

TEST_F(StartOfDayTest, DelayThenShiftCarryOpenTasksOfTheThreeDaysBefore) {
    before({{"at work 3 days ago", "2026-12-05", "09:00", k(4)},
            {"at work 4 days ago", "2026-12-04", "09:00", k(4)},
            {"done yesterday", "2026-12-07", "09:00", k(1)},
            {"stateless yesterday", "2026-12-07", "10:00"},
            {"blank state yesterday", "2026-12-07", "10:30", "          "},
            {"reminder yesterday", "2026-12-07", "11:00", "", k(1)},
            {"mark yesterday", "2026-12-07", "00:00", "", k(5)},
            {"comment yesterday", "2026-12-07", "12:00", "", k(27)},
            {"stateless two days ago", "2026-12-06", "10:00"}});
    run("[General]\nfMuteExpiredTasks=1\nfShiftMutedTasks=1\nfAutoDeleteDoneTasks=0\n");
    const std::string delayed = "         5";
    EXPECT_EQ(where("at work 3 days ago"), "2026-12-08          4");
    EXPECT_EQ(where("at work 4 days ago"), "2026-12-04          4");
    EXPECT_EQ(where("done yesterday"), "2026-12-07          1");
    EXPECT_EQ(where("stateless yesterday"), "2026-12-08 " + delayed) << "delayed first, then carried";
    EXPECT_EQ(where("blank state yesterday"), "2026-12-08 " + delayed);
    EXPECT_EQ(where("reminder yesterday"), "2026-12-07 ");
    EXPECT_EQ(where("mark yesterday"), "2026-12-07 ");
    EXPECT_EQ(where("comment yesterday"), "2026-12-07 ");
    EXPECT_EQ(where("stateless two days ago"), "2026-12-06 ");
}

TEST_F(StartOfDayTest, DelayAloneLeavesTheRowsOnTheirDay) {
    before({{"stateless yesterday", "2026-12-07", "10:00"}});
    run("[General]\nfMuteExpiredTasks=1\n");
    EXPECT_EQ(where("stateless yesterday"), "2026-12-07          5");
}

TEST_F(StartOfDayTest, TheCleanUpRunsAtEveryStartTheMarksOncePerDay) {
    before({{"done yesterday", "2026-12-07", "09:00", k(1)},
            {"undone 3 days ago", "2026-12-05", "09:00", k(3)},
            {"mark 2 days ago", "2026-12-06", "09:00", "", k(6)},
            {"done 4 days ago", "2026-12-04", "09:00", k(1)},
            {"done today", "2026-12-08", "08:00", k(1)}});
    const std::string settings = "[General]\nfInsertTimeMarks=1\n[Interface]\nfTimeMark0900=1\n";
    run(settings);
    EXPECT_EQ(column("select Task from tasks where TypeKey <> '         5' and TypeKey <> '         6' order by Date"),
              (std::vector<std::string>{"done 4 days ago", "done today"}));
    EXPECT_EQ(column("select Task || ' ' || Time || ' ' || Date2 from tasks where TypeKey = '         5'"),
              std::vector<std::string>{"Tu 08.12.2026 00:00 2026-12-09"});
    const auto marks = column(
        "select Task || ' ' || Time || ' ' || Time2 || ' ' || Remindflag || ' ' || Date2 "
        "from tasks where TypeKey = '         6' order by Time");
    ASSERT_EQ(marks.size(), 11u) << "08:00 to 18:00 by default";
    EXPECT_EQ(marks.front(), "-- 08:00 -- 08:00 08:00 ! 2026-12-08");
    EXPECT_EQ(marks.back(), "-- 18:00 -- 18:00 18:00 ! 2026-12-08");

    before({{"done again yesterday", "2026-12-07", "09:00", k(1)}});
    // A second start the same day: the clean-up again, no second set of marks (more hours or not).
    run("[General]\nfInsertTimeMarks=1\nlastLaunchDate=08.12.26\n[Interface]\nfTimeMark2200=1\n");
    EXPECT_EQ(where("done again yesterday"), "<0 rows>");
    EXPECT_EQ(column("select count(*) from tasks where TypeKey = '         6'"), std::vector<std::string>{"11"});
    EXPECT_EQ(column("select count(*) from tasks where TypeKey = '         5'"), std::vector<std::string>{"1"});

    // A day mark whose time was edited no longer counts: the next start of a day adds one.
    fakes.clock.set(2026, 12, 9, 7, 0);
    run("[General]\nlastLaunchDate=08.12.26\n");
    EXPECT_EQ(column("select count(*) from tasks where TypeKey = '         5'"), std::vector<std::string>{"2"});
}

TEST_F(StartOfDayTest, WithEveryHourSwitchedOffNoTimeMarkIsAdded) {
    std::string settings = "[General]\nfInsertTimeMarks=1\n[Interface]\n";
    for (int hour = 0; hour < 24; ++hour)
        settings += "fTimeMark" + std::string(hour < 10 ? "0" : "") + std::to_string(hour) + "00=0\n";
    run(settings);
    EXPECT_EQ(column("select count(*) from tasks where TypeKey = '         6'"), std::vector<std::string>{"0"});
}

TEST_F(StartOfDayTest, DayMarksByLanguage) {
    const Date tuesday = Date::fromYmd(2026, 12, 8);
    EXPECT_EQ(DayMarks::weekdayAbbreviation(tuesday, 0), "Tu");
    EXPECT_EQ(DayMarks::weekdayAbbreviation(tuesday, 1), "Вт");
    EXPECT_EQ(DayMarks::weekdayAbbreviation(tuesday, 2), "Вт");
    EXPECT_EQ(DayMarks::weekdayAbbreviation(tuesday, 3), "");
    EXPECT_EQ(DayMarks::weekdayAbbreviation(Date::fromYmd(2026, 12, 13), 0), "Su");
    EXPECT_EQ(DayMarks::weekdayAbbreviation(Date::fromYmd(2026, 12, 12), 1), "Сб");
    run("[General]\niLanguage=3\n");
    EXPECT_EQ(column("select Task from tasks where TypeKey = '         5'"), std::vector<std::string>{" 08.12.2026"});
}

TEST_F(StartOfDayTest, MidnightGivesTheNewDayItsMarkAndCarriesItsTasks) {
    before({{"at work today", "2026-12-08", "09:00", k(4)}});
    writeText(dir / "torvalet.ini", "[General]\nfShiftMutedTasks=1\nfAnalyzeCalendar=0\nfAnalyzeContacts=0\n");
    fakes.clock.set(2026, 12, 8, 23, 59);
    Organizer organizer(fakes.services, dir.path());
    organizer.start();
    organizer.firstShow();
    fakes.clock.set(2026, 12, 9, 0, 0, 1);
    organizer.reminders().clock.tick();
    organizer.close();
    EXPECT_EQ(column("select Task from tasks where TypeKey = '         5' order by Date"),
              (std::vector<std::string>{"Tu 08.12.2026", "We 09.12.2026"}));
    EXPECT_EQ(where("at work today"), "2026-12-09          4");
}

class ShiftMutedFromTest : public TaskFixture {};

TEST_F(ShiftMutedFromTest, OpenRowsOfTheCurrentRowsDayMoveToToday) {
    add({{"at work", "2026-05-02", "09:00", k(4)},
         {"mute", "2026-05-02", "10:00", k(2)},
         {"done", "2026-05-02", "11:00", k(1)},
         {"stateless", "2026-05-02", "12:00"},
         {"other day", "2026-05-03", "09:00", k(4)}});
    current("at work");
    tasks().maintenance.shiftCurrentDayToToday();
    EXPECT_EQ(column("select Task from tasks where Date = '2026-12-08' order by Time"),
              (std::vector<std::string>{"at work", "mute"}));
    EXPECT_EQ(field("Date2", "at work"), "2026-05-02") << "the final day stays";
    EXPECT_EQ(list().currentIndex(), list().rowCount() - 1);
}

}  // namespace
}  // namespace torvalet::testing

namespace torvalet::testing {
namespace {

TEST_F(StartOfDayTest, AProgramThatMayNotWriteLeavesTheDaysTasksAlone) {
    before({{"done yesterday", "2026-12-07", "09:00", k(1)}, {"at work yesterday", "2026-12-07", "10:00", k(4)}});
    writeText(dir / "torvalet.ini",
              "[General]\nfShiftMutedTasks=1\nfInsertTimeMarks=1\nfAnalyzeCalendar=0\n"
              "fAnalyzeContacts=0\n");
    Organizer organizer(fakes.services, dir.path());
    organizer.setReadOnly(true);
    organizer.start();
    organizer.firstShow();
    organizer.close();
    EXPECT_EQ(column("select count(*) from tasks"), std::vector<std::string>{"2"});
    EXPECT_EQ(where("at work yesterday"), "2026-12-07          4");
    for (const std::string& message : fakes.ui.messages)
        EXPECT_EQ(message.find("readonly"), std::string::npos) << message;
}

}  // namespace
}  // namespace torvalet::testing
