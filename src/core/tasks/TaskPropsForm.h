#pragma once

#include <string>
#include <vector>

#include "base/Date.h"
#include "tasks/TaskColumn.h"

namespace torvalet {

class Query;
class TaskCommands;
class TaskStore;

// The task properties dialog's behaviour. Its controls are bound to the task list's current row:
// what they show is read from the row, what the user types goes straight into the row (which is
// put into edit state), and closing the dialog in any way saves the row.
class TaskPropsForm {
public:
    // What the controls show, top to bottom.
    struct Fields {
        std::string task, typeName, priorityName, stateName, project, doer, procent, comment;
        Date date, date2;
        std::string time, time2;
    };

    // The buttons that are task commands run `commands`.
    TaskPropsForm(TaskStore& store, TaskCommands& commands);

    // The task list has a row for the dialog to show.
    bool hasRow() const;
    Fields fields() const;
    // The names the Type, Prio and State lists offer, in name order.
    std::vector<std::string> typeNames() const;
    std::vector<std::string> priorityNames() const;
    std::vector<std::string> stateNames() const;

    // Typing into a control.
    void setTask(const std::string& text) { setText(TaskColumn::Task, text); }
    void setProject(const std::string& text) { setText(TaskColumn::Project, text); }
    void setDoer(const std::string& text) { setText(TaskColumn::DoerKey, text); }
    void setComment(const std::string& text) { setText(TaskColumn::Comment, text); }
    void setProcent(double procent);
    void setDate(Date day);
    void setDate2(Date day);
    // Choosing a name in a list sets the key of that name, and nothing else: no cue, no percent.
    void chooseType(const std::string& name);
    void choosePriority(const std::string& name);
    void chooseState(const std::string& name);

    // The clear buttons of Type and Doer: the key or text is emptied and the row saved.
    void clearType() { clearAndPost(TaskColumn::TypeKey); }
    void clearDoer() { clearAndPost(TaskColumn::DoerKey); }
    // The clear buttons of Prio and State, the new-task and save buttons and the two time boxes
    // run the task commands of the same meaning.
    void clearPriority();
    void clearState();
    void newTask();
    void save();
    void chooseTime();
    void chooseFinalTime();
    // Closing the dialog, in any way (Esc in the task text, the close box, "Ok"): the row is saved.
    void close() { save(); }

private:
    Query& tasks() const;
    void setText(TaskColumn column, const std::string& text);
    void choose(TaskColumn keyColumn, const Query& lookup, const std::string& name);
    void clearAndPost(TaskColumn column);
    void edit();
    static std::vector<std::string> names(const Query& lookup);

    TaskStore& store_;
    TaskCommands& commands_;
};

}  // namespace torvalet
