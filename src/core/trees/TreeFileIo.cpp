#include "trees/TreeFileIo.h"

#include <algorithm>

#include "base/FileIo.h"
#include "trees/ByteStream.h"
#include "trees/TreeStreamReader.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {

void loadTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec,
                  FileFingerprint* fingerprintOut) {
    FileReader file(path);
    FingerprintBuilder fingerprint;
    // Read in pieces: a large tree file is never in memory whole besides the tree it makes.
    constexpr std::size_t kPiece = 256 * 1024;
    ByteStream stream(
        [&](char* into, std::size_t count) {
            const std::size_t got = file.read(into, count);
            if (fingerprintOut) fingerprint.add({into, got});
            return got;
        },
        std::min(file.sizeAtOpen() + 1, kPiece));
    TreeStreamReader(codec).readTree(tree, stream);
    if (fingerprintOut) *fingerprintOut = fingerprint.finish();
}

void saveTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec) {
    writeFileAtomic(path, TreeStreamWriter(codec).writeTree(tree));
}

}  // namespace torvalet
