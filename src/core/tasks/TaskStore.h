#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "tasks/Database.h"
#include "tasks/Query.h"

namespace torvalet {

// The task store: the connection to the data folder and every query over the task tables.
class TaskStore {
public:
    TaskStore();
    ~TaskStore();
    TaskStore(const TaskStore&) = delete;
    TaskStore& operator=(const TaskStore&) = delete;

    // The store file inside a data folder.
    static std::filesystem::path storeFile(const std::filesystem::path& dataFolder);
    // Makes a new store with its tables and lookup rows; the folder must exist.
    static void create(const std::filesystem::path& dataFolder);

    // Closes the connection and opens it on the data folder's store; `readOnly` opens it for
    // reading only, as a store that cannot be written is. A store opened for writing that has
    // no task UIDs yet gets them (addTaskUids). Throws StoreError.
    void connect(const std::filesystem::path& dataFolder, bool readOnly = false);
    void disconnect();
    bool isConnected() const { return db_ != nullptr; }
    Database* database() const { return db_.get(); }

    // Closes every query, a pending edit being posted first.
    void closeQueries();
    // Closes `query` and, if the connection is open, opens it again; otherwise reports
    // "Can not open Database on 20 time " through `report` and leaves it closed.
    void openStoreQuery(Query& query, const std::function<void(const std::string&)>& report);
    // Points the state, type and event lookups at the tables of the language and opens them.
    void loadLookupTables(int language);

    Query listRows{"tasksQ"};
    Query clipboardRows{"clipboardQ"};
    Query priorities{"priorityKeyQ"};
    Query states{"stateKeyQ"};
    Query types{"typeKeyQ"};
    Query eventKinds{"EventsKeyQ"};
    Query scratch{"commandQ"};

private:
    std::array<Query*, 7> queries();
    void addMissingIndexes();
    void setDatabase(Database* db);
    std::unique_ptr<Database> db_;
};

}  // namespace torvalet
