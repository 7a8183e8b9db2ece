#include "trees/TreeStreamReader.h"

#include "trees/RecordIo.h"
#include "trees/TreeError.h"
#include "trees/TreeStreamFormat.h"

namespace torvalet {

namespace {

using namespace treestream;

[[noreturn]] void fail(int code) { throw TreeError::fromCode(code); }

// Whether the node chunk whose content starts at the position and ends at `end` closes with a
// user chunk that fills a record: its base chunk's size tells where that chunk is. Only a hint,
// for keeping the record in the node's own allocation; a node without one still reads correctly.
bool userChunkAhead(ByteCursor& in, std::int64_t end, RecordFamily family) {
    const auto at = static_cast<std::int64_t>(in.position());
    std::int32_t type = 0;
    std::int32_t size = 0;
    if (!in.peekInt32(in.position(), type) || !in.peekInt32(in.position() + 4, size)) return false;
    if (type != kBaseChunk || size < 0) return false;
    const std::int64_t user = at + static_cast<std::int64_t>(kChunkHeaderSize) + size;
    if (user + static_cast<std::int64_t>(kChunkHeaderSize) > end) return false;
    const auto userAt = static_cast<std::size_t>(user);
    if (!in.peekInt32(userAt, type) || !in.peekInt32(userAt + 4, size) || type != kUserChunk || size <= 0) return false;
    // A record takes at most four times the bytes of a complete one in the file.
    return static_cast<std::size_t>(size) * 4 >= TreeNode::recordSize(family);
}

// The counted bytes at the front of `body`, which then starts after them.
std::string takeCounted(std::string_view& body) {
    if (body.size() < 4) fail(TreeError::kDataAfterNodeEnd);
    const auto count =
        static_cast<std::uint32_t>(static_cast<unsigned char>(body[0]) | static_cast<unsigned char>(body[1]) << 8 |
                                   static_cast<unsigned char>(body[2]) << 16 |
                                   static_cast<std::uint32_t>(static_cast<unsigned char>(body[3])) << 24);
    body.remove_prefix(4);
    if (count > body.size()) fail(TreeError::kDataAfterNodeEnd);
    std::string bytes(body.substr(0, count));
    body.remove_prefix(count);
    return bytes;
}

// An identity chunk's body. Fields that a later body version appends are left unread; a body
// whose counts run past it is damaged.
NodeIdentity readIdentity(std::string_view body) {
    if (body.size() < 4) fail(TreeError::kDataAfterNodeEnd);
    body.remove_prefix(4);
    NodeIdentity identity;
    identity.uid = takeCounted(body);
    identity.extras = takeCounted(body);
    return identity;
}

}  // namespace

void TreeStreamReader::readTree(ItemTree& tree, std::string_view bytes) {
    ByteCursor in(bytes);
    readTree(tree, in);
}

void TreeStreamReader::readTree(ItemTree& tree, ByteStream& stream) {
    ByteCursor in(stream);
    readTree(tree, in);
}

void TreeStreamReader::walkTree(ItemTree& scratch, ByteStream& stream,
                                const std::function<void(const ItemTree&)>& visit) {
    ByteCursor in(stream);
    readTree(scratch, in, &visit);
}

void TreeStreamReader::readTree(ItemTree& tree, ByteCursor& in, const std::function<void(const ItemTree&)>* visit) {
    tree.clear();
    version_ = -1;
    if (!in.available(kIdentifierSize)) fail(TreeError::kNotEnoughData);
    std::uint16_t units[6] = {};
    for (std::uint16_t& unit : units) in.readUInt16(unit);
    for (int i : {0, 1, 2, 5}) {
        if (units[i] != kIdentifier[i]) fail(TreeError::kWrongFormat);
    }
    version_ = units[3];
    if (units[3] > kVersion) fail(TreeError::kUnknownVersion);
    std::vector<OpenNode> open;
    const auto readTopLevel = [&] {
        readSubtree(tree, tree.root(), in, version_, open);
        if (!visit) return;
        (*visit)(tree);
        tree.clear();
    };
    if (version_ < kVersion) {
        while (!in.atEnd()) readTopLevel();
        return;
    }
    std::uint32_t count = 0;
    if (!in.readUInt32(count)) fail(TreeError::kStreamRead);
    // The count and the nodes present must agree: a file cut short or holding more than it
    // says is damaged, and reading it as a whole tree would lose the rest at the next save.
    for (; count > 0; --count) {
        if (in.atEnd()) fail(TreeError::kAnchorChunkMissing);
        readTopLevel();
    }
    if (!in.atEnd()) fail(TreeError::kDataAfterNodeEnd);
}

std::vector<TreeNode*> TreeStreamReader::readNodes(ItemTree& tree, TreeNode* parent, std::string_view chunks) {
    ByteCursor in(chunks);
    std::vector<TreeNode*> read;
    std::vector<OpenNode> open;
    while (!in.atEnd()) read.push_back(readSubtree(tree, parent ? parent : tree.root(), in, kVersion, open));
    return read;
}

std::vector<TreeNode*> TreeStreamReader::readClipboardBlock(ItemTree& tree, TreeNode* parent, std::string_view block) {
    ByteCursor in(block);
    std::int32_t size = 0;
    if (!in.readInt32(size) || size < 0 || !in.available(static_cast<std::size_t>(size))) fail(TreeError::kStreamRead);
    return readNodes(tree, parent, block.substr(4, static_cast<std::size_t>(size)));
}

// Reads one node chunk with its subtree into a new last child of `parent` and settles the
// selection of what was read, also when reading fails part way. `open` is the caller's stack of
// nodes being read, empty at the start and at the end.
TreeNode* TreeStreamReader::readSubtree(ItemTree& tree, TreeNode* parent, ByteCursor& in, int version,
                                        std::vector<OpenNode>& open) const {
    open.clear();
    TreeNode* top = openNode(tree, parent, in, open);
    try {
        readNodes(tree, in, version, open);
    } catch (...) {
        tree.settleSelection(top);
        throw;
    }
    tree.settleSelection(top);
    return top;
}

// Reads the open node and, by their counts, its children's node chunks, keeping the nodes
// being read on a stack instead of recursing.
void TreeStreamReader::readNodes(ItemTree& tree, ByteCursor& in, int version, std::vector<OpenNode>& open) const {
    while (!open.empty()) {
        OpenNode& current = open.back();
        if (current.childrenToRead > 0) {
            --current.childrenToRead;
            if (open.size() >= kMaxDepth) fail(TreeError::kDataAfterNodeEnd);
            openNode(tree, current.node, in, open);
            continue;
        }
        const auto position = static_cast<std::int64_t>(in.position());
        if (position < current.end) {
            readChunk(tree, current, in, version);
            continue;
        }
        if (position != current.end) fail(TreeError::kDataAfterNodeEnd);
        open.pop_back();
    }
}

// Reads a node chunk's header and, when it is one, creates the node as the parent's last child.
TreeNode* TreeStreamReader::openNode(ItemTree& tree, TreeNode* parent, ByteCursor& in,
                                     std::vector<OpenNode>& open) const {
    std::int32_t type = 0;
    std::int32_t size = 0;
    if (!in.readInt32(type) || !in.readInt32(size) || type != kNodeChunk) fail(TreeError::kAnchorChunkMissing);
    const std::int64_t end = static_cast<std::int64_t>(in.position()) + size;
    TreeNode* node = tree.appendChild(parent, userChunkAhead(in, end, tree.family()));
    open.push_back({node, end, 0});
    return node;
}

// Reads one chunk inside a node: the base chunk (the node's values, then its children by
// count), the user chunk (the record), the identity chunk or any other chunk, skipped by its size.
void TreeStreamReader::readChunk(ItemTree& tree, OpenNode& current, ByteCursor& in, int version) const {
    std::int32_t type = 0;
    std::int32_t size = 0;
    if (!in.readInt32(type) || !in.readInt32(size)) fail(TreeError::kDataAfterNodeEnd);
    if (type == kBaseChunk) {
        current.childrenToRead = readBase(*current.node, in, version);
        return;
    }
    if (type == kUserChunk && size <= 0) return;
    if (size < 0) fail(TreeError::kDataAfterNodeEnd);
    const std::string_view content = in.take(static_cast<std::size_t>(size));
    if (type == kUserChunk) readNodeRecord(*current.node, content, codec_);
    if (content.size() < static_cast<std::size_t>(size)) fail(TreeError::kDataAfterNodeEnd);
    if (type == kIdentityChunk) tree.setIdentity(current.node, readIdentity(content));
}

std::uint32_t TreeStreamReader::readBase(TreeNode& node, ByteCursor& in, int version) {
    const std::size_t bodySize = version == kVersion ? kBaseBodySize : kOldBaseBodySize;
    if (!in.available(bodySize)) fail(TreeError::kDataAfterNodeEnd);
    std::uint32_t children = 0;
    std::uint32_t height = 0;
    in.readUInt32(children);
    in.readUInt32(height);
    if (version == kVersion) {
        in.readUInt16(node.flags_);
    } else {
        std::uint8_t stored = 0;
        in.readUInt8(stored);
        node.flags_ = static_cast<std::uint16_t>(stored | NodeFlag::Visible);
        if (stored & NodeFlag::Visible) node.flags_ |= NodeFlag::Selected;
    }
    if (node.hasChildren()) node.flags_ |= NodeFlag::HasChildren;
    node.height_ = static_cast<std::uint16_t>(height & 0xFFFF);
    in.readUInt8(node.alignment_);
    in.readUInt8(node.checkState_);
    in.readUInt8(node.checkType_);
    if (version == kVersion) in.take(4);
    return children;
}

}  // namespace torvalet
