#include "app/TreePages.h"

#include "model/AppFolder.h"
#include "model/Settings.h"
#include "platform/Services.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeFileKeeper.h"
#include "trees/TreeTable.h"

namespace torvalet {

TreePages::TreePages(ItemTreeSet& trees, const Services& services, SoundCues& cues, ViewState& view,
                     const Settings& settings, Query& listRows, const AppPaths& paths, const TextCodec& codec,
                     const TreeFileKeeper& treeFiles, std::function<DayTextContext()> dates)
    : goalForm(services.ui, settings, view),
      linkForm(services.ui, settings, dates),
      contactForm(services.ui, settings, dates),
      phraseForm(services.ui, settings),
      calendarForm(services.ui, settings, dates),
      commands(trees, services.clipboard, services.ui, cues, view, [&settings] { return settings.language; }),
      goals(trees, view, cues, services.clipboard, goalForm),
      phrases(trees.get(TreeId::PhrasesTree), services.clipboard, services.ui, settings,
              paths.home / treeInfo(TreeId::PhrasesTree).fileName, codec,
              [&treeFiles] { return treeFiles.wasUnreadable(TreeId::PhrasesTree); }),
      goalsIntoTasks(listRows),
      requests(paths.home, settings),
      open(trees, commands, phrases, services.shell, services.ui, requests) {
    commands.hooks.editItem = [this](ItemTree& tree, TreeNode* node) { editItem(tree, node); };
}

void TreePages::turnGoalsIntoTasks() {
    goals.switchTab(kTasksPage);
    goalsIntoTasks.run(goals.activeGoalTree());
}

void TreePages::editItem(ItemTree&, TreeNode* node) {
    if (!node || node->isRoot()) return;
    switch (node->family()) {
    case RecordFamily::Goals: goalForm.props(*node); break;
    case RecordFamily::Links: linkForm.props(*node); break;
    case RecordFamily::Contacts: contactForm.props(*node); break;
    case RecordFamily::Phrases: phraseForm.props(*node); break;
    case RecordFamily::Events: calendarForm.props(*node); break;
    default: break;
    }
}

}  // namespace torvalet
