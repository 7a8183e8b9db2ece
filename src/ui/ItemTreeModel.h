#pragma once

#include <QAbstractItemModel>
#include <QFont>
#include <QHash>

#include <unordered_map>
#include <vector>

#include "model/Settings.h"
#include "ui/Pictures.h"
#include "ui/TreeColumns.h"

namespace torvalet {
class ItemTree;
class RecordText;
class TreeNode;
}  // namespace torvalet

namespace torvalet::ui {

// A Qt item model over one ItemTree: one row per visible node (internal pointer = TreeNode*);
// hidden nodes take no rows with their subtrees. The core changes the tree itself; the window
// calls refresh() after a command changed the structure or the visible flags, and
// nodeChanged() after a record changed.
//
// Cells are drawn as the tree's family wants them: texts on one line, pictures by kind (goals:
// type, state and priority pictures), group items bold, goal rows coloured by their state,
// every second tag of a letter-tag list tinted. Rows are found through a cache of each
// parent's visible children, built when a parent is first asked about and dropped on
// refresh(), so data() never walks the tree.
class ItemTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // What a drag of tree items carries: the name of the tree it started in.
    static constexpr const char* kMimeType = "application/x-torvalet-tree-items";
    // The tint of every second tag in a letter-tag list.
    static QColor tagTint() { return {238, 238, 255}; }

    explicit ItemTreeModel(ItemTree& tree, QObject* parent = nullptr);

    ItemTree& tree() const { return tree_; }
    // The colour of goals in the mute state (the setting muteStateColour).
    void setMuteStateColour(SettingsColor colour) { muteStateColour_ = colour; }

    // Null for an invalid index (the root).
    TreeNode* nodeOf(const QModelIndex& index) const;
    // Invalid for null, the root or a node in a hidden branch (found by walking up the tree).
    QModelIndex indexOf(const TreeNode* node, int column = 0) const;
    // The index of a node known to be visible in a visible branch, without that walk.
    QModelIndex indexInView(const TreeNode* node, int column = 0) const;
    // Default widths of the columns in pixels (0: hidden).
    int columnWidth(int column) const;
    // A column title in place of the built-in one (a language file's).
    void setColumnTitle(int column, const QString& title);
    // The text a cell draws, on one line.
    QString cellText(const TreeNode& node, int column) const;

    // The tree's structure or visible flags changed: every index is given up.
    void refresh();
    // The node's record changed: its row is repainted.
    void nodeChanged(const TreeNode* node);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

private:
    const std::vector<TreeNode*>& childrenOf(const TreeNode* parent) const;
    int rowOf(const TreeNode* node) const;
    const RecordText* cell(const TreeNode& node, int column) const;
    QIcon picture(const TreeNode& node, int column) const;
    bool isGroup(const TreeNode& node) const;
    QVariant background(const TreeNode& node, int row) const;
    QVariant foreground(const TreeNode& node) const;

    ItemTree& tree_;
    std::vector<TreeColumn> columns_;
    QHash<int, QString> titles_;
    bool linkTags_;
    QFont font_;
    QFont boldFont_;
    SettingsColor muteStateColour_ = 0xFFFFFF;
    mutable std::unordered_map<const TreeNode*, std::vector<TreeNode*>> children_;
    mutable std::unordered_map<const TreeNode*, int> rows_;
};

}  // namespace torvalet::ui
