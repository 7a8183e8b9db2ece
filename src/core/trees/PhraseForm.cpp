#include "trees/PhraseForm.h"

namespace torvalet {

std::vector<std::string> PhraseForm::phraseKindCaptions() { return {"Phrase", "Group", "Element"}; }

void PhraseForm::fill(const PhraseRecord& phrase) {
    name = phrase.name;
    text = phrase.text;
    hotKey = phrase.hotKey;
    note = phrase.note;
    kind.setItemIndex(phrase.kind >= 1 && phrase.kind <= 4 ? phrase.kind : 0);
}

void PhraseForm::store(PhraseRecord& phrase) const {
    phrase.name = name;
    phrase.text = text;
    phrase.hotKey = hotKey;
    phrase.note = note;
    phrase.kind = kind.itemIndex();
}

}  // namespace torvalet
