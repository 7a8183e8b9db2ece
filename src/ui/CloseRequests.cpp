#include "ui/CloseRequests.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace torvalet::ui {

namespace {

volatile std::sig_atomic_t signalled = 0;
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    signalled = 1;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

CloseRequests::CloseRequests(QObject* parent) : QObject(parent) {}

CloseRequests::~CloseRequests() {
    if (!catching_) return;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) std::signal(signal, SIG_DFL);
    signalled = 0;
}

void CloseRequests::catchSignals() {
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    catching_ = true;
    signalled = 0;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        request();
    });
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) std::signal(signal, onSignal);
}

bool CloseRequests::requested() const { return requested_ || signalled; }

void CloseRequests::request() {
    requested_ = true;
    closeWhenIdle();
}

// A message box runs an event loop of its own: the window closes once every one has returned,
// so that no command goes on over a closed organiser.
// A dialog that refuses to close (its row could not be saved, and it said so) is asked once;
// asked again, it would say so again for ever. The next round hides it: its exec returns, and the
// close gives up the edit whose save failed.
void CloseRequests::closeWhenIdle() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == refused_)
            modal->hide();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        if (modal->isVisible()) refused_ = modal;
    }
    if (!window_) return;
    if (QApplication::activeModalWidget() || QThread::currentThread()->loopLevel() > 1) {
        QTimer::singleShot(50, this, &CloseRequests::closeWhenIdle);
        return;
    }
    window_->close();
}

}  // namespace torvalet::ui
