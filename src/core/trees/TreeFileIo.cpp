#include "trees/TreeFileIo.h"

#include "base/FileIo.h"
#include "trees/TreeStreamReader.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {

void loadTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec) {
    const std::string bytes = readFileBytes(path);
    TreeStreamReader(codec).readTree(tree, bytes);
}

void saveTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec) {
    writeFileAtomic(path, TreeStreamWriter(codec).writeTree(tree));
}

}  // namespace torvalet
