#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvalet {

class ItemTree;
class TreeNode;

// Type-ahead in a tree (the two letter-tag lists and the phrase tree): the typed characters are
// collected, and after each key the focus goes to the next item whose name begins with them.
// The collected text starts over after a second without a key.
class TypeAhead {
public:
    static constexpr std::int64_t kResetMs = 1000;

    // A key typed at `nowMs` (any steady clock in milliseconds). The search starts at the
    // focused item when the typed text goes on, and at the item after it when the text starts
    // over; it runs through every item, hidden ones included, and round to the start. Returns
    // the item found, or null.
    TreeNode* keyTyped(const ItemTree& tree, std::string_view typed, std::int64_t nowMs);
    const std::string& text() const { return text_; }

    // 0 when the first n characters of the typed text and of the name are equal regardless of
    // case, n being the shorter length; so "Tables" stops at "Tab". A name that is empty never
    // matches a typed text.
    static int compare(std::string_view typed, std::string_view name);

private:
    std::string text_;
    std::int64_t lastKeyMs_ = 0;
};

}  // namespace torvalet
