#include "ui/ItemTreeView.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

#include <optional>
#include <utility>

#include "trees/ItemTreeSet.h"
#include "trees/TreeCommands.h"
#include "ui/ItemTreeModel.h"

namespace torvalet::ui {

namespace {

std::optional<TreeKey> treeKeyOf(int key) {
    switch (key) {
    case Qt::Key_C: return TreeKey::C;
    case Qt::Key_V: return TreeKey::V;
    case Qt::Key_X: return TreeKey::X;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TreeKey::Enter;
    case Qt::Key_Left: return TreeKey::Left;
    case Qt::Key_Right: return TreeKey::Right;
    case Qt::Key_Up: return TreeKey::Up;
    case Qt::Key_Down: return TreeKey::Down;
    case Qt::Key_Insert: return TreeKey::Insert;
    case Qt::Key_Delete: return TreeKey::Delete;
    case Qt::Key_F2: return TreeKey::F2;
    case Qt::Key_F5: return TreeKey::F5;
    default: return std::nullopt;
    }
}

KeyModifiers modifiersOf(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
            modifiers.testFlag(Qt::AltModifier)};
}

bool isArrow(TreeKey key) {
    return key == TreeKey::Left || key == TreeKey::Right || key == TreeKey::Up || key == TreeKey::Down;
}

}  // namespace

DropPosition ItemTreeView::dropPosition() const {
    switch (dropIndicatorPosition()) {
    case AboveItem: return DropPosition::Above;
    case OnItem: return DropPosition::On;
    case BelowItem: return DropPosition::Below;
    default: return DropPosition::Nowhere;
    }
}

ItemTreeView::ItemTreeView(ItemTree& tree, ItemTreeSet& trees, TreeCommands& commands, CommandRunner run,
                           QWidget* parent)
    : QTreeView(parent), tree_(tree), trees_(trees), commands_(commands), run_(std::move(run)),
      model_(new ItemTreeModel(tree, this)) {
    setObjectName(QString::fromStdString(tree.name()));
    setModel(model_);
    setSelectionBehavior(SelectRows);
    setSelectionMode(tree.multiSelect() ? ExtendedSelection : SingleSelection);
    setUniformRowHeights(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(DragDrop);
    setAutoExpandDelay(600);
    header()->setStretchLastSection(true);
    for (int column = 0; column < model_->columnCount(); ++column) {
        const int width = model_->columnWidth(column);
        if (width == 0) {
            setColumnHidden(column, true);
        } else {
            setColumnWidth(column, width);
        }
    }
    if (model_->columnCount() == 1) setHeaderHidden(true);
    connectSignals();
}

void ItemTreeView::connectSignals() {
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ItemTreeView::takeSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &ItemTreeView::takeCurrent);
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (TreeNode* node = model_->nodeOf(index)) node->setFlag(NodeFlag::Expanded, true);
    });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (TreeNode* node = model_->nodeOf(index)) node->setFlag(NodeFlag::Expanded, false);
    });
}

void ItemTreeView::refresh() {
    syncing_ = true;
    model_->refresh();
    showExpandedAndHidden();
    syncing_ = false;
    showSelection();
}

void ItemTreeView::showExpandedAndHidden() {
    tree_.forEach([this](TreeNode* node) {
        if (!node->hasFlag(NodeFlag::Visible)) setRowHidden(model_->indexOf(node).row(), model_->indexOf(node->parent()), true);
        if (node->hasChildren() && node->hasFlag(NodeFlag::Expanded)) expand(model_->indexOf(node));
    });
}

void ItemTreeView::showSelection() {
    syncing_ = true;
    QItemSelection selection;
    const int lastColumn = model_->columnCount() - 1;
    for (TreeNode* node : tree_.selection())
        selection.select(model_->indexOf(node, 0), model_->indexOf(node, lastColumn));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const QModelIndex current = model_->indexOf(tree_.focused());
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    if (current.isValid()) scrollTo(current);
    syncing_ = false;
}

void ItemTreeView::SetTreeView() {
    TreeNode* first = TreeCommands::GetFirstNode(tree_);
    if (!isVisible()) return;
    setFocus();
    const QModelIndex index = model_->indexOf(first);
    if (index.isValid()) scrollTo(index, PositionAtCenter);
}

void ItemTreeView::takeSelection(const QItemSelection& selected, const QItemSelection& deselected) {
    if (syncing_) return;
    for (const QModelIndex& index : deselected.indexes())
        if (index.column() == 0) tree_.deselect(model_->nodeOf(index));
    for (const QModelIndex& index : selected.indexes())
        if (index.column() == 0) tree_.select(model_->nodeOf(index));
}

// Moving the focus expands the new item and collapses the one before when they are siblings;
// the letter-tag lists keep their items as they are.
void ItemTreeView::takeCurrent(const QModelIndex& current, const QModelIndex& previous) {
    if (syncing_) return;
    tree_.setFocused(model_->nodeOf(current));
    if (tree_.family() == RecordFamily::Tags || !current.isValid()) return;
    if (previous.isValid() && previous.parent() == current.parent() && previous.row() != current.row())
        collapse(previous.siblingAtColumn(0));
    expand(current.siblingAtColumn(0));
}

void ItemTreeView::keyPressEvent(QKeyEvent* event) {
    if (handleKey(event)) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

// With Ctrl only C, V and X are the tree's; the arrows are the tree's with Alt alone and
// otherwise move the focus as usual.
bool ItemTreeView::handleKey(QKeyEvent* event) {
    const std::optional<TreeKey> key = treeKeyOf(event->key());
    if (!key) return false;
    const KeyModifiers modifiers = modifiersOf(event->modifiers());
    if (modifiers.ctrl && *key != TreeKey::C && *key != TreeKey::V && *key != TreeKey::X) return false;
    if (isArrow(*key) && !(modifiers.alt && !modifiers.shift && !modifiers.ctrl)) return false;
    if (tree_.family() == RecordFamily::Tags) return false;
    run_([&] { commands_.treeKeyDown(tree_, *key, modifiers); });
    return true;
}

// A right press opens the properties of the first selected item and leaves the selection.
void ItemTreeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (tree_.family() != RecordFamily::Tags) run_([this] { commands_.editFirstSelected(tree_); });
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

// The drag carries the name of its tree only: the drop takes the items from the trees.
void ItemTreeView::startDrag(Qt::DropActions supportedActions) {
    if (tree_.selectionCount() == 0) return;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(ItemTreeModel::kMimeType), QByteArray::fromStdString(tree_.name()));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(supportedActions, Qt::MoveAction);
}

void ItemTreeView::dragEnterEvent(QDragEnterEvent* event) {
    QTreeView::dragEnterEvent(event);
    event->acceptProposedAction();
}

void ItemTreeView::dropEvent(QDropEvent* event) {
    const QByteArray name = event->mimeData()->data(QString::fromLatin1(ItemTreeModel::kMimeType));
    ItemTree* source = name.isEmpty() ? nullptr : trees_.find(name.toStdString());
    TreeNode* dropNode = model_->nodeOf(indexAt(event->position().toPoint()));
    const DropPosition position = dropNode ? dropPosition() : DropPosition::Nowhere;
    const KeyModifiers keys = modifiersOf(event->modifiers());
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (source) run_([&] { commands_.treeDragDrop(tree_, dropNode, source, position, keys); });
}

}  // namespace torvalet::ui
