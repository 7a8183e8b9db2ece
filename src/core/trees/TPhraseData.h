#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a phrase tree node. PhraseKind: 0 Phrase, 1 Group, 2 Element.
struct TPhraseData {
    static constexpr RecordFamily family = RecordFamily::Phrases;

    RecordText Name;
    RecordText Phrase;
    RecordText HotKey;
    std::int32_t PhraseKind = 0;
    RecordText Note;

    bool operator==(const TPhraseData&) const = default;
};

}  // namespace torvalet
