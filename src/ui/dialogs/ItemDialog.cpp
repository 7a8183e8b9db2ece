#include "ui/dialogs/ItemDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace torvalet::ui {

ItemDialog::ItemDialog(QWidget* parent, const QString& objectName, const QString& title, const QString& okName)
    : QDialog(parent), rows_(new QFormLayout), ok_(new QPushButton(QStringLiteral("Ok"), this)) {
    setObjectName(objectName);
    setWindowTitle(title);
    ok_->setObjectName(okName);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &ItemDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows_);
    layout->addLayout(buttons);
}

void ItemDialog::run() {
    // Asked again while open: the dialog now shows the item the form was filled from last.
    if (isVisible()) {
        load();
        raise();
        return;
    }
    load();
    if (exec() != Accepted) cancel();
}

void ItemDialog::accept() {
    try {
        save();
        confirm();
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
        return;
    }
    QDialog::accept();
}

QLabel* ItemDialog::addRow(const QString& labelName, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(labelName);
    label->setBuddy(field);
    rows_->addRow(label, field);
    return label;
}

}  // namespace torvalet::ui
