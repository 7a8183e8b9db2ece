#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a phrase tree node. kind: 0 Phrase, 1 Group, 2 Element.
struct PhraseRecord {
    static constexpr RecordFamily family = RecordFamily::Phrases;

    RecordText name;
    RecordText text;
    RecordText hotKey;
    std::int32_t kind = 0;
    RecordText note;

    bool operator==(const PhraseRecord&) const = default;
};

}  // namespace torvalet
