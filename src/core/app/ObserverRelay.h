#pragma once

#include "app/OrganizerObserver.h"

namespace torvalet {

// The organiser's end of its observer: every component is given this one at construction, and it
// passes each call on to the observer registered last, or to none, which does nothing.
class ObserverRelay final : public OrganizerObserver {
public:
    // Null for none.
    void setTarget(OrganizerObserver* target) { target_ = target ? target : &none_; }

    void treeChanged(ItemTree& tree) override { target_->treeChanged(tree); }
    void nodeChanged(TreeNode& node) override { target_->nodeChanged(node); }
    void editItem(FormBase& form) override { target_->editItem(form); }
    void focusTree(ItemTree& tree) override { target_->focusTree(tree); }
    void scrollToCentre(ItemTree& tree, const TreeNode& node) override { target_->scrollToCentre(tree, node); }
    void monthCalendarChanged() override { target_->monthCalendarChanged(); }
    void focusTaskGrid() override { target_->focusTaskGrid(); }
    bool goalTreeHasFocus() const override { return target_->goalTreeHasFocus(); }
    void showTimeMenu() override { target_->showTimeMenu(); }
    void noticeShown(const Notice& notice) override { target_->noticeShown(notice); }
    void languageChanged() override { target_->languageChanged(); }
    void captionsChanged(const LanguageTable& table) override { target_->captionsChanged(table); }
    void minuteChanged() override { target_->minuteChanged(); }

private:
    OrganizerObserver none_;
    OrganizerObserver* target_ = &none_;
};

}  // namespace torvalet
