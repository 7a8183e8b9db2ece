#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QWidget;

namespace torvalet {
struct LanguageTable;
struct LanguageTarget;
}  // namespace torvalet

namespace torvalet::ui {

class TaskTableModel;

// Puts the captions of a language file on the components of the main window and of its dialogs,
// found by their object names: menus, menu items, labels, buttons, group boxes, hints, the task
// grid's and the trees' column titles and the page titles. The dialogs' lists are the core's.
class LanguageCaptions {
public:
    // `setTitle` gives the main window its title.
    LanguageCaptions(QWidget& window, TaskTableModel& tasks, std::function<void(const QString&)> setTitle);

    void apply(const LanguageTable& table) const;
    // The targets of the table that no component of the window answers to, as "Form1/Quit1"
    // ("GoalForm/" for a dialog's own title).
    QStringList missing(const LanguageTable& table) const;

private:
    // Gives the target its text; false when there is no such component.
    bool put(const LanguageTarget& target, const QString& text) const;
    bool exists(const LanguageTarget& target) const;
    // The window or dialog that holds the target's component, or nullptr.
    QWidget* holder(const LanguageTarget& target) const;

    QWidget& window_;
    TaskTableModel& tasks_;
    std::function<void(const QString&)> setTitle_;
};

}  // namespace torvalet::ui
