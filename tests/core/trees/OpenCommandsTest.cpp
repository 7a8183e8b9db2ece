#include "TreeCommandsFixture.h"

#include <filesystem>

#include "base/FileSaves.h"
#include "base/Text.h"
#include "fakes/LinkRecords.h"
#include "trees/ContactRecord.h"
#include "trees/LinkRecord.h"
#include "trees/OpenCommands.h"
#include "trees/OpenRequests.h"
#include "trees/PhraseCommands.h"
#include "trees/PhraseRecord.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;
using testing::build;
using testing::item;

using Kind = DesktopRequest::Kind;

DesktopRequest browse(const std::string& address, const std::string& in) { return {Kind::Browse, address, {}, in}; }
DesktopRequest showFolder(const std::string& folder, const std::string& in) {
    return {Kind::ShowFolder, folder, {}, in};
}
DesktopRequest mail(const std::string& address, const std::string& in) { return {Kind::Mail, address, {}, in}; }
DesktopRequest openItem(const std::string& target, const std::string& arguments, const std::string& in) {
    return {Kind::Open, target, arguments, in};
}

using testing::linkOf;

// The sixteen trees, an application folder holding the folder "work", and the commands that
// open links and mail over the recording shell.
class OpenCommandsTest : public testing::TreeCommandsFixture {
protected:
    OpenCommandsTest() {
        fs::create_directory(home / "work");
        settings.webSearchPrefix = "https://duckduckgo.com/?q=";
    }

    std::string folder(const char* name = nullptr) const {
        return name ? (home / name).string() : home.path().string();
    }
    // Gives the named link of the tree the kind, address and folder of `data`, keeping its name.
    void setLink(const char* name, const LinkRecord& data, TreeId links = TreeId::LinksTree) {
        LinkRecord& link = item(tree(links), name)->record<LinkRecord>();
        const std::string kept = link.name;
        link = data;
        link.name = kept;
    }
    ContactRecord& contact(const char* name) { return item(tree(TreeId::ContactsTree), name)->record<ContactRecord>(); }
    std::vector<DesktopRequest>& requests() { return fakes.shell.requests; }

    testing::TempDir home;
    TextCodec codec;
    FileSaves saves;
    PhraseCommands phrases{tree(TreeId::PhrasesTree), fakes.clipboard, view, saves, home / "phrases.phr", codec, guard};
    OpenRequests openRequests{home.path(), settings};
    OpenCommands open{trees, commands, phrases, fakes.shell, fakes.ui, openRequests};
};

TEST_F(OpenCommandsTest, EachLinkKindBuildsItsRequest) {
    const std::string work = folder("work"), app = folder();
    const struct {
        LinkRecord link;
        std::optional<DesktopRequest> expected;
    } cases[] = {
        {linkOf(1, "https://example.org/a-new-page", "work"), browse("https://example.org/a-new-page", app)},
        {linkOf(5, "https://example.org"), browse("https://example.org", app)},
        {linkOf(2, "/data/photos", "work"), showFolder("/data/photos", work)},
        {linkOf(2, "/data/photos"), showFolder("/data/photos", app)},
        {linkOf(6, "two words & more"), browse("https://duckduckgo.com/?q=two%20words%20%26%20more", app)},
        {linkOf(7, "ann@example.org", "work"), mail("mailto:ann@example.org", app)},
        {linkOf(0, "notes.txt", "work"), openItem("notes.txt", "", work)},
        {linkOf(3, "report.pdf", "missing"), openItem("report.pdf", "", app)},
        {linkOf(4, "/usr/bin/gimp", "work", "-n \"a b\"; rm -rf ~"),
         openItem("/usr/bin/gimp", "-n \"a b\"; rm -rf ~", work)},
        {linkOf(-1, "tool", work), openItem("tool", "", work)},
        {linkOf(4, "explorer.exe", "work", "/n, /e,photos"), showFolder("photos", work)},
        {linkOf(8, "https://example.org"), std::nullopt},
        {linkOf(1, ""), std::nullopt},
        {linkOf(4, "", "work"), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link.url + " kind " + std::to_string(c.link.kind));
        EXPECT_EQ(openRequests.link(c.link), c.expected);
    }
}

TEST_F(OpenCommandsTest, TasksOpenByTheirType) {
    const std::string app = folder();
    const struct {
        int type;
        std::optional<DesktopRequest> onDo;
        std::optional<DesktopRequest> onReminder;
    } cases[] = {
        {16, openItem("https://duckduckgo.com/?q=a%20b", "", app),
         openItem("https://duckduckgo.com/?q=a%20b", "", app)},
        {10, browse("a b", app), openItem("a b", "", app)},
        {35, DesktopRequest{Kind::CopyDiskette, "", "", app}, std::nullopt},
        {4, mail("mailto:a b", app), mail("mailto:a b", app)},
        {28, mail("mailto:a b", app), std::nullopt},
        {26, openItem("a b", "--comment", app), openItem("a b", "", app)},
        {1, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(openRequests.taskDo(c.type, "a b", "--comment"), c.onDo);
        EXPECT_EQ(openRequests.taskExecute(c.type, "a b"), c.onReminder);
    }
}

TEST_F(OpenCommandsTest, OpenLinkOpensTheSelectedLinksOfTheActiveTreeInTreeOrder) {
    build(tree(TreeId::LinksTree), "G[G1 G2] L M");
    for (const char* name : {"G", "G1", "G2", "L", "M"}) setLink(name, linkOf(1, std::string("https://") + name));
    testing::select(tree(TreeId::LinksTree), {"M", "G1", "G"});
    view.activePage = kTasksPage;

    open.openLinks();

    EXPECT_EQ(view.activePage, kLinksPage);
    std::vector<std::string> opened;
    for (const DesktopRequest& r : requests()) opened.push_back(r.target);
    EXPECT_EQ(opened, (std::vector<std::string>{"https://G", "https://G1", "https://M"}));

    // On another link tab its own tree's selection is opened.
    requests().clear();
    view.linksPage = 1;
    build(tree(TreeId::ToolsTree), "T");
    setLink("T", linkOf(7, "team@example.org"), TreeId::ToolsTree);
    testing::select(tree(TreeId::ToolsTree), {"T"});
    open.openSelectedLinks();
    EXPECT_EQ(requests(), (std::vector<DesktopRequest>{mail("mailto:team@example.org", folder())}));
}

TEST_F(OpenCommandsTest, DoubleClickOpensOnlyFromALinkWithoutChildren) {
    ItemTree& links = tree(TreeId::LinksTree);
    build(links, "G[G1]");
    setLink("G", linkOf(1, "https://group"));
    setLink("G1", linkOf(1, "https://child"));
    testing::select(links, {"G"});
    links.setFocused(item(links, "G"));
    open.openOnDoubleClick(links);
    EXPECT_TRUE(requests().empty());

    links.setFocused(item(links, "G1"));
    open.openOnDoubleClick(links);
    EXPECT_EQ(requests().size(), 1u);
    EXPECT_EQ(requests()[0], browse("https://group", folder()));
}

TEST_F(OpenCommandsTest, MailGoesToEverySelectedContactWithAnAddress) {
    build(tree(TreeId::ContactsTree), "Ann Bob Cid");
    contact("Ann").email = "ann@example.org";
    contact("Cid").email = "cid@example.org";
    testing::select(tree(TreeId::ContactsTree), {"Cid", "Bob", "Ann"});

    open.emailToContacts();
    EXPECT_EQ(view.activePage, kContactsPage);
    EXPECT_EQ(requests(), (std::vector<DesktopRequest>{mail("mailto:ann@example.org; cid@example.org; ", folder())}));

    requests().clear();
    testing::select(tree(TreeId::ContactsTree), {"Bob"});
    open.mailSelectedContacts();
    EXPECT_TRUE(requests().empty());
    EXPECT_EQ(fakes.ui.messages, (std::vector<std::string>{"Sorry! Can not email: email address is empty."}));
}

TEST_F(OpenCommandsTest, SitesOfTheSelectedContactsOpenInNewWindows) {
    build(tree(TreeId::ContactsTree), "Ann Bob Cid");
    contact("Ann").webPage = "https://ann.example.org";
    contact("Cid").webPage = "cid.example.org";
    open.visitContactSites();
    EXPECT_TRUE(requests().empty());

    testing::select(tree(TreeId::ContactsTree), {"Ann", "Bob", "Cid"});
    open.exploreContacts();
    EXPECT_EQ(requests(), (std::vector<DesktopRequest>{browse("https://ann.example.org", folder()),
                                                       browse("cid.example.org", folder())}));
}

TEST_F(OpenCommandsTest, ExecuteItemsOfContactsGoesByTheFirstContact) {
    ItemTree& contacts = tree(TreeId::ContactsTree);
    build(contacts, "Ann Bob Cid");
    contact("Cid").email = "cid@example.org";
    contact("Cid").webPage = "https://cid.example.org";
    contact("Cid").kind = 5;

    testing::select(contacts, {"Bob", "Cid"});
    open.executeContact();
    EXPECT_TRUE(requests().empty()) << "the first one has no address and is no link";

    contacts.clearSelection();
    contacts.setFocused(item(contacts, "Cid"));
    open.executeContact();
    EXPECT_TRUE(requests().empty()) << "the focused contact alone is not selected";
    EXPECT_EQ(fakes.ui.messages.size(), 1u);

    testing::select(contacts, {"Cid"});
    open.executeContact();
    EXPECT_EQ(requests(), (std::vector<DesktopRequest>{mail("mailto:cid@example.org; ", folder()),
                                                       browse("https://cid.example.org", folder())}));
}

TEST_F(OpenCommandsTest, MailsFromPhrasesAndFromTheTextboard) {
    build(tree(TreeId::ContactsTree), "Ann");
    contact("Ann").email = "ann@example.org";
    ItemTree& phraseTree = tree(TreeId::PhrasesTree);
    build(phraseTree, "G[C] O");
    item(phraseTree, "G")->record<PhraseRecord>().text = "Dear all,";
    item(phraseTree, "C")->record<PhraseRecord>().text = "see you";

    open.generateEmailFromPhrases();
    EXPECT_EQ(view.activePage, kBlocknotePage);
    testing::select(tree(TreeId::ContactsTree), {"Ann"});
    testing::select(phraseTree, {"C", "G"});
    open.generateEmailFromPhrases();
    EXPECT_EQ(requests(), (std::vector<DesktopRequest>{
                              mail("mailto:?subject= &body=", folder()),
                              mail("mailto:ann@example.org; ?subject= &body= Dear all, see you", folder())}));

    const struct {
        const char* textboard;
        const char* mail;
    } boards[] = {{"first\nsecond", "mailto: ?subject= &body=first\rsecond\r"},
                  {"first\r\nsecond\n", "mailto: ?subject= &body=first\rsecond\r"},
                  {"a\n\nb", "mailto: ?subject= &body=a\r\rb\r"},
                  {"", "mailto: ?subject= &body="}};
    for (const auto& b : boards) {
        requests().clear();
        open.generateEmailFromTextboard(b.textboard);
        ASSERT_EQ(requests().size(), 1u);
        EXPECT_EQ(requests()[0], mail(b.mail, folder()));
    }
}

TEST_F(OpenCommandsTest, HiddenDesktopCommands) {
    open.openSearchPage();
    open.openBrowser();
    open.openFileManager();
    open.openLinkInInternalBrowser();
    EXPECT_EQ(requests(), (std::vector<DesktopRequest>{browse("https://duckduckgo.com/", folder()),
                                                       browse("", folder()), showFolder("", folder())}));

    const struct {
        const char* engine;
        const char* startPage;
    } engines[] = {{"https://www.google.com/search?q=", "https://www.google.com/"},
                   {"www.bing.com/search?q=", "https://www.bing.com/"},
                   {"https://search.example.org", "https://search.example.org/"},
                   {"", "https://duckduckgo.com/"},
                   {"?q=", "https://duckduckgo.com/"}};
    for (const auto& e : engines) EXPECT_EQ(OpenRequests::startPageOf(e.engine), e.startPage) << e.engine;
}

}  // namespace
}  // namespace torvalet
