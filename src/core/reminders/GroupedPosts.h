#pragma once

namespace torvalet {

class TaskStore;

// Many task rows posted as one: the task list tells its views once, when the group ends, and
// the rows are committed together (unless a transaction is already open, whose owner decides).
// The command ends the group with commit(); a group that ends without it, because an error
// stopped the command, is taken back whole: the error on its way tells the user, and none of the
// group's rows stay. A group that ends without commit() and without an error is a fault of its
// command: its rows are taken back and a StoreError says so.
class GroupedPosts {
public:
    explicit GroupedPosts(TaskStore& store);
    ~GroupedPosts() noexcept(false);
    GroupedPosts(const GroupedPosts&) = delete;
    GroupedPosts& operator=(const GroupedPosts&) = delete;

    // Commits the rows. When the store refuses, the rows are taken back, the task list is read
    // again and the engine's error is thrown.
    void commit();
    // Takes the rows back and reads the task list again. Inside a transaction begun before the
    // group, the rows stay: they cannot be taken back alone.
    void rollback();
    // Whether the group began its own transaction (none was open before it).
    bool ownsTransaction() const { return open_; }

private:
    void takeBack();

    TaskStore& store_;
    bool open_ = false;
    int exceptionsInFlight_;
};

}  // namespace torvalet
