#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace torvalet {

// A stream of bytes read in pieces, such as a file: it holds the part that a ByteCursor is
// reading, so that a large file never has to be in memory whole.
class ByteStream {
public:
    // Reads up to `count` bytes into `into`; returns how many, 0 at the end of the stream.
    using Source = std::function<std::size_t(char* into, std::size_t count)>;

    // `piece` is how much is read at a time: the bytes held grow beyond it only for a single
    // read that needs more.
    ByteStream(Source source, std::size_t piece);

    // Drops the first `consumed` bytes held and reads on until at least `count` bytes are held,
    // or the stream ends. Returns the bytes held (fewer than `count` only at the end).
    std::string_view advance(std::size_t consumed, std::size_t count);
    // How many bytes of the stream were dropped: the held bytes begin there.
    std::size_t dropped() const { return dropped_; }

private:
    Source source_;
    std::string buffer_;  // its size is the room for held bytes
    std::size_t held_ = 0;
    std::size_t dropped_ = 0;
    bool ended_ = false;
};

}  // namespace torvalet
