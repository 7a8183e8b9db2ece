#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "fakes/TempDir.h"
#include "tasks/QueryRows.h"
#include "tasks/TaskStore.h"

namespace torvalet {
namespace {

// The rows of a statement over a small task table of "c", "a", "b" (rowids 1, 2, 3), with room
// for the values of two rows at hand.
class QueryRowsTest : public ::testing::Test {
protected:
    QueryRowsTest() {
        TaskStore::create(dir.path());
        db = std::make_unique<Database>(TaskStore::storeFile(dir.path()), false);
        for (const char* text : {"c", "a", "b"})
            db->execute(std::string("insert into tasks (Task) values ('") + text + "')");
        rows.setDatabase(db.get());
    }
    ~QueryRowsTest() override { rows.setDatabase(nullptr); }

    void read(const std::string& sql) {
        rows.setStatement(sql);
        rows.prepare();
        rows.read({});
    }
    std::string textOf(int row) { return sqlValueText(rows.values(row).at(0)); }

    testing::TempDir dir;
    std::unique_ptr<Database> db;
    const std::string name = "rowsQ";
    QueryRows rows{name, 2};
};

// The rowids are read in list order; values are fetched when asked, as stored then, and a row
// deleted since the read gives empty values, never another row's.
TEST_F(QueryRowsTest, ListsRowidsInOrderAndFetchesValuesAsStoredWhenAsked) {
    read("select Task, Project from tasks order by Task");
    ASSERT_TRUE(rows.keyed());
    ASSERT_EQ(rows.count(), 3);
    EXPECT_EQ(rows.rowid(0), 2);
    EXPECT_EQ(rows.rowid(2), 1);
    EXPECT_EQ(rows.positionsOf({1, 2, 99}), (std::vector<int>{0, 2}));
    EXPECT_EQ(rows.find(3), 1);

    db->execute("update tasks set Task = 'a2' where rowid = 2");
    EXPECT_EQ(textOf(0), "a2") << "values are fetched when first asked for";
    db->execute("update tasks set Task = 'a3' where rowid = 2");
    EXPECT_EQ(textOf(0), "a2") << "values at hand stay until the rows are read again";
    db->execute("delete from tasks where rowid = 1");
    EXPECT_EQ(textOf(1), "b");
    const QueryRows::Values& deleted = rows.values(2);
    ASSERT_EQ(deleted.size(), 2u);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(deleted[0])) << "a row deleted since the read is empty";

    rows.read({});
    EXPECT_EQ(rows.count(), 2);
    EXPECT_EQ(textOf(0), "a3");
}

TEST_F(QueryRowsTest, AStatementOverNoSingleTableIsReadWholeAndNumbered) {
    read("select Task, count(*) as N from tasks group by Task order by Task desc");
    EXPECT_FALSE(rows.keyed());
    EXPECT_EQ(rows.columns(), (std::vector<std::string>{"Task", "N"}));
    EXPECT_EQ(rows.column("n"), 1);
    ASSERT_EQ(rows.count(), 3);
    EXPECT_EQ(rows.rowid(0), 1);
    EXPECT_EQ(textOf(0), "c");
    db->execute("delete from tasks");
    EXPECT_EQ(textOf(2), "a") << "read whole, the rows do not change with the store";
}

TEST_F(QueryRowsTest, NewAndErasedRowsShiftTheRowsAfterThem) {
    read("select Task from tasks order by Task");
    rows.insertNew(1);
    EXPECT_EQ(rows.rowid(1), 0);
    rows.setRowid(1, 7);
    EXPECT_EQ(rows.positionsOf({1, 7}), (std::vector<int>{1, 3}));
    rows.erase(0);
    EXPECT_EQ(rows.find(7), 0);
    EXPECT_EQ(textOf(1), "b");
}

}  // namespace
}  // namespace torvalet
