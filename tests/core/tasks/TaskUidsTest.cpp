#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "core/tasks/TaskStoreFixture.h"
#include "tasks/Database.h"
#include "tasks/TaskStore.h"
#include "tasks/TaskUids.h"

namespace torvalet {
namespace {

using TaskUidsTest = testing::TaskStoreFixture;

const std::regex kUuid("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");

TEST_F(TaskUidsTest, EveryWayARowArrivesGivesItANewUid) {
    Database& db = *store.database();
    db.execute("insert into tasks (Task) values ('first')");
    const long long first = db.lastInsertRowid();
    const std::string uid = taskUid(db, first).value_or("");
    EXPECT_TRUE(std::regex_match(uid, kUuid)) << uid;

    // Rows copied from rows, as a paste or a loaded file brings them, get UIDs of their own.
    db.execute("insert into tasks select * from tasks");
    db.execute("insert into tasks select * from tasks");
    EXPECT_EQ(column("select count(*) from task_uid"), std::vector<std::string>{"4"});
    EXPECT_EQ(column("select count(distinct uid) from task_uid"), std::vector<std::string>{"4"});
    EXPECT_EQ(column("select count(*) from tasks where rowid not in (select rowid from task_uid)"),
              std::vector<std::string>{"0"});
    EXPECT_EQ(taskUid(db, first), uid);  // an update or a copy leaves the original's UID alone
    for (const std::string& each : column("select uid from task_uid"))
        EXPECT_TRUE(std::regex_match(each, kUuid)) << each;
}

TEST_F(TaskUidsTest, DeletedRowTakesItsUidAndAReusedRowidGetsANewOne) {
    Database& db = *store.database();
    db.execute("insert into tasks (Task) values ('one'), ('two')");
    const long long last = db.lastInsertRowid();
    const std::string before = taskUid(db, last).value_or("");
    db.execute("update task_uid set extra = x'0102' where rowid = " + std::to_string(last));
    db.execute("delete from tasks where rowid = " + std::to_string(last));
    EXPECT_EQ(taskUid(db, last), std::nullopt);

    // Without an integer primary key the store hands the last rowid out again.
    db.execute("insert into tasks (Task) values ('three')");
    ASSERT_EQ(db.lastInsertRowid(), last);
    const std::string after = taskUid(db, last).value_or("");
    EXPECT_FALSE(after.empty());
    EXPECT_NE(after, before);
    EXPECT_EQ(column("select extra is null from task_uid where rowid = " + std::to_string(last)),
              std::vector<std::string>{"1"});
}

TEST_F(TaskUidsTest, TaskListInsertAndDeleteKeepTheTable) {
    store.listRows.insert();
    store.listRows.setText(TaskColumn::Task, "from the list");
    store.listRows.post();
    EXPECT_EQ(column("select count(*) from task_uid"), std::vector<std::string>{"1"});
    store.listRows.remove();
    EXPECT_EQ(column("select count(*) from task_uid"), std::vector<std::string>{"0"});
}

// A store made before the table: its rows get their UIDs when it is next opened for writing,
// and a store opened for reading is read as it is.
TEST(TaskUids, OlderStoreGetsUidsForItsRowsAtOpeningForWriting) {
    testing::TempDir dir;
    TaskStore::create(dir.path());
    {
        Database db(TaskStore::storeFile(dir.path()), false);
        db.execute("drop table if exists task_uid");
        db.execute("drop trigger if exists task_uid_insert");
        db.execute("drop trigger if exists task_uid_delete");
        db.execute("insert into tasks (Task) values ('a'), ('b'), ('c')");
    }

    TaskStore reading;
    reading.connect(dir.path(), true);
    EXPECT_FALSE(hasTaskUids(*reading.database()));
    EXPECT_EQ(taskUid(*reading.database(), 1), std::nullopt);
    EXPECT_FALSE(addTaskUids(*reading.database()));
    reading.listRows.setSql("select * from tasks");
    reading.listRows.open();
    EXPECT_EQ(reading.listRows.rowCount(), 3);
    reading.disconnect();

    TaskStore writing;
    writing.connect(dir.path());
    Database& db = *writing.database();
    ASSERT_TRUE(hasTaskUids(db));
    std::set<std::string> uids;
    for (long long rowid : {1, 2, 3}) uids.insert(taskUid(db, rowid).value_or(""));
    EXPECT_EQ(uids.size(), 3u);
    EXPECT_FALSE(uids.contains(""));
}

}  // namespace
}  // namespace torvalet
