#include "hotkeys/HotKeyCommands.h"

#include <vector>

#include "hotkeys/HotKeyText.h"
#include "model/MessagePad.h"
#include "model/Messages.h"
#include "model/Settings.h"
#include "platform/Clipboard.h"
#include "platform/HotKeys.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "trees/ContactRecord.h"
#include "trees/ItemTreeSet.h"
#include "trees/LinkRecord.h"
#include "trees/OpenCommands.h"
#include "trees/OpenRequests.h"
#include "trees/PhraseRecord.h"

namespace torvalet {

HotKeyCommands::HotKeyCommands(ItemTreeSet& trees, const Services& services, const OpenRequests& requests,
                               MessagePad& messagePad, const Settings& settings)
    : registry(services.hotKeys),
      trees_(trees),
      services_(services),
      requests_(requests),
      messagePad_(messagePad),
      settings_(settings) {
    registry.keyPressed = [this](std::uint32_t hotKey, std::uint16_t id) { hotKeyPressed(hotKey, id); };
}

void HotKeyCommands::addHotKey(std::uint32_t hotKey) {
    asked_ = true;
    registry.registerKey(hotKey);
}

template <class Record>
void HotKeyCommands::addTreeHotKeys(const ItemTree& tree) {
    tree.forEach([this](const TreeNode* node) {
        const std::string& text = node->record<Record>().hotKey;
        if (text.empty()) return;
        if (const std::uint32_t value = parseHotKeyText(text)) addHotKey(value);
    });
}

void HotKeyCommands::addLinkHotKeys() { addTreeHotKeys<LinkRecord>(trees_.get(TreeId::LinksTree)); }

void HotKeyCommands::addContactHotKeys() { addTreeHotKeys<ContactRecord>(trees_.get(TreeId::ContactsTree)); }

void HotKeyCommands::addPhraseHotKeys() { addTreeHotKeys<PhraseRecord>(trees_.get(TreeId::PhrasesTree)); }

void HotKeyCommands::registerHotKeys() {
    addLinkHotKeys();
    addContactHotKeys();
    addPhraseHotKeys();
    if (asked_ && !services_.hotKeys.available()) messagePad_.prepend(unavailableText(settings_.language));
}

// The matching items are gathered before anything is done: a message box runs an event loop,
// and no tree is walked while the user may change it.
void HotKeyCommands::hotKeyPressed(std::uint32_t hotKey, std::uint16_t) {
    const std::string text = hotKeyText(hotKey);
    std::vector<DesktopRequest> links;
    trees_.get(TreeId::LinksTree).forEach([&](const TreeNode* node) {
        const LinkRecord& link = node->record<LinkRecord>();
        if (link.hotKey == text) links.push_back(requests_.hotKeyLink(link));
    });
    std::vector<std::string> addresses;
    trees_.get(TreeId::ContactsTree).forEach([&](const TreeNode* node) {
        const ContactRecord& contact = node->record<ContactRecord>();
        if (contact.hotKey == text) addresses.push_back(contact.email);
    });
    std::vector<std::string> phrases;
    trees_.get(TreeId::PhrasesTree).forEach([&](const TreeNode* node) {
        const PhraseRecord& phrase = node->record<PhraseRecord>();
        if (phrase.hotKey == text) phrases.push_back(phrase.text);
    });

    for (const DesktopRequest& link : links) services_.shell.open(link);
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
    return std::string(message(MessageId::HotKeysUnavailable, Language(language)));
}

}  // namespace torvalet
