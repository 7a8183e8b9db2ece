#pragma once

#include <cstdint>
#include <tuple>

#include "trees/RecordFamily.h"
#include "trees/RecordField.h"
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

    // Every field in the order above, with its name and its place in the file.
    static constexpr auto fields();
};

constexpr auto ContactRecord::fields() {
    // clang-format off
    return std::tuple{
        recordField("Official", &ContactRecord::official, 1),
        recordField("FirstName", &ContactRecord::firstName, 2),
        recordField("MiddleName", &ContactRecord::middleName, 3),
        recordField("LastName", &ContactRecord::lastName, 4),
        recordField("NickName", &ContactRecord::nickName, 5),
        recordField("HotKey", &ContactRecord::hotKey, 11),
        recordField("ContactKind", &ContactRecord::kind, 0),
        recordField("Address", &ContactRecord::address, 6),
        recordField("Phone1", &ContactRecord::phone1, 7),
        recordField("Phone2", &ContactRecord::phone2, 8),
        recordField("Email", &ContactRecord::email, 9),
        recordField("WebPage", &ContactRecord::webPage, 10),
        recordField("Birthday", &ContactRecord::birthday, 12),
        recordField("NameDay", &ContactRecord::nameDay, 13),
        recordField("SpecialDay", &ContactRecord::specialDay, 14),
        recordField("Note", &ContactRecord::note, 15),
    };
    // clang-format on
}

}  // namespace torvalet
