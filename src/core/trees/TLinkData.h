#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a link tree node. LinkKind: 0 None, 1 Internet, 2 Folder, 3 File, 4 Application,
// 5 Group, 6 Search, 7 Email. AccessDate is a day text "dd.mm.yy" or empty.
struct TLinkData {
    static constexpr RecordFamily family = RecordFamily::Links;

    RecordText Name;
    RecordText Url;
    RecordText HotKey;
    RecordText Params;
    std::int32_t LinkKind = 0;
    RecordText Dir;
    RecordText AccessDate;
    RecordText Note;

    bool operator==(const TLinkData&) const = default;
};

}  // namespace torvalet
