#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <vector>

#include "platform/HotKeys.h"

struct xcb_connection_t;
struct _XCBKeySymbols;

namespace torvalet::ui {

// System-wide keys of an X11 desktop: each combination is grabbed on the root window, four
// times so that Num Lock and Caps Lock do not matter; a grab that another client holds is
// refused. Presses arrive through Qt's native event filter and reach the handler from the event
// loop. Where Qt does not run on X11 (Wayland, offscreen) nothing is available.
class X11HotKeys : public QObject, public HotKeys, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    X11HotKeys();
    ~X11HotKeys() override;

    bool available() const override { return connection_ != nullptr; }
    bool registerKey(std::uint16_t id, unsigned flags, unsigned virtualKey) override;
    void releaseKey(std::uint16_t id) override;
    void setHandler(PressHandler handler) override { handler_ = std::move(handler); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        std::uint16_t id;
        std::uint8_t keycode;
        std::uint16_t modifiers;
        unsigned flags;
        unsigned virtualKey;
    };

    // Grabs (or releases) the combination with every state of Num Lock and Caps Lock; false
    // when the server refused one of the grabs.
    bool grab(std::uint8_t keycode, std::uint16_t modifiers);
    void ungrab(std::uint8_t keycode, std::uint16_t modifiers);
    std::uint8_t keycodeOf(unsigned virtualKey) const;
    void findNumLockMask();
    void deliver(const Grab& pressed);

    xcb_connection_t* connection_ = nullptr;
    _XCBKeySymbols* symbols_ = nullptr;
    std::uint32_t root_ = 0;
    std::uint16_t numLockMask_ = 0;
    std::vector<Grab> grabs_;
    PressHandler handler_;
};

}  // namespace torvalet::ui
