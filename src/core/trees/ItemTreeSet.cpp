#include "trees/ItemTreeSet.h"

#include <array>
#include <stdexcept>
#include <string>

namespace torvalet {

namespace {

struct TreeKind {
    std::string_view name;
    RecordFamily family;
};

constexpr std::array<TreeKind, 16> kTrees = {{
    {"GoalTree", RecordFamily::Goals},
    {"Goal2Tree", RecordFamily::Goals},
    {"Goal3Tree", RecordFamily::Goals},
    {"Goal4Tree", RecordFamily::Goals},
    {"Goal5Tree", RecordFamily::Goals},
    {"LinksTree", RecordFamily::Links},
    {"StdLinksTree", RecordFamily::Links},
    {"FoldersTree", RecordFamily::Links},
    {"SearchTree", RecordFamily::Links},
    {"DocsTree", RecordFamily::Links},
    {"ImagesTree", RecordFamily::Links},
    {"MarksLinksTree", RecordFamily::Tags},
    {"PhrasesTree", RecordFamily::Phrases},
    {"CalendarTree", RecordFamily::Events},
    {"ContactsTree", RecordFamily::Contacts},
    {"MarksTree", RecordFamily::Tags},
}};

}  // namespace

ItemTreeSet::ItemTreeSet() {
    trees_.reserve(kTrees.size());
    for (const TreeKind& kind : kTrees) {
        const bool multiSelect = kind.name != "MarksTree";
        ItemTree& tree = trees_.emplace_back(std::string(kind.name), kind.family, multiSelect);
        tree.appendChild();
    }
}

ItemTree* ItemTreeSet::find(std::string_view name) {
    for (ItemTree& tree : trees_) {
        if (tree.name() == name) return &tree;
    }
    return nullptr;
}

const ItemTree* ItemTreeSet::find(std::string_view name) const { return const_cast<ItemTreeSet*>(this)->find(name); }

ItemTree& ItemTreeSet::get(std::string_view name) {
    if (ItemTree* tree = find(name)) return *tree;
    throw std::out_of_range("no item tree named " + std::string(name));
}

std::optional<RecordFamily> ItemTreeSet::familyOf(std::string_view treeName) {
    for (const TreeKind& kind : kTrees) {
        if (kind.name == treeName) return kind.family;
    }
    return std::nullopt;
}

}  // namespace torvalet
