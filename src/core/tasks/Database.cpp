#include "tasks/Database.h"

#include <unistd.h>

#include <cerrno>

#include <charconv>
#include <cstdio>
#include <utility>

#include "base/Errors.h"
#include "tasks/StoreSnapshot.h"

namespace torvalet {

std::string sqlValueText(const SqlValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* whole = std::get_if<long long>(&value)) return std::to_string(*whole);
    if (const auto* number = std::get_if<double>(&value)) {
        // As printf's "%.15g" writes it, without printf's cost.
        char buffer[32];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, *number, std::chars_format::general, 15);
        return std::string(buffer, written.ptr);
    }
    return {};
}

double sqlValueNumber(const SqlValue& value) {
    if (const auto* number = std::get_if<double>(&value)) return *number;
    if (const auto* whole = std::get_if<long long>(&value)) return static_cast<double>(*whole);
    if (const auto* text = std::get_if<std::string>(&value)) {
        try {
            return std::stod(*text);
        } catch (const std::exception&) {
            return 0;
        }
    }
    return 0;
}

namespace {

// A path as the path part of a file URI: the characters that end or escape it are escaped.
std::string uriPath(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

// The engine's error on `db` as the user is told it: a full device says so.
StoreError engineError(sqlite3* db, const std::string& message) {
    const int code = sqlite3_extended_errcode(db);
    const int primary = code & 0xff;
    if (primary == SQLITE_FULL || (primary == SQLITE_IOERR && sqlite3_system_errno(db) == ENOSPC))
        return StoreError(kNoSpaceMessage, SQLITE_FULL);
    return StoreError(message, code);
}

// The library keeps no memory statistics (nothing here reads them): each of its allocations
// would otherwise take a process-wide lock. Only possible before its first use; later it is a
// harmless refusal.
void configureLibrary() {
    static const bool configured = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    (void)configured;
}

}  // namespace

Database::Database(const std::filesystem::path& file, bool create, bool readOnly) {
    // A store in a folder we cannot write to is opened for reading: its rows can be shown, and
    // every attempt to change them fails with the engine's message.
    readOnly =
        readOnly || (!create && (::access(file.c_str(), W_OK) != 0 || ::access(file.parent_path().c_str(), W_OK) != 0));
    readOnly_ = readOnly;
    if (!readOnly) {
        try {
            open(file, file.string(), SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0), false);
            return;
        } catch (const StoreError& error) {
            // A full device refuses even the index of the write-ahead log that a writer needs;
            // reading needs none of that.
            if (create || (error.code() & 0xff) != SQLITE_FULL) throw;
        }
        readOnly_ = true;
        noSpace_ = true;
    }
    const std::string uri = "file:" + uriPath(file.string());
    try {
        // Read-only, the engine still sees the rows in the write-ahead log...
        open(file, uri + "?mode=ro", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, true);
    } catch (const StoreError&) {
        // ...unless it cannot make the log's index beside the store. Without a log nothing is
        // missed by reading the file as it stands; with one, a private copy is read.
        if (!StoreSnapshot::hasLog(file)) {
            open(file, uri + "?immutable=1", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, true);
            return;
        }
        snapshot_ = std::make_unique<StoreSnapshot>(file);
        open(file, "file:" + uriPath(snapshot_->file().string()) + "?mode=ro", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
             true);
    }
}

void Database::open(const std::filesystem::path& file, const std::string& name, int flags, bool readOnly) {
    configureLibrary();
    if (sqlite3_open_v2(name.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw StoreError("Cannot open the task store \"" + file.string() + "\": " + message);
    }
    setBusyTimeout(busyTimeout);
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_commit_hook(
        db_,
        [](void* self) {
            ++static_cast<Database*>(self)->transactionsEnded_;
            return 0;
        },
        this);
    sqlite3_rollback_hook(
        db_, [](void* self) { ++static_cast<Database*>(self)->transactionsEnded_; }, this);
    try {
        // A new store takes pages of 16 KB, fixed from then on: the day's reminders go in by the
        // thousand at its start, and larger pages split, log and copy back less (with 4 KB pages
        // storing them took a tenth longer).
        if (flags & SQLITE_OPEN_CREATE) execute("PRAGMA page_size=16384");
        if (!readOnly) execute("PRAGMA journal_mode=WAL");
        execute("PRAGMA synchronous=FULL");
        // The task list reads its rowids from an index and then only the rows it shows: a small
        // page cache holds that (a larger one made no list faster, even over a million tasks, and
        // only cost memory), and no mapped file makes the store's pages count as ours.
        execute("PRAGMA cache_size=-2048");
        // Touch the schema so that a file that is no store fails here, not at the first query.
        execute("SELECT count(*) FROM sqlite_master");
    } catch (const StoreError& error) {
        sqlite3_close(db_);
        db_ = nullptr;
        const int primary = error.code() & 0xff;
        if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
            throw StoreError("The task store \"" + file.string() +
                                 "\" is damaged or holds something else than tasks. The file is kept as it is: "
                                 "restore it from a backup (or move it away to begin an empty task list), then "
                                 "start Torvalet again. Until then there is no task list.\n" +
                                 error.what(),
                             error.code());
        throw StoreError("Cannot open the task store \"" + file.string() + "\": " + error.what(), error.code());
    }
}

namespace {

struct HeldWrite {
    sqlite3* db = nullptr;
    std::function<void()> write;
};

HeldWrite held;

}  // namespace

void holdWrite(sqlite3* db, std::function<void()> write) {
    if (held.db) makeHeldWrite(held.db);
    held = {db, std::move(write)};
}

void makeHeldWrite(sqlite3* db) {
    if (held.db != db || !db) return;
    const std::function<void()> write = std::move(held.write);
    held = {};
    write();
}

void dropHeldWrite(sqlite3* db) {
    if (held.db == db) held = {};
}

// The connection goes when its last prepared statement is finalised.
Database::~Database() {
    dropHeldWrite(db_);  // an open transaction is rolled back with the connection
    sqlite3_close_v2(db_);
}

void Database::execute(std::string_view sql) {
    makeHeldWrite(db_);
    char* error = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw engineError(db_, message);
    }
}

SqlStatement Database::prepare(std::string_view sql) { return SqlStatement(db_, sql); }
long long Database::lastInsertRowid() const { return sqlite3_last_insert_rowid(db_); }
int Database::changes() const { return sqlite3_changes(db_); }

SqlStatement::SqlStatement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK) fail();
}

SqlStatement::~SqlStatement() { sqlite3_finalize(stmt_); }

SqlStatement::SqlStatement(SqlStatement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)) {}

void SqlStatement::fail() const { throw engineError(db_, sqlite3_errmsg(db_)); }

void SqlStatement::bind(int index, const SqlValue& value) {
    int rc = SQLITE_OK;
    if (const auto* text = std::get_if<std::string>(&value))
        rc = sqlite3_bind_text(stmt_, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
    else if (const auto* whole = std::get_if<long long>(&value))
        rc = sqlite3_bind_int64(stmt_, index, *whole);
    else if (const auto* number = std::get_if<double>(&value))
        rc = sqlite3_bind_double(stmt_, index, *number);
    else
        rc = sqlite3_bind_null(stmt_, index);
    if (rc != SQLITE_OK) fail();
}

void SqlStatement::bindInPlace(int index, const SqlValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    if (!text) return bind(index, value);
    if (sqlite3_bind_text(stmt_, index, text->data(), static_cast<int>(text->size()), SQLITE_STATIC) != SQLITE_OK)
        fail();
}

bool SqlStatement::bind(const std::string& name, const SqlValue& value) {
    const int index = sqlite3_bind_parameter_index(stmt_, name.c_str());
    if (index == 0) return false;
    bind(index, value);
    return true;
}

bool SqlStatement::step() {
    makeHeldWrite(db_);
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const StoreError error = engineError(db_, sqlite3_errmsg(db_));
    sqlite3_reset(stmt_);
    throw error;
}

void SqlStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

long long SqlStatement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string_view SqlStatement::textView(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return {text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
}

bool SqlStatement::isText(int column) const {
    const int type = sqlite3_column_type(stmt_, column);
    return type == SQLITE_TEXT || type == SQLITE_BLOB;
}

bool SqlStatement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

int SqlStatement::columnCount() const { return sqlite3_column_count(stmt_); }
std::string SqlStatement::columnName(int column) const { return sqlite3_column_name(stmt_, column); }

SqlValue SqlStatement::column(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER: return static_cast<long long>(sqlite3_column_int64(stmt_, column));
    case SQLITE_FLOAT: return sqlite3_column_double(stmt_, column);
    case SQLITE_NULL: return std::monostate{};
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
    }
    }
}

Transaction::Transaction(Database& db) : db_(db) { db_.execute("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (!done_) {
        try {
            db_.execute("ROLLBACK");
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    db_.execute("COMMIT");
    done_ = true;
}

}  // namespace torvalet
