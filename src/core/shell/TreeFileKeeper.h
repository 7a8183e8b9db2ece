#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace torvalet {

class ItemTree;
class ItemTreeSet;
class TextCodec;

// Reads every tree from its file at start and writes it back at close. A tree whose file
// exists but could not be read whole is never written over that file: its nodes in memory may
// be only part of what the file holds.
class TreeFileKeeper {
public:
    using Report = std::function<void(const std::string&)>;
    // Called after a tree has been read (levels shown, letter tags rebuilt).
    using AfterLoad = std::function<void(ItemTree&)>;

    TreeFileKeeper(ItemTreeSet& trees, std::filesystem::path folder);

    // In start-up order: the five goal trees, "images.goto" when present, the link trees,
    // contacts, calendar and phrases. Each failure is reported and the next tree is read.
    void loadAll(const TextCodec& codec, const Report& report, const AfterLoad& afterLoad);
    // In close order; trees that could not be read are left out.
    void saveAll(const TextCodec& codec, const Report& report);
    // Writes one tree to its file, unless its file could not be read.
    void save(ItemTree& tree, const TextCodec& codec);
    bool wasUnreadable(const std::string& treeName) const { return unreadable_.count(treeName) > 0; }

    // Writes every tree file with the one empty item a new tree holds.
    static void provision(const std::filesystem::path& folder, const TextCodec& codec);

private:
    void load(ItemTree& tree, const std::filesystem::path& file, const TextCodec& codec);

    ItemTreeSet& trees_;
    std::filesystem::path folder_;
    std::set<std::string> unreadable_;
};

}  // namespace torvalet
