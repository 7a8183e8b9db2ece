#include "trees/TreeFileIo.h"

#include <algorithm>

#include "base/FileIo.h"
#include "trees/ByteStream.h"
#include "trees/TreeStreamReader.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {

namespace {

// Reads the file in pieces of up to `piece` bytes as `read` parses it: a large tree file is never
// in memory whole.
void readInPieces(const std::filesystem::path& path, std::size_t piece, FileFingerprint* fingerprintOut,
                  const std::function<void(ByteStream&)>& read) {
    FileReader file(path);
    FingerprintBuilder fingerprint;
    ByteStream stream(
        [&](char* into, std::size_t count) {
            const std::size_t got = file.read(into, count);
            if (fingerprintOut) fingerprint.add({into, got});
            return got;
        },
        std::min(file.sizeAtOpen() + 1, piece));
    read(stream);
    if (fingerprintOut) *fingerprintOut = fingerprint.finish();
}

}  // namespace

void loadTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec,
                  FileFingerprint* fingerprintOut) {
    readInPieces(path, 256 * 1024, fingerprintOut,
                 [&](ByteStream& stream) { TreeStreamReader(codec).readTree(tree, stream); });
}

void walkTreeFile(ItemTree& scratch, const std::filesystem::path& path, const TextCodec& codec,
                  const std::function<void(const ItemTree&)>& visit) {
    // Smaller pieces: the first items come sooner, which a walk is often run for.
    readInPieces(path, 64 * 1024, nullptr,
                 [&](ByteStream& stream) { TreeStreamReader(codec).walkTree(scratch, stream, visit); });
}

void saveTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec) {
    writeFileAtomic(path, TreeStreamWriter(codec).writeTree(tree));
}

}  // namespace torvalet
