#pragma once

class QWidget;

namespace torvalet {
class ItemTree;
class TreeEditGuard;
}  // namespace torvalet

namespace torvalet::ui {

// The tree's part of a page under a line that says the tree's file could not be read and is
// kept as it is (the guard's text, with the warning icon); `content` alone for a tree whose file
// was read. The line's object name is the tree's name followed by "KeptLine".
QWidget* withKeptLine(const ItemTree& tree, const TreeEditGuard& guard, QWidget* content);

}  // namespace torvalet::ui
