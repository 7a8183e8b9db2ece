#include "app/Organizer.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "app/LanguageForms.h"
#include "app/Provisioning.h"
#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/FileIo.h"
#include "base/RichText.h"
#include "model/SetupFile.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/PerUserStore.h"
#include "platform/Sound.h"
#include "platform/UserInterface.h"
#include "trees/TreeTable.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

const char* const favouriteSearchesList = "FaveGoogleSearches";

// A per-user list as the bytes its kept file compares: every item and a line break.
std::string listBytes(const std::vector<std::string>& items) {
    std::string bytes;
    for (const std::string& item : items) bytes += item + '\n';
    return bytes;
}

std::vector<std::string> listItems(std::string_view bytes) {
    std::vector<std::string> items;
    for (std::size_t end; (end = bytes.find('\n')) != std::string_view::npos; bytes.remove_prefix(end + 1))
        items.emplace_back(bytes.substr(0, end));
    return items;
}

}  // namespace

Organizer::Organizer(const Services& services, fs::path home)
    : services_(services),
      paths_{std::move(home)},
      settingsFile_(paths_.settings(), saves_),
      listState_{.calendar = MonthCalendarSelection(relay_)},
      rules_(listState_, services.clock, services.locale, [this] { return settings_.autoRemind; }),
      messagePadFile_(paths_.messagePad(), saves_),
      textboardFile_(dayFile(today())),
      viewCommands_(view_, messagePad_, services.ui, settings_),
      helpCommands_(services.shell, services.ui, settings_, paths_.home),
      treeFiles_(trees_, paths_.home, saves_),
      cues_(services.sound, services.ui, paths_.sounds(), settings_),
      navigation_(trees_, view_, relay_),
      treePages_(
          trees_, services_, cues_, view_, settings_, store_.listRows, paths_, codec_, treeFiles_, saves_,
          [this] { return dayTextContext(); }, relay_, navigation_),
      hotKeys_(trees_, services_, treePages_.requests, messagePad_, settings_),
      favouritesList_(
          favouriteSearchesList,
          [this] { return std::optional(listBytes(services_.perUserStore.readList(favouriteSearchesList))); },
          [this](std::string_view bytes) {
              if (!isReadOnly()) services_.perUserStore.writeList(favouriteSearchesList, listItems(bytes));
          }),
      tasks_(TaskContext{services_, paths_, store_, taskList_, listState_, settings_, view_, cues_, codec_, relay_},
             treePages_.goals, treePages_.requests),
      reminders_(
          services_, store_, listState_, settings_, view_, cues_, messagePad_, trees_,
          [this] { return dayTextContext(); }, relay_, tasks_.execution, *this) {
    rules_.install(store_.listRows);
    store_.listRows.setSql(taskList_.statement(taskList_.currentOrder()));
    try {
        favouriteSearches_ = listItems(favouritesList_.read().value_or(""));
    } catch (const std::exception&) {
        // Kept as it is: the list is not written at close.
    }
}

Organizer::~Organizer() = default;

// At midnight today is selected first, so that the new day gets its day mark.
void Organizer::startOfDay() {
    listState_.calendar.selectToday(today());
    {
        const QuerySuspension suspension(store_.listRows);
        runStartOfDay(today());
    }
    attempt([this] { recordLaunchDate(); });
}

void Organizer::minutePassed() { viewCommands_.autoplayTick(); }

Date Organizer::today() const { return services_.clock.now().date; }

DayTextContext Organizer::dayTextContext() const { return DayTextContext::fromLocale(services_.locale, today()); }

void Organizer::report(const std::string& message) {
    // Once a close is asked for, start-up keeps its remaining messages to itself.
    if (phase_ == Phase::Starting && stopping()) return;
    services_.ui.showMessage(message);
}

bool Organizer::attempt(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report("Unknown error");
    }
    return false;
}

void Organizer::start(const std::function<bool()>& closeRequested) {
    closeRequested_ = closeRequested;
    phase_ = Phase::Starting;
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
    if (!stopping() && today() != lastLaunchDate()) runStartOfDay(today());
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

void Organizer::provision(const AppPaths& paths) {
    provisionApplicationFolder(paths, [&paths] { TreeFileKeeper::provision(paths.home, TextCodec()); });
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

void Organizer::saveTrees() {
    treeFiles_.saveAll(codec_, [this](const std::string& message) { report(message); });
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

void Organizer::runStartOfDay(Date activeDay) {
    const bool store = taskStoreWritable();
    if (store) attempt([this] { insertDayMark(); });
    if (store && settings_.insertTimeMarks) attempt([this] { insertTimeMarks(); });
    if (settings_.analyzeCalendar) attempt([this] { analyzeCalendar(); });
    if (settings_.analyzeContacts) attempt([this] { analyzeContacts(); });
    if (store && settings_.muteExpiredTasks) attempt([this, activeDay] { delayExpiredTasks(activeDay); });
    if (store && settings_.shiftMutedTasks) attempt([this, activeDay] { shiftOpenTasks(activeDay); });
}

void Organizer::close() {
    phase_ = Phase::Closing;
    attempt([this] { saveFavourites(); });
    view_.clockRunning = false;
    services_.sound.stop();
    closeStore();
    attempt([this] { saveSettings(); });
    attempt([this] { saveMessagePad(); });
    attempt([this] { saveTrees(); });
    attempt([this] { saveTextboard(); });
    const std::vector<std::string> notSaved = saves_.takeNotSaved();
    if (!notSaved.empty()) {
        std::string message =
            "The application folder \"" + paths_.home.string() + "\" is open read-only. These files were not saved:";
        for (const std::string& file : notSaved) message += "\n" + file;
        report(message);
    }
}

// A program that may not write its folder leaves the list alone too, without naming it.
void Organizer::saveFavourites() { favouritesList_.save(listBytes(favouriteSearches_)); }

// A pending edit that cannot be posted (the store locked or read-only, a full disk) is reported
// and given up, so that the store still closes and the rest of the close runs.
void Organizer::closeStore() {
    if (!attempt([this] { store_.closeQueries(); })) {
        for (Query* query : {&store_.listRows, &store_.clipboardRows, &store_.scratch})
            if (query->isEditing()) attempt([query] { query->cancel(); });
    }
    attempt([this] { store_.disconnect(); });
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

// The file is compared as the settings write it, so that a file that only reads differently (line
// breaks, spacing) is not written for that alone.
void Organizer::updateSettingsFile(const std::function<void(ProfileFile&)>& change) {
    if (!settingsFile_.mayWrite()) return;
    ProfileFile file = ProfileFile::parse(settingsFile_.read().value_or(""));
    settingsFile_.remember(file.bytes());
    change(file);
    settingsFile_.save(file.bytes());
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

void Organizer::saveSettings() {
    settings_.rightPanelWide = view_.rightPanelWide;
    settings_.messagePadVisible = view_.bottomPanelVisible;
    settings_.taskProperties = view_.taskProperties;
    settings_.easyMode = view_.easyView;
    updateSettingsFile([this](ProfileFile& file) {
        saveSetup(file, settings_, dayTextContext());
        saveLaunchDate(file, today());
    });
    settings_.lastLaunchDate = today();
}

void Organizer::saveMessagePad() { messagePadFile_.save(messagePad_.bytes(codec_)); }

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
    const auto reportFailure = [this](const std::string& message) { report(message); };
    attempt([this] { store_.loadLookupTables(settings_.language); });
    for (Query* query : {&store_.types, &store_.states, &store_.eventKinds, &store_.clipboardRows}) {
        attempt([&] { store_.openStoreQuery(*query, reportFailure); });
    }
    if (store_.isConnected()) {
        attempt([this] { store_.priorities.open(); });
        attempt([this] { tasks_.list.applyStartViewMode(); });
    } else {
        attempt([&] { store_.openStoreQuery(store_.listRows, reportFailure); });
    }
}

void Organizer::setLanguage(int language) {
    settings_.language = language;
    relay_.languageChanged();
    attempt([&] { store_.loadLookupTables(language); });
    loadLanguage();
    if (store_.listRows.isOpen()) attempt([this] { store_.listRows.refresh(); });
}

void Organizer::loadLanguage() {
    attempt([this] {
        const LanguageTable table = torvalet::loadLanguage(languageFilePath(paths_.lang(), settings_.language), codec_);
        applyLanguageLists(table, treePages_);
        relay_.captionsChanged(table);
    });
}

// The day file as the textboard keeps it: by its text, which goes out as rich text.
KeptFile Organizer::dayFile(Date day) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d%02d%02d.rtf", day.day(), day.month(), day.year() % 100);
    const fs::path file = paths_.logs() / name;
    return KeptFile(
        file,
        [this, file]() -> std::optional<std::string> {
            if (!fileExists(file)) return std::nullopt;
            return richTextToPlainText(readFileBytes(file), codec_);
        },
        [this, file](std::string_view text) { saves_.save(file, plainTextToRichText(std::string(text))); });
}

void Organizer::loadTextboard() {
    textboardFile_ = dayFile(today());
    if (const std::optional<std::string> text = textboardFile_.read()) textboard_ = *text;
}

// A day file whose text is unchanged is left as it is, formatting and all. After midnight the text
// goes to the new day's file.
void Organizer::saveTextboard() {
    if (!textboardFile_.mayWrite()) return;
    KeptFile todays = dayFile(today());
    if (todays.path() != textboardFile_.path()) {
        textboardFile_ = std::move(todays);
        textboardFile_.takeOver();
    }
    textboardFile_.save(textboard_);
}

}  // namespace torvalet
