#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/RecordingObserver.h"
#include "fakes/TempDir.h"
#include "model/Settings.h"
#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "trees/ItemTreeSet.h"
#include "trees/RecordFields.h"
#include "trees/TreeCommands.h"
#include "trees/TreeEditGuard.h"

namespace torvalet::testing {

// Replaces the tree's items by an outline of names, children in brackets: "A[A1 A2] B". The
// names go to the first text field of each record.
inline void build(ItemTree& tree, std::string_view outline) {
    tree.clear();
    std::vector<TreeNode*> parents{nullptr};
    TreeNode* last = nullptr;
    std::string name;
    const auto flush = [&] {
        if (name.empty()) return;
        last = tree.appendChild(parents.back());
        *firstTextField(*last) = name;
        name.clear();
    };
    for (const char c : outline) {
        if (c == ' ' || c == '[' || c == ']') flush();
        if (c == '[') parents.push_back(last);
        if (c == ']') parents.pop_back();
        if (c != ' ' && c != '[' && c != ']') name += c;
    }
    flush();
}

// The outline of the tree as build() takes it; an empty name shows as "_".
inline std::string outline(const TreeNode* parent) {
    std::string out;
    for (const TreeNode* n = parent->firstChild(); n; n = n->nextSibling()) {
        if (!out.empty()) out += ' ';
        const RecordText* name = firstTextField(*n);
        out += name && !name->empty() ? *name : "_";
        if (n->hasChildren()) out += "[" + outline(n) + "]";
    }
    return out;
}

inline std::string outline(const ItemTree& tree) { return outline(tree.root()); }

// The first item of that name in tree order.
inline TreeNode* item(const ItemTree& tree, std::string_view name) {
    TreeNode* found = nullptr;
    tree.forEach([&](TreeNode* n) {
        if (!found && *firstTextField(*n) == name) found = n;
    });
    if (!found) ADD_FAILURE() << "no item " << name << " in " << tree.name();
    return found;
}

inline void select(ItemTree& tree, std::initializer_list<std::string_view> names) {
    tree.clearSelection();
    for (std::string_view name : names) tree.select(item(tree, name));
}

inline std::vector<std::string> names(const std::vector<TreeNode*>& nodes) {
    std::vector<std::string> out;
    for (const TreeNode* n : nodes) out.push_back(n ? *firstTextField(*n) : "(none)");
    return out;
}

// The sixteen trees with the commands over fakes, a cue folder holding "recycle.wav", and
// records of what the commands asked for: the items whose dialogs open and the letter tags
// rebuilt, in `edited`, and the trees shown again, in the observer. The navigation's upkeep goes
// on to `navigator` when one is set. The trees in `keptTrees` are kept as their files could not be read.
class TreeCommandsFixture : public ::testing::Test, private ItemEditor, private TreeNavigator {
protected:
    TreeCommandsFixture() { writeText(sounds / cues::Recycle, "RIFF"); }

    void editItem(TreeNode& node) override {
        const TreeNode* root = &node;
        while (root->parent()) root = root->parent();
        for (const ItemTree& tree : trees.all())
            if (tree.root() == root) edited.push_back(tree.name() + ":" + *firstTextField(node));
        editedNode = &node;
    }
    void rebuildLinkTags() override {
        edited.push_back("link tags");
        if (navigator) navigator->rebuildLinkTags();
    }
    void rebuildContactTags() override {
        edited.push_back("contact tags");
        if (navigator) navigator->rebuildContactTags();
    }
    void collapseAllButSelected(ItemTree& tree) override {
        if (navigator) navigator->collapseAllButSelected(tree);
    }

    ItemTree& tree(TreeId id) { return trees.get(id); }
    std::vector<std::string> recycleCues(int count) const {
        return std::vector<std::string>(static_cast<std::size_t>(count), (sounds / cues::Recycle).string());
    }

    TempDir sounds;
    FakeServices fakes;
    Settings settings;
    SoundCues cuePlayer{fakes.sound, fakes.ui, sounds.path(), settings};
    ViewState view;
    int language = 0;
    ItemTreeSet trees;
    RecordingObserver observer;
    TreeNavigator* navigator = nullptr;
    std::set<TreeId> keptTrees;
    TreeEditGuard guard{fakes.ui, [this] { return language; }, [this](TreeId id) { return keptTrees.contains(id); }};
    TreeCommands commands{trees,    fakes.clipboard, fakes.ui, cuePlayer, view, [this] { return language; },
                          observer, *this,           *this,    guard};
    std::vector<std::string> edited;
    TreeNode* editedNode = nullptr;
};

}  // namespace torvalet::testing
