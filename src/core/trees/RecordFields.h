#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "trees/RecordNode.h"

namespace torvalet {

// Calls field(name, value) for every field of a record, in the record's own (memory) order,
// with the field names of the record. Values are RecordText, std::int32_t or std::uint8_t.
template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, TGoalData>
void visitFields(Record& r, Field&& field) {
    field("Text", r.Text);
    field("Description", r.Description);
    field("Note", r.Note);
    field("Prio", r.Prio);
    field("State", r.State);
    field("GoalType", r.GoalType);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, TLinkData>
void visitFields(Record& r, Field&& field) {
    field("Name", r.Name);
    field("Url", r.Url);
    field("HotKey", r.HotKey);
    field("Params", r.Params);
    field("LinkKind", r.LinkKind);
    field("Dir", r.Dir);
    field("AccessDate", r.AccessDate);
    field("Note", r.Note);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, TPhraseData>
void visitFields(Record& r, Field&& field) {
    field("Name", r.Name);
    field("Phrase", r.Phrase);
    field("HotKey", r.HotKey);
    field("PhraseKind", r.PhraseKind);
    field("Note", r.Note);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, TEventData>
void visitFields(Record& r, Field&& field) {
    field("Event", r.Event);
    field("EventDate", r.EventDate);
    field("EventTime", r.EventTime);
    field("EventKind", r.EventKind);
    field("Reserved1", r.Reserved1);
    field("Reserved2", r.Reserved2);
    field("WeekDays", r.WeekDays);
    field("Note", r.Note);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, TContactData>
void visitFields(Record& r, Field&& field) {
    field("Official", r.Official);
    field("FirstName", r.FirstName);
    field("MiddleName", r.MiddleName);
    field("LastName", r.LastName);
    field("NickName", r.NickName);
    field("HotKey", r.HotKey);
    field("ContactKind", r.ContactKind);
    field("Address", r.Address);
    field("Phone1", r.Phone1);
    field("Phone2", r.Phone2);
    field("Email", r.Email);
    field("WebPage", r.WebPage);
    field("Birthday", r.Birthday);
    field("NameDay", r.NameDay);
    field("SpecialDay", r.SpecialDay);
    field("Note", r.Note);
}

template <class Record, class Field>
requires std::is_same_v<std::remove_const_t<Record>, TTagData>
void visitFields(Record& r, Field&& field) {
    field("Name", r.Name);
    field("Kind", r.Kind);
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
