// The organiser's start-up: the sequence from the settings to the launch date, the store's
// opening for the companion, the first show and the start of a day.

#include <limits>
#include <optional>

#include "app/Organizer.h"
#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/FileIo.h"
#include "model/SetupFile.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "tasks/DayBook.h"
#include "trees/TreeTable.h"

namespace torvalet {

namespace fs = std::filesystem;

void Organizer::start(const std::function<bool()>& closeRequested) {
    closeRequested_ = closeRequested;
    phase_ = Phase::Starting;
    reminders_.clock.startedAt(services_.clock.now());
    listState_.calendar.selectToday(today());
    if (!isReadOnly()) attempt([this] { removeSaveLeftovers(); });
    if (!stopping()) attempt([this] { loadSettingsAtStart(); });
    {
        // The list is built, cleaned and given its marks before anyone sees it.
        const QuerySuspension suspension(store_.listRows);
        if (!stopping()) openStoreAtStart();
        if (!stopping()) readTreesAndStartTheDay();
    }
    if (!stopping()) finishStart();
}

void Organizer::openStoreAtStart() {
    attempt([this] { connectStore(); });
    openQueries();
    view_.activePage = kTasksPage;
    view_.goalPage = treeInfo(TreeId::DayGoalTree).tab;
}

void Organizer::readTreesAndStartTheDay() {
    const QuerySuspension suspension(store_.listRows);
    attempt([this] { loadTrees(); });
    const bool store = taskStoreWritable();
    if (!stopping() && store && settings_.autoDeleteDoneTasks) attempt([this] { deleteOldClosedTasks(); });
    if (!stopping()) startTheDay(today());
}

void Organizer::finishStart() {
    attempt([this] { recordLaunchDate(); });
    attempt([this] { loadTextboard(); });
    if (stopping()) return;
    attempt([this] { registerHotKeys(); });
    if (settings_.rightPanelWide) viewCommands_.toggleRightPanelWide();
    phase_ = Phase::Running;
}

void Organizer::openStore(bool openList) {
    readSettings();
    listState_.calendar.selectToday(today());
    connectStore();
    store_.loadLookupTables(settings_.language);
    store_.priorities.open();
    if (openList)
        tasks_.list.applyStartViewMode();
    else
        tasks_.list.presetFlags();
}

// Temporary files of saves that were killed before their rename, here and beside the files
// that links lead elsewhere.
void Organizer::removeSaveLeftovers() {
    std::vector<std::string> files{SetupFile::fileName, paths_.messagePad().filename().string()};
    for (const TreeInfo& tree : torvalet::treeFiles()) files.emplace_back(tree.fileName);
    torvalet::removeSaveLeftovers(paths_.home, files);
    torvalet::removeSaveLeftovers(paths_.logs());
    torvalet::removeSaveLeftovers(paths_.tasks());
    for (const std::string& name : files) {
        const fs::path target = followLinks(paths_.home / name);
        if (target != paths_.home / name) removeSaveLeftoversOf(target);
    }
}

void Organizer::loadTrees() {
    treeFiles_.loadAll(
        codec_, [this](const std::string& message) { report(message); },
        [this](ItemTree& tree) { navigation_.treeLoaded(tree); }, [this] { return stopping(); });
}

void Organizer::firstShow() {
    if (!firstShowPending_) return;
    view_.bottomPanelVisible = settings_.messagePadVisible;
    // Language 0 keeps the built-in English captions; any other reads its file.
    if (settings_.language != 0) loadLanguage();
    view_.clockRunning = true;
    firstShowPending_ = false;
}

// Without a store the task steps have nothing to work on (start-up has said why), and a program
// that may not write leaves the day's tasks to the one that may.
bool Organizer::taskStoreWritable() const { return store_.isConnected() && !store_.database()->readOnly(); }

// Whether the day has had its start is known from the store alone, which records it with the
// day's rows: a settings file that was not written, or could not be read, changes nothing.
void Organizer::startTheDay(Date day) {
    startOfDayTried_ = day;
    if (isReadOnly()) return;
    // Opening the store has said, once, that it could not be opened: the day waits for a start
    // that has one.
    if (!store_.isConnected()) return;
    unsigned done = 0;
    if (!attempt([&] { done = DayBook(*store_.database()).stepsDone(day); })) return;
    if (done == DayBook::kAllSteps) return;
    if (store_.database()->readOnly()) {
        report(
            "The task store cannot be written. The day's marks and reminders are added at the next start that "
            "can write it.");
        return;
    }
    runStartOfDay(day);
}

namespace {

// Runs a statement of the unit's own; its failure is the store's.
void execute(Database& db, const char* sql) { db.execute(sql); }

}  // namespace

// One transaction holds the day's rows and the record of the steps that made them, so that a
// kill leaves all of them or none. A step that fails for want of a file (a calendar or contact
// file that could not be read) is taken back alone and left unrecorded, so that a later start
// runs it, and it alone; a step whose dates could not all be read has done what it could and
// counts as done. A failure of the store takes the whole unit back.
void Organizer::runStartOfDay(Date activeDay) {
    Database& db = *store_.database();
    DayBook book(db);
    const struct {
        DayBook::Step step;
        bool wanted;
        std::function<void()> run;
        std::optional<TreeId> source = std::nullopt;  // the tree file the step reads
    } steps[] = {
        {DayBook::DayMark, true, [this] { insertDayMark(); }},
        {DayBook::TimeMarks, settings_.insertTimeMarks, [this] { insertTimeMarks(); }},
        {DayBook::Calendar, settings_.analyzeCalendar, [this] { analyzeCalendar(); }, TreeId::CalendarTree},
        {DayBook::Contacts, settings_.analyzeContacts, [this] { analyzeContacts(); }, TreeId::ContactsTree},
        {DayBook::DelayExpired, settings_.muteExpiredTasks, [this, activeDay] { delayExpiredTasks(activeDay); }},
        {DayBook::ShiftOpen, settings_.shiftMutedTasks, [this, activeDay] { shiftOpenTasks(activeDay); }},
    };
    std::vector<std::string> messages;
    try {
        execute(db, "BEGIN IMMEDIATE");
        try {
            unsigned done = book.stepsDone(activeDay);
            for (const auto& step : steps) {
                if (done & step.step) continue;
                if (!step.wanted) {
                    done |= step.step;
                    continue;
                }
                // Reading the file has said that it could not be read: the step waits, unrecorded,
                // for a start that can read it, without a second message about the same file.
                if (step.source && treeFiles_.wasUnreadable(*step.source)) continue;
                execute(db, "SAVEPOINT dayStep");
                try {
                    step.run();
                    done |= step.step;
                } catch (const StoreError&) {
                    throw;
                } catch (const ConversionError& error) {
                    done |= step.step;
                    messages.emplace_back(error.what());
                } catch (const std::exception& error) {
                    if (store_.listRows.isEditing()) store_.listRows.cancel();
                    execute(db, "ROLLBACK TO dayStep");
                    messages.emplace_back(error.what());
                }
                execute(db, "RELEASE dayStep");
            }
            book.recordSteps(activeDay, done);
            execute(db, "COMMIT");
        } catch (...) {
            if (store_.listRows.isEditing()) attempt([this] { store_.listRows.cancel(); });
            if (!sqlite3_get_autocommit(db.handle())) attempt([&db] { execute(db, "ROLLBACK"); });
            throw;
        }
    } catch (const std::exception& error) {
        messages.assign({std::string(error.what()) +
                         "\nThe day's marks and reminders were not stored; they are added at the next start."});
    }
    if (store_.listRows.isOpen()) attempt([this] { store_.listRows.refresh(); });
    for (const std::string& message : messages) report(message);
}

void Organizer::needReadable(TreeId tree, const char* what) const {
    if (!treeFiles_.wasUnreadable(tree)) return;
    throw FileError(std::string(treeInfo(tree).fileName) + " could not be read, so today's " + what +
                    " reminders were not added. Once the file is mended they are added at the next start.");
}

// The clock's run when it sees a day that has not had its start (at midnight, or after the
// computer slept through it): today is selected first, so that the new day gets its day mark. A
// day whose start was tried in this run is left to the next start.
void Organizer::startOfDay() {
    if (today() == startOfDayTried_) return;
    listState_.calendar.selectToday(today());
    {
        const QuerySuspension suspension(store_.listRows);
        startTheDay(today());
    }
    attempt([this] { recordLaunchDate(); });
}

void Organizer::readSettings() {
    ProfileFile file;
    try {
        file = ProfileFile::parse(settingsFile_.read().value_or(""));
    } catch (const std::exception& error) {
        // Every key takes its default, and the file is never written over.
        report(error.what());
    }
    LoadedSetup loaded = loadSetup(file, dayTextContext());
    settings_ = std::move(loaded.settings);
    codec_ = std::move(loaded.codec);
    for (const std::string& message : loaded.messages) report(message);
}

void Organizer::loadSettingsAtStart() {
    readSettings();
    view_.taskProperties = settings_.showProperties;
    view_.bottomPanelVisible = settings_.messagePadVisible;
    // The view mode in force until the list applies it; a store that cannot be opened leaves it so.
    view_.easyView = settings_.easyMode;
    runHeader();
}

void Organizer::runHeader() {
    if (!fileExists(paths_.messagePad())) {
        messagePadFile_.takeOver();
        return;
    }
    const Date day = today();
    int runCount = settings_.runCount;
    if (day != lastLaunchDate()) {
        messagePad_.clear();
        messagePadFile_.takeOver();
        runCount = 0;
    } else {
        try {
            messagePad_.setLines(MessagePad::linesOf(messagePadFile_.read().value_or(""), codec_));
        } catch (...) {
            // Whatever stopped the reading, the file is kept as it is.
            messagePad_.clear();
            throw;
        }
        runCount = runCount < std::numeric_limits<int>::max() ? runCount + 1 : runCount;
    }
    const std::string header = "...-> #" + std::to_string(runCount) + " [ " +
                               formatShortDate(day, services_.locale.shortDateFormat()) +
                               " :: " + timeText(services_.clock.now()) + " ]";
    messagePad_.prepend(header);
    settings_.runCount = runCount;
    updateSettingsFile([runCount](ProfileFile& file) { file.writeInteger("General", "runCount", runCount); });
}

void Organizer::recordLaunchDate() {
    updateSettingsFile([this](ProfileFile& file) { saveLaunchDate(file, today()); });
    settings_.lastLaunchDate = today();
}

void Organizer::connectStore() {
    store_.closeQueries();
    const fs::path file = TaskStore::storeFile(paths_.data());
    std::error_code error;
    if (fs::exists(file, error) && !fs::is_regular_file(file, error))
        throw StoreError("Cannot open the task store \"" + file.string() + "\": it is not a regular file");
    store_.connect(paths_.data(), isReadOnly());
}

// The task list opens once, with the statement of the view mode and order in force.
void Organizer::openQueries() {
    // A store that could not be connected was reported once: its queries stay closed in silence.
    if (!store_.isConnected()) return;
    const auto reportFailure = [this](const std::string& message) { report(message); };
    attempt([this] { store_.loadLookupTables(settings_.language); });
    for (Query* query : {&store_.types, &store_.states, &store_.eventKinds, &store_.clipboardRows}) {
        attempt([&] { store_.openStoreQuery(*query, reportFailure); });
    }
    attempt([this] { store_.priorities.open(); });
    attempt([this] { tasks_.list.applyStartViewMode(); });
}

void Organizer::loadTextboard() {
    textboardFile_ = dayFile(today());
    if (const std::optional<std::string> text = textboardFile_.read()) textboard_ = *text;
}

}  // namespace torvalet
