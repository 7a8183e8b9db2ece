#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "model/ViewState.h"

namespace torvalet {

class Clipboard;
class FileSaves;
class ItemTree;
class TextCodec;
class TreeEditGuard;

// The phrase tree's own commands: phrases to the clipboard and to the Blocknote text, and
// writing the phrase file.
class PhraseCommands {
public:
    // `phraseFile`: "phrases.phr" of the application folder, saved through `saves`, unless `guard`
    // keeps the phrase tree.
    PhraseCommands(ItemTree& phrasesTree, Clipboard& clipboard, ViewState& view, FileSaves& saves,
                   std::filesystem::path phraseFile, const TextCodec& codec, const TreeEditGuard& guard);

    // One blank and the phrase for every selected phrase, in tree order; empty without a
    // selection. Line breaks inside phrases are kept.
    std::string selectedPhrasesText() const;
    // The phrase the double click appends: the first selected one's; nothing without a selection.
    std::optional<std::string> doubleClickPhrase() const;
    // The Blocknote text with a phrase added as new line(s) at its end.
    static std::string appendLines(const std::string& text, const std::string& phrase);

    // Double click: appends the first selected phrase to the Blocknote text.
    void appendFirstSelectedPhrase(std::string& blocknoteText) const;
    // "Put Phrases To Clipboard": the selected phrases replace the clipboard's text; without a
    // selection the clipboard keeps what it held.
    void putPhrasesToClipboard();
    // "Save Phrases": writes the phrase file (FileError when it cannot be written); a folder
    // opened read-only keeps it and the close names it. A kept phrase tree is refused.
    void savePhrases();

private:
    ItemTree& tree_;
    Clipboard& clipboard_;
    ViewState& view_;
    FileSaves& saves_;
    std::filesystem::path file_;
    const TextCodec& codec_;
    const TreeEditGuard& guard_;
};

}  // namespace torvalet
