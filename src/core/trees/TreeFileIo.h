#pragma once

#include <filesystem>
#include <functional>

#include "base/FileFingerprint.h"
#include "base/Text.h"
#include "trees/ItemTree.h"

namespace torvalet {

// Reads a tree file into the tree, in pieces as it is parsed. When the file cannot be opened,
// FileError "Cannot open file "<path>". <reason>" comes before the tree is touched; otherwise the
// tree stream rules apply (TreeError, with the nodes read before a failure kept), and a failing
// read part way is that FileError with the nodes read before it kept. When the tree is read,
// `fingerprint` (if given) receives the fingerprint of the file's bytes.
void loadTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec,
                  FileFingerprint* fingerprint = nullptr);

// Walks a tree file without keeping the tree (see TreeStreamReader::walkTree): `visit` sees
// each top-level item of the file, read into `scratch`, in turn. Failures as for loadTreeFile.
void walkTreeFile(ItemTree& scratch, const std::filesystem::path& path, const TextCodec& codec,
                  const std::function<void(const ItemTree&)>& visit);

// Writes the tree to its file through a temporary file renamed over the old one, so the old
// file stays whole until the new one is complete. FileError "Cannot create file "<path>".
// <reason>" on failure, the old file left as it was.
void saveTreeFile(ItemTree& tree, const std::filesystem::path& path, const TextCodec& codec);

}  // namespace torvalet
