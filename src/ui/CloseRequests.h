#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace torvalet::ui {

// Gathers the requests to close the organiser that do not come through the window itself: the
// end of the session (SIGTERM, SIGHUP) and Ctrl+C (SIGINT). During start-up there is no window
// yet: a request ends start-up at its next step and closes the message box that start-up shows.
// Once the window exists a request closes it as the user would, after any open message box.
class CloseRequests : public QObject {
    Q_OBJECT
public:
    explicit CloseRequests(QObject* parent = nullptr);
    ~CloseRequests() override;

    // From now on SIGTERM, SIGHUP and SIGINT become requests (one object per program).
    void catchSignals();
    // The window that requests close from now on.
    void setWindow(QWidget* window) { window_ = window; }

    void request();
    // True once a request came, also when a signal came while no event loop ran.
    bool requested() const;

private:
    void closeWhenIdle();

    QPointer<QWidget> window_;
    QPointer<QWidget> refused_;  // a dialog asked to close that stayed open
    bool requested_ = false;
    bool catching_ = false;
};

}  // namespace torvalet::ui
