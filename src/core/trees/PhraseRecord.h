#pragma once

#include <cstdint>
#include <tuple>

#include "trees/RecordFamily.h"
#include "trees/RecordField.h"
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

    // Every field in the order above, with its name and its place in the file.
    static constexpr auto fields();
};

constexpr auto PhraseRecord::fields() {
    // clang-format off
    return std::tuple{
        recordField("Name", &PhraseRecord::name, 0),
        recordField("Phrase", &PhraseRecord::text, 1),
        recordField("HotKey", &PhraseRecord::hotKey, 2),
        recordField("PhraseKind", &PhraseRecord::kind, 3),
        recordField("Note", &PhraseRecord::note, 4),
    };
    // clang-format on
}

}  // namespace torvalet
