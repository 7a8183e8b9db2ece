#include "shell/Organizer.h"

#include <cstdio>

#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/FileIo.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/PerUserStore.h"
#include "platform/Sound.h"
#include "platform/UserInterface.h"
#include "shell/RichText.h"
#include "shell/SetupFile.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

const char* const favouriteSearchesList = "FaveGoogleSearches";

}  // namespace

Organizer::Organizer(const Services& services, fs::path home)
    : services_(services),
      paths_{std::move(home)},
      rules_(listState_, services.clock, services.locale, [this] { return settings_.fAutoRemind; }),
      treeFiles_(trees_, paths_.home),
      cues_(services.sound, services.ui, paths_.sounds(), settings_),
      treePages_(trees_, services_, cues_, view_, settings_, store_.tasksQ, paths_, codec_, treeFiles_,
                 [this] { return dayTextContext(); }),
      reminders_(services_, store_, listState_, settings_, view_, cues_, messagePad_, trees_,
                 [this] { return dayTextContext(); }) {
    rules_.install(store_.tasksQ);
    // At midnight today is selected first, so that the new day gets its day mark.
    reminders_.clock.hooks.startOfDay = [this] {
        listState_.calendar.selectToday(today());
        store_.tasksQ.suspend();
        runStartOfDay(today());
        store_.tasksQ.resume();
        attempt([this] { SaveLaunchDate(); });
    };
    reminders_.clock.hooks.executeTaskRow = [this](const Query& row) { executeTaskRow(row); };
    store_.tasksQ.setSql(taskList_.statement(taskList_.currentOrder()));
    favouriteSearches_ = services_.perUserStore.readList(favouriteSearchesList);
}

Organizer::~Organizer() = default;

Date Organizer::today() const { return services_.clock.now().date; }

DayTextContext Organizer::dayTextContext() const { return DayTextContext::fromLocale(services_.locale, today()); }

void Organizer::report(const std::string& message) { services_.ui.showMessage(message); }

bool Organizer::attempt(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        report(error.what());
        return false;
    }
}

void Organizer::start() {
    listState_.calendar.selectToday(today());
    attempt([this] { LoadSetup(); });
    attempt([this] { connectStore(); });
    openQueries();
    view_.activePage = kTasksPage;
    view_.goalPage = 0;
    if (store_.tasksQ.isOpen()) attempt([this] { applyViewMode(); });

    store_.tasksQ.suspend();
    attempt([this] { loadTrees(); });
    if (settings_.fAutoDeleteDoneTasks) attempt([this] { deleteOldClosedTasks(); });
    if (today() != lastLaunchDate()) runStartOfDay(today());
    store_.tasksQ.resume();

    attempt([this] { SaveLaunchDate(); });
    attempt([this] { loadTextboard(); });
    attempt([this] { registerHotKeys(); });
    if (settings_.fRightPanelWide) view_.rightPanelWide = !view_.rightPanelWide;
}

void Organizer::openStore() {
    readSettings();
    listState_.calendar.selectToday(today());
    connectStore();
    openQueries();
    if (!store_.tasksQ.isOpen()) throw StoreError("The task list could not be opened");
    applyViewMode();
}

void Organizer::provision(const AppPaths& paths) {
    provisionApplicationFolder(paths, [&paths] { TreeFileKeeper::provision(paths.home, TextCodec()); });
}

void Organizer::loadTrees() {
    treeFiles_.loadAll(codec_, [this](const std::string& message) { report(message); }, nullptr);
}

void Organizer::saveTrees() { treeFiles_.saveAll(codec_, [this](const std::string& message) { report(message); }); }

void Organizer::firstShow() {
    if (!firstShowPending_) return;
    view_.bottomPanelVisible = settings_.MessagePadVisible;
    view_.clockRunning = true;
    firstShowPending_ = false;
}

void Organizer::runStartOfDay(Date activeDay) {
    attempt([this] { mInsertDateMarkClick(); });
    if (settings_.fInsertTimeMarks) attempt([this] { InsertTimeMarks1Click(); });
    if (settings_.fAnalyzeCalendar) attempt([this] { AnalyzeCalendar(); });
    if (settings_.fAnalyzeContacts) attempt([this] { AnalyzeContacts(); });
    if (settings_.fMuteExpiredTasks) attempt([this, activeDay] { delayExpiredTasks(activeDay); });
    if (settings_.fShiftMutedTasks) attempt([this, activeDay] { shiftOpenTasks(activeDay); });
}

void Organizer::close() {
    attempt([this] { services_.perUserStore.writeList(favouriteSearchesList, favouriteSearches_); });
    view_.clockRunning = false;
    services_.sound.stop();
    attempt([this] { store_.closeQueries(); });
    store_.disconnect();
    attempt([this] { SaveSetup(); });
    attempt([this] { SaveLaunchDate(); });
    attempt([this] { saveTrees(); });
    attempt([this] { saveTextboard(); });
}

void Organizer::readSettingsFile() {
    settingsFile_ = ProfileFile();
    try {
        settingsFile_ = SetupFile(paths_.home).read();
    } catch (const FileError&) {
        settingsFileReadable_ = false;
        throw;
    }
}

void Organizer::writeSettingsFile() {
    if (settingsFileReadable_) SetupFile(paths_.home).write(settingsFile_);
}

void Organizer::readSettings() {
    attempt([this] { readSettingsFile(); });
    LoadedSetup loaded = loadSetup(settingsFile_, dayTextContext());
    settings_ = std::move(loaded.settings);
    for (const std::string& message : loaded.messages) report(message);
    attempt([this] { codec_ = TextCodec(settings_.CodePage); });
}

void Organizer::LoadSetup() {
    readSettings();
    view_.taskProperties = settings_.showProperties;
    view_.bottomPanelVisible = settings_.MessagePadVisible;
    runHeader();
}

void Organizer::runHeader() {
    if (!fileExists(paths_.messagePad())) return;
    const Date day = today();
    int runCount = settings_.runCount;
    if (day != lastLaunchDate()) {
        messagePad_.clear();
        runCount = 0;
    } else {
        try {
            messagePad_.load(paths_.messagePad(), codec_);
        } catch (const FileError&) {
            messagePadReadable_ = false;
            throw;
        }
        ++runCount;
    }
    const std::string header = "...-> #" + std::to_string(runCount) + " [ " +
                               formatShortDate(day, services_.locale.shortDateFormat()) + " :: " +
                               timeText(services_.clock.now()) + " ]";
    messagePad_.prepend(header);
    settings_.runCount = runCount;
    settingsFile_.writeInteger("General", "runCount", runCount);
    writeSettingsFile();
}

void Organizer::SaveSetup() {
    settings_.fRightPanelWide = view_.rightPanelWide;
    settings_.MessagePadVisible = view_.bottomPanelVisible;
    settings_.PropertyPanel = view_.taskProperties;
    settings_.fEasyMode = view_.easyView;
    saveSetup(settingsFile_, settings_, dayTextContext());
    writeSettingsFile();
    if (messagePadReadable_) messagePad_.save(paths_.messagePad(), codec_);
}

void Organizer::SaveLaunchDate() {
    saveLaunchDate(settingsFile_, today());
    settings_.lastLaunchDate = today();
    writeSettingsFile();
}

void Organizer::connectStore() {
    store_.closeQueries();
    store_.connect(paths_.data());
}

void Organizer::openQueries() {
    const auto reportFailure = [this](const std::string& message) { report(message); };
    attempt([this] { store_.loadLookupTables(settings_.iLanguage); });
    for (Query* query : {&store_.typeKeyQ, &store_.stateKeyQ, &store_.EventsKeyQ, &store_.clipboardQ}) {
        attempt([&] { store_.openStoreQuery(*query, reportFailure); });
    }
    if (store_.isConnected()) attempt([this] { store_.priorityKeyQ.open(); });
    attempt([&] { store_.openStoreQuery(store_.tasksQ, reportFailure); });
}

void Organizer::applyViewMode() {
    view_.easyView = settings_.fEasyMode;
    const bool easy = view_.easyView;
    const TaskList::Flag presetFlags[] = {TaskList::HideDone, TaskList::HideUndone, TaskList::HideTabs,
                                          TaskList::HideReminders};
    for (int f = 0; f < TaskList::FlagCount; ++f) taskList_.setFlag(static_cast<TaskList::Flag>(f), false);
    for (TaskList::Flag f : presetFlags) taskList_.setFlag(f, easy);
    settings_.fHideDone = settings_.fHideUndone = settings_.fHideReminders = easy;
    settings_.fHideMute = settings_.fHideNormalState = settings_.fHideLow = false;
    settings_.fHideJokes = settings_.fHideTips = false;
    taskList_.listTasks(store_.tasksQ, TaskList::orderList(settings_.OrderBy));
}

void Organizer::setLanguage(int language) {
    settings_.iLanguage = language;
    attempt([&] { store_.loadLookupTables(language); });
    if (languageChanged) languageChanged();
    if (store_.tasksQ.isOpen()) attempt([this] { store_.tasksQ.refresh(); });
}

fs::path Organizer::textboardFile(Date day) const {
    char name[16];
    std::snprintf(name, sizeof name, "%02d%02d%02d.rtf", day.day(), day.month(), day.year() % 100);
    return paths_.logs() / name;
}

void Organizer::loadTextboard() {
    const fs::path file = textboardFile(today());
    if (!fileExists(file)) return;
    try {
        textboard_ = richTextToPlainText(readFileBytes(file), codec_);
    } catch (const FileError&) {
        unreadableTextboard_ = file;
        throw;
    }
}

void Organizer::saveTextboard() {
    const fs::path file = textboardFile(today());
    if (file == unreadableTextboard_) return;
    writeFileAtomic(file, plainTextToRichText(textboard_));
}

}  // namespace torvalet
