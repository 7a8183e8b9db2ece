#include "trees/ContactForm.h"

namespace torvalet {

ContactForm::ContactForm(UserInterface& ui, const Settings& settings, TreeObserver& observer, DayTextSource dates)
    : RecordForm(ui, settings, observer), dates_(std::move(dates)) {}

std::vector<std::string> ContactForm::contactKindCaptions() {
    return {"None", "Man", "Woman", "Company", "Group", "Link", "Doc", "Subject"};
}

std::string& ContactForm::field(Day day) {
    switch (day) {
    case Day::Birthday: return birthday;
    case Day::NameDay: return nameDay;
    case Day::SpecialDay: break;
    }
    return specialDay;
}

Date& ContactForm::picker(Day day) {
    switch (day) {
    case Day::Birthday: return birthdayPicker;
    case Day::NameDay: return nameDayPicker;
    case Day::SpecialDay: break;
    }
    return specialDayPicker;
}

void ContactForm::takePickerDate(Day day) { field(day) = DayText(dates_()).dayTextOfDate(picker(day)); }

void ContactForm::clearDay(Day day) { field(day).clear(); }

void ContactForm::fill(const ContactRecord& contact) {
    const DayTextContext context = dates_();
    const DayText dayText(context);
    const auto pickerDate = [&](const std::string& dayField) {
        return dayField.empty() ? context.today : dayText.dateOfDayText(dayField);
    };
    birthdayPicker = pickerDate(contact.birthday);
    nameDayPicker = pickerDate(contact.nameDay);
    specialDayPicker = pickerDate(contact.specialDay);
    kind.setItemIndex(contact.kind);
    official = contact.official;
    firstName = contact.firstName;
    middleName = contact.middleName;
    lastName = contact.lastName;
    nickName = contact.nickName;
    hotKey = contact.hotKey;
    address = contact.address;
    phone1 = contact.phone1;
    phone2 = contact.phone2;
    email = contact.email;
    webPage = contact.webPage;
    birthday = contact.birthday;
    nameDay = contact.nameDay;
    specialDay = contact.specialDay;
    note = contact.note;
}

void ContactForm::store(ContactRecord& contact) const {
    // A typed name day or special day must read back as a date: the dialog would not open on it
    // again, and the daily contact analysis would stop at it.
    const DayText days(dates_());
    for (const std::string* typed : {&nameDay, &specialDay})
        if (!typed->empty()) days.dateOfDayText(*typed);
    contact.kind = kind.itemIndex();
    contact.official = official;
    contact.firstName = firstName;
    contact.middleName = middleName;
    contact.lastName = lastName;
    contact.nickName = nickName;
    contact.hotKey = hotKey;
    contact.address = address;
    contact.phone1 = phone1;
    contact.phone2 = phone2;
    contact.email = email;
    contact.webPage = webPage;
    contact.birthday = birthday;
    contact.nameDay = nameDay;
    contact.specialDay = specialDay;
    contact.note = note;
}

}  // namespace torvalet
