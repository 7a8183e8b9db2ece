#include "app/LanguageFile.h"

#include <map>

#include "app/LanguageKeys.h"
#include "base/FileIo.h"
#include "base/ProfileFile.h"
#include "base/Text.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMainWindow = "Form1";
// The main window's title when the file does not give one.
constexpr const char* kDefaultTitle = "Редактор";
// Captions of the other sections, list entries, column and page titles the file does not give.
constexpr const char* kUnknown = "?";

// Reads the values of one file into a table, in the order in which they are applied.
class LanguageReader {
public:
    LanguageReader(const ProfileFile& file, const TextCodec& codec) : file_(file), codec_(codec) {}

    LanguageTable read() {
        readMainWindow();
        readTreeColumns();
        for (const LanguageDialogKeys& dialog : dialogLanguageKeys()) readDialog(dialog);
        readTabs();
        return std::move(table_);
    }

private:
    void add(LanguageTarget target, const std::string& section, const std::string& key, const char* defaultValue) {
        const std::optional<std::string> value = file_.value(section, key);
        table_.values.push_back(
            {std::move(target), value ? codec_.decode(*value) : std::string(defaultValue), section, key});
    }

    void readMainWindow() {
        add({LanguageTarget::Caption, kMainWindow, "", 0}, kMainWindow, "Form.c", kDefaultTitle);
        std::map<std::string, int> occurrences;
        for (const std::string& key : mainWindowCaptionKeys()) {
            const std::string component = componentOfCaptionKey(key, occurrences[key]++);
            add({LanguageTarget::Caption, kMainWindow, component, 0}, kMainWindow, key + ".c", "");
        }
        for (const char* component : {"mFile", "Edit_mp", "Insert1"})
            add({LanguageTarget::Hint, kMainWindow, component, 0}, kMainWindow, std::string(component) + ".Hint", "");
        for (const char* field : {"TASK", "Date", "Time", "StateName", "Comment", "Project", "DoerKey", "typeName"})
            add({LanguageTarget::GridColumn, kMainWindow, field, 0}, kMainWindow,
                std::string("tasksQ") + field + ".DisplayLabel", "");
    }

    // A section's column titles, given to each of `trees`.
    void readColumns(const std::string& section, int count, std::initializer_list<const char*> trees) {
        for (const char* tree : trees)
            for (int column = 0; column < count; ++column)
                add({LanguageTarget::TreeColumn, kMainWindow, tree, column}, section,
                    section + "HeaderCol" + std::to_string(column), kUnknown);
    }

    void readTreeColumns() {
        readColumns("GoalTree", 5, {"GoalTree"});
        readColumns("Goal2Tree", 5, {"Goal2Tree"});
        readColumns("Goal3Tree", 5, {"Goal3Tree", "Goal4Tree", "Goal5Tree"});
        readColumns("PhrasesTree", 2, {"PhrasesTree"});
        readColumns("ContactsTree", 3, {"ContactsTree"});
        readColumns("CalendarTree", 4, {"CalendarTree"});
        readColumns("LinksTree", 7, {"LinksTree", "StdLinksTree"});
    }

    void readDialog(const LanguageDialogKeys& dialog) {
        const std::string section = dialog.section, window = dialog.window;
        add({LanguageTarget::Caption, window, "", 0}, section, "Form.c", kUnknown);
        for (const char* component : dialog.captions)
            add({LanguageTarget::Caption, window, component, 0}, section, std::string(component) + ".c", kUnknown);
        for (const char* component : dialog.hints)
            add({LanguageTarget::Hint, window, component, 0}, section, std::string(component) + ".Hint", "");
        for (const LanguageListKeys& list : dialog.lists)
            for (int entry = 0; entry < list.count; ++entry)
                add({LanguageTarget::ListEntry, window, list.component, entry}, section,
                    list.prefix + std::to_string(entry), kUnknown);
    }

    void readTabs() {
        const char* pages[] = {"TasksTab", "LinksTab", "ContactsTab", "TextTab", "CalendarTab"};
        for (int page = 0; page < 5; ++page)
            add({LanguageTarget::PageTitle, kMainWindow, "MainPageControl", page}, "Tabs", pages[page], kUnknown);
        const char* linkPages[] = {"LinksPersonalTab", "LinksToolsTab", "LinksFoldersTab",
                                   "LinksSearchTab",   "LinksDocsTab",  "LinksImagesTab"};
        for (int page = 0; page < 6; ++page)
            add({LanguageTarget::PageTitle, kMainWindow, "LinksPageControl", page}, "Tabs", linkPages[page], kUnknown);
    }

    const ProfileFile& file_;
    const TextCodec& codec_;
    LanguageTable table_;
};

}  // namespace

std::vector<std::string> LanguageTable::list(std::string_view window, std::string_view component) const {
    std::vector<std::string> entries;
    for (const LanguageValue& value : values) {
        const LanguageTarget& target = value.target;
        if (target.kind == LanguageTarget::ListEntry && target.window == window && target.component == component)
            entries.push_back(value.text);
    }
    return entries;
}

const std::string* LanguageTable::find(LanguageTarget::Kind kind, std::string_view window, std::string_view component,
                                       int index) const {
    for (const LanguageValue& value : values) {
        const LanguageTarget& target = value.target;
        if (target.kind == kind && target.window == window && target.component == component && target.index == index)
            return &value.text;
    }
    return nullptr;
}

std::string languageName(int language) {
    switch (language) {
    case 1: return "russian";
    case 2: return "macedonian";
    case 3: return "hellenic";
    default: return "english";
    }
}

fs::path languageFilePath(const fs::path& langFolder, int language) {
    return langFolder / (languageName(language) + ".lng");
}

LanguageTable loadLanguage(const ProfileFile& file, const TextCodec& codec) {
    return LanguageReader(file, codec).read();
}

LanguageTable loadLanguage(const fs::path& file, const TextCodec& codec) {
    if (nothingAt(file)) return loadLanguage(ProfileFile(), codec);
    const std::string bytes = readFileBytes(file);
    // The files the program ships are UTF-8 and say so with a byte order mark, so that they
    // read right in a folder whose own files are in a Windows code page.
    const bool markedUtf8 = bytes.starts_with("\xEF\xBB\xBF");
    return loadLanguage(ProfileFile::parse(bytes), markedUtf8 ? TextCodec() : codec);
}

}  // namespace torvalet
