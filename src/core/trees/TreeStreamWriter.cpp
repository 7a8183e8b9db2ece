#include "trees/TreeStreamWriter.h"

#include <limits>
#include <vector>

#include "trees/LittleEndian.h"
#include "trees/RecordIo.h"
#include "trees/TreeError.h"
#include "trees/TreeStreamFormat.h"

namespace torvalet {

namespace {

using namespace treestream;

// Starts a chunk with a placeholder size and returns where its header is.
std::size_t openChunk(std::string& out, std::int32_t type) {
    const std::size_t at = out.size();
    appendInt32(out, type);
    appendUInt32(out, 0);
    return at;
}

// Patches the chunk's size: every byte written after its header.
void closeChunk(std::string& out, std::size_t header) {
    const std::size_t size = out.size() - header - kChunkHeaderSize;
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw TreeError("Stream write error");
    patchUInt32(out, header + 4, static_cast<std::uint32_t>(size));
}

void appendBaseBody(std::string& out, const TreeNode& node) {
    appendUInt32(out, node.childCount());
    appendUInt32(out, node.height());
    appendUInt16(out, static_cast<std::uint16_t>(node.flags() & NodeFlag::WrittenMask));
    appendUInt8(out, node.alignment());
    appendUInt8(out, node.checkState());
    appendUInt8(out, node.checkType());
    appendUInt32(out, 0);
}

void appendCounted(std::string& out, const std::string& bytes) {
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw TreeError("Stream write error");
    appendUInt32(out, static_cast<std::uint32_t>(bytes.size()));
    out += bytes;
}

void appendIdentityChunk(std::string& out, const NodeIdentity& identity) {
    const std::size_t header = openChunk(out, kIdentityChunk);
    appendInt32(out, kIdentityVersion);
    appendCounted(out, identity.uid);
    appendCounted(out, identity.extras);
    closeChunk(out, header);
}

struct OpenNode {
    TreeNode* node;
    std::size_t nodeHeader;
    std::size_t baseHeader;
    TreeNode* nextChild;
};

}  // namespace

std::string TreeStreamWriter::writeTree(ItemTree& tree, std::size_t expectedSize) const {
    std::string out;
    out.reserve(expectedSize + expectedSize / 16);
    for (std::uint16_t unit : kIdentifier) appendUInt16(out, unit);
    appendUInt32(out, tree.topLevelCount());
    for (TreeNode* n = tree.firstTopLevel(); n; n = n->nextSibling()) writeNode(tree, out, n);
    return out;
}

std::string TreeStreamWriter::writeNodes(ItemTree& tree, std::span<TreeNode* const> nodes) const {
    std::string out;
    for (TreeNode* n : tree.topmostInTreeOrder(nodes)) writeNode(tree, out, n);
    return out;
}

std::string TreeStreamWriter::writeClipboardBlock(ItemTree& tree, std::span<TreeNode* const> nodes) const {
    std::string out(4, '\0');
    for (TreeNode* n : tree.topmostInTreeOrder(nodes)) writeNode(tree, out, n);
    const std::size_t size = out.size() - 4;
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw TreeError("Stream write error");
    patchUInt32(out, 0, static_cast<std::uint32_t>(size));
    return out;
}

// Writes the node chunk of `top` and its subtree, children before the node's own user chunk and
// identity chunk, keeping the open chunks on a stack instead of recursing.
void TreeStreamWriter::writeNode(const ItemTree& tree, std::string& out, TreeNode* top) const {
    std::vector<OpenNode> open;
    const auto start = [&](TreeNode* node) {
        node->setFlag(NodeFlag::Initialized, true);
        const std::size_t nodeHeader = openChunk(out, kNodeChunk);
        const std::size_t baseHeader = openChunk(out, kBaseChunk);
        appendBaseBody(out, *node);
        open.push_back({node, nodeHeader, baseHeader, node->firstChild()});
    };
    start(top);
    while (!open.empty()) {
        OpenNode& current = open.back();
        if (TreeNode* child = current.nextChild) {
            current.nextChild = child->nextSibling();
            start(child);
            continue;
        }
        closeChunk(out, current.baseHeader);
        const std::size_t userHeader = openChunk(out, kUserChunk);
        writeNodeRecord(*current.node, out, codec_);
        if (out.size() == userHeader + kChunkHeaderSize) {
            out.resize(userHeader);
        } else {
            closeChunk(out, userHeader);
        }
        if (const NodeIdentity* identity = tree.identity(current.node)) appendIdentityChunk(out, *identity);
        closeChunk(out, current.nodeHeader);
        open.pop_back();
    }
}

}  // namespace torvalet
