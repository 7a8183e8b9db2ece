#pragma once

#include <utility>

#include "trees/TContactData.h"
#include "trees/TEventData.h"
#include "trees/TGoalData.h"
#include "trees/TLinkData.h"
#include "trees/TPhraseData.h"
#include "trees/TTagData.h"
#include "trees/TreeNode.h"

namespace torvalet {

// Calls visitor(record) with the node's record, or visitor() for a node without one.
template <class Node, class Visitor>
decltype(auto) visitRecord(Node& node, Visitor&& visitor) {
    switch (node.family()) {
    case RecordFamily::Goals: return visitor(node.template record<TGoalData>());
    case RecordFamily::Links: return visitor(node.template record<TLinkData>());
    case RecordFamily::Phrases: return visitor(node.template record<TPhraseData>());
    case RecordFamily::Events: return visitor(node.template record<TEventData>());
    case RecordFamily::Contacts: return visitor(node.template record<TContactData>());
    case RecordFamily::Tags: return visitor(node.template record<TTagData>());
    case RecordFamily::None: break;
    }
    return visitor();
}

}  // namespace torvalet
