#pragma once

#include <memory>

namespace torvalet {
class Organizer;
}

namespace torvalet::ui {

class CloseRequests;
class MainWindow;

// Starts the organiser and builds its main window over what start-up left. Start-up runs before
// any window exists: a message box of start-up runs an event loop, and no view may show a tree
// while start-up replaces it. A close asked for during start-up ends it at its next step; the
// close sequence then runs (it writes only what start-up read) and nullptr comes back.
std::unique_ptr<MainWindow> startMainWindow(Organizer& organizer, CloseRequests& closeRequests);

}  // namespace torvalet::ui
