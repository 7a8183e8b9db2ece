#include "tasks/TaskStore.h"

#include "base/Errors.h"
#include "tasks/TaskSchema.h"
#include "tasks/TaskUids.h"

namespace torvalet {

TaskStore::TaskStore() {
    clipboardRows.setSql("select * from clipbrd\n   order by date");
    priorities.setSql("select * from priority\n  order by name");
    loadLookupTables(0);
    listRows.addLookupField("typeMark", "TYPEKEY", types, "MARK");
    listRows.addLookupField("priorityName", "PRIOR_KEY", priorities, "NAME");
    listRows.addLookupField("stateName", "STATEKEY", states, "NAME");
    listRows.addLookupField("typeName", "TYPEKEY", types, "NAME");
}

// The queries' prepared statements go before the connection.
TaskStore::~TaskStore() { setDatabase(nullptr); }

std::array<Query*, 7> TaskStore::queries() {
    return {&listRows, &clipboardRows, &priorities, &states, &types, &eventKinds, &scratch};
}

std::filesystem::path TaskStore::storeFile(const std::filesystem::path& dataFolder) { return dataFolder / "tasks.db"; }

void TaskStore::create(const std::filesystem::path& dataFolder) {
    const auto file = storeFile(dataFolder);
    if (std::filesystem::exists(file)) throw StoreError("The task store \"" + file.string() + "\" exists already");
    try {
        Database db(file, true);
        createTaskStore(db);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        throw;
    }
}

void TaskStore::setDatabase(Database* db) {
    for (Query* query : queries()) query->setDatabase(db);
}

void TaskStore::connect(const std::filesystem::path& dataFolder, bool readOnly) {
    disconnect();
    const auto file = storeFile(dataFolder);
    if (!std::filesystem::exists(file)) throw StoreError("The task store \"" + file.string() + "\" does not exist");
    db_ = std::make_unique<Database>(file, false, readOnly);
    setDatabase(db_.get());
    addMissingIndexes();
    // A store that another program is writing to gets its UIDs at a later opening.
    addTaskUids(*db_);
}

void TaskStore::addMissingIndexes() {
    if (db_->readOnly() || hasTaskIndexes(*db_)) return;
    // Once per store, and only when no other program is writing to it: the list works without
    // the index, only slower.
    db_->setBusyTimeout(0);
    try {
        Transaction transaction(*db_);
        createTaskIndexes(*db_);
        transaction.commit();
    } catch (const StoreError&) {
    }
    db_->setBusyTimeout(Database::busyTimeout);
}

void TaskStore::disconnect() {
    closeQueries();
    setDatabase(nullptr);
    db_.reset();
}

void TaskStore::closeQueries() {
    for (Query* query : queries()) query->close();
}

void TaskStore::openStoreQuery(Query& query, const std::function<void(const std::string&)>& report) {
    query.close();
    if (isConnected())
        query.open();
    else
        report("Can not open Database on " + std::to_string(20) + " time ");
}

void TaskStore::loadLookupTables(int language) {
    const std::string prefix = language == 1 ? "ru_" : "en_";
    const std::pair<Query*, const char*> lookups[] = {{&states, "state"}, {&types, "type"}, {&eventKinds, "event"}};
    for (const auto& [query, table] : lookups) {
        query->close();
        query->setSql("select * from " + prefix + table + " order by name");
        if (isConnected()) query->open();
    }
}

}  // namespace torvalet
