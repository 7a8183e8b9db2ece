#include "ui/dialogs/GoalDialog.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include "trees/GoalForm.h"
#include "ui/dialogs/DialogControls.h"

namespace torvalet::ui {

GoalDialog::GoalDialog(GoalForm& form, QWidget* parent)
    : ItemDialog(parent, QStringLiteral("GoalForm"), QStringLiteral("Goal Properties"),
                 QStringLiteral("GoalPropOkBtn1")),
      form_(form),
      goalMemo_(makeMemo(this, QStringLiteral("GoalMemo"))),
      descriptionMemo_(makeMemo(this, QStringLiteral("Memo1"))),
      noteMemo_(makeMemo(this, QStringLiteral("NoteMemo"))),
      typeList_(makeList(this, QStringLiteral("ComboBox1"))),
      stateList_(makeList(this, QStringLiteral("ComboBox2"))),
      prioList_(makeList(this, QStringLiteral("ComboBox3"))) {
    addRow(QStringLiteral("GoalLb"), QStringLiteral("Goal"), goalMemo_);
    addRow(QStringLiteral("DescriptionLb"), QStringLiteral("Description"), descriptionMemo_);
    addRow(QStringLiteral("CommentLb"), QStringLiteral("Note"), noteMemo_);
    addRow(QStringLiteral("TypeLb"), QStringLiteral("Type"), typeList_);
    addRow(QStringLiteral("StateLb"), QStringLiteral("State"), stateList_);
    addRow(QStringLiteral("PrioLb"), QStringLiteral("Prio"), prioList_);
    resize(480, 420);
}

void GoalDialog::load() {
    loadMemo(goalMemo_, form_.GoalMemo);
    loadMemo(descriptionMemo_, form_.Memo1);
    loadMemo(noteMemo_, form_.NoteMemo);
    loadList(typeList_, form_.ComboBox1);
    loadList(stateList_, form_.ComboBox2);
    loadList(prioList_, form_.ComboBox3);
    goalMemo_->setFocus();
}

void GoalDialog::save() {
    saveMemo(goalMemo_, form_.GoalMemo);
    saveMemo(descriptionMemo_, form_.Memo1);
    saveMemo(noteMemo_, form_.NoteMemo);
    saveList(typeList_, form_.ComboBox1);
    saveList(stateList_, form_.ComboBox2);
    saveList(prioList_, form_.ComboBox3);
}

void GoalDialog::confirm() { form_.GoalPropOkBtn1Click(); }

void GoalDialog::cancel() { form_.close(); }

}  // namespace torvalet::ui
