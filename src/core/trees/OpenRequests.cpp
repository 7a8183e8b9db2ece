#include "trees/OpenRequests.h"

#include <cctype>
#include <cstdlib>

#include "base/Text.h"
#include "model/Settings.h"
#include "trees/LinkRecord.h"
#include "trees/StoredCommand.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

namespace LinkKind {
constexpr int None = 0, Internet = 1, Folder = 2, File = 3, Application = 4, Group = 5, Search = 6, Email = 7;
constexpr int Unchosen = -1;
}  // namespace LinkKind

namespace TaskType {
constexpr int Email = 4, Open = 10, Run = 26, EmailOnDo = 28, Search = 16, Copy = 35;
}  // namespace TaskType

using Kind = DesktopRequest::Kind;

const std::string mailTo = "mailto:";
const char* const phrasesMailMiddle = "?subject= &body=";
const char* const textboardMailStart = "mailto: ?subject= &body=";
const char* const defaultStartPage = "https://duckduckgo.com/";

fs::path expandHome(const std::string& dir) {
    const char* userHome = std::getenv("HOME");
    if (userHome && (dir == "~" || dir.rfind("~/", 0) == 0))
        return fs::path(userHome) / dir.substr(dir.size() > 1 ? 2 : 1);
    return fs::path(dir);
}

// The lines of a text as a memo holds them: a line end after the last line starts no new line.
std::string linesEndedByReturn(const std::string& text) {
    std::string body;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        body += line + '\r';
        start = end + 1;
    }
    return body;
}

}  // namespace

std::string OpenRequests::searchAddress(const std::string& searchPrefix, const std::string& text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string address = searchPrefix;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) && byte < 0x80) {
            address += c;
        } else if (c == '-' || c == '_' || c == '.' || c == '~') {
            address += c;
        } else {
            address += '%';
            address += hex[byte >> 4];
            address += hex[byte & 0xF];
        }
    }
    return address;
}

std::string OpenRequests::withoutAttachments(const std::string& mailAddress) {
    const std::size_t query = mailAddress.find('?');
    if (query == std::string::npos) return mailAddress;
    std::string kept = mailAddress.substr(0, query);
    char separator = '?';
    std::size_t start = query + 1;
    while (start <= mailAddress.size()) {
        const std::size_t end = std::min(mailAddress.find('&', start), mailAddress.size());
        const std::string field = mailAddress.substr(start, end - start);
        const std::string name = utf8Lower(field.substr(0, field.find('=')));
        // A mail link must not send files of this computer without the user choosing them.
        if (name != "attach" && name != "attachment") {
            kept += separator + field;
            separator = '&';
        }
        start = end + 1;
    }
    return kept;
}

OpenRequests::OpenRequests(fs::path home, const Settings& settings) : home_(std::move(home)), settings_(settings) {}

DesktopRequest OpenRequests::request(DesktopRequest::Kind kind, std::string target) const {
    return {kind, std::move(target), {}, home_.string()};
}

DesktopRequest OpenRequests::stored(const std::string& file, const std::string& parameters) const {
    return storedCommand(file, parameters, home_.string());
}

std::string OpenRequests::workingFolder(const std::string& dir) const {
    if (dir.empty()) return home_.string();
    const fs::path folder = home_ / expandHome(dir);
    std::error_code error;
    return fs::is_directory(folder, error) ? folder.string() : home_.string();
}

std::optional<DesktopRequest> OpenRequests::link(const LinkRecord& link) const {
    if (link.url.empty()) return std::nullopt;
    switch (link.kind) {
    case LinkKind::Internet:
    case LinkKind::Group: return request(Kind::Browse, link.url);
    case LinkKind::Folder: return DesktopRequest{Kind::ShowFolder, link.url, {}, workingFolder(link.dir)};
    case LinkKind::Search: return request(Kind::Browse, searchAddress(settings_.webSearchPrefix, link.url));
    case LinkKind::Email: return request(Kind::Mail, withoutAttachments(mailTo + link.url));
    case LinkKind::None:
    case LinkKind::File:
    case LinkKind::Application:
    case LinkKind::Unchosen: return storedCommand(link.url, link.params, workingFolder(link.dir));
    default: return std::nullopt;
    }
}

DesktopRequest OpenRequests::hotKeyLink(const LinkRecord& link) const {
    if (link.kind == LinkKind::Internet) return {Kind::Browse, link.url, {}, workingFolder(link.dir)};
    return storedCommand(link.url, link.params, workingFolder(link.dir));
}

DesktopRequest OpenRequests::mail(const std::string& addresses) const {
    return request(Kind::Mail, withoutAttachments(mailTo + addresses));
}

DesktopRequest OpenRequests::site(const std::string& webPage) const { return request(Kind::Browse, webPage); }

DesktopRequest OpenRequests::phrasesMail(const std::string& addresses, const std::string& body) const {
    return request(Kind::Mail, mailTo + addresses + phrasesMailMiddle + body);
}

DesktopRequest OpenRequests::textboardMail(const std::string& textboard) const {
    return request(Kind::Mail, textboardMailStart + linesEndedByReturn(textboard));
}

DesktopRequest OpenRequests::searchStartPage() const {
    return request(Kind::Browse, startPageOf(settings_.webSearchPrefix));
}

DesktopRequest OpenRequests::browser() const { return request(Kind::Browse, {}); }

DesktopRequest OpenRequests::fileManager() const { return request(Kind::ShowFolder, {}); }

std::optional<DesktopRequest> OpenRequests::taskDo(int type, const std::string& text,
                                                   const std::string& comment) const {
    switch (type) {
    case TaskType::Search: return stored(searchAddress(settings_.webSearchPrefix, text));
    case TaskType::Open: return request(Kind::Browse, text);
    case TaskType::Copy: return request(Kind::CopyDiskette, {});
    case TaskType::Email:
    case TaskType::EmailOnDo: return request(Kind::Mail, withoutAttachments(mailTo + text));
    case TaskType::Run: return stored(text, comment);
    default: return std::nullopt;
    }
}

std::optional<DesktopRequest> OpenRequests::taskExecute(int type, const std::string& text) const {
    switch (type) {
    case TaskType::Search: return stored(searchAddress(settings_.webSearchPrefix, text));
    case TaskType::Open: return stored(text);
    case TaskType::Email: return request(Kind::Mail, withoutAttachments(mailTo + text));
    case TaskType::Run: return stored(text);
    default: return std::nullopt;
    }
}

std::string OpenRequests::startPageOf(const std::string& searchPrefix) {
    const std::size_t scheme = searchPrefix.find("://");
    const std::size_t hostStart = scheme == std::string::npos ? 0 : scheme + 3;
    const std::size_t hostEnd = std::min(searchPrefix.find_first_of("/?#", hostStart), searchPrefix.size());
    if (hostEnd == hostStart) return defaultStartPage;
    const std::string origin = searchPrefix.substr(0, hostEnd);
    return (scheme == std::string::npos ? "https://" + origin : origin) + "/";
}

}  // namespace torvalet
