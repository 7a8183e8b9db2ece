#include "trees/EventForm.h"

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

EventForm::EventForm(UserInterface& ui, const Settings& settings, TreeObserver& observer, DayTextSource dates)
    : RecordForm(ui, settings, observer), dates_(std::move(dates)) {}

std::vector<std::string> EventForm::eventKindCaptions() {
    std::vector<std::string> captions;
    for (const EventKindCaption& entry : kEventKinds) captions.emplace_back(entry.dialog);
    return captions;
}

std::vector<std::string> EventForm::eventKindMenuCaptions() {
    std::vector<std::string> captions;
    for (const EventKindCaption& entry : kEventKinds) captions.emplace_back(entry.menu);
    return captions;
}

void EventForm::openFirstSelected(const ItemTree& calendarTree) {
    if (TreeNode* first = calendarTree.firstSelected())
        props(*first);
    else
        showNoSelectionMessage();
}

void EventForm::fill(const EventRecord& event) {
    const DayTextContext context = dates_();
    date = event.date.empty() ? context.today : DayText(context).dateOfDayText(event.date);
    text = event.text;
    note = event.note;
    time = event.time;
    kind.setItemIndex(event.kind);
    for (std::size_t day = 0; day < dayChecks.size(); ++day) dayChecks[day] = (event.weekDays & dayBit(day)) != 0;
}

void EventForm::store(EventRecord& event) const {
    event.text = text;
    event.note = note;
    event.date = DayText(dates_()).dayTextOfDate(date);
    event.time = time;
    for (std::size_t day = 0; day < dayChecks.size(); ++day) {
        const std::uint8_t bit = dayBit(day);
        event.weekDays = static_cast<std::uint8_t>(dayChecks[day] ? event.weekDays | bit : event.weekDays & ~bit);
    }
    event.kind = kind.itemIndex();
}

}  // namespace torvalet
