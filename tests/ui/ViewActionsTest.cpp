#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "base/ProfileFile.h"
#include "base/Version.h"
#include "ui/ItemTreeView.h"
#include "ui/ReminderView.h"
#include "ui/RunningWindow.h"

using namespace torvalet;

namespace {

struct Window : testing::RunningWindow {
    template <typename T>
    T* find(const char* name) const {
        return window->findChild<T*>(name);
    }
    void trigger(const char* action) const { find<QAction>(action)->trigger(); }
    bool activate() {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
};

}  // namespace

class ViewActionsTest : public QObject {
    Q_OBJECT

private slots:
    // A page command changes the page only; a page tab also gives its tree the keyboard focus.
    void pageCommandsAndPageTabs() {
        Window app;
        QVERIFY(app.activate());
        auto* pages = app.find<QTabWidget>("MainPageControl");
        QTest::keyClick(app.window.get(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 1);
        QCOMPARE(app.organizer->view().activePage, 1);
        QVERIFY(QApplication::focusWidget() != app.find<QWidget>("LinksTree"));
        QTest::keyClick(app.window.get(), Qt::Key_5, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 4);
        pages->setCurrentIndex(1);
        QCOMPARE(QApplication::focusWidget(), app.find<QWidget>("LinksTree"));
    }

    void messagePadAndItsQuestion() {
        Window app;
        QVERIFY(app.activate());
        QVERIFY(app.find<QWidget>("BottomPanel")->isVisible());
        QTest::keyClick(app.window.get(), Qt::Key_F12, Qt::ControlModifier);
        QVERIFY(!app.find<QWidget>("BottomPanel")->isVisible());
        QVERIFY(!app.find<QAction>("messagePad1")->isChecked());
        app.trigger("messagePad1");
        QVERIFY(app.find<QWidget>("BottomPanel")->isVisible());

        app.organizer->messagePad().prepend("a notice");
        app.fakes.ui.answer = false;
        app.trigger("ClearMessagePad1");
        QCOMPARE(app.organizer->messagePad().lines().size(), std::size_t(1));
        app.fakes.ui.answer = true;
        app.trigger("ClearMessagePad1");
        QVERIFY(app.organizer->messagePad().lines().empty());
        QCOMPARE(app.find<QPlainTextEdit>("reminderMemo")->toPlainText(), QString());
        QCOMPARE(app.fakes.ui.questions.back(), std::string("Are you sure to clear MessagePad?"));
    }

    void tipsByKeyAndByTheClock() {
        Window app;
        QVERIFY(app.activate());
        auto* line = app.find<QLabel>("TipPanel2");
        QVERIFY(!app.find<QWidget>("TipPanel")->isVisible());
        for (int press = 0; press < 11; ++press) QTest::keyClick(app.window.get(), Qt::Key_F1, Qt::AltModifier);
        QVERIFY(app.find<QWidget>("TipPanel")->isVisible());
        QVERIFY(line->text().startsWith("Tip #1: Click once on TipsPanel"));
        QTest::mouseClick(line, Qt::LeftButton);
        QVERIFY(!app.find<QWidget>("TipPanel")->isVisible());

        // While "Autoplay Tips" is checked, a new minute of the clock shows the next tip.
        app.trigger("AutoplayTips1");
        QVERIFY(app.find<QAction>("AutoplayTips1")->isChecked());
        app.fakes.clock.set(2026, 12, 8, 9, 6);
        QVERIFY(QMetaObject::invokeMethod(app.window->reminderView()->timer(), "timeout"));
        QVERIFY(app.find<QWidget>("TipPanel")->isVisible());
        QVERIFY(line->text().startsWith("Tip #2: "));
    }

    void aWheelNotchMovesTheFocusedGridOneRowWhateverItsDelta() {
        Window app;
        QVERIFY(app.activate());
        Query& tasks = app.organizer->store().listRows;
        for (const char* text : {"one", "two", "three", "four"}) {
            tasks.insert();
            tasks.setText(TaskColumn::Task, text);
            tasks.post();
        }
        auto* grid = app.find<QTableView>("tasksDBGrid");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(3, 0));
        const auto wheel = [&](int delta) {
            QWheelEvent event(QPointF(5, 5), grid->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(grid->viewport(), &event);
        };
        wheel(3 * 120);
        QCOMPARE(grid->currentIndex().row(), 2);
        wheel(-120);
        QCOMPARE(grid->currentIndex().row(), 3);
        wheel(120);
        wheel(0);
        QCOMPARE(grid->currentIndex().row(), 3);
    }

    void textboardCommands() {
        Window app;
        auto* board = app.find<QPlainTextEdit>("Memo1");
        board->setPlainText("Hello world");
        QTextCursor cursor = board->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(11, QTextCursor::KeepAnchor);
        board->setTextCursor(cursor);
        app.trigger("TextboardDelete_mp");
        QCOMPARE(board->toPlainText(), QString("Hello "));
        QCOMPARE(app.organizer->view().activePage, int(kBlocknotePage));
        app.trigger("TextboardUndo_mp");
        QCOMPARE(board->toPlainText(), QString("Hello world"));
        app.trigger("TextboardClear_mp");
        QCOMPARE(app.organizer->textboard(), std::string());
    }

    // Hidden into the tray and back; Esc minimises where there is no tray to come back from.
    void trayHideAndShow() {
        Window app;
        app.trigger("mHide");
        QVERIFY(app.window->isHidden());
        QVERIFY(app.organizer->view().hiddenInTray);
        app.trigger("mShow");
        QVERIFY(app.window->isVisible());
        QVERIFY(!app.organizer->view().hiddenInTray);
        app.trigger("EscapeCommand1");
        QVERIFY(app.window->isMinimized());
    }

    void rightPanelWideIsKept() {
        Window app;
        QVERIFY(app.activate());
        QTest::keyClick(app.window.get(), Qt::Key_Backspace, Qt::AltModifier);
        QVERIFY(app.find<QAction>("RightPanelWide_mp")->isChecked());
        app.window->close();
        QCOMPARE(ProfileFile::parse(testing::readText(app.dir / "torvalet.ini")).value("General", "fRightPanelWide"),
                 std::optional<std::string>("1"));
    }

    void aboutBoxShowsTheVersion() {
        Window app;
        QString caption;
        QTimer::singleShot(0, [&] {
            auto* about = app.find<QDialog>("AboutForm");
            if (!about) return;
            caption = about->findChild<QLabel*>("VersionLabel")->text();
            about->accept();
        });
        app.trigger("mAbout");
        QCOMPARE(caption, QString::fromStdString(programVersionCaption()));
        QVERIFY(caption.startsWith("Torvalet " + QString::fromUtf8(programVersion().data())));
    }
};

QTEST_MAIN(ViewActionsTest)
#include "ViewActionsTest.moc"
