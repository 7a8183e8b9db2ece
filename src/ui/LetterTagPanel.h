#pragma once

#include <QWidget>

#include "ui/ItemTreeView.h"

class QToolButton;

namespace torvalet::ui {

// A letter-tag list with its 27 small buttons above it: "!" builds the general tags, "a" to
// "z" the tags of that letter. The contact list also has the type filters: men, women,
// companies.
class LetterTagPanel : public QWidget {
    Q_OBJECT
public:
    LetterTagPanel(ItemTreeView* tags, Navigation& navigation, CommandRunner run, QWidget* parent = nullptr);

private:
    QToolButton* addButton(QWidget* parent, const QString& name, const QString& caption,
                           const std::function<void()>& command);

    CommandRunner run_;
};

}  // namespace torvalet::ui
