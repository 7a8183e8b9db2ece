#include "ui/LanguageCaptions.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "app/LanguageFile.h"
#include "ui/ItemTreeModel.h"
#include "ui/ItemTreeView.h"
#include "ui/TaskTableModel.h"

namespace torvalet::ui {

namespace {

constexpr const char* kMainWindow = "Form1";

// The dialog an object sits in, or nullptr for the main window's own objects.
const QDialog* dialogOf(const QObject* object) {
    for (; object; object = object->parent())
        if (const auto* dialog = qobject_cast<const QDialog*>(object)) return dialog;
    return nullptr;
}

// The objects of that name that belong to `holder` itself, not to a dialog inside it.
QList<QObject*> objectsNamed(QWidget* holder, const std::string& name) {
    QList<QObject*> found;
    const auto* ownDialog = qobject_cast<const QDialog*>(holder);
    for (QObject* object : holder->findChildren<QObject*>(QString::fromStdString(name)))
        if (dialogOf(object->parent()) == ownDialog) found << object;
    return found;
}

bool setCaption(QObject* object, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
        box->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(text);
    } else {
        return false;
    }
    return true;
}

bool setHint(QObject* object, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(object)) object = menu->menuAction();
    if (auto* action = qobject_cast<QAction*>(object)) {
        action->setToolTip(text);
        action->setStatusTip(text);
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        widget->setToolTip(text);
    } else {
        return false;
    }
    return true;
}

// The task grid's column for a field of the task list.
int gridColumnOf(const std::string& field) {
    const struct {
        const char* field;
        TaskTableModel::Column column;
    } columns[] = {{"TASK", TaskTableModel::Task},       {"Date", TaskTableModel::Date},
                   {"Time", TaskTableModel::Time},       {"StateName", TaskTableModel::State},
                   {"Comment", TaskTableModel::Comment}, {"Project", TaskTableModel::Project},
                   {"DoerKey", TaskTableModel::Doer},    {"typeName", TaskTableModel::TypeName}};
    for (const auto& c : columns)
        if (field == c.field) return c.column;
    return -1;
}

}  // namespace

LanguageCaptions::LanguageCaptions(QWidget& window, TaskTableModel& tasks, std::function<void(const QString&)> setTitle)
    : window_(window), tasks_(tasks), setTitle_(std::move(setTitle)) {}

void LanguageCaptions::apply(const LanguageTable& table) const {
    for (const LanguageValue& value : table.values) put(value.target, QString::fromStdString(value.text));
}

QStringList LanguageCaptions::missing(const LanguageTable& table) const {
    QStringList names;
    for (const LanguageValue& value : table.values) {
        const QString name = QString::fromStdString(value.target.window + "/" + value.target.component);
        if (!exists(value.target) && !names.contains(name)) names << name;
    }
    return names;
}

bool LanguageCaptions::exists(const LanguageTarget& target) const {
    QWidget* owner = holder(target);
    if (!owner) return false;
    if (target.component.empty() || target.kind == LanguageTarget::GridColumn) return true;
    return !objectsNamed(owner, target.component).isEmpty();
}

QWidget* LanguageCaptions::holder(const LanguageTarget& target) const {
    if (target.window == kMainWindow) return &window_;
    return window_.findChild<QDialog*>(QString::fromStdString(target.window));
}

bool LanguageCaptions::put(const LanguageTarget& target, const QString& text) const {
    QWidget* owner = holder(target);
    if (!owner) return false;
    const QList<QObject*> objects =
        target.component.empty() ? QList<QObject*>() : objectsNamed(owner, target.component);
    switch (target.kind) {
    case LanguageTarget::Caption:
        if (target.component.empty()) {
            if (owner == &window_)
                setTitle_(text);
            else
                owner->setWindowTitle(text);
            return true;
        }
        for (QObject* object : objects) setCaption(object, text);
        return !objects.isEmpty();
    case LanguageTarget::Hint:
        for (QObject* object : objects) setHint(object, text);
        return !objects.isEmpty();
    case LanguageTarget::GridColumn:
        if (const int column = gridColumnOf(target.component); column >= 0)
            tasks_.setColumnTitle(static_cast<TaskTableModel::Column>(column), text);
        return true;
    case LanguageTarget::TreeColumn:
        for (QObject* object : objects)
            if (auto* view = qobject_cast<ItemTreeView*>(object)) view->itemModel()->setColumnTitle(target.index, text);
        return !objects.isEmpty();
    case LanguageTarget::PageTitle:
        for (QObject* object : objects)
            if (auto* pages = qobject_cast<QTabWidget*>(object)) pages->setTabText(target.index, text);
        return !objects.isEmpty();
    case LanguageTarget::ListEntry: return true;
    }
    return false;
}

}  // namespace torvalet::ui
