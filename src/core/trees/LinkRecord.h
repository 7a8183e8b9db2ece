#pragma once

#include <cstdint>
#include <tuple>

#include "trees/RecordFamily.h"
#include "trees/RecordField.h"
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

    // Every field in the order above, with its name and its place in the file.
    static constexpr auto fields();
};

constexpr auto LinkRecord::fields() {
    // clang-format off
    return std::tuple{
        recordField("Name", &LinkRecord::name, 0),
        recordField("Url", &LinkRecord::url, 1),
        recordField("HotKey", &LinkRecord::hotKey, 2),
        recordField("Params", &LinkRecord::params, 3),
        recordField("LinkKind", &LinkRecord::kind, 5),
        recordField("Dir", &LinkRecord::dir, 4),
        recordField("AccessDate", &LinkRecord::accessDate, 6),
        recordField("Note", &LinkRecord::note, 7),
    };
    // clang-format on
}

}  // namespace torvalet
