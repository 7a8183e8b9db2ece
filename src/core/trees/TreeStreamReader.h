#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Text.h"
#include "trees/ByteCursor.h"
#include "trees/ItemTree.h"

namespace torvalet {

// Reads tree streams (versions 0, 1 and 2) and the node chunks of copied tree items into an
// ItemTree, with the nodes' identities (identity chunks). Every failure raises TreeError with the
// system's code and message (or the standard library's exception when memory runs out); the nodes
// read before a failure stay in the tree, which then no longer matches the stream. A version-2
// stream must hold exactly the top-level nodes that its count states: fewer is error 2005, bytes
// after them error 2006. The reader never moves backwards, never reads or allocates beyond what
// the stream holds, and refuses nesting deeper than 10,000 levels (error 2006), so damaged or
// hostile input ends in an error, never a crash.
class TreeStreamReader {
public:
    // The codec converts record texts from the file's code page.
    explicit TreeStreamReader(TextCodec codec = TextCodec()) : codec_(std::move(codec)) {}

    // Replaces the tree's content by the stream's. The tree is emptied first (selection, focus
    // and a pending cut or copy are dropped: the caller empties the system clipboard when the
    // tree had one pending). Nodes stored as selected join the selection.
    void readTree(ItemTree& tree, std::string_view bytes);
    // The same from a stream, read to its end.
    void readTree(ItemTree& tree, ByteStream& stream);
    // Walks a tree stream without keeping the tree: each top-level item is read with its subtree
    // into `scratch` (emptied first), handed to `visit` and deleted before the next one is read.
    // The items are so visited in tree order, in the memory of the largest of them. Failures
    // are those of readTree, raised when reading reaches them: the items before were visited.
    void walkTree(ItemTree& scratch, ByteStream& stream, const std::function<void(const ItemTree&)>& visit);
    // Node chunks without identifier or count (the clipboard flavour, read by the version-2
    // rules) become new last children of `parent` (top-level items when null), in order.
    // Returns the new nodes. To hold them apart from any tree, read them into a scratch tree of
    // the same family. Nodes stored as selected join the selection.
    std::vector<TreeNode*> readNodes(ItemTree& tree, TreeNode* parent, std::string_view chunks);
    // The clipboard memory block: an int32 byte count, then that many bytes of node chunks.
    std::vector<TreeNode*> readClipboardBlock(ItemTree& tree, TreeNode* parent, std::string_view block);

    // The version of the last tree stream read; -1 when its identifier could not be read.
    int version() const { return version_; }

private:
    struct OpenNode {
        TreeNode* node;
        std::int64_t end;
        std::uint32_t childrenToRead;
    };

    // `visit`, when given, sees each top-level item as it is read, which is then deleted.
    void readTree(ItemTree& tree, ByteCursor& in, const std::function<void(const ItemTree&)>* visit = nullptr);
    TreeNode* readSubtree(ItemTree& tree, TreeNode* parent, ByteCursor& in, int version,
                          std::vector<OpenNode>& open) const;
    void readNodes(ItemTree& tree, ByteCursor& in, int version, std::vector<OpenNode>& open) const;
    TreeNode* openNode(ItemTree& tree, TreeNode* parent, ByteCursor& in, std::vector<OpenNode>& open) const;
    void readChunk(ItemTree& tree, OpenNode& current, ByteCursor& in, int version) const;
    static std::uint32_t readBase(TreeNode& node, ByteCursor& in, int version);

    TextCodec codec_;
    int version_ = -1;
};

}  // namespace torvalet
