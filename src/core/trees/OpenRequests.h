#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Shell.h"

namespace torvalet {

struct Settings;
struct LinkRecord;

// The desktop requests of links, mail, web sites and executed tasks: what each asks for, with
// addresses, mail texts and parameters exactly as the organiser hands them over. Every request
// runs in the application folder unless a link's working folder says otherwise: the program
// itself never leaves its folder. A file or program that the user stored is read by
// storedCommand, so a stored browser, file manager or "mailto:" keeps its meaning.
class OpenRequests {
public:
    OpenRequests(std::filesystem::path home, const Settings& settings);

    // The folder a link with the working folder `dir` is opened in: `dir` (relative to the
    // application folder, "~" the user's home) when it names an existing folder, else the
    // application folder.
    std::string workingFolder(const std::string& dir) const;

    // A link opened from its tree, by its kind; nothing for an empty Url or an unknown kind.
    std::optional<DesktopRequest> link(const LinkRecord& link) const;
    // A link opened by its hot key: Internet links in the browser, every other kind as a file or
    // program with its parameters, in its working folder.
    DesktopRequest hotKeyLink(const LinkRecord& link) const;
    // A mail to "mailto:" + the addresses.
    DesktopRequest mail(const std::string& addresses) const;
    // A web page in a new browser window.
    DesktopRequest site(const std::string& webPage) const;
    // A new mail to the addresses with the body from phrases.
    DesktopRequest phrasesMail(const std::string& addresses, const std::string& body) const;
    // A new mail whose body is the lines of the textboard, each ended by a carriage return.
    DesktopRequest textboardMail(const std::string& textboard) const;
    // The search engine's start page, the web browser and the file manager on their own.
    DesktopRequest searchStartPage() const;
    DesktopRequest browser() const;
    DesktopRequest fileManager() const;

    // A task of the type (key number) run by "Do", and by its reminder; nothing for a type
    // without an action.
    std::optional<DesktopRequest> taskDo(int type, const std::string& text, const std::string& comment) const;
    std::optional<DesktopRequest> taskExecute(int type, const std::string& text) const;

    // The start page of a search prefix such as "https://duckduckgo.com/?q=": its scheme and host.
    static std::string startPageOf(const std::string& searchPrefix);
    // The search engine's address for a text: the text percent-encoded (UTF-8 bytes and every
    // character outside the unreserved set), so that "C# tutorial" or "AT&T" reach the engine whole.
    static std::string searchAddress(const std::string& searchPrefix, const std::string& text);
    // A mailto address without its attach= and attachment= fields.
    static std::string withoutAttachments(const std::string& mailAddress);

private:
    DesktopRequest request(DesktopRequest::Kind kind, std::string target) const;
    DesktopRequest stored(const std::string& file, const std::string& parameters = {}) const;

    std::filesystem::path home_;
    const Settings& settings_;
};

}  // namespace torvalet
