#pragma once

#include <array>
#include <functional>

#include "trees/FormBase.h"
#include "ui/dialogs/ItemDialog.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace torvalet {
class ContactForm;
}

namespace torvalet::ui {

// The contact properties dialog over ContactForm. Given the date conventions, it refuses on
// "Ok" a name day or special day typed as a text that is no day text: stored, such a text would
// keep the dialog from opening again and stop the yearly contact analysis.
class ContactDialog : public ItemDialog {
    Q_OBJECT
public:
    ContactDialog(ContactForm& form, QWidget* parent = nullptr);

    // The buttons beside "E-mail" and "Web page": the mail and browse commands on the contacts
    // selected in the tree; the dialog stays open.
    std::function<void()> mailContacts;
    std::function<void()> browseContacts;

protected:
    void load() override;
    void save() override;
    void confirm() override;
    void cancel() override;

private:
    struct DayControls {
        QLineEdit* field = nullptr;
        QDateEdit* picker = nullptr;
    };

    QWidget* lineWithButton(QLineEdit* line, const QString& buttonName, const QString& hint,
                            std::function<void()>& action);
    QWidget* buildDay(int day, const QString& clearName, const QString& takeName, const QString& pickerName);
    void takePickerDate(int day);
    void clearDay(int day);
    void loadDays();

    ContactForm& form_;
    QLineEdit* officialEdit_;
    QLineEdit* firstNameEdit_;
    QLineEdit* middleNameEdit_;
    QLineEdit* lastNameEdit_;
    QLineEdit* nickNameEdit_;
    QLineEdit* hotKeyEdit_;
    QComboBox* kindList_;
    QPlainTextEdit* addressMemo_;
    QLineEdit* phone1Edit_;
    QLineEdit* phone2Edit_;
    QLineEdit* emailEdit_;
    QLineEdit* webPageEdit_;
    std::array<DayControls, 3> days_;  // birthday, name day, special day
    QPlainTextEdit* noteMemo_;
};

}  // namespace torvalet::ui
