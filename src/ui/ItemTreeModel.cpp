#include "ui/ItemTreeModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <array>

#include "trees/GoalForm.h"
#include "trees/GoalLook.h"
#include "trees/ItemTree.h"
#include "trees/RecordFields.h"
#include "trees/TContactData.h"
#include "trees/TEventData.h"
#include "trees/TLinkData.h"
#include "trees/TPhraseData.h"
#include "ui/SettingsColor.h"

namespace torvalet::ui {

namespace {

struct Column {
    const char* caption;
    int width;
};

// The columns of each family; the goal "Typ" column is hidden, as are the link columns that
// show nothing. The goal columns "Prio" and "State" show the state and the priority, in that
// (crossed) order, by caption instead of by picture.
std::vector<Column> columnsOf(RecordFamily family) {
    switch (family) {
    case RecordFamily::Goals: return {{"Goal", 350}, {"Typ", 0}, {"Prio", 70}, {"State", 70}, {"Comment", 450}};
    case RecordFamily::Links:
        return {{"name", 250}, {"URL", 300}, {"HotKey", 90}, {"Params", 120},
                {"Dir", 0},    {"AccessDate", 0}, {"Note", 0}};
    case RecordFamily::Contacts:
        return {{"Official", 350}, {"phone1", 120}, {"phone2", 120}, {"email", 150}, {"Comment", 300}};
    case RecordFamily::Phrases: return {{"name", 300}, {"Phrase", 338}};
    case RecordFamily::Events: return {{"Event", 400}, {"Date", 80}, {"Time", 60}, {"Comment", 241}};
    default: return {{"name", 150}};
    }
}

QString text(const std::string& value) { return QString::fromStdString(value); }

QString caption(const std::vector<std::string>& captions, std::int32_t value) {
    if (value < 0 || value >= static_cast<std::int32_t>(captions.size())) return {};
    return text(captions[static_cast<std::size_t>(value)]);
}

}  // namespace

ItemTreeModel::ItemTreeModel(ItemTree& tree, QObject* parent) : QAbstractItemModel(parent), tree_(tree) {}

TreeNode* ItemTreeModel::nodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex ItemTreeModel::indexOf(const TreeNode* node, int column) const {
    if (!node || node->isRoot()) return {};
    return createIndex(rowOf(node), column, const_cast<TreeNode*>(node));
}

int ItemTreeModel::columnWidth(int column) const {
    const std::vector<Column> columns = columnsOf(tree_.family());
    return column >= 0 && column < int(columns.size()) ? columns[std::size_t(column)].width : 0;
}

void ItemTreeModel::refresh() {
    beginResetModel();
    children_.clear();
    rows_.clear();
    endResetModel();
}

void ItemTreeModel::nodeChanged(const TreeNode* node) {
    if (!node || node->isRoot()) return;
    emit dataChanged(indexOf(node, 0), indexOf(node, columnCount() - 1));
}

const std::vector<TreeNode*>& ItemTreeModel::childrenOf(const TreeNode* parent) const {
    auto found = children_.find(parent);
    if (found != children_.end()) return found->second;
    std::vector<TreeNode*>& children = children_[parent];
    children.reserve(parent->childCount());
    for (TreeNode* child = parent->firstChild(); child; child = child->nextSibling()) {
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
    const TreeNode* parentNode = parent.isValid() ? nodeOf(parent) : tree_.root();
    const std::vector<TreeNode*>& children = childrenOf(parentNode);
    if (row >= int(children.size())) return {};
    return createIndex(row, column, children[std::size_t(row)]);
}

QModelIndex ItemTreeModel::parent(const QModelIndex& child) const {
    const TreeNode* node = nodeOf(child);
    return node ? indexOf(node->parent()) : QModelIndex();
}

int ItemTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    const TreeNode* node = parent.isValid() ? nodeOf(parent) : tree_.root();
    return int(node->childCount());
}

int ItemTreeModel::columnCount(const QModelIndex&) const { return int(columnsOf(tree_.family()).size()); }

bool ItemTreeModel::hasChildren(const QModelIndex& parent) const {
    if (parent.column() > 0) return false;
    const TreeNode* node = parent.isValid() ? nodeOf(parent) : tree_.root();
    return node->hasChildren();
}

QVariant ItemTreeModel::data(const QModelIndex& index, int role) const {
    const TreeNode* node = nodeOf(index);
    if (!node) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return display(*node, index.column());
    if (node->family() == RecordFamily::Goals) return goalLook(*node, index.column(), role);
    if (role == Qt::FontRole) {
        const std::int32_t* kind = kindField(*node);
        const bool group = kind && ((node->family() == RecordFamily::Links && *kind == 5) ||
                                    (node->family() == RecordFamily::Contacts && *kind == 4) ||
                                    (node->family() == RecordFamily::Phrases && *kind == 1) ||
                                    (node->family() == RecordFamily::Events && *kind == 1));
        if (group) {
            QFont font;
            font.setBold(true);
            return font;
        }
    }
    if (role == Qt::ForegroundRole && node->hasFlag(NodeFlag::CutOrCopyMark)) return QBrush(Qt::gray);
    return {};
}

QVariant ItemTreeModel::display(const TreeNode& node, int column) const {
    if (const auto* goal = node.findRecord<TGoalData>()) {
        if (column == 2) return caption(GoalForm::goalStateCaptions(), goal->State);
        if (column == 3) return caption(GoalForm::goalPrioCaptions(), goal->Prio);
        const RecordText* cell = GoalLook::cellText(*goal, column);
        return cell ? text(*cell) : QVariant();
    }
    if (const auto* link = node.findRecord<TLinkData>()) {
        const std::array<const RecordText*, 4> cells{&link->Name, &link->Url, &link->HotKey, &link->Params};
        return column < int(cells.size()) ? text(*cells[std::size_t(column)]) : QVariant();
    }
    if (const auto* contact = node.findRecord<TContactData>()) {
        const std::array<const RecordText*, 5> cells{&contact->Official, &contact->Phone1, &contact->Phone2,
                                                      &contact->Email, &contact->Note};
        return column < int(cells.size()) ? text(*cells[std::size_t(column)]) : QVariant();
    }
    if (const auto* phrase = node.findRecord<TPhraseData>()) return text(column == 0 ? phrase->Name : phrase->Phrase);
    if (const auto* event = node.findRecord<TEventData>()) {
        const std::array<const RecordText*, 4> cells{&event->Event, &event->EventDate, &event->EventTime,
                                                      &event->Note};
        return column < int(cells.size()) ? text(*cells[std::size_t(column)]) : QVariant();
    }
    const RecordText* name = firstTextField(node);
    return name && column == 0 ? text(*name) : QVariant();
}

QVariant ItemTreeModel::goalLook(const TreeNode& node, int, int role) const {
    const auto& goal = node.record<TGoalData>();
    const GoalLook look = GoalLook::of(goal, muteStateColour_);
    switch (role) {
    case Qt::BackgroundRole:
        return look.transparent ? QVariant() : QVariant(QBrush(fromSettingsColor(look.background)));
    case Qt::ForegroundRole:
        if (node.hasFlag(NodeFlag::CutOrCopyMark)) return QBrush(Qt::gray);
        return look.text ? QVariant(QBrush(fromSettingsColor(*look.text))) : QVariant();
    case Qt::FontRole:
        if (look.bold) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    default: return {};
    }
}

QVariant ItemTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const std::vector<Column> columns = columnsOf(tree_.family());
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= int(columns.size()))
        return {};
    return QString::fromLatin1(columns[std::size_t(section)].caption);
}

Qt::ItemFlags ItemTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList ItemTreeModel::mimeTypes() const { return {QString::fromLatin1(kMimeType)}; }

Qt::DropActions ItemTreeModel::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

Qt::DropActions ItemTreeModel::supportedDragActions() const {
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

}  // namespace torvalet::ui
