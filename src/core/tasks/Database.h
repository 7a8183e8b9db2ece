#pragma once

#include <sqlite3.h>

#include <filesystem>
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

// One connection to the SQLite store. Errors raise StoreError with the engine's message.
class Database {
public:
    // Opens an existing store; `create` makes a new file when there is none. A store that
    // cannot be written, or any store with `readOnly`, is opened for reading only.
    Database(const std::filesystem::path& file, bool create, bool readOnly = false);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void execute(std::string_view sql);
    SqlStatement prepare(std::string_view sql);
    long long lastInsertRowid() const;
    int changes() const;
    sqlite3* handle() const { return db_; }

private:
    void open(const std::filesystem::path& file, const std::string& name, int flags, bool readOnly);

    sqlite3* db_ = nullptr;
    std::unique_ptr<StoreSnapshot> snapshot_;  // what is read when the store's own folder cannot be
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
    // False when the statement has no parameter of that name.
    bool bind(const std::string& name, const SqlValue& value);
    // True while a row is available.
    bool step();
    void reset();

    int columnCount() const;
    std::string columnName(int column) const;
    SqlValue column(int column) const;

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
