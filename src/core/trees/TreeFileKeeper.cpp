#include "trees/TreeFileKeeper.h"

#include <algorithm>
#include <vector>

#include "base/Errors.h"
#include "base/FileIo.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeError.h"
#include "trees/TreeFileIo.h"
#include "trees/TreeStreamWriter.h"
#include "trees/TreeTable.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

// Start-up reads "images.goto" first among the link files; everything else in close order.
std::vector<TreeInfo> loadOrder() {
    std::vector<TreeInfo> files(treeFiles().begin(), treeFiles().end());
    const auto images =
        std::find_if(files.begin(), files.end(), [](const TreeInfo& f) { return f.readOnlyWhenPresent; });
    const auto links =
        std::find_if(files.begin(), files.end(), [](const TreeInfo& f) { return f.family == RecordFamily::Links; });
    if (images != files.end() && links != files.end() && images > links) std::rotate(links, images, images + 1);
    return files;
}

std::string withFileName(const std::string& message, const fs::path& file) {
    return message + "\n\"" + file.string() + "\"";
}

}  // namespace

TreeFileKeeper::TreeFileKeeper(ItemTreeSet& trees, fs::path folder, FileSaves& saves)
    : trees_(trees), folder_(std::move(folder)), saves_(saves) {}

KeptFile& TreeFileKeeper::kept(const TreeInfo& entry) {
    auto found = kept_.find(entry.id);
    if (found == kept_.end()) found = kept_.emplace(entry.id, KeptFile(folder_ / entry.fileName, saves_)).first;
    return found->second;
}

void TreeFileKeeper::loadAll(const TextCodec& codec, const Report& report, const AfterLoad& afterLoad,
                             const ShouldStop& shouldStop) {
    for (const TreeInfo& entry : loadOrder()) {
        if (shouldStop && shouldStop()) return;
        ItemTree& tree = trees_.get(entry.id);
        if (entry.readOnlyWhenPresent && nothingAt(kept(entry).path())) {
            kept(entry).takeOver();
            continue;
        }
        try {
            load(entry, codec);
        } catch (const std::exception& error) {
            report(error.what());
        }
        if (afterLoad) afterLoad(tree);
    }
}

// Whatever goes wrong while the file is read (a damaged stream, a failing disk, too little
// memory) leaves the tree marked unread, so that close never writes a part over the whole. A
// missing file is reported; writing the tree there at close loses nothing.
void TreeFileKeeper::load(const TreeInfo& entry, const TextCodec& codec) {
    ItemTree& tree = trees_.get(entry.id);
    kept(entry).read([&](const fs::path& file) {
        try {
            FileFingerprint read;
            loadTreeFile(tree, file, codec, &read);
            return read;
        } catch (const TreeError& error) {
            throw TreeError(withFileName(error.what(), file), error.code());
        } catch (const Error&) {
            throw;
        } catch (const std::exception& error) {
            throw Error(withFileName(error.what(), file));
        } catch (...) {
            throw Error(withFileName("Unknown error", file));
        }
    });
}

bool TreeFileKeeper::wasUnreadable(TreeId id) const {
    const auto found = kept_.find(id);
    return found != kept_.end() && found->second.wasUnreadable();
}

void TreeFileKeeper::save(const TreeInfo& entry, const TextCodec& codec) {
    KeptFile& file = kept(entry);
    if (!file.mayWrite()) return;
    file.save(TreeStreamWriter(codec).writeTree(trees_.get(entry.id), file.size()));
}

void TreeFileKeeper::saveAll(const TextCodec& codec, const Report& report) {
    for (const TreeInfo& entry : treeFiles()) {
        try {
            save(entry, codec);
        } catch (const std::exception& error) {
            report(error.what());
        }
    }
}

void TreeFileKeeper::provision(const fs::path& folder, const TextCodec& codec) {
    ItemTreeSet fresh;
    for (const TreeInfo& entry : treeFiles()) {
        const fs::path file = folder / entry.fileName;
        if (nothingAt(file)) saveTreeFile(fresh.get(entry.id), file, codec);
    }
}

}  // namespace torvalet
