#pragma once

class QWidget;

namespace torvalet::ui {

// Gives every action of the window whose object name is a command of the fixed shortcuts its
// keys (names compared without regard to case, as the commands' names were). Run once, after
// the window has made its actions.
void applyFixedShortcuts(QWidget& window);

}  // namespace torvalet::ui
