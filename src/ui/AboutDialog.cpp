#include "ui/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/Version.h"

namespace torvalet::ui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("About Torvalet"));
    auto* icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    auto* version = new QLabel(QString::fromStdString(programVersionCaption()));
    version->setObjectName(QStringLiteral("VersionLabel"));
    QFont bold = version->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    version->setFont(bold);
    auto* text =
        new QLabel(tr("A personal organizer: tasks with reminders, goals, links, contacts, phrases "
                      "and a calendar of recurring events."));
    text->setWordWrap(true);
    auto* column = new QVBoxLayout;
    column->addWidget(version);
    column->addWidget(text);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(column, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedWidth(420);
}

}  // namespace torvalet::ui
