#include "trees/LinkForm.h"

namespace torvalet {

LinkForm::LinkForm(UserInterface& ui, const Settings& settings, TreeObserver& observer, DayTextSource dates)
    : RecordForm(ui, settings, observer), dates_(std::move(dates)) {}

std::vector<std::string> LinkForm::linkKindCaptions() {
    return {"None", "Internet", "Folder", "File", "Application", "Group", "Search", "Email"};
}

void LinkForm::fill(const LinkRecord& link) {
    const DayTextContext context = dates_();
    accessDate = link.accessDate.empty() ? context.today : DayText(context).dateOfDayText(link.accessDate);
    name = link.name;
    url = link.url;
    hotKey = link.hotKey;
    params = link.params;
    dir = link.dir;
    note = link.note;
    kind.setItemIndex(link.kind);
}

void LinkForm::store(LinkRecord& link) const {
    link.name = name;
    link.url = url;
    link.hotKey = hotKey;
    link.params = params;
    link.dir = dir;
    link.accessDate = DayText(dates_()).dayTextOfDate(accessDate);
    link.note = note;
    link.kind = kind.itemIndex();
}

}  // namespace torvalet
