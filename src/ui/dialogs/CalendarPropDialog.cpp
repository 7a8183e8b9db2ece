#include "ui/dialogs/CalendarPropDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "trees/CalendarPropForm.h"
#include "ui/dialogs/DialogControls.h"

namespace torvalet::ui {

CalendarPropDialog::CalendarPropDialog(CalendarPropForm& form, QWidget* parent)
    : ItemDialog(parent, QStringLiteral("CalendarPropForm"), QStringLiteral("Event Properties"),
                 QStringLiteral("OkCalendarPropBtn")),
      form_(form),
      eventMemo_(makeMemo(this, QStringLiteral("EventMemo"))),
      eventDatePicker_(makeDatePicker(this, QStringLiteral("EventDatePicker"))),
      eventTimeEdit_(makeLine(this, QStringLiteral("EventTimeEdit"))),
      kindList_(makeList(this, QStringLiteral("ComboBox1"))),
      noteMemo_(makeMemo(this, QStringLiteral("NoteMemo"))) {
    addRow(QStringLiteral("EventLb"), QStringLiteral("Event"), eventMemo_);
    addRow(QStringLiteral("EventDateLb"), QStringLiteral("Event Date"), eventDatePicker_);
    addRow(QStringLiteral("TimeLb"), QStringLiteral("Time"), eventTimeEdit_);
    addRow(QStringLiteral("TypeLb"), QStringLiteral("Type"), kindList_);
    rows()->addRow(buildDayChecks());
    addRow(QStringLiteral("NoteLb"), QStringLiteral("Note"), noteMemo_);
    resize(460, 400);
}

QWidget* CalendarPropDialog::buildDayChecks() {
    static const std::array<const char*, 7> names{"MonChkBox", "TueChkBox", "WedChkBox", "ThuChkBox",
                                                  "FriChkBox", "SatChkBox", "SunChkBox"};
    static const std::array<const char*, 7> captions{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t day = 0; day < dayChecks_.size(); ++day) {
        dayChecks_[day] = new QCheckBox(QString::fromLatin1(captions[day]), box);
        dayChecks_[day]->setObjectName(QString::fromLatin1(names[day]));
        row->addWidget(dayChecks_[day]);
    }
    row->addStretch();
    return box;
}

void CalendarPropDialog::load() {
    loadMemo(eventMemo_, form_.EventMemo);
    eventDatePicker_->setDate(toQDate(form_.EventDatePicker));
    loadLine(eventTimeEdit_, form_.EventTimeEdit);
    loadList(kindList_, form_.ComboBox1);
    for (std::size_t day = 0; day < dayChecks_.size(); ++day) dayChecks_[day]->setChecked(form_.dayChecks[day]);
    loadMemo(noteMemo_, form_.NoteMemo);
    eventMemo_->setFocus();
}

void CalendarPropDialog::save() {
    saveMemo(eventMemo_, form_.EventMemo);
    form_.EventDatePicker = toDate(eventDatePicker_->date());
    saveLine(eventTimeEdit_, form_.EventTimeEdit);
    saveList(kindList_, form_.ComboBox1);
    for (std::size_t day = 0; day < dayChecks_.size(); ++day) form_.dayChecks[day] = dayChecks_[day]->isChecked();
    saveMemo(noteMemo_, form_.NoteMemo);
}

void CalendarPropDialog::confirm() { form_.OkCalendarPropBtnClick(); }

void CalendarPropDialog::cancel() { form_.close(); }

}  // namespace torvalet::ui
