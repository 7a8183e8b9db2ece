#include "trees/FormBase.h"

#include "model/Settings.h"
#include "platform/UserInterface.h"

namespace torvalet {

void FormBase::showNoSelectionMessage() const { ui_.showMessage(noSelectionText(settings_.language)); }

std::string FormBase::noSelectionText(int language) {
    const bool russian = language == 1 || language == 2;
    return russian ? "Не выбраны узлы дерева!" : "There are no selected nodes!";
}

}  // namespace torvalet
