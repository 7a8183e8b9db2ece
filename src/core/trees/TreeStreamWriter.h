#pragma once

#include <span>
#include <string>
#include <utility>

#include "base/Text.h"
#include "trees/ItemTree.h"

namespace torvalet {

// Writes trees and tree items in the tree stream format: a 12-byte identifier with version 2,
// the top-level count, then one node chunk per top-level node. A node chunk holds the base
// chunk (layout values, flags AND 0xDDE9, then the children's node chunks) and, when the
// record writer produced any bytes, the user chunk with the node's record, then, when the node
// has an identity (ItemTree::identity), its identity chunk. Nodes not yet initialised get their
// Initialized flag first.
class TreeStreamWriter {
public:
    // The codec converts record texts to the file's code page.
    explicit TreeStreamWriter(TextCodec codec = TextCodec()) : codec_(std::move(codec)) {}

    // The whole tree as a tree stream (an empty tree is 16 bytes). `expectedSize`, when known
    // (the size of the file last read or written), saves growing the text on the way.
    std::string writeTree(ItemTree& tree, std::size_t expectedSize = 0) const;
    // The node chunks of the nodes, each with its whole subtree, in tree order; a node inside
    // another one's subtree is not repeated. No identifier and no count: the clipboard flavour.
    std::string writeNodes(ItemTree& tree, std::span<TreeNode* const> nodes) const;
    // The same node chunks preceded by their int32 byte count: the clipboard memory block.
    std::string writeClipboardBlock(ItemTree& tree, std::span<TreeNode* const> nodes) const;

private:
    void writeNode(const ItemTree& tree, std::string& out, TreeNode* top) const;

    TextCodec codec_;
};

}  // namespace torvalet
