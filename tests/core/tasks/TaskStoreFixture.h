#pragma once

#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskRecordRules.h"
#include "tasks/TaskStore.h"

namespace torvalet::testing {

// A new store in a temporary data folder, connected, with the record rules on the task list
// and the task list open over every row by date and time. The clock stands at 2026-12-08 09:05.
class TaskStoreFixture : public ::testing::Test {
protected:
    TaskStoreFixture() {
        TaskStore::create(dir.path());
        store.connect(dir.path());
        rules.install(store.listRows);
        state.calendar.selectToday(fakes.clock.now().date);
        store.loadLookupTables(0);
        store.priorities.open();
        store.listRows.setSql("select * from tasks order by Date, Time");
        store.listRows.open();
    }

    // Rows of a statement's first column, for checks against the store itself.
    std::vector<std::string> column(const std::string& sql) {
        std::vector<std::string> values;
        SqlStatement statement = store.database()->prepare(sql);
        while (statement.step()) values.push_back(sqlValueText(statement.column(0)));
        return values;
    }

    TempDir dir;
    FakeServices fakes;
    TaskStore store;
    TaskListState state;
    bool autoRemind = true;
    TaskRecordRules rules{state, fakes.clock, fakes.locale, [this] { return autoRemind; }};
};

}  // namespace torvalet::testing
