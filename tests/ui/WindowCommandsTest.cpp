#include <QAction>
#include <QDialog>
#include <QKeySequence>
#include <QMap>
#include <QMenu>
#include <QTest>

#include <fstream>
#include <map>

#include "app/LanguageKeys.h"
#include "model/FixedShortcuts.h"
#include "tasks/TaskCommandTable.h"
#include "trees/TreeCommandTable.h"
#include "ui/RunningWindow.h"
#include "ui/dialogs/ItemDialogs.h"

using namespace torvalet;

namespace {

// The window with its item dialogs, as the program builds it.
struct Window : testing::RunningWindow {
    Window() { window->installItemDialogs(); }
};

QString keysText(const QList<QKeySequence>& keys) {
    return QKeySequence::listToString(keys, QKeySequence::PortableText);
}

QList<QKeySequence> sequences(const std::vector<std::string>& texts) {
    QList<QKeySequence> keys;
    for (const std::string& text : texts)
        keys << QKeySequence(QString::fromStdString(text), QKeySequence::PortableText);
    return keys;
}

// Every action of the window that has keys, by object name, with its keys ("; " between several).
QMap<QString, QString> keysOfTheWindow(const ui::MainWindow& window) {
    QMap<QString, QString> found;
    for (const QAction* action : window.findChildren<QAction*>())
        if (!action->shortcuts().isEmpty()) found.insert(action->objectName(), keysText(action->shortcuts()));
    return found;
}

// The component names of a language file's caption and hint keys ("Quit1.c", "mFile.Hint"), by
// section; keys of other shapes give column and page titles and list entries.
std::map<std::string, std::vector<std::string>> componentsOfLanguageFile(const std::string& path) {
    std::map<std::string, std::vector<std::string>> components;
    std::ifstream in(path);
    std::string section;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("[") && line.ends_with("]")) section = line.substr(1, line.size() - 2);
        const std::size_t equals = line.find('=');
        if (line.starts_with(";") || equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        for (const std::string suffix : {".c", ".Hint"})
            if (key.ends_with(suffix)) components[section].push_back(key.substr(0, key.size() - suffix.size()));
    }
    return components;
}

}  // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Every key of the window on its action, and no other: moving keys between tables must not
    // change them.
    void everyKeyOfTheWindowIsOnItsCommand() {
        const QMap<QString, QString> expected = {
            {"AtWork1", "Shift+F4"},
            {"Delegated1", "Alt+5"},
            {"Do1", "Ctrl+G"},
            {"EmailToContacts_mp", "F11"},
            {"EscapeCommand1", "Esc"},
            {"ExploreContacts_mp", "Ctrl+F11"},
            {"GoogleSearch1", "Ctrl+Shift+Alt+G"},
            {"Hi1", "Alt+1"},
            {"Highest1", "Alt+0"},
            {"Insert1", "Ctrl+N"},
            {"InsertFromClipboard1", "F10"},
            {"InternetExplorer1", "Ctrl+Shift+Alt+I"},
            {"LoadTask1", "Ctrl+L"},
            {"Low1", "Alt+3"},
            {"messagePad1", "Ctrl+F12"},
            {"Middle1", "Alt+2"},
            {"mShift", "F6"},
            {"mTaskProps", "Ctrl+Return; Ctrl+Num+Enter"},
            {"Mute1", "F7"},
            {"NullPriority1", "Alt+9"},
            {"NullState1", "Alt+8"},
            {"OpenLink_mp", "F9"},
            {"OpenLinkInInternalBrowser_mp", "Ctrl+F9"},
            {"Prepare1", "F4"},
            {"QPrio1", "Alt+4"},
            {"Quit1", "Ctrl+Q"},
            {"RightPanelWide_mp", "Alt+Backspace"},
            {"RotatePriority1", "Ctrl+Num+*"},
            {"RotateState1", "Ctrl+Num++"},
            {"SaveTask1", "Ctrl+S"},
            {"SetDate1", "Ctrl+D"},
            {"SetFinalTime1", "Ctrl+Alt+T"},
            {"SetTime1", "Ctrl+T"},
            {"ShiftDateBack1", "Ctrl+Alt+B"},
            {"ShiftDateForward1", "Ctrl+Alt+F"},
            {"ShiftTimeHourBack1", "Ctrl+B"},
            {"ShiftTimeHourForward1", "Ctrl+F"},
            {"ShowNextTip1", "Alt+F1"},
            {"StoreTask1", "Ctrl+Alt+S"},
            {"TaskReport1", "Ctrl+P"},
            {"Terminate1", "F8"},
            {"Undone1", "Ctrl+F8"},
            {"ViewBlocknotePage1", "Ctrl+4"},
            {"ViewCalendarPage1", "Ctrl+5"},
            {"ViewContactsPage1", "Ctrl+3"},
            {"ViewLinksPage1", "Ctrl+2"},
            {"ViewTasksPage1", "Ctrl+1"},
            {"WindowsExplorer1", "Ctrl+Shift+Alt+E"},
        };
        Window app;
        const QMap<QString, QString> found = keysOfTheWindow(*app.window);
        const auto written = [&expected](const QString& name) {
            return keysText(QKeySequence::listFromString(expected.value(name), QKeySequence::PortableText));
        };
        for (auto it = found.begin(); it != found.end(); ++it)
            QVERIFY2(written(it.key()) == it.value(), qPrintable(it.key() + " has " + it.value()));
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QVERIFY2(found.contains(it.key()), qPrintable(it.key() + " is missing"));
    }

    // Every row of the task and tree command tables, and every command of the window's own keys,
    // is an action of the window with the row's caption and keys; every menu of the tree table is
    // there with its caption.
    void theCommandTablesNameActionsOfTheWindow() {
        Window app;
        const auto expectAction = [&](const char* name, const char* caption, const std::vector<std::string>& keys) {
            const auto* action = app.window->findChild<QAction*>(QString::fromLatin1(name));
            QVERIFY2(action, name);
            if (caption) QCOMPARE(action->text(), QString::fromUtf8(caption));
            QCOMPARE(keysText(action->shortcuts()), keysText(sequences(keys)));
        };
        for (const TaskCommandInfo& command : taskCommands())
            expectAction(command.name, command.caption, command.shortcuts());
        for (const TreeCommandInfo& command : treeCommands())
            expectAction(command.name, command.caption, command.shortcuts());
        std::map<std::string, std::vector<std::string>> ownKeys;
        for (const FixedShortcut& shortcut : fixedShortcuts()) {
            QVERIFY2(!findTaskCommand(shortcut.command) && !findTreeCommand(shortcut.command), shortcut.command);
            for (const std::string& key : keyList(shortcut.keys)) ownKeys[shortcut.command].push_back(key);
        }
        for (const auto& [name, keys] : ownKeys) expectAction(name.c_str(), nullptr, keys);
        for (const CommandMenu& menu : treeMenus()) {
            const auto* found = app.window->findChild<QMenu*>(QString::fromLatin1(menu.name));
            QVERIFY2(found, menu.name);
            QCOMPARE(found->title(), QString::fromUtf8(menu.caption));
        }
    }

    // Every component that a caption or hint of the English language file names is in the window,
    // or in the dialog of its section.
    void everyComponentOfTheEnglishFileIsThere() {
        Window app;
        std::map<std::string, std::string> dialogOfSection;
        for (const LanguageDialogKeys& dialog : dialogLanguageKeys()) dialogOfSection[dialog.section] = dialog.window;
        const auto components = componentsOfLanguageFile(TORVALET_LANG_DATA "/english.lng");
        QVERIFY(components.contains("Form1"));
        for (const auto& [section, names] : components) {
            QWidget* holder = app.window.get();
            if (section != "Form1") {
                QVERIFY2(dialogOfSection.contains(section), section.c_str());
                holder = app.window->findChild<QDialog*>(QString::fromStdString(dialogOfSection[section]));
                QVERIFY2(holder, section.c_str());
            }
            for (const std::string& name : names) {
                if (name == "Form") continue;  // the holder's own title
                // The window's keys that name another component (a key read twice names two).
                const std::vector<std::string> targets =
                    section == "Form1"
                        ? std::vector<std::string>{componentOfCaptionKey(name, 0), componentOfCaptionKey(name, 1)}
                        : std::vector<std::string>{name};
                for (const std::string& target : targets)
                    QVERIFY2(holder->findChild<QObject*>(QString::fromStdString(target)),
                             (section + "/" + target).c_str());
            }
        }
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
