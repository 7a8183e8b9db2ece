#pragma once

#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>

#include "tasks/Query.h"

namespace torvalet {

class SoundCues;

// The rows a command on several task rows works on.
namespace taskRows {

// S: the selected rows, else the current row; the selection is cleared afterwards. Each row is
// current while `visit` runs; the posts are grouped and the notices held back meanwhile.
void forSelectionOrCurrent(Query& tasks, const std::function<void()>& visit);
// S+: the current row joins the selection for the command, then gets its mark back as it was.
void forSelectionAndCurrent(Query& tasks, const std::function<void()>& visit);
// The selected rows, else the current row, as bookmarks.
std::set<Query::Bookmark> selectionOrCurrent(const Query& tasks);
// Plays "recycle.wav" and deletes the selected rows, else the current row, without asking.
void deleteSelectionOrCurrent(Query& tasks, SoundCues& cues);

// Runs a statement that returns no rows on the scratch query, its parameters bound as dates, and
// leaves the scratch query closed and empty. Returns the number of rows changed.
int runStatement(Query& scratch, const std::string& sql, std::initializer_list<std::pair<const char*, Date>> dates);

}  // namespace taskRows

}  // namespace torvalet
