#pragma once

namespace torvalet {

class Clock;
class Locale;
class UserInterface;
class Shell;
class HotKeys;
class Notices;
class Sound;
class Clipboard;
class PerUserStore;

// The platform services the core is given. The window layer fills it with Qt and X11
// implementations, the companion with headless ones, the tests with recording fakes.
struct Services {
    Clock& clock;
    Locale& locale;
    UserInterface& ui;
    Shell& shell;
    HotKeys& hotKeys;
    Notices& notices;
    Sound& sound;
    Clipboard& clipboard;
    PerUserStore& perUserStore;
};

}  // namespace torvalet
