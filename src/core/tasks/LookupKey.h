#pragma once

#include <string>
#include <string_view>

namespace torvalet {

// A reference to a lookup row: the decimal number right-aligned in ten characters ("         1").
// Keys are compared as whole texts, never as numbers; the empty text (or ten blanks) means none.
using LookupKey = std::string;

// The decimal text of n with blanks put in front until it is ten characters long.
inline LookupKey makeLookupKey(long long n) {
    std::string text = std::to_string(n);
    while (text.size() < 10) text.insert(text.begin(), ' ');
    return text;
}

// True for the empty key, also when the store hands it back as blanks.
inline bool isEmptyKey(std::string_view key) { return key.find_first_not_of(' ') == std::string_view::npos; }

namespace keys {
// States.
inline const LookupKey Done = makeLookupKey(1);
inline const LookupKey Mute = makeLookupKey(2);
inline const LookupKey Undone = makeLookupKey(3);
inline const LookupKey AtWork = makeLookupKey(4);
inline const LookupKey Delayed = makeLookupKey(5);
inline const LookupKey Prepare = makeLookupKey(6);
inline const LookupKey Delegated = makeLookupKey(7);
// Priorities.
inline const LookupKey Highest = makeLookupKey(1);
inline const LookupKey Uncertain = makeLookupKey(2);
inline const LookupKey High = makeLookupKey(3);
inline const LookupKey Average = makeLookupKey(4);
inline const LookupKey Low = makeLookupKey(5);
// Types with a behaviour of their own.
inline const LookupKey ReminderType = makeLookupKey(1);
inline const LookupKey DayMarkType = makeLookupKey(5);
inline const LookupKey TimeMarkType = makeLookupKey(6);
inline const LookupKey HiddenType = makeLookupKey(7);
}  // namespace keys

}  // namespace torvalet
