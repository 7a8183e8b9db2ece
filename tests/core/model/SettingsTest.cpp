#include <gtest/gtest.h>

#include <filesystem>

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

    saveSetup(file, loaded.settings, datesUnder("dd.MM.yyyy"));
    setupFile.write(file);
    EXPECT_EQ(testing::readText(dir / "torvalet.ini"),
              "[General]\n"
              "fRightPanelWide=0\n"
              "fClearBlockNoteOnStartUp=0\n"
              "fClearMessagePadOnStartUp=1\n"
              "fEasyMode=0\n"
              "iLanguage=0\n"
              "OrderBy=1\n"
              "lastLaunchDate=10.03.2026\n"
              "\n"
              "[MainWindow]\n"
              "showProperties=0\n"
              "TabSheetNum=1\n"
              "PropertyPanel=0\n"
              "MessagePadVisible=1\n"
              "\n"
              "[Sounds]\n"
              "fEnableSounds=1\n"
              "fStartUpSnd=1\n"
              "fRemindSnd=1\n"
              "fTickSnd00=1\n"
              "fTickSnd15=0\n"
              "fTickSnd30=0\n"
              "fTickSnd45=0\n"
              "\n"
              "[Filter]\n"
              "fHideDone=1\n"
              "fHideUndone=1\n"
              "fHideMute=0\n"
              "fHideNormalState=0\n"
              "fHideJokes=1\n"
              "fHideReminders=1\n"
              "fHideTips=1\n"
              "fHideLow=1\n"
              "\n"
              "[Inet]\n"
              "sEngine=https://duckduckgo.com/?q=\n"
              "\n"
              "[Interface]\n"
              "fTasksGridHLines=1\n"
              "fTasksGridVLines=1\n");
}

std::string goldenFile(const std::string& name) {
    return testing::readText(std::filesystem::path(TORVALET_TEST_DATA) / "settings" / name);
}

// The bytes that a close writes over the file: the settings loaded at start, saved over the file
// as it is read again at close, under a locale whose short date is neither day first nor short.
std::string closed(const std::string& bytes) {
    ProfileFile file = ProfileFile::parse(bytes);
    const LoadedSetup loaded = loadSetup(file, datesUnder("M/d/yyyy"));
    saveSetup(file, loaded.settings, datesUnder("M/d/yyyy"));
    saveLaunchDate(file, today);
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
    saveSetup(file, s, datesUnder("dd.MM.yyyy"));
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
        saveSetup(file, loaded.settings, datesUnder(format));
        saveLaunchDate(file, today);
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
    saveSetup(file, loaded.settings, datesUnder("dd.MM.yyyy"));
    EXPECT_EQ(file.readString("Inet", "sEngine", ""), "\xE8\xF9\xE8");
    EXPECT_EQ(file.readString("General", "fromWhom", ""), "\xCF\xB8\xF2\xF0");
    EXPECT_EQ(file.readString("General", "CodePage", ""), "1251");

    ProfileFile unknown = ProfileFile::parse("[General]\nCodePage=no-such-page\n[Inet]\nsEngine=\xEF\xEE\n");
    loaded = loadSetup(unknown, datesUnder("dd.MM.yyyy"));
    ASSERT_EQ(loaded.messages.size(), 1u);
    EXPECT_NE(loaded.messages[0].find("no-such-page"), std::string::npos);
    saveSetup(unknown, loaded.settings, datesUnder("dd.MM.yyyy"));
    EXPECT_EQ(unknown.readString("Inet", "sEngine", ""), "\xEF\xEE");
}

}  // namespace
}  // namespace torvalet
