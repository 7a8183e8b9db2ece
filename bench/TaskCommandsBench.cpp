#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "ProfileGenerator.h"
#include "app/Organizer.h"
#include "fakes/FakeServices.h"

using namespace torvalet;

namespace {

namespace fs = std::filesystem;

const Date today = Date::fromYmd(2026, 12, 10);
constexpr int profileRows = 100000;

fs::path taskProfile() { return bench::keptTaskProfile("taskcommands", profileRows, today); }

// The organiser started over the 100,000-row profile, with its list in Detail View.
struct Running {
    testing::FakeServices fakes;
    std::unique_ptr<Organizer> organizer;

    Running() {
        fakes.clock.current = DateTime{today, 9, 5, 0};
        organizer = std::make_unique<Organizer>(fakes.services, taskProfile());
        organizer->start();
        organizer->firstShow();
        // Whatever view the last run left in the settings: every row, by date and time.
        tasks().list.useDetailView();
        tasks().list.setTaskOrder(1);
    }
    ~Running() { organizer->close(); }
    Tasks& tasks() { return organizer->tasks(); }
    Query& list() { return organizer->store().listRows; }
};

void BM_OrderCommand(benchmark::State& state) {
    Running running;
    int n = 0;
    for (auto _ : state) {
        running.tasks().list.setTaskOrder(n % 7 + 1);
        ++n;
        benchmark::DoNotOptimize(running.list().rowCount());
    }
    state.counters["rows"] = running.list().rowCount();
}
BENCHMARK(BM_OrderCommand)->Unit(benchmark::kMillisecond);

void BM_HideToggle(benchmark::State& state) {
    Running running;
    for (auto _ : state) {
        running.tasks().list.toggleHideFlag(TaskList::HideDone);
        benchmark::DoNotOptimize(running.list().rowCount());
    }
}
BENCHMARK(BM_HideToggle)->Unit(benchmark::kMillisecond);

void BM_ViewPreset(benchmark::State& state) {
    Running running;
    bool easy = false;
    for (auto _ : state) {
        easy = !easy;
        if (easy)
            running.tasks().list.useEasyView();
        else
            running.tasks().list.useDetailView();
        benchmark::DoNotOptimize(running.list().rowCount());
    }
}
BENCHMARK(BM_ViewPreset)->Unit(benchmark::kMillisecond);

void BM_TypeFilter(benchmark::State& state) {
    Running running;
    for (auto _ : state) {
        running.tasks().list.filterTasksByType(2);
        benchmark::DoNotOptimize(running.list().rowCount());
    }
    state.counters["rows"] = running.list().rowCount();
}
BENCHMARK(BM_TypeFilter)->Unit(benchmark::kMillisecond);

// A command on the current row that refreshes the list after its post.
void BM_RotatePriorityWithRefresh(benchmark::State& state) {
    Running running;
    running.list().moveTo(running.list().rowCount() / 2);
    for (auto _ : state) running.tasks().commands.rotatePriority();
}
BENCHMARK(BM_RotatePriorityWithRefresh)->Unit(benchmark::kMillisecond);

// A command on the current row without a refresh: what a key press costs beyond its write.
void BM_StateOnCurrentRow(benchmark::State& state) {
    Running running;
    running.list().moveTo(running.list().rowCount() / 2);
    bool done = false;
    for (auto _ : state) {
        done = !done;
        running.tasks().commands.stateCommand(done ? TaskState::Done : TaskState::Mute);
    }
}
BENCHMARK(BM_StateOnCurrentRow)->Unit(benchmark::kMicrosecond);

// "Terminate" and "Mute" in turn on 1,000 selected rows spread over the list.
void BM_StateOnThousandSelectedRows(benchmark::State& state) {
    Running running;
    Query& list = running.list();
    bool done = false;
    for (auto _ : state) {
        state.PauseTiming();
        Bookmarks& selection = running.organizer->tasks().context.listState.selection;
        selection.clear();
        for (int i = 0; i < 1000; ++i) selection.insert(list.bookmarkAt(i * (list.rowCount() / 1000)));
        done = !done;
        state.ResumeTiming();
        running.tasks().commands.stateCommand(done ? TaskState::Done : TaskState::Mute);
    }
}
BENCHMARK(BM_StateOnThousandSelectedRows)->Unit(benchmark::kMillisecond);

}  // namespace
