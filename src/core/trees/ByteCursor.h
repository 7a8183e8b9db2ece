#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "trees/ByteStream.h"

namespace torvalet {

// Reads little-endian values from a block of bytes or a stream, never past its end. A read that
// does not find all its bytes reports false and leaves the position as it was. Over a stream,
// the bytes before the position may be gone: views that take() gave stay valid only until the
// next read.
class ByteCursor {
public:
    explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}
    explicit ByteCursor(ByteStream& stream) : stream_(&stream) { refill(0); }

    // Counted from the start of the block or stream.
    std::size_t position() const { return base_ + position_; }
    // Whether `count` more bytes can be read.
    bool available(std::size_t count) { return bytes_.size() - position_ >= count || refill(count); }
    bool atEnd() { return !available(1); }

    bool readUInt8(std::uint8_t& value) {
        if (!available(1)) return false;
        value = byte(position_++);
        return true;
    }
    bool readUInt16(std::uint16_t& value) {
        if (!available(2)) return false;
        value = static_cast<std::uint16_t>(byte(position_) | byte(position_ + 1) << 8);
        position_ += 2;
        return true;
    }
    bool readUInt32(std::uint32_t& value) {
        if (!available(4)) return false;
        value = uint32At(position_);
        position_ += 4;
        return true;
    }
    bool readInt32(std::int32_t& value) {
        std::uint32_t raw = 0;
        if (!readUInt32(raw)) return false;
        value = static_cast<std::int32_t>(raw);
        return true;
    }
    // The int32 at `at` (not before the position), leaving the position where it is; false when
    // there are no four bytes there.
    bool peekInt32(std::size_t at, std::int32_t& value) {
        if (at < position() || at - position() > SIZE_MAX - 4 || !available(at - position() + 4)) return false;
        value = static_cast<std::int32_t>(uint32At(at - base_));
        return true;
    }
    // Up to `count` bytes from the position on (fewer at the end).
    std::string_view take(std::size_t count) {
        available(count);
        const std::string_view part = bytes_.substr(position_, count);
        position_ += part.size();
        return part;
    }

private:
    std::uint8_t byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    // One load where the machine is little-endian too: put together byte by byte, the compiler
    // kept the bytes apart on the stack and read them back as a word, which stalls.
    std::uint32_t uint32At(std::size_t at) const {
        if constexpr (std::endian::native == std::endian::little) {
            std::uint32_t value;
            std::memcpy(&value, bytes_.data() + at, sizeof value);
            return value;
        }
        return static_cast<std::uint32_t>(byte(at)) | static_cast<std::uint32_t>(byte(at + 1)) << 8 |
               static_cast<std::uint32_t>(byte(at + 2)) << 16 | static_cast<std::uint32_t>(byte(at + 3)) << 24;
    }
    // Over a stream: drops what was read and holds at least `count` bytes from the position on,
    // unless the stream ends first.
    bool refill(std::size_t count) {
        if (!stream_) return false;
        bytes_ = stream_->advance(position_, count);
        base_ = stream_->dropped();
        position_ = 0;
        return bytes_.size() >= count;
    }

    std::string_view bytes_;
    std::size_t position_ = 0;  // in bytes_
    std::size_t base_ = 0;      // where bytes_ begins
    ByteStream* stream_ = nullptr;
};

}  // namespace torvalet
