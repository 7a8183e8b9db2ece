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

}  // namespace

Organizer::Organizer(const Services& services, fs::path home)
    : services_(services),
      paths_{std::move(home)},
      rules_(listState_, services.clock, services.locale, [this] { return settings_.autoRemind; }),
      viewCommands_(view_, messagePad_, services.ui, settings_),
      helpCommands_(services.shell, services.ui, settings_, paths_.home),
      treeFiles_(trees_, paths_.home),
      cues_(services.sound, services.ui, paths_.sounds(), settings_),
      treePages_(trees_, services_, cues_, view_, settings_, store_.listRows, paths_, codec_, treeFiles_,
                 [this] { return dayTextContext(); }),
      hotKeys_(trees_, services_, treePages_.requests, messagePad_, settings_),
      navigation_(trees_, view_, treePages_.commands),

      reminders_(services_, store_, listState_, settings_, view_, cues_, messagePad_, trees_,
                 [this] { return dayTextContext(); }),
      tasks_(
          TaskContext{
              services_, paths_, store_, taskList_, listState_, settings_, view_, cues_, codec_, {}, {}, {}, {}},
          treePages_.goals, treePages_.requests) {
    rules_.install(store_.listRows);
    // At midnight today is selected first, so that the new day gets its day mark.
    reminders_.clock.hooks.startOfDay = [this] {
        listState_.calendar.selectToday(today());
        {
            const QuerySuspension suspension(store_.listRows);
            runStartOfDay(today());
        }
        attempt([this] { recordLaunchDate(); });
    };
    reminders_.clock.hooks.executeTaskRow = [this](const Query& row) { executeTaskRow(row); };
    reminders_.clock.hooks.autoplayTips = [this] { viewCommands_.autoplayTick(); };
    treePages_.phrases.saveFile = [this](const fs::path& file, const std::string& bytes) { saveFile(file, bytes); };
    store_.listRows.setSql(taskList_.statement(taskList_.currentOrder()));
    try {
        favouritesAsRead_ = services_.perUserStore.readList(favouriteSearchesList);
        favouriteSearches_ = favouritesAsRead_;
        favouritesRead_ = true;
    } catch (const std::exception&) {
        // Kept as it is: the list is not written at close.
    }
}

Organizer::~Organizer() = default;

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

void Organizer::saveFile(const fs::path& file, const std::string& bytes) {
    if (readOnly_) {
        if (std::find(notSaved_.begin(), notSaved_.end(), file.string()) == notSaved_.end())
            notSaved_.push_back(file.string());
    } else {
        writeFileAtomic(file, bytes);
    }
}

void Organizer::start() {
    phase_ = Phase::Starting;
    listState_.calendar.selectToday(today());
    if (!readOnly_) attempt([this] { removeSaveLeftovers(); });
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
    treeFiles_.saveAll(
        codec_, [this](const std::string& message) { report(message); },
        [this](const fs::path& file, const std::string& bytes) { saveFile(file, bytes); });
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
    if (!notSaved_.empty()) {
        std::string message =
            "The application folder \"" + paths_.home.string() + "\" is open read-only. These files were not saved:";
        for (const std::string& file : notSaved_) message += "\n" + file;
        notSaved_.clear();
        report(message);
    }
}

void Organizer::saveFavourites() {
    if (!favouritesRead_ || readOnly_ || favouriteSearches_ == favouritesAsRead_) return;
    services_.perUserStore.writeList(favouriteSearchesList, favouriteSearches_);
    favouritesAsRead_ = favouriteSearches_;
}

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
        file = SetupFile(paths_.home).read();
        settingsRead_ = true;
    } catch (const std::exception& error) {
        // Every key takes its default, and the file is never written over.
        report(error.what());
    }
    LoadedSetup loaded = loadSetup(file, dayTextContext());
    settings_ = std::move(loaded.settings);
    codec_ = std::move(loaded.codec);
    for (const std::string& message : loaded.messages) report(message);
}

void Organizer::updateSettingsFile(const std::function<void(ProfileFile&)>& change) {
    if (!settingsRead_) return;
    ProfileFile file = SetupFile(paths_.home).read();
    const std::string before = file.bytes();
    change(file);
    std::string after = file.bytes();
    if (after != before) saveFile(paths_.settings(), after);
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
        messagePadRead_ = true;
        return;
    }
    const Date day = today();
    int runCount = settings_.runCount;
    if (day != lastLaunchDate()) {
        messagePad_.clear();
        runCount = 0;
    } else {
        try {
            const std::string bytes = readFileBytes(paths_.messagePad());
            messagePad_.setLines(MessagePad::linesOf(bytes, codec_));
            messagePadBytes_ = FileFingerprint::of(bytes);
        } catch (...) {
            // Whatever stopped the reading, the file is kept as it is.
            messagePad_.clear();
            throw;
        }
        runCount = runCount < std::numeric_limits<int>::max() ? runCount + 1 : runCount;
    }
    messagePadRead_ = true;
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
    updateSettingsFile([this](ProfileFile& file) { saveSetup(file, settings_, today()); });
    settings_.lastLaunchDate = today();
}

void Organizer::saveMessagePad() {
    if (!messagePadRead_) return;
    const std::string bytes = messagePad_.bytes(codec_);
    const FileFingerprint written = FileFingerprint::of(bytes);
    if (messagePadBytes_ == written) return;
    saveFile(paths_.messagePad(), bytes);
    messagePadBytes_ = written;
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
    store_.connect(paths_.data(), readOnly_);
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
    settings_.language = Language(language);
    if (languageChanged) languageChanged();
    attempt([&] { store_.loadLookupTables(language); });
    loadLanguage();
    if (store_.listRows.isOpen()) attempt([this] { store_.listRows.refresh(); });
}

void Organizer::loadLanguage() {
    attempt([this] {
        const LanguageTable table = torvalet::loadLanguage(languageFilePath(paths_.lang(), settings_.language), codec_);
        applyLanguageLists(table, treePages_);
        if (captionsChanged) captionsChanged(table);
    });
}

fs::path Organizer::textboardFile(Date day) const {
    char name[16];
    std::snprintf(name, sizeof name, "%02d%02d%02d.rtf", day.day(), day.month(), day.year() % 100);
    return paths_.logs() / name;
}

void Organizer::loadTextboard() {
    const fs::path file = textboardFile(today());
    if (fileExists(file)) textboardAsRead_ = richTextToPlainText(readFileBytes(file), codec_);
    if (textboardAsRead_) textboard_ = *textboardAsRead_;
    textboardDay_ = today();
    textboardRead_ = true;
}

// A day file whose text is unchanged is left as it is, formatting and all.
void Organizer::saveTextboard() {
    if (!textboardRead_ || (textboard_ == textboardAsRead_ && today() == textboardDay_)) return;
    saveFile(textboardFile(today()), plainTextToRichText(textboard_));
    textboardAsRead_ = textboard_;
    textboardDay_ = today();
}

}  // namespace torvalet
