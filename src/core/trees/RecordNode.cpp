#include "trees/RecordNode.h"

namespace torvalet {

namespace {

// The invisible root and the nodes of a tree without records.
class PlainNode final : public TreeNode {
public:
    explicit PlainNode(std::uint16_t height) : TreeNode(RecordFamily::None, height) {}
};

}  // namespace

std::unique_ptr<TreeNode> makeTreeNode(RecordFamily family, std::uint16_t height) {
    switch (family) {
    case RecordFamily::Goals: return std::make_unique<RecordNode<TGoalData>>(height);
    case RecordFamily::Links: return std::make_unique<RecordNode<TLinkData>>(height);
    case RecordFamily::Phrases: return std::make_unique<RecordNode<TPhraseData>>(height);
    case RecordFamily::Events: return std::make_unique<RecordNode<TEventData>>(height);
    case RecordFamily::Contacts: return std::make_unique<RecordNode<TContactData>>(height);
    case RecordFamily::Tags: return std::make_unique<RecordNode<TTagData>>(height);
    case RecordFamily::None: break;
    }
    return std::make_unique<PlainNode>(height);
}

}  // namespace torvalet
