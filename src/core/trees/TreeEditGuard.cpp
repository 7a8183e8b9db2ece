#include "trees/TreeEditGuard.h"

#include "model/Messages.h"
#include "platform/UserInterface.h"
#include "trees/ItemTree.h"
#include "trees/TreeTable.h"

namespace torvalet {

TreeEditGuard::TreeEditGuard(UserInterface& ui, std::function<int()> language, std::function<bool(TreeId)> unreadable)
    : ui_(ui), language_(std::move(language)), unreadable_(std::move(unreadable)) {}

bool TreeEditGuard::isKept(const ItemTree& tree) const {
    const std::optional<TreeId> id = tree.id();
    return id && !treeInfo(*id).fileName.empty() && unreadable_ && unreadable_(*id);
}

std::string TreeEditGuard::keptText(const ItemTree& tree) const {
    if (!isKept(tree)) return {};
    return keptText(language_ ? language_() : 0, treeInfo(*tree.id()).fileName);
}

std::string TreeEditGuard::keptText(int language, std::string_view fileName) {
    return message(MessageId::TreeFileKept, Language(language), std::string(fileName));
}

bool TreeEditGuard::mayChange(const ItemTree& tree) const {
    if (!isKept(tree)) return true;
    ui_.showWarning(keptText(tree));
    return false;
}

}  // namespace torvalet
