#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>

#include "platform/SleepWatch.h"

namespace torvalet::ui {

// Sleep and resume as logind tells them on the system bus (PrepareForSleep of
// org.freedesktop.login1.Manager). While it runs it holds a delay lock, so that the handler's
// work before a sleep is done before the computer sleeps; the lock is let go once the handler has
// run and taken again after the resume. Without logind (or without a system bus) nothing is told.
class QtSleepWatch : public QObject, public SleepWatch {
    Q_OBJECT
public:
    QtSleepWatch();

    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    // Whether a delay lock is held now.
    bool holdsDelayLock() const { return lock_.isValid(); }

private slots:
    void prepareForSleep(bool sleeping);

private:
    void takeDelayLock();

    Handler handler_;
    QDBusUnixFileDescriptor lock_;
    bool asking_ = false;
};

}  // namespace torvalet::ui
