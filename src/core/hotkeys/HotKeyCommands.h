#pragma once

#include <cstdint>
#include <string>

#include "hotkeys/HotKeyRegistry.h"

namespace torvalet {

class ItemTree;
class ItemTreeSet;
class MessagePad;
class OpenRequests;
struct Services;
struct Settings;

// The system-wide hot keys of links (LinksTree only), contacts and phrases: registered once at
// start, from the items' hot key texts; a press opens the links, mails the contacts and puts the
// phrases on the clipboard whose texts are the pressed key's canonical text. Texts edited later
// take effect at the next start.
class HotKeyCommands {
public:
    HotKeyCommands(ItemTreeSet& trees, const Services& services, const OpenRequests& requests, MessagePad& messagePad,
                   const Settings& settings);

    HotKeyRegistry registry;

    void addHotKey(std::uint32_t hotKey);
    void addLinkHotKeys();
    void addContactHotKeys();
    void addPhraseHotKeys();
    // The three above, in that order. Where the desktop has no system-wide keys and an item
    // asks for one, the message pad says so.
    void registerHotKeys();
    void hotKeyPressed(std::uint32_t hotKey, std::uint16_t id);

    static std::string unavailableText(int language);

private:
    template <class Record>
    void addTreeHotKeys(const ItemTree& tree);

    ItemTreeSet& trees_;
    const Services& services_;
    const OpenRequests& requests_;
    MessagePad& messagePad_;
    const Settings& settings_;
    bool asked_ = false;  // an item's text read as a hot key
};

}  // namespace torvalet
