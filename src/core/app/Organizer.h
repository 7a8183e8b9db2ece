#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/HelpCommands.h"
#include "app/LanguageFile.h"
#include "app/ObserverRelay.h"
#include "app/TreePages.h"
#include "app/ViewCommands.h"
#include "base/FileSaves.h"
#include "base/KeptFile.h"
#include "base/ProfileFile.h"
#include "base/Text.h"
#include "hotkeys/HotKeyCommands.h"
#include "model/AppFolder.h"
#include "model/DayText.h"
#include "model/MessagePad.h"
#include "model/Settings.h"
#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "navigation/Navigation.h"
#include "platform/Services.h"
#include "reminders/Reminders.h"
#include "tasks/TaskList.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskRecordRules.h"
#include "tasks/TaskStore.h"
#include "tasks/Tasks.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeEditGuard.h"
#include "trees/TreeFileKeeper.h"

namespace torvalet {

// The organiser without its windows: it owns the settings, the task store, the message pad,
// the textboard, the trees and the view state, and the files they are kept in. Its start-up
// (StartUp.cpp) and close (Close.cpp) sequences stand in units of their own. The window program
// and the headless companion both drive one of these, and each registers an observer.
class Organizer : private ReminderClock::Duties {
public:
    Organizer(const Services& services, std::filesystem::path home);
    ~Organizer();
    Organizer(const Organizer&) = delete;
    Organizer& operator=(const Organizer&) = delete;

    // What the organiser changes is told to `observer` from now on; null for nobody. The observer
    // must stay until it is replaced.
    void setObserver(OrganizerObserver* observer) { relay_.setTarget(observer); }

    // The start-up sequence: settings, store, task list, trees, start of day, launch date.
    // A step that fails is reported and the steps after it that do not depend on it still run.
    // `closeRequested` is asked between the steps (it must stay valid until close): when it
    // answers true (the user or the system asked to close), start-up ends before its next step
    // and shows no more messages.
    void start(const std::function<bool()>& closeRequested = nullptr);
    // The first show of the main window; later calls do nothing.
    void firstShow();
    // The close sequence: clock, store, settings, message pad, trees, textboard. Each step runs
    // whatever became of the one before. Only files that start-up read whole (or found missing)
    // are written, and only when their bytes change: a file that could not be read, or that a
    // start cut short never reached, is left as it is.
    void close();

    // A program that may not write the folder (another one may): it writes no file and no task,
    // and at close tells which files it did not save. Set before start().
    void setReadOnly(bool readOnly) { saves_.setReadOnly(readOnly); }
    bool isReadOnly() const { return saves_.readOnly(); }

    // Gives a folder what it lacks before the first start (see provisionApplicationFolder).
    static void provision(const AppPaths& paths);

    // Settings, store, lookups and (with `openList`) the task list only, for the companion's
    // commands; writes nothing. Throws when the store or a lookup table cannot be opened. Without
    // the list, the list's hide flags are still set as the view mode wants them.
    void openStore(bool openList = true);
    // The start-of-day sequence for `activeDay`, as one unit, of the steps the store has not
    // recorded as done for that day. Needs a store that can be written.
    void runStartOfDay(Date activeDay);
    // Today becomes the last launch date, in the settings file and in memory.
    void recordLaunchDate();
    // The Language menu: 0 English, 1 Russian, 2 Macedonian, 3 Hellenic.
    void setLanguage(int language);
    void chooseEnglish() { setLanguage(0); }
    void chooseRussian() { setLanguage(1); }
    void chooseMacedonian() { setLanguage(2); }
    void chooseHellenic() { setLanguage(3); }

    // The shared state and the commands over it, which the window hands to its pieces.
    const AppPaths& paths() const { return paths_; }
    const Services& services() const { return services_; }
    Settings& settings() { return settings_; }
    TaskStore& store() { return store_; }
    MessagePad& messagePad() { return messagePad_; }
    std::string& textboard() { return textboard_; }
    ViewState& view() { return view_; }
    ViewCommands& viewCommands() { return viewCommands_; }
    HelpCommands& helpCommands() { return helpCommands_; }
    ItemTreeSet& trees() { return trees_; }
    TreePages& treePages() { return treePages_; }
    HotKeyCommands& hotKeys() { return hotKeys_; }
    Navigation& navigation() { return navigation_; }
    Reminders& reminders() { return reminders_; }
    // Every task command, and in their context the task list and its state.
    Tasks& tasks() { return tasks_; }
    const TextCodec& codec() const { return codec_; }
    Date lastLaunchDate() const { return settings_.lastLaunchDate; }
    // The date conventions of this moment.
    DayTextContext dayTextContext() const;
    Date today() const;

    // Applies the language file of the language in force: the dialogs' lists here, every caption
    // through the observer. A missing file gives the file's defaults; one that cannot be read is
    // reported and changes nothing.
    void loadLanguage();

private:
    enum class Phase { Created, Starting, Running, Closing };

    // Runs one step; a failure is shown to the user and the sequence goes on.
    bool attempt(const std::function<void()>& step);
    void report(const std::string& message);
    bool stopping() const { return closeRequested_ && closeRequested_(); }
    // What the reminder clock leaves to the organiser.
    void startOfDay() override;
    void minutePassed() override;
    // Reads the settings file again, changes it and writes it when its bytes changed, so that
    // keys edited by hand meanwhile are kept. Nothing happens when it could not be read at start.
    void updateSettingsFile(const std::function<void(ProfileFile&)>& change);
    // The textboard's file of the day, kept by its text.
    KeptFile dayFile(Date day);
    static std::string listBytes(const std::vector<std::string>& items);

    // --- Start-up (StartUp.cpp) ---
    void removeSaveLeftovers();
    // The parts of start-up between which a close request ends it.
    void openStoreAtStart();
    void readTreesAndStartTheDay();
    void finishStart();
    // The settings file into the settings record, and the code page it names.
    void readSettings();
    void loadSettingsAtStart();
    void runHeader();
    void connectStore();
    void openQueries();
    void loadTrees();
    void loadTextboard();
    bool taskStoreWritable() const;
    // The start-of-day sequence for `day` when the store has not recorded it complete.
    void startTheDay(Date day);
    // Throws when the tree's file could not be read: what it holds is not the file's whole.
    void needReadable(TreeId tree, const char* what) const;
    void deleteOldClosedTasks() { tasks_.maintenance.deleteOldClosedTasks(); }
    void insertDayMark() { tasks_.marks.insertDayMark(); }
    void insertTimeMarks() { tasks_.marks.insertTimeMarks(); }
    void analyzeCalendar() { reminders_.calendar.analyzeCalendar(); }
    void analyzeContacts() { reminders_.contacts.analyzeContacts(); }
    void delayExpiredTasks(Date activeDay) { tasks_.maintenance.delayExpiredTasks(activeDay); }
    void shiftOpenTasks(Date activeDay) { tasks_.maintenance.shiftOpenTasks(activeDay); }
    void registerHotKeys() { hotKeys_.registerHotKeys(); }

    // --- Close (Close.cpp) ---
    void saveFavourites();
    void closeStore();
    // The written keys and the launch date, into the settings file as it is now.
    void saveSettings();
    void saveMessagePad();
    void saveTrees();
    void saveTextboard();

    const Services services_;
    AppPaths paths_;
    Phase phase_ = Phase::Created;
    std::function<bool()> closeRequested_;
    // Every component is given its part of this at construction.
    ObserverRelay relay_;
    // Every file the organiser keeps is saved through these.
    FileSaves saves_;
    KeptFile settingsFile_;
    Settings settings_;
    TextCodec codec_;
    TaskStore store_;
    TaskList taskList_;
    TaskListState listState_;
    TaskRecordRules rules_;
    MessagePad messagePad_;
    KeptFile messagePadFile_;
    std::string textboard_;
    // Today's day file, or a later day's once the close has moved on to it; it keeps the text.
    KeptFile textboardFile_;
    ViewState view_;
    ViewCommands viewCommands_;
    HelpCommands helpCommands_;
    ItemTreeSet trees_;
    TreeFileKeeper treeFiles_;
    // Refuses every change of a tree whose file could not be read.
    TreeEditGuard treeGuard_;
    SoundCues cues_;
    Navigation navigation_;
    TreePages treePages_;
    HotKeyCommands hotKeys_;
    bool firstShowPending_ = true;
    // The last day whose start this run has tried.
    Date startOfDayTried_;
    std::vector<std::string> favouriteSearches_;
    KeptFile favouritesList_;
    Tasks tasks_;
    Reminders reminders_;
};

}  // namespace torvalet
