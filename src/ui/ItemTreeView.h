#pragma once

#include <QTreeView>

#include <functional>

#include "trees/TreeDrop.h"

namespace torvalet {
class ItemTreeSet;
class TreeCommands;
}  // namespace torvalet

namespace torvalet::ui {

class ItemTreeModel;

// Runs a command of the core: errors it throws are shown to the user, and the window then
// shows what the command changed.
using CommandRunner = std::function<void(const std::function<void()>&)>;

// The view of one item tree. Its selection, current item and expanded items are kept in step
// with the tree's selection, focused node and Expanded flags, both ways; the tree keys, the
// right mouse press and drops go to the tree commands.
class ItemTreeView : public QTreeView {
    Q_OBJECT
public:
    ItemTreeView(ItemTree& tree, ItemTreeSet& trees, TreeCommands& commands, CommandRunner run,
                 QWidget* parent = nullptr);

    ItemTree& tree() const { return tree_; }
    ItemTreeModel* itemModel() const { return model_; }

    // The tree's structure changed: rebuilds the rows and shows the tree's expanded items,
    // hidden items, selection and focused item.
    void refresh();
    // Shows the tree's selection and focused item (after a command changed only those).
    void showSelection();
    // Gives the view the keyboard focus and scrolls the first item (first selected, else
    // focused) into view, centred.
    void SetTreeView();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectSignals();
    void takeSelection(const QItemSelection& selected, const QItemSelection& deselected);
    void takeCurrent(const QModelIndex& current, const QModelIndex& previous);
    void showExpandedAndHidden();
    bool handleKey(QKeyEvent* event);
    DropPosition dropPosition() const;

    ItemTree& tree_;
    ItemTreeSet& trees_;
    TreeCommands& commands_;
    CommandRunner run_;
    ItemTreeModel* model_;
    bool syncing_ = false;
};

}  // namespace torvalet::ui
