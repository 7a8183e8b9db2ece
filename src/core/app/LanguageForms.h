#pragma once

namespace torvalet {

class TreePages;
struct LanguageTable;

// Gives the drop-down lists of the item dialogs the entries of a language file: each list ends
// with exactly as many entries as the file's section gives it.
void applyLanguageLists(const LanguageTable& table, TreePages& pages);

}  // namespace torvalet
