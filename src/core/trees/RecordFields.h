#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "trees/RecordNode.h"

namespace torvalet {

// Calls field(name, value) for every field of a record, in the record's own (memory) order,
// with the field names of the record. Values are RecordText, std::int32_t or std::uint8_t.
template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, GoalRecord>
void visitFields(Record& r, Field&& field) {
    field("Text", r.text);
    field("Description", r.description);
    field("Note", r.note);
    field("Prio", r.priority);
    field("State", r.state);
    field("GoalType", r.kind);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, LinkRecord>
void visitFields(Record& r, Field&& field) {
    field("Name", r.name);
    field("Url", r.url);
    field("HotKey", r.hotKey);
    field("Params", r.params);
    field("LinkKind", r.kind);
    field("Dir", r.dir);
    field("AccessDate", r.accessDate);
    field("Note", r.note);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, PhraseRecord>
void visitFields(Record& r, Field&& field) {
    field("Name", r.name);
    field("Phrase", r.text);
    field("HotKey", r.hotKey);
    field("PhraseKind", r.kind);
    field("Note", r.note);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, EventRecord>
void visitFields(Record& r, Field&& field) {
    field("Event", r.text);
    field("EventDate", r.date);
    field("EventTime", r.time);
    field("EventKind", r.kind);
    field("Reserved1", r.reserved1);
    field("Reserved2", r.reserved2);
    field("WeekDays", r.weekDays);
    field("Note", r.note);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, ContactRecord>
void visitFields(Record& r, Field&& field) {
    field("Official", r.official);
    field("FirstName", r.firstName);
    field("MiddleName", r.middleName);
    field("LastName", r.lastName);
    field("NickName", r.nickName);
    field("HotKey", r.hotKey);
    field("ContactKind", r.kind);
    field("Address", r.address);
    field("Phone1", r.phone1);
    field("Phone2", r.phone2);
    field("Email", r.email);
    field("WebPage", r.webPage);
    field("Birthday", r.birthday);
    field("NameDay", r.nameDay);
    field("SpecialDay", r.specialDay);
    field("Note", r.note);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, TagRecord>
void visitFields(Record& r, Field&& field) {
    field("Name", r.name);
    field("Kind", r.kind);
}

// The first text field of a node's record (goal Text, link Name, contact Official, ...), the
// text that names an item; nullptr for a node without a record.
RecordText* firstTextField(TreeNode& node);
const RecordText* firstTextField(const TreeNode& node);

// The kind field of a node's record (GoalType, LinkKind, PhraseKind, EventKind, ContactKind,
// Kind); nullptr for a node without a record.
std::int32_t* kindField(TreeNode& node);
const std::int32_t* kindField(const TreeNode& node);

}  // namespace torvalet
