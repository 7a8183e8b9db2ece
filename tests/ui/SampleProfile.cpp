#include "SampleProfile.h"

#include <string>

#include "app/Organizer.h"
#include "tasks/DayMarks.h"
#include "tasks/LookupKey.h"
#include "trees/ContactRecord.h"
#include "trees/EventRecord.h"
#include "trees/GoalRecord.h"
#include "trees/LinkRecord.h"
#include "trees/PhraseRecord.h"

namespace torvalet::testing {

namespace {

template <class Record>
Record& add(ItemTree& tree, TreeNode* parent, TreeNode** made = nullptr) {
    TreeNode* node = tree.appendChild(parent);
    node->setFlag(NodeFlag::Expanded, true);
    if (made) *made = node;
    return node->record<Record>();
}

TreeNode* goal(ItemTree& tree, TreeNode* parent, const char* text, int type, int state = 0, int prio = 0,
               const char* comment = "") {
    TreeNode* node = nullptr;
    GoalRecord& g = add<GoalRecord>(tree, parent, &node);
    g.text = text;
    g.kind = type;
    g.state = state;
    g.priority = prio;
    g.description = comment;
    return node;
}

void goals(Organizer& organizer) {
    ItemTree& day = organizer.trees().get(TreeId::DayGoalTree);
    day.clear();
    TreeNode* work = goal(day, nullptr, "Work", 0);
    goal(day, work, "Finish the quarterly report", 1, 2, 1, "Numbers from finance by noon");
    goal(day, work, "Call the printer about the brochures", 12, 1, 2, "Ask for the proof");
    goal(day, work, "Review Anna's pull request", 3, 5, 3, "Delegated to Boris");
    goal(day, work, "Book the meeting room", 3, 6, 4);
    goal(day, work, "Expense claim for October", 11, 4, 3, "Waiting for the receipts");
    TreeNode* home = goal(day, nullptr, "Home", 0);
    goal(day, home, "Fix the kitchen tap", 3, 3, 5, "Mute until the plumber calls back");
    goal(day, home, "Buy birthday present for Maria", 5, 1, 2);
    goal(day, home, "Renew the car insurance", 2, 7, 1, "The old offer expired");
    goal(day, home, "Ideas for the garden", 4, 0, 0, "Tulips, a bench, more light");

    const char* week[] = {"Plan the team offsite", "Dentist on Thursday", "Read two chapters"};
    const char* month[] = {"Close the project Atlas", "Visit grandmother"};
    const char* year[] = {"Learn Spanish to B1", "Run a half marathon"};
    const char* global[] = {"Write a book", "Travel to Japan"};
    const struct {
        TreeId tree;
        const char* const* texts;
        int count;
    } horizons[] = {{TreeId::WeekGoalTree, week, 3},
                    {TreeId::MonthGoalTree, month, 2},
                    {TreeId::YearGoalTree, year, 2},
                    {TreeId::GlobalGoalTree, global, 2}};
    for (const auto& horizon : horizons) {
        ItemTree& tree = organizer.trees().get(horizon.tree);
        tree.clear();
        for (int i = 0; i < horizon.count; ++i) goal(tree, nullptr, horizon.texts[i], i == 0 ? 1 : 9, i % 3, i + 1);
    }
}

void link(ItemTree& tree, TreeNode* parent, const char* name, const char* url, int kind, const char* hotKey = "",
          TreeNode** made = nullptr) {
    LinkRecord& l = add<LinkRecord>(tree, parent, made);
    l.name = name;
    l.url = url;
    l.kind = kind;
    l.hotKey = hotKey;
}

void links(Organizer& organizer) {
    ItemTree& personal = organizer.trees().get(TreeId::LinksTree);
    personal.clear();
    TreeNode* news = nullptr;
    link(personal, nullptr, "News", "", 5, "", &news);
    link(personal, news, "BBC News", "https://www.bbc.co.uk/news", 1, "Ctrl+Alt+N");
    link(personal, news, "Weather", "https://weather.example.org", 1);
    TreeNode* work = nullptr;
    link(personal, nullptr, "Work", "", 5, "", &work);
    link(personal, work, "Projects folder", "/home/user/Projects", 2);
    link(personal, work, "Budget 2027.ods", "/home/user/Documents/Budget 2027.ods", 3);
    link(personal, work, "Terminal", "/usr/bin/xterm", 4, "Ctrl+Alt+T");
    link(personal, work, "Search the wiki", "team wiki", 6);
    link(personal, work, "Mail to the team", "team@example.org", 7);
    link(personal, nullptr, "Bank", "https://bank.example.com", 1);
    link(personal, nullptr, "Maps", "https://maps.example.com", 1);
    link(personal, nullptr, "Notes", "", 0);

    const struct {
        TreeId tree;
        const char* name;
        const char* url;
        int kind;
    } others[] = {
        {TreeId::ToolsTree, "Text editor", "/usr/bin/gedit", 4},
        {TreeId::ToolsTree, "Calculator", "/usr/bin/galculator", 4},
        {TreeId::FoldersTree, "Downloads", "/home/user/Downloads", 2},
        {TreeId::FoldersTree, "Photos", "/home/user/Pictures", 2},
        {TreeId::SearchTree, "Dictionary", "define", 6},
        {TreeId::DocsTree, "Manual.pdf", "/home/user/Manual.pdf", 3},
        {TreeId::ImagesTree, "Holiday 2026", "/home/user/Pictures/Holiday", 2},
    };
    for (TreeId id : {TreeId::ToolsTree, TreeId::FoldersTree, TreeId::SearchTree, TreeId::DocsTree, TreeId::ImagesTree})
        organizer.trees().get(id).clear();
    for (const auto& other : others)
        link(organizer.trees().get(other.tree), nullptr, other.name, other.url, other.kind);
}

ContactRecord& contact(ItemTree& tree, TreeNode* parent, const char* official, int kind, TreeNode** made = nullptr) {
    ContactRecord& c = add<ContactRecord>(tree, parent, made);
    c.official = official;
    c.kind = kind;
    return c;
}

void contacts(Organizer& organizer) {
    ItemTree& tree = organizer.trees().get(TreeId::ContactsTree);
    tree.clear();
    TreeNode* family = nullptr;
    contact(tree, nullptr, "Family", 4, &family);
    ContactRecord& maria = contact(tree, family, "Maria Novak", 2);
    maria.firstName = "Maria";
    maria.lastName = "Novak";
    maria.phone1 = "+420 601 222 333";
    maria.email = "maria@example.org";
    maria.birthday = "14.12.88";
    maria.note = "Likes tulips";
    ContactRecord& peter = contact(tree, family, "Peter Novak", 1);
    peter.firstName = "Peter";
    peter.lastName = "Novak";
    peter.phone1 = "+420 602 111 444";
    peter.nameDay = "22.02.26";
    TreeNode* work = nullptr;
    contact(tree, nullptr, "Work", 4, &work);
    ContactRecord& boris = contact(tree, work, "Boris Keller", 1);
    boris.firstName = "Boris";
    boris.phone1 = "+49 30 555 0101";
    boris.phone2 = "+49 170 555 0102";
    boris.email = "boris.keller@example.com";
    boris.note = "Team lead, Berlin";
    ContactRecord& anna = contact(tree, work, "Anna Rossi", 2);
    anna.firstName = "Anna";
    anna.email = "anna.rossi@example.com";
    anna.specialDay = "01.03.20";
    anna.note = "Started in March 2020";
    ContactRecord& acme = contact(tree, work, "Acme Printing Ltd", 3);
    acme.phone1 = "+44 20 7946 0000";
    acme.address = "12 Fleet Street\nLondon";
    acme.webPage = "https://acme.example.co.uk";
    TreeNode* services = nullptr;
    contact(tree, nullptr, "Services", 4, &services);
    ContactRecord& hotel = contact(tree, services, "Grand Hotel Madrid", 3);
    hotel.address = "Gran Via 1\nMadrid, Spain";
    hotel.phone1 = "+34 91 000 0000";
    contact(tree, services, "City library", 5).webPage = "https://library.example.org";
    contact(tree, services, "Tax forms", 6).note = "Folder with the 2026 forms";
    contact(tree, services, "Insurance", 7);
    ContactRecord& dentist = contact(tree, nullptr, "Dr. Berg", 1);
    dentist.phone1 = "+47 22 00 00 00";
    dentist.note = "Dentist, Thursdays";
    contact(tree, nullptr, "Bistro Lyon", 3).phone1 = "+33 4 00 00 00 00";
}

void phrases(Organizer& organizer) {
    ItemTree& tree = organizer.trees().get(TreeId::PhrasesTree);
    tree.clear();
    TreeNode* greetings = nullptr;
    PhraseRecord& group = add<PhraseRecord>(tree, nullptr, &greetings);
    group.name = "Greetings";
    group.kind = 1;
    const struct {
        const char* name;
        const char* phrase;
        int kind;
    } items[] = {{"Hello", "Hello,\nthank you for your message.", 0},
                 {"Regards", "Kind regards,\nMaria", 0},
                 {"Signature", "Maria Novak | +420 601 222 333", 2}};
    for (const auto& item : items) {
        PhraseRecord& p = add<PhraseRecord>(tree, greetings);
        p.name = item.name;
        p.text = item.phrase;
        p.kind = item.kind;
    }
    PhraseRecord& address = add<PhraseRecord>(tree, nullptr);
    address.name = "Home address";
    address.text = "Nova 12, 110 00 Praha";
    address.hotKey = "Ctrl+Alt+A";
}

void events(Organizer& organizer) {
    ItemTree& tree = organizer.trees().get(TreeId::CalendarTree);
    tree.clear();
    TreeNode* regular = nullptr;
    EventRecord& group = add<EventRecord>(tree, nullptr, &regular);
    group.text = "Regular";
    group.kind = 1;
    const struct {
        const char* text;
        const char* date;
        const char* time;
        int kind;
        std::uint8_t days;
        const char* note;
    } items[] = {
        {"Team stand-up", "", "09:30", 2, 1 | 2 | 4 | 8 | 16, "Weekdays"},
        {"Pay the rent", "01.12.26", "10:00", 3, 0, "Transfer to the landlord"},
        {"Maria's birthday", "14.12.88", "08:00", 4, 0, ""},
        {"Flight to Madrid", "18.12.26", "06:45", 5, 0, "Terminal 2"},
        {"Send the monthly report", "", "16:00", 6, 0, "Last day of the month"},
        {"Check the accounts", "", "09:00", 7, 0, "First day of the month"},
        {"Someday", "", "", 0, 0, "No kind yet"},
    };
    for (const auto& item : items) {
        EventRecord& e = add<EventRecord>(tree, regular);
        e.text = item.text;
        e.date = item.date;
        e.time = item.time;
        e.kind = item.kind;
        e.weekDays = item.days;
        e.note = item.note;
    }
}

struct SampleTask {
    int day;  // days from today
    const char* time;
    const char* text;
    int type, prio, state, procent;
    const char* project = "";
    const char* doer = "";
    const char* comment = "";
};

void addTask(Query& tasks, Date today, const SampleTask& item) {
    tasks.insert();
    tasks.setDate(TaskColumn::StartDate, today.addDays(item.day));
    tasks.setDate(TaskColumn::FinalDate, today.addDays(item.day));
    tasks.setText(TaskColumn::StartTime, item.time);
    tasks.setText(TaskColumn::FinalTime, item.time);
    tasks.setText(TaskColumn::Task, item.text);
    tasks.setText(TaskColumn::TypeKey, item.type ? makeLookupKey(item.type) : "");
    tasks.setText(TaskColumn::PriorityKey, item.prio ? makeLookupKey(item.prio) : "");
    tasks.setText(TaskColumn::StateKey, item.state ? makeLookupKey(item.state) : "");
    tasks.setNumber(TaskColumn::Percent, item.procent);
    tasks.setText(TaskColumn::Project, item.project);
    tasks.setText(TaskColumn::DoerKey, item.doer);
    tasks.setText(TaskColumn::Comment, item.comment);
    tasks.post();
}

// Two days of tasks: day marks and time marks as the program makes them, reminders, tasks in every
// state and of many types.
void tasks(Organizer& organizer) {
    Query& tasks = organizer.store().listRows;
    const Date today = organizer.today();
    DayMarks& marks = organizer.tasks().marks;
    for (int day : {-1, 0}) {
        organizer.tasks().context.listState.calendar.selectToday(today.addDays(day));
        marks.insertDayMark();
        for (const char* hour : {"09:00", "12:00", "15:00"}) marks.addTimeMark(hour, today.addDays(day));
    }
    const SampleTask items[] = {
        {-1, "09:30", "Send the invoice to Acme", 28, 3, 1, 100, "Atlas", "Maria", "Invoice 2026-114"},
        {-1, "11:00", "Call the dentist", 2, 4, 3, 100, "", "", "No answer, try again"},
        {-1, "15:00", "Order toner for the printer", 3, 5, 1, 100, "Office", "Boris"},
        {0, "08:00", "Birthday: Maria Novak", 1, 0, 0, 0},
        {0, "09:00", "Prepare the agenda", 14, 1, 1, 100, "Atlas", "Maria", "Room 4B"},
        {0, "09:30", "Team stand-up", 1, 0, 1, 100},
        {0, "10:30", "Write the quarterly report", 11, 3, 4, 40, "Atlas", "Maria", "Numbers from finance"},
        {0, "11:00", "Call the bank about the card", 2, 1, 0, 0, "Home", "", "+44 20 7946 0001"},
        {0, "13:00", "Lunch with Boris", 14, 4, 2, 0, "", "Boris"},
        {0, "14:00", "Fix the build on the CI machine", 12, 3, 6, 20, "Atlas", "Anna"},
        {0, "14:30", "Review the contract draft", 11, 4, 7, 60, "Atlas", "Boris", "Legal wants it Friday"},
        {0, "15:30", "Renew the car insurance", 34, 2, 5, 0, "Home"},
        {0, "16:00", "Quarterly numbers are in the shared folder", 27, 0, 0, 0},
        {0, "16:30", "Buy tickets to Lisbon", 3, 5, 0, 0, "Travel"},
        {0, "17:00", "Press Ctrl+T to pick a time from the menu", 18, 0, 0, 0},
        {0, "17:30", "Backup of the laptop finished", 44, 0, 0, 0},
        {0, "18:00", "Pick up the parcel", 47, 0, 0, 0, "", "", "Post office, Nova 3"},
    };
    for (const SampleTask& item : items) addTask(tasks, today, item);
}

}  // namespace

void fillSampleProfile(Organizer& organizer) {
    goals(organizer);
    links(organizer);
    contacts(organizer);
    phrases(organizer);
    events(organizer);
    tasks(organizer);
}

}  // namespace torvalet::testing
