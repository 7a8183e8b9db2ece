#include "hotkeys/HotKeyCommands.h"

#include <vector>

#include "platform/Clipboard.h"
#include "platform/HotKeys.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "hotkeys/HotKeyText.h"
#include "model/MessagePad.h"
#include "model/Settings.h"
#include "trees/ItemTreeSet.h"
#include "trees/OpenCommands.h"
#include "trees/OpenRequests.h"
#include "trees/TContactData.h"
#include "trees/TLinkData.h"
#include "trees/TPhraseData.h"

namespace torvalet {

HotKeyCommands::HotKeyCommands(ItemTreeSet& trees, const Services& services, const OpenRequests& requests,
                               MessagePad& messagePad, const Settings& settings)
    : HotKeyManager1(services.hotKeys),
      trees_(trees),
      services_(services),
      requests_(requests),
      messagePad_(messagePad),
      settings_(settings) {
    HotKeyManager1.OnHotKeyPressed = [this](std::uint32_t HotKey, std::uint16_t Index) {
        HotKeyManager1HotKeyPressed(HotKey, Index);
    };
}

void HotKeyCommands::AddHotKey(std::uint32_t HotKey) {
    asked_ = true;
    HotKeyManager1.RegisterKey(HotKey);
}

template <class Record>
void HotKeyCommands::addTreeHotKeys(const ItemTree& tree) {
    tree.forEach([this](const TreeNode* node) {
        const std::string& text = node->record<Record>().HotKey;
        if (text.empty()) return;
        if (const std::uint32_t value = ParseHotKeyText(text)) AddHotKey(value);
    });
}

void HotKeyCommands::AddLinksHotKeys() { addTreeHotKeys<TLinkData>(trees_.get(TreeId::LinksTree)); }

void HotKeyCommands::AddContactsHotKeys() { addTreeHotKeys<TContactData>(trees_.get(TreeId::ContactsTree)); }

void HotKeyCommands::AddPhrasesHotKeys() { addTreeHotKeys<TPhraseData>(trees_.get(TreeId::PhrasesTree)); }

void HotKeyCommands::registerHotKeys() {
    AddLinksHotKeys();
    AddContactsHotKeys();
    AddPhrasesHotKeys();
    if (asked_ && !services_.hotKeys.available()) messagePad_.prepend(unavailableText(settings_.iLanguage));
}

// The matching items are gathered before anything is done: a message box runs an event loop,
// and no tree is walked while the user may change it.
void HotKeyCommands::HotKeyManager1HotKeyPressed(std::uint32_t HotKey, std::uint16_t) {
    const std::string text = HotKeyText(HotKey);
    std::vector<OpenRequest> links;
    trees_.get(TreeId::LinksTree).forEach([&](const TreeNode* node) {
        const TLinkData& link = node->record<TLinkData>();
        if (link.HotKey == text) links.push_back(requests_.hotKeyLink(link));
    });
    std::vector<std::string> addresses;
    trees_.get(TreeId::ContactsTree).forEach([&](const TreeNode* node) {
        const TContactData& contact = node->record<TContactData>();
        if (contact.HotKey == text) addresses.push_back(contact.Email);
    });
    std::vector<std::string> phrases;
    trees_.get(TreeId::PhrasesTree).forEach([&](const TreeNode* node) {
        const TPhraseData& phrase = node->record<TPhraseData>();
        if (phrase.HotKey == text) phrases.push_back(phrase.Phrase);
    });

    for (const OpenRequest& link : links) services_.shell.open(link);
    for (const std::string& address : addresses) {
        if (address.empty())
            services_.ui.showMessage(OpenCommands::noEmailText);
        else
            services_.shell.open(requests_.mail(address));
    }
    for (const std::string& phrase : phrases)
        if (services_.clipboard.hasText()) services_.clipboard.setText(phrase);
}

std::string HotKeyCommands::unavailableText(int language) {
    if (language == 1 || language == 2)
        return "Глобальные горячие клавиши на этом рабочем столе недоступны (нужен X11): горячие клавиши ссылок, "
               "контактов и фраз в этом сеансе не работают.";
    return "System-wide hot keys are not available on this desktop (they need X11): the hot keys of links, "
           "contacts and phrases do not work in this session.";
}

}  // namespace torvalet
