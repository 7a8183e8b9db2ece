#pragma once

#include <cstdint>
#include <tuple>

#include "trees/RecordFamily.h"
#include "trees/RecordField.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a letter-tag list (ContactTagsTree, LinkTagsTree): the name and kind of the
// contact or link the tag stands for. Tag lists are rebuilt, never stored in a file.
struct TagRecord {
    static constexpr RecordFamily family = RecordFamily::Tags;

    RecordText name;
    std::int32_t kind = 0;

    bool operator==(const TagRecord&) const = default;

    // Every field in the order above, with its name and its place in the file.
    static constexpr auto fields();
};

constexpr auto TagRecord::fields() {
    // clang-format off
    return std::tuple{
        recordField("Name", &TagRecord::name, 0),
        recordField("Kind", &TagRecord::kind, 1),
    };
    // clang-format on
}

}  // namespace torvalet
