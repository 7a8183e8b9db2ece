#pragma once

namespace torvalet {

// What the task commands ask of the window: the few things only it can do. Every call does
// nothing by default, which is right without a window.
class TaskObserver {
public:
    virtual ~TaskObserver() = default;

    // The month calendar's selection changed: the window shows it.
    virtual void monthCalendarChanged() {}
    // Gives the task grid the keyboard focus.
    virtual void focusTaskGrid() {}
    // Whether one of the five goal trees has the keyboard focus: the task state commands then act
    // on the selected goals.
    virtual bool goalTreeHasFocus() const { return false; }
    // Pops up the time menu at the middle of the main window and returns when it has closed; a
    // time picked from it calls TaskCommands::pickTime.
    virtual void showTimeMenu() {}

protected:
    TaskObserver() = default;
    TaskObserver(const TaskObserver&) = default;
    TaskObserver& operator=(const TaskObserver&) = default;
};

}  // namespace torvalet
