#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "tasks/Bookmark.h"
#include "tasks/Query.h"

namespace torvalet {

class SoundCues;

// The rows a command on several task rows works on: the selection is the task list state's.
namespace taskRows {

// Makes each row of `rows` current in turn, in list order, and calls `visit`; the notices are
// held back and the posts grouped in one transaction meanwhile (what was posted before an error
// stays). The row that was current before is current again afterwards.
void forEachRow(Query& tasks, const Bookmarks& rows, const std::function<void()>& visit);
// S: the selected rows, else the current row; the selection is cleared afterwards. Each row is
// current while `visit` runs; the posts are grouped and the notices held back meanwhile.
void forSelectionOrCurrent(Query& tasks, Bookmarks& selection, const std::function<void()>& visit);
// S+: the current row joins the selection for the command, then gets its mark back as it was.
void forSelectionAndCurrent(Query& tasks, Bookmarks& selection, const std::function<void()>& visit);
// The selected rows, else the current row, as bookmarks.
Bookmarks selectionOrCurrent(const Query& tasks, const Bookmarks& selection);
// Plays "recycle.wav" and deletes the selected rows, else the current row, without asking.
void deleteSelectionOrCurrent(Query& tasks, Bookmarks& selection, SoundCues& cues);

// Runs a statement that returns no rows on the scratch query, its parameters bound as dates, and
// leaves the scratch query closed and empty. Returns the number of rows changed.
int runStatement(Query& scratch, const std::string& sql, std::initializer_list<std::pair<const char*, Date>> dates);

}  // namespace taskRows

}  // namespace torvalet
