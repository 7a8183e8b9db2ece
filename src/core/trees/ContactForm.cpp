#include "trees/ContactForm.h"

namespace torvalet {

ContactForm::ContactForm(UserInterface& ui, const Settings& settings, DayTextSource dates)
    : RecordForm(ui, settings), dates_(std::move(dates)) {}

std::vector<std::string> ContactForm::contactKindCaptions() {
    return {"None", "Man", "Woman", "Company", "Group", "Link", "Doc", "Subject"};
}

std::string& ContactForm::field(Day day) {
    switch (day) {
    case Day::Birthday: return bday_Edit;
    case Day::NameDay: return nday_Edit;
    case Day::SpecialDay: break;
    }
    return cday_Edit;
}

Date& ContactForm::picker(Day day) {
    switch (day) {
    case Day::Birthday: return DateTimePicker1;
    case Day::NameDay: return DateTimePicker2;
    case Day::SpecialDay: break;
    }
    return DateTimePicker3;
}

void ContactForm::takePickerDate(Day day) { field(day) = DayText(dates_()).DateToDayText(picker(day)); }

void ContactForm::clearDay(Day day) { field(day).clear(); }

void ContactForm::fill(const TContactData& contact) {
    const DayTextContext context = dates_();
    const DayText dayText(context);
    const auto pickerDate = [&](const std::string& dayField) {
        return dayField.empty() ? context.today : dayText.DayTextToDate(dayField);
    };
    DateTimePicker1 = pickerDate(contact.Birthday);
    DateTimePicker2 = pickerDate(contact.NameDay);
    DateTimePicker3 = pickerDate(contact.SpecialDay);
    ComboBox1.setItemIndex(contact.ContactKind);
    Edit1 = contact.Official;
    Edit2 = contact.FirstName;
    Edit3 = contact.MiddleName;
    Edit4 = contact.LastName;
    NickName_Edit = contact.NickName;
    Edit5 = contact.HotKey;
    Memo1 = contact.Address;
    Edit6 = contact.Phone1;
    Edit7 = contact.Phone2;
    Edit8 = contact.Email;
    Edit9 = contact.WebPage;
    bday_Edit = contact.Birthday;
    nday_Edit = contact.NameDay;
    cday_Edit = contact.SpecialDay;
    Memo2 = contact.Note;
}

void ContactForm::store(TContactData& contact) const {
    // A typed name day or special day must read back as a date: the dialog would not open on it
    // again, and the daily contact analysis would stop at it.
    const DayText days(dates_());
    for (const std::string* typed : {&nday_Edit, &cday_Edit})
        if (!typed->empty()) days.DayTextToDate(*typed);
    contact.ContactKind = ComboBox1.itemIndex();
    contact.Official = Edit1;
    contact.FirstName = Edit2;
    contact.MiddleName = Edit3;
    contact.LastName = Edit4;
    contact.NickName = NickName_Edit;
    contact.HotKey = Edit5;
    contact.Address = Memo1;
    contact.Phone1 = Edit6;
    contact.Phone2 = Edit7;
    contact.Email = Edit8;
    contact.WebPage = Edit9;
    contact.Birthday = bday_Edit;
    contact.NameDay = nday_Edit;
    contact.SpecialDay = cday_Edit;
    contact.Note = Memo2;
}

}  // namespace torvalet
