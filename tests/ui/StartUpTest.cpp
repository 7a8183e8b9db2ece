#include <QAbstractItemModelTester>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <map>

#include "base/ProfileFile.h"
#include "core/trees/TreeBytes.h"
#include "trees/ItemTree.h"
#include "trees/PhraseRecord.h"
#include "ui/ItemTreeModel.h"
#include "ui/ItemTreeView.h"
#include "ui/RunningWindow.h"
#include "ui/SingleInstance.h"
#include "ui/services/QtUserInterface.h"

using namespace torvalet;
namespace fs = std::filesystem;

using Damage = std::function<void(const fs::path&)>;
Q_DECLARE_METATYPE(Damage)

namespace {

// Whatever a message box's event loop lets run: every widget lays itself out and paints, and a
// view of a tree must then show the tree as it is.
void paintEverything() {
    QCoreApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        widget->grab();
        for (auto* view : widget->findChildren<ui::ItemTreeView*>()) {
            const ItemTree& tree = view->tree();
            QCOMPARE(view->model()->rowCount(), int(tree.topLevelCount()));
            int row = 0;
            for (const TreeNode* node = tree.firstTopLevel(); node; node = node->nextSibling(), ++row)
                QCOMPARE(view->itemModel()->nodeOf(view->model()->index(row, 0)), node);
        }
    }
}

std::map<fs::path, std::string> filesOf(const fs::path& folder) {
    std::map<fs::path, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "tasks.db-shm")
            files[entry.path()] = testing::readText(entry.path());
    return files;
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT

    using Running = testing::RunningWindow;

private slots:
    void everyStartUpMessageLeavesAWorkingWindow_data() {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("message");
        const auto write = [](const char* file, std::string bytes) {
            return Damage([=](const fs::path& home) { testing::writeText(home / file, bytes); });
        };
        std::string version3 = testing::kOneGoalFile;
        version3[6] = 3;
        QTest::newRow("launch date that is no date")
            << write("torvalet.ini", "[General]\nlastLaunchDate=garbage\n") << "is not a valid date";
        QTest::newRow("missing goals2.dat")
            << Damage([](const fs::path& home) { fs::remove(home / "goals2.dat"); }) << "Cannot open file";
        QTest::newRow("empty goals2.dat") << write("goals2.dat", "") << "not enough data available";
        QTest::newRow("links.goto of version 3") << write("links.goto", version3) << "the version is unknown";
        QTest::newRow("store replaced by text") << write("Data/tasks.db", "just some text\n") << "not a database";
        QTest::newRow("unknown code page") << write("torvalet.ini", "[General]\nCodePage=9999\n") << "CodePage";
    }

    void everyStartUpMessageLeavesAWorkingWindow() {
        QFETCH(Damage, damage);
        QFETCH(QString, message);
        Running app([&](Running& running) {
            testing::writeText(running.dir / "goals.dat", testing::kOneGoalFile);
            damage(running.dir.path());
            running.fakes.ui.onMessage = [](const std::string&) { paintEverything(); };
        });
        QVERIFY(app.window);
        QVERIFY(!app.fakes.ui.messages.empty());
        QVERIFY2(QString::fromStdString(app.fakes.ui.messages.front()).contains(message),
                 app.fakes.ui.messages.front().c_str());
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        paintEverything();
        auto* day = app.window->findChild<ui::ItemTreeView*>("GoalTree");
        QAbstractItemModelTester tester(day->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(day->model()->index(0, 0).data().toString(), QString("A"));
        app.window->close();
    }

    // The user ends the session while a start-up message waits for an answer.
    void aSignalDuringAStartUpMessageEndsStartUpAndWritesNothingItDidNotRead() {
        std::map<fs::path, std::string> before;
        Running app([&](Running& running) {
            running.closeRequests.catchSignals();
            testing::writeText(running.dir / "goals.dat", testing::kOneGoalFile);
            testing::writeText(running.dir / "goals2.dat", "");
            testing::writeText(running.dir / "goals5.dat", testing::kOneGoalFile);
            testing::writeText(running.dir / "Logs" / "081226.rtf", "{\\rtf1 the day's notes}");
            before = filesOf(running.dir.path());
            running.fakes.ui.onMessage = [](const std::string&) {
                std::raise(SIGTERM);
                QCoreApplication::processEvents();
            };
        });
        QVERIFY(!app.window);
        QCOMPARE(app.fakes.ui.messages.size(), std::size_t(1));
        const auto after = filesOf(app.dir.path());
        for (const char* untouched :
             {"goals.dat", "goals2.dat", "goals3.dat", "goals5.dat", "links.goto", "phrases.phr", "Logs/081226.rtf"})
            QVERIFY2(after.at(app.dir / untouched) == before.at(app.dir / untouched), untouched);
    }

    // A real message box: the request closes it, and start-up does not wait for the user.
    void aSignalClosesTheMessageBoxThatStartUpShows() {
        testing::TempDir dir;
        Organizer::provision(AppPaths{dir.path()});
        testing::writeText(dir / "torvalet.ini", "[General]\nlastLaunchDate=garbage\n");
        testing::FakeServices fakes;
        ui::QtUserInterface boxes;
        Services services = fakes.services;
        Services withBoxes{services.clock, services.locale,    boxes,
                           services.shell, services.hotKeys,   services.notices,
                           services.sound, services.clipboard, services.perUserStore};
        Organizer organizer(withBoxes, dir.path());
        ui::CloseRequests closeRequests;
        closeRequests.catchSignals();
        QTimer::singleShot(200, [] { std::raise(SIGTERM); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!ui::startMainWindow(organizer, closeRequests));
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aProgramThatMayNotWriteSaysSoAndSavesNothing() {
        std::string goals;
        Running app([&](Running& running) {
            running.organizer->setReadOnly(true);
            goals = testing::readText(running.dir / "goals.dat");
        });
        QVERIFY(app.window->windowTitle().contains("read-only"));
        testing::addGoal(app.organizer->trees().get(TreeId::DayGoalTree), nullptr, "new goal");
        const std::string phrases = testing::readText(app.dir / "phrases.phr");
        app.organizer->trees().get(TreeId::PhrasesTree).appendChild()->record<PhraseRecord>().text = "new phrase";
        app.organizer->treePages().phrases.savePhrases();
        QCOMPARE(testing::readText(app.dir / "phrases.phr"), phrases);
        app.window->close();
        QCOMPARE(testing::readText(app.dir / "goals.dat"), goals);
        QCOMPARE(testing::readText(app.dir / "phrases.phr"), phrases);
        QVERIFY(!fs::exists(app.dir / "torvalet.ini"));
        const QString closing = QString::fromStdString(app.fakes.ui.messages.back());
        QVERIFY(closing.contains("goals.dat") && closing.contains("phrases.phr"));
    }

    // A lock file that cannot be opened for writing (another user's, or a folder in its place)
    // still keeps a second window out.
    void aFolderInPlaceOfTheLockFileStillLocks() {
        testing::TempDir dir;
        fs::create_directory(dir / ".torvalet.lock");
        ui::SingleInstance first(dir.path());
        QVERIFY(first.acquire());
        ui::SingleInstance second(dir.path());
        QVERIFY(!second.acquire());
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
