#pragma once

#include <QIcon>

#include "trees/RecordFamily.h"

namespace torvalet::ui {

// The pictures of the item trees, drawn from the SVG files shipped as resources: the 55 goal
// pictures (types 0-35, states 36-43, priorities 44-49), one per kind of link, contact, event
// and phrase, the pictures of the buttons beside the trees, and the four picture lists of the
// task grid (priorities, states and types by the index their names and marks select, and the
// ten steps of percent done).
class Pictures {
public:
    enum Set { Goals, Links, Contacts, Events, Phrases, Tools, TaskPriorities, TaskStates, TaskTypes, Progress };
    enum Tool {
        FirstItem,
        LastItem,
        CollapseAllButSelected,
        NewItem,
        CutItems,
        CopyItems,
        PasteItems,
        DeleteItems,
        MoveLeft,
        MoveRight,
        MoveUp,
        MoveDown,
        Priority,
        State
    };

    // The picture `index` of the set, or a null icon for an index without one.
    static QIcon icon(Set set, int index);
    static int count(Set set);
    // The set that pictures the kinds of a record family; tag lists use their source's set.
    static Set setOf(RecordFamily family, bool linkTags = false);
};

}  // namespace torvalet::ui
