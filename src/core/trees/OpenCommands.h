#pragma once

#include <string>

namespace torvalet {

class ItemTree;
class ItemTreeSet;
class OpenRequests;
class PhraseCommands;
class Shell;
class TreeCommands;
class UserInterface;

// Links, mail and web sites handed to the desktop: the commands of the link, contact and
// Blocknote pages that open something, and the hidden desktop commands. The commands of a
// page's menu first show that page.
class OpenCommands {
public:
    OpenCommands(ItemTreeSet& trees, TreeCommands& commands, const PhraseCommands& phrases, Shell& shell,
                 UserInterface& ui, const OpenRequests& requests);

    static const char* const noEmailText;

    // Opens every selected link of the active link tree, in tree order, group links and their
    // selected children alike ("Execute Item(s)" beside the link trees).
    void openSelectedLinks();
    void openLinks();
    // A double click on a link tree: with a focused link that has no children, openSelectedLinks.
    void openOnDoubleClick(const ItemTree& tree);
    // The hidden "Open Link In Internal Browser": there is no internal browser.
    void openLinkInInternalBrowser() {}

    // A mail to the selected contacts that have an address, or the message that none has.
    void mailSelectedContacts();
    void emailToContacts();
    // The web page of each selected contact that has one, in a new browser window.
    void visitContactSites();
    void exploreContacts();
    // "Execute Item(s)" of the contact page, by the first selected (else the focused) contact.
    void executeContact();

    void generateEmailFromPhrases();
    void generateEmailFromTextboard(const std::string& textboard);

    void openSearchPage();
    void openBrowser();
    void openFileManager();

private:
    // The addresses of the selected contacts that have one, each followed by "; ".
    std::string selectedContactAddresses() const;
    ItemTree& contacts() const;

    ItemTreeSet& trees_;
    TreeCommands& commands_;
    const PhraseCommands& phrases_;
    Shell& shell_;
    UserInterface& ui_;
    const OpenRequests& requests_;
};

}  // namespace torvalet
