#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>

#include "ProfileGenerator.h"
#include "RecurringEvents.h"
#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "tasks/Snoozes.h"
#include "trees/TreeFileIo.h"

using namespace torvalet;

// Every allocation of the process is counted, to show what one tick allocates. (GCC takes the
// free of a replaced operator new for a mismatch.)
static std::atomic<long long> allocations{0};
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

namespace fs = std::filesystem;

const Date today = Date::fromYmd(2026, 12, 10);
const std::string dueStatement =
    "select * from tasks where RemindFlag = '+' and ((date = :d1 and time = :d2) or (date2 = :d3 and time2 = :d4)) "
    "and statekey<>'         1'";

fs::path taskProfile(int rows) { return bench::keptTaskProfile("reminders", rows, today); }

// The organiser started over a folder and shown, its clock standing at a moment.
struct Running {
    testing::FakeServices fakes;
    std::unique_ptr<Organizer> organizer;

    Running(const fs::path& home, DateTime now) {
        fakes.clock.current = now;
        organizer = std::make_unique<Organizer>(fakes.services, home);
        organizer->start();
        organizer->firstShow();
    }
    ~Running() { organizer->close(); }
};

// Profile tasks lie between 07:00 and 21:00: nothing is due at 03:17.
void BM_TickNothingDue(benchmark::State& state) {
    Running app(taskProfile(static_cast<int>(state.range(0))), {today, 3, 17, 0});
    ReminderClock& clock = app.organizer->reminders().clock;
    clock.tick();
    long long allocated = 0;
    for (auto _ : state) {
        const long long before = allocations;
        clock.tick();
        allocated += allocations - before;
    }
    state.counters["allocs/tick"] =
        benchmark::Counter(static_cast<double>(allocated) / static_cast<double>(state.iterations()));
    state.counters["list rows"] = app.organizer->store().listRows.rowCount();
}
BENCHMARK(BM_TickNothingDue)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The same with a thousand snoozed reminders waiting for 20:00: between its reading at the first
// tick and the first snooze's minute, the clock does not look at them.
void BM_TickSnoozesWaiting(benchmark::State& state) {
    Running app(taskProfile(static_cast<int>(state.range(0))), {today, 3, 17, 0});
    Database& db = *app.organizer->store().database();
    Snoozes snoozes(db);
    {
        SqlStatement rows = db.prepare("select rowid from tasks order by rowid limit 1000");
        std::vector<Bookmark> taken;
        while (rows.step()) taken.push_back(rows.integer(0));
        for (const Bookmark row : taken) snoozes.snooze(row, {today, 20, 0, 0});
    }
    ReminderClock& clock = app.organizer->reminders().clock;
    clock.tick();
    for (auto _ : state) clock.tick();
    // The profile is kept for the other benchmarks.
    db.execute("delete from snooze");
}
BENCHMARK(BM_TickSnoozesWaiting)->Arg(100000)->Unit(benchmark::kMicrosecond);

void bindDueMinute(SqlStatement& statement) {
    statement.bind(":d1", today.toIso());
    statement.bind(":d2", std::string("03:17"));
    statement.bind(":d3", today.toIso());
    statement.bind(":d4", std::string("03:17"));
}

// The statement of a tick as bare SQLite calls: prepared, bound and stepped as each tick does.
void BM_DueStatementBare(benchmark::State& state) {
    Database db(TaskStore::storeFile(taskProfile(100000) / "Data"), false);
    for (auto _ : state) {
        SqlStatement statement = db.prepare(dueStatement);
        bindDueMinute(statement);
        benchmark::DoNotOptimize(statement.step());
    }
}
BENCHMARK(BM_DueStatementBare)->Unit(benchmark::kMicrosecond);

// The same statement prepared once: what the search itself costs.
void BM_DueStatementPreparedOnce(benchmark::State& state) {
    Database db(TaskStore::storeFile(taskProfile(100000) / "Data"), false);
    SqlStatement statement = db.prepare(dueStatement);
    for (auto _ : state) {
        statement.reset();
        bindDueMinute(statement);
        benchmark::DoNotOptimize(statement.step());
    }
}
BENCHMARK(BM_DueStatementPreparedOnce)->Unit(benchmark::kMicrosecond);

// The catch-up's statement as a tick with a gap runs it first: bare, prepared once for the
// connection, over a gap with nothing missed (a quarter of an hour before the tick, or the night
// before it). To be set against BM_DueStatementBare, the statement of every tick.
const std::string catchUpStatement =
    "select * from tasks where RemindFlag = '+' and statekey<>'         1' and ("
    "((date, time) > (:fd, :ft) and (date, time) < (:td, :tt) and time glob '[0-2][0-9]:[0-5][0-9]') or "
    "((date2, time2) > (:fd, :ft) and (date2, time2) < (:td, :tt) and time2 glob '[0-2][0-9]:[0-5][0-9]'))";

void BM_CatchUpStatement(benchmark::State& state) {
    Database db(TaskStore::storeFile(taskProfile(100000) / "Data"), false);
    const bool night = state.range(0) != 0;
    const std::string from = night ? today.addDays(-1).toIso() : today.toIso();
    SqlStatement statement = db.prepare(catchUpStatement);
    for (auto _ : state) {
        statement.reset();
        statement.bind(":fd", from);
        statement.bind(":ft", std::string(night ? "21:01" : "03:02"));
        statement.bind(":td", today.toIso());
        statement.bind(":tt", std::string("03:17"));
        benchmark::DoNotOptimize(statement.step());
        statement.reset();
    }
    state.SetLabel(night ? "gap 21:01 the day before to 03:17" : "gap 03:02 to 03:17");
}
BENCHMARK(BM_CatchUpStatement)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A folder with 100,000 recurring events, or 100,000 contacts with their days.
const fs::path& eventsFolder() {
    static const fs::path home = [] {
        const fs::path folder = fs::temp_directory_path() / "torvalet-bench-events";
        fs::remove_all(folder);
        bench::writeRecurringEvents(folder, folder.string() + ".rem", 100000);
        return folder;
    }();
    return home;
}

void fillContacts(ItemTree& tree, int count) {
    std::mt19937 random(1980);
    const auto dayText = [&] {
        char text[12];
        std::snprintf(text, sizeof text, "%02d.%02d.%02d", 1 + static_cast<int>(random() % 28),
                      1 + static_cast<int>(random() % 12), static_cast<int>(random() % 100));
        return std::string(text);
    };
    tree.clear();
    for (int i = 0; i < count; ++i) {
        ContactRecord& contact = tree.appendChild()->record<ContactRecord>();
        contact.official = "Contact " + std::to_string(i);
        contact.birthday = dayText();
        if (i % 3 == 0) contact.nameDay = dayText();
        if (i % 10 == 0) contact.specialDay = dayText();
    }
}

// The analyses in the running program, their tasks taken out again between the runs.
template <class Analyse>
void runAnalysis(benchmark::State& state, Running& app, Analyse analyse) {
    for (auto _ : state) {
        analyse();
        state.PauseTiming();
        state.counters["tasks"] = static_cast<double>(app.organizer->store().listRows.rowCount());
        app.organizer->store().database()->execute("delete from tasks");
        app.organizer->store().listRows.refresh();
        app.organizer->messagePad().clear();
        state.ResumeTiming();
    }
}

void BM_AnalyzeCalendar100k(benchmark::State& state) {
    Running app(eventsFolder(), {today, 8, 0, 0});
    runAnalysis(state, app, [&] { app.organizer->reminders().calendar.analyzeCalendar(); });
}
BENCHMARK(BM_AnalyzeCalendar100k)->Unit(benchmark::kMillisecond);

void BM_AnalyzeContacts100k(benchmark::State& state) {
    Running app(eventsFolder(), {today, 8, 0, 0});
    fillContacts(app.organizer->trees().get(TreeId::ContactsTree), 100000);
    runAnalysis(state, app, [&] { app.organizer->reminders().contacts.analyzeContacts(); });
}
BENCHMARK(BM_AnalyzeContacts100k)->Unit(benchmark::kMillisecond);

void BM_LoadCalendar100k(benchmark::State& state) {
    for (auto _ : state) {
        ItemTree tree("CalendarTree", RecordFamily::Events);
        loadTreeFile(tree, eventsFolder() / "calendar.clnd", TextCodec());
        benchmark::DoNotOptimize(tree.nodeCount());
    }
}
BENCHMARK(BM_LoadCalendar100k)->Unit(benchmark::kMillisecond);

}  // namespace
