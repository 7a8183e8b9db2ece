#include "tasks/TaskRows.h"

#include "model/SoundCues.h"

namespace torvalet::taskRows {

std::set<Query::Bookmark> selectionOrCurrent(const Query& tasks) {
    if (!tasks.selection().empty()) return tasks.selection();
    const Query::Bookmark current = tasks.bookmark();
    if (current == 0) return {};
    return {current};
}

void forSelectionOrCurrent(Query& tasks, const std::function<void()>& visit) {
    if (!tasks.isOpen()) return;
    if (tasks.isEditing()) tasks.post();
    const std::set<Query::Bookmark> rows = selectionOrCurrent(tasks);
    tasks.selection().clear();
    tasks.forEachRow(rows, visit);
}

void forSelectionAndCurrent(Query& tasks, const std::function<void()>& visit) {
    if (!tasks.isOpen()) return;
    if (tasks.isEditing()) tasks.post();
    const Query::Bookmark current = tasks.bookmark();
    const bool wasSelected = tasks.selection().count(current) > 0;
    std::set<Query::Bookmark> rows = tasks.selection();
    if (current) rows.insert(current);
    struct Restore {
        Query& tasks;
        Query::Bookmark current;
        bool wasSelected;
        ~Restore() {
            if (!wasSelected) tasks.selection().erase(current);
        }
    } restore{tasks, current, wasSelected};
    tasks.forEachRow(rows, visit);
}

void deleteSelectionOrCurrent(Query& tasks, SoundCues& cues) {
    cues.playSoundCue(cues::Recycle);
    if (!tasks.isOpen() || tasks.isEmpty()) return;
    if (tasks.state() == QueryState::Insert) {
        tasks.cancel();
        return;
    }
    const std::set<Query::Bookmark> rows = selectionOrCurrent(tasks);
    tasks.forEachRow(rows, [&tasks] { tasks.remove(); });
    tasks.selection().clear();
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
