#include "navigation/LetterTags.h"

#include <string>

#include "base/Text.h"
#include "model/ViewState.h"
#include "navigation/NavigationContext.h"
#include "navigation/TreeLevels.h"
#include "trees/ItemTreeSet.h"
#include "trees/RecordFields.h"
#include "trees/TreeTable.h"

namespace torvalet {

namespace {

std::string_view nameOf(const TreeNode& node) {
    const RecordText* name = firstTextField(node);
    return name ? name->view() : std::string_view();
}

std::int32_t kindOf(const TreeNode& node) {
    const std::int32_t* kind = kindField(node);
    return kind ? *kind : 0;
}

// Whether the name begins with the letter turned to upper case.
bool beginsWith(std::string_view name, const std::string& upperLetter) {
    return !upperLetter.empty() && name.compare(0, upperLetter.size(), upperLetter) == 0;
}

bool inHiddenBranch(const TreeNode* node) {
    for (; node && !node->isRoot(); node = node->parent())
        if (!node->hasFlag(NodeFlag::Visible)) return true;
    return false;
}

}  // namespace

ItemTree& LetterTags::contactTags() { return context_.contactTags(); }

ItemTree& LetterTags::linkTags() { return context_.linkTags(); }

ItemTree& LetterTags::linksTree() { return context_.links(); }

template <class Keep>
void LetterTags::build(ItemTree& tags, ItemTree& source, Keep&& keep) {
    UpdateBracket bracket(context_, tags);
    tags.clear();
    source.forEach([&](TreeNode* node) {
        if (!keep(*node)) return;
        TreeNode* tag = tags.appendChild();
        TagRecord& data = tag->record<TagRecord>();
        data.name = nameOf(*node);
        data.kind = kindOf(*node);
        tags.setFocused(tag);
    });
}

void LetterTags::markSorted(ItemTree& tags) { (&tags == &contactTags() ? contactsSorted_ : linksSorted_) = true; }

bool LetterTags::sortMarkShown(const ItemTree& tagTree) const {
    return &tagTree == &context_.contactTags() ? contactsSorted_ : linksSorted_;
}

bool LetterTags::isTagList(const ItemTree& tree) const {
    return &tree == &context_.contactTags() || &tree == &context_.linkTags();
}

void LetterTags::buildGeneralContactTags() {
    ItemTree& tags = contactTags();
    UpdateBracket bracket(context_, tags);
    build(tags, context_.contacts(), [](const TreeNode& node) { return node.parent()->isRoot(); });
    markSorted(tags);
    if (TreeNode* first = tags.firstTopLevel()) tags.setFocused(first);
}

void LetterTags::buildGeneralLinkTags() {
    ItemTree& tags = linkTags();
    UpdateBracket bracket(context_, tags);
    build(tags, linksTree(), [](const TreeNode& node) { return node.parent()->isRoot(); });
    markSorted(tags);
    if (TreeNode* first = tags.firstTopLevel()) tags.setFocused(first);
}

void LetterTags::buildLetterContactTags(std::string_view letter) {
    context_.switchTab(kContactsPage);
    const std::string upper = utf8Upper(utf8Left(letter, 1));
    build(contactTags(), context_.contacts(), [&](const TreeNode& node) { return beginsWith(nameOf(node), upper); });
    markSorted(contactTags());
}

void LetterTags::buildLetterLinkTags(std::string_view letter) {
    context_.switchTab(kLinksPage);
    const std::string upper = utf8Upper(utf8Left(letter, 1));
    build(linkTags(), linksTree(), [&](const TreeNode& node) { return beginsWith(nameOf(node), upper); });
    markSorted(linkTags());
}

void LetterTags::buildContactKindTags(std::int32_t kind) {
    build(contactTags(), context_.contacts(), [kind](const TreeNode& node) { return kindOf(node) == kind; });
}

void LetterTags::showGeneralContactTags() {
    context_.switchTab(kContactsPage);
    buildGeneralContactTags();
}

void LetterTags::showGeneralLinkTags() {
    context_.switchTab(kLinksPage);
    buildGeneralLinkTags();
}

void LetterTags::showContactsOfKind(std::int32_t kind) {
    context_.switchTab(kContactsPage);
    buildContactKindTags(kind);
}

TreeNode* LetterTags::jumpFromContactTag() { return jump(contactTags(), context_.contacts()); }

TreeNode* LetterTags::jumpFromLinkTag() {
    context_.view().linksPage = treeInfo(TreeId::LinksTree).tab;
    return jump(linkTags(), linksTree());
}

TreeNode* LetterTags::jumpFrom(ItemTree& tagTree) {
    return &tagTree == &contactTags() ? jumpFromContactTag() : jumpFromLinkTag();
}

TreeNode* LetterTags::jump(ItemTree& tags, ItemTree& source) {
    UpdateBracket bracket(context_, source);
    levels_.collapseAll(source);
    context_.requestFocus(source);
    TreeNode* tag = tags.firstSelected();
    if (!tag) tag = tags.focused();
    if (!tag) return nullptr;
    const std::string_view name = nameOf(*tag);
    TreeNode* found = source.firstTopLevel();
    while (found && nameOf(*found) != name) found = ItemTree::nextInTreeOrder(found);
    if (!found) return nullptr;
    if (inHiddenBranch(found)) {
        // The name filter hid the item: it gives way, as it does to a click in the tree.
        NavFamily family;
        if (NavigationContext::familyOf(source, family)) context_.bars().of(family).clear();
        levels_.showAllItems(source);
    }
    source.setFocused(found);
    source.selectOnly(found);
    ItemTree::forEachInSubtree(found, [](TreeNode* node) { node->setFlag(NodeFlag::Expanded, true); });
    // The focus moving to an item scrolls it into view, which opens the groups around it.
    TreeLevels::openPath(found);
    context_.requestScroll(source, found);
    return found;
}

}  // namespace torvalet
