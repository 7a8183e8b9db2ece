#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

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
