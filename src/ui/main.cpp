#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include <iostream>

#include "app/AppFolderLock.h"
#include "app/Organizer.h"
#include "base/Errors.h"
#include "model/AppFolder.h"
#include "ui/CloseRequests.h"
#include "ui/MainWindow.h"
#include "ui/ProgramIdentity.h"
#include "ui/ReminderView.h"
#include "ui/SingleInstance.h"
#include "ui/SplashWindow.h"
#include "ui/StartTiming.h"
#include "ui/TaskPage.h"
#include "ui/WindowStart.h"
#include "ui/services/QtServices.h"

using namespace torvalet;

int main(int argc, char** argv) {
    if (const auto status = ui::answerInformationOptions(argc, argv, std::cout)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torvalet"));
    QApplication::setApplicationDisplayName(QStringLiteral("TorvaletPro"));
    ui::setProgramIdentity();
    ui::CloseRequests closeRequests;
    closeRequests.catchSignals();

    const auto home =
        resolveApplicationFolder(AppFolderEnvironment::current(QApplication::applicationDirPath().toStdString()));
    std::error_code ignored;
    std::filesystem::create_directories(home, ignored);

    ui::QtServices services;
    // Either this program holds the folder, or it writes nothing: two writers would overwrite
    // each other's files at close.
    ui::SingleInstance instance(home);
    std::string readOnlyReason;
    try {
        if (!instance.acquire()) {
            if (!instance.activateRunning())
                QMessageBox::information(nullptr, QApplication::applicationDisplayName(),
                                         QString::fromStdString(AppFolderLock::busyMessage(home)));
            return 0;
        }
        if (!AppFolderLock::canWrite(home)) readOnlyReason = "permission denied";
    } catch (const Error& error) {
        readOnlyReason = error.what();
    }
    const bool readOnly = !readOnlyReason.empty();
    if (readOnly) {
        services.ui.showMessage(AppFolderLock::readOnlyMessage(home, readOnlyReason));
    } else {
        try {
            Organizer::provision(AppPaths{home});
        } catch (const std::exception& error) {
            services.ui.showMessage(error.what());
        }
    }
    // Shown and painted before the windows are created; gone once they exist.
    auto splash = std::make_unique<ui::SplashWindow>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    Organizer organizer(services.services, home);
    organizer.setReadOnly(readOnly);
    const std::unique_ptr<ui::MainWindow> window = ui::startMainWindow(organizer, closeRequests);
    if (!window) return 0;
    services.ui.setParent(window.get());
    services.ui.taskPropertiesHandler = [&window](bool modal) { window->taskPage()->showTaskProperties(modal); };
    services.notices.setTrayIcon(window->reminderView()->trayIcon());
    organizer.reminders().clock.followSleep(services.sleepWatch);
    window->installItemDialogs();
    splash.reset();
    QObject::connect(&instance, &ui::SingleInstance::activationRequested, window.get(), [&window] {
        window->showMaximized();
        window->raise();
        window->activateWindow();
    });

    // Without a window manager there is nobody to maximise the window: give it the screen.
    if (const QScreen* screen = QApplication::primaryScreen()) window->setGeometry(screen->availableGeometry());
    ui::reportWhenShown(*window);
    window->showMaximized();
    return QApplication::exec();
}
