#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "trees/NodeFlag.h"
#include "trees/RecordFamily.h"

namespace torvalet {

// One node of an ItemTree: its place among its parent's ordered children, its state flags and
// layout values, and one record of the tree's family. Nodes are created, linked, moved and
// destroyed by their ItemTree only; the tree's invisible root is a TreeNode too.
//
// A node made with its record holds it in the same allocation. A node made without one (a node
// read from a stream that holds no record for it) allocates it when it is first reached through
// a node that may change it: until then it reads as the zero-filled record, and a node that holds
// nothing costs only the node itself.
class TreeNode {
public:
    static constexpr std::uint16_t kDefaultAlignment = 50;

    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;

    // The bytes a record of the family takes in memory (0 for RecordFamily::None).
    static std::size_t recordSize(RecordFamily family);

    // The parent (the root for a top-level node, nullptr for the root itself).
    TreeNode* parent() const { return parent_; }
    TreeNode* firstChild() const { return firstChild_; }
    TreeNode* lastChild() const { return lastChild_; }
    TreeNode* previousSibling() const { return previous_; }
    TreeNode* nextSibling() const { return next_; }
    std::uint32_t childCount() const { return childCount_; }
    bool hasChildren() const { return firstChild_ != nullptr; }
    bool isRoot() const { return parent_ == nullptr; }

    std::uint16_t flags() const { return flags_; }
    bool hasFlag(std::uint16_t flag) const { return (flags_ & flag) != 0; }
    // Sets or clears state bits. The Selected bit is the tree's business (ItemTree::select) and
    // is left as it is.
    void setFlag(std::uint16_t flag, bool on);
    bool isSelected() const { return hasFlag(NodeFlag::Selected); }

    std::uint16_t height() const { return height_; }
    void setHeight(std::uint16_t height) { height_ = height; }
    std::uint8_t alignment() const { return alignment_; }
    void setAlignment(std::uint8_t alignment) { alignment_ = alignment; }
    std::uint8_t checkState() const { return checkState_; }
    void setCheckState(std::uint8_t state) { checkState_ = state; }
    std::uint8_t checkType() const { return checkType_; }
    void setCheckType(std::uint8_t type) { checkType_ = type; }

    RecordFamily family() const { return family_; }
    // False while the record has not been allocated (it then reads as the zero-filled one).
    bool recordAllocated() const { return record_ != nullptr; }
    // The node's record; throws std::logic_error when the node holds another family's record.
    template <class Record>
    Record& record();
    template <class Record>
    const Record& record() const;
    // The node's record, or nullptr when the node holds another family's record.
    template <class Record>
    Record* findRecord();
    template <class Record>
    const Record* findRecord() const;

private:
    friend class ItemTree;
    friend class TreeStreamReader;

    TreeNode(RecordFamily family, std::uint16_t height) : height_(height), family_(family) {}
    ~TreeNode() = default;

    // A new detached node: flags visible only, alignment 50, its record zero-filled, made in the
    // node's own allocation when `withRecord`. destroy() frees both.
    static TreeNode* create(RecordFamily family, std::uint16_t height, bool withRecord);
    static void destroy(TreeNode* node) noexcept;
    void* ownRecordPlace() { return reinterpret_cast<char*>(this) + sizeof(TreeNode); }

    // The zero-filled record that a node without one reads as.
    template <class Record>
    static const Record& emptyRecord() {
        static const Record empty{};
        return empty;
    }

    void* record_ = nullptr;
    TreeNode* parent_ = nullptr;
    TreeNode* firstChild_ = nullptr;
    TreeNode* lastChild_ = nullptr;
    TreeNode* previous_ = nullptr;
    TreeNode* next_ = nullptr;
    std::uint32_t childCount_ = 0;
    std::uint32_t selectionSlot_ = 0;
    // Tree-order number of the node and of the last node of its subtree, renewed on demand.
    mutable std::uint32_t order_ = 0;
    mutable std::uint32_t lastInSubtree_ = 0;
    std::uint16_t flags_ = NodeFlag::Visible;
    std::uint16_t height_;
    std::uint8_t alignment_ = kDefaultAlignment;
    std::uint8_t checkState_ = 0;
    std::uint8_t checkType_ = 0;
    RecordFamily family_;
};

template <class Record>
Record* TreeNode::findRecord() {
    if (family_ != Record::family) return nullptr;
    if (!record_) record_ = new Record();
    return static_cast<Record*>(record_);
}

template <class Record>
const Record* TreeNode::findRecord() const {
    if (family_ != Record::family) return nullptr;
    return record_ ? static_cast<const Record*>(record_) : &emptyRecord<Record>();
}

template <class Record>
Record& TreeNode::record() {
    if (Record* found = findRecord<Record>()) return *found;
    throw std::logic_error("tree node holds another record family");
}

template <class Record>
const Record& TreeNode::record() const {
    if (const Record* found = findRecord<Record>()) return *found;
    throw std::logic_error("tree node holds another record family");
}

}  // namespace torvalet
