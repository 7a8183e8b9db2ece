#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a letter-tag list (ContactTagsTree, LinkTagsTree): the name and kind of the
// contact or link the tag stands for. Tag lists are rebuilt, never stored in a file.
struct TagRecord {
    static constexpr RecordFamily family = RecordFamily::Tags;

    RecordText name;
    std::int32_t kind = 0;

    bool operator==(const TagRecord&) const = default;
};

}  // namespace torvalet
