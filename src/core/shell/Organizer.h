#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Text.h"
#include "platform/Services.h"
#include "reminders/DayText.h"
#include "reminders/Reminders.h"
#include "reminders/SoundCues.h"
#include "shell/AppFolder.h"
#include "shell/MessagePad.h"
#include "shell/ProfileFile.h"
#include "shell/Settings.h"
#include "shell/TreeFileKeeper.h"
#include "shell/TreePages.h"
#include "shell/ViewState.h"
#include "tasks/TaskList.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskRecordRules.h"
#include "tasks/TaskStore.h"
#include "trees/ItemTreeSet.h"

namespace torvalet {

// The organiser without its windows: it owns the settings, the task store, the message pad,
// the textboard and the view state, and runs the start-up and close sequences. The window
// program and the headless companion both drive one of these.
class Organizer {
public:
    Organizer(const Services& services, std::filesystem::path home);
    ~Organizer();
    Organizer(const Organizer&) = delete;
    Organizer& operator=(const Organizer&) = delete;

    // The start-up sequence: settings, store, task list, trees, start of day, launch date.
    // A step that fails is reported and the steps after it that do not depend on it still run.
    void start();
    // The first show of the main window; later calls do nothing.
    void firstShow();
    // The close sequence: clock, store, settings, message pad, trees, textboard. Files whose
    // reading failed at start are not written over.
    void close();

    // Gives a folder what it lacks before the first start (see provisionApplicationFolder).
    static void provision(const AppPaths& paths);

    // Settings, store, lookups and task list only, for the companion's commands; writes nothing.
    void openStore();
    // The start-of-day sequence for `activeDay`.
    void runStartOfDay(Date activeDay);
    // Today becomes the last launch date, in the settings file and in memory.
    void SaveLaunchDate();
    // The Language menu: 0 English, 1 Russian, 2 Macedonian, 3 Hellenic.
    void setLanguage(int language);
    void English1Click() { setLanguage(0); }
    void Russian1Click() { setLanguage(1); }
    void Macedonian1Click() { setLanguage(2); }
    void Hellenic1Click() { setLanguage(3); }

    const AppPaths& paths() const { return paths_; }
    const Services& services() const { return services_; }
    Settings& settings() { return settings_; }
    TaskStore& store() { return store_; }
    TaskList& taskList() { return taskList_; }
    TaskListState& listState() { return listState_; }
    MessagePad& messagePad() { return messagePad_; }
    std::string& textboard() { return textboard_; }
    ViewState& view() { return view_; }
    ItemTreeSet& trees() { return trees_; }
    TreeFileKeeper& treeFiles() { return treeFiles_; }
    TreePages& treePages() { return treePages_; }
    SoundCues& cues() { return cues_; }
    Reminders& reminders() { return reminders_; }
    const TextCodec& codec() const { return codec_; }
    Date lastLaunchDate() const { return settings_.lastLaunchDate; }
    // The date conventions of this moment.
    DayTextContext dayTextContext() const;
    Date today() const;

    // Called after a language change so that the window applies its captions.
    std::function<void()> languageChanged;

private:
    // Runs one step; a failure is shown to the user and the sequence goes on.
    bool attempt(const std::function<void()>& step);
    void report(const std::string& message);

    // The settings file into the settings record, and the code page it names.
    void readSettings();
    void LoadSetup();
    void SaveSetup();
    void runHeader();
    void readSettingsFile();
    void writeSettingsFile();
    void connectStore();
    void openQueries();
    void applyViewMode();
    void loadTextboard();
    void saveTextboard();
    std::filesystem::path textboardFile(Date day) const;

    // Steps whose behaviour arrives with the subsystems that own it.
    void loadTrees();
    void saveTrees();
    void deleteOldClosedTasks() {}
    void mInsertDateMarkClick() {}
    void InsertTimeMarks1Click() {}
    void AnalyzeCalendar() { reminders_.calendar.AnalyzeCalendar(); }
    void AnalyzeContacts() { reminders_.contacts.AnalyzeContacts(); }
    void executeTaskRow(const Query&) {}
    void delayExpiredTasks(Date) {}
    void shiftOpenTasks(Date) {}
    void registerHotKeys() {}

    const Services services_;
    AppPaths paths_;
    ProfileFile settingsFile_;
    bool settingsFileReadable_ = true;
    Settings settings_;
    TextCodec codec_;
    TaskStore store_;
    TaskList taskList_;
    TaskListState listState_;
    TaskRecordRules rules_;
    MessagePad messagePad_;
    bool messagePadReadable_ = true;
    std::string textboard_;
    std::optional<std::filesystem::path> unreadableTextboard_;
    ViewState view_;
    ItemTreeSet trees_;
    TreeFileKeeper treeFiles_;
    SoundCues cues_;
    TreePages treePages_;
    bool firstShowPending_ = true;
    std::vector<std::string> favouriteSearches_;
    Reminders reminders_;
};

}  // namespace torvalet
