#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "base/Errors.h"
#include "fakes/TempDir.h"
#include "tasks/Query.h"
#include "tasks/TaskRows.h"
#include "tasks/TaskStore.h"

namespace torvalet {
namespace {

// As the task list's record rules do, a new row is posted at once and edited again; `project`, when
// given, is set first.
class PostAtInsert : public RowRules {
public:
    explicit PostAtInsert(const char* project = nullptr) : project_(project) {}
    void afterInsert(Query& rows) override {
        if (project_) rows.setText(TaskColumn::Project, project_);
        rows.post();
        rows.edit();
    }

private:
    const char* project_;
};

// Notes the rows deleted.
struct RemovedRows : RowRules {
    void afterRemove(Query&, Bookmark row) override { removed.insert(row); }
    Bookmarks removed;
};

// Five rows "a" to "e" listed by their text through a cache of two rows, so that most reads and
// every command over several rows go past the cache.
class QueryTest : public ::testing::Test {
protected:
    QueryTest() {
        TaskStore::create(dir.path());
        db = std::make_unique<Database>(TaskStore::storeFile(dir.path()), false);
        for (const char* text : {"c", "a", "e", "b", "d"})
            sql(std::string("insert into tasks (Task) values ('") + text + "')");
        query.setDatabase(db.get());
        query.setSql("select Task, Project from tasks order by Task");
        query.open();
    }
    ~QueryTest() override { query.setDatabase(nullptr); }

    void sql(const std::string& statement) { db->execute(statement); }
    std::string stored(const std::string& statement) {
        SqlStatement s = db->prepare(statement);
        std::string out;
        while (s.step()) out += sqlValueText(s.column(0)) + " ";
        return out;
    }
    // Every row's text, read through the cache.
    std::string listed() {
        std::string out;
        const Query::Field task = query.field("TASK");
        for (int row = 0; row < query.rowCount(); ++row) out += query.textAt(row, task) + " ";
        return out;
    }
    Query::Bookmark bookmarkOf(const std::string& text) {
        for (int row = 0; row < query.rowCount(); ++row)
            if (query.textAt(row, TaskColumn::Task) == text) return query.bookmarkAt(row);
        return 0;
    }

    testing::TempDir dir;
    std::unique_ptr<Database> db;
    Query query{"tasksQ", 2};
};

// Numbers read as text exactly as printf's "%.15g" writes them, which the task files and the
// companion's output have always shown.
TEST(SqlValueText, NumbersReadAsPrintfWritesThem) {
    for (double number : {0.0, -0.0, 1.0, 100.0, 0.1, 33.333333333333336, 1.0 / 3, 2.5e-7, 1e15, 1e16,
                          123456789012345678.0, -42.75, 1e300, 5e-324}) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.15g", number);
        EXPECT_EQ(sqlValueText(SqlValue(number)), expected) << expected;
    }
    EXPECT_EQ(sqlValueText(SqlValue(-7LL)), "-7");
    EXPECT_EQ(sqlValueText(SqlValue()), "");
}

TEST_F(QueryTest, NavigatesAndKeepsTheCurrentRowByBookmarkAcrossARefresh) {
    EXPECT_EQ(listed(), "a b c d e ");
    query.last();
    EXPECT_EQ(query.text(TaskColumn::Task), "e");
    query.moveBy(-2);
    EXPECT_EQ(query.text("task"), "c");
    const auto c = query.bookmark();

    sql("insert into tasks (Task) values ('bb')");  // lands before the current row
    query.refresh();
    EXPECT_EQ(query.rowCount(), 6);
    EXPECT_EQ(query.currentIndex(), 3);
    EXPECT_EQ(query.bookmark(), c);

    sql("delete from tasks where Task = 'c'");  // the current row goes: the position stays
    query.refresh();
    EXPECT_EQ(query.text(TaskColumn::Task), "d");
    EXPECT_FALSE(query.gotoBookmark(c));
    EXPECT_TRUE(query.gotoBookmark(bookmarkOf("a")));
    EXPECT_EQ(query.currentIndex(), 0);
    query.moveBy(100);
    EXPECT_EQ(query.text(TaskColumn::Task), "e");
    EXPECT_TRUE(query.eof());
}

TEST_F(QueryTest, AnEditOutlivesTheCacheUntilPostedOrCancelled) {
    query.moveTo(1);
    query.edit();
    query.setText(TaskColumn::Task, "b2");
    EXPECT_EQ(listed(), "a b2 c d e ");  // every other row went through the two cached rows
    query.post();
    EXPECT_EQ(stored("select Task from tasks order by Task"), "a b2 c d e ");

    query.moveTo(2);
    query.edit();
    query.setText(TaskColumn::Project, "Home");
    listed();
    query.cancel();
    EXPECT_EQ(query.text(TaskColumn::Project), "");
    EXPECT_EQ(stored("select count(*) from tasks where Project <> ''"), "0 ");
}

// A post writes what the edit changed: a field that another statement changed after the row was
// read keeps that statement's value; a post that changed nothing writes nothing.
TEST_F(QueryTest, APostWritesOnlyTheFieldsItsEditChanged) {
    query.moveTo(0);
    EXPECT_EQ(query.text(TaskColumn::Project), "");  // the row is read and held
    sql("update tasks set Project = 'Home' where Task = 'a'");
    query.edit();
    query.setText(TaskColumn::Task, "a2");
    query.post();
    EXPECT_EQ(stored("select Task || '/' || Project from tasks where Task like 'a%'"), "a2/Home ");

    query.moveTo(1);
    EXPECT_EQ(query.text(TaskColumn::Task), "b");
    sql("update tasks set Task = 'b3' where Task = 'b'");
    query.edit();
    query.setText(TaskColumn::Task, "b");
    query.post();
    EXPECT_EQ(stored("select Task from tasks order by Task"), "a2 b3 c d e ");
}

TEST_F(QueryTest, InsertPostAndRemoveKeepTheListInStepWithTheStore) {
    query.moveTo(2);
    query.insert();  // before the current row
    EXPECT_EQ(query.bookmark(), 0);
    query.setText(TaskColumn::Task, "new");
    EXPECT_EQ(listed(), "a b new c d e ");
    query.post();
    EXPECT_NE(query.bookmark(), 0);
    EXPECT_EQ(stored("select count(*) from tasks where Task = 'new'"), "1 ");

    query.append();
    query.cancel();  // a row never posted leaves no trace, and the row before it is current again
    EXPECT_EQ(query.rowCount(), 6);
    EXPECT_EQ(query.text(TaskColumn::Task), "new");

    RemovedRows rules;
    query.setRules(&rules);
    const Bookmark removed = query.bookmark();
    query.remove();
    query.setRules(nullptr);
    EXPECT_EQ(listed(), "a b c d e ");
    EXPECT_EQ(query.text(TaskColumn::Task), "c");
    EXPECT_EQ(rules.removed, Bookmarks{removed}) << "the rules hear of the row deleted";
    EXPECT_EQ(stored("select Task from tasks order by Task"), "a b c d e ");
}

// Inside a transaction a row that the after-insert rule posts and edits again is written once at
// its final post; whatever happens in between must find the store as if it had been written at once.
TEST_F(QueryTest, ARowPostedAtItsInsertInsideATransactionIsStoredAsIfWrittenAtOnce) {
    struct Case {
        const char* name;
        std::function<void()> between;  // after the rule's post, before the final one
        bool finalPost;                 // else the edit is cancelled
        const char* stored;             // Task/Project of the new row, "!" when the final post fails
        const char* expected;
    };
    const Case cases[] = {
        {"final post", nullptr, true, "new", "6 new/rule "},
        {"a statement in between", [this] { EXPECT_EQ(stored("select count(*) from tasks"), "6 "); }, true, "new",
         "6 new/rule "},
        {"the row changed in between", [this] { sql("update tasks set Project = 'other' where rowid = 6"); }, true,
         "new", "6 new/other "},
        {"cancelled", nullptr, false, "new", "6 /rule "},
        {"final post fails", nullptr, true, "!", "6 /rule "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PostAtInsert rules("rule");
        query.setRules(&rules);
        Transaction transaction(*db);
        query.insert();
        EXPECT_EQ(query.bookmark(), 6);
        if (c.between) c.between();
        if (std::string(c.stored) == "!") {
            query.setValue("Task", SqlValue{});  // NOT NULL
            EXPECT_THROW(query.post(), StoreError);
            query.cancel();
        } else {
            query.setText(TaskColumn::Task, c.stored);
            c.finalPost ? query.post() : query.cancel();
        }
        transaction.commit();
        Database other(TaskStore::storeFile(dir.path()), false);
        SqlStatement row = other.prepare("select rowid, Task || '/' || Project from tasks where rowid > 5");
        std::string out;
        while (row.step()) out += sqlValueText(row.column(0)) + " " + sqlValueText(row.column(1)) + " ";
        EXPECT_EQ(out, c.expected);
        query.setRules(nullptr);
        sql("delete from tasks where rowid > 5");
        query.refresh();
    }
}

// A run of new rows in one transaction asks the store for its largest rowid once; a row changed in
// between, or a transaction ended while another program added rows, makes it ask again.
TEST_F(QueryTest, NewRowsInARunTakeTheRowidsTheStoreWouldGive) {
    PostAtInsert rules;
    query.setRules(&rules);
    const auto add = [this](const char* text) {
        query.insert();
        query.setText(TaskColumn::Task, text);
        query.post();
        return query.bookmark();
    };
    {
        Transaction transaction(*db);
        EXPECT_EQ(add("f"), 6);
        EXPECT_EQ(add("g"), 7);
        sql("delete from tasks where rowid = 7");
        EXPECT_EQ(add("h"), 7);
        transaction.commit();
    }
    Database other(TaskStore::storeFile(dir.path()), false);
    other.execute("insert into tasks (rowid, Task) values (20, 'other')");
    {
        Transaction transaction(*db);
        EXPECT_EQ(add("i"), 21);
        transaction.commit();
    }
    EXPECT_EQ(stored("select rowid || Task from tasks where rowid > 5 order by rowid"), "6f 7h 20other 21i ");
}

TEST_F(QueryTest, CommandsOverTheSelectionVisitEveryRowInListOrderAndComeBack) {
    query.moveTo(2);
    const std::set<Query::Bookmark> picked{bookmarkOf("e"), bookmarkOf("a"), bookmarkOf("d")};
    std::string visited;
    taskRows::forEachRow(query, picked, [&] {
        visited += query.text(TaskColumn::Task);
        query.edit();
        query.setText(TaskColumn::Project, "P");
        query.post();
    });
    EXPECT_EQ(visited, "ade");
    EXPECT_EQ(query.text(TaskColumn::Task), "c");
    EXPECT_EQ(stored("select Task from tasks where Project = 'P' order by Task"), "a d e ");

    // Removing each visited row moves the rows after it.
    taskRows::forEachRow(query, {bookmarkOf("b"), bookmarkOf("c"), bookmarkOf("e")}, [&] { query.remove(); });
    EXPECT_EQ(listed(), "a d ");
    EXPECT_EQ(stored("select Task from tasks order by Task"), "a d ");

    // Rows added elsewhere while visiting do not make the visit miss a row.
    visited.clear();
    taskRows::forEachRow(query, {bookmarkOf("a"), bookmarkOf("d")}, [&] {
        visited += query.text(TaskColumn::Task);
        query.append();
        query.setText(TaskColumn::Task, "z");
        query.post();
    });
    EXPECT_EQ(visited, "ad");
    EXPECT_EQ(listed(), "a d z z ");
}

// Rows are found by value through an index over the column: it must follow every change that
// goes through the query.
TEST_F(QueryTest, FindingARowByValueFollowsTheChanges) {
    EXPECT_EQ(query.findRow(TaskColumn::Task, "b"), 1);
    query.moveTo(1);
    query.edit();
    query.setText(TaskColumn::Task, "bb");
    query.post();
    EXPECT_EQ(query.findRow(TaskColumn::Task, "b"), -1);
    EXPECT_EQ(query.findRow(TaskColumn::Task, "bb"), 1);
    query.first();
    query.remove();
    EXPECT_EQ(query.findRow(TaskColumn::Task, "bb"), 0);
    query.insert();
    query.setText(TaskColumn::Task, "new");
    query.post();
    EXPECT_EQ(query.findRow(TaskColumn::Task, "new"), 0);
    EXPECT_EQ(query.findRow(TaskColumn::Task, "bb"), 1);
    sql("update tasks set Task = 'changed' where Task = 'c'");
    query.refresh();
    EXPECT_EQ(query.findRow("TASK", "changed"), 1);
    EXPECT_EQ(query.findRow(TaskColumn::Project, "x"), -1);
}

TEST_F(QueryTest, ObserversHearOfEachChangeAndOnceAfterASuspension) {
    std::vector<std::pair<QueryEvent::Kind, int>> events;
    const int id = query.addObserver([&](const QueryEvent& e) { events.emplace_back(e.kind, e.row); });
    query.moveTo(1);
    query.insert();
    query.post();
    query.remove();
    using E = QueryEvent;
    EXPECT_EQ(events, (std::vector<std::pair<E::Kind, int>>{{E::CurrentChanged, 1},
                                                            {E::RowAboutToBeInserted, 1},
                                                            {E::RowInserted, 1},
                                                            {E::RowChanged, 1},
                                                            {E::RowAboutToBeRemoved, 1},
                                                            {E::RowRemoved, 1}}));
    events.clear();
    query.suspend();
    taskRows::forEachRow(query, {bookmarkOf("a"), bookmarkOf("b")}, [&] {
        query.edit();
        query.post();
    });
    query.refresh();
    query.resume();
    EXPECT_EQ(events, (std::vector<std::pair<E::Kind, int>>{{E::Reset, -1}}));
    query.removeObserver(id);
}

TEST_F(QueryTest, StatementsOfEveryShapeListTheirRows) {
    struct Case {
        const char* sql;
        const char* column;
        const char* rows;
        bool writable;
    };
    const Case cases[] = {
        {"select * from tasks where Task <> 'c' order by Task desc", "Task", "e d b a ", true},
        {"select Task as T from tasks order by T", "T", "a b c d e ", true},
        {"select   Task from tasks", "Task", "c a e b d ", true},
        {"select distinct Project from tasks", "Project", " ", false},
        {"select max(Task) as Last from tasks", "Last", "e ", false},
        {"select Task from tasks group by Task order by Task", "Task", "a b c d e ", false},
    };
    for (const Case& c : cases) {
        query.setSql(c.sql);
        query.open();
        std::string rows;
        for (int row = 0; row < query.rowCount(); ++row) rows += query.textAt(row, query.field(c.column)) + " ";
        EXPECT_EQ(rows, c.rows) << c.sql;
        if (c.writable) {
            EXPECT_NO_THROW(query.edit()) << c.sql;
            query.cancel();
        } else {
            EXPECT_THROW(query.edit(), StoreError) << c.sql;
        }
    }
}

// Writes through resolved fields land where writes by name do; a field that is no column (none,
// or one past them, where lookup fields are) is refused instead of written past the row.
TEST_F(QueryTest, ResolvedFieldsWriteLikeNamesAndRefuseWhatIsNoColumn) {
    const Query::Field project = query.field("Project");
    query.edit();
    query.setText(project, "p");
    for (const Query::Field none : {-1, 2}) {
        EXPECT_THROW(query.setText(none, "x"), StoreError) << none;
        EXPECT_TRUE(query.isNull(none)) << none;
        EXPECT_EQ(query.text(none), "") << none;
    }
    EXPECT_FALSE(query.isNull(project));
    query.post();
    EXPECT_EQ(stored("select Project from tasks where Task = 'a'"), "p ");
}

// A task column is found by its name in each statement, whatever the statement's column order; one
// the statement has not got is refused by name, as a misspelt name is.
TEST_F(QueryTest, TaskColumnsAreFoundInEachStatementByName) {
    query.close();
    query.setSql("select Procent, Date2, Task from tasks order by Task");
    query.open();
    EXPECT_EQ(query.field(TaskColumn::Percent), 0);
    EXPECT_EQ(query.field(TaskColumn::Task), 2);
    EXPECT_EQ(query.field(TaskColumn::Project), -1);
    query.edit();
    query.setDate(TaskColumn::FinalDate, Date::fromYmd(2026, 12, 31));
    query.setNumber(TaskColumn::Percent, 40);
    query.setText(TaskColumn::Task, "a2");
    EXPECT_THROW(query.setText(TaskColumn::Project, "x"), StoreError);
    query.post();
    EXPECT_EQ(stored("select Task || '/' || Date2 || '/' || Procent from tasks where rowid = 2"),
              "a2/2026-12-31/40.0 ");
    EXPECT_EQ(query.date(TaskColumn::FinalDate), Date::fromYmd(2026, 12, 31));
    EXPECT_EQ(query.number(TaskColumn::Percent), 40);
    EXPECT_TRUE(query.isNull(TaskColumn::Project));
    try {
        query.text(TaskColumn::Project);
        ADD_FAILURE() << "a column the statement has not got was read";
    } catch (const StoreError& error) {
        EXPECT_EQ(std::string(error.what()), "tasksQ: Field 'Project' not found");
    }
}

TEST_F(QueryTest, ReadingFailsClearlyWhenTheStatementCannotRun) {
    query.setSql("select Nothing from tasks");
    EXPECT_THROW(query.open(), StoreError);
    EXPECT_FALSE(query.isOpen());
    query.setSql("select Task from tasks");
    query.open();
    EXPECT_THROW(query.text("Nothing"), StoreError);
    EXPECT_EQ(query.textAt(0, "Nothing"), "");
}

}  // namespace
}  // namespace torvalet
