#include "ui/dialogs/ContactDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "trees/ContactForm.h"
#include "ui/dialogs/DialogControls.h"

namespace torvalet::ui {

namespace {

ContactForm::Day formDay(int day) { return static_cast<ContactForm::Day>(day); }

QPushButton* namedButton(QWidget* parent, const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ContactDialog::ContactDialog(ContactForm& form, QWidget* parent)
    : ItemDialog(parent, QStringLiteral("ContactForm"), QStringLiteral("Contact Properties"),
                 QStringLiteral("OkContactBtn")),
      form_(form),
      officialEdit_(makeLine(this, QStringLiteral("Edit1"))),
      firstNameEdit_(makeLine(this, QStringLiteral("Edit2"))),
      middleNameEdit_(makeLine(this, QStringLiteral("Edit3"))),
      lastNameEdit_(makeLine(this, QStringLiteral("Edit4"))),
      nickNameEdit_(makeLine(this, QStringLiteral("NickName_Edit"))),
      hotKeyEdit_(makeLine(this, QStringLiteral("Edit5"))),
      kindList_(makeList(this, QStringLiteral("ComboBox1"))),
      addressMemo_(makeMemo(this, QStringLiteral("Memo1"))),
      phone1Edit_(makeLine(this, QStringLiteral("Edit6"))),
      phone2Edit_(makeLine(this, QStringLiteral("Edit7"))),
      emailEdit_(makeLine(this, QStringLiteral("Edit8"))),
      webPageEdit_(makeLine(this, QStringLiteral("Edit9"))),
      noteMemo_(makeMemo(this, QStringLiteral("Memo2"))) {
    addRow(QStringLiteral("OfficialLb"), QStringLiteral("Official"), officialEdit_);
    addRow(QStringLiteral("NameLb"), QStringLiteral("Name"), firstNameEdit_);
    addRow(QStringLiteral("MidNameLb"), QStringLiteral("Middle name"), middleNameEdit_);
    addRow(QStringLiteral("LastNameLb"), QStringLiteral("Last name"), lastNameEdit_);
    addRow(QStringLiteral("NickNameLb"), QStringLiteral("Nick name"), nickNameEdit_);
    addRow(QStringLiteral("HotKeyLb"), QStringLiteral("HotKey"), hotKeyEdit_);
    addRow(QStringLiteral("TypeLb"), QStringLiteral("Type"), kindList_);
    addRow(QStringLiteral("AdrLb"), QStringLiteral("Address"), addressMemo_);
    addRow(QStringLiteral("Phone1Lb"), QStringLiteral("Phone1"), phone1Edit_);
    addRow(QStringLiteral("Phone2Lb"), QStringLiteral("Phone2"), phone2Edit_);
    addRow(QStringLiteral("EmailLb"), QStringLiteral("E-mail"),
           lineWithButton(emailEdit_, QStringLiteral("EmailBtn"), QStringLiteral("Email To Contact/s"), mailContacts));
    addRow(QStringLiteral("WebLb"), QStringLiteral("Web page"),
           lineWithButton(webPageEdit_, QStringLiteral("WebBtn"), QStringLiteral("Visit Contacts Web Sites"),
                          browseContacts));
    addRow(
        QStringLiteral("BirthdayLb"), QStringLiteral("Birthday"),
        buildDay(0, QStringLiteral("ClearBDayBtn"), QStringLiteral("TakeBDayBtn"), QStringLiteral("DateTimePicker1")));
    addRow(
        QStringLiteral("NameDayLb"), QStringLiteral("Nameday"),
        buildDay(1, QStringLiteral("ClearNDayBtn"), QStringLiteral("TakeNDayBtn"), QStringLiteral("DateTimePicker2")));
    addRow(
        QStringLiteral("SpecDayLb"), QStringLiteral("Special day"),
        buildDay(2, QStringLiteral("ClearSDayBtn"), QStringLiteral("TakeSDayBtn"), QStringLiteral("DateTimePicker3")));
    addRow(QStringLiteral("NoteLb"), QStringLiteral("Note"), noteMemo_);
    days_[0].field->setReadOnly(true);
    resize(520, 720);
}

QWidget* ContactDialog::lineWithButton(QLineEdit* line, const QString& buttonName, const QString& hint,
                                       std::function<void()>& action) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(line);
    auto* button = namedButton(box, QStringLiteral("..."), buttonName);
    button->setToolTip(hint);
    connect(button, &QPushButton::clicked, this, [&action] {
        if (action) action();
    });
    row->addWidget(button);
    return box;
}

QWidget* ContactDialog::buildDay(int day, const QString& clearName, const QString& takeName,
                                 const QString& pickerName) {
    static const std::array<const char*, 3> fieldNames{"bday_Edit", "nday_Edit", "cday_Edit"};
    DayControls& controls = days_[static_cast<std::size_t>(day)];
    controls.field = makeLine(this, QString::fromLatin1(fieldNames[static_cast<std::size_t>(day)]));
    controls.picker = makeDatePicker(this, pickerName);
    auto* clear = namedButton(this, QStringLiteral("clear"), clearName);
    auto* take = namedButton(this, QStringLiteral("="), takeName);
    connect(clear, &QPushButton::clicked, this, [this, day] { clearDay(day); });
    connect(take, &QPushButton::clicked, this, [this, day] { takePickerDate(day); });

    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(controls.field, 0, 0);
    grid->addWidget(clear, 0, 1);
    grid->addWidget(controls.picker, 1, 0);
    grid->addWidget(take, 1, 1);
    return box;
}

void ContactDialog::takePickerDate(int day) {
    const DayControls& controls = days_[static_cast<std::size_t>(day)];
    const Date picked = toDate(controls.picker->date());
    switch (formDay(day)) {
    case ContactForm::Day::Birthday: form_.birthdayPicker = picked; break;
    case ContactForm::Day::NameDay: form_.nameDayPicker = picked; break;
    case ContactForm::Day::SpecialDay: form_.specialDayPicker = picked; break;
    }
    form_.takePickerDate(formDay(day));
    loadDays();
}

void ContactDialog::clearDay(int day) {
    form_.clearDay(formDay(day));
    loadDays();
}

void ContactDialog::loadDays() {
    loadLine(days_[0].field, form_.birthday);
    loadLine(days_[1].field, form_.nameDay);
    loadLine(days_[2].field, form_.specialDay);
}

void ContactDialog::load() {
    loadLine(officialEdit_, form_.official);
    loadLine(firstNameEdit_, form_.firstName);
    loadLine(middleNameEdit_, form_.middleName);
    loadLine(lastNameEdit_, form_.lastName);
    loadLine(nickNameEdit_, form_.nickName);
    loadLine(hotKeyEdit_, form_.hotKey);
    loadList(kindList_, form_.kind);
    loadMemo(addressMemo_, form_.address);
    loadLine(phone1Edit_, form_.phone1);
    loadLine(phone2Edit_, form_.phone2);
    loadLine(emailEdit_, form_.email);
    loadLine(webPageEdit_, form_.webPage);
    loadDays();
    days_[0].picker->setDate(toQDate(form_.birthdayPicker));
    days_[1].picker->setDate(toQDate(form_.nameDayPicker));
    days_[2].picker->setDate(toQDate(form_.specialDayPicker));
    loadMemo(noteMemo_, form_.note);
    officialEdit_->setFocus();
}

void ContactDialog::save() {
    saveLine(officialEdit_, form_.official);
    saveLine(firstNameEdit_, form_.firstName);
    saveLine(middleNameEdit_, form_.middleName);
    saveLine(lastNameEdit_, form_.lastName);
    saveLine(nickNameEdit_, form_.nickName);
    saveLine(hotKeyEdit_, form_.hotKey);
    saveList(kindList_, form_.kind);
    saveMemo(addressMemo_, form_.address);
    saveLine(phone1Edit_, form_.phone1);
    saveLine(phone2Edit_, form_.phone2);
    saveLine(emailEdit_, form_.email);
    saveLine(webPageEdit_, form_.webPage);
    saveLine(days_[0].field, form_.birthday);
    saveLine(days_[1].field, form_.nameDay);
    saveLine(days_[2].field, form_.specialDay);
    saveMemo(noteMemo_, form_.note);
}

void ContactDialog::confirm() { form_.acceptContact(); }

void ContactDialog::cancel() { form_.close(); }

}  // namespace torvalet::ui
