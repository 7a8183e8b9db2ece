#include <gtest/gtest.h>

#include "base/Errors.h"
#include "base/Text.h"
#include "core/tasks/TaskStoreFixture.h"
#include "tasks/LookupKey.h"

namespace torvalet {
namespace {

using testing::TaskStoreFixture;

TEST(LookupKey, IsRightAlignedTextComparedAsText) {
    EXPECT_EQ(makeLookupKey(1), "         1");
    EXPECT_EQ(makeLookupKey(27), "        27");
    EXPECT_NE(makeLookupKey(1), "1");
    EXPECT_NE(makeLookupKey(1), "1         ");
    EXPECT_TRUE(isEmptyKey("          "));
    EXPECT_FALSE(isEmptyKey(makeLookupKey(5)));
}

using TaskStoreTest = TaskStoreFixture;

TEST_F(TaskStoreTest, NewStoreHoldsTheLookupRowsTheProgramRecognises) {
    EXPECT_EQ(column("select NAME from priority order by KEY"),
              (std::vector<std::string>{"!!!", "?", "#1", "#2", "#3"}));
    EXPECT_EQ(column("select NAME from en_state order by KEY"),
              (std::vector<std::string>{"Done", "Mute", "Undone", "AtWork", "Delayed", "Prepare", "Delegated"}));
    EXPECT_EQ(column("select NAME from ru_state order by KEY"),
              (std::vector<std::string>{"Сделано", "Заминка", "Несделано", "В работе", "Отложено", "Подготовка",
                                        "Делегировано"}));
    EXPECT_EQ(column("select count(*) from en_event"), column("select count(*) from ru_event"));
}

TEST_F(TaskStoreTest, LookupFieldsFollowTheLanguage) {
    auto& tasks = store.listRows;
    tasks.append();
    tasks.setText(TaskColumn::StateKey, keys::AtWork);
    tasks.setText(TaskColumn::PriorityKey, keys::High);
    tasks.setText(TaskColumn::TypeKey, makeLookupKey(2));
    tasks.post();
    EXPECT_EQ(tasks.text("stateName"), "AtWork");
    EXPECT_EQ(tasks.text("priorityName"), "#1");
    EXPECT_EQ(tasks.text("typeName"), "Call");
    EXPECT_EQ(tasks.text("typeMark").size(), 3u);
    for (const auto& [language, name] :
         std::vector<std::pair<int, std::string>>{{1, "В работе"}, {2, "AtWork"}, {3, "AtWork"}}) {
        store.loadLookupTables(language);
        EXPECT_EQ(tasks.text("stateName"), name) << "language " << language;
    }
}

TEST_F(TaskStoreTest, InsertStoresTheRowAtOnceWithCalendarDaysAndCurrentMinute) {
    state.calendar.select(Date::fromYmd(2026, 12, 20), Date::fromYmd(2026, 12, 22));
    store.listRows.insert();
    EXPECT_EQ(store.listRows.state(), QueryState::Edit);
    EXPECT_EQ(
        column("select Date || ' ' || Date2 || ' ' || Time || ' ' || Time2 || ' [' || Remindflag || ']' from tasks"),
        std::vector<std::string>{"2026-12-20 2026-12-22 09:05 09:05 []"});
    // The post reset the calendar to today and tomorrow.
    EXPECT_EQ(state.calendar.first(), Date::fromYmd(2026, 12, 8));
    EXPECT_EQ(state.calendar.last(), Date::fromYmd(2026, 12, 9));

    store.listRows.setText(TaskColumn::StartTime, "10:00");
    store.listRows.post();
    EXPECT_EQ(column("select Remindflag from tasks"), std::vector<std::string>{"+"});
}

TEST_F(TaskStoreTest, PendingInsertTimeIsUsedOnceThenCleared) {
    state.pendingInsertTime = "14:30";
    store.listRows.insert();
    EXPECT_EQ(store.listRows.text(TaskColumn::FinalTime), "14:30");
    EXPECT_TRUE(state.pendingInsertTime.empty());
    store.listRows.post();
    store.listRows.insert();
    EXPECT_EQ(store.listRows.text(TaskColumn::StartTime), "09:05");
}

TEST_F(TaskStoreTest, BeforePostArmsByPriorityAndAutoRemind) {
    struct Case {
        const char* flag;
        LookupKey priority;
        const char* time;
        bool autoRemind;
        const char* expected;
    };
    const Case cases[] = {
        {"!", keys::Average, "10:00", true, "!"},  // fired stays fired
        {"!", keys::Highest, "10:00", true, "+"},  // high priorities re-arm
        {"!", keys::High, "10:00", false, "+"},
        {"!", keys::High, "09:05", true, "!"},  // due this minute: never armed
        {"", "", "10:00", false, ""},           // auto remind off leaves the flag
        {"", "", "10:00", true, "+"},
        {"", keys::Low, "09:05", true, ""},
    };
    for (const Case& c : cases) {
        autoRemind = c.autoRemind;
        store.listRows.append();
        store.listRows.setText(TaskColumn::StartTime, c.time);
        store.listRows.setText(TaskColumn::RemindFlag, c.flag);
        store.listRows.setText(TaskColumn::PriorityKey, c.priority);
        store.listRows.post();
        EXPECT_EQ(store.listRows.text(TaskColumn::RemindFlag), c.expected)
            << "flag '" << c.flag << "' priority '" << c.priority << "' at " << c.time;
    }
}

TEST_F(TaskStoreTest, TextsAreCutToTheirWidthInCharacters) {
    store.listRows.append();
    store.listRows.setText(TaskColumn::Project, std::string(25, 'p'));
    std::string cyrillic;
    for (int i = 0; i < 70; ++i) cyrillic += "ж";
    store.listRows.setText(TaskColumn::Comment, cyrillic);
    store.listRows.post();
    EXPECT_EQ(store.listRows.text(TaskColumn::Project), std::string(20, 'p'));
    EXPECT_EQ(utf8Length(column("select Comment from tasks")[0]), 60u);
}

TEST_F(TaskStoreTest, BlankKeysCompareEqualToTheEmptyText) {
    store.database()->execute("insert into tasks (Task, StateKey) values ('blank', '          ')");
    store.database()->execute("insert into tasks (Task, StateKey) values ('done', '         1')");
    EXPECT_EQ(column("select Task from tasks where StateKey <> ''"), std::vector<std::string>{"done"});
    EXPECT_EQ(column("select Task from tasks where StateKey = ''"), std::vector<std::string>{"blank"});
}

TEST_F(TaskStoreTest, CancelDeleteAndRefreshKeepRowsAndPosition) {
    auto& tasks = store.listRows;
    for (const char* text : {"a", "b", "c"}) {
        tasks.append();
        tasks.setText(TaskColumn::Task, text);
        tasks.post();
    }
    tasks.moveTo(1);
    const auto b = tasks.bookmark();
    tasks.edit();
    tasks.setText(TaskColumn::Task, "changed");
    tasks.cancel();
    EXPECT_EQ(tasks.text(TaskColumn::Task), "b");

    tasks.refresh();
    EXPECT_EQ(tasks.bookmark(), b);
    tasks.first();
    tasks.remove();
    EXPECT_EQ(column("select Task from tasks order by Task"), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(tasks.text(TaskColumn::Task), "b");

    // The insert rule stores a new row at once: cancelling its edit keeps it.
    tasks.append();
    tasks.cancel();
    EXPECT_EQ(tasks.rowCount(), 3);
    EXPECT_EQ(column("select count(*) from tasks"), std::vector<std::string>{"3"});
}

// The selection names rows by rowid: a deleted row leaves it, since a new row may be given the same
// rowid, and a closed list leaves none, since it may list other rows when it opens again.
TEST_F(TaskStoreTest, TheSelectionKeepsToTheListedRows) {
    auto& tasks = store.listRows;
    std::vector<Bookmark> rows;
    for (const char* text : {"a", "b", "c"}) {
        tasks.append();
        tasks.setText(TaskColumn::Task, text);
        tasks.post();
        rows.push_back(tasks.bookmark());
    }
    state.selection = {rows[0], rows[2]};
    ASSERT_TRUE(tasks.gotoBookmark(rows[2]));
    tasks.remove();
    tasks.append();
    tasks.post();
    EXPECT_EQ(tasks.bookmark(), rows[2]) << "the new row has the deleted row's rowid";
    EXPECT_EQ(state.selection, Bookmarks{rows[0]});
    tasks.close();
    EXPECT_TRUE(state.selection.empty());
}

TEST_F(TaskStoreTest, FailedPostKeepsTheRowInEditing) {
    store.listRows.append();
    store.database()->execute("drop table tasks");
    store.listRows.setText(TaskColumn::Task, "kept");
    EXPECT_THROW(store.listRows.post(), StoreError);
    EXPECT_EQ(store.listRows.state(), QueryState::Edit);
    EXPECT_EQ(store.listRows.text(TaskColumn::Task), "kept");
}

TEST_F(TaskStoreTest, CommandStatementsBindDatesByName) {
    store.listRows.append();
    store.listRows.post();
    store.scratch.setSql("update tasks set Task = 'moved' where Date = :d0");
    store.scratch.setDateParam(":d0", Date::fromYmd(2026, 12, 8));
    EXPECT_EQ(store.scratch.execute(), 1);
    store.listRows.refresh();
    EXPECT_EQ(store.listRows.text(TaskColumn::Task), "moved");
}

TEST(TaskStoreClosed, OpenStoreQueryReportsWithoutConnection) {
    TaskStore store;
    std::vector<std::string> reports;
    store.openStoreQuery(store.listRows, [&](const std::string& text) { reports.push_back(text); });
    EXPECT_EQ(reports, std::vector<std::string>{"Can not open Database on 20 time "});
    EXPECT_FALSE(store.listRows.isOpen());
}

TEST(TaskStoreClosed, AStoreOfTheOlderLayoutGetsTheListIndexAtConnect) {
    testing::TempDir dir;
    TaskStore::create(dir.path());
    {
        Database db(TaskStore::storeFile(dir.path()), false);
        db.execute("drop index tasks_list; create index tasks_start on tasks (Date, Time)");
    }
    TaskStore store;
    store.connect(dir.path());
    SqlStatement indexes = store.database()->prepare(
        "select group_concat(name, ' ') from (select name from sqlite_master where "
        "type = 'index' and tbl_name = 'tasks' order by name)");
    ASSERT_TRUE(indexes.step());
    EXPECT_EQ(sqlValueText(indexes.column(0)), "tasks_final tasks_list");
}

TEST(TaskStoreClosed, ConnectFailsClearlyOnAMissingOrForeignStore) {
    testing::TempDir dir;
    TaskStore store;
    EXPECT_THROW(store.connect(dir.path()), StoreError);
    testing::writeText(TaskStore::storeFile(dir.path()), "this is no database at all, just some text.....");
    EXPECT_THROW(store.connect(dir.path()), StoreError);
    EXPECT_FALSE(store.isConnected());
}

}  // namespace
}  // namespace torvalet
