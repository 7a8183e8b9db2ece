// The desktop's notification service and logind on private buses: the program's own session bus
// and a second one that stands in for the system bus. Both are started by this program and
// stopped by their process ids at its end.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

#include <unistd.h>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "tasks/DayBook.h"
#include "tasks/Snoozes.h"
#include "ui/services/QtNotices.h"
#include "ui/services/QtSleepWatch.h"

using namespace torvalet;

namespace {

struct PrivateBus {
    QString address;
    pid_t pid = 0;
};

// A bus daemon of our own, with the session bus's open rules.
std::optional<PrivateBus> startBus() {
    FILE* out = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
    if (!out) return std::nullopt;
    char address[1024] = {}, pid[64] = {};
    const bool read = std::fgets(address, sizeof address, out) && std::fgets(pid, sizeof pid, out);
    ::pclose(out);
    if (!read) return std::nullopt;
    return PrivateBus{QString::fromLocal8Bit(address).trimmed(), static_cast<pid_t>(std::atol(pid))};
}

std::optional<PrivateBus> sessionBus, systemBus;

}  // namespace

// A notification service that takes actions: it writes down every Notify and sends the action
// the test chooses.
class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString title, text;
        QStringList actions;
    };
    QList<Call> calls;

    explicit FakeNotificationServer(const QString& address)
        : bus_(QDBusConnection::connectToBus(address, QStringLiteral("fake-notifications"))) {
        bus_.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots);
        bus_.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    ~FakeNotificationServer() override {
        bus_.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        bus_.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
    }
    void invoke(uint id, const QString& key) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                         QStringLiteral("org.freedesktop.Notifications"),
                                                         QStringLiteral("ActionInvoked"));
        signal << id << key;
        bus_.send(signal);
    }

public slots:
    QStringList GetCapabilities() { return {QStringLiteral("body"), QStringLiteral("actions")}; }
    uint Notify(const QString&, uint, const QString&, const QString& title, const QString& text,
                const QStringList& actions, const QVariantMap&, int) {
        calls.append({title, text, actions});
        return static_cast<uint>(calls.size());
    }
    void CloseNotification(uint) {}

private:
    QDBusConnection bus_;
};

// logind's manager: a delay lock for whoever asks, and PrepareForSleep when the test says.
class FakeLogind : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    QStringList inhibitors;

    explicit FakeLogind(const QString& address)
        : bus_(QDBusConnection::connectToBus(address, QStringLiteral("fake-logind"))) {
        bus_.registerObject(QStringLiteral("/org/freedesktop/login1"), this, QDBusConnection::ExportAllSlots);
        bus_.registerService(QStringLiteral("org.freedesktop.login1"));
    }
    ~FakeLogind() override {
        bus_.unregisterService(QStringLiteral("org.freedesktop.login1"));
        bus_.unregisterObject(QStringLiteral("/org/freedesktop/login1"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-logind"));
    }
    void prepareForSleep(bool sleeping) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                                         QStringLiteral("PrepareForSleep"));
        signal << sleeping;
        bus_.send(signal);
    }

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString&, const QString& mode) {
        inhibitors << what + " " + who + " " + mode;
        int ends[2];
        if (::pipe(ends) != 0) return {};
        QDBusUnixFileDescriptor lock(ends[0]);
        ::close(ends[0]);
        ::close(ends[1]);
        return lock;
    }

private:
    QDBusConnection bus_;
};

class DesktopBusTest : public QObject {
    Q_OBJECT

    // The organiser over a new folder, at 9:59:50 on 8 December 2026, with `notices` for its
    // notices and fakes for the rest.
    struct Running {
        explicit Running(Notices& notices)
            : services{fakes.clock, fakes.locale, fakes.ui,        fakes.shell,       fakes.hotKeys,
                       notices,     fakes.sound,  fakes.clipboard, fakes.perUserStore} {
            Organizer::provision(AppPaths{dir.path()});
            fakes.clock.set(2026, 12, 8, 9, 59, 50);
            organizer = std::make_unique<Organizer>(services, dir.path());
            organizer->start();
            organizer->firstShow();
        }
        void tickAt(int h, int mi, int s = 0) {
            fakes.clock.set(2026, 12, 8, h, mi, s);
            clock().tick();
        }
        ReminderClock& clock() { return organizer->reminders().clock; }
        Database& db() { return *organizer->store().database(); }
        Bookmark addReminder(const std::string& text, const std::string& time) {
            clock().addReminderTask(text, time, true, Date::fromYmd(2026, 12, 8));
            return organizer->store().listRows.bookmark();
        }
        QStringList padLinesWith(const std::string& text) {
            QStringList lines;
            for (const std::string& line : organizer->messagePad().lines())
                if (line.find(text) != std::string::npos) lines << QString::fromStdString(line);
            return lines;
        }

        testing::TempDir dir;
        testing::FakeServices fakes;
        Services services;
        std::unique_ptr<Organizer> organizer;
    };

private slots:
    // A reminder rings (after the full hour, whose notice is a plain one): its notification
    // carries the three snoozes and the dismissal; the user picks "Snooze 15 min" on it, and a
    // quarter of an hour later it rings again.
    void aSnoozeChosenOnTheNotificationRingsAgain() {
        FakeNotificationServer server(sessionBus->address);
        ui::QtNotices notices;
        QTRY_VERIFY(notices.serviceTakesActions());
        Running app(notices);
        const Bookmark row = app.addReminder("Call the bank", "10:02");
        QVERIFY(row > 0);
        app.tickAt(10, 2);
        QTRY_COMPARE(server.calls.size(), 1);
        QCOMPARE(server.calls[0].text, QString("Call the bank"));
        QCOMPARE(server.calls[0].actions, (QStringList{"snooze-5", "Snooze 5 min", "snooze-15", "Snooze 15 min",
                                                       "snooze-60", "Snooze 1 hour", "dismiss", "Dismiss"}));
        server.invoke(1, QStringLiteral("snooze-15"));
        QTRY_VERIFY(Snoozes(app.db()).dueOf(row).has_value());
        QCOMPARE(*Snoozes(app.db()).dueOf(row), (DateTime{Date::fromYmd(2026, 12, 8), 10, 17, 0}));
        app.tickAt(10, 16, 58);
        QCOMPARE(server.calls.size(), 1);
        app.tickAt(10, 17);
        QCOMPARE(app.padLinesWith("Call the bank"),
                 (QStringList{"[10:17 08.12.2026] Start todo (snoozed) Call the bank",
                              "[10:02 08.12.2026] Start todo Call the bank"}));
        QTRY_COMPARE(server.calls.size(), 2);
        QVERIFY(app.fakes.ui.messages.empty());
    }

    // Each notification answers for its own task; a dismissal and an unknown id snooze nothing.
    void anActionSnoozesTheTaskOfItsNotificationOnly() {
        FakeNotificationServer server(sessionBus->address);
        ui::QtNotices notices;
        QTRY_VERIFY(notices.serviceTakesActions());
        Running app(notices);
        const Bookmark first = app.addReminder("Call the bank", "10:02");
        const Bookmark second = app.addReminder("Water the plants", "10:02");
        app.tickAt(10, 2);
        QTRY_COMPARE(server.calls.size(), 2);
        const uint secondId = server.calls[0].text == "Water the plants" ? 1 : 2;
        server.invoke(7, QStringLiteral("snooze-60"));
        server.invoke(3 - secondId, QStringLiteral("dismiss"));
        server.invoke(secondId, QStringLiteral("snooze-5"));
        QTRY_VERIFY(Snoozes(app.db()).dueOf(second).has_value());
        QCOMPARE(*Snoozes(app.db()).dueOf(second), (DateTime{Date::fromYmd(2026, 12, 8), 10, 7, 0}));
        QVERIFY(!Snoozes(app.db()).dueOf(first).has_value());
    }

    // Before the sleep the clock keeps its minute, and lets go of its delay lock; after the
    // resume it catches up at once and takes the lock again.
    void logindSleepAndResumeReachTheClock() {
        FakeLogind logind(systemBus->address);
        ui::QtSleepWatch watch;
        QTRY_VERIFY(watch.holdsDelayLock());
        QCOMPARE(logind.inhibitors, QStringList{"sleep Torvalet delay"});
        testing::FakeNotices balloons;
        Running app(balloons);
        app.clock().followSleep(watch);
        app.addReminder("while asleep", "10:30");
        app.tickAt(10, 0);
        app.fakes.clock.set(2026, 12, 8, 10, 7, 40);
        logind.prepareForSleep(true);
        QTRY_COMPARE(DayBook(app.db()).lastTick(), (std::optional<DateTime>{{Date::fromYmd(2026, 12, 8), 10, 7, 0}}));
        QVERIFY(!watch.holdsDelayLock());
        app.fakes.clock.set(2026, 12, 8, 10, 50, 5);
        logind.prepareForSleep(false);
        QTRY_COMPARE(app.padLinesWith("while asleep"),
                     QStringList{"[10:30 08.12.2026] Start todo (late 20 min) while asleep"});
        QTRY_VERIFY(watch.holdsDelayLock());
    }
};

int main(int argc, char** argv) {
    sessionBus = startBus();
    systemBus = startBus();
    if (!sessionBus || !systemBus) {
        std::fprintf(stderr, "dbus-daemon could not be started: skipped\n");
        return 77;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", sessionBus->address.toLocal8Bit());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", systemBus->address.toLocal8Bit());
    int result = 0;
    {
        QApplication app(argc, argv);
        DesktopBusTest test;
        result = QTest::qExec(&test, argc, argv);
    }
    for (const auto& bus : {sessionBus, systemBus}) ::kill(bus->pid, SIGTERM);
    return result;
}

#include "DesktopBusTest.moc"
