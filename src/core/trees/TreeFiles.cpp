#include "trees/TreeFiles.h"

namespace torvalet {

namespace {

std::string_view baseName(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

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
