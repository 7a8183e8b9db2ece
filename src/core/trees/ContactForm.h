#pragma once

#include <string>
#include <vector>

#include "base/Date.h"
#include "trees/ContactRecord.h"
#include "trees/FormList.h"
#include "trees/RecordForm.h"

namespace torvalet {

// The contact properties dialog. The three date fields hold day texts; their
// pickers only reach a field through its "=" button. The buttons beside "E-mail" and "Web page"
// are the mail and browse commands on the selected contacts, bound by the window.
class ContactForm : public RecordForm<ContactRecord> {
public:
    enum class Day { Birthday, NameDay, SpecialDay };

    ContactForm(UserInterface& ui, const Settings& settings, TreeObserver& observer, DayTextSource dates);

    // The eight built-in contact kinds, "None" to "Subject".
    static std::vector<std::string> contactKindCaptions();

    std::string official;
    std::string firstName;
    std::string middleName;
    std::string lastName;
    std::string nickName;
    std::string hotKey;
    FormList kind{contactKindCaptions()};
    std::string address;
    std::string phone1;
    std::string phone2;
    std::string email;
    std::string webPage;
    std::string birthday;  // read-only in the dialog
    std::string nameDay;
    std::string specialDay;
    std::string note;
    Date birthdayPicker;    // the picker under birthday
    Date nameDayPicker;     // the picker under nameDay
    Date specialDayPicker;  // the picker under specialDay

    // Throws ConversionError, the dialog unopened, for a date field that is no day text.
    void showContact(TreeNode& node) { props(node); }
    void editContact(const ItemTree& contactsTree) { edit(contactsTree); }
    void acceptContact() { ok(); }

    // "=": the day text of the field's picker into the field.
    void takePickerDate(Day day);
    // "clear": empties the field.
    void clearDay(Day day);

protected:
    void fill(const ContactRecord& contact) override;
    void store(ContactRecord& contact) const override;

private:
    std::string& field(Day day);
    Date& picker(Day day);

    DayTextSource dates_;
};

}  // namespace torvalet
