#pragma once

#include <string>
#include <vector>

#include "trees/FormList.h"
#include "trees/GoalRecord.h"
#include "trees/RecordForm.h"

namespace torvalet {

struct ViewState;

// The goal properties dialog.
class GoalForm : public RecordForm<GoalRecord> {
public:
    GoalForm(UserInterface& ui, const Settings& settings, TreeObserver& observer, ViewState& view);

    // The built-in entries of the three lists: 13 goal types, 8 states, 6 priorities.
    static std::vector<std::string> goalTypeCaptions();
    static std::vector<std::string> goalStateCaptions();
    static std::vector<std::string> goalPrioCaptions();

    std::string text;
    std::string description;
    std::string note;
    FormList kind{goalTypeCaptions()};
    FormList state{goalStateCaptions()};
    FormList priority{goalPrioCaptions()};

    void showGoal(TreeNode& node) { props(node); }
    void editGoal(const ItemTree& goalTree) { edit(goalTree); }
    // "Ok": also clears the check of "Modify Task...".
    void acceptGoal() { ok(); }

protected:
    void fill(const GoalRecord& goal) override;
    void store(GoalRecord& goal) const override;
    void afterOk() override;

private:
    ViewState& view_;
};

}  // namespace torvalet
