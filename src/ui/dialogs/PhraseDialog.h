#pragma once

#include "ui/dialogs/ItemDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace torvalet {
class PhraseForm;
}

namespace torvalet::ui {

// The phrase properties dialog over PhraseForm.
class PhraseDialog : public ItemDialog {
    Q_OBJECT
public:
    PhraseDialog(PhraseForm& form, QWidget* parent = nullptr);

protected:
    void load() override;
    void save() override;
    void confirm() override;
    void cancel() override;

private:
    PhraseForm& form_;
    QLineEdit* nameEdit_;
    QPlainTextEdit* phraseMemo_;
    QLineEdit* hotKeyEdit_;
    QComboBox* kindList_;
    QPlainTextEdit* noteMemo_;
};

}  // namespace torvalet::ui
