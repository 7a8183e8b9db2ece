#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include "navigation/FilterBars.h"
#include "ui/ItemTreeView.h"

class QComboBox;
class QLineEdit;

namespace torvalet::ui {

// The filter bar of the goal, link or contact trees: the name edit line (typing filters, Enter
// finds), the list of the eight goal states, "Add" and "*". Its texts live in the core's
// FilterBar; showState() shows them after a command changed them.
class FilterBarWidget : public QWidget {
    Q_OBJECT
public:
    // `add` runs "Add" with the edit line's text.
    FilterBarWidget(NavFamily family, Navigation& navigation, CommandRunner run,
                    std::function<void(const std::string&)> add, QWidget* parent = nullptr);

    QLineEdit* edit() const { return edit_; }
    QComboBox* list() const { return list_; }
    void showState();

private:
    NavFamily family_;
    Navigation& navigation_;
    CommandRunner run_;
    QLineEdit* edit_;
    QComboBox* list_;
};

}  // namespace torvalet::ui
