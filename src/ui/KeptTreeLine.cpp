#include "ui/KeptTreeLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "trees/ItemTree.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeEditGuard.h"

namespace torvalet::ui {

namespace {

QString lineName(const ItemTree& tree) { return QString::fromStdString(tree.name()) + QStringLiteral("KeptLine"); }

}  // namespace

QWidget* withKeptLine(const ItemTree& tree, const TreeEditGuard& guard, QWidget* content) {
    const std::string text = guard.keptText(tree);
    if (text.empty()) return content;
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* line = new QWidget(box);
    line->setObjectName(lineName(tree));
    line->setAutoFillBackground(true);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, QColor(255, 244, 206));
    colours.setColor(QPalette::WindowText, Qt::black);
    line->setPalette(colours);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(4, 2, 4, 2);
    auto* icon = new QLabel(line);
    const int size = line->style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(line->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    auto* words = new QLabel(QString::fromStdString(text), line);
    words->setObjectName(QStringLiteral("text"));
    words->setWordWrap(true);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(words, 1);

    layout->addWidget(line);
    layout->addWidget(content, 1);
    return box;
}

void showKeptLines(QWidget* window, const ItemTreeSet& trees, const TreeEditGuard& guard) {
    for (const ItemTree& tree : trees.all()) {
        auto* line = window->findChild<QWidget*>(lineName(tree));
        if (!line) continue;
        if (auto* words = line->findChild<QLabel*>(QStringLiteral("text")))
            words->setText(QString::fromStdString(guard.keptText(tree)));
    }
}

}  // namespace torvalet::ui
