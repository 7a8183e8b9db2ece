#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include "model/FixedShortcuts.h"
#include "trees/ContactRecord.h"
#include "trees/LinkRecord.h"
#include "ui/ItemTreeModel.h"
#include "ui/ItemTreeView.h"
#include "ui/RunningWindow.h"
#include "ui/dialogs/ContactDialog.h"
#include "ui/dialogs/ItemDialogs.h"

using namespace torvalet;

namespace {

QAction* action(const testing::RunningWindow& app, const char* name) {
    return app.window->findChild<QAction*>(QString::fromLatin1(name));
}

LinkRecord& firstLink(testing::RunningWindow& app) {
    return app.organizer->trees().get(TreeId::LinksTree).firstTopLevel()->record<LinkRecord>();
}

}  // namespace

class OpenActionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyShortcutTextIsOneKeyCombination() {
        for (const FixedShortcut& shortcut : fixedShortcuts()) {
            const QKeySequence keys(QString::fromLatin1(shortcut.keys), QKeySequence::PortableText);
            QVERIFY2(keys.count() == 1 && keys[0].key() != Qt::Key_unknown, shortcut.keys);
        }
        QCOMPARE(QKeySequence("Ctrl+Num++", QKeySequence::PortableText)[0],
                 QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus));
    }

    void commandsCarryTheirKeysAndHiddenOnesAreInNoMenu() {
        testing::RunningWindow app;
        const struct {
            const char* name;
            const char* caption;
            const char* keys;
            bool hidden;
        } commands[] = {
            {"Quit1", "Quit", "Ctrl+Q", false},
            {"OpenLink_mp", "Open Link", "F9", false},
            {"EmailToContacts_mp", "Email To Contact/s", "F11", false},
            {"ExploreContacts_mp", "Visit Contacts Web Sites", "Ctrl+F11", false},
            {"GenerateEmailFromPhrases_mp", "Generate Email From Phrases", "", false},
            {"GenerateEmailFromTextboard_mp", "Generate Email From Textboard", "", false},
            {"OpenLinkInInternalBrowser_mp", "Open Link In Internal Browser", "Ctrl+F9", true},
            {"GoogleSearch1", "Google Search", "Ctrl+Shift+Alt+G", true},
            {"InternetExplorer1", "Internet Explorer", "Ctrl+Shift+Alt+I", true},
            {"WindowsExplorer1", "Windows Explorer", "Ctrl+Shift+Alt+E", true},
            {"EscapeCommand1", "Escape Command", "Esc", true},
        };
        for (const auto& c : commands) {
            QAction* found = action(app, c.name);
            QVERIFY2(found, c.name);
            QCOMPARE(found->text(), QString(c.caption));
            QCOMPARE(found->shortcut(), QKeySequence(c.keys));
            bool inMenu = false;
            for (const QObject* user : found->associatedObjects())
                inMenu |= qobject_cast<const QMenu*>(user) != nullptr;
            QCOMPARE(inMenu, !c.hidden);
        }
        QVERIFY(app.window->findChild<QToolBar*>("LinksToolBar")->actions().contains(action(app, "SpeedButton9")));
        QVERIFY(app.window->findChild<QToolBar*>("ContactsToolBar")->actions().contains(action(app, "ContactsRunBtn")));
    }

    void keysOpenLinksAndTheDesktop() {
        testing::RunningWindow app;
        app.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.window.get()));
        firstLink(app) = {};
        firstLink(app).url = "https://example.org";
        firstLink(app).kind = 1;
        ItemTree& links = app.organizer->trees().get(TreeId::LinksTree);
        links.selectOnly(links.firstTopLevel());

        QTest::keyClick(app.window.get(), Qt::Key_F9);
        QCOMPARE(app.organizer->view().activePage, int(kLinksPage));
        QTest::keyClick(app.window.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        QTest::keyClick(app.window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        const std::string home = app.dir.path().string();
        QCOMPARE(app.fakes.shell.requests,
                 (std::vector<DesktopRequest>{{DesktopRequest::Kind::Browse, "https://example.org", "", home},
                                              {DesktopRequest::Kind::Browse, "https://duckduckgo.com/", "", home},
                                              {DesktopRequest::Kind::ShowFolder, "", "", home}}));

        QTest::keyClick(app.window.get(), Qt::Key_Escape);
        QVERIFY(app.window->isMinimized());
    }

    void doubleClickOnALinkWithoutChildrenOpensTheSelection() {
        testing::RunningWindow app;
        ItemTree& links = app.organizer->trees().get(TreeId::LinksTree);
        firstLink(app).url = "notes.txt";
        links.appendChild(links.firstTopLevel())->record<LinkRecord>().url = "child.txt";
        links.selectOnly(links.firstTopLevel());
        ui::ItemTreeView* view = app.window->viewOf(links);
        view->refresh();
        links.setFocused(links.firstTopLevel());
        emit view->doubleClicked(view->model()->index(0, 0));
        QVERIFY(app.fakes.shell.requests.empty());

        links.setFocused(links.firstTopLevel()->firstChild());
        emit view->doubleClicked(view->model()->index(0, 0));
        QCOMPARE(app.fakes.shell.requests.size(), std::size_t(1));
        QCOMPARE(app.fakes.shell.requests[0].target, std::string("notes.txt"));
    }

    void mailFromTheTextboardAndTheContactDialog() {
        testing::RunningWindow app;
        app.organizer->textboard() = "Hello\nWorld";
        action(app, "GenerateEmailFromTextboard_mp")->trigger();

        ItemTree& contacts = app.organizer->trees().get(TreeId::ContactsTree);
        contacts.firstTopLevel()->record<ContactRecord>().email = "ann@example.org";
        contacts.selectOnly(contacts.firstTopLevel());
        const ui::ItemDialogs& dialogs = app.window->installItemDialogs();
        dialogs.contact->mailContacts();

        const std::string home = app.dir.path().string();
        QCOMPARE(app.fakes.shell.requests,
                 (std::vector<DesktopRequest>{
                     {DesktopRequest::Kind::Mail, "mailto: ?subject= &body=Hello\rWorld\r", "", home},
                     {DesktopRequest::Kind::Mail, "mailto:ann@example.org; ", "", home}}));
    }
};

QTEST_MAIN(OpenActionsTest)
#include "OpenActionsTest.moc"
