#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/Text.h"
#include "trees/RecordFamily.h"
#include "trees/TreeError.h"

namespace torvalet {

// A readable form of a tree file, for inspecting files without the program's windows. When
// the stream is damaged, the output holds what was read before the failure and `error` tells
// what stopped it.
struct TreeDump {
    std::string output;
    std::optional<TreeError> error;

    // "CODE: MESSAGE" of the error; empty when the whole stream was read.
    std::string errorLine() const;
};

// One line per node in tree order: its level (0 for top-level items), flags, height,
// alignment and record fields, texts quoted with \" \\ \n \r \t and \xNN escapes, e.g.
//   depth=0 flags=0x0081 height=20 alignment=50 Text="A" Description="" ... kind=3
TreeDump dumpTreeText(std::string_view bytes, RecordFamily family, const TextCodec& codec);

// {"version": V, "nodes": [{"flags": F, "height": H, "alignment": A, "record": {field: value,
// ...}, "children": [...]}, ...]} with the record's own field names; texts are JSON strings of
// valid UTF-8, numbers are numbers. The version is null when the identifier could not be read.
TreeDump dumpTreeJson(std::string_view bytes, RecordFamily family, const TextCodec& codec);

}  // namespace torvalet
