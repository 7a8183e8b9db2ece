#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace torvalet {

// A value of a column: empty (NULL), whole number, floating number or text.
using SqlValue = std::variant<std::monostate, long long, double, std::string>;

std::string sqlValueText(const SqlValue& value);
double sqlValueNumber(const SqlValue& value);

class SqlStatement;
class StoreSnapshot;

// A write held back inside an open transaction, so that a row posted twice in a row is written
// once: it is made before the next statement of the same connection runs, at the latest when the
// transaction ends. One write is held at a time; holding another makes the first one.
void holdWrite(sqlite3* db, std::function<void()> write);
// Makes the write held for `db` now, if there is one.
void makeHeldWrite(sqlite3* db);
// Forgets the write held for `db` without making it (its owner makes it itself).
void dropHeldWrite(sqlite3* db);

// What a StoreError says when the device is full, whatever the engine called it.
inline constexpr const char* kNoSpaceMessage = "no space left on the device";

// One connection to the SQLite store. Errors raise StoreError with the engine's message, except
// on a full device (the engine's SQLITE_FULL, and its I/O errors whose cause is ENOSPC): those say
// kNoSpaceMessage, with the code SQLITE_FULL.
class Database {
public:
    // Opens an existing store; `create` makes a new file when there is none. A store that
    // cannot be written, or any store with `readOnly`, is opened for reading only; so is one that
    // cannot be opened for writing because its device is full (its rows can still be read).
    Database(const std::filesystem::path& file, bool create, bool readOnly = false);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void execute(std::string_view sql);
    SqlStatement prepare(std::string_view sql);
    long long lastInsertRowid() const;
    int changes() const;
    sqlite3* handle() const { return db_; }
    // How long a statement waits for another program's lock before failing with "database is locked".
    static constexpr int busyTimeout = 2000;  // milliseconds
    void setBusyTimeout(int milliseconds) { sqlite3_busy_timeout(db_, milliseconds); }
    // Opened for reading only (the store or its folder cannot be written).
    bool readOnly() const { return readOnly_; }
    // Opened for reading only because the device is full.
    bool noSpace() const { return noSpace_; }
    // How many transactions ended (committed or rolled back) on this connection: what was learnt
    // inside a transaction holds only while this stays.
    std::uint64_t transactionsEnded() const { return transactionsEnded_; }

private:
    void open(const std::filesystem::path& file, const std::string& name, int flags, bool readOnly);

    sqlite3* db_ = nullptr;
    std::unique_ptr<StoreSnapshot> snapshot_;  // what is read when the store's own folder cannot be
    bool readOnly_ = false;
    bool noSpace_ = false;
    std::uint64_t transactionsEnded_ = 0;
};

// A prepared statement; parameters bound by name (":d1") or position.
class SqlStatement {
public:
    SqlStatement(sqlite3* db, std::string_view sql);
    ~SqlStatement();
    SqlStatement(SqlStatement&& other) noexcept;
    SqlStatement& operator=(SqlStatement&&) = delete;
    SqlStatement(const SqlStatement&) = delete;

    void bind(int index, const SqlValue& value);
    // Binds a text without copying it: the value must stay as it is until reset().
    void bindInPlace(int index, const SqlValue& value);
    // False when the statement has no parameter of that name.
    bool bind(const std::string& name, const SqlValue& value);
    // True while a row is available.
    bool step();
    // The statement changes nothing in the store.
    bool readOnly() const { return sqlite3_stmt_readonly(stmt_) != 0; }
    // Rewinds the statement and forgets its parameters.
    void reset();

    int columnCount() const;
    std::string columnName(int column) const;
    SqlValue column(int column) const;
    long long integer(int column) const;
    // A text column of the current row without copying it, valid until the next step.
    std::string_view textView(int column) const;
    bool isText(int column) const;
    bool isNull(int column) const;

private:
    [[noreturn]] void fail() const;
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Runs `work` inside one transaction: commits when it returns, rolls back when it throws.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();

private:
    Database& db_;
    bool done_ = false;
};

}  // namespace torvalet
