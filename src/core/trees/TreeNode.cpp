#include "trees/TreeNode.h"

#include "trees/RecordNode.h"

namespace torvalet {

TreeNode::~TreeNode() {
    if (!record_) return;
    visitRecord(*this, [](auto&... record) { (delete &record, ...); });
}

void TreeNode::setFlag(std::uint16_t flag, bool on) {
    const auto mask = static_cast<std::uint16_t>(flag & ~NodeFlag::Selected);
    flags_ = static_cast<std::uint16_t>(on ? (flags_ | mask) : (flags_ & ~mask));
}

}  // namespace torvalet
