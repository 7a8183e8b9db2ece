#pragma once

namespace torvalet {

class TaskStore;

// Many task rows posted as one: the task list tells its views once, when the group ends, and
// the rows are committed together (unless a transaction is already open). Rows posted before an
// error stay stored: the group commits what was done, also when it ends through an exception.
class GroupedPosts {
public:
    explicit GroupedPosts(TaskStore& store);
    ~GroupedPosts();
    GroupedPosts(const GroupedPosts&) = delete;
    GroupedPosts& operator=(const GroupedPosts&) = delete;

    // Commits the rows; throws StoreError when the store cannot.
    void commit();
    // Takes the rows back and reads the task list again. Inside a transaction begun before the
    // group, the rows stay: they cannot be taken back alone.
    void rollback();
    // Whether the group began its own transaction (none was open before it).
    bool ownsTransaction() const { return open_; }

private:
    TaskStore& store_;
    bool open_ = false;
};

}  // namespace torvalet
