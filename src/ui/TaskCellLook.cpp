#include "ui/TaskCellLook.h"

#include <cmath>

#include "tasks/LookupKey.h"

namespace torvalet::ui {

namespace {

using Column = TaskTableModel::Column;

// Types with a look of their own.
const LookupKey kTipType = makeLookupKey(18);
const LookupKey kDayGoalType = makeLookupKey(42);
const LookupKey kWeekGoalType = makeLookupKey(43);
const LookupKey kLogType = makeLookupKey(44);
const LookupKey kCommentType = makeLookupKey(27);

struct Picture {
    const char* value;
    int index;
};

constexpr Picture kPriorityPictures[] = {{"!!!", 5}, {"#1", 6}, {"#2", 7}, {"#3", 8}, {"?", 4}};

constexpr Picture kStatePictures[] = {
    {"AtWork", 15},    {"В работе", 15},     {"Mute", 9},      {"Заминка", 9},   {"Done", 4},
    {"Сделано", 4},    {"Undone", 3},        {"Несделано", 3}, {"Prepare", 10},  {"Подготовка", 10},
    {"Delegated", 21}, {"Делегировано", 21}, {"Delayed", 14},  {"Отложено", 14},
};

constexpr Picture kTypePictures[] = {
    {"<!>", 0},  {"//:", 33}, {"..]", 35}, {"[..", 34}, {"..>", 32}, {"<.$", 5},  {"$.>", 37}, {" ?!", 7},  {"<-@", 9},
    {"@->", 10}, {"i:=", 8},  {"  &", 11}, {"  ^", 12}, {".:!", 13}, {"{h}", 15}, {",,,", 16}, {"//?", 18}, {"{b}", 19},
    {"  %", 20}, {":O)", 50}, {" ][", 22}, {" i>", 36}, {"~>", 24},  {"EXE", 25}, {"=->", 26}, {"<:>", 27}, {"prn", 28},
    {"~s~", 29}, {"{?}", 30}, {"g_g", 41}, {"y_g", 40}, {"m_g", 39}, {"w_g", 38}, {"d_g", 42}, {"obs", 45}, {"log", 44},
    {"rwd", 45}, {"rid", 47}, {"||>", 14}, {"?|[", 17}, {"_|_", 21}, {"|=|", 31},
};

template <std::size_t N>
void addMatches(std::vector<std::pair<Pictures::Set, int>>& pictures, Pictures::Set set, const Picture (&table)[N],
                const std::string& value) {
    for (const Picture& picture : table)
        if (value == picture.value) pictures.emplace_back(set, picture.index);
}

void setStyle(TaskCellLook& look, bool bold, bool italic = false, bool underline = false, bool strikeOut = false) {
    look.bold = bold;
    look.italic = italic;
    look.underline = underline;
    look.strikeOut = strikeOut;
}

// Today's rows whose minute has passed show their time on green.
void timeStyling(const TaskCellRow& row, const TaskPaintContext& context, TaskCellLook& look) {
    if (row.time.empty()) return;
    const int minutes = minutesOfDay(row.time);
    if (minutes < 0 || context.nowMinutes <= minutes || row.date != context.today) return;
    look.foreground = Qt::black;
    look.background = QColor(221, 238, 221);
}

void stateStyling(const TaskCellRow& row, const TaskPaintContext& context, TaskCellLook& look) {
    const std::string& s = row.stateKey;
    setStyle(look, false);
    look.foreground = context.text;
    const bool closed = s == keys::Done || s == keys::Undone;
    if (closed) {
        setStyle(look, false, false, false, true);
        look.foreground = QColor(128, 128, 128);
    } else if (s == keys::Mute) {
        look.background = context.muteState;
    } else if (s == keys::AtWork) {
        look.background = QColor(255, 240, 240);
        look.foreground = Qt::black;
        setStyle(look, true, false, true);
    } else if (s == keys::Prepare) {
        look.background = QColor(255, 221, 187);
    } else if (isEmptyKey(s)) {
        setStyle(look, false);
    }
    // Delayed, delegated and unknown states keep the text colour set above.
    if (closed || s == keys::AtWork) return;
    look.foreground = context.text;
    if (row.priorityName == "#1") setStyle(look, true);
    if (row.priorityName == "!!!") setStyle(look, true, false, true);
}

void typeStyling(const TaskCellRow& row, Column column, const TaskPaintContext& context, TaskCellLook& look) {
    const std::string& t = row.typeKey;
    const bool task = column == Column::Task;
    const bool mark = column == Column::TypeMark;
    if (t == keys::DayMarkType) {
        look.background = QColor(225, 215, 238);
        look.foreground = context.dateMarkFore;
    }
    if (t == kTipType && task) {
        setStyle(look, true, true);
        look.foreground = QColor(51, 51, 51);
    }
    if (t == kWeekGoalType && mark) {
        look.background = QColor(255, 255, 0);
        look.foreground = context.dateMarkFore;
    }
    if (t == kDayGoalType && mark) {
        look.background = QColor(231, 241, 238);
        look.foreground = context.dateMarkFore;
    }
    if (t == kLogType && task) look.foreground = QColor(146, 135, 49);
    if (t == keys::TimeMarkType && task) {
        look.foreground = context.text;
        look.background = context.grid;
        setStyle(look, true);
    }
    if (t == kCommentType && task) {
        look.foreground = QColor(170, 170, 238);
        setStyle(look, true);
    }
    if (t == keys::ReminderType && task) {
        if (row.stateKey == keys::Done || row.stateKey == keys::Undone) {
            look.foreground = QColor(153, 153, 153);
            setStyle(look, false, false, false, true);
        } else {
            look.background = context.reminderBack;
            look.foreground = Qt::black;
        }
    }
}

void output(const TaskCellRow& row, Column column, TaskCellLook& look) {
    const std::string* value = column == Column::TypeMark   ? &row.typeMark
                               : column == Column::Priority ? &row.priorityName
                               : column == Column::State    ? &row.stateName
                                                            : nullptr;
    if (value) {
        look.drawsText = false;
        if (value->empty()) return;
        addMatches(look.pictures, Pictures::TaskPriorities, kPriorityPictures, *value);
        addMatches(look.pictures, Pictures::TaskStates, kStatePictures, *value);
        addMatches(look.pictures, Pictures::TaskTypes, kTypePictures, *value);
    } else if (column == Column::Percent) {
        look.drawsText = false;
        look.progress = progressStep(row.procent);
    }
}

template <std::size_t N>
int pictureOf(const Picture (&table)[N], const std::string& value) {
    for (const Picture& picture : table)
        if (value == picture.value) return picture.index;
    return -1;
}

}  // namespace

int priorityPicture(const std::string& name) { return pictureOf(kPriorityPictures, name); }
int statePicture(const std::string& name) { return pictureOf(kStatePictures, name); }
int typePicture(const std::string& mark) { return pictureOf(kTypePictures, mark); }

int minutesOfDay(const std::string& time) {
    const auto digit = [&time](std::size_t i) { return time[i] >= '0' && time[i] <= '9'; };
    if (time.size() < 5 || !digit(0) || !digit(1) || digit(2) || !digit(3) || !digit(4)) return -1;
    return ((time[0] - '0') * 10 + (time[1] - '0')) * 60 + (time[3] - '0') * 10 + (time[4] - '0');
}

int progressStep(double procent) {
    if (!(procent > 0) || procent > 100) return -1;
    return static_cast<int>(std::ceil(procent / 10)) - 1;
}

TaskCellLook taskCellLook(const TaskCellRow& row, Column column, bool current, const TaskPaintContext& context) {
    TaskCellLook look;
    if (column == Column::Time) timeStyling(row, context, look);
    if (column == Column::Task || column == Column::State) stateStyling(row, context, look);
    typeStyling(row, column, context, look);
    if (current) {
        look.background = QColor(44, 60, 25);
        look.foreground = context.highlightedText;
    }
    output(row, column, look);
    return look;
}

}  // namespace torvalet::ui
