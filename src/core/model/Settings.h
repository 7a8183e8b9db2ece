#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "base/Date.h"
#include "base/Text.h"
#include "model/Language.h"

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

// The program's copy of the settings file "torvalet.ini": one field per key (settingKeys() names
// the key of each), holding the key's default until loadSetup fills it.
struct Settings {
    // [General]
    bool rightPanelWide = false;  // the check state of "Right Panel Wide"
    bool analyzeCalendar = true;
    bool analyzeContacts = true;
    bool clearBlocknoteOnStart = false;
    bool clearMessagePadOnStart = true;
    bool shiftMutedTasks = false;
    bool muteExpiredTasks = false;
    bool easyMode = false;
    bool insertTimeMarks = false;
    std::string fromWhom;
    Language language;
    int taskOrder = 1;
    bool autoRemind = true;
    bool autoDeleteDoneTasks = true;
    Date lastLaunchDate;             // null when unset or unreadable
    std::string lastLaunchDateText;  // the value as read (at close today is written)
    int runCount = 0;
    std::string codePage;  // code page of the program's 8-bit files; empty is UTF-8

    // [MainWindow]
    std::string fontName = "Tahoma";
    bool showProperties = false;
    int pageNumber = 1;
    bool messagePadVisible = true;  // the check state of "MessagePad"
    bool taskProperties = false;    // the check state of "Modify Task...", showProperties at start;
                                    // written as PropertyPanel, never read

    // [Colors]
    SettingsColor tasksGridColour = 0x00FFFFFF;
    SettingsColor tasksTextColour = 0x00000000;
    SettingsColor contactsGridColour = 0x00FFFFFF;
    SettingsColor linksGridColour = 0x00FFFFFF;
    SettingsColor calendarGridColour = 0x00FFFFFF;
    SettingsColor quickieColour = 0x00FFFFFF;
    SettingsColor messagePadColour = 0x00FFFFFF;
    SettingsColor typeMarkBackColour = 0x00FFFFFF;
    SettingsColor typeMarkTextColour = 0x00000000;
    SettingsColor reminderBackColour = 0x00FFFFFF;
    SettingsColor reminderTextColour = 0x00000000;
    SettingsColor dateMarkBackColour = 0x00FFFFFF;
    SettingsColor dateMarkTextColour = 0x00000000;
    SettingsColor activeDateMarkTextColour = 0x00000000;
    SettingsColor firstPriorityColour = 0x00CC0000;
    SettingsColor highPriorityColour = 0x00CC0000;
    SettingsColor lowPriorityColour = 0x00CC0000;
    SettingsColor doneStateColour = 0x00FFFFFF;
    SettingsColor muteStateColour = 0x00FFFFFF;
    SettingsColor undoneStateColour = 0x00FFFFFF;

    // [Sounds]
    bool soundsEnabled = true;
    bool startUpSound = true;
    bool reminderSound = true;
    bool tickSound00 = true;
    bool tickSound15 = false;
    bool tickSound30 = false;
    bool tickSound45 = false;

    // [Reminders]: read only, written by hand
    int maxLateMinutes = 60;   // MaxLateMinutes: a reminder missed longer ago than this does not ring
    bool executeLate = false;  // fExecuteLate: a task marked for execution is executed when it rings late

    // [Filter]: the filter flags in force
    bool hideDone = true;
    bool hideUndone = true;
    bool hideMute = false;
    bool hideNormalState = false;
    bool hideLow = true;
    bool hideJokes = true;
    bool hideReminders = true;
    bool hideTips = true;

    // [Inet]: put directly before the search words of a web search
    std::string webSearchPrefix = "https://duckduckgo.com/?q=";

    // [Interface]
    bool tasksGridHorizontalLines = true;
    bool tasksGridVerticalLines = true;
    std::array<bool, 24> timeMarks = defaultTimeMarks();  // keys fTimeMark0000 ... fTimeMark2300

    friend bool operator==(const Settings&, const Settings&) = default;
};

// How a key's value is spelled in the file.
enum class SettingKind : std::uint8_t {
    Flag,           // "1" or "0"; any other integer reads as true
    Number,         // a decimal integer, or hexadecimal after "$" or "0x"
    Colour,         // "$00BBGGRR" or the same number in decimal
    Text,           // text in the file's code page
    CodePage,       // the name of the code page of the texts, read before them
    LanguageIndex,  // the language index, a number
    LaunchDate,     // a day text "dd.mm.yy"; a close writes today
    HourFlags,      // one flag per hour: the key followed by the hour as HH00, "fTimeMark0700"
};

enum class KeyUse : std::uint8_t {
    ReadOnly,        // read at start, never written
    ReadAndWritten,  // read at start and written at close
    WrittenOnly,     // written at close, never read
};

using SettingMember = std::variant<bool Settings::*, int Settings::*, std::string Settings::*, Language Settings::*,
                                   std::array<bool, 24> Settings::*>;

// One key of the settings file and the field of Settings that holds it. The field's default is
// the key's default.
struct SettingKey {
    const char* section;
    const char* key;
    SettingMember member;
    SettingKind kind;
    KeyUse use;
};

// Every key of the settings file. The keys written at close come in the order that they are
// written, which is the order in which a new file gets them.
std::span<const SettingKey> settingKeys();

struct LoadedSetup {
    Settings settings;
    // The code page of the program's 8-bit files: codePage's, or UTF-8 when that is unknown.
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

// Writes the keys the program keeps in the file, in their order, `today` as the last launch date
// (as saveLaunchDate writes it). Reads nothing back into the record.
void saveSetup(ProfileFile& file, const Settings& settings, Date today);

// Writes `today` as the last launch date in the form "dd.mm.yy", whatever the locale.
void saveLaunchDate(ProfileFile& file, Date today);

}  // namespace torvalet
