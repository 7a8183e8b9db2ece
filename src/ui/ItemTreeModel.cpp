#include "ui/ItemTreeModel.h"

#include <QBrush>
#include <QColor>

#include <array>

#include "trees/ContactRecord.h"
#include "trees/EventRecord.h"
#include "trees/GoalLook.h"
#include "trees/ItemTree.h"
#include "trees/LinkRecord.h"
#include "trees/PhraseRecord.h"
#include "trees/RecordFields.h"
#include "ui/SettingsColor.h"

namespace torvalet::ui {

namespace {

const RecordText* pick(std::initializer_list<const RecordText*> cells, int column) {
    return column >= 0 && column < int(cells.size()) ? *(cells.begin() + column) : nullptr;
}

// Line breaks become blanks: every item is drawn on one line.
QString oneLine(std::string_view text) {
    QString line = QString::fromUtf8(text.data(), qsizetype(text.size()));
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

bool visible(const TreeNode* node) { return node->hasFlag(NodeFlag::Visible); }

}  // namespace

ItemTreeModel::ItemTreeModel(ItemTree& tree, QObject* parent)
    : QAbstractItemModel(parent),
      tree_(tree),
      columns_(columnsOf(tree)),
      linkTags_(tree.id() == TreeId::LinkTagsTree),
      font_(QStringLiteral("Tahoma"), tree.family() == RecordFamily::Tags ? 8 : 9) {
    font_.setStyleHint(QFont::SansSerif);
    boldFont_ = font_;
    boldFont_.setBold(true);
}

TreeNode* ItemTreeModel::nodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex ItemTreeModel::indexOf(const TreeNode* node, int column) const {
    if (!node || node->isRoot() || !visible(node)) return {};
    for (const TreeNode* up = node->parent(); !up->isRoot(); up = up->parent())
        if (!visible(up)) return {};
    return indexInView(node, column);
}

QModelIndex ItemTreeModel::indexInView(const TreeNode* node, int column) const {
    return createIndex(rowOf(node), column, const_cast<TreeNode*>(node));
}

int ItemTreeModel::columnWidth(int column) const {
    return column >= 0 && column < int(columns_.size()) ? columns_[std::size_t(column)].width : 0;
}

void ItemTreeModel::refresh() {
    beginResetModel();
    children_.clear();
    rows_.clear();
    endResetModel();
}

void ItemTreeModel::nodeChanged(const TreeNode* node) {
    const QModelIndex first = indexOf(node, 0);
    if (first.isValid()) emit dataChanged(first, first.siblingAtColumn(columnCount() - 1));
}

const std::vector<TreeNode*>& ItemTreeModel::childrenOf(const TreeNode* parent) const {
    auto found = children_.find(parent);
    if (found != children_.end()) return found->second;
    std::vector<TreeNode*>& children = children_[parent];
    for (TreeNode* child = parent->firstChild(); child; child = child->nextSibling()) {
        if (!visible(child)) continue;
        rows_[child] = int(children.size());
        children.push_back(child);
    }
    return children;
}

int ItemTreeModel::rowOf(const TreeNode* node) const {
    auto found = rows_.find(node);
    if (found != rows_.end()) return found->second;
    childrenOf(node->parent());
    return rows_.at(node);
}

QModelIndex ItemTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= columnCount() || parent.column() > 0) return {};
    const std::vector<TreeNode*>& children = childrenOf(parent.isValid() ? nodeOf(parent) : tree_.root());
    if (row >= int(children.size())) return {};
    return createIndex(row, column, children[std::size_t(row)]);
}

// The parent of a row is a row too: no need to ask whether its branch is hidden.
QModelIndex ItemTreeModel::parent(const QModelIndex& child) const {
    const TreeNode* node = nodeOf(child);
    if (!node || node->parent()->isRoot()) return {};
    return indexInView(node->parent());
}

int ItemTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return int(childrenOf(parent.isValid() ? nodeOf(parent) : tree_.root()).size());
}

int ItemTreeModel::columnCount(const QModelIndex&) const { return int(columns_.size()); }

bool ItemTreeModel::hasChildren(const QModelIndex& parent) const {
    if (parent.column() > 0) return false;
    const TreeNode* node = parent.isValid() ? nodeOf(parent) : tree_.root();
    for (const TreeNode* child = node->firstChild(); child; child = child->nextSibling())
        if (visible(child)) return true;
    return false;
}

const RecordText* ItemTreeModel::cell(const TreeNode& node, int column) const {
    if (const auto* goal = node.findRecord<GoalRecord>()) return GoalLook::cellText(*goal, column);
    if (const auto* link = node.findRecord<LinkRecord>())
        return pick({&link->name, &link->url, &link->hotKey, &link->params}, column);
    if (const auto* contact = node.findRecord<ContactRecord>())
        return pick({&contact->official, &contact->phone1, &contact->phone2, &contact->email, &contact->note}, column);
    if (const auto* phrase = node.findRecord<PhraseRecord>()) return pick({&phrase->name, &phrase->text}, column);
    if (const auto* event = node.findRecord<EventRecord>())
        return pick({&event->text, &event->date, &event->time, &event->note}, column);
    return column == 0 ? firstTextField(node) : nullptr;
}

QString ItemTreeModel::cellText(const TreeNode& node, int column) const {
    const RecordText* text = cell(node, column);
    return text ? oneLine(*text) : QString();
}

QIcon ItemTreeModel::picture(const TreeNode& node, int column) const {
    if (const auto* goal = node.findRecord<GoalRecord>()) {
        const std::optional<int> index = GoalLook::imageIndex(*goal, column);
        return index ? Pictures::icon(Pictures::Goals, *index) : QIcon();
    }
    const std::int32_t* kind = kindField(node);
    if (column != 0 || !kind) return {};
    return Pictures::icon(Pictures::setOf(node.family(), linkTags_), *kind);
}

bool ItemTreeModel::isGroup(const TreeNode& node) const {
    const std::int32_t* kind = kindField(node);
    if (!kind) return false;
    switch (node.family()) {
    case RecordFamily::Goals: return *kind == 0;
    case RecordFamily::Links: return *kind == 5;
    case RecordFamily::Contacts: return *kind == 4;
    case RecordFamily::Phrases:
    case RecordFamily::Events: return *kind == 1;
    case RecordFamily::Tags: return *kind == (linkTags_ ? 5 : 4);
    case RecordFamily::None: break;
    }
    return false;
}

QVariant ItemTreeModel::background(const TreeNode& node, int row) const {
    if (const auto* goal = node.findRecord<GoalRecord>()) {
        const GoalLook look = GoalLook::of(*goal, muteStateColour_);
        return look.transparent ? QVariant() : QVariant(QBrush(fromSettingsColor(look.background)));
    }
    if (node.family() == RecordFamily::Tags && row % 2 == 1) return QBrush(tagTint());
    return {};
}

QVariant ItemTreeModel::foreground(const TreeNode& node) const {
    if (node.hasFlag(NodeFlag::CutOrCopyMark)) return QBrush(Qt::gray);
    if (const auto* goal = node.findRecord<GoalRecord>()) {
        const GoalLook look = GoalLook::of(*goal, muteStateColour_);
        return look.text ? QVariant(QBrush(fromSettingsColor(*look.text))) : QVariant();
    }
    return QBrush(Qt::black);
}

QVariant ItemTreeModel::data(const QModelIndex& index, int role) const {
    const TreeNode* node = nodeOf(index);
    if (!node) return {};
    switch (role) {
    case Qt::DisplayRole: return cellText(*node, index.column());
    case Qt::ToolTipRole: {
        const RecordText* text = cell(*node, index.column());
        return text && !text->empty() ? QVariant(QString::fromUtf8(text->data(), qsizetype(text->size()))) : QVariant();
    }
    case Qt::DecorationRole: {
        const QIcon icon = picture(*node, index.column());
        return icon.isNull() ? QVariant() : QVariant(icon);
    }
    case Qt::FontRole: return isGroup(*node) ? boldFont_ : font_;
    case Qt::BackgroundRole: return background(*node, index.row());
    case Qt::ForegroundRole: return foreground(*node);
    default: return {};
    }
}

QVariant ItemTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= int(columns_.size()))
        return {};
    if (const auto title = titles_.constFind(section); title != titles_.constEnd()) return *title;
    return QString::fromLatin1(columns_[std::size_t(section)].caption);
}

void ItemTreeModel::setColumnTitle(int column, const QString& title) {
    if (column < 0 || column >= int(columns_.size())) return;
    titles_.insert(column, title);
    emit headerDataChanged(Qt::Horizontal, column, column);
}

Qt::ItemFlags ItemTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList ItemTreeModel::mimeTypes() const { return {QString::fromLatin1(kMimeType)}; }

Qt::DropActions ItemTreeModel::supportedDropActions() const { return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction; }

Qt::DropActions ItemTreeModel::supportedDragActions() const { return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction; }

}  // namespace torvalet::ui
