#pragma once

#include <QTreeView>

#include <functional>

#include "trees/TreeDrop.h"

namespace torvalet {
class ItemTreeSet;
class Navigation;
class TreeCommands;
}  // namespace torvalet

namespace torvalet::ui {

class ItemTreeModel;

// Runs a command of the core: errors it throws are shown to the user, and the window then
// shows what the command changed.
using CommandRunner = std::function<void(const std::function<void()>&)>;

// The view of one item tree. Its selection and current item are kept in step with the tree's
// selection and focused node, both ways; hidden nodes take no rows. The tree's Expanded flags
// decide what is open: the view shows them, and only the user's own opening and closing (a click
// on the mark, a double click, the keys) and the focus rule below write them back. Qt opens the
// parents of an item it scrolls to on its own; the view scrolls only to items already in view. The tree keys, the right
// mouse press, a click while the filter bar holds text, drops, type-ahead and the tag lists' jump go to the core's
// commands.
class ItemTreeView : public QTreeView {
    Q_OBJECT
public:
    ItemTreeView(ItemTree& tree, ItemTreeSet& trees, TreeCommands& commands, Navigation& navigation, CommandRunner run,
                 QWidget* parent = nullptr);

    ItemTree& tree() const { return tree_; }
    ItemTreeModel* itemModel() const { return model_; }

    // The tree's structure or flags changed: rebuilds the rows and shows the tree's expanded
    // and hidden items, selection and focused item, keeping the scroll position.
    void refresh();
    // Shows the tree's selection and focused item (after a command changed only those).
    void showSelection();
    // Scrolls the node into view, centred.
    void scrollToCentre(const TreeNode& node);
    // Scrolls only to an item whose ancestors are all open: opening them is the tree's decision.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    // Shows the tag list's sort mark as the letter tags have it.
    void showSortMark(bool shown);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    void setUpLook();
    void setUpColumns();
    void connectSignals();
    void takeSelection(const QItemSelection& selected, const QItemSelection& deselected);
    void takeCurrent(const QModelIndex& current, const QModelIndex& previous);
    void showExpanded();
    // The user opened or closed the item: the tree keeps it.
    void takeExpansion(const QModelIndex& index, bool expanded);
    bool handleKey(QKeyEvent* event);
    void clickedItem();
    void jump();
    bool inView(const TreeNode* node) const;
    DropPosition dropPosition() const;

    ItemTree& tree_;
    ItemTreeSet& trees_;
    TreeCommands& commands_;
    Navigation& navigation_;
    CommandRunner run_;
    ItemTreeModel* model_;
    bool syncing_ = false;
    bool focusingIn_ = false;
    // While the view handles the user's own input: the items opened or closed then are the user's.
    bool byUser_ = false;
};

}  // namespace torvalet::ui
