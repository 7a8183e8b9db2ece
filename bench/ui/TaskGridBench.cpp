// The task grid over a profile of 100,000 rows, offscreen: painting a page of rows while
// scrolling page by page or jumping anywhere, and a state command on the current row with the
// repaint it causes.
//
//     build/bench/ui/TaskGridBench [--benchmark_filter=...]

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QScrollBar>

#include <filesystem>
#include <memory>
#include <random>

#include "ProfileGenerator.h"
#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "ui/CloseRequests.h"
#include "ui/MainWindow.h"
#include "ui/TaskGrid.h"
#include "ui/WindowStart.h"

using namespace torvalet;

namespace {

namespace fs = std::filesystem;

const Date today = Date::fromYmd(2026, 12, 10);
constexpr int kRows = 100000;

fs::path profile() { return bench::keptTaskProfile("grid", kRows, today); }

// The window over the profile, as large as a laptop screen, every row listed.
struct Window {
    testing::FakeServices fakes;
    ui::CloseRequests closeRequests;
    std::unique_ptr<Organizer> organizer;
    std::unique_ptr<ui::MainWindow> window;

    Window() {
        fakes.clock.current = DateTime{today, 12, 0, 0};
        organizer = std::make_unique<Organizer>(fakes.services, profile());
        window = ui::startMainWindow(*organizer, closeRequests);
        window->findChild<QAction*>("DetailView1")->trigger();
        window->resize(1366, 768);
        window->show();
        QApplication::processEvents();
    }
    ~Window() { window->close(); }

    ui::TaskGrid& grid() const { return *window->taskGrid(); }
    // Paints what the grid shows now, as the screen would.
    void paint() const {
        grid().viewport()->repaint();
        QApplication::processEvents();
    }
};

Window& window() {
    static Window shown;
    return shown;
}

void BM_ScrollPageByPage(benchmark::State& state) {
    Window& w = window();
    QScrollBar* bar = w.grid().verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() >= bar->maximum() ? 0 : bar->value() + bar->pageStep());
        w.paint();
    }
    state.counters["rows"] = w.organizer->store().listRows.rowCount();
}
BENCHMARK(BM_ScrollPageByPage)->Unit(benchmark::kMicrosecond);

void BM_JumpAnywhere(benchmark::State& state) {
    Window& w = window();
    QScrollBar* bar = w.grid().verticalScrollBar();
    std::mt19937 random(7);
    for (auto _ : state) {
        bar->setValue(int(random() % unsigned(bar->maximum() + 1)));
        w.paint();
    }
}
BENCHMARK(BM_JumpAnywhere)->Unit(benchmark::kMicrosecond);

// "Terminate" and "Null State" in turn on the current row, each with the repaint it causes.
void BM_StateCommandOnTheCurrentRow(benchmark::State& state) {
    Window& w = window();
    QAction* done = w.window->findChild<QAction*>("Terminate1");
    QAction* none = w.window->findChild<QAction*>("NullState1");
    bool ended = false;
    for (auto _ : state) {
        (ended ? none : done)->trigger();
        ended = !ended;
        w.paint();
    }
}
BENCHMARK(BM_StateCommandOnTheCurrentRow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
