#include "ui/TreePane.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "navigation/Navigation.h"
#include "trees/ItemTree.h"
#include "ui/Pictures.h"

namespace torvalet::ui {

TreePane::TreePane(ItemTreeView* view, Navigation& navigation, const CommandRunner& run, QWidget* parent)
    : QWidget(parent), view_(view) {
    setObjectName(view->objectName() + QStringLiteral("Pane"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(2);
    ItemTree* tree = &view->tree();
    TreeLevels* levels = &navigation.levels();
    const struct {
        const char* name;
        const char* hint;
        Pictures::Tool picture;
        void (TreeLevels::*command)(ItemTree&);
    } kinds[] = {
        {"FirstBtn", "Scroll Up To The First Item", Pictures::FirstItem, &TreeLevels::gotoFirstVisibleItem},
        {"LastBtn", "Scroll Down Until Last Item", Pictures::LastItem, &TreeLevels::gotoLastVisibleItem},
        {"CollapseBtn", "Collapse All Notes But Selected", Pictures::CollapseAllButSelected,
         &TreeLevels::collapseAllButSelected},
    };
    for (const auto& kind : kinds) {
        auto* button = new QToolButton(this);
        button->setObjectName(view->objectName() + QLatin1String(kind.name));
        button->setToolTip(QString::fromLatin1(kind.hint));
        button->setIcon(Pictures::icon(Pictures::Tools, kind.picture));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        const auto command = kind.command;
        connect(button, &QToolButton::clicked, this,
                [run, levels, tree, command] { run([levels, tree, command] { (levels->*command)(*tree); }); });
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(view, 1);
}

}  // namespace torvalet::ui
