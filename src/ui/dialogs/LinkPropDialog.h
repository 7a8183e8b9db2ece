#pragma once

#include "ui/dialogs/ItemDialog.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace torvalet {
class LinkForm;
}

namespace torvalet::ui {

// The link properties dialog over LinkForm.
class LinkPropDialog : public ItemDialog {
    Q_OBJECT
public:
    LinkPropDialog(LinkForm& form, QWidget* parent = nullptr);

protected:
    void load() override;
    void save() override;
    void confirm() override;
    void cancel() override;

private:
    LinkForm& form_;
    QLineEdit* nameEdit_;
    QLineEdit* urlEdit_;
    QLineEdit* hotKeyEdit_;
    QLineEdit* paramsEdit_;
    QLineEdit* dirEdit_;
    QDateEdit* accessDatePicker_;
    QComboBox* kindList_;
    QPlainTextEdit* noteEdit_;
};

}  // namespace torvalet::ui
