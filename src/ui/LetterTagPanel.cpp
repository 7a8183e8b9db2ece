#include "ui/LetterTagPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "navigation/Navigation.h"
#include "ui/Pictures.h"

namespace torvalet::ui {

namespace {

constexpr int kButtonsPerRow = 9;

}  // namespace

LetterTagPanel::LetterTagPanel(ItemTreeView* tags, Navigation& navigation, CommandRunner run, QWidget* parent)
    : QWidget(parent), run_(std::move(run)) {
    const bool contacts = tags->tree().id() == TreeId::ContactTagsTree;
    const QString prefix = tags->objectName() + QStringLiteral("Btn");
    setObjectName(tags->objectName() + QStringLiteral("Panel"));
    LetterTags* letterTags = &navigation.tags();

    auto* letters = new QWidget(this);
    auto* grid = new QGridLayout(letters);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    QList<QToolButton*> buttons;
    buttons << addButton(letters, prefix + QStringLiteral("All"), QStringLiteral("!"), [letterTags, contacts] {
        if (contacts) {
            letterTags->showGeneralContactTags();
        } else {
            letterTags->showGeneralLinkTags();
        }
    });
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::string text(1, letter);
        buttons << addButton(letters, prefix + QChar(letter).toUpper(), QString::fromStdString(text),
                             [letterTags, contacts, text] {
                                 if (contacts) {
                                     letterTags->buildLetterContactTags(text);
                                 } else {
                                     letterTags->buildLetterLinkTags(text);
                                 }
                             });
    }
    for (int i = 0; i < buttons.size(); ++i) grid->addWidget(buttons[i], i / kButtonsPerRow, i % kButtonsPerRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(letters);
    if (contacts) {
        auto* kinds = new QWidget(this);
        auto* row = new QHBoxLayout(kinds);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(1);
        const struct {
            const char* name;
            const char* hint;
            std::int32_t kind;
        } types[] = {{"ShowMenBtn", "Show Men", 1},
                     {"ShowWomenBtn", "Show Women", 2},
                     {"ShowCompaniesBtn", "Show Companies", 3}};
        for (const auto& type : types) {
            const std::int32_t kind = type.kind;
            QToolButton* button = addButton(kinds, QString::fromLatin1(type.name), {},
                                            [letterTags, kind] { letterTags->showContactsOfKind(kind); });
            button->setIcon(Pictures::icon(Pictures::Contacts, kind));
            button->setToolTip(tr(type.hint));
            row->addWidget(button);
        }
        row->addStretch(1);
        layout->addWidget(kinds);
    }
    layout->addWidget(tags, 1);
}

QToolButton* LetterTagPanel::addButton(QWidget* parent, const QString& name, const QString& caption,
                                       const std::function<void()>& command) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setFixedSize(20, 20);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, command] { run_(command); });
    return button;
}

}  // namespace torvalet::ui
