#include "shell/TreeFileKeeper.h"

#include <algorithm>
#include <vector>

#include "base/Errors.h"
#include "base/FileIo.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeError.h"
#include "trees/TreeFileIo.h"
#include "trees/TreeFiles.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

// Start-up reads "images.goto" first among the link files; everything else in close order.
std::vector<TreeFile> loadOrder() {
    std::vector<TreeFile> files(treeFiles().begin(), treeFiles().end());
    const auto images = std::find_if(files.begin(), files.end(), [](const TreeFile& f) { return f.readOnlyWhenPresent; });
    const auto links = std::find_if(files.begin(), files.end(), [](const TreeFile& f) { return f.family == RecordFamily::Links; });
    if (images != files.end() && links != files.end() && images > links) std::rotate(links, images, images + 1);
    return files;
}

}  // namespace

TreeFileKeeper::TreeFileKeeper(ItemTreeSet& trees, fs::path folder) : trees_(trees), folder_(std::move(folder)) {}

void TreeFileKeeper::loadAll(const TextCodec& codec, const Report& report, const AfterLoad& afterLoad) {
    for (const TreeFile& entry : loadOrder()) {
        ItemTree& tree = trees_.get(entry.treeName);
        const fs::path file = folder_ / std::string(entry.fileName);
        if (entry.readOnlyWhenPresent && !fileExists(file)) continue;
        try {
            load(tree, file, codec);
        } catch (const std::exception& error) {
            report(error.what());
        }
        if (afterLoad) afterLoad(tree);
    }
}

void TreeFileKeeper::load(ItemTree& tree, const fs::path& file, const TextCodec& codec) {
    // A missing file is reported; writing the tree there at close loses nothing.
    const bool present = fileExists(file);
    try {
        loadTreeFile(tree, file, codec);
    } catch (const TreeError& error) {
        unreadable_.insert(tree.name());
        throw TreeError(std::string(error.what()) + "\n\"" + file.string() + "\"", error.code());
    } catch (const FileError&) {
        if (present) unreadable_.insert(tree.name());
        throw;
    }
}

void TreeFileKeeper::save(ItemTree& tree, const TextCodec& codec) {
    const auto entry = treeFileOf(tree.name());
    if (!entry || wasUnreadable(tree.name())) return;
    saveTreeFile(tree, folder_ / std::string(entry->fileName), codec);
}

void TreeFileKeeper::saveAll(const TextCodec& codec, const Report& report) {
    for (const TreeFile& entry : treeFiles()) {
        try {
            save(trees_.get(entry.treeName), codec);
        } catch (const std::exception& error) {
            report(error.what());
        }
    }
}

void TreeFileKeeper::provision(const fs::path& folder, const TextCodec& codec) {
    ItemTreeSet fresh;
    for (const TreeFile& entry : treeFiles()) {
        const fs::path file = folder / std::string(entry.fileName);
        if (!fileExists(file)) saveTreeFile(fresh.get(entry.treeName), file, codec);
    }
}

}  // namespace torvalet
