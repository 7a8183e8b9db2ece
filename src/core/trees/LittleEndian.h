#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace torvalet {

// Appending and patching little-endian numbers in a byte string.

inline void appendUInt8(std::string& out, std::uint8_t value) { out.push_back(static_cast<char>(value)); }

inline void appendUInt16(std::string& out, std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.append(bytes, 2);
}

inline void patchUInt32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline void appendUInt32(std::string& out, std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    out.append(bytes, 4);
}

inline void appendInt32(std::string& out, std::int32_t value) { appendUInt32(out, static_cast<std::uint32_t>(value)); }

}  // namespace torvalet
