#pragma once

#include <functional>
#include <string>

#include "model/DayText.h"

namespace torvalet {

class TreeObserver;
class UserInterface;
struct Settings;

// The date conventions of the moment a dialog is filled or confirmed.
using DayTextSource = std::function<DayTextContext()>;

// What every item properties dialog shares: the observer that shows the dialog and the item it
// changed, and the message for a properties command that finds nothing selected.
class FormBase {
public:
    FormBase(UserInterface& ui, const Settings& settings, TreeObserver& observer)
        : ui_(ui), settings_(settings), observer_(observer) {}
    virtual ~FormBase() = default;
    FormBase(const FormBase&) = delete;
    FormBase& operator=(const FormBase&) = delete;

    // "There are no selected nodes!" in a message box, in the language in force.
    void showNoSelectionMessage() const;
    static std::string noSelectionText(int language);

protected:
    UserInterface& ui_;
    const Settings& settings_;
    // Shown the filled dialog (editItem), and the item after "Ok" or a properties command.
    TreeObserver& observer_;
};

}  // namespace torvalet
