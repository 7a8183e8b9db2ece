#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace torvalet {

class ProfileFile;
class TextCodec;

// What one value of a language file is given to.
struct LanguageTarget {
    enum Kind {
        Caption,     // the caption of a component; with no component, the title of its window
        Hint,        // the hint of a component
        GridColumn,  // the title of the task grid's column for the field named by `component`
        TreeColumn,  // the title of column `index` of the tree named by `component`
        ListEntry,   // entry `index` of the drop-down list `component` of a dialog
        PageTitle,   // the title of page `index` of the page control `component`
    };
    Kind kind = Caption;
    // The window that holds the component: "Form1" (the main window), "taskPropsForm", "GoalForm",
    // "ContactForm", "PhraseForm", "CalendarPropForm" or "LinkPropForm".
    std::string window;
    std::string component;
    int index = 0;
};

struct LanguageValue {
    LanguageTarget target;
    std::string text;  // UTF-8
    // Where it is read from.
    std::string section;
    std::string key;
};

// Every value a language file gives, in the order in which they are read and applied: 555
// values, each with its target. Keys the file lacks hold their defaults.
struct LanguageTable {
    std::vector<LanguageValue> values;

    // The entries of a dialog's drop-down list, from index 0 upwards.
    std::vector<std::string> list(std::string_view window, std::string_view component) const;
    // The text given to a target, or nullptr.
    const std::string* find(LanguageTarget::Kind kind, std::string_view window, std::string_view component,
                            int index = 0) const;
};

// The file name of a language: "english", "russian", "macedonian", "hellenic"; English for any
// other index.
std::string languageName(int language);
// "Lang/" + the name + ".lng" in the application folder.
std::filesystem::path languageFilePath(const std::filesystem::path& langFolder, int language);

// The table of a language file already parsed; its values are decoded with `codec`.
LanguageTable loadLanguage(const ProfileFile& file, const TextCodec& codec);
// The table of a language file: a missing file gives every default. A file that starts with a
// UTF-8 byte order mark is read as UTF-8, any other in `codec`. Throws FileError when the file
// exists but cannot be read.
LanguageTable loadLanguage(const std::filesystem::path& file, const TextCodec& codec);

}  // namespace torvalet
