#pragma once

class QAction;
class QMenu;

namespace torvalet::ui {

// The window's own menus, which the pieces of the window add their items to: made by the window,
// handed to each piece.
struct WindowMenus {
    QMenu* file = nullptr;
    QAction* quit = nullptr;  // the last item of File
    QMenu* view = nullptr;
    QMenu* options = nullptr;
};

}  // namespace torvalet::ui
