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
// Blocknote pages that open something, and the hidden desktop commands. Handlers ending in
// _mpClick first show their page.
class OpenCommands {
public:
    OpenCommands(ItemTreeSet& trees, TreeCommands& commands, const PhraseCommands& phrases, Shell& shell,
                 UserInterface& ui, const OpenRequests& requests);

    static const char* const noEmailText;

    // Opens every selected link of the active link tree, in tree order, group links and their
    // selected children alike ("Execute Item(s)" beside the link trees).
    void OpenLink();
    void OpenLink_mpClick();
    // A double click on a link tree: with a focused link that has no children, OpenLink.
    void LinksTreeDblClick(const ItemTree& tree);
    // The hidden "Open Link In Internal Browser": there is no internal browser.
    void OpenLinkInInternalBrowser_mpClick() {}

    // A mail to the selected contacts that have an address, or the message that none has.
    void mailSelectedContacts();
    void EmailToContacts_mpClick();
    // The web page of each selected contact that has one, in a new browser window.
    void visitContactSites();
    void ExploreContacts_mpClick();
    // "Execute Item(s)" of the contact page, by the first selected (else the focused) contact.
    void ContactsTreeRun();

    void GenerateEmailFromPhrases_mpClick();
    void GenerateEmailFromTextboard_mpClick(const std::string& textboard);

    void GoogleSearch1Click();
    void InternetExplorer1Click();
    void WindowsExplorer1Click();

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
