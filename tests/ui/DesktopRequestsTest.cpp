// What the desktop is asked to do for what the user stored: a link of each kind, a task of each
// type on "Do" and on its reminder, mail, the help commands. Each row goes from the stored input
// through the request the core builds to the desktop action the shell plans for it, so the rows
// hold whatever shape the requests take between the two.

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>
#include <optional>

#include "app/HelpCommands.h"
#include "fakes/FakeServices.h"
#include "fakes/LinkRecords.h"
#include "fakes/TempDir.h"
#include "model/Settings.h"
#include "trees/LinkRecord.h"
#include "trees/OpenRequests.h"
#include "ui/services/QtShell.h"

using namespace torvalet;
using ui::DesktopAction;
using ui::QtShell;

namespace {

using testing::linkOf;

template <class Request>
std::optional<DesktopAction> planned(const std::optional<Request>& request) {
    if (!request) return std::nullopt;
    return QtShell::plan(*request);
}

template <class Request>
std::optional<DesktopAction> planned(const Request& request) {
    return QtShell::plan(request);
}

DesktopAction url(const QString& address) { return {DesktopAction::OpenUrl, QUrl(address), {}, {}, {}}; }
DesktopAction encodedUrl(const QString& address) {
    return {DesktopAction::OpenUrl, QUrl(address, QUrl::StrictMode), {}, {}, {}};
}
DesktopAction local(const QString& path) { return url("file://" + path); }
DesktopAction start(const QString& program, const QStringList& arguments, const QString& folder) {
    return {DesktopAction::StartProgram, {}, program, arguments, folder};
}
DesktopAction browser(const QString& folder) { return {DesktopAction::StartBrowser, {}, {}, {}, folder}; }
const DesktopAction refused{};

QString describe(const std::optional<DesktopAction>& action) {
    if (!action) return QStringLiteral("no request");
    return QString::number(action->kind) + ' ' + action->url.toString(QUrl::FullyEncoded) + ' ' + action->program +
           " [" + action->arguments.join('|') + "] in " + action->folder;
}

}  // namespace

class DesktopRequestsTest : public QObject {
    Q_OBJECT

private slots:
    // home: the application folder, with "notes.txt", "work/sub" and the program "work/tool".
    void storedLinksAndTasksReachTheDesktopAsToday() {
        testing::TempDir dir;
        const QString home = QString::fromStdString(dir.path().string());
        QDir(home).mkpath("work/sub");
        testing::writeText(dir / "notes.txt", "notes");
        testing::writeText(dir / "work" / "tool", "#!/bin/sh\n");
        QFile::setPermissions(home + "/work/tool", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString work = home + "/work", tool = work + "/tool";
        Settings settings;
        settings.webSearchPrefix = "https://duckduckgo.com/?q=";
        const OpenRequests requests(dir.path(), settings);

        const struct {
            const char* what;
            std::function<std::optional<DesktopAction>()> run;
            std::optional<DesktopAction> expected;
        } cases[] = {
            // Links opened from their tree, by kind.
            {"internet link", [&] { return planned(requests.link(linkOf(1, "https://example.org/a", "work"))); },
             url("https://example.org/a")},
            {"group link", [&] { return planned(requests.link(linkOf(5, "example.org"))); }, url("http://example.org")},
            {"folder link", [&] { return planned(requests.link(linkOf(2, "work"))); }, local(work)},
            {"folder link in its folder", [&] { return planned(requests.link(linkOf(2, "sub", "work"))); },
             local(work + "/sub")},
            {"missing folder link", [&] { return planned(requests.link(linkOf(2, "/no/such/folder"))); }, refused},
            {"search link", [&] { return planned(requests.link(linkOf(6, "two words"))); },
             url("https://duckduckgo.com/?q=two%20words")},
            {"mail link", [&] { return planned(requests.link(linkOf(7, "ann@example.org", "work"))); },
             url("mailto:ann@example.org")},
            {"no kind", [&] { return planned(requests.link(linkOf(0, "notes.txt"))); }, local(home + "/notes.txt")},
            {"file link, missing folder", [&] { return planned(requests.link(linkOf(3, "notes.txt", "missing"))); },
             local(home + "/notes.txt")},
            {"program link", [&] { return planned(requests.link(linkOf(4, "tool", "work", "-n \"a b\"; rm -rf ~"))); },
             start(tool, {"-n", "a b;", "rm", "-rf", "~"}, work)},
            {"unchosen kind", [&] { return planned(requests.link(linkOf(-1, "https://example.org"))); },
             url("https://example.org")},
            {"unknown kind", [&] { return planned(requests.link(linkOf(8, "https://example.org"))); }, std::nullopt},
            {"empty url", [&] { return planned(requests.link(linkOf(1, ""))); }, std::nullopt},
            // Links whose stored address names the browser or the file manager.
            {"stored file manager",
             [&] { return planned(requests.link(linkOf(4, "explorer.exe", "work", "/n, /e,sub"))); },
             local(work + "/sub")},
            {"stored file manager alone", [&] { return planned(requests.link(linkOf(4, "Explorer"))); },
             local(QDir::homePath())},
            {"stored browser",
             [&] { return planned(requests.link(linkOf(3, "IEXPLORE.EXE", "", " -new example.org"))); },
             url("http://example.org")},
            {"stored browser alone", [&] { return planned(requests.link(linkOf(0, "iexplore"))); }, browser(home)},
            {"stored mail address",
             [&] { return planned(requests.link(linkOf(3, "mailto:bob@example.org", "", "x"))); },
             url("mailto:bob@example.org")},
            // Links opened by their hot key.
            {"hot key internet link", [&] { return planned(requests.hotKeyLink(linkOf(1, "example.org", "work"))); },
             url("http://example.org")},
            {"hot key folder link", [&] { return planned(requests.hotKeyLink(linkOf(2, "work"))); }, local(work)},
            {"hot key mail link", [&] { return planned(requests.hotKeyLink(linkOf(7, "ann@example.org"))); }, refused},
            {"hot key program link", [&] { return planned(requests.hotKeyLink(linkOf(4, "tool", "work", "x y"))); },
             start(tool, {"x", "y"}, work)},
            // Tasks on "Do".
            {"do search", [&] { return planned(requests.taskDo(16, "two words", "c")); },
             url("https://duckduckgo.com/?q=two%20words")},
            {"do open", [&] { return planned(requests.taskDo(10, "example.org", "c")); }, url("http://example.org")},
            {"do copy", [&] { return planned(requests.taskDo(35, "a", "c")); }, refused},
            {"do mail", [&] { return planned(requests.taskDo(4, "ann@example.org", "c")); },
             url("mailto:ann@example.org")},
            {"do mail on do", [&] { return planned(requests.taskDo(28, "ann@example.org", "c")); },
             url("mailto:ann@example.org")},
            {"do program", [&] { return planned(requests.taskDo(26, "work/tool", "--flag \"a b\"")); },
             start(tool, {"--flag", "a b"}, home)},
            {"do document", [&] { return planned(requests.taskDo(26, "notes.txt", "--x")); },
             local(home + "/notes.txt")},
            {"do stored browser", [&] { return planned(requests.taskDo(26, "IEXPLORE.EXE", " -new example.org")); },
             url("http://example.org")},
            {"do stored file manager", [&] { return planned(requests.taskDo(26, "explorer", "/n, /e,work")); },
             local(work)},
            {"do other type", [&] { return planned(requests.taskDo(1, "example.org", "c")); }, std::nullopt},
            // Tasks whose reminder fires.
            {"reminder search", [&] { return planned(requests.taskExecute(16, "two words")); },
             url("https://duckduckgo.com/?q=two%20words")},
            {"reminder open", [&] { return planned(requests.taskExecute(10, "https://example.org/x")); },
             url("https://example.org/x")},
            {"reminder open bare host", [&] { return planned(requests.taskExecute(10, "example.org")); }, refused},
            {"reminder mail", [&] { return planned(requests.taskExecute(4, "ann@example.org")); },
             url("mailto:ann@example.org")},
            {"reminder mail on do", [&] { return planned(requests.taskExecute(28, "ann@example.org")); }, std::nullopt},
            {"reminder copy", [&] { return planned(requests.taskExecute(35, "a")); }, std::nullopt},
            {"reminder program", [&] { return planned(requests.taskExecute(26, "work/tool")); }, start(tool, {}, home)},
            {"reminder stored browser", [&] { return planned(requests.taskExecute(26, "iexplore.exe")); },
             browser(home)},
            // Mail, web sites and the browser and file manager on their own.
            {"mail", [&] { return planned(requests.mail("ann@example.org; bob@example.org; ")); },
             url("mailto:ann@example.org;%20bob@example.org;%20")},
            {"site", [&] { return planned(requests.site("example.org")); }, url("http://example.org")},
            {"phrases mail", [&] { return planned(requests.phrasesMail("ann@example.org; ", " Hi there")); },
             encodedUrl("mailto:ann@example.org;%20?subject=%20&body=%20Hi%20there")},
            {"textboard mail", [&] { return planned(requests.textboardMail("one\ntwo")); },
             encodedUrl("mailto:%20?subject=%20&body=one%0Dtwo%0D")},
            {"search start page", [&] { return planned(requests.searchStartPage()); }, url("https://duckduckgo.com/")},
            {"browser", [&] { return planned(requests.browser()); }, browser(home)},
            {"file manager", [&] { return planned(requests.fileManager()); }, local(QDir::homePath())},
        };
        for (const auto& c : cases) {
            const std::optional<DesktopAction> action = c.run();
            QVERIFY2(action == c.expected,
                     qPrintable(QString(c.what) + ": " + describe(action) + " instead of " + describe(c.expected)));
        }
    }

    void helpCommandsReachTheDesktopAsToday() {
        testing::TempDir dir;
        const QString home = QString::fromStdString(dir.path().string());
        testing::writeText(dir / "ReadMe.txt", "read me");
        Settings settings;
        testing::FakeServices fakes;
        HelpCommands help(fakes.shell, fakes.ui, settings, dir.path());
        const Date day = Date::fromYmd(2026, 12, 8);

        help.openHomePage();
        help.mailSupport();
        help.openReadMe();
        help.openPrivateInfo();
        help.createDayFolder(day);

        std::vector<DesktopAction> actions;
        for (const auto& request : fakes.shell.requests) actions.push_back(QtShell::plan(request));
        QCOMPARE(actions, (std::vector<DesktopAction>{url("https://torvalet.org/"), url("mailto:support@torvalet.org"),
                                                      local(home + "/ReadMe.txt"), local(home + "/Private.txt"),
                                                      local(home + "/Days/2026-12-08")}));
        QVERIFY(fakes.ui.messages.empty());
    }
};

QTEST_MAIN(DesktopRequestsTest)
#include "DesktopRequestsTest.moc"
