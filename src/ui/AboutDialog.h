#pragma once

#include <QDialog>

namespace torvalet::ui {

// The About box: the program's icon, its version caption and what it is.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace torvalet::ui
