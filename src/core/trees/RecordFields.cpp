#include "trees/RecordFields.h"

namespace torvalet {

namespace {

struct FirstText {
    RecordText* operator()(GoalRecord& r) const { return &r.text; }
    RecordText* operator()(LinkRecord& r) const { return &r.name; }
    RecordText* operator()(PhraseRecord& r) const { return &r.name; }
    RecordText* operator()(EventRecord& r) const { return &r.text; }
    RecordText* operator()(ContactRecord& r) const { return &r.official; }
    RecordText* operator()(TagRecord& r) const { return &r.name; }
    RecordText* operator()() const { return nullptr; }
};

struct Kind {
    std::int32_t* operator()(GoalRecord& r) const { return &r.kind; }
    std::int32_t* operator()(LinkRecord& r) const { return &r.kind; }
    std::int32_t* operator()(PhraseRecord& r) const { return &r.kind; }
    std::int32_t* operator()(EventRecord& r) const { return &r.kind; }
    std::int32_t* operator()(ContactRecord& r) const { return &r.kind; }
    std::int32_t* operator()(TagRecord& r) const { return &r.kind; }
    std::int32_t* operator()() const { return nullptr; }
};

}  // namespace

RecordText* firstTextField(TreeNode& node) { return visitRecord(node, FirstText{}); }

const RecordText* firstTextField(const TreeNode& node) { return firstTextField(const_cast<TreeNode&>(node)); }

std::int32_t* kindField(TreeNode& node) { return visitRecord(node, Kind{}); }

const std::int32_t* kindField(const TreeNode& node) { return kindField(const_cast<TreeNode&>(node)); }

}  // namespace torvalet
