#pragma once

#include <QDate>
#include <QString>

#include <string>

#include "base/Date.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace torvalet {
class FormList;
}

namespace torvalet::ui {

// Controls of the item dialogs, created with their component names, and the copies between
// them and the form fields (texts are UTF-8 in the forms).

QLineEdit* makeLine(QWidget* parent, const QString& name);
QPlainTextEdit* makeMemo(QWidget* parent, const QString& name);
// A drop-down list that also takes typed text.
QComboBox* makeList(QWidget* parent, const QString& name);
QDateEdit* makeDatePicker(QWidget* parent, const QString& name);

QString toQString(const std::string& text);
QDate toQDate(Date date);
Date toDate(QDate date);

void loadLine(QLineEdit* line, const std::string& text);
void saveLine(const QLineEdit* line, std::string& text);
void loadMemo(QPlainTextEdit* memo, const std::string& text);
// Only a memo whose text changed since it was filled is copied back, so that line breaks of a stored text that the
// memo shows differently survive an unchanged "Ok".
void saveMemo(const QPlainTextEdit* memo, std::string& text);
// The list gets the form list's entries (a language file may have replaced them) and its choice.
void loadList(QComboBox* list, const FormList& formList);
void saveList(const QComboBox* list, FormList& formList);

}  // namespace torvalet::ui
