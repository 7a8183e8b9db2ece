#pragma once

#include <array>

#include "ui/dialogs/ItemDialog.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace torvalet {
class EventForm;
}

namespace torvalet::ui {

// The event properties dialog over EventForm.
class CalendarPropDialog : public ItemDialog {
    Q_OBJECT
public:
    CalendarPropDialog(EventForm& form, QWidget* parent = nullptr);

protected:
    void load() override;
    void save() override;
    void confirm() override;
    void cancel() override;

private:
    QWidget* buildDayChecks();

    EventForm& form_;
    QPlainTextEdit* eventMemo_;
    QDateEdit* eventDatePicker_;
    QLineEdit* eventTimeEdit_;
    QComboBox* kindList_;
    std::array<QCheckBox*, 7> dayChecks_{};  // Monday first
    QPlainTextEdit* noteMemo_;
};

}  // namespace torvalet::ui
