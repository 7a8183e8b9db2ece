#include "trees/PhraseCommands.h"

#include "base/FileSaves.h"
#include "model/Messages.h"
#include "model/Settings.h"
#include "model/ViewState.h"
#include "platform/Clipboard.h"
#include "platform/UserInterface.h"
#include "trees/ItemTree.h"
#include "trees/PhraseRecord.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {

PhraseCommands::PhraseCommands(ItemTree& phrasesTree, Clipboard& clipboard, UserInterface& ui, const Settings& settings,
                               ViewState& view, FileSaves& saves, std::filesystem::path phraseFile,
                               const TextCodec& codec, std::function<bool()> fileUnreadable)
    : tree_(phrasesTree),
      clipboard_(clipboard),
      ui_(ui),
      settings_(settings),
      view_(view),
      saves_(saves),
      file_(std::move(phraseFile)),
      codec_(codec),
      fileUnreadable_(std::move(fileUnreadable)) {}

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
    if (fileUnreadable_ && fileUnreadable_()) {
        ui_.showMessage(unreadableFileText(settings_.language, file_.string()));
        return;
    }
    saves_.save(file_, TreeStreamWriter(codec_).writeTree(tree_));
}

std::string PhraseCommands::unreadableFileText(int language, const std::string& file) {
    return message(MessageId::UnreadablePhrasesFile, Language(language), file);
}

}  // namespace torvalet
