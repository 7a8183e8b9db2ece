#include "ui/services/X11HotKeys.h"

#include <QGuiApplication>
#include <QTimer>
#include <QtDebug>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <exception>

#include "ui/services/X11KeyCodes.h"

namespace torvalet::ui {

namespace {

constexpr std::uint16_t combinationMask = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

std::uint16_t modifierMask(unsigned flags) {
    std::uint16_t mask = 0;
    if (flags & HotKeyFlag::Shift) mask |= XCB_MOD_MASK_SHIFT;
    if (flags & HotKeyFlag::Ctrl) mask |= XCB_MOD_MASK_CONTROL;
    if (flags & HotKeyFlag::Alt) mask |= XCB_MOD_MASK_1;
    if (flags & HotKeyFlag::Win) mask |= XCB_MOD_MASK_4;
    return mask;
}

}  // namespace

X11HotKeys::X11HotKeys() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    connection_ = x11->connection();
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    symbols_ = xcb_key_symbols_alloc(connection_);
    findNumLockMask();
    qGuiApp->installNativeEventFilter(this);
}

X11HotKeys::~X11HotKeys() {
    if (!connection_) return;
    while (!grabs_.empty()) releaseKey(grabs_.back().id);
    if (qGuiApp) qGuiApp->removeNativeEventFilter(this);
    xcb_key_symbols_free(symbols_);
}

void X11HotKeys::findNumLockMask() {
    numLockMask_ = XCB_MOD_MASK_2;
    xcb_keycode_t* numLock = xcb_key_symbols_get_keycode(symbols_, XK_Num_Lock);
    xcb_get_modifier_mapping_reply_t* mapping =
        xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr);
    if (numLock && mapping) {
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mapping);
        const int perModifier = mapping->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8; ++modifier)
            for (int i = 0; i < perModifier; ++i)
                for (const xcb_keycode_t* code = numLock; *code != XCB_NO_SYMBOL; ++code)
                    if (codes[modifier * perModifier + i] == *code)
                        numLockMask_ = static_cast<std::uint16_t>(1u << modifier);
    }
    std::free(numLock);
    std::free(mapping);
}

std::uint8_t X11HotKeys::keycodeOf(unsigned virtualKey) const {
    const std::uint32_t keysym = keysymOfVirtualKey(virtualKey);
    if (!keysym) return 0;
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, keysym);
    const std::uint8_t code = codes ? codes[0] : 0;
    std::free(codes);
    return code;
}

bool X11HotKeys::grab(std::uint8_t keycode, std::uint16_t modifiers) {
    const std::uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, numLockMask_,
                                   static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLockMask_)};
    xcb_void_cookie_t cookies[4];
    for (int i = 0; i < 4; ++i)
        cookies[i] = xcb_grab_key_checked(connection_, 0, root_, modifiers | locks[i], keycode, XCB_GRAB_MODE_ASYNC,
                                          XCB_GRAB_MODE_ASYNC);
    bool granted = true;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            granted = false;
            std::free(error);
        }
    }
    return granted;
}

void X11HotKeys::ungrab(std::uint8_t keycode, std::uint16_t modifiers) {
    const std::uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, numLockMask_,
                                   static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLockMask_)};
    for (std::uint16_t lock : locks) xcb_ungrab_key(connection_, keycode, root_, modifiers | lock);
    xcb_flush(connection_);
}

bool X11HotKeys::registerKey(std::uint16_t id, unsigned flags, unsigned virtualKey) {
    if (!connection_) return false;
    const std::uint8_t keycode = keycodeOf(virtualKey);
    if (keycode == 0) return false;
    const std::uint16_t modifiers = modifierMask(flags);
    for (const Grab& taken : grabs_)
        if (taken.keycode == keycode && taken.modifiers == modifiers) return false;
    if (!grab(keycode, modifiers)) {
        ungrab(keycode, modifiers);  // only the grabs this program got
        return false;
    }
    grabs_.push_back({id, keycode, modifiers, flags, virtualKey});
    return true;
}

void X11HotKeys::releaseKey(std::uint16_t id) {
    for (auto it = grabs_.begin(); it != grabs_.end(); ++it) {
        if (it->id != id) continue;
        ungrab(it->keycode, it->modifiers);
        grabs_.erase(it);
        return;
    }
}

bool X11HotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_KEY_PRESS) return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    if (press->event != root_) return false;
    const std::uint16_t modifiers = press->state & combinationMask;
    for (const Grab& grabbed : grabs_) {
        if (grabbed.keycode != press->detail || grabbed.modifiers != modifiers) continue;
        deliver(grabbed);
        return true;
    }
    return false;
}

// After the native event has been dealt with: what a press does may open a message box.
void X11HotKeys::deliver(const Grab& pressed) {
    QTimer::singleShot(0, this, [this, pressed] {
        if (!handler_) return;
        try {
            handler_(pressed.id, pressed.flags, pressed.virtualKey);
        } catch (const std::exception& error) {
            qWarning("A system-wide hot key failed: %s", error.what());
        }
    });
}

}  // namespace torvalet::ui
