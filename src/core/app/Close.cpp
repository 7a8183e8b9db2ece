// The organiser's close: the clock stops, the store closes, and every kept file that changed is
// written.

#include "app/Organizer.h"
#include "platform/Sound.h"

namespace torvalet {

void Organizer::close() {
    phase_ = Phase::Closing;
    attempt([this] { saveFavourites(); });
    view_.clockRunning = false;
    services_.sound.stop();
    closeStore();
    attempt([this] { saveSettings(); });
    attempt([this] { saveMessagePad(); });
    attempt([this] { saveTrees(); });
    attempt([this] { saveTextboard(); });
    const std::vector<std::string> notSaved = saves_.takeNotSaved();
    if (!notSaved.empty()) {
        std::string message =
            "The application folder \"" + paths_.home.string() + "\" is open read-only. These files were not saved:";
        for (const std::string& file : notSaved) message += "\n" + file;
        report(message);
    }
}

// A program that may not write its folder leaves the list alone too, without naming it.
void Organizer::saveFavourites() { favouritesList_.save(listBytes(favouriteSearches_)); }

// A pending edit that cannot be posted (the store locked or read-only, a full disk) is reported
// and given up, so that the store still closes and the rest of the close runs. One whose post
// failed already was reported then: it is given up without being tried again.
void Organizer::closeStore() {
    for (Query* query : {&store_.listRows, &store_.clipboardRows, &store_.scratch})
        if (query->isEditing() && query->postFailed()) query->cancel();
    if (!attempt([this] { store_.closeQueries(); })) {
        for (Query* query : {&store_.listRows, &store_.clipboardRows, &store_.scratch})
            if (query->isEditing()) attempt([query] { query->cancel(); });
    }
    attempt([this] { store_.disconnect(); });
}

void Organizer::saveSettings() {
    settings_.rightPanelWide = view_.rightPanelWide;
    settings_.messagePadVisible = view_.bottomPanelVisible;
    settings_.taskProperties = view_.taskProperties;
    settings_.easyMode = view_.easyView;
    updateSettingsFile([this](ProfileFile& file) { saveSetup(file, settings_, today()); });
    settings_.lastLaunchDate = today();
}

void Organizer::saveMessagePad() { messagePadFile_.save(messagePad_.bytes(codec_)); }

void Organizer::saveTrees() {
    treeFiles_.saveAll(codec_, [this](const std::string& message) { report(message); });
}

// A day file whose text is unchanged is left as it is, formatting and all. After midnight the text
// goes to the new day's file.
void Organizer::saveTextboard() {
    if (!textboardFile_.mayWrite()) return;
    KeptFile todays = dayFile(today());
    if (todays.path() != textboardFile_.path()) {
        textboardFile_ = std::move(todays);
        textboardFile_.takeOver();
    }
    textboardFile_.save(textboard_);
}

}  // namespace torvalet
