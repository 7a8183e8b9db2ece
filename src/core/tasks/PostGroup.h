#pragma once

namespace torvalet {

class Database;
class Query;

// Groups the posts of a command that changes many rows of `list` in one transaction, unless one
// is open already (then that transaction's owner decides). The command ends the group with
// commit(). When the store refuses the COMMIT, the rows are taken back, `list` is read again so
// that it shows the rows as they are stored, and the engine's error is thrown.
//
// A group left by an exception commits what was done before it (the exception goes on up with
// its own message); when that commit fails too, the rows are taken back. Either way a pending
// edit of `list` is dropped and the list read again: what stays on screen is what is stored.
// A group that ends without commit() and without an exception commits then, and throws when the
// store refuses.
class PostGroup {
public:
    explicit PostGroup(Query& list);
    ~PostGroup() noexcept(false);
    PostGroup(const PostGroup&) = delete;
    PostGroup& operator=(const PostGroup&) = delete;

    void commit();

private:
    void takeBack();
    void showStoredRows();

    Query& list_;
    Database* db_ = nullptr;  // while the group holds a transaction of its own
    int exceptionsInFlight_;
};

}  // namespace torvalet
