#pragma once

class QWidget;

namespace torvalet {
class ItemTree;
class ItemTreeSet;
class TreeEditGuard;
}  // namespace torvalet

namespace torvalet::ui {

// The tree's part of a page under a line that says the tree's file could not be read and is
// kept as it is (the guard's text, with the warning icon); `content` alone for a tree whose file
// was read. The line's object name is the tree's name followed by "KeptLine".
QWidget* withKeptLine(const ItemTree& tree, const TreeEditGuard& guard, QWidget* content);
// The lines under `window` say it again in the language now in force.
void showKeptLines(QWidget* window, const ItemTreeSet& trees, const TreeEditGuard& guard);

}  // namespace torvalet::ui
