#include "trees/LinkPropForm.h"

namespace torvalet {

LinkPropForm::LinkPropForm(UserInterface& ui, const Settings& settings, DayTextSource dates)
    : RecordForm(ui, settings), dates_(std::move(dates)) {}

std::vector<std::string> LinkPropForm::linkKindCaptions() {
    return {"None", "Internet", "Folder", "File", "Application", "Group", "Search", "Email"};
}

void LinkPropForm::fill(const TLinkData& link) {
    const DayTextContext context = dates_();
    AccessDatePicker = link.AccessDate.empty() ? context.today : DayText(context).DayTextToDate(link.AccessDate);
    NameEdit = link.Name;
    UrlEdit = link.Url;
    HotKeyEdit = link.HotKey;
    ParamsEdit = link.Params;
    DirEdit = link.Dir;
    NoteEdit = link.Note;
    ComboBox1.setItemIndex(link.LinkKind);
}

void LinkPropForm::store(TLinkData& link) const {
    link.Name = NameEdit;
    link.Url = UrlEdit;
    link.HotKey = HotKeyEdit;
    link.Params = ParamsEdit;
    link.Dir = DirEdit;
    link.AccessDate = DayText(dates_()).DateToDayText(AccessDatePicker);
    link.Note = NoteEdit;
    link.LinkKind = ComboBox1.itemIndex();
}

}  // namespace torvalet
