#include "ui/dialogs/DialogControls.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "trees/FormList.h"

namespace torvalet::ui {

namespace {

template <class Control>
Control* named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

}  // namespace

QLineEdit* makeLine(QWidget* parent, const QString& name) { return named(new QLineEdit(parent), name); }

QPlainTextEdit* makeMemo(QWidget* parent, const QString& name) {
    auto* memo = named(new QPlainTextEdit(parent), name);
    memo->setTabChangesFocus(true);
    return memo;
}

QComboBox* makeList(QWidget* parent, const QString& name) {
    auto* list = named(new QComboBox(parent), name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

QDateEdit* makeDatePicker(QWidget* parent, const QString& name) {
    auto* picker = named(new QDateEdit(parent), name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return picker;
}

QString toQString(const std::string& text) { return QString::fromStdString(text); }

QDate toQDate(Date date) { return date.isNull() ? QDate() : QDate(date.year(), date.month(), date.day()); }

Date toDate(QDate date) { return date.isValid() ? Date::fromYmd(date.year(), date.month(), date.day()) : Date(); }

void loadLine(QLineEdit* line, const std::string& text) { line->setText(toQString(text)); }

void saveLine(const QLineEdit* line, std::string& text) { text = line->text().toStdString(); }

namespace {

const char* const shownText = "shownText";

}  // namespace

void loadMemo(QPlainTextEdit* memo, const std::string& text) {
    memo->setPlainText(toQString(text));
    memo->setProperty(shownText, memo->toPlainText());
}

void saveMemo(const QPlainTextEdit* memo, std::string& text) {
    const QString now = memo->toPlainText();
    if (now != memo->property(shownText).toString()) text = now.toStdString();
}

void loadList(QComboBox* list, const FormList& formList) {
    list->clear();
    for (const std::string& item : formList.items()) list->addItem(toQString(item));
    list->setCurrentIndex(formList.itemIndex());
    if (formList.itemIndex() < 0) list->setEditText(toQString(formList.text()));
}

void saveList(const QComboBox* list, FormList& formList) {
    const int index = list->currentIndex();
    // Entries may repeat (a language file without its keys fills them all with "?"): a choice
    // whose text the user left alone keeps its position.
    if (index >= 0 && list->currentText() == list->itemText(index))
        formList.setItemIndex(index);
    else
        formList.setText(list->currentText().toStdString());
}

}  // namespace torvalet::ui
