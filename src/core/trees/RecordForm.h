#pragma once

#include <utility>

#include "trees/FormBase.h"
#include "trees/ItemTree.h"
#include "trees/TreeObserver.h"

namespace torvalet {

// A modal properties dialog over one tree item: filled from the item's record, it remembers the
// item and writes back into its record on "Ok" only; any other close changes nothing.
template <class Record>
class RecordForm : public FormBase {
public:
    using FormBase::FormBase;

    // The item the dialog was filled from, while it is open.
    TreeNode* node() const { return node_; }
    bool isOpen() const { return node_ != nullptr; }

    // Fills the controls from the node's record, remembers the node and shows the dialog. When
    // the record cannot be shown (a stored date that is no date) the error goes up and the
    // dialog stays closed.
    void props(TreeNode& node) {
        node_ = nullptr;
        fill(node.record<Record>());
        node_ = &node;
        observer_.editItem(*this);
    }

    // The properties command: the dialog for the first selected item, which is then repainted;
    // with nothing selected the no-selection message. False when nothing was selected.
    bool edit(const ItemTree& tree) {
        TreeNode* first = tree.firstSelected();
        if (!first) {
            showNoSelectionMessage();
            return false;
        }
        props(*first);
        observer_.nodeChanged(*first);
        return true;
    }

    // "Ok": the controls go into the remembered item's record, whole or not at all; then the
    // dialog closes.
    void ok() {
        if (!node_) return;
        TreeNode& node = *node_;
        Record updated = node.record<Record>();
        store(updated);
        node.record<Record>() = std::move(updated);
        node_ = nullptr;
        afterOk();
        observer_.nodeChanged(node);
    }

    // Closing the dialog any other way.
    void close() { node_ = nullptr; }

protected:
    virtual void fill(const Record& record) = 0;
    virtual void store(Record& record) const = 0;
    virtual void afterOk() {}

private:
    TreeNode* node_ = nullptr;
};

}  // namespace torvalet
