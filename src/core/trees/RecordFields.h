#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>

#include "trees/RecordNode.h"

namespace torvalet {

// Calls field(name, value) for every field of a record, in the record's own (memory) order,
// with the field names of the record. Values are RecordText, std::int32_t or std::uint8_t.
template <class Record, class Field>
requires NodeRecord<std::remove_const_t<Record>>
void visitFields(Record& r, Field&& field) {
    std::apply([&](const auto&... each) { (field(each.name, r.*each.member), ...); },
               std::remove_const_t<Record>::fields());
}

// The first text field of a node's record (goal Text, link Name, contact Official, ...), the
// text that names an item; nullptr for a node without a record.
RecordText* firstTextField(TreeNode& node);
const RecordText* firstTextField(const TreeNode& node);

// The kind field of a node's record (GoalType, LinkKind, PhraseKind, EventKind, ContactKind,
// Kind); nullptr for a node without a record.
std::int32_t* kindField(TreeNode& node);
const std::int32_t* kindField(const TreeNode& node);

}  // namespace torvalet
