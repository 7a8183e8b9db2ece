#pragma once

#include <QColor>

#include <string>
#include <utility>
#include <vector>

#include "base/Date.h"
#include "ui/Pictures.h"
#include "ui/TaskTableModel.h"

namespace torvalet::ui {

// The values of a task row that decide how its cells are painted.
struct TaskCellRow {
    std::string stateKey, typeKey, priorityName, stateName, typeMark, time;
    Date date;
    double procent = 0;
};

// The colours of the settings and of the system, today and the present minute: what painting
// needs besides the row, taken once per paint.
struct TaskPaintContext {
    QColor text, grid, muteState, dateMarkFore, reminderBack, highlightedText;
    Date today;
    int nowMinutes = -1;
};

// How one cell is painted. An invalid colour leaves the grid's own (the grid colour and text
// colour, or the highlight colours of a selected row).
struct TaskCellLook {
    QColor background, foreground;
    bool bold = false, italic = false, underline = false, strikeOut = false;
    // The picture columns draw these pictures instead of text, the percent column one progress step.
    std::vector<std::pair<Pictures::Set, int>> pictures;
    int progress = -1;
    bool drawsText = true;
};

// The painting rule of the task grid for the cell of `column` in `row`; `current` marks the grid's
// current row, which is painted in the selection colours whatever the rest says.
TaskCellLook taskCellLook(const TaskCellRow& row, TaskTableModel::Column column, bool current,
                          const TaskPaintContext& context);

// The picture a priority short name, a state name (either language) or a type mark selects, or -1.
int priorityPicture(const std::string& name);
int statePicture(const std::string& name);
int typePicture(const std::string& mark);

// Minutes of the day of an "HH:MM" text, or -1 when it does not read as one.
int minutesOfDay(const std::string& time);

// The progress step (0 to 9) of a percent done, or -1 for none.
int progressStep(double procent);

}  // namespace torvalet::ui
