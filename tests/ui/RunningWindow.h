#pragma once

#include <memory>

#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "shell/AppFolder.h"
#include "shell/Organizer.h"
#include "ui/MainWindow.h"

namespace torvalet::testing {

// The organiser started over a new application folder, its main window shown.
struct RunningWindow {
    TempDir dir;
    FakeServices fakes;
    std::unique_ptr<Organizer> organizer;
    std::unique_ptr<ui::MainWindow> window;

    RunningWindow() {
        Organizer::provision(AppPaths{dir.path()});
        organizer = std::make_unique<Organizer>(fakes.services, dir.path());
        window = std::make_unique<ui::MainWindow>(*organizer);
        organizer->start();
        window->showOrganizerState();
        window->show();
    }
};

}  // namespace torvalet::testing
