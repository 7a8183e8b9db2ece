#include "ui/WindowStart.h"

#include "app/Organizer.h"
#include "ui/CloseRequests.h"
#include "ui/MainWindow.h"

namespace torvalet::ui {

std::unique_ptr<MainWindow> startMainWindow(Organizer& organizer, CloseRequests& closeRequests) {
    organizer.start([&closeRequests] { return closeRequests.requested(); });
    if (closeRequests.requested()) {
        organizer.close();
        return nullptr;
    }
    auto window = std::make_unique<MainWindow>(organizer);
    window->showOrganizerState();
    if (organizer.isReadOnly()) window->markReadOnly();
    closeRequests.setWindow(window.get());
    return window;
}

}  // namespace torvalet::ui
