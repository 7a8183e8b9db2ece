#include "ui/FilterBarWidget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "navigation/Navigation.h"

namespace torvalet::ui {

namespace {

struct BarNames {
    const char* edit;
    const char* hint;
    const char* list;
    const char* add;
    const char* clear;
};

BarNames namesOf(NavFamily family) {
    switch (family) {
    case NavFamily::Goals:
        return {"GoalEdit", "Please enter Goal name here...", "ItemFlagComboBox", "AddGoal_RbBtn",
                "ClearGoalEdit_RbBtn"};
    case NavFamily::Links:
        return {"LinkEdit", "Please enter Link name here...", "LinksFilterComboBox", "RbButton55", "RbButton56"};
    case NavFamily::Contacts: break;
    }
    return {"ContactEdit", "Please enter Contact here...", "ContactsFilterComboBox", "AddContact_RbBtn",
            "ClearContactEdit_RbBtn"};
}

QPushButton* smallButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) + 16);
    button->setMaximumWidth(std::max(44, button->minimumWidth()));
    return button;
}

}  // namespace

FilterBarWidget::FilterBarWidget(NavFamily family, Navigation& navigation, CommandRunner run,
                                 std::function<void(const std::string&)> add, QWidget* parent)
    : QWidget(parent), family_(family), navigation_(navigation), run_(std::move(run)) {
    const BarNames names = namesOf(family);
    setObjectName(QString::fromLatin1(names.edit) + QStringLiteral("Bar"));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::fromLatin1(names.edit));
    edit_->setPlaceholderText(tr(names.hint));
    edit_->setClearButtonEnabled(false);
    list_ = new QComboBox(this);
    list_->setObjectName(QString::fromLatin1(names.list));
    for (const char* item : FilterBars::listItems()) list_->addItem(QString::fromLatin1(item));
    list_->setCurrentIndex(-1);
    list_->setPlaceholderText(tr("State"));
    QPushButton* addButton = smallButton(tr("Add"), names.add, this);
    QPushButton* clearButton = smallButton(QStringLiteral("*"), names.clear, this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(edit_, 3);
    layout->addWidget(addButton);
    layout->addWidget(clearButton);
    layout->addWidget(list_, 1);

    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        run_([this, typed = text.toStdString()] { navigation_.filters().editChanged(family_, typed); });
    });
    connect(edit_, &QLineEdit::returnPressed, this,
            [this] { run_([this] { navigation_.filters().editEnter(family_); }); });
    connect(list_, &QComboBox::activated, this,
            [this](int index) { run_([this, index] { navigation_.filters().listChanged(family_, index); }); });
    connect(addButton, &QPushButton::clicked, this, [this, add = std::move(add)] {
        const std::string text = edit_->text().toStdString();
        run_([&add, &text] { add(text); });
    });
    connect(clearButton, &QPushButton::clicked, this,
            [this] { run_([this] { navigation_.filters().clearBar(family_); }); });
}

void FilterBarWidget::showState() {
    const FilterBar& bar = navigation_.bars().of(family_);
    const QString text = QString::fromStdString(bar.text);
    if (edit_->text() != text) edit_->setText(text);
    if (list_->currentIndex() != bar.listIndex) list_->setCurrentIndex(bar.listIndex);
}

}  // namespace torvalet::ui
