#include "ui/dialogs/CalendarPropDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "trees/EventForm.h"
#include "ui/dialogs/DialogControls.h"

namespace torvalet::ui {

CalendarPropDialog::CalendarPropDialog(EventForm& form, QWidget* parent)
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
    loadMemo(eventMemo_, form_.text);
    eventDatePicker_->setDate(toQDate(form_.date));
    loadLine(eventTimeEdit_, form_.time);
    loadList(kindList_, form_.kind);
    for (std::size_t day = 0; day < dayChecks_.size(); ++day) dayChecks_[day]->setChecked(form_.dayChecks[day]);
    loadMemo(noteMemo_, form_.note);
    eventMemo_->setFocus();
}

void CalendarPropDialog::save() {
    saveMemo(eventMemo_, form_.text);
    form_.date = toDate(eventDatePicker_->date());
    saveLine(eventTimeEdit_, form_.time);
    saveList(kindList_, form_.kind);
    for (std::size_t day = 0; day < dayChecks_.size(); ++day) form_.dayChecks[day] = dayChecks_[day]->isChecked();
    saveMemo(noteMemo_, form_.note);
}

void CalendarPropDialog::confirm() { form_.acceptCalendarEvent(); }

void CalendarPropDialog::cancel() { form_.close(); }

}  // namespace torvalet::ui
