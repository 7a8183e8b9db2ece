#pragma once

#include "base/Errors.h"

namespace torvalet {

// A failure of the item tree: a damaged tree stream, a move into the item's own subtree or a
// failed clipboard transfer. code() tells which; the message is the system's own text.
class TreeError : public Error {
public:
    static constexpr int kTargetInsideMovedNode = 2001;
    static constexpr int kWrongFormat = 2002;
    static constexpr int kUnknownVersion = 2003;
    static constexpr int kNotEnoughData = 2004;
    static constexpr int kAnchorChunkMissing = 2005;
    static constexpr int kDataAfterNodeEnd = 2006;
    static constexpr int kClipboardFailed = 2007;
    // The stream ran short where a whole value was required; the system gives it no code.
    static constexpr int kStreamRead = 0;

    // The error with its code and the message that belongs to it.
    static TreeError fromCode(int code);

    using Error::Error;
};

}  // namespace torvalet
