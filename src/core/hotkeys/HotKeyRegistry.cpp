#include "hotkeys/HotKeyRegistry.h"

#include "hotkeys/HotKeyText.h"
#include "platform/HotKeys.h"

namespace torvalet {

std::uint16_t HotKeyRegistry::AtomTable::add(const std::string& name) {
    const auto found = atoms_.find(name);
    if (found != atoms_.end()) {
        ++found->second.uses;
        return found->second.number;
    }
    if (next_ == 0) return 0;  // every number has been given out
    const std::uint16_t number = next_++;
    atoms_.emplace(name, Atom{number, 1});
    return number;
}

void HotKeyRegistry::AtomTable::remove(std::uint16_t atom) {
    for (auto it = atoms_.begin(); it != atoms_.end(); ++it) {
        if (it->second.number != atom) continue;
        if (--it->second.uses == 0) atoms_.erase(it);
        return;
    }
}

HotKeyRegistry::HotKeyRegistry(HotKeys& platform) : platform_(platform) {
    platform_.setHandler([this](std::uint16_t id, unsigned flags, unsigned key) { hotKeyMessage(id, flags, key); });
}

HotKeyRegistry::~HotKeyRegistry() {
    releaseAll();
    platform_.setHandler(nullptr);
}

std::uint16_t HotKeyRegistry::registerKey(std::uint32_t hotKey) {
    const SplitKey split = splitHotKey(hotKey);
    const std::uint16_t id = atoms_.add("HotKeyManagerHotKey" + std::to_string(hotKey));
    if (id == 0) return 0;
    if (!platform_.registerKey(id, split.flags, split.key)) {
        atoms_.remove(id);
        return 0;
    }
    list_.push_back({hotKey, id});
    return id;
}

void HotKeyRegistry::releaseAll() {
    while (!list_.empty()) {
        const Registration last = list_.back();
        platform_.releaseKey(last.id);
        atoms_.remove(last.id);
        list_.pop_back();
    }
}

bool HotKeyRegistry::isRegistered(std::uint32_t hotKey) const {
    for (const Registration& entry : list_)
        if (entry.hotKey == hotKey) return true;
    return false;
}

void HotKeyRegistry::hotKeyMessage(std::uint16_t id, unsigned flags, unsigned key) {
    if (!keyPressed) return;
    const std::uint32_t value = makeHotKey(flags, key);
    if (isRegistered(value)) keyPressed(value, id);
}

}  // namespace torvalet
