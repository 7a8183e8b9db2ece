#include "app/ViewCommands.h"

#include "model/MessagePad.h"
#include "model/Messages.h"
#include "model/Settings.h"
#include "model/ViewState.h"
#include "platform/UserInterface.h"

namespace torvalet {

namespace {

const char* const tips[ViewCommands::kTipCount] = {
    "Click once on TipsPanel to make it disappear. Press {Alt+F1} to show next tip...",
    "To stop tips autoplaying uncheck {Help->Autoplay Tips} menu point...",
    "You can switch to Tasks View by {View->Task Page} command or just {Ctrl+1}...",
    "You can switch to Links View by {View->Links Page} command or just {Ctrl+2}...",
    "You can switch to Contacts View by {View->Contacts Page} command or just {Ctrl+3}...",
    "You can switch to Blocknote View by {View->Blocknote Page} command or just {Ctrl+4}...",
    "You can switch to Calendar View by {View->Calendar Page} command or just {Ctrl+5}...",
    "Launch Google Search Engine by {Service->Google Search} command or just {Ctrl+Shift+Alt+G}...",
    "Launch MS Internet Explorer browser by {Service->Internet Explorer} command or just {Ctrl+Shift+Alt+I}...",
    "Launch MS Windows Explorer by {Service->Windows Explorer} command or just {Ctrl+Shift+Alt+E}...",
};

}  // namespace

void ViewCommands::switchTab(Page page) {
    if (view_.activePage != page) view_.activePage = page;
}

int ViewCommands::goalPanelWidth(PaneWidth width, int screenWidth) {
    switch (width) {
    case PaneWidth::Wide: return 4 * (screenWidth / 6);
    case PaneWidth::Normal: return screenWidth / 2;
    case PaneWidth::Slim: break;
    }
    return screenWidth / 4;
}

void ViewCommands::toggleRightPanelWide() { view_.rightPanelWide = !view_.rightPanelWide; }

void ViewCommands::toggleMessagePad() { view_.bottomPanelVisible = !view_.bottomPanelVisible; }

std::string ViewCommands::clearMessagePadQuestion(int language) {
    return std::string(message(MessageId::ClearMessagePadQuestion, Language(language)));
}

void ViewCommands::clearMessagePad() {
    if (ui_.askYesNo(clearMessagePadQuestion(settings_.language))) pad_.clear();
}

void ViewCommands::showNextTip() {
    view_.shownTip = view_.nextTip;
    view_.tipVisible = true;
    view_.nextTip = (view_.nextTip + 1) % kTipCount;
}

void ViewCommands::autoplayTick() {
    if (view_.autoplayTips) showNextTip();
}

std::string ViewCommands::tipLine() const {
    return "Tip #" + std::to_string(view_.shownTip + 1) + ": " + tipText(view_.shownTip);
}

const char* ViewCommands::tipText(int index) { return index >= 0 && index < kTipCount ? tips[index] : ""; }

}  // namespace torvalet
