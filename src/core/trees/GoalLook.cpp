#include "trees/GoalLook.h"

namespace torvalet {

namespace {

constexpr SettingsColor rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

constexpr SettingsColor white = rgb(255, 255, 255);
constexpr SettingsColor black = rgb(0, 0, 0);
constexpr int pictureCount = 55;

}  // namespace

GoalLook GoalLook::of(const GoalRecord& goal, SettingsColor muteStateColour) {
    GoalLook look;
    look.background = white;
    switch (goal.state) {
    case 1: look = {rgb(255, 238, 221), black}; break;
    case 2: look = {rgb(255, 240, 240), black}; break;
    case 3: look = {muteStateColour, black}; break;
    case 6:
    case 7: look.text = rgb(64, 64, 64); break;
    default: break;
    }
    look.bold = goal.kind == 0;
    look.transparent = look.background == white;
    return look;
}

std::optional<int> GoalLook::imageIndex(const GoalRecord& goal, int column) {
    int index = 0;
    switch (column) {
    case 0:
    case 1: index = goal.kind; break;
    case 2: index = 36 + goal.state; break;
    case 3: index = 44 + goal.priority; break;
    default: return std::nullopt;
    }
    if (index < 0 || index >= pictureCount) return std::nullopt;
    return index;
}

const RecordText* GoalLook::cellText(const GoalRecord& goal, int column) {
    if (column == 0) return &goal.text;
    if (column == 4) return &goal.description;
    return nullptr;
}

}  // namespace torvalet
