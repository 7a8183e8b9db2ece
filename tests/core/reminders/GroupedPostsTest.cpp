#include <functional>
#include <stdexcept>

#include "base/Errors.h"
#include "core/reminders/RunningOrganizer.h"
#include "fakes/RefusedCommits.h"
#include "reminders/GroupedPosts.h"
#include "tasks/TaskStore.h"

namespace torvalet::testing {
namespace {

class GroupedPostsTest : public RunningOrganizer {
protected:
    void post(const std::string& text) {
        Query& list = organizer->store().listRows;
        list.append();
        list.setText(TaskColumn::Task, text);
        list.post();
    }
};

// However a group ends short of its commit, the failure reaches the caller and none of its rows
// stay, nor an open transaction that a later command would commit.
TEST_F(GroupedPostsTest, AGroupThatIsNotStoredSaysSoAndKeepsNothing) {
    const struct {
        const char* name;
        bool refuse;
        std::function<void(GroupedPosts&)> end;
        const char* error;
    } cases[] = {
        {"a refused commit", true, [](GroupedPosts& posts) { posts.commit(); }, "FOREIGN KEY constraint failed"},
        {"an error part way", false, [](GroupedPosts&) { throw std::runtime_error("stopped"); }, "stopped"},
        {"no commit", false, [](GroupedPosts&) {}, "ended without being stored"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startAt(2026, 12, 8, 9, 5);
        if (c.refuse) refuseCommits(*organizer->store().database());
        const std::size_t before = column("select Task from tasks").size();
        std::string error;
        try {
            GroupedPosts posts(organizer->store());
            post("first");
            post("second");
            c.end(posts);
        } catch (const std::exception& failure) {
            error = failure.what();
        }
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_TRUE(column("select Task from tasks where Task in ('first', 'second')").empty());
        EXPECT_EQ(column("select Task from tasks").size(), before);
        EXPECT_TRUE(sqlite3_get_autocommit(organizer->store().database()->handle()));
        const Query& list = organizer->store().listRows;
        EXPECT_LT(list.findRow(TaskColumn::Task, "first"), 0);
        if (c.refuse) allowCommits(*organizer->store().database());
        organizer.reset();
    }
}

TEST_F(GroupedPostsTest, ACommittedGroupStoresItsRows) {
    startAt(2026, 12, 8, 9, 5);
    {
        GroupedPosts posts(organizer->store());
        post("first");
        post("second");
        posts.commit();
    }
    EXPECT_EQ(column("select Task from tasks where Task in ('first', 'second') order by Task"),
              (std::vector<std::string>{"first", "second"}));
}

}  // namespace
}  // namespace torvalet::testing
