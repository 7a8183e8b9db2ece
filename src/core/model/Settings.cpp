#include "model/Settings.h"

#include <cstdio>
#include <stdexcept>

#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/ProfileFile.h"
#include "base/Text.h"
#include "model/DayText.h"
#include "model/Messages.h"

namespace torvalet {

namespace {

constexpr const char* general = "General";
constexpr const char* mainWindow = "MainWindow";
constexpr const char* colors = "Colors";
constexpr const char* sounds = "Sounds";
constexpr const char* reminders = "Reminders";
constexpr const char* filter = "Filter";
constexpr const char* inet = "Inet";
constexpr const char* interfaceSection = "Interface";

constexpr auto flag = SettingKind::Flag;
constexpr auto number = SettingKind::Number;
constexpr auto colour = SettingKind::Colour;
constexpr auto text = SettingKind::Text;

constexpr auto readOnly = KeyUse::ReadOnly;
constexpr auto kept = KeyUse::ReadAndWritten;
constexpr auto writtenOnly = KeyUse::WrittenOnly;

using S = Settings;

constexpr SettingKey codePageKey{general, "CodePage", &S::codePage, SettingKind::CodePage, readOnly};
constexpr SettingKey languageKey{general, "iLanguage", &S::language, SettingKind::LanguageIndex, kept};
constexpr SettingKey launchDateKey{general, "lastLaunchDate", &S::lastLaunchDateText, SettingKind::LaunchDate, kept};

constexpr SettingKey keys[] = {
    // Written at close, in this order.
    {general, "fRightPanelWide", &S::rightPanelWide, flag, kept},
    {mainWindow, "showProperties", &S::showProperties, flag, kept},
    {mainWindow, "TabSheetNum", &S::pageNumber, number, kept},
    {sounds, "fEnableSounds", &S::soundsEnabled, flag, kept},
    {sounds, "fStartUpSnd", &S::startUpSound, flag, kept},
    {sounds, "fRemindSnd", &S::reminderSound, flag, kept},
    {sounds, "fTickSnd00", &S::tickSound00, flag, kept},
    {sounds, "fTickSnd15", &S::tickSound15, flag, kept},
    {sounds, "fTickSnd30", &S::tickSound30, flag, kept},
    {sounds, "fTickSnd45", &S::tickSound45, flag, kept},
    {filter, "fHideDone", &S::hideDone, flag, kept},
    {filter, "fHideUndone", &S::hideUndone, flag, kept},
    {filter, "fHideMute", &S::hideMute, flag, kept},
    {filter, "fHideNormalState", &S::hideNormalState, flag, kept},
    {filter, "fHideJokes", &S::hideJokes, flag, kept},
    {filter, "fHideReminders", &S::hideReminders, flag, kept},
    {filter, "fHideTips", &S::hideTips, flag, kept},
    {general, "fClearBlockNoteOnStartUp", &S::clearBlocknoteOnStart, flag, kept},
    {general, "fClearMessagePadOnStartUp", &S::clearMessagePadOnStart, flag, kept},
    {general, "fEasyMode", &S::easyMode, flag, kept},
    {filter, "fHideLow", &S::hideLow, flag, kept},
    languageKey,
    {general, "OrderBy", &S::taskOrder, number, kept},
    {inet, "sEngine", &S::webSearchPrefix, text, kept},
    launchDateKey,
    {mainWindow, "PropertyPanel", &S::taskProperties, flag, writtenOnly},
    {mainWindow, "MessagePadVisible", &S::messagePadVisible, flag, kept},
    {interfaceSection, "fTasksGridHLines", &S::tasksGridHorizontalLines, flag, kept},
    {interfaceSection, "fTasksGridVLines", &S::tasksGridVerticalLines, flag, kept},

    // Read only: set by editing the file, or written by the step that uses them (runCount).
    codePageKey,
    {general, "fAnalyzeCalendar", &S::analyzeCalendar, flag, readOnly},
    {general, "fAnalyzeContacts", &S::analyzeContacts, flag, readOnly},
    {general, "fShiftMutedTasks", &S::shiftMutedTasks, flag, readOnly},
    {general, "fMuteExpiredTasks", &S::muteExpiredTasks, flag, readOnly},
    {general, "fInsertTimeMarks", &S::insertTimeMarks, flag, readOnly},
    {general, "fromWhom", &S::fromWhom, text, readOnly},
    {general, "fAutoRemind", &S::autoRemind, flag, readOnly},
    {general, "fAutoDeleteDoneTasks", &S::autoDeleteDoneTasks, flag, readOnly},
    {general, "runCount", &S::runCount, number, readOnly},
    {reminders, "MaxLateMinutes", &S::maxLateMinutes, number, readOnly},
    {reminders, "fExecuteLate", &S::executeLate, flag, readOnly},
    {mainWindow, "fontName", &S::fontName, text, readOnly},
    {colors, "clTasksGrid", &S::tasksGridColour, colour, readOnly},
    {colors, "clTasksFore", &S::tasksTextColour, colour, readOnly},
    {colors, "clContactsGrid", &S::contactsGridColour, colour, readOnly},
    {colors, "clLinksGrid", &S::linksGridColour, colour, readOnly},
    {colors, "clCalendarGrid", &S::calendarGridColour, colour, readOnly},
    {colors, "clQuickie", &S::quickieColour, colour, readOnly},
    {colors, "clMessagePad", &S::messagePadColour, colour, readOnly},
    {colors, "clTypeMarkBack", &S::typeMarkBackColour, colour, readOnly},
    {colors, "clTypeMarkFore", &S::typeMarkTextColour, colour, readOnly},
    {colors, "clReminderBack", &S::reminderBackColour, colour, readOnly},
    {colors, "clReminderFore", &S::reminderTextColour, colour, readOnly},
    {colors, "clDateMarkBack", &S::dateMarkBackColour, colour, readOnly},
    {colors, "clDateMarkFore", &S::dateMarkTextColour, colour, readOnly},
    {colors, "clActiveDateMarkFore", &S::activeDateMarkTextColour, colour, readOnly},
    {colors, "FirstPriorCol", &S::firstPriorityColour, colour, readOnly},
    {colors, "HiPriorCol", &S::highPriorityColour, colour, readOnly},
    {colors, "LowPriorCol", &S::lowPriorityColour, colour, readOnly},
    {colors, "DoneStateCol", &S::doneStateColour, colour, readOnly},
    {colors, "MuteStateCol", &S::muteStateColour, colour, readOnly},
    {colors, "UndoneStateCol", &S::undoneStateColour, colour, readOnly},
    {interfaceSection, "fTimeMark", &S::timeMarks, SettingKind::HourFlags, readOnly},
};

// Colours, code pages and hour flags are read only: nothing writes them.
constexpr bool hasWriter(SettingKind kind) {
    return kind != SettingKind::Colour && kind != SettingKind::CodePage && kind != SettingKind::HourFlags;
}

// The type of field that holds each kind's value.
constexpr bool fitsItsKind(const SettingKey& row) {
    switch (row.kind) {
    case SettingKind::Flag: return std::holds_alternative<bool S::*>(row.member);
    case SettingKind::Number:
    case SettingKind::Colour: return std::holds_alternative<int S::*>(row.member);
    case SettingKind::Text:
    case SettingKind::CodePage:
    case SettingKind::LaunchDate: return std::holds_alternative<std::string S::*>(row.member);
    case SettingKind::LanguageIndex: return std::holds_alternative<Language S::*>(row.member);
    case SettingKind::HourFlags: return std::holds_alternative<std::array<bool, 24> S::*>(row.member);
    }
    return false;
}

constexpr bool soundTable() {
    for (const SettingKey& row : keys) {
        if (!fitsItsKind(row) || (row.use != KeyUse::ReadOnly && !hasWriter(row.kind))) return false;
    }
    return true;
}
static_assert(soundTable(), "a settings key whose field does not fit its kind, or that is written without a writer");

template <class Value>
Value& field(Settings& s, const SettingKey& row) {
    return s.*std::get<Value S::*>(row.member);
}

template <class Value>
const Value& field(const Settings& s, const SettingKey& row) {
    return s.*std::get<Value S::*>(row.member);
}

std::string hourKey(const char* key, int hour) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%02d00", hour);
    return key + std::string(suffix);
}

// Fills the row's field from the file; the field keeps its value (the default) when its key is
// missing or does not convert.
void readKey(const ProfileFile& file, const TextCodec& codec, const SettingKey& row, Settings& s) {
    switch (row.kind) {
    case SettingKind::Flag: {
        bool& value = field<bool>(s, row);
        value = file.readBool(row.section, row.key, value);
        return;
    }
    case SettingKind::Number: {
        int& value = field<int>(s, row);
        value = file.readInteger(row.section, row.key, value);
        return;
    }
    case SettingKind::Colour: {
        int& value = field<int>(s, row);
        value = file.readColor(row.section, row.key, value);
        return;
    }
    case SettingKind::Text:
    case SettingKind::LaunchDate:
        if (const auto value = file.value(row.section, row.key)) field<std::string>(s, row) = codec.decode(*value);
        return;
    case SettingKind::CodePage: {
        std::string& value = field<std::string>(s, row);
        value = file.readString(row.section, row.key, value);
        return;
    }
    case SettingKind::LanguageIndex: {
        Language& value = field<Language>(s, row);
        value = Language(file.readInteger(row.section, row.key, value.index()));
        return;
    }
    case SettingKind::HourFlags: {
        auto& hours = field<std::array<bool, 24>>(s, row);
        for (int hour = 0; hour < 24; ++hour) {
            bool& value = hours[static_cast<std::size_t>(hour)];
            value = file.readBool(row.section, hourKey(row.key, hour), value);
        }
        return;
    }
    }
}

void writeKey(ProfileFile& file, const TextCodec& codec, const SettingKey& row, const Settings& s, Date today) {
    switch (row.kind) {
    case SettingKind::Flag: file.writeBool(row.section, row.key, field<bool>(s, row)); return;
    case SettingKind::Number: file.writeInteger(row.section, row.key, field<int>(s, row)); return;
    case SettingKind::Text: file.writeString(row.section, row.key, codec.encode(field<std::string>(s, row))); return;
    case SettingKind::LanguageIndex: file.writeInteger(row.section, row.key, field<Language>(s, row).index()); return;
    case SettingKind::LaunchDate: saveLaunchDate(file, today); return;
    case SettingKind::Colour:
    case SettingKind::CodePage:
    case SettingKind::HourFlags: break;
    }
    throw std::logic_error(std::string("torvalet.ini: no writer for the key ") + row.key);
}

// The codec of the code page, or UTF-8 (with `problem` set) when the code page is unknown.
TextCodec codecFor(const std::string& codePage, std::string* problem = nullptr) {
    try {
        return TextCodec(codePage);
    } catch (const Error& error) {
        if (problem) *problem = error.what();
        return TextCodec();
    }
}

std::string codePageMessage(const std::string& problem, Language language) {
    return message(MessageId::CodePageUnknown, language, problem);
}

// The last launch date as a day text; a text that is no date leaves the date unset.
std::string parseLastLaunchDate(const DayTextContext& dates, Settings& s) {
    if (s.lastLaunchDateText.empty()) return {};
    try {
        s.lastLaunchDate = DayText(dates).dateOfDayText(s.lastLaunchDateText);
    } catch (const ConversionError&) {
        return message(MessageId::LaunchDateInvalid, s.language, s.lastLaunchDateText);
    }
    return {};
}

}  // namespace

std::span<const SettingKey> settingKeys() { return keys; }

LoadedSetup loadSetup(const ProfileFile& file, const DayTextContext& dates) {
    LoadedSetup loaded;
    Settings& s = loaded.settings;
    // The code page first: the texts are read through it.
    readKey(file, loaded.codec, codePageKey, s);
    std::string codePageProblem;
    loaded.codec = codecFor(s.codePage, &codePageProblem);
    for (const SettingKey& row : keys) {
        if (row.use != KeyUse::WrittenOnly && row.kind != SettingKind::CodePage) readKey(file, loaded.codec, row, s);
    }
    s.taskProperties = s.showProperties;
    if (!codePageProblem.empty()) loaded.messages.push_back(codePageMessage(codePageProblem, s.language));
    if (auto problem = parseLastLaunchDate(dates, s); !problem.empty()) loaded.messages.push_back(problem);
    if (s.maxLateMinutes < 0) s.maxLateMinutes = 0;
    return loaded;
}

TextCodec settingsCodec(const ProfileFile& file, std::string* message) {
    Settings s;
    readKey(file, TextCodec(), codePageKey, s);
    std::string problem;
    TextCodec codec = codecFor(s.codePage, &problem);
    if (!problem.empty() && message) {
        readKey(file, codec, languageKey, s);
        *message = codePageMessage(problem, s.language);
    }
    return codec;
}

void saveSetup(ProfileFile& file, const Settings& s, Date today) {
    const TextCodec codec = codecFor(s.codePage);
    for (const SettingKey& row : keys) {
        if (row.use != KeyUse::ReadOnly) writeKey(file, codec, row, s, today);
    }
}

void saveLaunchDate(ProfileFile& file, Date today) {
    file.writeString(launchDateKey.section, launchDateKey.key, formatShortDate(today, "dd.MM.yy"));
}

}  // namespace torvalet
