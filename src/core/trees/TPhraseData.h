#pragma once

#include <cstdint>
#include <string>

#include "trees/RecordFamily.h"

namespace torvalet {

// The record of a phrase tree node. PhraseKind: 0 Phrase, 1 Group, 2 Element.
struct TPhraseData {
    static constexpr RecordFamily family = RecordFamily::Phrases;

    std::string Name;
    std::string Phrase;
    std::string HotKey;
    std::int32_t PhraseKind = 0;
    std::string Note;

    bool operator==(const TPhraseData&) const = default;
};

}  // namespace torvalet
