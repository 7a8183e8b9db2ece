#include "ui/ItemTreeView.h"

#include <QDrag>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <optional>
#include <utility>

#include "navigation/Navigation.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeCommands.h"
#include "trees/TreeTable.h"
#include "ui/ItemTreeLook.h"
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

std::int64_t steadyMs() {
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    return clock.elapsed();
}

const QColor kSelection(51, 153, 255);

// The node that follows the node's subtree in tree order.
TreeNode* nextAfterSubtree(const TreeNode* node) {
    for (; node && !node->isRoot(); node = node->parent())
        if (node->nextSibling()) return node->nextSibling();
    return nullptr;
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

ItemTreeView::ItemTreeView(ItemTree& tree, ItemTreeSet& trees, TreeCommands& commands, Navigation& navigation,
                           CommandRunner run, QWidget* parent)
    : QTreeView(parent),
      tree_(tree),
      trees_(trees),
      commands_(commands),
      navigation_(navigation),
      run_(std::move(run)),
      model_(new ItemTreeModel(tree, this)) {
    setObjectName(QString::fromStdString(tree.name()));
    setUpLook();  // before the model: a change of style re-lays out every row the view has
    setModel(model_);
    setUpColumns();
    setSelectionBehavior(SelectRows);
    setSelectionMode(tree.multiSelect() ? ExtendedSelection : SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(DragDrop);
    setAutoExpandDelay(600);
    connectSignals();
}

void ItemTreeView::setUpLook() {
    setStyle(ItemTreeStyle::instance());
    setItemDelegate(new ItemTreeDelegate(this));
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setTextElideMode(Qt::ElideRight);
    setIconSize(QSize(16, 16));
    setIndentation(18);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    header()->setStretchLastSection(true);
    header()->setSectionsClickable(false);
    header()->setFixedHeight(21);
    header()->setMinimumSectionSize(16);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: rgb(183, 206, 255); font-family: Tahoma, sans-serif; font-weight: bold;"
        " border: none; border-right: 1px solid rgb(150, 178, 235); border-bottom: 1px solid rgb(150, 178, 235);"
        " padding-left: 6px; }"));
    if (tree_.family() == RecordFamily::Tags) setRootIsDecorated(false);
}

void ItemTreeView::setUpColumns() {
    for (int column = 0; column < model_->columnCount(); ++column) {
        const int width = model_->columnWidth(column);
        if (width == 0) {
            setColumnHidden(column, true);
        } else {
            setColumnWidth(column, width);
        }
    }
}

void ItemTreeView::connectSignals() {
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ItemTreeView::takeSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &ItemTreeView::takeCurrent);
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) { takeExpansion(index, true); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) { takeExpansion(index, false); });
    connect(this, &QTreeView::clicked, this, &ItemTreeView::clickedItem);
    if (navigation_.tags().isTagList(tree_)) connect(this, &QTreeView::doubleClicked, this, &ItemTreeView::jump);
}

void ItemTreeView::refresh() {
    const int top = verticalScrollBar()->value();
    syncing_ = true;
    model_->refresh();
    showExpanded();
    syncing_ = false;
    doItemsLayout();
    verticalScrollBar()->setValue(top);
    showSelection();
    if (navigation_.tags().isTagList(tree_)) showSortMark(navigation_.tags().sortMarkShown(tree_));
}

// Hidden branches have no rows; everything else that is expanded is expanded in the view,
// also below a collapsed item, so that opening it shows its children as they were.
void ItemTreeView::showExpanded() {
    for (TreeNode* node = tree_.firstTopLevel(); node;) {
        if (!node->hasFlag(NodeFlag::Visible)) {
            node = nextAfterSubtree(node);
            continue;
        }
        if (node->hasChildren() && node->hasFlag(NodeFlag::Expanded)) expand(model_->indexInView(node));
        node = ItemTree::nextInTreeOrder(node);
    }
}

void ItemTreeView::takeExpansion(const QModelIndex& index, bool expanded) {
    if (!byUser_ || syncing_) return;
    if (TreeNode* node = model_->nodeOf(index)) node->setFlag(NodeFlag::Expanded, expanded);
}

void ItemTreeView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        if (!isExpanded(up)) return;
    QTreeView::scrollTo(index, hint);
}

bool ItemTreeView::inView(const TreeNode* node) const {
    if (!model_->indexOf(node).isValid()) return false;
    for (const TreeNode* up = node->parent(); !up->isRoot(); up = up->parent())
        if (!up->hasFlag(NodeFlag::Expanded)) return false;
    return true;
}

void ItemTreeView::showSelection() {
    syncing_ = true;
    QItemSelection selection;
    const int lastColumn = model_->columnCount() - 1;
    for (TreeNode* node : tree_.selection()) {
        const QModelIndex first = model_->indexOf(node, 0);
        if (first.isValid()) selection.select(first, first.siblingAtColumn(lastColumn));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const QModelIndex current = model_->indexOf(tree_.focused());
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    // Scrolling to an item inside a collapsed group would open the group.
    if (current.isValid() && inView(tree_.focused())) scrollTo(current);
    syncing_ = false;
}

void ItemTreeView::scrollToCentre(const TreeNode& node) {
    const QModelIndex index = model_->indexOf(&node);
    if (index.isValid() && inView(&node)) scrollTo(index, PositionAtCenter);
}

void ItemTreeView::showSortMark(bool shown) {
    header()->setSortIndicatorShown(shown);
    if (shown) header()->setSortIndicator(0, Qt::AscendingOrder);
}

void ItemTreeView::takeSelection(const QItemSelection& selected, const QItemSelection& deselected) {
    if (syncing_) return;
    for (const QModelIndex& index : deselected.indexes())
        if (index.column() == 0) tree_.deselect(model_->nodeOf(index));
    for (const QModelIndex& index : selected.indexes())
        if (index.column() == 0) tree_.select(model_->nodeOf(index));
}

// Moving the focus expands the new item and collapses the one before when they are siblings, in
// the tree and in the view; the letter-tag lists keep their items as they are, and so does the
// first item that a tree without a focused item makes current when it takes the keyboard focus.
void ItemTreeView::takeCurrent(const QModelIndex& current, const QModelIndex& previous) {
    if (syncing_) return;
    tree_.setFocused(model_->nodeOf(current));
    if (tree_.family() == RecordFamily::Tags || !current.isValid() || focusingIn_) return;
    const QScopedValueRollback<bool> user(byUser_, true);
    if (previous.isValid() && previous.parent() == current.parent() && previous.row() != current.row())
        collapse(previous.siblingAtColumn(0));
    expand(current.siblingAtColumn(0));
}

// A click while the family's filter bar holds text collapses all but the clicked item.
void ItemTreeView::clickedItem() {
    NavFamily family;
    if (!NavigationContext::familyOf(tree_, family)) return;
    run_([this, family] { navigation_.filters().treeClicked(family); });
}

void ItemTreeView::jump() {
    run_([this] { navigation_.tags().jumpFrom(tree_); });
}

void ItemTreeView::focusInEvent(QFocusEvent* event) {
    focusingIn_ = true;
    QTreeView::focusInEvent(event);
    focusingIn_ = false;
}

void ItemTreeView::keyPressEvent(QKeyEvent* event) {
    if (handleKey(event)) {
        event->accept();
        return;
    }
    const QScopedValueRollback<bool> user(byUser_, true);
    QTreeView::keyPressEvent(event);
}

// With Ctrl only C, V and X are the tree's; the arrows are the tree's with Alt alone and
// otherwise move the focus as usual; a plain C is the tree's in the goal, link and contact
// trees and type-ahead elsewhere. Enter in a tag list jumps to the tag's item.
bool ItemTreeView::handleKey(QKeyEvent* event) {
    const std::optional<TreeKey> key = treeKeyOf(event->key());
    if (!key) return false;
    const KeyModifiers modifiers = modifiersOf(event->modifiers());
    const bool letter = *key == TreeKey::C || *key == TreeKey::V || *key == TreeKey::X;
    if (navigation_.tags().isTagList(tree_)) {
        if (*key != TreeKey::Enter || modifiers.ctrl) return false;
        jump();
        return true;
    }
    if (modifiers.ctrl && !letter) return false;
    if (!modifiers.ctrl && letter) {
        NavFamily family;
        if (*key != TreeKey::C || !NavigationContext::familyOf(tree_, family)) return false;
    }
    if (isArrow(*key) && !(modifiers.alt && !modifiers.shift && !modifiers.ctrl)) return false;
    run_([&] { commands_.treeKeyDown(tree_, *key, modifiers); });
    return true;
}

// Type-ahead where the tree has it; the other trees ignore typed text.
void ItemTreeView::keyboardSearch(const QString& search) {
    if (!navigation_.hasTypeAhead(tree_) || search.isEmpty()) return;
    const std::string typed = search.toStdString();
    const std::int64_t now = steadyMs();
    run_([&] { navigation_.incrementalSearch(tree_, typed, now); });
}

// A right press opens the properties of the first selected item and leaves the selection.
void ItemTreeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (tree_.family() != RecordFamily::Tags) run_([this] { commands_.editFirstSelected(tree_); });
        event->accept();
        return;
    }
    const QScopedValueRollback<bool> user(byUser_, true);
    QTreeView::mousePressEvent(event);
}

void ItemTreeView::mouseReleaseEvent(QMouseEvent* event) {
    const QScopedValueRollback<bool> user(byUser_, true);
    QTreeView::mouseReleaseEvent(event);
}

// A double click on a group opens or closes it.
void ItemTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QScopedValueRollback<bool> user(byUser_, true);
    QTreeView::mouseDoubleClickEvent(event);
}

// The row's colour under the whole row, indentation included; after the cells, the selection
// blended over the item as a rounded rectangle, framed on the focused item.
void ItemTreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QVariant background = index.siblingAtColumn(0).data(Qt::BackgroundRole);
    if (background.canConvert<QBrush>()) painter->fillRect(option.rect, background.value<QBrush>());
    QTreeView::drawRow(painter, option, index);
    const bool selected = selectionModel()->isSelected(index.siblingAtColumn(0));
    const bool current = index.siblingAtColumn(0) == currentIndex() && hasFocus();
    if (!selected && !current) return;
    int depth = 0;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) ++depth;
    const int left = columnViewportPosition(0) + indentation() * (depth + (rootIsDecorated() ? 1 : 0));
    const QRectF item(QPointF(left + 1, option.rect.top() + 1), QPointF(option.rect.right() - 1, option.rect.bottom()));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QColor fill = kSelection;
    fill.setAlpha(selected ? (hasFocus() ? 70 : 40) : 0);
    painter->setBrush(fill);
    painter->setPen(current ? QPen(kSelection, 1) : Qt::NoPen);
    painter->drawRoundedRect(item.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->restore();
}

// Only the item's own expand mark: the style draws no lines, and a row of a deep tree would
// otherwise ask for a mark at every level above it.
void ItemTreeView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
    if (!model_->hasChildren(index)) return;
    QStyleOption mark;
    mark.initFrom(this);
    mark.rect = QRect(rect.right() + 1 - indentation(), rect.top(), indentation(), rect.height());
    mark.state = QStyle::State_Item | QStyle::State_Children;
    if (isExpanded(index)) mark.state |= QStyle::State_Open;
    style()->drawPrimitive(QStyle::PE_IndicatorBranch, &mark, painter, this);
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
    const std::optional<TreeId> sourceId = treeIdNamed(name.toStdString());
    ItemTree* source = sourceId ? &trees_.get(*sourceId) : nullptr;
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
