#pragma once

#include <string>
#include <vector>

#include "trees/FormList.h"
#include "trees/PhraseRecord.h"
#include "trees/RecordForm.h"

namespace torvalet {

// The phrase properties dialog. A changed hot key takes effect at the next start.
class PhraseForm : public RecordForm<PhraseRecord> {
public:
    using RecordForm::RecordForm;

    // "Phrase", "Group", "Element".
    static std::vector<std::string> phraseKindCaptions();

    std::string name;
    std::string text;
    std::string hotKey;
    std::string note;
    FormList kind{phraseKindCaptions()};

    void showPhrase(TreeNode& node) { props(node); }
    void editPhrase(const ItemTree& phrasesTree) { edit(phrasesTree); }
    void acceptPhrase() { ok(); }

protected:
    // The list shows kinds 1 to 4 at their position (where the list has one) and any other
    // kind at position 0.
    void fill(const PhraseRecord& phrase) override;
    void store(PhraseRecord& phrase) const override;
};

}  // namespace torvalet
