#include "trees/TreeError.h"

namespace torvalet {

namespace {

const char* messageFor(int code) {
    switch (code) {
    case TreeError::kTargetInsideMovedNode: return "Target node cannot be a child node of the node to be moved.";
    case TreeError::kWrongFormat: return "Unable to load tree structure, the format is wrong.";
    case TreeError::kUnknownVersion: return "Unable to load tree structure, the version is unknown.";
    case TreeError::kNotEnoughData: return "Unable to load tree structure, not enough data available.";
    case TreeError::kAnchorChunkMissing: return "Stream data corrupt. A node's anchor chunk is missing.";
    case TreeError::kDataAfterNodeEnd: return "Stream data corrupt. Unexpected data after node's end position.";
    case TreeError::kClipboardFailed: return "Clipboard operation failed.";
    default: return "Stream read error";
    }
}

}  // namespace

TreeError TreeError::fromCode(int code) { return TreeError(messageFor(code), code); }

}  // namespace torvalet
