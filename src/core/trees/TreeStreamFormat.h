#pragma once

#include <cstddef>
#include <cstdint>

namespace torvalet::treestream {

// The container's fixed values, shared by the writer and the reader.

// The identifier: six 16-bit units; unit 3 is the version, unit 4 is not checked on reading.
constexpr std::uint16_t kIdentifier[6] = {0x2045, 0x0056, 0x0054, 0x0002, 0x0020, 0x2046};
constexpr std::size_t kIdentifierSize = 12;
constexpr std::uint16_t kVersion = 2;

constexpr std::int32_t kNodeChunk = 1;
constexpr std::int32_t kBaseChunk = 2;
constexpr std::int32_t kUserChunk = 4;
// Our own: a node's identity (NodeIdentity), after the node's other chunks. Readers that do not
// know it skip it by its size. Body: int32 body version, int32 byte count and the UID in UTF-8,
// int32 byte count and the extras. A later body version may only append to this.
constexpr std::int32_t kIdentityChunk = 0x54560001;
constexpr std::int32_t kIdentityVersion = 1;
constexpr std::size_t kChunkHeaderSize = 8;

// Base chunk body: child count, height, flags, alignment, check state, check type, reserved.
constexpr std::size_t kBaseBodySize = 17;
// Versions 0 and 1: child count, height, one flags byte, alignment, check state, check type.
constexpr std::size_t kOldBaseBodySize = 11;

// Deepest nesting the reader accepts; deeper streams are reported as damaged, which keeps
// every walk over a tree that was read within sane bounds.
constexpr std::size_t kMaxDepth = 10000;

}  // namespace torvalet::treestream
