#pragma once

#include <string>

#include "model/ViewState.h"

namespace torvalet {

class MessagePad;
class UserInterface;
struct Settings;

// The goal panel's width buttons: "<<" wide, ">>" normal, ">>>" slim (the width at first show).
enum class PaneWidth { Wide, Normal, Slim };

// The commands of the main window's views: pages, pane widths, the bottom panel and the message
// pad, "Right Panel Wide", tips, the tray and the mouse wheel. They change the view state; the
// window shows it.
class ViewCommands {
public:
    static constexpr int kTipCount = 10;
    enum class WheelKey { Up, Down };

    ViewCommands(ViewState& view, MessagePad& pad, UserInterface& ui, const Settings& settings)
        : view_(view), pad_(pad), ui_(ui), settings_(settings) {}

    // Makes the page the active one. The window's page change handler does not run for it.
    void switchTab(Page page);
    void showTasksPage() { switchTab(kTasksPage); }
    void showLinksPage() { switchTab(kLinksPage); }
    void showContactsPage() { switchTab(kContactsPage); }
    void showBlocknotePage() { switchTab(kBlocknotePage); }
    void showCalendarPage() { switchTab(kCalendarPage); }

    // The goal panel's width for a button on a screen that wide: 4 × (screen div 6), screen div 2,
    // screen div 4.
    static int goalPanelWidth(PaneWidth width, int screenWidth);
    void makeGoalPanelWide(int screenWidth) { view_.goalPanelWidth = goalPanelWidth(PaneWidth::Wide, screenWidth); }
    void makeGoalPanelNormal(int screenWidth) { view_.goalPanelWidth = goalPanelWidth(PaneWidth::Normal, screenWidth); }
    void makeGoalPanelSlim(int screenWidth) { view_.goalPanelWidth = goalPanelWidth(PaneWidth::Slim, screenWidth); }
    // "Right Panel Wide": turns its check over (saved at close). The layout stays as it is.
    void toggleRightPanelWide();

    // "MessagePad": shows the bottom panel when hidden, hides it when shown.
    void toggleMessagePad();
    // "Clear MessagePad": on Yes to the question, every line of the message pad goes.
    void clearMessagePad();
    static std::string clearMessagePadQuestion(int language);

    // "Show Next Tip": the tip line shows the next tip; after the tenth comes the first again.
    void showNextTip();
    // "Autoplay Tips": turns its check over; while checked the clock shows a tip each minute.
    void toggleAutoplayTips() { view_.autoplayTips = !view_.autoplayTips; }
    void autoplayTick();
    // A click on the tip line hides it.
    void hideTip() { view_.tipVisible = false; }
    // What the tip line shows: "Tip #", the number from 1, ": " and the text.
    std::string tipLine() const;
    static const char* tipText(int index);

    // The window was minimised into the tray.
    void minimisedToTray() { view_.hiddenInTray = true; }
    // A click on the tray icon: back from the tray, or into it.
    void toggleTray() { view_.hiddenInTray = !view_.hiddenInTray; }
    // Esc: into the tray.
    void hideInTray() { view_.hiddenInTray = true; }

    // The key one notch of the mouse wheel stands for: Down for a delta of 0 or less, else Up.
    static WheelKey wheelKey(int delta) { return delta > 0 ? WheelKey::Up : WheelKey::Down; }

private:
    ViewState& view_;
    MessagePad& pad_;
    UserInterface& ui_;
    const Settings& settings_;
};

}  // namespace torvalet
