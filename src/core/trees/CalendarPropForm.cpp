#include "trees/CalendarPropForm.h"

namespace torvalet {

namespace {

// The bit of each weekday box in WeekDays, Monday first; bit 128 belongs to no box.
std::uint8_t dayBit(std::size_t day) { return static_cast<std::uint8_t>(1u << day); }

// Each event kind as the dialog's list and the New button's drop-down name it, by EventKind.
struct EventKindCaption {
    const char* dialog;
    const char* menu;
};

constexpr EventKindCaption kEventKinds[] = {
    {"None", "None"},
    {"Group", "Group"},
    {"Daily/Weekly", "Daily"},
    {"Monthly", "Monthly"},
    {"Yearly", "Yearly"},
    {"Once", "Once"},
    {"Last month day", "Last Month's Day"},
    {"First month day", "First Month's Day"},
};

}  // namespace

CalendarPropForm::CalendarPropForm(UserInterface& ui, const Settings& settings, DayTextSource dates)
    : RecordForm(ui, settings), dates_(std::move(dates)) {}

std::vector<std::string> CalendarPropForm::eventKindCaptions() {
    std::vector<std::string> captions;
    for (const EventKindCaption& kind : kEventKinds) captions.emplace_back(kind.dialog);
    return captions;
}

std::vector<std::string> CalendarPropForm::eventKindMenuCaptions() {
    std::vector<std::string> captions;
    for (const EventKindCaption& kind : kEventKinds) captions.emplace_back(kind.menu);
    return captions;
}

void CalendarPropForm::CalendarTreeDblClick(const ItemTree& calendarTree) {
    if (TreeNode* first = calendarTree.firstSelected())
        props(*first);
    else
        ShowNoSelectionMsg();
}

void CalendarPropForm::fill(const TEventData& event) {
    const DayTextContext context = dates_();
    EventDatePicker = event.EventDate.empty() ? context.today : DayText(context).DayTextToDate(event.EventDate);
    EventMemo = event.Event;
    NoteMemo = event.Note;
    EventTimeEdit = event.EventTime;
    ComboBox1.setItemIndex(event.EventKind);
    for (std::size_t day = 0; day < dayChecks.size(); ++day) dayChecks[day] = (event.WeekDays & dayBit(day)) != 0;
}

void CalendarPropForm::store(TEventData& event) const {
    event.Event = EventMemo;
    event.Note = NoteMemo;
    event.EventDate = DayText(dates_()).DateToDayText(EventDatePicker);
    event.EventTime = EventTimeEdit;
    for (std::size_t day = 0; day < dayChecks.size(); ++day) {
        const std::uint8_t bit = dayBit(day);
        event.WeekDays = static_cast<std::uint8_t>(dayChecks[day] ? event.WeekDays | bit : event.WeekDays & ~bit);
    }
    event.EventKind = ComboBox1.itemIndex();
}

}  // namespace torvalet
