#pragma once

#include <QWidget>

#include "ui/ItemTreeView.h"

namespace torvalet::ui {

// A goal, link or contact tree with its small buttons beside it: "Scroll Up To The First
// Item", "Scroll Down Until Last Item" and "Collapse All Notes But Selected".
class TreePane : public QWidget {
    Q_OBJECT
public:
    TreePane(ItemTreeView* view, Navigation& navigation, const CommandRunner& run, QWidget* parent = nullptr);

    ItemTreeView* view() const { return view_; }

private:
    ItemTreeView* view_;
};

}  // namespace torvalet::ui
