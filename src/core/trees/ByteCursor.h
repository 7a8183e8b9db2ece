#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace torvalet {

// Reads little-endian values from a block of bytes, never past its end. A read that does not
// find all its bytes reports false and leaves the position as it was.
class ByteCursor {
public:
    explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

    std::size_t position() const { return position_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - position_; }
    bool atEnd() const { return position_ >= bytes_.size(); }
    // Moves to `position`, at most to the end.
    void seek(std::size_t position) { position_ = position < bytes_.size() ? position : bytes_.size(); }

    bool readUInt8(std::uint8_t& value) {
        if (remaining() < 1) return false;
        value = byte(position_++);
        return true;
    }
    bool readUInt16(std::uint16_t& value) {
        if (remaining() < 2) return false;
        value = static_cast<std::uint16_t>(byte(position_) | byte(position_ + 1) << 8);
        position_ += 2;
        return true;
    }
    bool readUInt32(std::uint32_t& value) {
        if (remaining() < 4) return false;
        value = static_cast<std::uint32_t>(byte(position_)) | static_cast<std::uint32_t>(byte(position_ + 1)) << 8 |
                static_cast<std::uint32_t>(byte(position_ + 2)) << 16 |
                static_cast<std::uint32_t>(byte(position_ + 3)) << 24;
        position_ += 4;
        return true;
    }
    bool readInt32(std::int32_t& value) {
        std::uint32_t raw = 0;
        if (!readUInt32(raw)) return false;
        value = static_cast<std::int32_t>(raw);
        return true;
    }
    // The int32 at `at`, wherever the position is; false when the block holds no four bytes there.
    bool peekInt32(std::size_t at, std::int32_t& value) const {
        if (at > bytes_.size() || bytes_.size() - at < 4) return false;
        ByteCursor there(bytes_.substr(at, 4));
        return there.readInt32(value);
    }
    // Up to `count` bytes from the position on (fewer at the end of the block).
    std::string_view take(std::size_t count) {
        const std::string_view part = bytes_.substr(position_, count);
        position_ += part.size();
        return part;
    }

private:
    std::uint8_t byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }

    std::string_view bytes_;
    std::size_t position_ = 0;
};

}  // namespace torvalet
