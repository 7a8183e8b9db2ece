#include "trees/PhraseForm.h"

namespace torvalet {

std::vector<std::string> PhraseForm::phraseKindCaptions() { return {"Phrase", "Group", "Element"}; }

void PhraseForm::fill(const TPhraseData& phrase) {
    NameEdit = phrase.Name;
    PhraseMemo = phrase.Phrase;
    HotKeyEdit = phrase.HotKey;
    NoteMemo = phrase.Note;
    ComboBox1.setItemIndex(phrase.PhraseKind >= 1 && phrase.PhraseKind <= 4 ? phrase.PhraseKind : 0);
}

void PhraseForm::store(TPhraseData& phrase) const {
    phrase.Name = NameEdit;
    phrase.Phrase = PhraseMemo;
    phrase.HotKey = HotKeyEdit;
    phrase.Note = NoteMemo;
    phrase.PhraseKind = ComboBox1.itemIndex();
}

}  // namespace torvalet
