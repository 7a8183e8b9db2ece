#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "base/KeptFile.h"
#include "trees/TreeId.h"

namespace torvalet {

class FileSaves;
class ItemTree;
class ItemTreeSet;
struct TreeInfo;
class TextCodec;

// Reads every tree from its file at start and writes it back at close. A tree is written only
// when its file was read whole (or did not exist) and only when its bytes changed since: a tree
// whose file could not be read, or was never reached because start-up was cut short, may hold
// only part of what the file holds and is never written over it; an untouched tree leaves its
// file as it is, also when another program changed that file meanwhile.
class TreeFileKeeper {
public:
    using Report = std::function<void(const std::string&)>;
    // Called after a tree has been read (levels shown, letter tags rebuilt).
    using AfterLoad = std::function<void(ItemTree&)>;
    // Asked before each tree: true ends the reading there.
    using ShouldStop = std::function<bool()>;

    // The files are saved through `saves`.
    TreeFileKeeper(ItemTreeSet& trees, std::filesystem::path folder, FileSaves& saves);

    // In start-up order: the five goal trees, "images.goto" when present, the link trees,
    // contacts, calendar and phrases. Each failure is reported and the next tree is read.
    void loadAll(const TextCodec& codec, const Report& report, const AfterLoad& afterLoad,
                 const ShouldStop& shouldStop = nullptr);
    // In close order, the trees that may be written and have changed; each failure is reported.
    void saveAll(const TextCodec& codec, const Report& report);
    bool wasUnreadable(TreeId id) const;

    // Writes every tree file with the one empty item a new tree holds.
    static void provision(const std::filesystem::path& folder, const TextCodec& codec);

private:
    KeptFile& kept(const TreeInfo& entry);
    void load(const TreeInfo& entry, const TextCodec& codec);
    void save(const TreeInfo& entry, const TextCodec& codec);

    ItemTreeSet& trees_;
    std::filesystem::path folder_;
    FileSaves& saves_;
    std::map<TreeId, KeptFile> kept_;
};

}  // namespace torvalet
