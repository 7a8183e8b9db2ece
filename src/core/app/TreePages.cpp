#include "app/TreePages.h"

#include "model/AppFolder.h"
#include "model/Settings.h"
#include "platform/Services.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeTable.h"

namespace torvalet {

TreePages::TreePages(ItemTreeSet& trees, const Services& services, SoundCues& cues, ViewState& view,
                     const Settings& settings, Query& listRows, const AppPaths& paths, const TextCodec& codec,
                     const TreeEditGuard& treeGuard, FileSaves& saves, std::function<DayTextContext()> dates,
                     TreeObserver& observer, TreeNavigator& navigator)
    : guard(treeGuard),
      goalForm(services.ui, settings, observer, view),
      linkForm(services.ui, settings, observer, dates),
      contactForm(services.ui, settings, observer, dates),
      phraseForm(services.ui, settings, observer),
      calendarForm(services.ui, settings, observer, dates),
      commands(
          trees, services.clipboard, services.ui, cues, view, [&settings] { return settings.language; }, observer,
          *this, navigator, guard),
      goals(trees, view, cues, services.clipboard, goalForm, observer, guard),
      phrases(trees.get(TreeId::PhrasesTree), services.clipboard, view, saves,
              paths.home / treeInfo(TreeId::PhrasesTree).fileName, codec, guard),
      goalsIntoTasks(listRows),
      requests(paths.home, settings),
      open(trees, commands, phrases, services.shell, services.ui, requests),
      view_(view) {}

void TreePages::turnGoalsIntoTasks() {
    view_.activePage = kTasksPage;
    goalsIntoTasks.run(goals.activeGoalTree());
}

void TreePages::run(Page page, TreeOperation operation) {
    if (page == kTasksPage) {
        switch (operation) {
        case TreeOperation::InsertFromClipboard: return goals.insertGoalFromClipboard();
        case TreeOperation::Properties: return goals.showGoalProperties();
        case TreeOperation::IntoTasks: return turnGoalsIntoTasks();
        default: break;  // the tree editing below
        }
    }
    if (page == kBlocknotePage) {
        switch (operation) {
        case TreeOperation::PutToClipboard: return phrases.putPhrasesToClipboard();
        case TreeOperation::Save: return phrases.savePhrases();
        default: break;  // the tree editing below
        }
    }
    commands.run(page, operation);
}

void TreePages::editItem(TreeNode& node) {
    if (node.isRoot()) return;
    switch (node.family()) {
    case RecordFamily::Goals: goalForm.props(node); break;
    case RecordFamily::Links: linkForm.props(node); break;
    case RecordFamily::Contacts: contactForm.props(node); break;
    case RecordFamily::Phrases: phraseForm.props(node); break;
    case RecordFamily::Events: calendarForm.props(node); break;
    default: break;
    }
}

}  // namespace torvalet
