#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "trees/NodeIdentity.h"
#include "trees/NodePlace.h"
#include "trees/RecordFamily.h"
#include "trees/RecordNode.h"
#include "trees/TreeId.h"
#include "trees/TreeNode.h"

namespace torvalet {

// Which clipboard transfer a tree's marked nodes (NodeFlag::CutOrCopyMark) wait for.
enum class PendingClipboard { None, Cut, Copy };

// An ordered tree of items with an invisible root, a focused node and a selection. Every node
// carries one record of the tree's family. The tree owns its nodes; node pointers stay valid
// until the node is deleted (moving keeps them valid).
//
// Costs: creating, linking, unlinking and moving a node are constant time (plus the depth of
// the target for the move check); deleting is linear in the deleted subtree; selecting and
// deselecting are constant time. Questions about tree order (first selected, sorted selection)
// renumber the tree once after each structural change and are then cheap until the next one:
// ask once per command, not once per node moved. Nodes given to a tree's functions must belong
// to that tree. A moved-from tree can only be assigned to or destroyed.
class ItemTree {
public:
    static constexpr std::uint16_t kDefaultNodeHeight = 20;

    // One of the program's trees, with the name, family and selection of its table row.
    explicit ItemTree(TreeId id, std::uint16_t defaultHeight = kDefaultNodeHeight);
    // A tree of no component (a file being decoded, a scratch tree); multiSelect false allows
    // one selected node.
    ItemTree(std::string name, RecordFamily family, bool multiSelect = true,
             std::uint16_t defaultHeight = kDefaultNodeHeight);
    ~ItemTree();
    ItemTree(const ItemTree&) = delete;
    ItemTree& operator=(const ItemTree&) = delete;
    ItemTree(ItemTree&& other) noexcept;
    ItemTree& operator=(ItemTree&& other) noexcept;

    const std::string& name() const { return name_; }
    // Which of the program's trees this is; nothing for a tree of no component.
    std::optional<TreeId> id() const { return id_; }
    RecordFamily family() const { return family_; }
    bool multiSelect() const { return multiSelect_; }
    std::uint16_t defaultHeight() const { return defaultHeight_; }
    void setDefaultHeight(std::uint16_t height) { defaultHeight_ = height; }

    // The invisible root; its children are the top-level items.
    TreeNode* root() const { return root_; }
    TreeNode* firstTopLevel() const { return root_->firstChild(); }
    std::uint32_t topLevelCount() const { return root_->childCount(); }
    // Number of nodes, the root not counted.
    std::size_t nodeCount() const { return nodeCount_; }
    bool empty() const { return nodeCount_ == 0; }

    // --- Structure ---

    // Creates a node (height = default height, flags visible only, alignment 50, empty record)
    // at the place relative to the target. A null target means the root; relative to the root,
    // Before means first child and After last child. Without `withRecord` the record takes no
    // memory until it is written to (for nodes that may well hold nothing).
    TreeNode* insertNode(TreeNode* target, NodePlace place, bool withRecord = true);
    // A new last child of the parent (of the root when null).
    TreeNode* appendChild(TreeNode* parent = nullptr, bool withRecord = true) {
        return insertNode(parent, NodePlace::LastChild, withRecord);
    }
    // Deletes the node with its whole subtree; deleted nodes leave the selection and the focus.
    // Deleting the root deletes every item.
    void deleteNode(TreeNode* node);
    // Deletes every item, drops the selection, the focus and a pending cut or copy.
    void clear();
    // Moves the node with its subtree and record. Nothing happens for the root, or when the node
    // is the target with Before or After. A null target makes the node the first top-level item
    // whatever the place. Relative to the root, Before means first child and After last child.
    // Throws TreeError 2001 when the target lies inside the node's subtree.
    void moveNode(TreeNode* node, TreeNode* target, NodePlace place);

    // --- Tree order (depth first: a node, its children in order, then its next sibling) ---

    // The node after `node` in tree order, or nullptr at the end. With `within`, the walk stays
    // inside within's subtree.
    static TreeNode* nextInTreeOrder(const TreeNode* node, const TreeNode* within = nullptr);
    // Calls visit(node) for every item in tree order, the root excluded.
    template <class Visit>
    void forEach(Visit&& visit) const {
        for (TreeNode* n = root_->firstChild(); n; n = nextInTreeOrder(n)) visit(n);
    }
    // Calls visit(node) for the node and every node below it, in tree order.
    template <class Visit>
    static void forEachInSubtree(TreeNode* top, Visit&& visit) {
        for (TreeNode* n = top; n; n = nextInTreeOrder(n, top)) visit(n);
    }
    // 0 for a top-level item, 1 for its children, ...; -1 for the root.
    static int level(const TreeNode* node);
    // True when `node` lies in ancestor's subtree (a node is not its own ancestor).
    static bool isAncestor(const TreeNode* ancestor, const TreeNode* node);
    // The nodes in tree order, leaving out every node that lies in the subtree of another one of
    // them, and duplicates. The root and null pointers are left out.
    std::vector<TreeNode*> topmostInTreeOrder(std::span<TreeNode* const> nodes) const;

    // --- Focus ---

    TreeNode* focused() const { return focused_; }
    // The root or null means no focused node.
    void setFocused(TreeNode* node);

    // --- Selection ---

    // Adds the node to the selection; in a single-selection tree it replaces the selection.
    void select(TreeNode* node);
    void deselect(TreeNode* node);
    void clearSelection();
    // Makes the node the only selected one (none for null or the root).
    void selectOnly(TreeNode* node);
    std::size_t selectionCount() const { return selection_.size(); }
    // The selected nodes in no particular order.
    const std::vector<TreeNode*>& selection() const { return selection_; }
    // The first selected node in tree order, or nullptr.
    TreeNode* firstSelected() const;
    // Every selected node, in tree order.
    std::vector<TreeNode*> selectedInTreeOrder() const;
    // The selected nodes in tree order without those whose ancestor is selected too (they
    // travel with it): the items a command on the selection works on.
    std::vector<TreeNode*> sortedSelection() const;
    // After a subtree has been given its stored flags: nodes carrying the Selected bit join the
    // selection (multi-selection trees) or lose the bit (single-selection trees).
    void settleSelection(TreeNode* top);

    // --- Identity (UID and kept foreign properties) ---

    // The node's identity, or nullptr when it has none. It stays with the node through every
    // move within the tree, travels with it in its node chunk and leaves with it when deleted.
    const NodeIdentity* identity(const TreeNode* node) const;
    // Gives the node that identity; an empty one takes its identity away.
    void setIdentity(TreeNode* node, NodeIdentity identity);
    // The node's UID, minted (newUid) when it has none yet: the tree then differs from its file
    // and is written at the next save.
    const std::string& uidOf(TreeNode* node);
    // Every node of the subtree that has a UID gets a new one (its extras stay): a copy must
    // never share a UID with its original.
    void renewUids(TreeNode* top);
    bool hasIdentities() const { return !identities_.empty(); }

    // --- Cut and copy marks ---

    PendingClipboard pendingClipboard() const { return pending_; }
    void setPendingClipboard(PendingClipboard pending) { pending_ = pending; }

private:
    void link(TreeNode* node, TreeNode* target, NodePlace place);
    void unlink(TreeNode* node);
    void addToSelection(TreeNode* node);
    void removeFromSelection(TreeNode* node);
    void destroySubtree(TreeNode* top);
    void renumber() const;
    void release();

    std::string name_;
    std::optional<TreeId> id_;
    RecordFamily family_;
    bool multiSelect_;
    std::uint16_t defaultHeight_;
    TreeNode* root_;
    std::size_t nodeCount_ = 0;
    TreeNode* focused_ = nullptr;
    std::vector<TreeNode*> selection_;
    PendingClipboard pending_ = PendingClipboard::None;
    // Kept beside the nodes rather than in them: few items have one, and a node stays small.
    std::unordered_map<const TreeNode*, NodeIdentity> identities_;
    std::uint64_t structureVersion_ = 1;
    mutable std::uint64_t numberedVersion_ = 0;
};

}  // namespace torvalet
