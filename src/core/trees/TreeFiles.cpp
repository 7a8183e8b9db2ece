#include "trees/TreeFiles.h"

#include <array>

namespace torvalet {

namespace {

constexpr std::array<TreeFile, 14> kTreeFiles = {{
    {"GoalTree", "goals.dat", RecordFamily::Goals, false},
    {"Goal2Tree", "goals2.dat", RecordFamily::Goals, false},
    {"Goal3Tree", "goals3.dat", RecordFamily::Goals, false},
    {"Goal4Tree", "goals4.dat", RecordFamily::Goals, false},
    {"Goal5Tree", "goals5.dat", RecordFamily::Goals, false},
    {"LinksTree", "links.goto", RecordFamily::Links, false},
    {"StdLinksTree", "tools.goto", RecordFamily::Links, false},
    {"FoldersTree", "folders.goto", RecordFamily::Links, false},
    {"SearchTree", "search.goto", RecordFamily::Links, false},
    {"DocsTree", "docs.goto", RecordFamily::Links, false},
    {"ImagesTree", "images.goto", RecordFamily::Links, true},
    {"ContactsTree", "contacts.co", RecordFamily::Contacts, false},
    {"CalendarTree", "calendar.clnd", RecordFamily::Events, false},
    {"PhrasesTree", "phrases.phr", RecordFamily::Phrases, false},
}};

std::string_view baseName(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::span<const TreeFile> treeFiles() { return kTreeFiles; }

std::optional<TreeFile> treeFileOf(std::string_view treeName) {
    for (const TreeFile& file : kTreeFiles) {
        if (file.treeName == treeName) return file;
    }
    return std::nullopt;
}

std::optional<RecordFamily> recordFamilyOfFile(std::string_view fileName) {
    const std::string_view name = baseName(fileName);
    if (name.starts_with("goals") && name.ends_with(".dat")) return RecordFamily::Goals;
    if (name.ends_with(".goto")) return RecordFamily::Links;
    if (name.ends_with(".co")) return RecordFamily::Contacts;
    if (name.ends_with(".clnd")) return RecordFamily::Events;
    if (name.ends_with(".phr")) return RecordFamily::Phrases;
    return std::nullopt;
}

}  // namespace torvalet
