#include "ui/dialogs/LinkPropDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "trees/LinkPropForm.h"
#include "ui/dialogs/DialogControls.h"

namespace torvalet::ui {

LinkPropDialog::LinkPropDialog(LinkPropForm& form, QWidget* parent)
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
    loadLine(nameEdit_, form_.NameEdit);
    loadLine(urlEdit_, form_.UrlEdit);
    loadLine(hotKeyEdit_, form_.HotKeyEdit);
    loadLine(paramsEdit_, form_.ParamsEdit);
    loadLine(dirEdit_, form_.DirEdit);
    accessDatePicker_->setDate(toQDate(form_.AccessDatePicker));
    loadList(kindList_, form_.ComboBox1);
    loadMemo(noteEdit_, form_.NoteEdit);
    nameEdit_->setFocus();
}

void LinkPropDialog::save() {
    saveLine(nameEdit_, form_.NameEdit);
    saveLine(urlEdit_, form_.UrlEdit);
    saveLine(hotKeyEdit_, form_.HotKeyEdit);
    saveLine(paramsEdit_, form_.ParamsEdit);
    saveLine(dirEdit_, form_.DirEdit);
    form_.AccessDatePicker = toDate(accessDatePicker_->date());
    saveList(kindList_, form_.ComboBox1);
    saveMemo(noteEdit_, form_.NoteEdit);
}

void LinkPropDialog::confirm() { form_.OkLinkPropBtnClick(); }

void LinkPropDialog::cancel() { form_.close(); }

}  // namespace torvalet::ui
