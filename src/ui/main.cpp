#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

#include "base/Errors.h"
#include "shell/AppFolder.h"
#include "shell/AppFolderLock.h"
#include "shell/Organizer.h"
#include "ui/MainWindow.h"
#include "ui/ReminderView.h"
#include "ui/SingleInstance.h"
#include "ui/dialogs/ItemDialogs.h"
#include "ui/services/QtServices.h"

using namespace torvalet;

namespace {

int signalPipe[2] = {-1, -1};

void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// A session that ends (SIGTERM, SIGHUP) or Ctrl+C closes the window as the user would, so the
// close sequence writes everything back.
void closeOnTerminate(QWidget& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        window.close();
    });
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) std::signal(signal, onTerminate);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torvalet"));
    QApplication::setApplicationDisplayName(QStringLiteral("TorvaletPro"));

    const auto home = resolveApplicationFolder(
        AppFolderEnvironment::current(QApplication::applicationDirPath().toStdString()));
    std::error_code ignored;
    std::filesystem::create_directories(home, ignored);

    ui::SingleInstance instance(home);
    try {
        if (!instance.acquire()) {
            if (!instance.activateRunning())
                QMessageBox::information(nullptr, QApplication::applicationDisplayName(),
                                         QString::fromStdString(AppFolderLock::busyMessage(home)));
            return 0;
        }
    } catch (const Error& error) {
        // A folder that cannot be written to can still be read: start, and let each save report.
        QMessageBox::warning(nullptr, QApplication::applicationDisplayName(), QString::fromStdString(error.what()));
    }

    ui::QtServices services;
    try {
        Organizer::provision(AppPaths{home});
    } catch (const std::exception& error) {
        services.ui.showMessage(error.what());
    }
    Organizer organizer(services.services, home);
    ui::MainWindow window(organizer);
    services.ui.setParent(&window);
    services.notices.setTrayIcon(window.reminderView()->trayIcon());
    ui::installItemDialogs(organizer.treePages(), &window);
    QObject::connect(&instance, &ui::SingleInstance::activationRequested, &window, [&window] {
        window.showMaximized();
        window.raise();
        window.activateWindow();
    });

    closeOnTerminate(window);

    organizer.start();
    window.showOrganizerState();
    // Without a window manager there is nobody to maximise the window: give it the screen.
    if (const QScreen* screen = QApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
