#include <gtest/gtest.h>

#include "FormFixture.h"
#include "TreeBytes.h"
#include "model/ViewState.h"
#include "trees/GoalForm.h"

namespace torvalet {
namespace {

class GoalFormTest : public testing::FormFixture {
protected:
    GoalFormTest() : FormFixture(RecordFamily::Goals) { watch(form); }

    TreeNode* addGoal(const TGoalData& goal, TreeNode* parent = nullptr) {
        return testing::appendGoal(tree, goal, parent);
    }
    TreeNode* addGoal(std::string text, TreeNode* parent = nullptr) {
        return testing::addGoal(tree, parent, std::move(text), 0);
    }

    ViewState view;
    GoalForm form{fakes.ui, settings, view};
    const TGoalData stored{"Text", "Description", "Note", 2, 6, 12};
};

TEST_F(GoalFormTest, OkWritesEveryControlBackAndUnchecksTaskProperties) {
    TreeNode* node = addGoal(stored);
    view.taskProperties = true;
    form.GoalProps(*node);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form.GoalMemo, "Text");
    EXPECT_EQ(form.Memo1, "Description");
    EXPECT_EQ(form.NoteMemo, "Note");
    EXPECT_EQ(form.ComboBox1.text(), "Phone ToDo");
    EXPECT_EQ(form.ComboBox2.text(), "Done");
    EXPECT_EQ(form.ComboBox3.text(), "Prio#1");

    form.GoalMemo = "New";
    form.Memo1 = "";
    form.NoteMemo = "line 1\nline 2";
    form.ComboBox1.setItemIndex(0);
    form.ComboBox2.setText("atwork");
    form.ComboBox3.setText("Top");  // typed, no such entry
    form.GoalPropOkBtn1Click();

    EXPECT_EQ(node->record<TGoalData>(), (TGoalData{"New", "", "line 1\nline 2", -1, 2, 0}));
    EXPECT_FALSE(view.taskProperties);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(accepted, std::vector<TreeNode*>{node});
}

TEST_F(GoalFormTest, AnyOtherCloseChangesNothing) {
    TreeNode* node = addGoal(stored);
    view.taskProperties = true;
    form.GoalProps(*node);
    form.GoalMemo = "Changed";
    form.ComboBox1.setText("nothing of the list");
    form.close();
    form.GoalPropOkBtn1Click();  // a stray Ok after the close

    EXPECT_EQ(node->record<TGoalData>(), stored);
    EXPECT_TRUE(view.taskProperties);
    EXPECT_TRUE(accepted.empty());
}

// Values without an entry in the lists (-1 from an earlier dialog, types of a language file's
// longer list) open with no choice; with the language file's 36 types they are chosen.
TEST_F(GoalFormTest, ValuesOutsideTheListsOpenWithoutChoice) {
    TreeNode* node = addGoal({"G", "", "", -1, 9, 20});
    form.GoalProps(*node);
    EXPECT_EQ(form.ComboBox1.itemIndex(), -1);
    EXPECT_EQ(form.ComboBox2.itemIndex(), -1);
    EXPECT_EQ(form.ComboBox3.itemIndex(), -1);
    form.GoalPropOkBtn1Click();
    EXPECT_EQ(node->record<TGoalData>(), (TGoalData{"G", "", "", -1, -1, -1}));

    form.ComboBox1.setItems(std::vector<std::string>(36, "?"));
    node->record<TGoalData>().GoalType = 20;
    form.GoalProps(*node);
    EXPECT_EQ(form.ComboBox1.itemIndex(), 20);
}

TEST_F(GoalFormTest, EditOpensTheFirstSelectedGoalOrReportsNoSelection) {
    const struct {
        int language;
        const char* message;
    } languages[] = {{0, "There are no selected nodes!"},
                     {1, "Не выбраны узлы дерева!"},
                     {2, "Не выбраны узлы дерева!"},
                     {3, "There are no selected nodes!"}};
    for (const auto& l : languages) {
        settings.iLanguage = l.language;
        form.EditGoal(tree);
        EXPECT_EQ(fakes.ui.messages.back(), l.message);
    }
    EXPECT_EQ(shown, 0);

    TreeNode* a = addGoal("A");
    TreeNode* a1 = addGoal("A1", a);
    TreeNode* b = addGoal("B");
    tree.select(b);
    tree.select(a1);
    form.EditGoal(tree);
    EXPECT_EQ(form.node(), a1);
    EXPECT_EQ(form.GoalMemo, "A1");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(repainted, std::vector<TreeNode*>{a1});
}

}  // namespace
}  // namespace torvalet
