#pragma once

#include <functional>
#include <string>

namespace torvalet {

// A system-wide key combination: Qt-independent modifier bits and a key code of the platform's key names.
struct HotKey {
    enum Modifier : unsigned { Shift = 1, Ctrl = 2, Alt = 4, Win = 8 };
    unsigned modifiers = 0;
    unsigned key = 0;

    friend bool operator==(const HotKey&, const HotKey&) = default;
};

class HotKeys {
public:
    virtual ~HotKeys() = default;
    // False when the combination is taken or the platform has no system-wide keys.
    virtual bool registerKey(int id, const HotKey& key) = 0;
    virtual void releaseKey(int id) = 0;
    // Called with the id of a pressed, registered key.
    virtual void setHandler(std::function<void(int id)> handler) = 0;
};

}  // namespace torvalet
