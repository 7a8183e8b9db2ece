#include "trees/ByteStream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace torvalet {

ByteStream::ByteStream(Source source, std::size_t piece)
    : source_(std::move(source)), buffer_(std::max<std::size_t>(piece, 1), '\0') {}

std::string_view ByteStream::advance(std::size_t consumed, std::size_t count) {
    consumed = std::min(consumed, held_);
    std::memmove(buffer_.data(), buffer_.data() + consumed, held_ - consumed);
    held_ -= consumed;
    dropped_ += consumed;
    while (!ended_ && held_ < count) {
        // Room grows by doubling, so that a damaged length asks for no more memory than the
        // stream holds.
        if (held_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
        // Fill the room, so that small reads do not each ask the source.
        const std::size_t got = source_(buffer_.data() + held_, buffer_.size() - held_);
        if (got == 0) ended_ = true;
        held_ += got;
    }
    return {buffer_.data(), held_};
}

}  // namespace torvalet
