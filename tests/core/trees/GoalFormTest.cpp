#include <gtest/gtest.h>

#include "FormFixture.h"
#include "TreeBytes.h"
#include "model/ViewState.h"
#include "trees/GoalForm.h"

namespace torvalet {
namespace {

class GoalFormTest : public testing::FormFixture {
protected:
    GoalFormTest() : FormFixture(RecordFamily::Goals) {}

    TreeNode* addGoal(const GoalRecord& goal, TreeNode* parent = nullptr) {
        return testing::appendGoal(tree, goal, parent);
    }
    TreeNode* addGoal(std::string text, TreeNode* parent = nullptr) {
        return testing::addGoal(tree, parent, std::move(text), 0);
    }

    ViewState view;
    GoalForm form{fakes.ui, settings, observer, view};
    const GoalRecord stored{"Text", "Description", "Note", 2, 6, 12};
};

TEST_F(GoalFormTest, OkWritesEveryControlBackAndUnchecksTaskProperties) {
    TreeNode* node = addGoal(stored);
    view.taskProperties = true;
    form.showGoal(*node);
    EXPECT_EQ(shown(), 1u);
    EXPECT_EQ(form.text, "Text");
    EXPECT_EQ(form.description, "Description");
    EXPECT_EQ(form.note, "Note");
    EXPECT_EQ(form.kind.text(), "Phone ToDo");
    EXPECT_EQ(form.state.text(), "Done");
    EXPECT_EQ(form.priority.text(), "Prio#1");

    form.text = "New";
    form.description = "";
    form.note = "line 1\nline 2";
    form.kind.setItemIndex(0);
    form.state.setText("atwork");
    form.priority.setText("Top");  // typed, no such entry
    form.acceptGoal();

    EXPECT_EQ(node->record<GoalRecord>(), (GoalRecord{"New", "", "line 1\nline 2", -1, 2, 0}));
    EXPECT_FALSE(view.taskProperties);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(changed(), std::vector<TreeNode*>{node});
}

TEST_F(GoalFormTest, AnyOtherCloseChangesNothing) {
    TreeNode* node = addGoal(stored);
    view.taskProperties = true;
    form.showGoal(*node);
    form.text = "Changed";
    form.kind.setText("nothing of the list");
    form.close();
    form.acceptGoal();  // a stray Ok after the close

    EXPECT_EQ(node->record<GoalRecord>(), stored);
    EXPECT_TRUE(view.taskProperties);
    EXPECT_TRUE(changed().empty());
}

// Values without an entry in the lists (-1 from an earlier dialog, types of a language file's
// longer list) open with no choice; with the language file's 36 types they are chosen.
TEST_F(GoalFormTest, ValuesOutsideTheListsOpenWithoutChoice) {
    TreeNode* node = addGoal({"G", "", "", -1, 9, 20});
    form.showGoal(*node);
    EXPECT_EQ(form.kind.itemIndex(), -1);
    EXPECT_EQ(form.state.itemIndex(), -1);
    EXPECT_EQ(form.priority.itemIndex(), -1);
    form.acceptGoal();
    EXPECT_EQ(node->record<GoalRecord>(), (GoalRecord{"G", "", "", -1, -1, -1}));

    form.kind.setItems(std::vector<std::string>(36, "?"));
    node->record<GoalRecord>().kind = 20;
    form.showGoal(*node);
    EXPECT_EQ(form.kind.itemIndex(), 20);
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
        settings.language = Language(l.language);
        form.editGoal(tree);
        EXPECT_EQ(fakes.ui.messages.back(), l.message);
    }
    EXPECT_EQ(shown(), 0u);

    TreeNode* a = addGoal("A");
    TreeNode* a1 = addGoal("A1", a);
    TreeNode* b = addGoal("B");
    tree.select(b);
    tree.select(a1);
    form.editGoal(tree);
    EXPECT_EQ(form.node(), a1);
    EXPECT_EQ(form.text, "A1");
    EXPECT_EQ(shown(), 1u);
    EXPECT_EQ(changed(), std::vector<TreeNode*>{a1});
}

}  // namespace
}  // namespace torvalet
