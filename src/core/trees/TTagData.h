#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a letter-tag list (MarksTree, MarksLinksTree): the name and kind of the
// contact or link the tag stands for. Tag lists are rebuilt, never stored in a file.
struct TTagData {
    static constexpr RecordFamily family = RecordFamily::Tags;

    RecordText Name;
    std::int32_t Kind = 0;

    bool operator==(const TTagData&) const = default;
};

}  // namespace torvalet
