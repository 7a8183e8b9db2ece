#include "model/Settings.h"

#include <cstdio>

#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/Text.h"
#include "model/DayText.h"
#include "base/ProfileFile.h"

namespace torvalet {

namespace {

constexpr const char* general = "General";
constexpr const char* mainWindow = "MainWindow";
constexpr const char* colors = "Colors";
constexpr const char* sounds = "Sounds";
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
    in.color("clTasksGrid", s.clTasksGrid);
    in.color("clTasksFore", s.clTasksFore);
    in.color("clContactsGrid", s.clContactsGrid);
    in.color("clLinksGrid", s.clLinksGrid);
    in.color("clCalendarGrid", s.clCalendarGrid);
    in.color("clQuickie", s.clQuickie);
    in.color("clMessagePad", s.clMessagePad);
    in.color("clTypeMarkBack", s.clTypeMarkBack);
    in.color("clTypeMarkFore", s.clTypeMarkFore);
    in.color("clReminderBack", s.clReminderBack);
    in.color("clReminderFore", s.clReminderFore);
    in.color("clDateMarkBack", s.clDateMarkBack);
    in.color("clDateMarkFore", s.clDateMarkFore);
    in.color("clActiveDateMarkFore", s.clActiveDateMarkFore);
    in.color("FirstPriorCol", s.FirstPriorCol);
    in.color("HiPriorCol", s.HiPriorCol);
    in.color("LowPriorCol", s.LowPriorCol);
    in.color("DoneStateCol", s.DoneStateCol);
    in.color("MuteStateCol", s.MuteStateCol);
    in.color("UndoneStateCol", s.UndoneStateCol);
}

void readSounds(const SetupReader& in, Settings& s) {
    in.flag(sounds, "fEnableSounds", s.fEnableSounds);
    in.flag(sounds, "fStartUpSnd", s.fStartUpSnd);
    in.flag(sounds, "fRemindSnd", s.fRemindSnd);
    in.flag(sounds, "fTickSnd00", s.fTickSnd00);
    in.flag(sounds, "fTickSnd15", s.fTickSnd15);
    in.flag(sounds, "fTickSnd30", s.fTickSnd30);
    in.flag(sounds, "fTickSnd45", s.fTickSnd45);
}

void readFilters(const SetupReader& in, Settings& s) {
    in.flag(filter, "fHideDone", s.fHideDone);
    in.flag(filter, "fHideUndone", s.fHideUndone);
    in.flag(filter, "fHideMute", s.fHideMute);
    in.flag(filter, "fHideNormalState", s.fHideNormalState);
    in.flag(filter, "fHideJokes", s.fHideJokes);
    in.flag(filter, "fHideReminders", s.fHideReminders);
    in.flag(filter, "fHideTips", s.fHideTips);
    in.flag(filter, "fHideLow", s.fHideLow);
}

void readStartUpChoices(const SetupReader& in, Settings& s) {
    in.flag(general, "fClearBlockNoteOnStartUp", s.fClearBlockNoteOnStartUp);
    in.flag(general, "fClearMessagePadOnStartUp", s.fClearMessagePadOnStartUp);
    in.flag(general, "fShiftMutedTasks", s.fShiftMutedTasks);
    in.flag(general, "fMuteExpiredTasks", s.fMuteExpiredTasks);
    in.flag(general, "fEasyMode", s.fEasyMode);
    in.flag(general, "fInsertTimeMarks", s.fInsertTimeMarks);
    in.text(general, "fromWhom", s.fromWhom);
}

void readWindowAndTasks(const SetupReader& in, Settings& s) {
    in.flag(mainWindow, "showProperties", s.showProperties);
    s.PropertyPanel = s.showProperties;
    in.number(mainWindow, "TabSheetNum", s.TabSheetNum);
    in.flag(mainWindow, "MessagePadVisible", s.MessagePadVisible);
    in.number(general, "iLanguage", s.iLanguage);
    in.text(inet, "sEngine", s.sEngine);
    in.number(general, "OrderBy", s.OrderBy);
    in.flag(general, "fAutoRemind", s.fAutoRemind);
    in.flag(general, "fAutoDeleteDoneTasks", s.fAutoDeleteDoneTasks);
    in.flag(interfaceSection, "fTasksGridHLines", s.fTasksGridHLines);
    in.flag(interfaceSection, "fTasksGridVLines", s.fTasksGridVLines);
}

// The last launch date as a day text; a text that is no date leaves the date unset.
std::string readLastLaunchDate(const SetupReader& in, const DayTextContext& dates, Settings& s) {
    in.text(general, "lastLaunchDate", s.lastLaunchDateText);
    if (s.lastLaunchDateText.empty()) return {};
    try {
        s.lastLaunchDate = DayText(dates).DayTextToDate(s.lastLaunchDateText);
    } catch (const ConversionError&) {
        const std::string shown = "torvalet.ini: lastLaunchDate \"" + s.lastLaunchDateText + "\"";
        return russian(s.iLanguage) ? shown + " — неверная дата, значение пропущено."
                                    : shown + " is not a valid date and is ignored.";
    }
    return {};
}

std::string codePageMessage(const std::string& problem, int language) {
    return "torvalet.ini: CodePage: " + problem + (russian(language) ? "; используется UTF-8." : "; UTF-8 is used.");
}

void writeSounds(const SetupWriter& out, const Settings& s) {
    out.flag(sounds, "fEnableSounds", s.fEnableSounds);
    out.flag(sounds, "fStartUpSnd", s.fStartUpSnd);
    out.flag(sounds, "fRemindSnd", s.fRemindSnd);
    out.flag(sounds, "fTickSnd00", s.fTickSnd00);
    out.flag(sounds, "fTickSnd15", s.fTickSnd15);
    out.flag(sounds, "fTickSnd30", s.fTickSnd30);
    out.flag(sounds, "fTickSnd45", s.fTickSnd45);
}

void writeFilters(const SetupWriter& out, const Settings& s) {
    out.flag(filter, "fHideDone", s.fHideDone);
    out.flag(filter, "fHideUndone", s.fHideUndone);
    out.flag(filter, "fHideMute", s.fHideMute);
    out.flag(filter, "fHideNormalState", s.fHideNormalState);
    out.flag(filter, "fHideJokes", s.fHideJokes);
    out.flag(filter, "fHideReminders", s.fHideReminders);
    out.flag(filter, "fHideTips", s.fHideTips);
}

}  // namespace

LoadedSetup loadSetup(const ProfileFile& file, const DayTextContext& dates) {
    LoadedSetup loaded;
    Settings& s = loaded.settings;
    s.CodePage = file.readString(general, "CodePage", "");
    std::string codePageProblem;
    loaded.codec = codecFor(s.CodePage, &codePageProblem);
    const SetupReader in{file, loaded.codec};

    in.text(mainWindow, "fontName", s.fontName);
    in.flag(general, "fRightPanelWide", s.fRightPanelWide);
    readColors(in, s);
    readSounds(in, s);
    in.flag(general, "fAnalyzeCalendar", s.fAnalyzeCalendar);
    in.flag(general, "fAnalyzeContacts", s.fAnalyzeContacts);
    readFilters(in, s);
    readStartUpChoices(in, s);
    readWindowAndTasks(in, s);
    if (!codePageProblem.empty()) loaded.messages.push_back(codePageMessage(codePageProblem, s.iLanguage));
    if (auto problem = readLastLaunchDate(in, dates, s); !problem.empty()) loaded.messages.push_back(problem);
    for (int hour = 0; hour < 24; ++hour)
        in.flag(interfaceSection, timeMarkKey(hour), s.fTimeMark[static_cast<std::size_t>(hour)]);
    in.number(general, "runCount", s.runCount);
    return loaded;
}

TextCodec settingsCodec(const ProfileFile& file, std::string* message) {
    std::string problem;
    TextCodec codec = codecFor(file.readString(general, "CodePage", ""), &problem);
    if (!problem.empty() && message) *message = codePageMessage(problem, file.readInteger(general, "iLanguage", 0));
    return codec;
}

void saveSetup(ProfileFile& file, const Settings& s, const DayTextContext& dates) {
    const SetupWriter out{file, codecFor(s.CodePage)};
    out.flag(general, "fRightPanelWide", s.fRightPanelWide);
    out.flag(mainWindow, "showProperties", s.showProperties);
    out.number(mainWindow, "TabSheetNum", s.TabSheetNum);
    writeSounds(out, s);
    writeFilters(out, s);
    out.flag(general, "fClearBlockNoteOnStartUp", s.fClearBlockNoteOnStartUp);
    out.flag(general, "fClearMessagePadOnStartUp", s.fClearMessagePadOnStartUp);
    out.flag(general, "fEasyMode", s.fEasyMode);
    out.flag(filter, "fHideLow", s.fHideLow);
    out.number(general, "iLanguage", s.iLanguage);
    out.number(general, "OrderBy", s.OrderBy);
    out.text(inet, "sEngine", s.sEngine);
    out.text(general, "lastLaunchDate", formatShortDate(dates.today, dates.shortDateFormat));
    out.flag(mainWindow, "PropertyPanel", s.PropertyPanel);
    out.flag(mainWindow, "MessagePadVisible", s.MessagePadVisible);
    out.flag(interfaceSection, "fTasksGridHLines", s.fTasksGridHLines);
    out.flag(interfaceSection, "fTasksGridVLines", s.fTasksGridVLines);
}

void saveLaunchDate(ProfileFile& file, Date today) {
    file.writeString(general, "lastLaunchDate", formatShortDate(today, "dd.MM.yy"));
}

}  // namespace torvalet
