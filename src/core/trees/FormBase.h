#pragma once

#include <functional>
#include <string>

#include "model/DayText.h"

namespace torvalet {

class TreeNode;
class UserInterface;
struct Settings;

// The date conventions of the moment a dialog is filled or confirmed.
using DayTextSource = std::function<DayTextContext()>;

// What every item properties dialog shares: the hooks the window layer sets and the message
// for a properties command that finds nothing selected.
class FormBase {
public:
    FormBase(UserInterface& ui, const Settings& settings) : ui_(ui), settings_(settings) {}
    virtual ~FormBase() = default;
    FormBase(const FormBase&) = delete;
    FormBase& operator=(const FormBase&) = delete;

    // Shows the filled dialog modally; its "Ok" calls the form's Ok, any other close close().
    std::function<void()> show;
    // After "Ok" has written the record (the window repaints, re-reads what it shows).
    std::function<void(TreeNode&)> accepted;
    // After a properties command: the item to repaint.
    std::function<void(TreeNode&)> repaint;

    // "There are no selected nodes!" in a message box, in the language in force.
    void showNoSelectionMessage() const;
    static std::string noSelectionText(int language);

protected:
    UserInterface& ui_;
    const Settings& settings_;
};

}  // namespace torvalet
