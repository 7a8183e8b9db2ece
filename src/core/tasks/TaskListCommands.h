#pragma once

#include <string>

#include "tasks/TaskList.h"

namespace torvalet {

struct TaskContext;

// The commands of View > "Order by", "Filter", "Filter By Type" and the two view presets, with
// the check marks of their menu items.
class TaskListCommands {
public:
    enum class Preset { None, Detail, Easy };

    explicit TaskListCommands(TaskContext& context);

    // Rebuild the list with the hide conditions in force, standing on its last row.
    void listTasks(const std::string& order);
    void listTasksOfType(const LookupKey& typeKey, const std::string& order);
    // An order command: order n (1..7; any other n is order 1).
    void setTaskOrder(int n);
    // A "Filter By ..." command: only the rows of type n, by date and time.
    void filterTasksByType(int n);
    // A hide item: turns its check mark and flag over and lists again. Every one of the twelve
    // items toggles, the four type items too.
    void toggleHideFlag(TaskList::Flag flag);
    void useDetailView() { applyPreset(Preset::Detail); }
    void useEasyView() { applyPreset(Preset::Easy); }

    // Start-up: no preset item carries its check mark yet; the one the settings name is clicked,
    // which builds the first list.
    void applyStartViewMode();
    // The twelve flags as the preset the settings name sets them, without listing (the companion).
    void presetFlags();

    const std::string& currentOrder() const { return list().currentOrder(); }
    // The order item carrying the check mark (0 for none).
    int checkedOrder() const { return checkedOrder_; }
    Preset checkedPreset() const { return checkedPreset_; }
    bool flagChecked(TaskList::Flag flag) const { return list().flag(flag); }
    // The type number of a "Filter By ..." in force, or 0 when every type is listed.
    int typeFilter() const;

private:
    void applyPreset(Preset preset);
    void setPresetFlags(bool easy);
    // The keyed flags and the view mode into the settings record, which close writes.
    void keepInSettings();
    const TaskList& list() const;

    TaskContext& context_;
    int checkedOrder_ = 0;
    Preset checkedPreset_ = Preset::None;
};

}  // namespace torvalet
