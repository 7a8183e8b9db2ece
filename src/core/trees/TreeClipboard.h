#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "trees/ItemTree.h"

namespace torvalet {

class Clipboard;

// Cut, copy and paste of tree items through the system clipboard, which carries their node
// chunks ("Virtual Tree Data"). Node chunks do not tell which record layout they hold, so a
// paste takes only chunks that a tree of this program offered in this run, and only into a
// tree of the same record family: chunks of unknown origin or of another family are refused
// rather than misread. The trees given to it must outlive it.
class TreeClipboard {
public:
    struct Pasted {
        std::vector<TreeNode*> items;   // the pasted items, in order
        ItemTree* movedFrom = nullptr;  // the tree they were cut from, when they moved
    };

    explicit TreeClipboard(Clipboard& clipboard) : clipboard_(clipboard) {}

    // With at least one item selected: puts the node chunks of the selected items that are not
    // disabled on the clipboard, marks those items (NodeFlag::CutOrCopyMark) and records the
    // pending cut or copy; the marks of an earlier offer, in this or another tree, are dropped.
    // The items stay where they are; a paste takes the marked items as they are at that time.
    // False when nothing is selected.
    bool cutSelected(ItemTree& tree);
    bool copySelected(ItemTree& tree);

    // Places the clipboard's items as last children of the focused item (top-level items when
    // none) and returns them. A pending cut moves the marked items of the tree that cut them,
    // in tree order, skipping an item that holds the target, and then ends; from another tree
    // they leave it. Otherwise copies of the marked items that still exist, with their records
    // and subtrees as they are now, become new items, as often as pasted; each copy that has a
    // UID gets a new one, while moved items keep theirs.
    // Throws TreeError 2007 when the clipboard holds no tree items. Pastes nothing for refused
    // chunks and for a cut that has already been pasted.
    Pasted paste(ItemTree& tree);

private:
    // What this program put on the clipboard, to tell whether the clipboard still holds it.
    struct Offer {
        ItemTree* source;
        std::string chunks;
    };

    bool offer(ItemTree& tree, PendingClipboard pending);
    Pasted pasteCut(ItemTree& source, ItemTree& tree, TreeNode* target);
    static std::vector<TreeNode*> moveWithinTree(ItemTree& tree, std::span<TreeNode* const> items, TreeNode* target);
    static std::vector<TreeNode*> markedNodes(const ItemTree& tree);
    static void endPending(ItemTree& tree);

    Clipboard& clipboard_;
    std::optional<Offer> offer_;
};

}  // namespace torvalet
