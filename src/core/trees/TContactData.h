#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a contact tree node. ContactKind: 0 None, 1 Man, 2 Woman, 3 Company, 4 Group,
// 5 Link, 6 Doc, 7 Subject. Birthday, NameDay and SpecialDay hold day texts "DD.MM.YY" or empty.
struct TContactData {
    static constexpr RecordFamily family = RecordFamily::Contacts;

    RecordText Official;
    RecordText FirstName;
    RecordText MiddleName;
    RecordText LastName;
    RecordText NickName;
    RecordText HotKey;
    std::int32_t ContactKind = 0;
    RecordText Address;
    RecordText Phone1;
    RecordText Phone2;
    RecordText Email;
    RecordText WebPage;
    RecordText Birthday;
    RecordText NameDay;
    RecordText SpecialDay;
    RecordText Note;

    bool operator==(const TContactData&) const = default;
};

}  // namespace torvalet
