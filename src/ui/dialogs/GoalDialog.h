#pragma once

#include "ui/dialogs/ItemDialog.h"

class QComboBox;
class QPlainTextEdit;

namespace torvalet {
class GoalForm;
}

namespace torvalet::ui {

// The goal properties dialog over GoalForm.
class GoalDialog : public ItemDialog {
    Q_OBJECT
public:
    GoalDialog(GoalForm& form, QWidget* parent = nullptr);

protected:
    void load() override;
    void save() override;
    void confirm() override;
    void cancel() override;

private:
    GoalForm& form_;
    QPlainTextEdit* goalMemo_;
    QPlainTextEdit* descriptionMemo_;
    QPlainTextEdit* noteMemo_;
    QComboBox* typeList_;
    QComboBox* stateList_;
    QComboBox* prioList_;
};

}  // namespace torvalet::ui
