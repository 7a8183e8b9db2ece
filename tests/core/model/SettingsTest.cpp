#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>

#include "base/ProfileFile.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/DayText.h"
#include "model/Settings.h"
#include "model/SetupFile.h"

namespace torvalet {
namespace {

const Date today = Date::fromYmd(2026, 3, 10);

DayTextContext datesUnder(const std::string& format) {
    testing::FakeLocale locale;
    locale.format = format;
    return DayTextContext::fromLocale(locale, today);
}

LoadedSetup load(const std::string& bytes, const std::string& format = "dd.MM.yyyy") {
    return loadSetup(ProfileFile::parse(bytes), datesUnder(format));
}

std::string goldenFile(const std::string& name) {
    return testing::readText(std::filesystem::path(TORVALET_TEST_DATA) / "settings" / name);
}

TEST(Settings, MissingFileGivesDefaultsAndACloseWritesOnlyTheKeptKeys) {
    testing::TempDir dir;
    const SetupFile setupFile(dir.path());
    ProfileFile file = setupFile.read();
    const LoadedSetup loaded = loadSetup(file, datesUnder("dd.MM.yyyy"));
    EXPECT_EQ(loaded.settings, Settings{});
    EXPECT_TRUE(loaded.messages.empty());
    EXPECT_TRUE(loaded.settings.lastLaunchDate.isNull());
    EXPECT_FALSE(loaded.settings.timeMarks[7]);
    EXPECT_TRUE(loaded.settings.timeMarks[8]);
    EXPECT_TRUE(loaded.settings.timeMarks[18]);
    EXPECT_FALSE(loaded.settings.timeMarks[19]);

    saveSetup(file, loaded.settings, today);
    setupFile.write(file);
    EXPECT_EQ(testing::readText(dir / "torvalet.ini"), goldenFile("closed-from-defaults.ini"));
}

// The bytes that a close writes over the file: the settings loaded at start, saved over the file
// as it is read again at close, under a locale whose short date is neither day first nor short.
std::string closed(const std::string& bytes) {
    ProfileFile file = ProfileFile::parse(bytes);
    const LoadedSetup loaded = loadSetup(file, datesUnder("M/d/yyyy"));
    saveSetup(file, loaded.settings, today);
    return file.bytes();
}

TEST(Settings, ACloseWritesTheGoldenBytes) {
    const struct {
        std::string read;
        const char* golden;
    } cases[] = {
        {"", "closed-from-defaults.ini"},
        {goldenFile("customised.ini"), "customised-closed.ini"},
    };
    for (const auto& c : cases) EXPECT_EQ(closed(c.read), goldenFile(c.golden)) << c.golden;
}

// Each key of the file with a value other than its default, the field that it lands in, and what
// a close writes for that field (nullptr for a key that is never written).
struct KeyCase {
    const char* section;
    const char* key;
    const char* value;
    void (*change)(Settings&);
    const char* written;
};

const KeyCase keyCases[] = {
    {"General", "CodePage", "1251", [](Settings& s) { s.codePage = "1251"; }, nullptr},
    {"General", "fRightPanelWide", "1", [](Settings& s) { s.rightPanelWide = true; }, "1"},
    {"General", "fAnalyzeCalendar", "0", [](Settings& s) { s.analyzeCalendar = false; }, nullptr},
    {"General", "fAnalyzeContacts", "0", [](Settings& s) { s.analyzeContacts = false; }, nullptr},
    {"General", "fClearBlockNoteOnStartUp", "1", [](Settings& s) { s.clearBlocknoteOnStart = true; }, "1"},
    {"General", "fClearMessagePadOnStartUp", "0", [](Settings& s) { s.clearMessagePadOnStart = false; }, "0"},
    {"General", "fShiftMutedTasks", "1", [](Settings& s) { s.shiftMutedTasks = true; }, nullptr},
    {"General", "fMuteExpiredTasks", "1", [](Settings& s) { s.muteExpiredTasks = true; }, nullptr},
    {"General", "fEasyMode", "1", [](Settings& s) { s.easyMode = true; }, "1"},
    {"General", "fInsertTimeMarks", "1", [](Settings& s) { s.insertTimeMarks = true; }, nullptr},
    {"General", "fromWhom", "Пётр", [](Settings& s) { s.fromWhom = "Пётр"; }, nullptr},
    {"General", "iLanguage", "3", [](Settings& s) { s.language = Language::hellenic; }, "3"},
    {"General", "OrderBy", "5", [](Settings& s) { s.taskOrder = 5; }, "5"},
    {"General", "fAutoRemind", "0", [](Settings& s) { s.autoRemind = false; }, nullptr},
    {"General", "fAutoDeleteDoneTasks", "0", [](Settings& s) { s.autoDeleteDoneTasks = false; }, nullptr},
    // A close writes today, whatever the record holds.
    {"General", "lastLaunchDate", "31.12.05",
     [](Settings& s) {
         s.lastLaunchDateText = "31.12.05";
         s.lastLaunchDate = Date::fromYmd(2005, 12, 31);
     },
     "10.03.26"},
    {"General", "runCount", "9", [](Settings& s) { s.runCount = 9; }, nullptr},
    {"Reminders", "MaxLateMinutes", "15", [](Settings& s) { s.maxLateMinutes = 15; }, nullptr},
    {"Reminders", "fExecuteLate", "1", [](Settings& s) { s.executeLate = true; }, nullptr},
    {"MainWindow", "fontName", "DejaVu Sans", [](Settings& s) { s.fontName = "DejaVu Sans"; }, nullptr},
    // "Modify Task..." starts checked as showProperties says.
    {"MainWindow", "showProperties", "1",
     [](Settings& s) {
         s.showProperties = true;
         s.taskProperties = true;
     },
     "1"},
    {"MainWindow", "TabSheetNum", "4", [](Settings& s) { s.pageNumber = 4; }, "4"},
    {"MainWindow", "MessagePadVisible", "0", [](Settings& s) { s.messagePadVisible = false; }, "0"},
    {"Colors", "clTasksGrid", "$00123456", [](Settings& s) { s.tasksGridColour = 0x123456; }, nullptr},
    {"Colors", "clTasksFore", "$00123456", [](Settings& s) { s.tasksTextColour = 0x123456; }, nullptr},
    {"Colors", "clContactsGrid", "$00123456", [](Settings& s) { s.contactsGridColour = 0x123456; }, nullptr},
    {"Colors", "clLinksGrid", "$00123456", [](Settings& s) { s.linksGridColour = 0x123456; }, nullptr},
    {"Colors", "clCalendarGrid", "$00123456", [](Settings& s) { s.calendarGridColour = 0x123456; }, nullptr},
    {"Colors", "clQuickie", "$00123456", [](Settings& s) { s.quickieColour = 0x123456; }, nullptr},
    {"Colors", "clMessagePad", "$00123456", [](Settings& s) { s.messagePadColour = 0x123456; }, nullptr},
    {"Colors", "clTypeMarkBack", "$00123456", [](Settings& s) { s.typeMarkBackColour = 0x123456; }, nullptr},
    {"Colors", "clTypeMarkFore", "$00123456", [](Settings& s) { s.typeMarkTextColour = 0x123456; }, nullptr},
    {"Colors", "clReminderBack", "$00123456", [](Settings& s) { s.reminderBackColour = 0x123456; }, nullptr},
    {"Colors", "clReminderFore", "$00123456", [](Settings& s) { s.reminderTextColour = 0x123456; }, nullptr},
    {"Colors", "clDateMarkBack", "$00123456", [](Settings& s) { s.dateMarkBackColour = 0x123456; }, nullptr},
    {"Colors", "clDateMarkFore", "$00123456", [](Settings& s) { s.dateMarkTextColour = 0x123456; }, nullptr},
    {"Colors", "clActiveDateMarkFore", "$00123456", [](Settings& s) { s.activeDateMarkTextColour = 0x123456; },
     nullptr},
    {"Colors", "FirstPriorCol", "$00123456", [](Settings& s) { s.firstPriorityColour = 0x123456; }, nullptr},
    {"Colors", "HiPriorCol", "$00123456", [](Settings& s) { s.highPriorityColour = 0x123456; }, nullptr},
    {"Colors", "LowPriorCol", "$00123456", [](Settings& s) { s.lowPriorityColour = 0x123456; }, nullptr},
    {"Colors", "DoneStateCol", "$00123456", [](Settings& s) { s.doneStateColour = 0x123456; }, nullptr},
    {"Colors", "MuteStateCol", "$00123456", [](Settings& s) { s.muteStateColour = 0x123456; }, nullptr},
    {"Colors", "UndoneStateCol", "$00123456", [](Settings& s) { s.undoneStateColour = 0x123456; }, nullptr},
    {"Sounds", "fEnableSounds", "0", [](Settings& s) { s.soundsEnabled = false; }, "0"},
    {"Sounds", "fStartUpSnd", "0", [](Settings& s) { s.startUpSound = false; }, "0"},
    {"Sounds", "fRemindSnd", "0", [](Settings& s) { s.reminderSound = false; }, "0"},
    {"Sounds", "fTickSnd00", "0", [](Settings& s) { s.tickSound00 = false; }, "0"},
    {"Sounds", "fTickSnd15", "1", [](Settings& s) { s.tickSound15 = true; }, "1"},
    {"Sounds", "fTickSnd30", "1", [](Settings& s) { s.tickSound30 = true; }, "1"},
    {"Sounds", "fTickSnd45", "1", [](Settings& s) { s.tickSound45 = true; }, "1"},
    {"Filter", "fHideDone", "0", [](Settings& s) { s.hideDone = false; }, "0"},
    {"Filter", "fHideUndone", "0", [](Settings& s) { s.hideUndone = false; }, "0"},
    {"Filter", "fHideMute", "1", [](Settings& s) { s.hideMute = true; }, "1"},
    {"Filter", "fHideNormalState", "1", [](Settings& s) { s.hideNormalState = true; }, "1"},
    {"Filter", "fHideLow", "0", [](Settings& s) { s.hideLow = false; }, "0"},
    {"Filter", "fHideJokes", "0", [](Settings& s) { s.hideJokes = false; }, "0"},
    {"Filter", "fHideReminders", "0", [](Settings& s) { s.hideReminders = false; }, "0"},
    {"Filter", "fHideTips", "0", [](Settings& s) { s.hideTips = false; }, "0"},
    {"Inet", "sEngine", "https://example.org/?s=", [](Settings& s) { s.webSearchPrefix = "https://example.org/?s="; },
     "https://example.org/?s="},
    {"Interface", "fTasksGridHLines", "0", [](Settings& s) { s.tasksGridHorizontalLines = false; }, "0"},
    {"Interface", "fTasksGridVLines", "0", [](Settings& s) { s.tasksGridVerticalLines = false; }, "0"},
    {"Interface", "fTimeMark0700", "1", [](Settings& s) { s.timeMarks[7] = true; }, nullptr},
    {"Interface", "fTimeMark1800", "0", [](Settings& s) { s.timeMarks[18] = false; }, nullptr},
};

TEST(Settings, EveryKeyLandsInItsOwnFieldAndAKeptOneIsWrittenBack) {
    for (const KeyCase& c : keyCases) {
        Settings expected;
        c.change(expected);
        const std::string line = std::string(c.key) + "=" + c.value;
        const LoadedSetup loaded = load("[" + std::string(c.section) + "]\n" + line + "\n");
        EXPECT_TRUE(loaded.settings == expected) << line << " changed another field, or not its own";

        ProfileFile file;
        saveSetup(file, expected, today);
        EXPECT_EQ(file.value(c.section, c.key), c.written ? std::optional<std::string>(c.written) : std::nullopt)
            << line;
    }
}

TEST(Settings, PropertyPanelIsWrittenAndNeverRead) {
    EXPECT_TRUE(load("[MainWindow]\nPropertyPanel=1\n").settings == Settings{});
    Settings s;
    s.taskProperties = true;
    ProfileFile file;
    saveSetup(file, s, today);
    EXPECT_EQ(file.value("MainWindow", "PropertyPanel"), "1");
    EXPECT_EQ(file.value("MainWindow", "showProperties"), "0");
}

// A key added to the table is added to the cases above too.
TEST(Settings, TheCasesCoverEveryKeyOfTheTable) {
    for (const SettingKey& row : settingKeys()) {
        if (row.use == KeyUse::WrittenOnly) continue;
        const bool covered = std::any_of(std::begin(keyCases), std::end(keyCases), [&](const KeyCase& c) {
            return std::string_view(c.section) == row.section && std::string_view(c.key).starts_with(row.key);
        });
        EXPECT_TRUE(covered) << row.section << " " << row.key;
    }
}

TEST(Settings, HandSetValuesSurviveAStartAndAClose) {
    const std::string original =
        "[Sounds]\r\n"
        "fTickSnd15=1\r\n"
        "fTickSnd30=0\r\n"
        "fTickSnd45=1\r\n"
        "[MainWindow]\r\n"
        "showProperties=1\r\n"
        "[Colors]\r\n"
        "; my colours\r\n"
        "clTasksGrid=$00cc0000\r\n"
        "[Interface]\r\n"
        "fTimeMark0700=1\r\n"
        "fTimeMark1800=0\r\n";
    ProfileFile file = ProfileFile::parse(original);
    LoadedSetup loaded = loadSetup(file, datesUnder("dd.MM.yyyy"));
    Settings& s = loaded.settings;
    EXPECT_TRUE(s.tickSound15);
    EXPECT_FALSE(s.tickSound30);
    EXPECT_TRUE(s.tickSound45);
    EXPECT_TRUE(s.taskProperties);  // "Modify Task..." starts checked as showProperties says
    EXPECT_EQ(s.tasksGridColour, 0x00CC0000);
    EXPECT_TRUE(s.timeMarks[7]);
    EXPECT_FALSE(s.timeMarks[18]);

    s.taskProperties = false;  // the user unchecks "Modify Task..."
    s.hideDone = false;
    saveSetup(file, s, today);
    const std::string saved = file.bytes();
    EXPECT_NE(saved.find("fTickSnd15=1\r\nfTickSnd30=0\r\nfTickSnd45=1\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[Colors]\r\n; my colours\r\nclTasksGrid=$00cc0000\r\n"), std::string::npos);
    EXPECT_NE(saved.find("fTimeMark0700=1\r\nfTimeMark1800=0\r\n"), std::string::npos);

    const Settings reloaded = loadSetup(file, datesUnder("dd.MM.yyyy")).settings;
    EXPECT_TRUE(reloaded.tickSound15);
    EXPECT_FALSE(reloaded.tickSound30);
    EXPECT_TRUE(reloaded.tickSound45);
    EXPECT_TRUE(reloaded.showProperties);
    EXPECT_FALSE(reloaded.hideDone);
    EXPECT_EQ(file.readBool("MainWindow", "PropertyPanel", true), false);
}

TEST(Settings, ValuesThatDoNotConvertGiveTheDefaults) {
    const Settings s = load(
                           "[general]\n"
                           "FAUTOREMIND=no\n"
                           "fEasyMode=true\n"
                           "iLanguage=$2\n"
                           "OrderBy=0x3\n"
                           "[mainwindow]\n"
                           "TabSheetNum=first\n"
                           "[Colors]\n"
                           "clTasksGrid=white\n"
                           "clTasksFore=$00FFFFFF\n"
                           "clMessagePad=16777215\n"
                           "clReminderBack=$00ffffff\n")
                           .settings;
    EXPECT_TRUE(s.autoRemind);
    EXPECT_FALSE(s.easyMode);
    EXPECT_EQ(s.language, Language::macedonian);
    EXPECT_EQ(s.taskOrder, 3);
    EXPECT_EQ(s.pageNumber, 1);
    EXPECT_EQ(s.tasksGridColour, 0x00FFFFFF);
    EXPECT_EQ(s.tasksTextColour, 0x00FFFFFF);
    EXPECT_EQ(s.messagePadColour, s.tasksTextColour);
    EXPECT_EQ(s.reminderBackColour, s.tasksTextColour);
}

TEST(Settings, LastLaunchDateIsADayTextWhateverTheLocale) {
    for (const char* format : {"dd.MM.yyyy", "M/d/yyyy", "yyyy-MM-dd", "d MMM yyyy"}) {
        const LoadedSetup loaded = load("[General]\nlastLaunchDate=31.12.05\n", format);
        EXPECT_EQ(loaded.settings.lastLaunchDate, Date::fromYmd(2005, 12, 31)) << format;
        EXPECT_TRUE(loaded.messages.empty()) << format;

        ProfileFile file;
        saveSetup(file, loaded.settings, today);
        EXPECT_EQ(file.readString("General", "lastLaunchDate", ""), "10.03.26") << format;
        EXPECT_EQ(loadSetup(file, datesUnder(format)).settings.lastLaunchDate, today) << format;
    }
}

TEST(Settings, ALastLaunchDateThatIsNoDateIsReportedAndLeftUnset) {
    const struct {
        const char* text;
        const char* language;
        const char* messagePart;
    } cases[] = {
        {"yesterday", "0", "is not a valid date"},
        {"31.02.05", "0", "is not a valid date"},
        {"12/31/2005", "1", "неверная дата"},
    };
    for (const auto& c : cases) {
        const LoadedSetup loaded =
            load(std::string("[General]\niLanguage=") + c.language + "\nlastLaunchDate=" + c.text + "\n");
        EXPECT_TRUE(loaded.settings.lastLaunchDate.isNull()) << c.text;
        EXPECT_EQ(loaded.settings.lastLaunchDateText, c.text);
        ASSERT_EQ(loaded.messages.size(), 1u) << c.text;
        EXPECT_NE(loaded.messages[0].find(c.text), std::string::npos) << loaded.messages[0];
        EXPECT_NE(loaded.messages[0].find(c.messagePart), std::string::npos) << loaded.messages[0];
    }
}

TEST(Settings, TextsGoThroughTheCodePageOfTheFile) {
    // "Пётр" and "поиск" in code page 1251.
    ProfileFile file = ProfileFile::parse(
        "[General]\nCodePage=1251\nfromWhom=\xCF\xB8\xF2\xF0\n[Inet]\nsEngine=\xEF\xEE\xE8\xF1\xEA\n");
    LoadedSetup loaded = loadSetup(file, datesUnder("dd.MM.yyyy"));
    EXPECT_TRUE(loaded.messages.empty());
    EXPECT_EQ(loaded.settings.fromWhom, "Пётр");
    EXPECT_EQ(loaded.settings.webSearchPrefix, "поиск");

    loaded.settings.webSearchPrefix = "ищи";
    saveSetup(file, loaded.settings, today);
    EXPECT_EQ(file.readString("Inet", "sEngine", ""), "\xE8\xF9\xE8");
    EXPECT_EQ(file.readString("General", "fromWhom", ""), "\xCF\xB8\xF2\xF0");
    EXPECT_EQ(file.readString("General", "CodePage", ""), "1251");

    ProfileFile unknown = ProfileFile::parse("[General]\nCodePage=no-such-page\n[Inet]\nsEngine=\xEF\xEE\n");
    loaded = loadSetup(unknown, datesUnder("dd.MM.yyyy"));
    ASSERT_EQ(loaded.messages.size(), 1u);
    EXPECT_NE(loaded.messages[0].find("no-such-page"), std::string::npos);
    saveSetup(unknown, loaded.settings, today);
    EXPECT_EQ(unknown.readString("Inet", "sEngine", ""), "\xEF\xEE");
}

}  // namespace
}  // namespace torvalet
