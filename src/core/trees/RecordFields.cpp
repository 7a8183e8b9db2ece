#include "trees/RecordFields.h"

namespace torvalet {

namespace {

// The first field of every record is the text that names its item.
struct FirstText {
    template <NodeRecord Record>
    RecordText* operator()(Record& r) const {
        constexpr auto first = std::get<0>(Record::fields());
        static_assert(std::is_same_v<std::remove_cvref_t<decltype(r.*first.member)>, RecordText>);
        return &(r.*first.member);
    }
    RecordText* operator()() const { return nullptr; }
};

struct Kind {
    std::int32_t* operator()(NodeRecord auto& r) const { return &r.kind; }
    std::int32_t* operator()() const { return nullptr; }
};

}  // namespace

RecordText* firstTextField(TreeNode& node) { return visitRecord(node, FirstText{}); }

const RecordText* firstTextField(const TreeNode& node) { return firstTextField(const_cast<TreeNode&>(node)); }

std::int32_t* kindField(TreeNode& node) { return visitRecord(node, Kind{}); }

const std::int32_t* kindField(const TreeNode& node) { return kindField(const_cast<TreeNode&>(node)); }

}  // namespace torvalet
