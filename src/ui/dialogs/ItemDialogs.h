#pragma once

#include "trees/FormBase.h"

class QWidget;

namespace torvalet {
class TreePages;
}

namespace torvalet::ui {

class CalendarPropDialog;
class ContactDialog;
class GoalDialog;
class LinkPropDialog;
class PhraseDialog;

// The five item properties dialogs, owned by the parent widget given to installItemDialogs.
struct ItemDialogs {
    GoalDialog* goal = nullptr;
    LinkPropDialog* link = nullptr;
    ContactDialog* contact = nullptr;
    PhraseDialog* phrase = nullptr;
    CalendarPropDialog* calendar = nullptr;
};

// Creates the dialogs as children of `parent` and sets each form's show hook to run its dialog
// modally; a dialog destroyed with its parent takes its hook back, so `pages` must outlive
// `parent`.
ItemDialogs installItemDialogs(TreePages& pages, QWidget* parent);

}  // namespace torvalet::ui
