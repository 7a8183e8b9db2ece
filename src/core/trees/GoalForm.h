#pragma once

#include <string>
#include <vector>

#include "trees/FormList.h"
#include "trees/RecordForm.h"
#include "trees/TGoalData.h"

namespace torvalet {

struct ViewState;

// The goal properties dialog (TGoalForm).
class GoalForm : public RecordForm<TGoalData> {
public:
    GoalForm(UserInterface& ui, const Settings& settings, ViewState& view);

    // The built-in entries of the three lists: 13 goal types, 8 states, 6 priorities.
    static std::vector<std::string> goalTypeCaptions();
    static std::vector<std::string> goalStateCaptions();
    static std::vector<std::string> goalPrioCaptions();

    std::string GoalMemo;                     // Text
    std::string Memo1;                        // Description
    std::string NoteMemo;                     // Note
    FormList ComboBox1{goalTypeCaptions()};   // GoalType
    FormList ComboBox2{goalStateCaptions()};  // State
    FormList ComboBox3{goalPrioCaptions()};   // Prio

    void GoalProps(TreeNode& node) { props(node); }
    void EditGoal(const ItemTree& goalTree) { edit(goalTree); }
    // "Ok": also clears the check of "Modify Task...".
    void GoalPropOkBtn1Click() { ok(); }

protected:
    void fill(const TGoalData& goal) override;
    void store(TGoalData& goal) const override;
    void afterOk() override;

private:
    ViewState& view_;
};

}  // namespace torvalet
