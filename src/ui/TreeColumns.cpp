#include "ui/TreeColumns.h"

#include "trees/ItemTree.h"

namespace torvalet::ui {

std::vector<TreeColumn> columnsOf(const ItemTree& tree) {
    switch (tree.family()) {
    case RecordFamily::Goals: return {{"Goal", 350}, {"Typ", 0}, {"Prio", 24}, {"State", 24}, {"Comment", 450}};
    case RecordFamily::Links: {
        const std::optional<TreeId> id = tree.id();
        const bool accessInfo = id == TreeId::SearchTree || id == TreeId::DocsTree || id == TreeId::ImagesTree;
        return {{"name", 260},   {"URL", 320}, {"HotKey", 90},
                {"Params", 110}, {"Dir", 90},  {accessInfo ? "AccessInfo" : "AccessDate", 90},
                {"Note", 120}};
    }
    case RecordFamily::Contacts:
        return {{"Official", 350}, {"phone1", 120}, {"phone2", 120}, {"email", 150}, {"Comment", 300}};
    case RecordFamily::Phrases: return {{"name", 300}, {"Phrase", 338}};
    case RecordFamily::Events: return {{"Event", 400}, {"Date", 80}, {"Time", 60}, {"Comment", 241}};
    case RecordFamily::Tags: return {{tree.id() == TreeId::LinkTagsTree ? "name" : "Official", 150}};
    case RecordFamily::None: break;
    }
    return {{"name", 150}};
}

}  // namespace torvalet::ui
