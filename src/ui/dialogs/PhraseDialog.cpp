#include "ui/dialogs/PhraseDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "trees/PhraseForm.h"
#include "ui/dialogs/DialogControls.h"

namespace torvalet::ui {

PhraseDialog::PhraseDialog(PhraseForm& form, QWidget* parent)
    : ItemDialog(parent, QStringLiteral("PhraseForm"), QStringLiteral("Phrase Properties"),
                 QStringLiteral("OkPhrasePropsBtn")),
      form_(form),
      nameEdit_(makeLine(this, QStringLiteral("NameEdit"))),
      phraseMemo_(makeMemo(this, QStringLiteral("PhraseMemo"))),
      hotKeyEdit_(makeLine(this, QStringLiteral("HotKeyEdit"))),
      kindList_(makeList(this, QStringLiteral("ComboBox1"))),
      noteMemo_(makeMemo(this, QStringLiteral("NoteMemo"))) {
    addRow(QStringLiteral("NameLb"), QStringLiteral("Name"), nameEdit_);
    addRow(QStringLiteral("PhraseLb"), QStringLiteral("Phrase"), phraseMemo_);
    addRow(QStringLiteral("HotKeyLb"), QStringLiteral("HotKey"), hotKeyEdit_);
    addRow(QStringLiteral("TypeLb"), QStringLiteral("Type"), kindList_);
    addRow(QStringLiteral("NoteLb"), QStringLiteral("Note"), noteMemo_);
    resize(460, 380);
}

void PhraseDialog::load() {
    loadLine(nameEdit_, form_.name);
    loadMemo(phraseMemo_, form_.text);
    loadLine(hotKeyEdit_, form_.hotKey);
    loadList(kindList_, form_.kind);
    loadMemo(noteMemo_, form_.note);
    nameEdit_->setFocus();
}

void PhraseDialog::save() {
    saveLine(nameEdit_, form_.name);
    saveMemo(phraseMemo_, form_.text);
    saveLine(hotKeyEdit_, form_.hotKey);
    saveList(kindList_, form_.kind);
    saveMemo(noteMemo_, form_.note);
}

void PhraseDialog::confirm() { form_.acceptPhrase(); }

void PhraseDialog::cancel() { form_.close(); }

}  // namespace torvalet::ui
