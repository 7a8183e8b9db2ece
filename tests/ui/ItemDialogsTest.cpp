#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/TreeTable.h"
#include "ui/dialogs/CalendarPropDialog.h"
#include "ui/dialogs/ContactDialog.h"
#include "ui/dialogs/GoalDialog.h"
#include "ui/dialogs/ItemDialogs.h"
#include "ui/dialogs/LinkPropDialog.h"
#include "ui/dialogs/PhraseDialog.h"

using namespace torvalet;

namespace {

// An organiser on a fresh folder (today is 08.12.2026) with the dialogs over its forms, which its
// observer runs as the window does.
struct Pages : OrganizerObserver {
    testing::TempDir dir;
    testing::FakeServices fakes;
    std::unique_ptr<Organizer> organizer;
    QWidget window;  // destroyed before the organiser, as in the program
    ui::ItemDialogs dialogs;

    Pages() {
        Organizer::provision(AppPaths{dir.path()});
        organizer = std::make_unique<Organizer>(fakes.services, dir.path());
        dialogs = ui::createItemDialogs(organizer->treePages(), &window);
        organizer->setObserver(this);
    }
    void editItem(FormBase& form) override { dialogs.run(form); }
    TreePages& forms() { return organizer->treePages(); }
    TreeNode& add(TreeId tree) { return *organizer->trees().get(tree).appendChild(); }
};

template <class Control>
Control* control(QWidget& dialog, const char* name) {
    auto* found = dialog.findChild<Control*>(QString::fromLatin1(name));
    if (!found) QTest::qFail(name, __FILE__, __LINE__);
    return found;
}

void click(QWidget& dialog, const char* button) {
    if (auto* found = control<QPushButton>(dialog, button)) found->click();
}

// Calls `open`, which is to show a dialog modally, and runs `steps` on it; a dialog the steps
// leave open is then closed with its close box. False when no dialog showed.
bool whileShown(const std::function<void()>& open, const std::function<void(QDialog&)>& steps) {
    QObject guard;
    bool shown = false;
    QTimer::singleShot(0, &guard, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown = true;
        steps(*dialog);
        if (dialog->isVisible()) dialog->close();
    });
    open();
    return shown;
}

// Presses `button` and answers the message box it raises; returns the message ("" for none).
QString messageOn(QWidget& dialog, const char* button) {
    QObject guard;
    QString message;
    QTimer::singleShot(0, &guard, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    click(dialog, button);
    return message;
}

}  // namespace

class ItemDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void dialogsCarryTheComponentNames() {
        Pages pages;
        const std::vector<std::pair<QWidget*, std::vector<const char*>>> expected{
            {pages.dialogs.goal,
             {"GoalLb", "DescriptionLb", "TypeLb", "StateLb", "PrioLb", "CommentLb", "GoalPropOkBtn1"}},
            {pages.dialogs.link,
             {"NameLb", "URLLb", "HotKeyLb", "ParamsLb", "DirLb", "AcDateLb", "TypeLb", "NoteLb", "OkLinkPropBtn"}},
            {pages.dialogs.contact,
             {"OfficialLb", "TypeLb",   "LastNameLb",   "MidNameLb",    "NameLb",       "NickNameLb",  "AdrLb",
              "Phone1Lb",   "Phone2Lb", "HotKeyLb",     "EmailLb",      "WebLb",        "BirthdayLb",  "NameDayLb",
              "SpecDayLb",  "NoteLb",   "ClearBDayBtn", "ClearNDayBtn", "ClearSDayBtn", "OkContactBtn"}},
            {pages.dialogs.phrase, {"TypeLb", "NameLb", "PhraseLb", "HotKeyLb", "NoteLb", "OkPhrasePropsBtn"}},
            {pages.dialogs.calendar,
             {"EventLb", "TypeLb", "MonChkBox", "TueChkBox", "WedChkBox", "ThuChkBox", "FriChkBox", "SatChkBox",
              "SunChkBox", "EventDateLb", "TimeLb", "NoteLb", "OkCalendarPropBtn"}},
        };
        const QStringList dialogNames{"GoalForm", "LinkPropForm", "ContactForm", "PhraseForm", "CalendarPropForm"};
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const auto& [dialog, names] = expected[i];
            QCOMPARE(dialog->objectName(), dialogNames[static_cast<int>(i)]);
            for (const char* name : names) QVERIFY2(dialog->findChild<QWidget*>(QString::fromLatin1(name)), name);
        }
    }

    void goalOkWritesTheControls() {
        Pages pages;
        TreeNode& node = pages.add(TreeId::DayGoalTree);
        auto& goal = node.record<GoalRecord>();
        goal = {"Plan", "first\r\nsecond", "", 2, 6, 3};
        pages.organizer->view().taskProperties = true;
        QVERIFY(whileShown([&] { pages.forms().goalForm.showGoal(node); },
                           [](QDialog& dialog) {
                               QCOMPARE(control<QComboBox>(dialog, "ComboBox1")->currentText(), QString("ToDo"));
                               QCOMPARE(control<QComboBox>(dialog, "ComboBox2")->currentText(), QString("Done"));
                               control<QPlainTextEdit>(dialog, "GoalMemo")->setPlainText("Plan B");
                               control<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(2);
                               control<QComboBox>(dialog, "ComboBox3")->setEditText("Someday");
                               click(dialog, "GoalPropOkBtn1");
                           }));
        QCOMPARE(goal.text, std::string("Plan B"));
        QCOMPARE(goal.description, std::string("first\r\nsecond"));  // memo left alone keeps its line breaks
        QCOMPARE(goal.kind, 3);
        QCOMPARE(goal.state, 2);
        QCOMPARE(goal.priority, -1);
        QVERIFY(!pages.organizer->view().taskProperties);
    }

    void linkOkStoresThePickedAccessDate() {
        Pages pages;
        TreeNode& node = pages.add(TreeId::LinksTree);
        auto& link = node.record<LinkRecord>();
        link.name = "Home";
        link.kind = 1;
        QVERIFY(whileShown([&] { pages.forms().linkForm.showLink(node); },
                           [](QDialog& dialog) {
                               auto* picker = control<QDateEdit>(dialog, "AccessDatePicker");
                               QCOMPARE(picker->date(), QDate(2026, 12, 8));
                               QCOMPARE(control<QLineEdit>(dialog, "NameEdit")->text(), QString("Home"));
                               picker->setDate(QDate(2025, 1, 31));
                               control<QLineEdit>(dialog, "UrlEdit")->setText("example.org");
                               click(dialog, "OkLinkPropBtn");
                           }));
        QCOMPARE(link.accessDate, std::string("31.01.25"));
        QCOMPARE(link.url, std::string("example.org"));
        QCOMPARE(link.kind, 1);
    }

    void contactDaysChangeOnlyThroughTheirButtons() {
        Pages pages;
        TreeNode& node = pages.add(TreeId::ContactsTree);
        auto& contact = node.record<ContactRecord>();
        contact.birthday = "02.03.80";
        contact.specialDay = "24.12.99";
        QVERIFY(whileShown([&] { pages.forms().contactForm.showContact(node); },
                           [](QDialog& dialog) {
                               QVERIFY(control<QLineEdit>(dialog, "bday_Edit")->isReadOnly());
                               QCOMPARE(control<QDateEdit>(dialog, "DateTimePicker1")->date(), QDate(1980, 3, 2));
                               control<QDateEdit>(dialog, "DateTimePicker2")->setDate(QDate(2026, 5, 21));
                               click(dialog, "TakeNDayBtn");
                               QCOMPARE(control<QLineEdit>(dialog, "nday_Edit")->text(), QString("21.05.26"));
                               control<QDateEdit>(dialog, "DateTimePicker3")->setDate(QDate(2026, 1, 1));  // no "="
                               click(dialog, "ClearBDayBtn");
                               control<QLineEdit>(dialog, "Edit1")->setText("Ann Lee");
                               click(dialog, "OkContactBtn");
                           }));
        QCOMPARE(contact.official, std::string("Ann Lee"));
        QCOMPARE(contact.birthday, std::string());
        QCOMPARE(contact.nameDay, std::string("21.05.26"));
        QCOMPARE(contact.specialDay, std::string("24.12.99"));
    }

    void contactTypedDayThatIsNoDateKeepsTheDialogOpen() {
        Pages pages;
        TreeNode& node = pages.add(TreeId::ContactsTree);
        auto& contact = node.record<ContactRecord>();
        contact.official = "Ann";
        QVERIFY(whileShown([&] { pages.forms().contactForm.showContact(node); },
                           [&](QDialog& dialog) {
                               control<QLineEdit>(dialog, "Edit1")->setText("Ann Lee");
                               control<QLineEdit>(dialog, "nday_Edit")->setText("5.3.80");
                               QVERIFY(messageOn(dialog, "OkContactBtn").contains("is not a valid date"));
                               QVERIFY(dialog.isVisible());
                               QCOMPARE(contact.official, std::string("Ann"));
                               control<QLineEdit>(dialog, "nday_Edit")->setText("05.03.80");
                               QCOMPARE(messageOn(dialog, "OkContactBtn"), QString());
                               QVERIFY(!dialog.isVisible());
                           }));
        QCOMPARE(contact.official, std::string("Ann Lee"));
        QCOMPARE(contact.nameDay, std::string("05.03.80"));
    }

    void contactMailAndWebButtonsRunTheirCommands() {
        Pages pages;
        TreeNode& node = pages.add(TreeId::ContactsTree);
        int mails = 0;
        int visits = 0;
        pages.dialogs.contact->mailContacts = [&] { ++mails; };
        pages.dialogs.contact->browseContacts = [&] { ++visits; };
        QVERIFY(whileShown([&] { pages.forms().contactForm.showContact(node); },
                           [](QDialog& dialog) {
                               click(dialog, "EmailBtn");
                               click(dialog, "WebBtn");
                               QVERIFY(dialog.isVisible());
                           }));
        QCOMPARE(mails, 1);
        QCOMPARE(visits, 1);
    }

    void phraseOkWritesTheControls() {
        Pages pages;
        TreeNode& node = pages.add(TreeId::PhrasesTree);
        auto& phrase = node.record<PhraseRecord>();
        phrase = {"Greeting", "Hello", "", 2, ""};
        QVERIFY(whileShown([&] { pages.forms().phraseForm.showPhrase(node); },
                           [](QDialog& dialog) {
                               QCOMPARE(control<QComboBox>(dialog, "ComboBox1")->currentIndex(), 2);
                               control<QLineEdit>(dialog, "NameEdit")->setText("Hi");
                               control<QLineEdit>(dialog, "HotKeyEdit")->setText("Ctrl+Alt+H");
                               control<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(1);
                               click(dialog, "OkPhrasePropsBtn");
                           }));
        QCOMPARE(phrase.name, std::string("Hi"));
        QCOMPARE(phrase.text, std::string("Hello"));
        QCOMPARE(phrase.hotKey, std::string("Ctrl+Alt+H"));
        QCOMPARE(phrase.kind, 1);
    }

    void calendarOkWritesDayChecksAndDate() {
        Pages pages;
        TreeNode& node = pages.add(TreeId::CalendarTree);
        auto& event = node.record<EventRecord>();
        event.kind = 2;
        event.weekDays = 128 | 1;  // Monday, and the bit no box shows
        QVERIFY(whileShown([&] { pages.forms().calendarForm.showCalendarEvent(node); },
                           [](QDialog& dialog) {
                               QVERIFY(control<QCheckBox>(dialog, "MonChkBox")->isChecked());
                               QVERIFY(!control<QCheckBox>(dialog, "SunChkBox")->isChecked());
                               QCOMPARE(control<QDateEdit>(dialog, "EventDatePicker")->date(), QDate(2026, 12, 8));
                               control<QCheckBox>(dialog, "MonChkBox")->setChecked(false);
                               control<QCheckBox>(dialog, "SunChkBox")->setChecked(true);
                               control<QLineEdit>(dialog, "EventTimeEdit")->setText("9:30");
                               click(dialog, "OkCalendarPropBtn");
                           }));
        QCOMPARE(event.weekDays, std::uint8_t(128 | 64));
        QCOMPARE(event.date, std::string("08.12.26"));
        QCOMPARE(event.time, std::string("9:30"));
        QCOMPARE(event.kind, 2);
    }

    void closingWithoutOkLeavesEveryRecord() {
        Pages pages;
        TreePages& forms = pages.forms();
        struct Case {
            TreeId tree;
            const char* line;
            std::function<void(TreeNode&)> open;
            std::function<bool()> isOpen;
            std::function<bool(TreeNode&)> untouched;
        };
        const std::vector<Case> cases{
            {TreeId::DayGoalTree, "GoalMemo", [&](TreeNode& n) { forms.goalForm.showGoal(n); },
             [&] { return forms.goalForm.isOpen(); },
             [](TreeNode& n) { return n.record<GoalRecord>() == GoalRecord{}; }},
            {TreeId::LinksTree, "NameEdit", [&](TreeNode& n) { forms.linkForm.showLink(n); },
             [&] { return forms.linkForm.isOpen(); },
             [](TreeNode& n) { return n.record<LinkRecord>() == LinkRecord{}; }},
            {TreeId::ContactsTree, "Edit1", [&](TreeNode& n) { forms.contactForm.showContact(n); },
             [&] { return forms.contactForm.isOpen(); },
             [](TreeNode& n) { return n.record<ContactRecord>() == ContactRecord{}; }},
            {TreeId::PhrasesTree, "NameEdit", [&](TreeNode& n) { forms.phraseForm.showPhrase(n); },
             [&] { return forms.phraseForm.isOpen(); },
             [](TreeNode& n) { return n.record<PhraseRecord>() == PhraseRecord{}; }},
            {TreeId::CalendarTree, "EventMemo", [&](TreeNode& n) { forms.calendarForm.showCalendarEvent(n); },
             [&] { return forms.calendarForm.isOpen(); },
             [](TreeNode& n) { return n.record<EventRecord>() == EventRecord{}; }},
        };
        for (const Case& c : cases) {
            TreeNode& node = pages.add(c.tree);
            const bool shown = whileShown([&] { c.open(node); },
                                          [&](QDialog& dialog) {
                                              QWidget* line = control<QWidget>(dialog, c.line);
                                              if (auto* edit = qobject_cast<QLineEdit*>(line)) edit->setText("changed");
                                              if (auto* memo = qobject_cast<QPlainTextEdit*>(line))
                                                  memo->setPlainText("changed");
                                              QTest::keyClick(&dialog, Qt::Key_Escape);
                                          });
            const std::string tree(treeInfo(c.tree).name);
            QVERIFY2(shown, tree.c_str());
            QVERIFY2(!c.isOpen(), tree.c_str());
            QVERIFY2(c.untouched(node), tree.c_str());
        }
    }

    // A dialog destroyed with its parent is not run again.
    void aDialogGoneIsNotRun() {
        Pages pages;
        QVERIFY(whileShown([&] { pages.forms().goalForm.showGoal(pages.add(TreeId::DayGoalTree)); }, [](QDialog&) {}));
        delete pages.dialogs.goal;
        QVERIFY(!pages.dialogs.run(pages.forms().goalForm));
    }
};

QTEST_MAIN(ItemDialogsTest)
#include "ItemDialogsTest.moc"
