#pragma once

#include <string>
#include <vector>

namespace torvalet {

// The keys of a language file, by section, in the order in which they are read.

// The caption keys of section "Form1" besides "Form.c", each a component name followed by ".c";
// "NewChildRoot_mp" comes twice.
const std::vector<std::string>& mainWindowCaptionKeys();
// The component that the `occurrence`-th reading (from 0) of a caption key of "Form1" goes to.
std::string componentOfCaptionKey(const std::string& key, int occurrence);

// A drop-down list of a dialog: its component and the keys prefix + 0 ... prefix + count - 1.
struct LanguageListKeys {
    const char* component;
    const char* prefix;
    int count;
};

// A dialog's section: its title ("Form.c"), the captions and hints of its components and its lists.
struct LanguageDialogKeys {
    const char* section;
    const char* window;  // the dialog's component name; the task dialog's differs from its section
    std::vector<const char*> captions;
    std::vector<const char*> hints;
    std::vector<LanguageListKeys> lists;
};

const std::vector<LanguageDialogKeys>& dialogLanguageKeys();

}  // namespace torvalet
