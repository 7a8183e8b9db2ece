#pragma once

#include <QPointer>

#include <utility>
#include <vector>

#include "ui/dialogs/ItemDialog.h"

class QWidget;

namespace torvalet {
class FormBase;
class TreePages;
}  // namespace torvalet

namespace torvalet::ui {

class CalendarPropDialog;
class ContactDialog;
class GoalDialog;
class LinkPropDialog;
class PhraseDialog;

// The five item properties dialogs, owned by the parent widget given to createItemDialogs.
struct ItemDialogs {
    GoalDialog* goal = nullptr;
    LinkPropDialog* link = nullptr;
    ContactDialog* contact = nullptr;
    PhraseDialog* phrase = nullptr;
    CalendarPropDialog* calendar = nullptr;

    // Runs the dialog of the form modally (the observer's editItem). False when it has none, also
    // once the dialog is gone with its parent.
    bool run(const FormBase& form) const;

    std::vector<std::pair<const FormBase*, QPointer<ItemDialog>>> byForm;
};

// Creates the dialogs over the forms of `pages` as children of `parent`.
ItemDialogs createItemDialogs(TreePages& pages, QWidget* parent);

}  // namespace torvalet::ui
