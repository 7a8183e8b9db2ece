#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "ProfileGenerator.h"
#include "headless/SystemClock.h"
#include "platform/Locale.h"
#include "tasks/LookupKey.h"
#include "tasks/TaskList.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskRecordRules.h"
#include "tasks/TaskRows.h"
#include "tasks/TaskStore.h"

using namespace torvalet;

namespace {

const Date today = Date::fromYmd(2026, 12, 8);

class FixedLocale : public Locale {
public:
    std::string shortDateFormat() const override { return "dd.MM.yyyy"; }
};

// A profile of `rows` tasks, made once and kept between runs (it is only read, apart from the
// rows the update benchmarks change).
std::filesystem::path profile(int rows) {
    const auto folder = std::filesystem::temp_directory_path() / ("torvalet-bench-" + std::to_string(rows));
    const auto done = folder / "complete";
    if (!std::filesystem::exists(done)) {
        std::filesystem::remove_all(folder);
        bench::generateTaskProfile(folder, rows, today);
        std::ofstream{done};
    }
    return folder;
}

struct OpenStore {
    TaskStore store;
    TaskList list;
    TaskListState state;
    SystemClock clock{DateTime{today, 9, 5, 0}};
    FixedLocale locale;
    TaskRecordRules rules{state, clock, locale, [] { return true; }};

    explicit OpenStore(int rows) {
        store.connect(profile(rows) / "Data");
        store.loadLookupTables(0);
        store.priorities.open();
        rules.install(store.listRows);
        list.listTasks(store.listRows, TaskList::orderList(1));
    }
};

void BM_OpenStoreAndTaskList(benchmark::State& state) {
    profile(100000);
    for (auto _ : state) {
        OpenStore open(100000);
        benchmark::DoNotOptimize(open.store.listRows.rowCount());
    }
}
BENCHMARK(BM_OpenStoreAndTaskList)->Unit(benchmark::kMillisecond);

// The task list read anew with the statement of the first order (what a rebuild costs).
void BM_ResultSetOpen(benchmark::State& state) {
    OpenStore open(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        open.list.listTasks(open.store.listRows, TaskList::orderList(1));
        benchmark::DoNotOptimize(open.store.listRows.rowCount());
    }
    state.counters["rows"] = open.store.listRows.rowCount();
}
BENCHMARK(BM_ResultSetOpen)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// From the first row to the last one, reading it.
void BM_MoveToLast(benchmark::State& state) {
    OpenStore open(static_cast<int>(state.range(0)));
    Query& tasks = open.store.listRows;
    for (auto _ : state) {
        tasks.first();
        tasks.last();
        benchmark::DoNotOptimize(tasks.text(TaskColumn::Task));
    }
}
BENCHMARK(BM_MoveToLast)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// What the grid asks for after a jump: the eleven shown fields (lookups included) of 40 rows at a
// place not looked at before.
void BM_FetchVisiblePage(benchmark::State& state) {
    OpenStore open(static_cast<int>(state.range(0)));
    Query& tasks = open.store.listRows;
    const std::vector<Query::Field> fields = {
        tasks.field(TaskColumn::StartTime), tasks.field("typeName"),          tasks.field(TaskColumn::Project),
        tasks.field("priorityName"),        tasks.field("typeMark"),          tasks.field(TaskColumn::Task),
        tasks.field("stateName"),           tasks.field(TaskColumn::DoerKey), tasks.field(TaskColumn::StartDate),
        tasks.field(TaskColumn::Percent),   tasks.field(TaskColumn::Comment)};
    std::mt19937 random(1);
    for (auto _ : state) {
        const int top = static_cast<int>(random() % static_cast<unsigned>(tasks.rowCount() - 40));
        for (int row = top; row < top + 40; ++row)
            for (Query::Field field : fields) benchmark::DoNotOptimize(tasks.textAt(row, field));
    }
}
BENCHMARK(BM_FetchVisiblePage)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// A changed row posted, then the list read again keeping the current row.
void BM_RefreshAfterPost(benchmark::State& state) {
    OpenStore open(static_cast<int>(state.range(0)));
    Query& tasks = open.store.listRows;
    tasks.moveTo(tasks.rowCount() / 2);
    long long n = 0;
    for (auto _ : state) {
        tasks.edit();
        tasks.setText(TaskColumn::Task, "refreshed " + std::to_string(++n));  // a new text each time: a real write
        tasks.post();
        tasks.refresh();
    }
}
BENCHMARK(BM_RefreshAfterPost)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// "Terminate" and "Null State" in turn on 1,000 selected rows spread over the list: each row
// edited, its state and percent set and posted through the record rules, the posts in one group.
void BM_StateOnSelectedRows(benchmark::State& state) {
    OpenStore open(static_cast<int>(state.range(0)));
    Query& tasks = open.store.listRows;
    const int step = tasks.rowCount() / 1000;
    Bookmarks& selection = open.state.selection;
    for (int row = step / 2; row < tasks.rowCount(); row += step) selection.insert(tasks.bookmarkAt(row));
    bool done = false;
    for (auto _ : state) {
        done = !done;
        taskRows::forEachRow(tasks, selection, [&] {
            tasks.edit();
            tasks.setText(TaskColumn::StateKey, done ? keys::Done : "");
            tasks.setNumber(TaskColumn::Percent, done ? 100 : 0);
            tasks.post();
        });
    }
    state.counters["rows"] = static_cast<double>(selection.size());
}
BENCHMARK(BM_StateOnSelectedRows)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PostOneRowWithRules(benchmark::State& state) {
    OpenStore open(100000);
    Query& tasks = open.store.listRows;
    tasks.moveTo(tasks.rowCount() / 2);
    long long n = 0;
    for (auto _ : state) {
        tasks.edit();
        tasks.setText(TaskColumn::Task, "edited " + std::to_string(++n));  // a new text each time: a real write
        tasks.post();
    }
}
BENCHMARK(BM_PostOneRowWithRules)->Unit(benchmark::kMicrosecond);

void BM_ReminderStatement(benchmark::State& state) {
    OpenStore open(100000);
    Query& command = open.store.scratch;
    command.setSql(
        "select * from tasks where RemindFlag = '+' and ((date = :d1 and time = :d2) or (date2 = :d3 and time2 = "
        ":d4)) and statekey<>'         1'");
    int minute = 0;
    for (auto _ : state) {
        const std::string time = (minute / 60 < 10 ? "0" : "") + std::to_string(minute / 60) + ":" +
                                 (minute % 60 < 10 ? "0" : "") + std::to_string(minute % 60);
        minute = (minute + 7) % (24 * 60);
        command.setDateParam(":d1", today);
        command.setParam(":d2", time);
        command.setDateParam(":d3", today);
        command.setParam(":d4", time);
        command.open();
        benchmark::DoNotOptimize(command.rowCount());
        command.close();
    }
}
BENCHMARK(BM_ReminderStatement)->Unit(benchmark::kMicrosecond);

}  // namespace
