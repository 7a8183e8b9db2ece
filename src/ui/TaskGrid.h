#pragma once

#include <QTableView>

#include <functional>

namespace torvalet {
struct TaskContext;
}

namespace torvalet::ui {

class TaskGridDelegate;
class TaskTableModel;

// The task grid: the task list's rows with whole-row selection and multi-selection. Its current
// row is the task list's current row, and the rows selected in it are the task list's selection
// of bookmarks, both ways. Cells are painted by TaskGridDelegate from the rows on screen only.
class TaskGrid : public QTableView {
    Q_OBJECT
public:
    // The grid shows the list of `tasks`, in the colours and fonts of their settings.
    explicit TaskGrid(const TaskContext& tasks, QWidget* parent = nullptr);
    ~TaskGrid() override;

    TaskTableModel* taskModel() const { return model_; }
    TaskGridDelegate* delegate() const { return delegate_; }

    // Shows the task list's current row and selection as the core has them now.
    void showListState();
    void showCurrent();
    // Colours of the settings, fonts and the date format, as start-up or a change left them.
    void applySettings();
    // Paints the rows on screen again, for the looks that depend on the present minute.
    void showMinute();

    // F2 and a double click, F5, Ctrl+Delete.
    std::function<void()> openProperties, clone, deleteRows;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setUpColumns();
    void selectionToList();
    void currentToList(const QModelIndex& current);
    void fitTitle(int column);
    void fillTaskColumn();

    const TaskContext& tasks_;
    TaskTableModel* model_;
    TaskGridDelegate* delegate_;
    int observer_ = -1;
    bool syncing_ = false;
    bool movingFromGrid_ = false;
    bool userSizedTaskColumn_ = false;
    bool sizingTaskColumn_ = false;
};

}  // namespace torvalet::ui
