#include "ui/dialogs/TaskPropsDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include "tasks/TaskStore.h"
#include "ui/Pictures.h"
#include "ui/dialogs/DialogControls.h"

namespace torvalet::ui {

namespace {

const QColor kListColour(214, 240, 214);

void paintBase(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
}

QComboBox* makeNameList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setMaxVisibleItems(16);
    paintBase(list, kListColour);
    return list;
}

// Shows a text without moving the cursor when the control already holds it.
void showValue(QLineEdit* line, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (line->text() != value) line->setText(value);
}

void showValue(QPlainTextEdit* memo, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (memo->toPlainText() != value) memo->setPlainText(value);
}

void showValue(QComboBox* list, const std::string& name) {
    list->setCurrentIndex(list->findText(QString::fromStdString(name), Qt::MatchExactly));
}

void showValue(QDateEdit* picker, Date day) {
    const QDate date = toQDate(day);
    picker->setDate(date.isValid() ? date : picker->minimumDate());
}

QLabel* label(const char* name, const QString& text) {
    auto* caption = new QLabel(text);
    caption->setObjectName(QString::fromLatin1(name));
    return caption;
}

}  // namespace

TaskPropsDialog::TaskPropsDialog(TaskStore& store, TaskCommands& commands, CommandRunner runCommand, QWidget* parent)
    : QDialog(parent, Qt::Tool), store_(store), form_(store, commands), runCommand_(std::move(runCommand)) {
    setObjectName(QStringLiteral("taskPropsForm"));
    setWindowTitle(tr("Properties"));
    buildControls();
    observer_ = store_.listRows.addObserver([this](const QueryEvent& event) {
        if (!isVisible() || event.kind == QueryEvent::RowAboutToBeInserted ||
            event.kind == QueryEvent::RowAboutToBeRemoved)
            return;
        if (event.kind == QueryEvent::Reset) fillLists();  // a language change renames the lookups
        refresh();
    });
}

TaskPropsDialog::~TaskPropsDialog() { store_.listRows.removeObserver(observer_); }

QToolButton* TaskPropsDialog::clearButton(const char* name, const std::function<void()>& clear) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QStringLiteral("\u00D7"));
    button->setToolTip(tr("Clear"));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, clear] { run(clear); });
    return button;
}

void TaskPropsDialog::buildControls() {
    const QColor tooltip = palette().color(QPalette::ToolTipBase);
    taskMemo_ = makeMemo(this, QStringLiteral("TaskMemo"));
    taskMemo_->setFrameShape(QFrame::NoFrame);
    taskMemo_->installEventFilter(this);
    typeList_ = makeNameList(this, QStringLiteral("TypeCombo"));
    prioList_ = makeNameList(this, QStringLiteral("PrioCombo"));
    stateList_ = makeNameList(this, QStringLiteral("StateCombo"));
    projectEdit_ = makeLine(this, QStringLiteral("ProjectEdit"));
    doerEdit_ = makeLine(this, QStringLiteral("DoerEdit"));
    procentEdit_ = makeLine(this, QStringLiteral("ProcentEdit"));
    procentEdit_->setValidator(new QDoubleValidator(0, 100, 2, procentEdit_));
    commentMemo_ = makeMemo(this, QStringLiteral("CommentMemo"));
    dateEdit_ = makeDatePicker(this, QStringLiteral("DateEdit"));
    finalDateEdit_ = makeDatePicker(this, QStringLiteral("Date2Edit"));
    for (QDateEdit* picker : {dateEdit_, finalDateEdit_}) picker->setSpecialValueText(QStringLiteral(" "));  // no date
    timeEdit_ = makeLine(this, QStringLiteral("TimeEdit"));
    finalTimeEdit_ = makeLine(this, QStringLiteral("Time2Edit"));
    for (QLineEdit* time : {timeEdit_, finalTimeEdit_}) {
        time->setReadOnly(true);
        time->setFixedWidth(64);
        time->setAlignment(Qt::AlignCenter);
        time->setCursor(Qt::PointingHandCursor);
        time->setToolTip(tr("Click to pick a time"));
        time->installEventFilter(this);
    }
    for (QWidget* text : std::initializer_list<QWidget*>{taskMemo_, projectEdit_, doerEdit_, procentEdit_, commentMemo_,
                                                         timeEdit_, finalTimeEdit_})
        paintBase(text, tooltip);
    taskMemo_->setMinimumHeight(64);
    commentMemo_->setMaximumHeight(56);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    int rows = 0;
    const auto row = [grid, &rows](QLabel* caption, QWidget* control, QWidget* clear = nullptr) {
        const int at = rows++;
        const bool tall = qobject_cast<QPlainTextEdit*>(control);
        grid->addWidget(caption, at, 0, Qt::AlignRight | (tall ? Qt::AlignTop : Qt::AlignVCenter));
        grid->addWidget(control, at, 1);
        if (clear) grid->addWidget(clear, at, 2);
    };
    row(label("TaskLb", tr("Task")), taskMemo_);
    row(label("TypeLb", tr("Type")), typeList_, clearButton("ClearTypeBtn", [this] { form_.clearType(); }));
    row(label("PrioLb", tr("Prio")), prioList_,
        clearButton("ClearPrioBtn", [this] { runCommand([this] { form_.clearPriority(); }); }));
    row(label("StateLb", tr("State")), stateList_,
        clearButton("ClearStateBtn", [this] { runCommand([this] { form_.clearState(); }); }));
    row(label("ProjectLb", tr("Project")), projectEdit_);
    row(label("DoerLb", tr("Doer")), doerEdit_, clearButton("ClearDoerBtn", [this] { form_.clearDoer(); }));
    row(label("ProcentLb", QStringLiteral("%")), procentEdit_);
    row(label("CommentLb", tr("Comment")), commentMemo_);

    auto* times = new QGroupBox(tr("Date/Time"), this);
    times->setObjectName(QStringLiteral("DateTimeGBox"));
    auto* timesGrid = new QGridLayout(times);
    timesGrid->addWidget(label("DateTimeLb", tr("Date-Time")), 0, 0);
    timesGrid->addWidget(dateEdit_, 0, 1);
    timesGrid->addWidget(timeEdit_, 0, 2);
    timesGrid->addWidget(label("FinalDateTimeLb", tr("Final Date-Time")), 1, 0);
    timesGrid->addWidget(finalDateEdit_, 1, 1);
    timesGrid->addWidget(finalTimeEdit_, 1, 2);
    timesGrid->setColumnStretch(1, 1);

    auto* newButton = new QToolButton(this);
    newButton->setObjectName(QStringLiteral("NewBtn"));
    newButton->setIcon(Pictures::icon(Pictures::Tools, Pictures::NewItem));
    newButton->setToolTip(tr("New task"));
    connect(newButton, &QToolButton::clicked, this, [this] { runCommand([this] { form_.newTask(); }); });
    auto* saveButton = new QToolButton(this);
    saveButton->setObjectName(QStringLiteral("SaveBtn"));
    saveButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    saveButton->setToolTip(tr("Save Task"));
    connect(saveButton, &QToolButton::clicked, this, [this] { run([this] { form_.save(); }); });
    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (!run([this] { form_.close(); })) return;
        QDialog::done(Accepted);
        if (focusGrid) focusGrid();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newButton);
    buttons->addWidget(saveButton);
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(times);
    layout->addLayout(buttons);
    resize(440, 460);

    connect(taskMemo_, &QPlainTextEdit::textChanged, this,
            [this] { userChanged([this] { form_.setTask(taskMemo_->toPlainText().toStdString()); }); });
    connect(commentMemo_, &QPlainTextEdit::textChanged, this,
            [this] { userChanged([this] { form_.setComment(commentMemo_->toPlainText().toStdString()); }); });
    connect(projectEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { userChanged([&] { form_.setProject(text.toStdString()); }); });
    connect(doerEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { userChanged([&] { form_.setDoer(text.toStdString()); }); });
    connect(procentEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        bool number = false;
        const double procent = text.isEmpty() ? 0 : QLocale().toDouble(text, &number);
        if (text.isEmpty() || number) userChanged([&] { form_.setProcent(procent); });
    });
    connect(dateEdit_, &QDateEdit::dateChanged, this,
            [this](QDate day) { userChanged([&] { form_.setDate(toDate(day)); }); });
    connect(finalDateEdit_, &QDateEdit::dateChanged, this,
            [this](QDate day) { userChanged([&] { form_.setDate2(toDate(day)); }); });
    const auto chosen = [this](QComboBox* list, void (TaskPropsForm::*choose)(const std::string&)) {
        connect(list, &QComboBox::activated, this,
                [this, list, choose] { userChanged([&] { (form_.*choose)(list->currentText().toStdString()); }); });
    };
    chosen(typeList_, &TaskPropsForm::chooseType);
    chosen(prioList_, &TaskPropsForm::choosePriority);
    chosen(stateList_, &TaskPropsForm::chooseState);
}

void TaskPropsDialog::fillLists() {
    const std::pair<QComboBox*, std::vector<std::string>> lists[] = {
        {typeList_, form_.typeNames()}, {prioList_, form_.priorityNames()}, {stateList_, form_.stateNames()}};
    for (const auto& [list, names] : lists) {
        list->clear();
        for (const std::string& name : names) list->addItem(QString::fromStdString(name));
    }
}

void TaskPropsDialog::refresh() {
    if (showing_) return;
    showing_ = true;
    // Without a row (a store that could not be opened) there is nothing to type into.
    const bool hasRow = form_.hasRow();
    for (QWidget* input : std::initializer_list<QWidget*>{taskMemo_, typeList_, prioList_, stateList_, projectEdit_,
                                                          doerEdit_, procentEdit_, commentMemo_, dateEdit_,
                                                          finalDateEdit_, timeEdit_, finalTimeEdit_})
        input->setEnabled(hasRow);
    const TaskPropsForm::Fields row = form_.fields();
    showValue(taskMemo_, row.task);
    showValue(typeList_, row.typeName);
    showValue(prioList_, row.priorityName);
    showValue(stateList_, row.stateName);
    showValue(projectEdit_, row.project);
    showValue(doerEdit_, row.doer);
    if (!procentEdit_->hasFocus()) showValue(procentEdit_, row.procent);
    showValue(commentMemo_, row.comment);
    showValue(dateEdit_, row.date);
    showValue(finalDateEdit_, row.date2);
    showValue(timeEdit_, row.time);
    showValue(finalTimeEdit_, row.time2);
    showing_ = false;
}

// What the user typed goes into the row; the controls are not filled again meanwhile.
void TaskPropsDialog::userChanged(const std::function<void()>& operation) {
    if (showing_) return;
    showing_ = true;
    const bool done = run(operation);
    showing_ = false;
    if (!done) refresh();
}

bool TaskPropsDialog::run(const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const std::exception& error) {
        if (showError) showError(error.what());
        return false;
    }
}

void TaskPropsDialog::runCommand(const std::function<void()>& command) {
    run([this, &command] { runCommand_(command); });
}

void TaskPropsDialog::setDateFormat(QString format) {
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    dateEdit_->setDisplayFormat(format);
    finalDateEdit_->setDisplayFormat(format);
}

void TaskPropsDialog::showFor(bool modal) {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr)
        move(screen->availableGeometry().center() - rect().center());
    if (modal) {
        exec();
    } else {
        setModal(false);
        show();
        raise();
        activateWindow();
    }
}

// Every time it shows, the dialog binds to the current row again.
void TaskPropsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillLists();
    refresh();
    taskMemo_->setFocus();
    taskMemo_->moveCursor(QTextCursor::End);
}

void TaskPropsDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
}

// Closing in any way saves the row; when the save fails the dialog stays, with the row still
// being edited.
void TaskPropsDialog::done(int result) {
    if (!run([this] { form_.close(); })) return;
    QDialog::done(result);
}

bool TaskPropsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == taskMemo_ &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        done(Rejected);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && (watched == timeEdit_ || watched == finalTimeEdit_)) {
        runCommand([this, watched] { watched == timeEdit_ ? form_.chooseTime() : form_.chooseFinalTime(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace torvalet::ui
