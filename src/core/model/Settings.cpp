#include "model/Settings.h"

#include <cstdio>

#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/ProfileFile.h"
#include "base/Text.h"
#include "model/DayText.h"

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

std::string timeMarkKey(int hour) {
    char key[16];
    std::snprintf(key, sizeof key, "fTimeMark%02d00", hour);
    return key;
}

bool russian(int language) { return language == 1 || language == 2; }

// Fills fields from the file; a field keeps its value (the default) when its key is missing
// or does not convert.
struct SetupReader {
    const ProfileFile& file;
    TextCodec codec;

    void flag(const char* section, const std::string& key, bool& field) const {
        field = file.readBool(section, key, field);
    }
    void number(const char* section, const char* key, int& field) const {
        field = file.readInteger(section, key, field);
    }
    void color(const char* key, SettingsColor& field) const { field = file.readColor(colors, key, field); }
    void text(const char* section, const char* key, std::string& field) const {
        if (const auto value = file.value(section, key)) field = codec.decode(*value);
    }
};

struct SetupWriter {
    ProfileFile& file;
    TextCodec codec;

    void flag(const char* section, const char* key, bool value) const { file.writeBool(section, key, value); }
    void number(const char* section, const char* key, int value) const { file.writeInteger(section, key, value); }
    void text(const char* section, const char* key, const std::string& value) const {
        file.writeString(section, key, codec.encode(value));
    }
};

// The codec of the code page, or UTF-8 (with `problem` set) when the code page is unknown.
TextCodec codecFor(const std::string& codePage, std::string* problem = nullptr) {
    try {
        return TextCodec(codePage);
    } catch (const Error& error) {
        if (problem) *problem = error.what();
        return TextCodec();
    }
}

void readColors(const SetupReader& in, Settings& s) {
    in.color("clTasksGrid", s.tasksGridColour);
    in.color("clTasksFore", s.tasksTextColour);
    in.color("clContactsGrid", s.contactsGridColour);
    in.color("clLinksGrid", s.linksGridColour);
    in.color("clCalendarGrid", s.calendarGridColour);
    in.color("clQuickie", s.quickieColour);
    in.color("clMessagePad", s.messagePadColour);
    in.color("clTypeMarkBack", s.typeMarkBackColour);
    in.color("clTypeMarkFore", s.typeMarkTextColour);
    in.color("clReminderBack", s.reminderBackColour);
    in.color("clReminderFore", s.reminderTextColour);
    in.color("clDateMarkBack", s.dateMarkBackColour);
    in.color("clDateMarkFore", s.dateMarkTextColour);
    in.color("clActiveDateMarkFore", s.activeDateMarkTextColour);
    in.color("FirstPriorCol", s.firstPriorityColour);
    in.color("HiPriorCol", s.highPriorityColour);
    in.color("LowPriorCol", s.lowPriorityColour);
    in.color("DoneStateCol", s.doneStateColour);
    in.color("MuteStateCol", s.muteStateColour);
    in.color("UndoneStateCol", s.undoneStateColour);
}

void readSounds(const SetupReader& in, Settings& s) {
    in.flag(sounds, "fEnableSounds", s.soundsEnabled);
    in.flag(sounds, "fStartUpSnd", s.startUpSound);
    in.flag(sounds, "fRemindSnd", s.reminderSound);
    in.flag(sounds, "fTickSnd00", s.tickSound00);
    in.flag(sounds, "fTickSnd15", s.tickSound15);
    in.flag(sounds, "fTickSnd30", s.tickSound30);
    in.flag(sounds, "fTickSnd45", s.tickSound45);
}

void readFilters(const SetupReader& in, Settings& s) {
    in.flag(filter, "fHideDone", s.hideDone);
    in.flag(filter, "fHideUndone", s.hideUndone);
    in.flag(filter, "fHideMute", s.hideMute);
    in.flag(filter, "fHideNormalState", s.hideNormalState);
    in.flag(filter, "fHideJokes", s.hideJokes);
    in.flag(filter, "fHideReminders", s.hideReminders);
    in.flag(filter, "fHideTips", s.hideTips);
    in.flag(filter, "fHideLow", s.hideLow);
}

void readStartUpChoices(const SetupReader& in, Settings& s) {
    in.flag(general, "fClearBlockNoteOnStartUp", s.clearBlocknoteOnStart);
    in.flag(general, "fClearMessagePadOnStartUp", s.clearMessagePadOnStart);
    in.flag(general, "fShiftMutedTasks", s.shiftMutedTasks);
    in.flag(general, "fMuteExpiredTasks", s.muteExpiredTasks);
    in.flag(general, "fEasyMode", s.easyMode);
    in.flag(general, "fInsertTimeMarks", s.insertTimeMarks);
    in.text(general, "fromWhom", s.fromWhom);
}

void readWindowAndTasks(const SetupReader& in, Settings& s) {
    in.flag(mainWindow, "showProperties", s.showProperties);
    s.taskProperties = s.showProperties;
    in.number(mainWindow, "TabSheetNum", s.pageNumber);
    in.flag(mainWindow, "MessagePadVisible", s.messagePadVisible);
    in.number(general, "iLanguage", s.language);
    in.text(inet, "sEngine", s.webSearchPrefix);
    in.number(general, "OrderBy", s.taskOrder);
    in.flag(general, "fAutoRemind", s.autoRemind);
    in.flag(general, "fAutoDeleteDoneTasks", s.autoDeleteDoneTasks);
    in.flag(interfaceSection, "fTasksGridHLines", s.tasksGridHorizontalLines);
    in.flag(interfaceSection, "fTasksGridVLines", s.tasksGridVerticalLines);
}

// The last launch date as a day text; a text that is no date leaves the date unset.
std::string readLastLaunchDate(const SetupReader& in, const DayTextContext& dates, Settings& s) {
    in.text(general, "lastLaunchDate", s.lastLaunchDateText);
    if (s.lastLaunchDateText.empty()) return {};
    try {
        s.lastLaunchDate = DayText(dates).dateOfDayText(s.lastLaunchDateText);
    } catch (const ConversionError&) {
        const std::string shown = "torvalet.ini: lastLaunchDate \"" + s.lastLaunchDateText + "\"";
        return russian(s.language) ? shown + " — неверная дата, значение пропущено."
                                   : shown + " is not a valid date and is ignored.";
    }
    return {};
}

std::string codePageMessage(const std::string& problem, int language) {
    return "torvalet.ini: CodePage: " + problem + (russian(language) ? "; используется UTF-8." : "; UTF-8 is used.");
}

void writeSounds(const SetupWriter& out, const Settings& s) {
    out.flag(sounds, "fEnableSounds", s.soundsEnabled);
    out.flag(sounds, "fStartUpSnd", s.startUpSound);
    out.flag(sounds, "fRemindSnd", s.reminderSound);
    out.flag(sounds, "fTickSnd00", s.tickSound00);
    out.flag(sounds, "fTickSnd15", s.tickSound15);
    out.flag(sounds, "fTickSnd30", s.tickSound30);
    out.flag(sounds, "fTickSnd45", s.tickSound45);
}

void writeFilters(const SetupWriter& out, const Settings& s) {
    out.flag(filter, "fHideDone", s.hideDone);
    out.flag(filter, "fHideUndone", s.hideUndone);
    out.flag(filter, "fHideMute", s.hideMute);
    out.flag(filter, "fHideNormalState", s.hideNormalState);
    out.flag(filter, "fHideJokes", s.hideJokes);
    out.flag(filter, "fHideReminders", s.hideReminders);
    out.flag(filter, "fHideTips", s.hideTips);
}

}  // namespace

LoadedSetup loadSetup(const ProfileFile& file, const DayTextContext& dates) {
    LoadedSetup loaded;
    Settings& s = loaded.settings;
    s.codePage = file.readString(general, "CodePage", "");
    std::string codePageProblem;
    loaded.codec = codecFor(s.codePage, &codePageProblem);
    const SetupReader in{file, loaded.codec};

    in.text(mainWindow, "fontName", s.fontName);
    in.flag(general, "fRightPanelWide", s.rightPanelWide);
    readColors(in, s);
    readSounds(in, s);
    in.flag(general, "fAnalyzeCalendar", s.analyzeCalendar);
    in.flag(general, "fAnalyzeContacts", s.analyzeContacts);
    readFilters(in, s);
    readStartUpChoices(in, s);
    readWindowAndTasks(in, s);
    if (!codePageProblem.empty()) loaded.messages.push_back(codePageMessage(codePageProblem, s.language));
    if (auto problem = readLastLaunchDate(in, dates, s); !problem.empty()) loaded.messages.push_back(problem);
    for (int hour = 0; hour < 24; ++hour)
        in.flag(interfaceSection, timeMarkKey(hour), s.timeMarks[static_cast<std::size_t>(hour)]);
    in.number(general, "runCount", s.runCount);
    in.number(reminders, "MaxLateMinutes", s.maxLateMinutes);
    if (s.maxLateMinutes < 0) s.maxLateMinutes = 0;
    in.flag(reminders, "fExecuteLate", s.executeLate);
    return loaded;
}

TextCodec settingsCodec(const ProfileFile& file, std::string* message) {
    std::string problem;
    TextCodec codec = codecFor(file.readString(general, "CodePage", ""), &problem);
    if (!problem.empty() && message) *message = codePageMessage(problem, file.readInteger(general, "iLanguage", 0));
    return codec;
}

void saveSetup(ProfileFile& file, const Settings& s, const DayTextContext& dates) {
    const SetupWriter out{file, codecFor(s.codePage)};
    out.flag(general, "fRightPanelWide", s.rightPanelWide);
    out.flag(mainWindow, "showProperties", s.showProperties);
    out.number(mainWindow, "TabSheetNum", s.pageNumber);
    writeSounds(out, s);
    writeFilters(out, s);
    out.flag(general, "fClearBlockNoteOnStartUp", s.clearBlocknoteOnStart);
    out.flag(general, "fClearMessagePadOnStartUp", s.clearMessagePadOnStart);
    out.flag(general, "fEasyMode", s.easyMode);
    out.flag(filter, "fHideLow", s.hideLow);
    out.number(general, "iLanguage", s.language);
    out.number(general, "OrderBy", s.taskOrder);
    out.text(inet, "sEngine", s.webSearchPrefix);
    out.text(general, "lastLaunchDate", formatShortDate(dates.today, dates.shortDateFormat));
    out.flag(mainWindow, "PropertyPanel", s.taskProperties);
    out.flag(mainWindow, "MessagePadVisible", s.messagePadVisible);
    out.flag(interfaceSection, "fTasksGridHLines", s.tasksGridHorizontalLines);
    out.flag(interfaceSection, "fTasksGridVLines", s.tasksGridVerticalLines);
}

void saveLaunchDate(ProfileFile& file, Date today) {
    file.writeString(general, "lastLaunchDate", formatShortDate(today, "dd.MM.yy"));
}

}  // namespace torvalet
