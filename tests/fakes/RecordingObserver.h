#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/OrganizerObserver.h"
#include "reminders/NoticeBoard.h"
#include "trees/ItemTree.h"

namespace torvalet::testing {

// An observer that writes down what the organiser tells it (the navigation's calls are written
// down by the navigation tests' own display). `onEditItem`, `onTimeMenu` and
// `onCaptions` act as the user or the window would while a properties dialog or the time menu is
// open or a language file is applied; `goalTreeFocused` is the answer to goalTreeHasFocus.
class RecordingObserver : public OrganizerObserver {
public:
    std::vector<std::string> changedTrees;  // by name
    std::vector<TreeNode*> changedNodes;
    std::vector<FormBase*> editedForms;
    std::vector<Notice> notices;
    int calendarChanges = 0;
    int gridFocused = 0;
    int timeMenus = 0;
    int languageChanges = 0;
    bool goalTreeFocused = false;
    std::function<void(FormBase&)> onEditItem;
    std::function<void()> onTimeMenu;
    std::function<void(const LanguageTable&)> onCaptions;

    void treeChanged(ItemTree& tree) override { changedTrees.push_back(tree.name()); }
    void nodeChanged(TreeNode& node) override { changedNodes.push_back(&node); }
    void editItem(FormBase& form) override {
        editedForms.push_back(&form);
        if (onEditItem) onEditItem(form);
    }
    void monthCalendarChanged() override { ++calendarChanges; }
    void focusTaskGrid() override { ++gridFocused; }
    bool goalTreeHasFocus() const override { return goalTreeFocused; }
    void showTimeMenu() override {
        ++timeMenus;
        if (onTimeMenu) onTimeMenu();
    }
    void noticeShown(const Notice& notice) override { notices.push_back(notice); }
    void languageChanged() override { ++languageChanges; }
    void captionsChanged(const LanguageTable& table) override {
        if (onCaptions) onCaptions(table);
    }
};

}  // namespace torvalet::testing
