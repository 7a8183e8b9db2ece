#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "fakes/TempDir.h"
#include "hotkeys/HotKeyText.h"
#include "platform/HotKeys.h"
#include "ui/services/DefaultBrowser.h"
#include "ui/services/QtShell.h"
#include "ui/services/QtUserInterface.h"
#include "ui/services/X11HotKeys.h"
#include "ui/services/X11KeyCodes.h"

using namespace torvalet;
using ui::DesktopAction;
using ui::QtShell;

namespace {

QString path(const testing::TempDir& dir, const char* name) { return QString::fromStdString((dir / name).string()); }

// A program that writes the folder it runs in and then its arguments, one per line, beside itself.
QString writeArgumentsProgram(const testing::TempDir& dir) {
    const QString program = path(dir, "show args");
    testing::writeText(program.toStdString(),
                       "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$0.out\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return program;
}

DesktopAction url(const QString& address) { return {DesktopAction::OpenUrl, QUrl(address), {}, {}, {}}; }

}  // namespace

class DesktopServicesTest : public QObject {
    Q_OBJECT

private slots:
    // A stray Enter on a question of the program (all of them delete something) answers No.
    void enterOnAQuestionAnswersNo() {
        ui::QtUserInterface boxes;
        QString defaultButton;
        QTimer::singleShot(100, [&defaultButton] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (box->defaultButton()) defaultButton = box->defaultButton()->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!boxes.askYesNo("Are you sure to delete 11.12.26 day tasks?"));
        QVERIFY(defaultButton.contains(QStringLiteral("No")));
    }

    void requestsBecomeDesktopActions() {
        testing::TempDir dir;
        QDir(path(dir, "")).mkdir("sub");
        testing::writeText(dir / "notes.txt", "notes");
        const QString program = writeArgumentsProgram(dir);
        const std::string folder = dir.path().string();
        const QString runsIn = QString::fromStdString(folder);
        using Kind = DesktopRequest::Kind;
        const struct {
            DesktopRequest request;
            DesktopAction expected;
        } cases[] = {
            {{Kind::Browse, "https://example.org/a-new-page", "", folder}, url("https://example.org/a-new-page")},
            {{Kind::Browse, " example.org ", "", folder}, url("http://example.org")},
            {{Kind::Browse, "https://duckduckgo.com/?q=two words", "", folder},
             url("https://duckduckgo.com/?q=two%20words")},
            {{Kind::Browse, "", "", folder}, {DesktopAction::StartBrowser, {}, {}, {}, runsIn}},
            {{Kind::Browse, " ", "", folder}, {DesktopAction::StartBrowser, {}, {}, {}, runsIn}},
            {{Kind::ShowFolder, folder + "/sub", "", folder}, url("file://" + path(dir, "sub"))},
            {{Kind::ShowFolder, " sub", "", folder}, url("file://" + path(dir, "sub"))},
            {{Kind::ShowFolder, "/no/such/folder", "", folder}, {}},
            {{Kind::ShowFolder, "", "", folder}, url("file://" + QDir::homePath())},
            {{Kind::Mail, "mailto:ann@example.org; bob@example.org; ", "", folder},
             url("mailto:ann@example.org;%20bob@example.org;%20")},
            {{Kind::Open, "https://example.org/page", "", folder}, url("https://example.org/page")},
            {{Kind::Open, "www.example.org", "", folder}, url("http://www.example.org")},
            {{Kind::Open, "notes.txt", "--ignored", folder}, url("file://" + path(dir, "notes.txt"))},
            {{Kind::Open, "sub", "", folder}, url("file://" + path(dir, "sub"))},
            {{Kind::Open, "show args", "one \"two words\"; rm -rf ~", folder},
             {DesktopAction::StartProgram, {}, program, {"one", "two words;", "rm", "-rf", "~"}, runsIn}},
            {{Kind::Open, "", "", folder}, {}},
            {{Kind::Open, "/no/such/program", "", folder}, {}},
            {{Kind::CopyDiskette, "", "", folder}, {}},
        };
        for (const auto& c : cases) {
            const DesktopAction action = QtShell::plan(c.request);
            QVERIFY2(action == c.expected,
                     (describe(c.request) + " -> " + action.url.toString().toStdString() + action.program.toStdString())
                         .c_str());
        }
    }

    // Parameters reach the program as they were split, in the request's folder; nothing of them
    // is run by a shell.
    void programsStartWithTheirParametersAndNoShell() {
        testing::TempDir dir;
        const QString program = writeArgumentsProgram(dir);
        const std::string folder = (dir / "").string();
        QVERIFY(QtShell().open({DesktopRequest::Kind::Open, "show args",
                                "one \"two words\" $(touch made) ; echo x > made2 | cat `id`", folder}));
        QTRY_VERIFY(QFile::exists(program + ".out"));
        QTRY_VERIFY(testing::readText((program + ".out").toStdString()).find("`id`") != std::string::npos);
        QCOMPARE(QString::fromStdString(testing::readText((program + ".out").toStdString())),
                 QDir(path(dir, "")).absolutePath() +
                     "\none\ntwo words\n$(touch\nmade)\n;\necho\nx\n>\nmade2\n|\ncat\n`id`\n");
        QVERIFY(!QFile::exists(path(dir, "made")));
        QVERIFY(!QFile::exists(path(dir, "made2")));
    }

    // The box names what was asked for; a request without a target names what it would start.
    void whatCannotBeOpenedIsSaidWithoutWaiting() {
        testing::TempDir dir;
        QLocale::setDefault(QLocale(QLocale::English));
        const std::string folder = dir.path().string();
        const struct {
            DesktopRequest request;
            const char* text;
        } cases[] = {
            {{DesktopRequest::Kind::Open, "/no/such/program", "--flag ", folder},
             "Could not open \"/no/such/program --flag\"."},
            {{DesktopRequest::Kind::ShowFolder, "/no/such/folder", "", folder}, "Could not open \"/no/such/folder\"."},
            {{DesktopRequest::Kind::CopyDiskette, "", "", folder}, "Could not open \"the diskette copy\"."},
        };
        for (const auto& c : cases) {
            QVERIFY(!QtShell().open(c.request));
            QMessageBox* box = nullptr;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == "ShellRefusal" && window->isVisible())
                    box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box);
            QCOMPARE(box->text(), QString(c.text));
            box->close();
        }
    }

    void desktopEntriesGiveTheirCommand() {
        const auto browser = ui::commandOfDesktopEntry(
            "[Desktop Entry]\nName=Browser\nExec=\"/opt/my browser/run\" --flag %U 100%%\n"
            "[Desktop Action new-window]\nExec=other --new-window %u\n");
        QVERIFY(browser);
        QCOMPARE(browser->program, QString("/opt/my browser/run"));
        QCOMPARE(browser->arguments, QStringList({"--flag", "100%"}));
        QVERIFY(!ui::commandOfDesktopEntry("[Desktop Action x]\nExec=other\n"));
    }

    void everyNamedKeyHasAnX11Key() {
        for (unsigned key = 8; key <= 255; ++key)
            if (!keyName(key).empty()) QVERIFY2(ui::keysymOfVirtualKey(key) != 0, keyName(key).c_str());
    }

    void withoutX11ThereAreNoSystemWideKeys() {
        if (QGuiApplication::platformName() == "xcb") QSKIP("running on X11");
        ui::X11HotKeys keys;
        QVERIFY(!keys.available());
        QVERIFY(!keys.registerKey(0xC000, HotKeyFlag::Ctrl | HotKeyFlag::Alt, 'L'));
    }
};

QTEST_MAIN(DesktopServicesTest)
#include "DesktopServicesTest.moc"
