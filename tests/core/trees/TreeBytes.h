#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "trees/GoalRecord.h"
#include "trees/ItemTree.h"
#include "trees/LittleEndian.h"

namespace torvalet::testing {

// Bytes written as hexadecimal pairs, blanks and commas ignored: "01 00, 4E".
inline std::string hexBytes(std::string_view hex) {
    std::string bytes;
    int high = -1;
    for (const char c : hex) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0) continue;
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<char>(high * 16 + digit));
            high = -1;
        }
    }
    return bytes;
}

// The identifier of a tree stream of the given version.
inline std::string identifier(int version = 2) {
    std::string bytes = hexBytes("45 20 56 00 54 00 00 00 20 00 46 20");
    bytes[6] = static_cast<char>(version);
    return bytes;
}

// The one-goal file: an initialised, visible, collapsed top-level goal "A" of type ToDo.
inline const std::string kOneGoalFile = hexBytes(
    "45 20 56 00 54 00 02 00 20 00 46 20  01 00 00 00"
    "01 00 00 00 3A 00 00 00  02 00 00 00 11 00 00 00"
    "00 00 00 00 14 00 00 00 81 00 32 00 00 00 00 00 00"
    "04 00 00 00 19 00 00 00"
    "01 00 00 00 41  00 00 00 00  00 00 00 00  03 00 00 00  00 00 00 00  00 00 00 00");

// Appends a goal holding `goal` as the last child of `parent` (top level when null).
// A little-endian 32-bit number as the stream writes it.
inline std::string le32(std::int64_t value) {
    std::string out;
    appendUInt32(out, static_cast<std::uint32_t>(value));
    return out;
}

// One chunk of a tree stream: type, byte count, body.
inline std::string chunk(std::int32_t type, std::string_view content) {
    return le32(type) + le32(static_cast<std::int64_t>(content.size())) + std::string(content);
}

inline TreeNode* appendGoal(ItemTree& tree, const GoalRecord& goal, TreeNode* parent = nullptr) {
    TreeNode* node = tree.appendChild(parent);
    node->record<GoalRecord>() = goal;
    return node;
}

// Appends a goal as the last child of `parent` (top level when null).
inline TreeNode* addGoal(ItemTree& tree, TreeNode* parent, std::string text, int type = 3) {
    TreeNode* node = tree.appendChild(parent);
    node->record<GoalRecord>().text = std::move(text);
    node->record<GoalRecord>().kind = type;
    return node;
}

// The texts of the nodes in tree order, children in brackets: "A[B C] D".
inline std::string shape(const TreeNode* parent) {
    std::string out;
    for (const TreeNode* n = parent->firstChild(); n; n = n->nextSibling()) {
        if (!out.empty()) out += ' ';
        const auto* goal = n->findRecord<GoalRecord>();
        out += goal ? goal->text : "?";
        if (n->hasChildren()) out += "[" + shape(n) + "]";
    }
    return out;
}

inline std::string shape(const ItemTree& tree) { return shape(tree.root()); }

}  // namespace torvalet::testing
