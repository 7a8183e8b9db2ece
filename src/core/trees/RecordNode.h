#pragma once

#include <utility>

#include "trees/ContactRecord.h"
#include "trees/EventRecord.h"
#include "trees/GoalRecord.h"
#include "trees/LinkRecord.h"
#include "trees/PhraseRecord.h"
#include "trees/TagRecord.h"
#include "trees/TreeNode.h"

namespace torvalet {

// Calls visitor(record) with the node's record, or visitor() for a node without one.
template <class Node, class Visitor>
decltype(auto) visitRecord(Node& node, Visitor&& visitor) {
    switch (node.family()) {
    case RecordFamily::Goals: return visitor(node.template record<GoalRecord>());
    case RecordFamily::Links: return visitor(node.template record<LinkRecord>());
    case RecordFamily::Phrases: return visitor(node.template record<PhraseRecord>());
    case RecordFamily::Events: return visitor(node.template record<EventRecord>());
    case RecordFamily::Contacts: return visitor(node.template record<ContactRecord>());
    case RecordFamily::Tags: return visitor(node.template record<TagRecord>());
    case RecordFamily::None: break;
    }
    return visitor();
}

}  // namespace torvalet
