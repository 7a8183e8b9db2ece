#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/Date.h"
#include "trees/FormList.h"
#include "trees/RecordForm.h"
#include "trees/TEventData.h"

namespace torvalet {

// The event properties dialog (TCalendarPropForm).
class CalendarPropForm : public RecordForm<TEventData> {
public:
    CalendarPropForm(UserInterface& ui, const Settings& settings, DayTextSource dates);

    // The eight event kinds, "None" to "First month day".
    static std::vector<std::string> eventKindCaptions();
    // The same kinds as the New button's drop-down names them, "None" to "First Month's Day".
    static std::vector<std::string> eventKindMenuCaptions();

    std::string EventMemo;
    Date EventDatePicker;
    std::string EventTimeEdit;                // kept as typed
    FormList ComboBox1{eventKindCaptions()};  // EventKind
    // MonChkBox .. SunChkBox.
    std::array<bool, 7> dayChecks{};
    std::string NoteMemo;

    // Throws ConversionError, the dialog unopened, for an EventDate that is no day text.
    void CalendarProps(TreeNode& node) { props(node); }
    // The item and its direct children are repainted (the repaint hook gets the item).
    void EditCalendar(const ItemTree& calendarTree) { edit(calendarTree); }
    // Double click: as EditCalendar without the repaint.
    void CalendarTreeDblClick(const ItemTree& calendarTree);
    void OkCalendarPropBtnClick() { ok(); }

protected:
    void fill(const TEventData& event) override;
    void store(TEventData& event) const override;

private:
    DayTextSource dates_;
};

}  // namespace torvalet
