#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/Date.h"
#include "trees/EventRecord.h"
#include "trees/FormList.h"
#include "trees/RecordForm.h"

namespace torvalet {

// The event properties dialog.
class EventForm : public RecordForm<EventRecord> {
public:
    EventForm(UserInterface& ui, const Settings& settings, TreeObserver& observer, DayTextSource dates);

    // The eight event kinds, "None" to "First month day".
    static std::vector<std::string> eventKindCaptions();
    // The same kinds as the New button's drop-down names them, "None" to "First Month's Day".
    static std::vector<std::string> eventKindMenuCaptions();

    std::string text;
    Date date;
    std::string time;  // kept as typed
    FormList kind{eventKindCaptions()};
    // The week days checked, Monday first.
    std::array<bool, 7> dayChecks{};
    std::string note;

    // Throws ConversionError, the dialog unopened, for an EventDate that is no day text.
    void showCalendarEvent(TreeNode& node) { props(node); }
    // The item and its direct children are repainted (the repaint hook gets the item).
    void editCalendarEvent(const ItemTree& calendarTree) { edit(calendarTree); }
    // Double click: as editCalendarEvent without the repaint.
    void openFirstSelected(const ItemTree& calendarTree);
    void acceptCalendarEvent() { ok(); }

protected:
    void fill(const EventRecord& event) override;
    void store(EventRecord& event) const override;

private:
    DayTextSource dates_;
};

}  // namespace torvalet
