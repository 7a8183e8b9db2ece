#pragma once

#include <functional>

#include "tasks/GoalsIntoTasks.h"
#include "trees/ContactForm.h"
#include "trees/EventForm.h"
#include "trees/GoalCommands.h"
#include "trees/GoalForm.h"
#include "trees/LinkForm.h"
#include "trees/OpenCommands.h"
#include "trees/OpenRequests.h"
#include "trees/PhraseCommands.h"
#include "trees/PhraseForm.h"
#include "trees/TreeCommands.h"
#include "trees/TreeEditGuard.h"

namespace torvalet {

struct AppPaths;
struct Services;
class FileSaves;
class TextCodec;

// The behaviour of the item pages without their windows: the editing commands of every tree,
// the five properties dialogs, the goal and phrase commands and goals into tasks, wired to
// each other, and the commands that open links and mail. The observer shows the dialogs and
// the trees and items the commands change. A tree whose file could not be read is kept as it is:
// every command refuses to change it (`guard`), and its page says so.
class TreePages : public ItemEditor {
public:
    TreePages(ItemTreeSet& trees, const Services& services, SoundCues& cues, ViewState& view, const Settings& settings,
              Query& listRows, const AppPaths& paths, const TextCodec& codec, const TreeEditGuard& guard,
              FileSaves& saves, std::function<DayTextContext()> dates, TreeObserver& observer,
              TreeNavigator& navigator);
    TreePages(const TreePages&) = delete;
    TreePages& operator=(const TreePages&) = delete;

    // Opens the properties dialog that belongs to the item's tree.
    void editItem(TreeNode& node) override;
    // "Goals Into Task": the selected goals of the active goal tree become tasks, on the Tasks page.
    void turnGoalsIntoTasks();
    // A command of an item page's menu (treeCommands()): the goal and phrase pages' own ones
    // here, the editing of the trees by `commands`.
    void run(Page page, TreeOperation operation);

    const TreeEditGuard& guard;
    GoalForm goalForm;
    LinkForm linkForm;
    ContactForm contactForm;
    PhraseForm phraseForm;
    EventForm calendarForm;
    TreeCommands commands;
    GoalCommands goals;
    PhraseCommands phrases;
    GoalsIntoTasks goalsIntoTasks;
    OpenRequests requests;
    OpenCommands open;

private:
    ViewState& view_;
};

}  // namespace torvalet
