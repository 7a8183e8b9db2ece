#pragma once

class QWidget;

namespace torvalet::ui {

// Gives every action of the window its fixed keys: those of the task and tree command tables
// and the window's own (fixedShortcuts), found by the action's object name without regard to
// case. Run once, after the window has made its actions.
void applyFixedShortcuts(QWidget& window);

}  // namespace torvalet::ui
