#pragma once

#include <cstdint>
#include <functional>

namespace torvalet {

// Modifier flags of a system-wide key combination, as registration and presses give them.
namespace HotKeyFlag {
constexpr unsigned Alt = 1;
constexpr unsigned Ctrl = 2;
constexpr unsigned Shift = 4;
constexpr unsigned Win = 8;
}  // namespace HotKeyFlag

// System-wide key combinations: they reach the program wherever the keyboard focus is. A key is
// one of the organiser's virtual key codes (8 to 255, see keyName).
class HotKeys {
public:
    // A press of a registered combination: its id, modifier flags and virtual key.
    using PressHandler = std::function<void(std::uint16_t id, unsigned flags, unsigned virtualKey)>;

    virtual ~HotKeys() = default;
    // False where the desktop offers no system-wide keys at all.
    virtual bool available() const = 0;
    // Registers the combination under `id`. False when it is refused: taken by another program or
    // by this one under another id, not allowed, or no system-wide keys are available.
    virtual bool registerKey(std::uint16_t id, unsigned flags, unsigned virtualKey) = 0;
    virtual void releaseKey(std::uint16_t id) = 0;
    virtual void setHandler(PressHandler handler) = 0;
};

}  // namespace torvalet
