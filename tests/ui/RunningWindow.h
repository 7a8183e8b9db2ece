#pragma once

#include <functional>
#include <memory>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "ui/CloseRequests.h"
#include "ui/MainWindow.h"
#include "ui/TaskPage.h"
#include "ui/WindowStart.h"

namespace torvalet::testing {

// The organiser started over a new application folder as the window program starts it, its main
// window shown. `beforeStart` may change the folder or the fakes first.
struct RunningWindow {
    TempDir dir;
    FakeServices fakes;
    ui::CloseRequests closeRequests;
    std::unique_ptr<Organizer> organizer;
    std::unique_ptr<ui::MainWindow> window;

    explicit RunningWindow(const std::function<void(RunningWindow&)>& beforeStart = nullptr) {
        Organizer::provision(AppPaths{dir.path()});
        organizer = std::make_unique<Organizer>(fakes.services, dir.path());
        if (beforeStart) beforeStart(*this);
        window = ui::startMainWindow(*organizer, closeRequests);
        if (!window) return;
        fakes.ui.onTaskProperties = [this](bool modal) { window->taskPage()->showTaskProperties(modal); };
        window->show();
    }
};

}  // namespace torvalet::testing
