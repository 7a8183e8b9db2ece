#include "trees/OpenCommands.h"

#include "model/ViewState.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "trees/ContactRecord.h"
#include "trees/ItemTreeSet.h"
#include "trees/LinkRecord.h"
#include "trees/OpenRequests.h"
#include "trees/PhraseCommands.h"
#include "trees/TreeCommands.h"

namespace torvalet {

namespace {

constexpr int contactKindLink = 5;

}  // namespace

const char* const OpenCommands::noEmailText = "Sorry! Can not email: email address is empty.";

OpenCommands::OpenCommands(ItemTreeSet& trees, TreeCommands& commands, const PhraseCommands& phrases, Shell& shell,
                           UserInterface& ui, const OpenRequests& requests)
    : trees_(trees), commands_(commands), phrases_(phrases), shell_(shell), ui_(ui), requests_(requests) {}

ItemTree& OpenCommands::contacts() const { return trees_.get(TreeId::ContactsTree); }

void OpenCommands::openSelectedLinks() {
    const ItemTree* tree = commands_.activeLinksTree();
    if (!tree) return;
    for (const TreeNode* node : tree->selectedInTreeOrder())
        if (const auto request = requests_.link(node->record<LinkRecord>())) shell_.open(*request);
}

void OpenCommands::openLinks() {
    commands_.switchTab(kLinksPage);
    openSelectedLinks();
}

void OpenCommands::openOnDoubleClick(const ItemTree& tree) {
    const TreeNode* focused = tree.focused();
    if (focused && !focused->hasChildren()) openSelectedLinks();
}

std::string OpenCommands::selectedContactAddresses() const {
    std::string addresses;
    for (const TreeNode* node : contacts().selectedInTreeOrder()) {
        const std::string& address = node->record<ContactRecord>().email;
        if (!address.empty()) addresses += address + "; ";
    }
    return addresses;
}

void OpenCommands::mailSelectedContacts() {
    const std::string addresses = selectedContactAddresses();
    if (addresses.empty()) {
        ui_.showMessage(noEmailText);
        return;
    }
    shell_.open(requests_.mail(addresses));
}

void OpenCommands::emailToContacts() {
    commands_.switchTab(kContactsPage);
    mailSelectedContacts();
}

void OpenCommands::visitContactSites() {
    for (const TreeNode* node : contacts().selectedInTreeOrder()) {
        const std::string& page = node->record<ContactRecord>().webPage;
        if (!page.empty()) shell_.open(requests_.site(page));
    }
}

void OpenCommands::exploreContacts() {
    commands_.switchTab(kContactsPage);
    visitContactSites();
}

void OpenCommands::executeContact() {
    const TreeNode* first = TreeCommands::firstNode(contacts());
    if (!first || first->isRoot()) return;
    const ContactRecord& contact = first->record<ContactRecord>();
    if (!contact.email.empty()) mailSelectedContacts();
    if (contact.kind == contactKindLink && !contact.webPage.empty()) visitContactSites();
}

void OpenCommands::generateEmailFromPhrases() {
    commands_.switchTab(kBlocknotePage);
    shell_.open(requests_.phrasesMail(selectedContactAddresses(), phrases_.selectedPhrasesText()));
}

void OpenCommands::generateEmailFromTextboard(const std::string& textboard) {
    shell_.open(requests_.textboardMail(textboard));
}

void OpenCommands::openSearchPage() { shell_.open(requests_.searchStartPage()); }

void OpenCommands::openBrowser() { shell_.open(requests_.browser()); }

void OpenCommands::openFileManager() { shell_.open(requests_.fileManager()); }

}  // namespace torvalet
