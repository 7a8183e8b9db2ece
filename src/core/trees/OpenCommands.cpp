#include "trees/OpenCommands.h"

#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "model/ViewState.h"
#include "trees/ItemTreeSet.h"
#include "trees/OpenRequests.h"
#include "trees/PhraseCommands.h"
#include "trees/TContactData.h"
#include "trees/TLinkData.h"
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

void OpenCommands::OpenLink() {
    const ItemTree* tree = commands_.GetLinksTree();
    if (!tree) return;
    for (const TreeNode* node : tree->selectedInTreeOrder())
        if (const auto request = requests_.link(node->record<TLinkData>())) shell_.open(*request);
}

void OpenCommands::OpenLink_mpClick() {
    commands_.SwitchTab(kLinksPage);
    OpenLink();
}

void OpenCommands::LinksTreeDblClick(const ItemTree& tree) {
    const TreeNode* focused = tree.focused();
    if (focused && !focused->hasChildren()) OpenLink();
}

std::string OpenCommands::selectedContactAddresses() const {
    std::string addresses;
    for (const TreeNode* node : contacts().selectedInTreeOrder()) {
        const std::string& address = node->record<TContactData>().Email;
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

void OpenCommands::EmailToContacts_mpClick() {
    commands_.SwitchTab(kContactsPage);
    mailSelectedContacts();
}

void OpenCommands::visitContactSites() {
    for (const TreeNode* node : contacts().selectedInTreeOrder()) {
        const std::string& page = node->record<TContactData>().WebPage;
        if (!page.empty()) shell_.open(requests_.site(page));
    }
}

void OpenCommands::ExploreContacts_mpClick() {
    commands_.SwitchTab(kContactsPage);
    visitContactSites();
}

void OpenCommands::ContactsTreeRun() {
    const TreeNode* first = TreeCommands::GetFirstNode(contacts());
    if (!first || first->isRoot()) return;
    const TContactData& contact = first->record<TContactData>();
    if (!contact.Email.empty()) mailSelectedContacts();
    if (contact.ContactKind == contactKindLink && !contact.WebPage.empty()) visitContactSites();
}

void OpenCommands::GenerateEmailFromPhrases_mpClick() {
    commands_.SwitchTab(kBlocknotePage);
    shell_.open(requests_.phrasesMail(selectedContactAddresses(), phrases_.selectedPhrasesText()));
}

void OpenCommands::GenerateEmailFromTextboard_mpClick(const std::string& textboard) {
    shell_.open(requests_.textboardMail(textboard));
}

void OpenCommands::GoogleSearch1Click() { shell_.open(requests_.searchStartPage()); }

void OpenCommands::InternetExplorer1Click() { shell_.open(requests_.browser()); }

void OpenCommands::WindowsExplorer1Click() { shell_.open(requests_.fileManager()); }

}  // namespace torvalet
