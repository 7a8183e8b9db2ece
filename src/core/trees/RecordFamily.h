#pragma once

#include <cstdint>
#include <string_view>

namespace torvalet {

// Which node record the nodes of a tree carry. Every tree has one family; trees of one
// family share the record layout, so items can travel between them.
enum class RecordFamily : std::uint8_t {
    None,      // nodes without a record (written without a user chunk)
    Goals,     // GoalRecord
    Links,     // LinkRecord
    Phrases,   // PhraseRecord
    Events,    // EventRecord
    Contacts,  // ContactRecord
    Tags,      // TagRecord, the letter-tag lists
};

std::string_view recordFamilyName(RecordFamily family);

}  // namespace torvalet
