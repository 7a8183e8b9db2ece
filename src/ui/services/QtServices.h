#pragma once

#include "headless/SystemClock.h"
#include "headless/UserListFile.h"
#include "platform/Services.h"
#include "ui/services/QtClipboard.h"
#include "ui/services/QtLocale.h"
#include "ui/services/QtNotices.h"
#include "ui/services/QtShell.h"
#include "ui/services/QtSleepWatch.h"
#include "ui/services/QtSound.h"
#include "ui/services/QtUserInterface.h"
#include "ui/services/X11HotKeys.h"

namespace torvalet::ui {

// The platform services of the window program; made after the application object.
struct QtServices {
    SystemClock clock;
    QtLocale locale;
    QtUserInterface ui;
    QtShell shell;
    X11HotKeys hotKeys;
    QtNotices notices;
    QtSound sound;
    QtClipboard clipboard;
    UserListFile perUserStore{UserListFile::defaultFolder()};
    Services services{clock, locale, ui, shell, hotKeys, notices, sound, clipboard, perUserStore};
    // Told to the reminder clock of the organiser that runs.
    QtSleepWatch sleepWatch;
};

}  // namespace torvalet::ui
