#pragma once

#include <string>
#include <vector>

#include "base/Date.h"
#include "trees/FormList.h"
#include "trees/RecordForm.h"
#include "trees/TContactData.h"

namespace torvalet {

// The contact properties dialog (TContactForm). The three date fields hold day texts; their
// pickers only reach a field through its "=" button. The buttons beside "E-mail" and "Web page"
// are the mail and browse commands on the selected contacts, bound by the window.
class ContactForm : public RecordForm<TContactData> {
public:
    enum class Day { Birthday, NameDay, SpecialDay };

    ContactForm(UserInterface& ui, const Settings& settings, DayTextSource dates);

    // The eight built-in contact kinds, "None" to "Subject".
    static std::vector<std::string> contactKindCaptions();

    std::string Edit1;                          // Official
    std::string Edit2;                          // FirstName
    std::string Edit3;                          // MiddleName
    std::string Edit4;                          // LastName
    std::string NickName_Edit;                  // NickName
    std::string Edit5;                          // HotKey
    FormList ComboBox1{contactKindCaptions()};  // ContactKind
    std::string Memo1;                          // Address
    std::string Edit6;                          // Phone1
    std::string Edit7;                          // Phone2
    std::string Edit8;                          // Email
    std::string Edit9;                          // WebPage
    std::string bday_Edit;                      // Birthday (read-only in the dialog)
    std::string nday_Edit;                      // NameDay
    std::string cday_Edit;                      // SpecialDay
    std::string Memo2;                          // Note
    Date DateTimePicker1;                       // under Birthday
    Date DateTimePicker2;                       // under NameDay
    Date DateTimePicker3;                       // under SpecialDay

    // Throws ConversionError, the dialog unopened, for a date field that is no day text.
    void ContactProps2(TreeNode& node) { props(node); }
    void editContact(const ItemTree& contactsTree) { edit(contactsTree); }
    void OkContactBtnClick() { ok(); }

    // "=": the day text of the field's picker into the field.
    void takePickerDate(Day day);
    // "clear": empties the field.
    void clearDay(Day day);

protected:
    void fill(const TContactData& contact) override;
    void store(TContactData& contact) const override;

private:
    std::string& field(Day day);
    Date& picker(Day day);

    DayTextSource dates_;
};

}  // namespace torvalet
