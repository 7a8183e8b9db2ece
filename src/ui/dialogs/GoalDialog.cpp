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
    loadMemo(goalMemo_, form_.text);
    loadMemo(descriptionMemo_, form_.description);
    loadMemo(noteMemo_, form_.note);
    loadList(typeList_, form_.kind);
    loadList(stateList_, form_.state);
    loadList(prioList_, form_.priority);
    goalMemo_->setFocus();
}

void GoalDialog::save() {
    saveMemo(goalMemo_, form_.text);
    saveMemo(descriptionMemo_, form_.description);
    saveMemo(noteMemo_, form_.note);
    saveList(typeList_, form_.kind);
    saveList(stateList_, form_.state);
    saveList(prioList_, form_.priority);
}

void GoalDialog::confirm() { form_.acceptGoal(); }

void GoalDialog::cancel() { form_.close(); }

}  // namespace torvalet::ui
