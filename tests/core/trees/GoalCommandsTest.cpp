#include <gtest/gtest.h>

#include "TreeBytes.h"
#include "fakes/FakeServices.h"
#include "fakes/RecordingObserver.h"
#include "fakes/TempDir.h"
#include "model/Settings.h"
#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "trees/GoalCommands.h"
#include "trees/GoalForm.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeEditGuard.h"

namespace torvalet {
namespace {

using testing::addGoal;
using testing::shape;

// The Day goal tree holding G[G1 G2] H, every cue file present.
class GoalCommandsTest : public ::testing::Test {
protected:
    GoalCommandsTest() {
        for (const char* cue : {cues::Prepare, cues::AtWork, cues::Mute, cues::Done, cues::Undone, cues::Delegated})
            testing::writeText(sounds / cue, "RIFF");
        day.clear();
        g = addGoal(day, nullptr, "G", 0);
        g1 = addGoal(day, g, "G1");
        g2 = addGoal(day, g, "G2");
        h = addGoal(day, nullptr, "H");
    }

    std::vector<std::string> played() const {
        std::vector<std::string> names;
        for (const auto& path : fakes.sound.played) names.push_back(std::filesystem::path(path).filename().string());
        return names;
    }

    testing::TempDir sounds;
    testing::FakeServices fakes;
    Settings settings;
    ViewState view;
    ItemTreeSet trees;
    ItemTree& day = trees.get(TreeId::DayGoalTree);
    SoundCues cues{fakes.sound, fakes.ui, sounds.path(), settings};
    testing::RecordingObserver observer;
    GoalForm form{fakes.ui, settings, observer, view};
    TreeEditGuard guard{fakes.ui, [] { return 0; }, [](TreeId) { return false; }};
    GoalCommands commands{trees, view, cues, fakes.clipboard, form, observer, guard};
    TreeNode *g = nullptr, *g1 = nullptr, *g2 = nullptr, *h = nullptr;
};

TEST_F(GoalCommandsTest, ActiveGoalTreeFollowsTheGoalTab) {
    const struct {
        int tab;
        TreeId tree;
    } cases[] = {{0, TreeId::DayGoalTree},  {1, TreeId::WeekGoalTree},   {2, TreeId::MonthGoalTree},
                 {3, TreeId::YearGoalTree}, {4, TreeId::GlobalGoalTree}, {5, TreeId::DayGoalTree},
                 {-1, TreeId::DayGoalTree}};
    for (const auto& c : cases) {
        view.goalPage = c.tab;
        EXPECT_EQ(commands.activeGoalTree().id(), c.tree) << c.tab;
    }
}

TEST_F(GoalCommandsTest, StateOfAGroupAndItsSelectedChildPlaysOneCueEach) {
    day.select(g2);
    day.select(g);
    commands.setGoalsState(6);
    EXPECT_EQ(g->record<GoalRecord>().state, 6);
    EXPECT_EQ(g2->record<GoalRecord>().state, 6);
    EXPECT_EQ(g1->record<GoalRecord>().state, 0);
    EXPECT_EQ(played(), (std::vector<std::string>{"done.wav", "done.wav"}));
    EXPECT_EQ(observer.changedTrees, std::vector<std::string>{day.name()});
}

TEST_F(GoalCommandsTest, EachStateHasItsCue) {
    const struct {
        int state;
        const char* cue;  // nullptr: silent
    } cases[] = {{0, nullptr},         {1, "prepare.wav"}, {2, "atwork.wav"}, {3, "mute.wav"}, {4, nullptr},
                 {5, "delegated.wav"}, {6, "done.wav"},    {7, "undone.wav"}, {-1, nullptr}};
    day.select(h);
    for (const auto& c : cases) {
        fakes.sound.played.clear();
        commands.setGoalsState(c.state);
        EXPECT_EQ(h->record<GoalRecord>().state, c.state);
        EXPECT_EQ(played(), c.cue ? std::vector<std::string>{c.cue} : std::vector<std::string>{}) << c.state;
    }
}

TEST_F(GoalCommandsTest, WithoutSelectionNothingChanges) {
    commands.setGoalsState(6);
    commands.setGoalsPriority(1);
    commands.setGoalsStateByCommand(TaskStateCommand::Terminate);
    EXPECT_EQ(h->record<GoalRecord>(), (GoalRecord{"H", "", "", 0, 0, 3}));
    EXPECT_TRUE(fakes.sound.played.empty());
    EXPECT_TRUE(observer.changedTrees.empty());
}

TEST_F(GoalCommandsTest, PriorityActsOnTheActiveTreeOnly) {
    ItemTree& month = trees.get(TreeId::MonthGoalTree);
    TreeNode* m = month.firstTopLevel();
    month.select(m);
    day.select(h);
    view.goalPage = 2;
    commands.setGoalsPriority(5);
    EXPECT_EQ(m->record<GoalRecord>().priority, 5);
    EXPECT_EQ(h->record<GoalRecord>().priority, 0);
    EXPECT_EQ(observer.changedTrees, std::vector<std::string>{month.name()});
}

TEST_F(GoalCommandsTest, TaskStateCommandsSetTheGoalStateOfTheSameMeaning) {
    const struct {
        TaskStateCommand command;
        int state;
    } cases[] = {{TaskStateCommand::Terminate, 6}, {TaskStateCommand::Done, 6},    {TaskStateCommand::Mute, 3},
                 {TaskStateCommand::AtWork, 2},    {TaskStateCommand::Undone, 7},  {TaskStateCommand::Prepare, 1},
                 {TaskStateCommand::Delegated, 5}, {TaskStateCommand::Delayed, 4}, {TaskStateCommand::None, 0},
                 {TaskStateCommand::NullState, 0}};
    day.select(g1);
    for (const auto& c : cases) {
        g1->record<GoalRecord>().state = -1;
        commands.setGoalsStateByCommand(c.command);
        EXPECT_EQ(g1->record<GoalRecord>().state, c.state) << static_cast<int>(c.command);
    }
}

TEST_F(GoalCommandsTest, GoalFromClipboardBecomesALastChildAndOpensItsDialog) {
    fakes.clipboard.setText("Buy milk");
    day.select(g1);
    day.select(h);
    TreeNode& made = *commands.addGoalFromClipboard();
    EXPECT_EQ(shape(day), "G[G1[Buy milk] G2] H");
    EXPECT_EQ(made.record<GoalRecord>(), (GoalRecord{"Buy milk", "", "", 0, 0, 3}));
    EXPECT_EQ(day.focused(), &made);
    EXPECT_EQ(day.selectedInTreeOrder(), std::vector<TreeNode*>{&made});
    EXPECT_EQ(form.node(), &made);
    EXPECT_EQ(observer.editedForms, std::vector<FormBase*>{&form});

    day.clearSelection();
    fakes.clipboard.clear();
    view.activePage = kBlocknotePage;
    commands.insertGoalFromClipboard();
    EXPECT_EQ(shape(day), "G[G1[Buy milk] G2] H ");
    EXPECT_EQ(view.activePage, kTasksPage);
}

TEST_F(GoalCommandsTest, AddPutsAToDoAtTheEndOfTheSelectedGoalsLevel) {
    const struct {
        TreeNode* selected;
        const char* text;
        const char* shape;
    } cases[] = {
        {g1, "child level", "G[G1 G2 child level] H"},
        {g, "top level", "G[G1 G2] H top level"},
        {nullptr, "", "G[G1 G2] H "},
    };
    for (const auto& c : cases) {
        day.clearSelection();
        if (c.selected) day.select(c.selected);
        TreeNode& made = *commands.addGoalNamed(c.text);
        EXPECT_EQ(shape(day), c.shape);
        EXPECT_EQ(made.record<GoalRecord>().kind, 3);
        EXPECT_EQ(day.focused(), &made);
        EXPECT_EQ(day.selectedInTreeOrder(), std::vector<TreeNode*>{&made});
        day.deleteNode(&made);
    }
    EXPECT_TRUE(observer.editedForms.empty());
}

TEST_F(GoalCommandsTest, PropertiesOpenForTheActiveTree) {
    commands.showGoalProperties();
    EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"There are no selected nodes!"});
    day.select(g2);
    commands.editGoal();
    EXPECT_EQ(form.node(), g2);
}

}  // namespace
}  // namespace torvalet
