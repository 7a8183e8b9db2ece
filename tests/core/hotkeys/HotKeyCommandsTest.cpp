#include <gtest/gtest.h>

#include <filesystem>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "hotkeys/HotKeyCommands.h"
#include "hotkeys/HotKeyText.h"
#include "model/AppFolder.h"
#include "model/MessagePad.h"
#include "model/Settings.h"
#include "platform/HotKeys.h"
#include "trees/ContactRecord.h"
#include "trees/ItemTreeSet.h"
#include "trees/LinkRecord.h"
#include "trees/OpenRequests.h"
#include "trees/PhraseRecord.h"
#include "trees/TreeFileIo.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;
using Kind = DesktopRequest::Kind;

constexpr unsigned CtrlAlt = HotKeyFlag::Ctrl | HotKeyFlag::Alt;

TreeNode* addLink(ItemTree& tree, TreeNode* parent, const std::string& hotKey, std::int32_t kind = 0,
                  const std::string& url = {}, const std::string& dir = {}, const std::string& params = {}) {
    TreeNode* node = tree.appendChild(parent);
    LinkRecord& link = node->record<LinkRecord>();
    link.hotKey = hotKey;
    link.kind = kind;
    link.url = url;
    link.dir = dir;
    link.params = params;
    return node;
}

void addContact(ItemTree& tree, const std::string& hotKey, const std::string& email) {
    ContactRecord& contact = tree.appendChild()->record<ContactRecord>();
    contact.hotKey = hotKey;
    contact.email = email;
}

void addPhrase(ItemTree& tree, const std::string& hotKey, const std::string& phrase) {
    tree.appendChild()->record<PhraseRecord>() = {"name", phrase, hotKey, 0, ""};
}

class HotKeyCommandsTest : public ::testing::Test {
protected:
    HotKeyCommandsTest() {
        for (ItemTree& tree : trees.all()) tree.clear();
        fs::create_directory(dir / "work");
    }

    std::string home() const { return dir.path().string(); }

    testing::TempDir dir;
    testing::FakeServices fakes;
    Settings settings;
    MessagePad pad;
    ItemTreeSet trees;
    ItemTree& links = trees.get(TreeId::LinksTree);
    ItemTree& contacts = trees.get(TreeId::ContactsTree);
    ItemTree& phrases = trees.get(TreeId::PhrasesTree);
    OpenRequests requests{dir.path(), settings};
    HotKeyCommands commands{trees, fakes.services, requests, pad, settings};
};

TEST_F(HotKeyCommandsTest, StartRegistersLinksThenContactsThenPhrasesOnceEach) {
    TreeNode* group = addLink(links, nullptr, "Ctrl+Alt+L");
    addLink(links, group, "F5");
    for (const char* text : {"alt+ctrl+l", "Ctrl+Shift", "Ctrl+Foo", "Hyper+A", ""}) addLink(links, nullptr, text);
    addLink(trees.get(TreeId::ToolsTree), nullptr, "Ctrl+Alt+S");
    addLink(trees.get(TreeId::SearchTree), nullptr, "Ctrl+Alt+Q");
    addContact(contacts, "Ctrl+Alt+M", "");
    addPhrase(phrases, "ctrl+alt+p", "");

    commands.registerHotKeys();

    std::vector<std::string> registered;
    for (const auto& entry : commands.registry.registrations()) registered.push_back(hotKeyText(entry.hotKey));
    EXPECT_EQ(registered, (std::vector<std::string>{"Ctrl+Alt+L", "F5", "Ctrl+Alt+M", "Ctrl+Alt+P"}));
    EXPECT_EQ(fakes.hotKeys.registered.size(), 4u);
    EXPECT_TRUE(pad.lines().empty());
    EXPECT_TRUE(fakes.ui.messages.empty());
}

TEST_F(HotKeyCommandsTest, ManagerRefusesTakenCombinationsAndReleasesAll) {
    fakes.hotKeys.heldByOthers.insert({CtrlAlt, 'K'});
    HotKeyRegistry& manager = commands.registry;
    const std::uint16_t first = manager.registerKey(parseHotKeyText("Ctrl+Alt+L"));
    EXPECT_GE(first, 0xC000);
    EXPECT_EQ(manager.registerKey(parseHotKeyText("Ctrl+Alt+L")), 0);  // twice in this program
    EXPECT_EQ(manager.registerKey(parseHotKeyText("Ctrl+Alt+K")), 0);  // held by another program
    EXPECT_TRUE(manager.isRegistered(parseHotKeyText("Ctrl+Alt+L")));
    EXPECT_FALSE(manager.isRegistered(parseHotKeyText("Ctrl+Alt+K")));
    const std::uint16_t second = manager.registerKey(parseHotKeyText("F5"));
    EXPECT_NE(second, 0);
    EXPECT_NE(second, first);

    manager.releaseAll();
    EXPECT_TRUE(fakes.hotKeys.registered.empty());
    EXPECT_FALSE(manager.isRegistered(parseHotKeyText("Ctrl+Alt+L")));
    EXPECT_NE(manager.registerKey(parseHotKeyText("Ctrl+Alt+L")), 0);
}

TEST_F(HotKeyCommandsTest, DestroyingTheManagerReleasesItsKeys) {
    {
        HotKeyRegistry manager(fakes.hotKeys);
        manager.registerKey(parseHotKeyText("Ctrl+Alt+Z"));
        EXPECT_EQ(fakes.hotKeys.registered.size(), 1u);
    }
    EXPECT_TRUE(fakes.hotKeys.registered.empty());
}

TEST_F(HotKeyCommandsTest, PressOpensTheLinksWrittenAsTheCanonicalTextInTreeOrder) {
    addLink(links, nullptr, "Ctrl+Alt+L", 1, "https://example.org/a-new-page", "work");
    addLink(links, nullptr, "alt+ctrl+l", 1, "https://example.org/lower");
    TreeNode* group = addLink(links, nullptr, "F6");
    addLink(links, group, "Ctrl+Alt+L", 3, "report.pdf", "work", "-p 'a b'");
    addLink(links, nullptr, "Ctrl+Alt+L", 7, "/usr/bin/xterm", "missing");
    addLink(links, nullptr, "Ctrl+Alt+L", 2, "https://example.org/folder");
    commands.registerHotKeys();

    fakes.hotKeys.press(CtrlAlt, 'L');

    const std::string work = (dir / "work").string();
    EXPECT_EQ(fakes.shell.requests,
              (std::vector<DesktopRequest>{{Kind::Browse, "https://example.org/a-new-page", "", work},
                                           {Kind::Open, "report.pdf", "-p 'a b'", work},
                                           {Kind::Open, "/usr/bin/xterm", "", home()},
                                           {Kind::Open, "https://example.org/folder", "", home()}}));
}

TEST_F(HotKeyCommandsTest, PressMailsTheContactsAndSaysWhenOneHasNoAddress) {
    addContact(contacts, "Ctrl+Alt+M", "ann@example.org");
    addContact(contacts, "Ctrl+Alt+M", "");
    addContact(contacts, "Ctrl+Alt+N", "bob@example.org");
    commands.registerHotKeys();

    fakes.hotKeys.press(CtrlAlt, 'M');

    EXPECT_EQ(fakes.shell.requests, (std::vector<DesktopRequest>{{Kind::Mail, "mailto:ann@example.org", "", home()}}));
    EXPECT_EQ(fakes.ui.messages, (std::vector<std::string>{"Sorry! Can not email: email address is empty."}));
}

TEST_F(HotKeyCommandsTest, PressPutsThePhraseOnTheClipboardOnlyWhenItHoldsText) {
    addPhrase(phrases, "Ctrl+Alt+P", "Kind regards");
    commands.registerHotKeys();

    fakes.clipboard.setTreeData("a picture");
    fakes.hotKeys.press(CtrlAlt, 'P');
    EXPECT_EQ(fakes.clipboard.treeData(), "a picture");
    EXPECT_FALSE(fakes.clipboard.hasText());

    fakes.clipboard.setText("something");
    fakes.hotKeys.press(CtrlAlt, 'P');
    EXPECT_EQ(fakes.clipboard.text(), "Kind regards");
}

TEST_F(HotKeyCommandsTest, OneCombinationActsOnLinksThenContactsThenPhrases) {
    addLink(links, nullptr, "Ctrl+Alt+A", 1, "https://example.org");
    addContact(contacts, "Ctrl+Alt+A", "ann@example.org");
    addPhrase(phrases, "Ctrl+Alt+A", "Hello");
    fakes.clipboard.setText("old");
    commands.registerHotKeys();
    EXPECT_EQ(commands.registry.registrations().size(), 1u);

    fakes.hotKeys.press(CtrlAlt, 'A');

    ASSERT_EQ(fakes.shell.requests.size(), 2u);
    EXPECT_EQ(fakes.shell.requests[0].kind, Kind::Browse);
    EXPECT_EQ(fakes.shell.requests[1].target, "mailto:ann@example.org");
    EXPECT_EQ(fakes.clipboard.text(), "Hello");
}

TEST_F(HotKeyCommandsTest, WithoutSystemWideKeysTheMessagePadSaysSoOnce) {
    fakes.hotKeys.desktopHasKeys = false;
    commands.registerHotKeys();
    EXPECT_TRUE(pad.lines().empty()) << "no item asked for a hot key";

    addLink(links, nullptr, "Ctrl+Alt+L");
    addPhrase(phrases, "Ctrl+Alt+P", "");
    settings.language = Language::russian;
    commands.registerHotKeys();
    EXPECT_EQ(pad.lines(), (std::vector<std::string>{HotKeyCommands::unavailableText(1)}));
    EXPECT_TRUE(commands.registry.registrations().empty());
}

// The organiser registers the hot keys of the trees it read at start, and releases them when it ends.
TEST(OrganizerHotKeysTest, StartRegistersTheHotKeysOfTheTreesRead) {
    testing::TempDir dir;
    testing::FakeServices fakes;
    Organizer::provision(AppPaths{dir.path()});
    ItemTree links(TreeId::LinksTree);
    addLink(links, nullptr, "Ctrl+Alt+L", 1, "https://mail.example.org");
    saveTreeFile(links, dir / "links.goto", TextCodec());
    {
        Organizer organizer(fakes.services, dir.path());
        organizer.start();
        EXPECT_EQ(fakes.hotKeys.registered.size(), 1u);
        fakes.hotKeys.press(CtrlAlt, 'L');
        EXPECT_EQ(fakes.shell.requests,
                  (std::vector<DesktopRequest>{{Kind::Browse, "https://mail.example.org", "", dir.path().string()}}));
        organizer.close();
    }
    EXPECT_TRUE(fakes.hotKeys.registered.empty());
    EXPECT_TRUE(fakes.ui.messages.empty());
}

}  // namespace
}  // namespace torvalet
