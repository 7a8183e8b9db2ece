#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a contact tree node. kind: 0 None, 1 Man, 2 Woman, 3 Company, 4 Group,
// 5 Link, 6 Doc, 7 Subject. birthday, nameDay and specialDay hold day texts "DD.MM.YY" or empty.
struct ContactRecord {
    static constexpr RecordFamily family = RecordFamily::Contacts;

    RecordText official;
    RecordText firstName;
    RecordText middleName;
    RecordText lastName;
    RecordText nickName;
    RecordText hotKey;
    std::int32_t kind = 0;
    RecordText address;
    RecordText phone1;
    RecordText phone2;
    RecordText email;
    RecordText webPage;
    RecordText birthday;
    RecordText nameDay;
    RecordText specialDay;
    RecordText note;

    bool operator==(const ContactRecord&) const = default;
};

}  // namespace torvalet
