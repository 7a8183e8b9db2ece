#include "tasks/TaskRows.h"

#include "base/Errors.h"
#include "model/SoundCues.h"
#include "tasks/PostGroup.h"

namespace torvalet::taskRows {

void forEachRow(Query& tasks, const Bookmarks& rows, const std::function<void()>& visit) {
    tasks.requireOpen();
    if (tasks.isEditing()) tasks.post();
    const Bookmark kept = tasks.bookmark();
    const auto rowOf = [&tasks](int expected, Bookmark rowid) {
        // A visit that adds or takes away rows elsewhere than at the current row moves the
        // remaining rows: look for the row again.
        if (expected >= 0 && expected < tasks.rowCount() && tasks.bookmarkAt(expected) == rowid) return expected;
        return tasks.rowOf(rowid);
    };
    const std::vector<int> positions = tasks.rowsOf(rows);
    std::vector<Bookmark> targets;
    for (int row : positions) targets.push_back(tasks.bookmarkAt(row));
    const int keptIndex = tasks.currentIndex();
    const QuerySuspension suspension(tasks);
    PostGroup group(tasks);
    int shift = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int row = rowOf(positions[i] + shift, targets[i]);
        if (row < 0) continue;
        shift = row - positions[i];
        const int before = tasks.rowCount();
        tasks.moveTo(row);
        visit();
        shift += tasks.rowCount() - before;
    }
    if (tasks.isEditing()) tasks.post();
    group.commit();
    const int back = kept ? rowOf(keptIndex, kept) : -1;
    if (back >= 0) tasks.moveTo(back);
}

Bookmarks selectionOrCurrent(const Query& tasks, const Bookmarks& selection) {
    if (!selection.empty()) return selection;
    const Bookmark current = tasks.bookmark();
    if (current == 0) return {};
    return {current};
}

void forSelectionOrCurrent(Query& tasks, Bookmarks& selection, const std::function<void()>& visit) {
    if (!tasks.isOpen()) return;
    if (tasks.isEditing()) tasks.post();
    const Bookmarks rows = selectionOrCurrent(tasks, selection);
    selection.clear();
    forEachRow(tasks, rows, visit);
}

void forSelectionAndCurrent(Query& tasks, Bookmarks& selection, const std::function<void()>& visit) {
    if (!tasks.isOpen()) return;
    if (tasks.isEditing()) tasks.post();
    const Bookmark current = tasks.bookmark();
    const bool wasSelected = selection.count(current) > 0;
    Bookmarks rows = selection;
    if (current) rows.insert(current);
    struct Restore {
        Bookmarks& selection;
        Bookmark current;
        bool wasSelected;
        ~Restore() {
            if (!wasSelected) selection.erase(current);
        }
    } restore{selection, current, wasSelected};
    forEachRow(tasks, rows, visit);
}

void deleteSelectionOrCurrent(Query& tasks, Bookmarks& selection, SoundCues& cues) {
    cues.playSoundCue(cues::Recycle);
    if (!tasks.isOpen() || tasks.isEmpty()) return;
    if (tasks.state() == QueryState::Insert) {
        tasks.cancel();
        return;
    }
    const Bookmarks rows = selectionOrCurrent(tasks, selection);
    forEachRow(tasks, rows, [&tasks] { tasks.remove(); });
    selection.clear();
}

int runStatement(Query& scratch, const std::string& sql, std::initializer_list<std::pair<const char*, Date>> dates) {
    scratch.close();
    scratch.setSql(sql);
    scratch.clearParams();
    for (const auto& [name, day] : dates) scratch.setDateParam(name, day);
    struct Clear {
        Query& q;
        ~Clear() {
            q.clearParams();
            q.setSql({});
        }
    } clear{scratch};
    return scratch.execute();
}

}  // namespace torvalet::taskRows
