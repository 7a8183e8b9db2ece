#pragma once

#include <string>
#include <string_view>

#include "base/Text.h"
#include "trees/ContactRecord.h"
#include "trees/EventRecord.h"
#include "trees/GoalRecord.h"
#include "trees/LinkRecord.h"
#include "trees/PhraseRecord.h"
#include "trees/TagRecord.h"
#include "trees/TreeNode.h"

namespace torvalet {

// The bytes of node records inside a tree stream's user chunk. A text is an int32 byte count
// and that many bytes in the file's code page (converted by the codec); a number is an int32,
// WeekDays one byte; all little-endian. Each family has its own field order in the file: the
// places in its record's fields().
//
// Writers append the record to `out`. Readers take the bytes of one user chunk and never look
// past them: fields the chunk holds no complete value for keep the value they had (a text cut
// short by the chunk's end keeps the bytes present); a negative byte count reads as an empty
// text. They return true when every field was complete.

void writeRecord(const GoalRecord& record, std::string& out, const TextCodec& codec);
void writeRecord(const LinkRecord& record, std::string& out, const TextCodec& codec);
void writeRecord(const PhraseRecord& record, std::string& out, const TextCodec& codec);
void writeRecord(const EventRecord& record, std::string& out, const TextCodec& codec);
void writeRecord(const ContactRecord& record, std::string& out, const TextCodec& codec);
void writeRecord(const TagRecord& record, std::string& out, const TextCodec& codec);

bool readRecord(std::string_view bytes, GoalRecord& record, const TextCodec& codec);
bool readRecord(std::string_view bytes, LinkRecord& record, const TextCodec& codec);
bool readRecord(std::string_view bytes, PhraseRecord& record, const TextCodec& codec);
bool readRecord(std::string_view bytes, EventRecord& record, const TextCodec& codec);
bool readRecord(std::string_view bytes, ContactRecord& record, const TextCodec& codec);
bool readRecord(std::string_view bytes, TagRecord& record, const TextCodec& codec);

// The tree's node writer: appends the node's record (nothing for a node without one).
void writeNodeRecord(const TreeNode& node, std::string& out, const TextCodec& codec);
// The tree's node reader: sets the node's height to 20, then reads its record from the chunk.
// A node without a record is left as it is.
void readNodeRecord(TreeNode& node, std::string_view bytes, const TextCodec& codec);

}  // namespace torvalet
