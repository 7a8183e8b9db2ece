#include "trees/FormBase.h"

#include "model/Language.h"
#include "model/Settings.h"
#include "platform/UserInterface.h"

namespace torvalet {

void FormBase::showNoSelectionMessage() const { ui_.showMessage(noSelectionText(settings_.language)); }

std::string FormBase::noSelectionText(int language) {
    return Language(language).takesRussianMessages() ? "Не выбраны узлы дерева!" : "There are no selected nodes!";
}

}  // namespace torvalet
