#include "trees/TreeNode.h"

#include <new>
#include <type_traits>

#include "base/SmallBlocks.h"
#include "trees/RecordNode.h"

namespace torvalet {

namespace {

// Calls make(record) with a null pointer of the family's record type; nothing for None.
template <class Make>
void forRecordType(RecordFamily family, Make&& make) {
    switch (family) {
    case RecordFamily::Goals: return make(static_cast<GoalRecord*>(nullptr));
    case RecordFamily::Links: return make(static_cast<LinkRecord*>(nullptr));
    case RecordFamily::Phrases: return make(static_cast<PhraseRecord*>(nullptr));
    case RecordFamily::Events: return make(static_cast<EventRecord*>(nullptr));
    case RecordFamily::Contacts: return make(static_cast<ContactRecord*>(nullptr));
    case RecordFamily::Tags: return make(static_cast<TagRecord*>(nullptr));
    case RecordFamily::None: break;
    }
}

template <class Record>
void destroyRecord(Record& record, bool own) noexcept {
    if (own) {
        record.~Record();
    } else {
        delete &record;
    }
}

}  // namespace

std::size_t TreeNode::recordSize(RecordFamily family) {
    std::size_t size = 0;
    forRecordType(family, [&](auto* type) { size = sizeof(*type); });
    return size;
}

TreeNode* TreeNode::create(RecordFamily family, std::uint16_t height, bool withRecord) {
    static_assert(sizeof(TreeNode) % alignof(RecordText) == 0, "a record placed after the node is aligned");
    void* block = allocateSmallBlock(sizeof(TreeNode) + (withRecord ? recordSize(family) : 0));
    auto* node = new (block) TreeNode(family, height);
    if (withRecord) {
        forRecordType(family, [&](auto* type) {
            node->record_ = new (node->ownRecordPlace()) std::remove_pointer_t<decltype(type)>();
        });
    }
    return node;
}

void TreeNode::destroy(TreeNode* node) noexcept {
    const bool own = node->record_ && node->record_ == node->ownRecordPlace();
    if (node->record_) visitRecord(*node, [own](auto&... record) { (destroyRecord(record, own), ...); });
    const std::size_t size = sizeof(TreeNode) + (own ? recordSize(node->family_) : 0);
    node->~TreeNode();
    freeSmallBlock(node, size);
}

void TreeNode::setFlag(std::uint16_t flag, bool on) {
    const auto mask = static_cast<std::uint16_t>(flag & ~NodeFlag::Selected);
    flags_ = static_cast<std::uint16_t>(on ? (flags_ | mask) : (flags_ & ~mask));
}

}  // namespace torvalet
