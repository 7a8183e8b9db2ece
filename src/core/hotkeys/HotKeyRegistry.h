#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace torvalet {

class HotKeys;

// A press of a registered hot key: its value and its registration id.
using HotKeyPressHandler = std::function<void(std::uint32_t hotKey, std::uint16_t id)>;

// Registers hot key values with the platform's system-wide keys and reports their presses. Each
// registration gets the id of the atom "HotKeyManagerHotKey" + the value in decimal. Releases
// everything it registered when destroyed.
class HotKeyRegistry {
public:
    struct Registration {
        std::uint32_t hotKey;
        std::uint16_t id;
    };

    explicit HotKeyRegistry(HotKeys& platform);
    ~HotKeyRegistry();
    HotKeyRegistry(const HotKeyRegistry&) = delete;
    HotKeyRegistry& operator=(const HotKeyRegistry&) = delete;

    // The registration id, or 0 when the platform refuses the combination.
    std::uint16_t registerKey(std::uint32_t hotKey);
    // Releases every registration, the last one first.
    void releaseAll();
    bool isRegistered(std::uint32_t hotKey) const;
    // In order of registration.
    const std::vector<Registration>& registrations() const { return list_; }

    HotKeyPressHandler keyPressed;

private:
    // Named atoms with a use count, numbered from 0xC000 as the desktop numbers its own.
    class AtomTable {
    public:
        std::uint16_t add(const std::string& name);
        void remove(std::uint16_t atom);

    private:
        struct Atom {
            std::uint16_t number;
            int uses;
        };
        std::map<std::string, Atom> atoms_;
        std::uint16_t next_ = 0xC000;
    };

    void hotKeyMessage(std::uint16_t id, unsigned flags, unsigned key);

    HotKeys& platform_;
    AtomTable atoms_;
    std::vector<Registration> list_;
};

}  // namespace torvalet
