#include "trees/StoredCommand.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string_view>

namespace torvalet {

namespace {

char lower(char c) { return char(std::tolower(static_cast<unsigned char>(c))); }

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

bool isOneOf(const std::string& file, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(), [&](std::string_view name) { return sameLetters(file, name); });
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The parameters without the switch in front of the address or folder.
std::string withoutSwitch(const std::string& parameters, std::string_view switchText) {
    std::string_view rest = trimmed(parameters);
    if (sameLetters(rest.substr(0, switchText.size()), switchText)) rest.remove_prefix(switchText.size());
    return std::string(trimmed(rest));
}

}  // namespace

DesktopRequest storedCommand(const std::string& file, const std::string& parameters, const std::string& folder) {
    using Kind = DesktopRequest::Kind;
    if (isOneOf(file, {"IEXPLORE.EXE", "iexplore"}))
        return {Kind::Browse, withoutSwitch(parameters, "-new"), {}, folder};
    if (isOneOf(file, {"explorer.exe", "explorer"}))
        return {Kind::ShowFolder, withoutSwitch(parameters, "/n, /e,"), {}, folder};
    if (sameLetters(std::string_view(file).substr(0, 7), "mailto:")) return {Kind::Mail, file, {}, folder};
    return {Kind::Open, file, parameters, folder};
}

}  // namespace torvalet
