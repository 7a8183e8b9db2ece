#pragma once

#include <string>

namespace torvalet {

// What ties a tree item to its copies in other calendars and address books: a stable UID and
// the properties of other programs that the item's record has no place for, kept as they came
// (their layout is the business of the codec that wrote them). An item with neither carries no
// identity at all and is written exactly as before.
struct NodeIdentity {
    std::string uid;     // UTF-8; empty when none was ever asked for
    std::string extras;  // opaque bytes

    bool empty() const { return uid.empty() && extras.empty(); }
    friend bool operator==(const NodeIdentity&, const NodeIdentity&) = default;
};

// A new random UID: an RFC 4122 version 4 UUID in lower-case text, e.g.
// "3f2a6c1e-9b4d-4e7a-8c21-5d0f9e8b7a64", drawn from std::random_device.
std::string newUid();

}  // namespace torvalet
