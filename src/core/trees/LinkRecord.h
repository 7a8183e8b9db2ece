#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a link tree node. kind: 0 None, 1 Internet, 2 Folder, 3 File, 4 Application,
// 5 Group, 6 Search, 7 Email. accessDate is a day text "dd.mm.yy" or empty.
struct LinkRecord {
    static constexpr RecordFamily family = RecordFamily::Links;

    RecordText name;
    RecordText url;
    RecordText hotKey;
    RecordText params;
    std::int32_t kind = 0;
    RecordText dir;
    RecordText accessDate;
    RecordText note;

    bool operator==(const LinkRecord&) const = default;
};

}  // namespace torvalet
