#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include "app/LanguageFile.h"
#include "base/ProfileFile.h"
#include "base/Text.h"
#include "ui/ItemTreeView.h"
#include "ui/LanguageCaptions.h"
#include "ui/RunningWindow.h"
#include "ui/TaskTableModel.h"
#include "ui/dialogs/ItemDialogs.h"

using namespace torvalet;

namespace {

// The window with its item dialogs, as the program builds it.
struct Window : testing::RunningWindow {
    Window() { window->installItemDialogs(); }

    template <typename T>
    T* find(const char* name) const {
        return window->findChild<T*>(name);
    }
    QString text(const char* action) const { return find<QAction>(action)->text(); }
    QString menuTitle(const char* menu) const { return find<QMenu>(menu)->title(); }
    QString column(const char* tree, int index) const {
        return find<ui::ItemTreeView>(tree)->model()->headerData(index, Qt::Horizontal).toString();
    }
    QString gridColumn(ui::TaskTableModel::Column column) const {
        return window->taskModel()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    QString tab(const char* pages, int index) const { return find<QTabWidget>(pages)->tabText(index); }
    void trigger(const char* action) const { find<QAction>(action)->trigger(); }
    // No title of the task grid is cut: a longer one widens its column.
    void expectGridTitlesWhole() const {
        const QHeaderView* header = find<QTableView>("tasksDBGrid")->horizontalHeader();
        for (int c = 0; c < ui::TaskTableModel::ColumnCount; ++c)
            if (!header->isSectionHidden(c))
                QVERIFY2(header->sectionSize(c) >= header->sectionSizeHint(c),
                         qPrintable(gridColumn(ui::TaskTableModel::Column(c))));
    }
};

}  // namespace

class LanguageViewTest : public QObject {
    Q_OBJECT

private slots:
    void everyComponentALanguageFileNamesIsThere() {
        Window app;
        const LanguageTable table = loadLanguage(ProfileFile(), TextCodec());
        const QStringList missing = app.window->captions().missing(table);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(' ')));
    }

    void switchingLanguagesReplacesCaptionsListsAndTitlesAndBack() {
        Window app;
        const QString builtInQuit = app.text("Quit1");
        const struct {
            const char* language;
            const char* quit;
            const char* goalColumn;
            const char* tasksTab;
            const char* goalDialog;
            const char* firstGoalType;
        } cases[] = {
            {"Russian1", "Выход", "Цель", "Задачи", "Свойства цели", "Группа"},
            {"Hellenic1", "Έξοδος", "Στόχος", "Εργασίες", "Ιδιότητες στόχου", "Ομάδα"},
            {"Macedonian1", "Излез", "Цел", "Задачи", "Својства на целта", "Група"},
            {"English1", "Quit", "Goal", "Tasks", "Goal Properties", "Group"},
        };
        for (const auto& c : cases) {
            app.trigger(c.language);
            QVERIFY(app.find<QAction>(c.language)->isChecked());
            QCOMPARE(app.text("Quit1"), QString(c.quit));
            QCOMPARE(app.tab("MainPageControl", 0), QString(c.tasksTab));
            QCOMPARE(app.find<QWidget>("GoalForm")->windowTitle(), QString(c.goalDialog));
            for (const char* tree : {"GoalTree", "Goal3Tree", "Goal4Tree", "Goal5Tree"})
                QCOMPARE(app.column(tree, 0), QString(c.goalColumn));
            const std::vector<std::string>& types = app.organizer->treePages().goalForm.kind.items();
            QCOMPARE(types.size(), std::size_t(36));
            QCOMPARE(QString::fromStdString(types.front()), QString(c.firstGoalType));
            QCOMPARE(app.organizer->treePages().linkForm.kind.items().size(), std::size_t(7));
            QCOMPARE(app.organizer->treePages().contactForm.kind.items().size(), std::size_t(6));
            app.expectGridTitlesWhole();
        }
        QCOMPARE(builtInQuit, QString("Quit"));

        app.trigger("Russian1");
        QCOMPARE(app.menuTitle("mFile"), QString("&Файл"));
        QCOMPARE(app.text("NewChildGoal_mp"), QString("Новый дочерний элемент"));
        QCOMPARE(app.text("NewChildLink_mp"), QString("Новый дочерний элемент"));
        QCOMPARE(app.text("messagePad1"), QString("Панель сообщений"));
        QCOMPARE(app.column("StdLinksTree", 1), QString("Адрес"));
        QCOMPARE(app.column("FoldersTree", 1), QString("URL"));
        QCOMPARE(app.tab("LinksPageControl", 5), QString("Изображения"));
        QCOMPARE(app.tab("GoalPageControl", 0), QString("Day"));
        QCOMPARE(app.gridColumn(ui::TaskTableModel::Task), QString("Задача"));
        QCOMPARE(app.find<QLabel>("GoalLb")->text(), QString("Цель"));
        QCOMPARE(app.window->windowTitle(), QString("Torvalet: личный органайзер"));
    }

    // Without its file a language gives the defaults: empty captions, "?" elsewhere.
    void aMissingFileGivesTheDefaults() {
        Window app;
        std::filesystem::remove(app.dir / "Lang" / "hellenic.lng");
        app.trigger("Hellenic1");
        QCOMPARE(app.text("Quit1"), QString());
        QCOMPARE(app.window->windowTitle(), QString("Редактор"));
        QCOMPARE(app.column("GoalTree", 0), QString("?"));
        QCOMPARE(app.organizer->treePages().linkForm.kind.items(), std::vector<std::string>(7, "?"));
        QVERIFY(app.fakes.ui.messages.empty());
    }

    void startingInALanguageAppliesItsFileAtFirstShow() {
        testing::RunningWindow app([](testing::RunningWindow& running) {
            testing::writeText(running.dir / "torvalet.ini", "[General]\niLanguage=3\n");
        });
        QVERIFY(app.window->findChild<QAction*>("Hellenic1")->isChecked());
        QCOMPARE(app.window->findChild<QAction*>("Quit1")->text(), QString("Έξοδος"));
    }
};

QTEST_MAIN(LanguageViewTest)
#include "LanguageViewTest.moc"
