#pragma once

#include <cstdint>
#include <string>

#include "trees/RecordFamily.h"

namespace torvalet {

// The record of a contact tree node. ContactKind: 0 None, 1 Man, 2 Woman, 3 Company, 4 Group,
// 5 Link, 6 Doc, 7 Subject. Birthday, NameDay and SpecialDay hold day texts "DD.MM.YY" or empty.
struct TContactData {
    static constexpr RecordFamily family = RecordFamily::Contacts;

    std::string Official;
    std::string FirstName;
    std::string MiddleName;
    std::string LastName;
    std::string NickName;
    std::string HotKey;
    std::int32_t ContactKind = 0;
    std::string Address;
    std::string Phone1;
    std::string Phone2;
    std::string Email;
    std::string WebPage;
    std::string Birthday;
    std::string NameDay;
    std::string SpecialDay;
    std::string Note;

    bool operator==(const TContactData&) const = default;
};

}  // namespace torvalet
