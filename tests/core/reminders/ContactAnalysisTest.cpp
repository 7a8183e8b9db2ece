#include <gtest/gtest.h>

#include "base/Errors.h"
#include "core/reminders/RunningOrganizer.h"
#include "trees/TreeFileIo.h"

namespace torvalet {
namespace {

using testing::contact;

class ContactAnalysisTest : public testing::RunningOrganizer {
protected:
    ContactAnalysisTest() { startAt(2026, 12, 8, 9, 5); }

    std::vector<std::string> analyseOn(Date day) {
        clearTasks();
        fakes.clock.current = {day, 9, 5, 0};
        organizer->reminders().contacts.analyzeContacts();
        return tasksOf(day.toIso());
    }
};

Date day(int y, int m, int d) { return Date::fromYmd(y, m, d); }

TEST_F(ContactAnalysisTest, EachDayIsAnnouncedFromThreeDaysBeforeItToTheDayAfter) {
    const struct {
        const char* birthday;
        std::vector<Date> due, notDue;
    } cases[] = {
        {"25.12.80",
         {day(2026, 12, 22), day(2026, 12, 24), day(2026, 12, 25), day(2026, 12, 26)},
         {day(2026, 12, 21), day(2026, 12, 27)}},
        {"01.01.99", {day(2026, 12, 29), day(2027, 1, 2)}, {day(2026, 12, 28), day(2027, 1, 3)}},
        // 29 February only in leap years: on 1 March of a common year the window ends on 4 March.
        {"29.02.80", {day(2028, 2, 26), day(2028, 3, 1)}, {day(2027, 2, 26), day(2027, 2, 28), day(2027, 3, 1)}},
    };
    for (const auto& c : cases) {
        organizer->trees().get(TreeId::ContactsTree).clear();
        addContact(contact("Anna", c.birthday));
        for (Date d : c.due) EXPECT_EQ(analyseOn(d).size(), 1u) << c.birthday << " on " << d.toIso();
        for (Date d : c.notDue) EXPECT_EQ(analyseOn(d).size(), 0u) << c.birthday << " on " << d.toIso();
    }
}

TEST_F(ContactAnalysisTest, TasksAndPadLinesNameTheDayInTheLanguage) {
    fakes.locale.format = "dd/MM/yyyy";
    TreeNode* group = addContact(contact("Friends", "", "", "24.12.99", 4));
    addContact(contact("Anna", "25.12.80", "23.12.80", ""), group);
    const struct {
        int language;
        std::vector<std::string> tasks;
    } cases[] = {
        {0, {"[ 24/12/99 - Special Day ] Friends", "[ 25/12/80 - BirthDay ] Anna", "[ 23/12/80 - NameDay ] Anna"}},
        {1, {"[ 24/12/99 - СпецДень ] Friends", "[ 25/12/80 - День Рождения ] Anna", "[ 23/12/80 - Именины ] Anna"}},
        {2, {"[ 24/12/99 - СпецДень ] Friends", "[ 25/12/80 - День Рождения ] Anna", "[ 23/12/80 - Именины ] Anna"}},
        {3, {"[ 24/12/99 ] Friends", "[ 25/12/80 ] Anna", "[ 23/12/80 ] Anna"}},
    };
    for (const auto& c : cases) {
        organizer->settings().language = Language(c.language);
        organizer->messagePad().clear();
        EXPECT_EQ(analyseOn(day(2026, 12, 22)), c.tasks) << c.language;
        std::vector<std::string> expectedPad;
        for (const std::string& task : c.tasks) {
            const std::size_t nameStart = task.rfind("] ") + 2;
            expectedPad.insert(expectedPad.begin(), task.substr(0, nameStart) + " " + task.substr(nameStart));
        }
        EXPECT_EQ(padLines(), expectedPad) << c.language;
    }
    EXPECT_EQ(field("Time", "[ 25/12/80 ] Anna"), "09:05");
    EXPECT_TRUE(fakes.notices.balloons.empty());
}

// The tasks carry the minute of the analysis: the first tick rings them when it comes in the
// same minute, and never when the minute has changed.
TEST_F(ContactAnalysisTest, TasksOfTheStartRingAtTheFirstTickOfTheSameMinuteOnly) {
    organizer->close();
    ItemTree contacts(TreeId::ContactsTree);
    contacts.appendChild()->record<ContactRecord>() = contact("Anna", "09.12.80");
    saveTreeFile(contacts, dir / "contacts.co", TextCodec());
    const struct {
        int day;
        int tickMinute, tickSecond;
        int rings;
    } cases[] = {{9, 15, 50, 1}, {10, 16, 0, 0}};
    for (const auto& c : cases) {
        startAt(2026, 12, c.day, 9, 15, 30);
        const int before = cuesPlayed("ringing.wav");
        tickAt(2026, 12, c.day, 9, c.tickMinute, c.tickSecond);
        EXPECT_EQ(cuesPlayed("ringing.wav") - before, c.rings) << c.day;
        organizer->close();
    }
}

TEST_F(ContactAnalysisTest, ADateThatCannotBeReadIsReportedAndTheOtherDatesStillGiveTheirTasks) {
    addContact(contact("Olga", "09.12.90", "5.3.80", "10.12.90"));
    addContact(contact("Ivan", "11.12.70"));
    clearTasks();
    try {
        organizer->reminders().contacts.analyzeContacts();
        ADD_FAILURE() << "the unreadable date was not reported";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'5...8.80' is not a valid date (contact \"Olga\", NameDay \"5.3.80\")");
    }
    EXPECT_EQ(tasksOf("2026-12-08"),
              (std::vector<std::string>{"[ 09.12.90 - BirthDay ] Olga", "[ 10.12.90 - Special Day ] Olga",
                                        "[ 11.12.70 - BirthDay ] Ivan"}));
}

}  // namespace
}  // namespace torvalet
