#pragma once

#include <QMainWindow>

class QAction;
class QCalendarWidget;
class QPlainTextEdit;
class QTabWidget;
class QTableView;

namespace torvalet {
class Organizer;
}

namespace torvalet::ui {

class TaskTableModel;

// The main window: five pages over the message pad and the month calendar. It shows the
// organiser's state and calls its commands; closing it runs the close sequence once.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Organizer& organizer, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows what start-up left in the organiser: message pad, textboard, colours, calendar.
    void showOrganizerState();
    void refreshMessagePad();
    TaskTableModel* taskModel() const { return taskModel_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildTasksPage();
    QWidget* buildLinksPage();
    QWidget* buildContactsPage();
    QWidget* buildBlocknotePage();
    QWidget* buildCalendarPage();
    QWidget* buildBottomPanel();
    void showCalendarSelection();
    void applyColors();

    Organizer& organizer_;
    TaskTableModel* taskModel_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QTableView* grid_ = nullptr;
    QPlainTextEdit* messagePad_ = nullptr;
    QPlainTextEdit* textboard_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    QWidget* bottomPanel_ = nullptr;
    bool closed_ = false;
};

}  // namespace torvalet::ui
