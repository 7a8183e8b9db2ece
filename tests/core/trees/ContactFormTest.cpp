#include <gtest/gtest.h>

#include "FormFixture.h"
#include "base/Errors.h"
#include "trees/ContactForm.h"

namespace torvalet {
namespace {

using Day = ContactForm::Day;

class ContactFormTest : public testing::FormFixture {
protected:
    ContactFormTest() : FormFixture(RecordFamily::Contacts) { watch(form); }

    TreeNode* addContact(const TContactData& contact) {
        TreeNode* node = tree.appendChild();
        node->record<TContactData>() = contact;
        return node;
    }

    ContactForm form{fakes.ui, settings, dates()};
};

TEST_F(ContactFormTest, OkWritesEveryFieldFromItsControl) {
    const TContactData stored{"Official",       "First", "Middle", "Last",  "Nick",     "Ctrl+F1",  2,
                              "Street 1\nTown", "111",   "222",    "a@b.c", "http://w", "25.12.80", "",
                              "01.04.26",       "note"};
    TreeNode* node = addContact(stored);
    form.ContactProps2(*node);
    form.OkContactBtnClick();
    EXPECT_EQ(node->record<TContactData>(), stored);

    form.ContactProps2(*node);
    EXPECT_EQ(form.ComboBox1.text(), "Woman");
    form.Edit1 = "O";
    form.Edit2 = "F";
    form.Edit3 = "M";
    form.Edit4 = "L";
    form.NickName_Edit = "N";
    form.Edit5 = "H";
    form.Memo1 = "A";
    form.Edit6 = "P1";
    form.Edit7 = "P2";
    form.Edit8 = "E";
    form.Edit9 = "W";
    form.nday_Edit = "05.03.80";  // typed: kept as it stands
    form.Memo2 = "";
    form.ComboBox1.setText("Cat");
    form.OkContactBtnClick();
    EXPECT_EQ(node->record<TContactData>(), (TContactData{"O", "F", "M", "L", "N", "H", -1, "A", "P1", "P2", "E", "W",
                                                          "25.12.80", "05.03.80", "01.04.26", ""}));
}

// A typed day that would not read back as a date is refused: the record stays, the dialog stays open.
TEST_F(ContactFormTest, ATypedDayThatIsNoDateIsRefusedOnOk) {
    TreeNode* node = addContact({"Ann", "", "", "", "", "", 1, "", "", "", "", "", "", "", "", ""});
    form.ContactProps2(*node);
    form.Edit1 = "Changed";
    form.cday_Edit = "5.3.80";
    EXPECT_THROW(form.OkContactBtnClick(), ConversionError);
    EXPECT_TRUE(form.isOpen());
    EXPECT_EQ(node->record<TContactData>().Official, "Ann");
}

// The pickers reach the stored days only through "=", and "clear" empties a day.
TEST_F(ContactFormTest, DatesChangeOnlyThroughTheirButtons) {
    TreeNode* node = addContact({"Ann", "", "", "", "", "", 2, "", "", "", "", "", "", "", "01.04.26", ""});
    fakes.locale.format = "M/d/yyyy";
    form.ContactProps2(*node);
    EXPECT_EQ(form.DateTimePicker1, today());
    EXPECT_EQ(form.DateTimePicker2, today());
    EXPECT_EQ(form.DateTimePicker3, Date::fromYmd(2026, 4, 1));

    form.DateTimePicker1 = Date::fromYmd(1980, 12, 25);
    form.DateTimePicker2 = Date::fromYmd(1981, 3, 5);  // moved, "=" not pressed
    form.takePickerDate(Day::Birthday);
    form.clearDay(Day::SpecialDay);
    form.OkContactBtnClick();

    const TContactData& contact = node->record<TContactData>();
    EXPECT_EQ(contact.Birthday, "25.12.80");
    EXPECT_EQ(contact.NameDay, "");
    EXPECT_EQ(contact.SpecialDay, "");
}

TEST_F(ContactFormTest, ADayThatIsNoDateKeepsTheDialogClosed) {
    TreeNode* node = addContact({"Ann", "", "", "", "", "", 1, "", "", "", "", "", "", "5.3.80", "", ""});
    EXPECT_THROW(form.ContactProps2(*node), ConversionError);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(shown, 0);

    form.editContact(tree);
    EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"There are no selected nodes!"});
}

}  // namespace
}  // namespace torvalet
