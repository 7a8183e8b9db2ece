#include <gtest/gtest.h>

#include "FormFixture.h"
#include "base/Errors.h"
#include "trees/ContactForm.h"

namespace torvalet {
namespace {

using Day = ContactForm::Day;

class ContactFormTest : public testing::FormFixture {
protected:
    ContactFormTest() : FormFixture(RecordFamily::Contacts) {}

    TreeNode* addContact(const ContactRecord& contact) {
        TreeNode* node = tree.appendChild();
        node->record<ContactRecord>() = contact;
        return node;
    }

    ContactForm form{fakes.ui, settings, observer, dates()};
};

TEST_F(ContactFormTest, OkWritesEveryFieldFromItsControl) {
    const ContactRecord stored{"Official",       "First", "Middle", "Last",  "Nick",     "Ctrl+F1",  2,
                               "Street 1\nTown", "111",   "222",    "a@b.c", "http://w", "25.12.80", "",
                               "01.04.26",       "note"};
    TreeNode* node = addContact(stored);
    form.showContact(*node);
    form.acceptContact();
    EXPECT_EQ(node->record<ContactRecord>(), stored);

    form.showContact(*node);
    EXPECT_EQ(form.kind.text(), "Woman");
    form.official = "O";
    form.firstName = "F";
    form.middleName = "M";
    form.lastName = "L";
    form.nickName = "N";
    form.hotKey = "H";
    form.address = "A";
    form.phone1 = "P1";
    form.phone2 = "P2";
    form.email = "E";
    form.webPage = "W";
    form.nameDay = "05.03.80";  // typed: kept as it stands
    form.note = "";
    form.kind.setText("Cat");
    form.acceptContact();
    EXPECT_EQ(node->record<ContactRecord>(), (ContactRecord{"O", "F", "M", "L", "N", "H", -1, "A", "P1", "P2", "E", "W",
                                                            "25.12.80", "05.03.80", "01.04.26", ""}));
}

// A typed day that would not read back as a date is refused: the record stays, the dialog stays open.
TEST_F(ContactFormTest, ATypedDayThatIsNoDateIsRefusedOnOk) {
    TreeNode* node = addContact({"Ann", "", "", "", "", "", 1, "", "", "", "", "", "", "", "", ""});
    form.showContact(*node);
    form.official = "Changed";
    form.specialDay = "5.3.80";
    EXPECT_THROW(form.acceptContact(), ConversionError);
    EXPECT_TRUE(form.isOpen());
    EXPECT_EQ(node->record<ContactRecord>().official, "Ann");
}

// The pickers reach the stored days only through "=", and "clear" empties a day.
TEST_F(ContactFormTest, DatesChangeOnlyThroughTheirButtons) {
    TreeNode* node = addContact({"Ann", "", "", "", "", "", 2, "", "", "", "", "", "", "", "01.04.26", ""});
    fakes.locale.format = "M/d/yyyy";
    form.showContact(*node);
    EXPECT_EQ(form.birthdayPicker, today());
    EXPECT_EQ(form.nameDayPicker, today());
    EXPECT_EQ(form.specialDayPicker, Date::fromYmd(2026, 4, 1));

    form.birthdayPicker = Date::fromYmd(1980, 12, 25);
    form.nameDayPicker = Date::fromYmd(1981, 3, 5);  // moved, "=" not pressed
    form.takePickerDate(Day::Birthday);
    form.clearDay(Day::SpecialDay);
    form.acceptContact();

    const ContactRecord& contact = node->record<ContactRecord>();
    EXPECT_EQ(contact.birthday, "25.12.80");
    EXPECT_EQ(contact.nameDay, "");
    EXPECT_EQ(contact.specialDay, "");
}

TEST_F(ContactFormTest, ADayThatIsNoDateKeepsTheDialogClosed) {
    TreeNode* node = addContact({"Ann", "", "", "", "", "", 1, "", "", "", "", "", "", "5.3.80", "", ""});
    EXPECT_THROW(form.showContact(*node), ConversionError);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(shown(), 0u);

    form.editContact(tree);
    EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"There are no selected nodes!"});
}

}  // namespace
}  // namespace torvalet
