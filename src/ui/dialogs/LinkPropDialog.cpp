#include "ui/dialogs/LinkPropDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "trees/LinkForm.h"
#include "ui/dialogs/DialogControls.h"

namespace torvalet::ui {

LinkPropDialog::LinkPropDialog(LinkForm& form, QWidget* parent)
    : ItemDialog(parent, QStringLiteral("LinkPropForm"), QStringLiteral("Link Properties"),
                 QStringLiteral("OkLinkPropBtn")),
      form_(form),
      nameEdit_(makeLine(this, QStringLiteral("NameEdit"))),
      urlEdit_(makeLine(this, QStringLiteral("UrlEdit"))),
      hotKeyEdit_(makeLine(this, QStringLiteral("HotKeyEdit"))),
      paramsEdit_(makeLine(this, QStringLiteral("ParamsEdit"))),
      dirEdit_(makeLine(this, QStringLiteral("DirEdit"))),
      accessDatePicker_(makeDatePicker(this, QStringLiteral("AccessDatePicker"))),
      kindList_(makeList(this, QStringLiteral("ComboBox1"))),
      noteEdit_(makeMemo(this, QStringLiteral("NoteEdit"))) {
    addRow(QStringLiteral("NameLb"), QStringLiteral("Name"), nameEdit_);
    addRow(QStringLiteral("URLLb"), QStringLiteral("URL"), urlEdit_);
    addRow(QStringLiteral("HotKeyLb"), QStringLiteral("HotKey"), hotKeyEdit_);
    addRow(QStringLiteral("ParamsLb"), QStringLiteral("Parameters"), paramsEdit_);
    addRow(QStringLiteral("DirLb"), QStringLiteral("Directory"), dirEdit_);
    addRow(QStringLiteral("AcDateLb"), QStringLiteral("Access Date"), accessDatePicker_);
    addRow(QStringLiteral("TypeLb"), QStringLiteral("Type"), kindList_);
    addRow(QStringLiteral("NoteLb"), QStringLiteral("Note"), noteEdit_);
    resize(500, 400);
}

void LinkPropDialog::load() {
    loadLine(nameEdit_, form_.name);
    loadLine(urlEdit_, form_.url);
    loadLine(hotKeyEdit_, form_.hotKey);
    loadLine(paramsEdit_, form_.params);
    loadLine(dirEdit_, form_.dir);
    accessDatePicker_->setDate(toQDate(form_.accessDate));
    loadList(kindList_, form_.kind);
    loadMemo(noteEdit_, form_.note);
    nameEdit_->setFocus();
}

void LinkPropDialog::save() {
    saveLine(nameEdit_, form_.name);
    saveLine(urlEdit_, form_.url);
    saveLine(hotKeyEdit_, form_.hotKey);
    saveLine(paramsEdit_, form_.params);
    saveLine(dirEdit_, form_.dir);
    form_.accessDate = toDate(accessDatePicker_->date());
    saveList(kindList_, form_.kind);
    saveMemo(noteEdit_, form_.note);
}

void LinkPropDialog::confirm() { form_.acceptLink(); }

void LinkPropDialog::cancel() { form_.close(); }

}  // namespace torvalet::ui
