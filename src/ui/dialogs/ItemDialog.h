#pragma once

#include <QDialog>

class QFormLayout;
class QLabel;
class QPushButton;

namespace torvalet::ui {

// What the five item properties dialogs share: a column of labelled controls above the "Ok"
// button. run() fills the controls from the form and shows the dialog modally; "Ok" copies the
// controls into the form and confirms through it, any other close cancels. A failure on "Ok"
// (a date that is no date) is shown in a message box and the dialog stays open.
class ItemDialog : public QDialog {
    Q_OBJECT
public:
    void run();

    void accept() override;

protected:
    ItemDialog(QWidget* parent, const QString& objectName, const QString& title, const QString& okName);

    // Form fields into the controls.
    virtual void load() = 0;
    // Controls into the form fields; throws torvalet::Error for a value the form must not take.
    virtual void save() = 0;
    // The form's "Ok" handler.
    virtual void confirm() = 0;
    // The form's close().
    virtual void cancel() = 0;

    // A row of the layout: a label with a component name and an English caption beside `field`.
    QLabel* addRow(const QString& labelName, const QString& caption, QWidget* field);
    QFormLayout* rows() const { return rows_; }

private:
    QFormLayout* rows_;
    QPushButton* ok_;
};

}  // namespace torvalet::ui
