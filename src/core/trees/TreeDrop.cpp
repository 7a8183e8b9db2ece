#include "trees/TreeDrop.h"

#include "trees/TreeMoves.h"

namespace torvalet {

namespace {

NodePlace placeOf(DropPosition position) {
    switch (position) {
    case DropPosition::Above: return NodePlace::Before;
    case DropPosition::On: return NodePlace::LastChild;
    default: return NodePlace::After;
    }
}

}  // namespace

DropEffect TreeDrop::dropEffect(KeyModifiers keys, bool sourceIsTarget) {
    if (keys.alt && !keys.shift) return DropEffect::Link;
    if (keys.ctrl && !keys.shift && !keys.alt) return DropEffect::Copy;
    if (keys.ctrl || keys.shift || keys.alt) return DropEffect::Move;
    return sourceIsTarget ? DropEffect::Move : DropEffect::Copy;
}

bool TreeDrop::acceptsDrop(const ItemTree& target, const ItemTree& source) {
    return target.family() == source.family() && target.family() != RecordFamily::Tags &&
           target.family() != RecordFamily::None;
}

std::vector<TreeNode*> TreeDrop::drop(ItemTree& target, TreeNode* dropNode, ItemTree* source, DropPosition position,
                                      KeyModifiers keys) {
    if (!source || position == DropPosition::Nowhere || !acceptsDrop(target, *source)) return {};
    const std::vector<TreeNode*> items = source->sortedSelection();
    if (dropEffect(keys, source == &target) == DropEffect::Copy)
        return TreeMoves::copyNodesTo(*source, items, target, dropNode, NodePlace::Before);
    return TreeMoves::moveNodesTo(*source, items, target, dropNode, placeOf(position));
}

}  // namespace torvalet
