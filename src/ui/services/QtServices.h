#pragma once

#include "platform/HotKeys.h"
#include "platform/Services.h"
#include "shell/SystemClock.h"
#include "shell/UserListFile.h"
#include "ui/services/QtClipboard.h"
#include "ui/services/QtLocale.h"
#include "ui/services/QtNotices.h"
#include "ui/services/QtShell.h"
#include "ui/services/QtSound.h"
#include "ui/services/QtUserInterface.h"

namespace torvalet::ui {

// Until system-wide keys are grabbed, the window program has none to offer.
class UnavailableHotKeys : public HotKeys {
public:
    bool registerKey(int, const HotKey&) override { return false; }
    void releaseKey(int) override {}
    void setHandler(std::function<void(int)>) override {}
};

// The platform services of the window program.
struct QtServices {
    SystemClock clock;
    QtLocale locale;
    QtUserInterface ui;
    QtShell shell;
    UnavailableHotKeys hotKeys;
    QtNotices notices;
    QtSound sound;
    QtClipboard clipboard;
    UserListFile perUserStore{UserListFile::defaultFolder()};
    Services services{clock, locale, ui, shell, hotKeys, notices, sound, clipboard, perUserStore};
};

}  // namespace torvalet::ui
