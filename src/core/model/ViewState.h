#pragma once

namespace torvalet {

// The pages of the main window, by the index the page commands take.
enum Page : int { kTasksPage = 0, kLinksPage = 1, kContactsPage = 2, kBlocknotePage = 3, kCalendarPage = 4 };

// What the main window shows, kept by the core so that commands and the window agree.
struct ViewState {
    int activePage = kTasksPage;
    int goalPage = 0;  // 0 Day ... 4 Global
    int linksPage = 0;
    bool maximised = true;
    bool bottomPanelVisible = true;  // the check of "MessagePad"
    bool rightPanelWide = false;     // the check of "Right Panel Wide"
    bool taskProperties = false;     // the check of "Modify Task..."
    bool easyView = false;
    bool clockRunning = false;
    int goalPanelWidth = 0;     // pixels; 0 until the first show sets it
    bool tipVisible = false;    // the tip line
    int shownTip = 0;           // the tip the tip line shows, from 0
    int nextTip = 0;            // the tip "Show Next Tip" shows, from 0
    bool autoplayTips = false;  // the check of "Autoplay Tips"
    bool hiddenInTray = false;  // the window is hidden, only the tray icon shows
};

}  // namespace torvalet
