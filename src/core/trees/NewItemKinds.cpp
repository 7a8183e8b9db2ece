#include "trees/NewItemKinds.h"

#include <algorithm>

#include "trees/ContactForm.h"
#include "trees/EventForm.h"
#include "trees/GoalForm.h"
#include "trees/LinkForm.h"
#include "trees/PhraseForm.h"

namespace torvalet {

namespace {

constexpr std::size_t kNewLinkKinds = 7;     // "None" to "Search"
constexpr std::size_t kNewContactKinds = 6;  // "None" to "Link"

std::vector<std::string> firstOf(std::vector<std::string> captions, std::size_t count) {
    captions.resize(std::min(count, captions.size()));
    return captions;
}

}  // namespace

std::vector<std::string> newItemKindCaptions(Page page) {
    switch (page) {
    case kTasksPage: return GoalForm::goalTypeCaptions();
    case kLinksPage: return firstOf(LinkForm::linkKindCaptions(), kNewLinkKinds);
    case kContactsPage: return firstOf(ContactForm::contactKindCaptions(), kNewContactKinds);
    case kBlocknotePage: return PhraseForm::phraseKindCaptions();
    case kCalendarPage: return EventForm::eventKindMenuCaptions();
    }
    return {};
}

}  // namespace torvalet
