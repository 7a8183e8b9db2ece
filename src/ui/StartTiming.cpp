#include "ui/StartTiming.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace torvalet::ui {

namespace {

long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

class ShownReporter : public QObject {
public:
    explicit ShownReporter(QWidget& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (done_ || event->type() != QEvent::Expose || !window_.windowHandle() || !window_.windowHandle()->isExposed())
            return false;
        done_ = true;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::fprintf(stderr, "shown %lld.%09ld %ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec,
                     peakResidentKb());
        std::fflush(stderr);
        QTimer::singleShot(0, &window_, [this] { window_.close(); });
        return false;
    }

private:
    QWidget& window_;
    bool done_ = false;
};

}  // namespace

void reportWhenShown(QWidget& window) {
    if (!std::getenv("TORVALET_REPORT_SHOWN")) return;
    window.winId();  // the native window exists from here on, so that its events can be watched
    window.windowHandle()->installEventFilter(new ShownReporter(window));
}

}  // namespace torvalet::ui
