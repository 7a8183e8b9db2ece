#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <QMenu>
#include <QTextBlock>

#include <memory>

#include "fakes/StoreReads.h"
#include "tasks/Snoozes.h"
#include "ui/ReminderView.h"
#include "ui/RunningWindow.h"

using namespace torvalet;

class ReminderViewTest : public QObject {
    Q_OBJECT

    using Running = testing::RunningWindow;

    static void addDueTask(Running& app, const std::string& text) {
        app.organizer->reminders().clock.addReminderTask(text, "10:30", true, Date::fromYmd(2026, 12, 8));
    }

private slots:
    void commandsCarryTheirNamesAndCaptions() {
        Running app;
        auto* timer = app.window->findChild<QTimer*>("Timer1");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(timer->isActive());
        auto* tray = app.window->findChild<QSystemTrayIcon*>("CoolTrayIcon1");
        QVERIFY(tray);
        QCOMPARE(tray->toolTip(), QString("Torvalet"));
        const struct {
            const char* name;
            const char* caption;
            bool visible;
        } actions[] = {{"ShowLastMessage1", "Show Last Message", true},
                       {"mAnalyzeCalendar", "AnCalend", false},
                       {"AnalyzeContacts1", "AnContacts", false}};
        for (const auto& a : actions) {
            auto* action = app.window->findChild<QAction*>(a.name);
            QVERIFY2(action, a.name);
            QCOMPARE(action->text(), QString(a.caption));
            QCOMPARE(action->isVisible(), a.visible);
        }
    }

    // The timer's ticks reach the core: the notice goes on top of the message pad, onto the hint
    // line and into a balloon; "Show Last Message" shows the balloon again.
    void ticksBringNoticesToThePadHintLineAndBalloon() {
        Running app;
        addDueTask(app, "Call the bank");
        app.fakes.clock.set(2026, 12, 8, 10, 30);
        app.organizer->messagePad().prepend("an older line");
        app.window->refreshMessagePad();
        auto* pad = app.window->findChild<QPlainTextEdit*>("reminderMemo");
        const QString before = pad->toPlainText();
        app.window->reminderView()->timer()->setInterval(5);
        QTRY_VERIFY(pad->toPlainText() != before);
        QCOMPARE(pad->toPlainText(), QString("[10:30 08.12.2026] Start todo Call the bank\nan older line"));
        QCOMPARE(pad->textCursor().position(), 0);
        QCOMPARE(app.window->findChild<QLabel*>("HintPanel")->text(),
                 QString("[10:30 08.12.2026] Start todo Call the bank"));
        QCOMPARE(app.fakes.notices.balloons.size(), std::size_t(1));
        app.window->findChild<QAction*>("ShowLastMessage1")->trigger();
        QCOMPARE(app.fakes.notices.balloons.size(), std::size_t(2));
        QCOMPARE(app.fakes.notices.balloons.back().text, std::string("Call the bank"));
    }

    // A reminder's line of the message pad, and the tray's "Snooze last reminder", put it off; other
    // lines offer the standard menu alone.
    void theMessagePadAndTheTrayMenuSnoozeAReminder() {
        Running app;
        addDueTask(app, "Call the bank");
        app.organizer->messagePad().prepend("an older line");
        app.window->refreshMessagePad();
        auto* tray = app.window->findChild<QMenu*>("SnoozeLastReminder");
        QVERIFY(tray);
        emit app.window->reminderView()->trayIcon()->contextMenu()->aboutToShow();
        QVERIFY(!tray->isEnabled());
        app.fakes.clock.set(2026, 12, 8, 10, 30);
        app.organizer->reminders().clock.tick();
        const Bookmark row = std::stoll(testing::firstColumn(*app.organizer->store().database(),
                                                             "select rowid from tasks where Task = 'Call the bank'")
                                            .at(0));
        const auto snoozedUntil = [&] { return Snoozes(*app.organizer->store().database()).dueOf(row); };

        auto* pad = app.window->findChild<QPlainTextEdit*>("reminderMemo");
        const QPoint firstLine = pad->cursorRect(QTextCursor(pad->document()->findBlockByNumber(0))).center();
        const QPoint secondLine = pad->cursorRect(QTextCursor(pad->document()->findBlockByNumber(1))).center();
        std::unique_ptr<QMenu> plain(app.window->reminderView()->messagePadMenu(secondLine));
        QVERIFY(!plain->findChild<QAction*>("SnoozeLine15"));
        std::unique_ptr<QMenu> menu(app.window->reminderView()->messagePadMenu(firstLine));
        QStringList captions;
        for (int minutes : {5, 15, 60}) {
            auto* action = menu->findChild<QAction*>("SnoozeLine" + QString::number(minutes));
            QVERIFY(action);
            captions << action->text();
        }
        QCOMPARE(captions, (QStringList{"Snooze 5 min", "Snooze 15 min", "Snooze 1 hour"}));
        menu->findChild<QAction*>("SnoozeLine15")->trigger();
        QCOMPARE(snoozedUntil(), (DateTime{Date::fromYmd(2026, 12, 8), 10, 45, 0}));

        emit app.window->reminderView()->trayIcon()->contextMenu()->aboutToShow();
        QVERIFY(tray->isEnabled());
        tray->findChild<QAction*>("SnoozeLast60")->trigger();
        QCOMPARE(snoozedUntil(), (DateTime{Date::fromYmd(2026, 12, 8), 11, 30, 0}));
        QVERIFY(app.fakes.ui.messages.empty());
    }

    void closingStopsTheClockFirst() {
        Running app;
        app.window->close();
        QVERIFY(!app.window->reminderView()->timer()->isActive());
        app.fakes.clock.set(2026, 12, 8, 11, 0);
        app.organizer->reminders().clock.tick();
        QVERIFY(app.fakes.notices.balloons.empty());
    }

    void hiddenContactAnalysisShowsItsLinesAndWhatItCouldNotRead() {
        Running app;
        ItemTree& contacts = app.organizer->trees().get(TreeId::ContactsTree);
        ContactRecord anna;
        anna.official = "Anna";
        anna.birthday = "10.12.80";
        anna.nameDay = "5.3.80";
        contacts.appendChild()->record<ContactRecord>() = anna;
        app.window->findChild<QAction*>("AnalyzeContacts1")->trigger();
        const QString pad = app.window->findChild<QPlainTextEdit*>("reminderMemo")->toPlainText();
        QVERIFY(pad.startsWith("[ 10.12.80 - BirthDay ]  Anna"));
        QCOMPARE(app.fakes.ui.messages,
                 std::vector<std::string>{"'5...8.80' is not a valid date (contact \"Anna\", NameDay \"5.3.80\")"});
    }
};

QTEST_MAIN(ReminderViewTest)
#include "ReminderViewTest.moc"
