#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Date.h"
#include "base/Text.h"

namespace torvalet {

class ProfileFile;
struct DayTextContext;

// A colour as the settings file holds it: 0x00BBGGRR.
using SettingsColor = std::int32_t;

constexpr std::array<bool, 24> defaultTimeMarks() {
    std::array<bool, 24> marks{};
    for (int hour = 8; hour <= 18; ++hour) marks[static_cast<std::size_t>(hour)] = true;
    return marks;
}

// The program's copy of the settings file "torvalet.ini": one field per key, named after it,
// holding the key's default until loadSetup fills it.
struct Settings {
    // [General]
    bool fRightPanelWide = false;  // the check state of "Right Panel Wide"
    bool fAnalyzeCalendar = true;
    bool fAnalyzeContacts = true;
    bool fClearBlockNoteOnStartUp = false;
    bool fClearMessagePadOnStartUp = true;
    bool fShiftMutedTasks = false;
    bool fMuteExpiredTasks = false;
    bool fEasyMode = false;
    bool fInsertTimeMarks = false;
    std::string fromWhom;
    int iLanguage = 0;
    int OrderBy = 1;
    bool fAutoRemind = true;
    bool fAutoDeleteDoneTasks = true;
    Date lastLaunchDate;             // null when unset or unreadable
    std::string lastLaunchDateText;  // the value as read
    int runCount = 0;
    std::string CodePage;  // code page of the program's 8-bit files; empty is UTF-8

    // [MainWindow]
    std::string fontName = "Tahoma";
    bool showProperties = false;
    int TabSheetNum = 1;
    bool MessagePadVisible = true;  // the check state of "MessagePad"
    bool PropertyPanel = false;     // the check state of "Modify Task...", showProperties at start

    // [Colors]
    SettingsColor clTasksGrid = 0x00FFFFFF;
    SettingsColor clTasksFore = 0x00000000;
    SettingsColor clContactsGrid = 0x00FFFFFF;
    SettingsColor clLinksGrid = 0x00FFFFFF;
    SettingsColor clCalendarGrid = 0x00FFFFFF;
    SettingsColor clQuickie = 0x00FFFFFF;
    SettingsColor clMessagePad = 0x00FFFFFF;
    SettingsColor clTypeMarkBack = 0x00FFFFFF;
    SettingsColor clTypeMarkFore = 0x00000000;
    SettingsColor clReminderBack = 0x00FFFFFF;
    SettingsColor clReminderFore = 0x00000000;
    SettingsColor clDateMarkBack = 0x00FFFFFF;
    SettingsColor clDateMarkFore = 0x00000000;
    SettingsColor clActiveDateMarkFore = 0x00000000;
    SettingsColor FirstPriorCol = 0x00CC0000;
    SettingsColor HiPriorCol = 0x00CC0000;
    SettingsColor LowPriorCol = 0x00CC0000;
    SettingsColor DoneStateCol = 0x00FFFFFF;
    SettingsColor MuteStateCol = 0x00FFFFFF;
    SettingsColor UndoneStateCol = 0x00FFFFFF;

    // [Sounds]
    bool fEnableSounds = true;
    bool fStartUpSnd = true;
    bool fRemindSnd = true;
    bool fTickSnd00 = true;
    bool fTickSnd15 = false;
    bool fTickSnd30 = false;
    bool fTickSnd45 = false;

    // [Filter]: the filter flags in force
    bool fHideDone = true;
    bool fHideUndone = true;
    bool fHideMute = false;
    bool fHideNormalState = false;
    bool fHideLow = true;
    bool fHideJokes = true;
    bool fHideReminders = true;
    bool fHideTips = true;

    // [Inet]: put directly before the search words of a web search
    std::string sEngine = "https://duckduckgo.com/?q=";

    // [Interface]
    bool fTasksGridHLines = true;
    bool fTasksGridVLines = true;
    std::array<bool, 24> fTimeMark = defaultTimeMarks();  // keys fTimeMark0000 ... fTimeMark2300

    friend bool operator==(const Settings&, const Settings&) = default;
};

struct LoadedSetup {
    Settings settings;
    // The code page of the program's 8-bit files: CodePage's, or UTF-8 when that is unknown.
    TextCodec codec;
    // Problems met on the way (an unreadable date, an unknown code page), for the user; each was
    // answered with the key's default.
    std::vector<std::string> messages;
};

// Reads every key of the settings file into a record; missing keys and values that do not
// convert give the defaults. The last launch date is read as a day text under `dates`.
LoadedSetup loadSetup(const ProfileFile& file, const DayTextContext& dates);

// The code page that the settings file puts in force for the program's 8-bit files; UTF-8, with
// `message` set for the user, when the file names one that is unknown.
TextCodec settingsCodec(const ProfileFile& file, std::string* message = nullptr);

// Writes the keys the program keeps in the file, the last launch date as today in the short
// date format. Reads nothing back into the record.
void saveSetup(ProfileFile& file, const Settings& settings, const DayTextContext& dates);

// Writes `today` as the last launch date in the form "dd.mm.yy", whatever the locale.
void saveLaunchDate(ProfileFile& file, Date today);

}  // namespace torvalet
