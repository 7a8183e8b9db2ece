#include "trees/RecordFields.h"

namespace torvalet {

namespace {

struct FirstText {
    RecordText* operator()(TGoalData& r) const { return &r.Text; }
    RecordText* operator()(TLinkData& r) const { return &r.Name; }
    RecordText* operator()(TPhraseData& r) const { return &r.Name; }
    RecordText* operator()(TEventData& r) const { return &r.Event; }
    RecordText* operator()(TContactData& r) const { return &r.Official; }
    RecordText* operator()(TTagData& r) const { return &r.Name; }
    RecordText* operator()() const { return nullptr; }
};

struct Kind {
    std::int32_t* operator()(TGoalData& r) const { return &r.GoalType; }
    std::int32_t* operator()(TLinkData& r) const { return &r.LinkKind; }
    std::int32_t* operator()(TPhraseData& r) const { return &r.PhraseKind; }
    std::int32_t* operator()(TEventData& r) const { return &r.EventKind; }
    std::int32_t* operator()(TContactData& r) const { return &r.ContactKind; }
    std::int32_t* operator()(TTagData& r) const { return &r.Kind; }
    std::int32_t* operator()() const { return nullptr; }
};

}  // namespace

RecordText* firstTextField(TreeNode& node) { return visitRecord(node, FirstText{}); }

const RecordText* firstTextField(const TreeNode& node) { return firstTextField(const_cast<TreeNode&>(node)); }

std::int32_t* kindField(TreeNode& node) { return visitRecord(node, Kind{}); }

const std::int32_t* kindField(const TreeNode& node) { return kindField(const_cast<TreeNode&>(node)); }

}  // namespace torvalet
