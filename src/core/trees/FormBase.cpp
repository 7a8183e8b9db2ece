#include "trees/FormBase.h"

#include "model/Messages.h"
#include "model/Settings.h"
#include "platform/UserInterface.h"

namespace torvalet {

void FormBase::showNoSelectionMessage() const { ui_.showMessage(noSelectionText(settings_.language)); }

std::string FormBase::noSelectionText(int language) {
    return std::string(message(MessageId::NoSelectedNodes, Language(language)));
}

}  // namespace torvalet
