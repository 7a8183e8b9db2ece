#include "trees/PhraseCommands.h"

#include "base/FileSaves.h"
#include "model/ViewState.h"
#include "platform/Clipboard.h"
#include "trees/ItemTree.h"
#include "trees/PhraseRecord.h"
#include "trees/TreeEditGuard.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {

PhraseCommands::PhraseCommands(ItemTree& phrasesTree, Clipboard& clipboard, ViewState& view, FileSaves& saves,
                               std::filesystem::path phraseFile, const TextCodec& codec, const TreeEditGuard& guard)
    : tree_(phrasesTree),
      clipboard_(clipboard),
      view_(view),
      saves_(saves),
      file_(std::move(phraseFile)),
      codec_(codec),
      guard_(guard) {}

std::string PhraseCommands::selectedPhrasesText() const {
    std::string text;
    for (const TreeNode* node : tree_.selectedInTreeOrder()) text += " " + node->record<PhraseRecord>().text;
    return text;
}

std::optional<std::string> PhraseCommands::doubleClickPhrase() const {
    const TreeNode* first = tree_.firstSelected();
    if (!first) return std::nullopt;
    return first->record<PhraseRecord>().text;
}

std::string PhraseCommands::appendLines(const std::string& text, const std::string& phrase) {
    if (text.empty() || text.back() == '\n') return text + phrase;
    return text + "\n" + phrase;
}

void PhraseCommands::appendFirstSelectedPhrase(std::string& blocknoteText) const {
    if (const auto phrase = doubleClickPhrase()) blocknoteText = appendLines(blocknoteText, *phrase);
}

void PhraseCommands::putPhrasesToClipboard() {
    view_.activePage = kBlocknotePage;
    const std::string text = selectedPhrasesText();
    if (!text.empty()) clipboard_.setText(text);
}

void PhraseCommands::savePhrases() {
    view_.activePage = kBlocknotePage;
    if (!guard_.mayChange(tree_)) return;
    saves_.save(file_, TreeStreamWriter(codec_).writeTree(tree_));
}

}  // namespace torvalet
