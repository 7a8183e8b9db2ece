#include "trees/RecordFamily.h"

namespace torvalet {

std::string_view recordFamilyName(RecordFamily family) {
    switch (family) {
    case RecordFamily::Goals: return "goals";
    case RecordFamily::Links: return "links";
    case RecordFamily::Phrases: return "phrases";
    case RecordFamily::Events: return "events";
    case RecordFamily::Contacts: return "contacts";
    case RecordFamily::Tags: return "tags";
    case RecordFamily::None: break;
    }
    return "none";
}

}  // namespace torvalet
