#include "trees/TreeFileIo.h"

#include <algorithm>

#include "base/FileIo.h"
#include "trees/ByteStream.h"
#include "trees/TreeStreamReader.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {

FileFingerprint loadTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec) {
    FileReader file(path);
    FingerprintBuilder fingerprint;
    // Read in pieces: a large tree file is never in memory whole besides the tree it makes.
    constexpr std::size_t kPiece = 256 * 1024;
    ByteStream stream(
        [&](char* into, std::size_t count) {
            const std::size_t got = file.read(into, count);
            fingerprint.add({into, got});
            return got;
        },
        std::min(file.sizeAtOpen() + 1, kPiece));
    TreeStreamReader(codec).readTree(tree, stream);
    return fingerprint.finish();
}

void saveTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec) {
    writeFileAtomic(path, TreeStreamWriter(codec).writeTree(tree));
}

}  // namespace torvalet
