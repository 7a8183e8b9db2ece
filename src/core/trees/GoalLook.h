#pragma once

#include <optional>
#include <string>

#include "model/Settings.h"
#include "trees/GoalRecord.h"

namespace torvalet {

// How a goal row is painted and its cells drawn ("Tahoma" 9 points, one line, left-aligned,
// vertically centred, shortened with an ellipsis; those are the window's).
struct GoalLook {
    SettingsColor background = 0;
    std::optional<SettingsColor> text;  // nothing: the window text colour
    bool bold = false;                  // groups
    bool transparent = true;            // white rows draw their text without a background

    // By the goal's state (a state outside 0..7 gets the default look); muteStateColour colours
    // the mute state.
    static GoalLook of(const GoalRecord& goal, SettingsColor muteStateColour);

    // The picture of a cell: column 0 and 1 the type, 2 the state (36 + State), 3 the priority
    // (44 + Prio); nothing for other columns or where that falls outside the 55 pictures.
    static std::optional<int> imageIndex(const GoalRecord& goal, int column);

    // The text of a cell: Text in column 0, Description in column 4, none elsewhere.
    static const RecordText* cellText(const GoalRecord& goal, int column);

    // Width of the goal edit line for the goal panel's width.
    static int editLineWidth(int panelWidth) { return panelWidth < 92 ? 100 : panelWidth - 90; }
};

}  // namespace torvalet
