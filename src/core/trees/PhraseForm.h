#pragma once

#include <string>
#include <vector>

#include "trees/FormList.h"
#include "trees/RecordForm.h"
#include "trees/TPhraseData.h"

namespace torvalet {

// The phrase properties dialog (TPhraseForm). A changed hot key takes effect at the next start.
class PhraseForm : public RecordForm<TPhraseData> {
public:
    using RecordForm::RecordForm;

    // "Phrase", "Group", "Element".
    static std::vector<std::string> phraseKindCaptions();

    std::string NameEdit;
    std::string PhraseMemo;
    std::string HotKeyEdit;
    std::string NoteMemo;
    FormList ComboBox1{phraseKindCaptions()};  // PhraseKind

    void PhraseProps(TreeNode& node) { props(node); }
    void EditPhrase(const ItemTree& phrasesTree) { edit(phrasesTree); }
    void OkPhrasePropsBtnClick() { ok(); }

protected:
    // The list shows kinds 1 to 4 at their position (where the list has one) and any other
    // kind at position 0.
    void fill(const TPhraseData& phrase) override;
    void store(TPhraseData& phrase) const override;
};

}  // namespace torvalet
