#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/RecordingObserver.h"
#include "fakes/StoreReads.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"

namespace torvalet::testing {

// A task row as the store holds it; dates as YYYY-MM-DD, keys as ten-character texts.
struct Row {
    std::string task;
    std::string date = "2026-12-08", time = "10:00";
    std::string state = {}, type = {}, prio = {};
    std::string date2 = {}, time2 = {}, project = {}, comment = {}, remindflag = {}, doflag = {};
};

// The organiser started over a new application folder on Tuesday 2026-12-08 at 09:05, its task
// table emptied after start, with ways to put rows in, pick rows and read the store back, and an
// observer in the window's place.
class TaskFixture : public ::testing::Test {
protected:
    TaskFixture() { Organizer::provision(AppPaths{dir.path()}); }

    void start(const std::string& settings = {}) {
        if (!settings.empty()) writeText(dir / "torvalet.ini", settings);
        organizer = std::make_unique<Organizer>(fakes.services, dir.path());
        organizer->setObserver(&observer);
        organizer->start();
        organizer->firstShow();
        organizer->store().database()->execute("delete from tasks");
        list().refresh();
    }
    void SetUp() override { start(); }

    Query& list() { return organizer->store().listRows; }
    Bookmarks& selection() { return organizer->tasks().context.listState.selection; }
    Tasks& tasks() { return organizer->tasks(); }
    TaskCommands& commands() { return organizer->tasks().commands; }
    MonthCalendarSelection& calendar() { return organizer->tasks().context.listState.calendar; }

    void add(const std::vector<Row>& rows) {
        SqlStatement insert = organizer->store().database()->prepare(
            "insert into tasks (Task, Date, Time, StateKey, TypeKey, Prior_key, Date2, Time2, Project, Comment, "
            "Remindflag, Doflag) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const Row& row : rows) {
            int c = 1;
            for (const std::string* v : {&row.task, &row.date, &row.time, &row.state, &row.type, &row.prio})
                insert.bind(c++, *v);
            insert.bind(c++, row.date2.empty() ? row.date : row.date2);
            insert.bind(c++, row.time2.empty() ? row.time : row.time2);
            for (const std::string* v : {&row.project, &row.comment, &row.remindflag, &row.doflag})
                insert.bind(c++, *v);
            insert.step();
            insert.reset();
        }
        list().refresh();
    }
    // The current row becomes the row of that task text; the others named are selected.
    void current(const std::string& task) {
        const int row = list().findRow(TaskColumn::Task, task);
        ASSERT_GE(row, 0) << task;
        list().moveTo(row);
    }
    void select(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            const int row = list().findRow(TaskColumn::Task, name);
            ASSERT_GE(row, 0) << name;
            selection().insert(list().bookmarkAt(row));
        }
    }
    std::vector<std::string> column(const std::string& sql) { return firstColumn(*organizer->store().database(), sql); }
    std::string field(const std::string& name, const std::string& task) {
        return taskField(*organizer->store().database(), name, task);
    }
    // The task texts of the list, in list order.
    std::vector<std::string> listed() {
        std::vector<std::string> names;
        for (int row = 0; row < list().rowCount(); ++row) names.push_back(list().textAt(row, TaskColumn::Task));
        return names;
    }
    int cuesPlayed(const std::string& cue) {
        int count = 0;
        for (const std::string& path : fakes.sound.played) count += path.ends_with(cue);
        return count;
    }

    TempDir dir;
    FakeServices fakes;
    RecordingObserver observer;
    std::unique_ptr<Organizer> organizer;
};

inline const std::string k(int n) { return makeLookupKey(n); }

}  // namespace torvalet::testing
