#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/LanguageFile.h"
#include "base/Errors.h"
#include "base/ProfileFile.h"
#include "base/Text.h"
#include "fakes/TempDir.h"

namespace torvalet {
namespace {

using Kind = LanguageTarget::Kind;

LanguageTable readText(const std::string& bytes, const TextCodec& codec = TextCodec()) {
    return loadLanguage(ProfileFile::parse(bytes), codec);
}

std::string caption(const LanguageTable& table, const char* window, const char* component) {
    const std::string* text = table.find(Kind::Caption, window, component);
    return text ? *text : "<none>";
}

std::string column(const LanguageTable& table, const char* tree, int index) {
    const std::string* text = table.find(Kind::TreeColumn, "Form1", tree, index);
    return text ? *text : "<none>";
}

// A file that gives every key the text "<section>/<key>", written from the keys a table reads.
std::string fileOfEveryKey() {
    std::map<std::string, std::vector<std::string>> sections;
    std::set<std::string> seen;
    for (const LanguageValue& value : readText("").values)
        if (seen.insert(value.section + "/" + value.key).second) sections[value.section].push_back(value.key);
    std::string bytes;
    for (const auto& [section, keys] : sections) {
        bytes += "[" + section + "]\r\n";
        for (const std::string& key : keys) bytes += key + "=" + section + "/" + key + "\r\n";
    }
    return bytes;
}

TEST(LanguageFile, EveryValueOfACompleteFileReachesItsTarget) {
    const LanguageTable table = readText(fileOfEveryKey());
    ASSERT_EQ(table.values.size(), 555u);
    for (const LanguageValue& value : table.values) EXPECT_EQ(value.text, value.section + "/" + value.key);

    std::map<std::string, int> perSection;
    for (const LanguageValue& value : table.values) ++perSection[value.section];
    EXPECT_EQ(perSection["Form1"], 347);
    EXPECT_EQ(perSection["Tabs"], 11);
    EXPECT_EQ(perSection["GoalForm"], 57);

    // Keys spelt otherwise than the components they caption, and the key read twice.
    const struct {
        const char* component;
        const char* text;
    } renamed[] = {{"Quit1", "Form1/mExit.c"},
                   {"FilterByProblems1", "Form1/FilterByProblem1.c"},
                   {"Delete1", "Form1/DeleteTasks1.c"},
                   {"mDateStateTime", "Form1/mStateDateTime.c"},
                   {"DatePriorityAndTime1", "Form1/PriorityDateandTime1.c"},
                   {"messagePad1", "Form1/MessagePad1.c"},
                   {"NewChildGoal_mp", "Form1/NewChildRoot_mp.c"},
                   {"NewChildLink_mp", "Form1/NewChildRoot_mp.c"},
                   {"", "Form1/Form.c"}};
    for (const auto& r : renamed) EXPECT_EQ(caption(table, "Form1", r.component), r.text) << r.component;
    EXPECT_EQ(caption(table, "Form1", "mExit"), "<none>");
    EXPECT_EQ(caption(table, "Form1", "NewChildRoot_mp"), "<none>");

    // Column titles shared by trees; the other link trees get none.
    for (const char* tree : {"Goal3Tree", "Goal4Tree", "Goal5Tree"})
        EXPECT_EQ(column(table, tree, 4), "Goal3Tree/Goal3TreeHeaderCol4") << tree;
    EXPECT_EQ(column(table, "StdLinksTree", 6), "LinksTree/LinksTreeHeaderCol6");
    EXPECT_EQ(column(table, "FoldersTree", 0), "<none>");
    EXPECT_EQ(*table.find(Kind::GridColumn, "Form1", "TASK"), "Form1/tasksQTASK.DisplayLabel");
    EXPECT_EQ(*table.find(Kind::PageTitle, "Form1", "LinksPageControl", 5), "Tabs/LinksImagesTab");
    EXPECT_EQ(*table.find(Kind::Hint, "taskPropsForm", "StateLb"), "taskForm/StateLb.Hint");
}

TEST(LanguageFile, ListsEndWithTheirOwnLengthWhateverTheFileHolds) {
    // Entries beyond a list's length are not read; missing ones still count, as "?".
    const LanguageTable table = readText("[LinkPropForm]\ntypeList0=Nada\ntypeList7=Extra\ntypeList8=More\n");
    const std::vector<std::string> links = table.list("LinkPropForm", "ComboBox1");
    ASSERT_EQ(links.size(), 7u);
    EXPECT_EQ(links[0], "Nada");
    EXPECT_EQ(links[6], "?");
    const struct {
        const char* dialog;
        const char* list;
        std::size_t length;
    } lengths[] = {{"GoalForm", "ComboBox1", 36},    {"GoalForm", "ComboBox2", 8},
                   {"GoalForm", "ComboBox3", 6},     {"ContactForm", "ComboBox1", 6},
                   {"PhraseForm", "ComboBox1", 3},   {"CalendarPropForm", "ComboBox1", 8},
                   {"taskPropsForm", "ComboBox1", 0}};
    for (const auto& l : lengths) EXPECT_EQ(table.list(l.dialog, l.list).size(), l.length) << l.dialog << l.list;
}

TEST(LanguageFile, DamagedOrPartialFilesGiveTheDefaultsOfWhatTheyLack) {
    const struct {
        const char* name;
        std::string bytes;
        const char* quit;       // caption of Quit1
        const char* title;      // the main window's title
        const char* goalLabel;  // caption of GoalLb in the goal dialog
    } cases[] = {
        {"empty", "", "", "Редактор", "?"},
        {"keys in another case", "[FORM1]\nmexit.C=Exit\nFORM.c=Organiser\n[goalform]\ngoallb.C=Target\n", "Exit",
         "Organiser", "Target"},
        {"byte order mark and CRLF", "\xEF\xBB\xBF[Form1]\r\nmExit.c=Quit it\r\n", "Quit it", "Редактор", "?"},
        {"blanks around names and values", "  [Form1]  \n  mExit.c =  Leave  \n", "Leave", "Редактор", "?"},
        {"key before any section", "mExit.c=Lost\n[GoalForm]\nGoalLb.c=Goal\n", "", "Редактор", "Goal"},
        {"first of two keys", "[Form1]\nmExit.c=One\nmExit.c=Two\n", "One", "Редактор", "?"},
        {"equals sign in the value", "[Form1]\nmExit.c=a=b\n", "a=b", "Редактор", "?"},
        {"empty value", "[Form1]\nForm.c=\n", "", "", "?"},
        {"section without its bracket", "[Form1\nmExit.c=Quit\n", "", "Редактор", "?"},
        {"binary junk", std::string("\0\xff\x01[\x80]\n=\n\n[]\n", 12), "", "Редактор", "?"},
        {"truncated in a key", "[Form1]\nmExit.c=Stop\n[GoalForm]\nGoalL", "Stop", "Редактор", "?"},
    };
    for (const auto& c : cases) {
        const LanguageTable table = readText(c.bytes);
        ASSERT_EQ(table.values.size(), 555u) << c.name;
        EXPECT_EQ(caption(table, "Form1", "Quit1"), c.quit) << c.name;
        EXPECT_EQ(caption(table, "Form1", ""), c.title) << c.name;
        EXPECT_EQ(caption(table, "GoalForm", "GoalLb"), c.goalLabel) << c.name;
    }
}

TEST(LanguageFile, DefaultsOfAMissingFile) {
    testing::TempDir dir;
    const LanguageTable table = loadLanguage(languageFilePath(dir / "Lang", 1), TextCodec());
    ASSERT_EQ(table.values.size(), 555u);
    for (const LanguageValue& value : table.values) {
        const bool mainWindow = value.section == "Form1";
        const std::string expected = mainWindow ? (value.key == "Form.c" ? "Редактор" : "")
                                     : value.target.kind == Kind::Hint ? ""
                                                                       : "?";
        EXPECT_EQ(value.text, expected) << value.section << " " << value.key;
    }
}

TEST(LanguageFile, ValuesAreReadInTheCodePageOfTheFolderUnlessMarkedUtf8) {
    testing::TempDir dir;
    const TextCodec windows("1251");
    testing::writeText(dir / "windows.lng", "[Form1]\nmExit.c=\xc2\xfb\xf5\xee\xe4\n");
    EXPECT_EQ(caption(loadLanguage(dir / "windows.lng", windows), "Form1", "Quit1"), "Выход");
    testing::writeText(dir / "marked.lng", "\xEF\xBB\xBF[Form1]\nmExit.c=Выход\n");
    EXPECT_EQ(caption(loadLanguage(dir / "marked.lng", windows), "Form1", "Quit1"), "Выход");
}

TEST(LanguageFile, AFileThatCannotBeReadIsAnError) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir / "Lang" / "russian.lng");
    EXPECT_THROW(loadLanguage(languageFilePath(dir / "Lang", 1), TextCodec()), FileError);
}

TEST(LanguageFile, FileNamesByLanguage) {
    const struct {
        int language;
        const char* file;
    } cases[] = {{0, "english.lng"},  {1, "russian.lng"}, {2, "macedonian.lng"},
                 {3, "hellenic.lng"}, {4, "english.lng"}, {-1, "english.lng"}};
    for (const auto& c : cases) EXPECT_EQ(languageFilePath("Lang", c.language), std::filesystem::path("Lang") / c.file);
}

// The language files the program ships give every value themselves, in valid UTF-8.
TEST(LanguageFile, ShippedFilesAreComplete) {
    const std::filesystem::path folder = TORVALET_LANG_DATA;
    for (int language = 0; language < 4; ++language) {
        const std::filesystem::path file = languageFilePath(folder, language);
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        const std::string bytes = testing::readText(file);
        EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF")) << file.filename() << " has no UTF-8 mark";
        const ProfileFile parsed = ProfileFile::parse(bytes);
        for (const LanguageValue& value : loadLanguage(parsed, TextCodec()).values) {
            const std::optional<std::string> text = parsed.value(value.section, value.key);
            EXPECT_TRUE(text && !text->empty() && *text != "?") << file.filename() << " " << value.key;
            EXPECT_EQ(validUtf8(value.text), value.text) << file.filename() << " " << value.key;
        }
    }
}

}  // namespace
}  // namespace torvalet
