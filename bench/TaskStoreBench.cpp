#include <benchmark/benchmark.h>

#include <filesystem>

#include "ProfileGenerator.h"
#include "tasks/LookupKey.h"
#include "tasks/TaskList.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskRecordRules.h"
#include "tasks/TaskStore.h"
#include "platform/Locale.h"
#include "shell/SystemClock.h"

using namespace torvalet;

namespace {

const Date today = Date::fromYmd(2026, 12, 8);

class FixedLocale : public Locale {
public:
    std::string shortDateFormat() const override { return "dd.MM.yyyy"; }
};

// One large profile for every benchmark of the run.
const std::filesystem::path& profile() {
    static const std::filesystem::path home = [] {
        auto folder = std::filesystem::temp_directory_path() / "torvalet-bench-profile";
        std::filesystem::remove_all(folder);
        bench::generateTaskProfile(folder, 100000, today);
        return folder;
    }();
    return home;
}

struct OpenStore {
    TaskStore store;
    TaskList list;
    TaskListState state;
    SystemClock clock{DateTime{today, 9, 5, 0}};
    FixedLocale locale;
    TaskRecordRules rules{state, clock, locale, [] { return true; }};

    OpenStore() {
        store.connect(profile() / "Data");
        store.loadLookupTables(0);
        store.priorityKeyQ.open();
        rules.install(store.tasksQ);
        list.listTasks(store.tasksQ, TaskList::orderList(1));
    }
};

void BM_OpenStoreAndTaskList(benchmark::State& state) {
    profile();
    for (auto _ : state) {
        OpenStore open;
        benchmark::DoNotOptimize(open.store.tasksQ.rowCount());
    }
}
BENCHMARK(BM_OpenStoreAndTaskList)->Unit(benchmark::kMillisecond);

void BM_PostOneRowWithRules(benchmark::State& state) {
    OpenStore open;
    Query& tasks = open.store.tasksQ;
    tasks.moveTo(tasks.rowCount() / 2);
    long long n = 0;
    for (auto _ : state) {
        tasks.edit();
        tasks.setText("Task", "edited " + std::to_string(++n));  // a new text each time: a real write
        tasks.post();
    }
}
BENCHMARK(BM_PostOneRowWithRules)->Unit(benchmark::kMicrosecond);

void BM_ReminderStatement(benchmark::State& state) {
    OpenStore open;
    Query& command = open.store.commandQ;
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
