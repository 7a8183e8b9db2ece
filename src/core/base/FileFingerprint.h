#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace torvalet {

// What is needed to tell whether new bytes for a file equal the bytes it was read with, without
// keeping them: the length and two independent 64-bit hashes.
struct FileFingerprint {
    std::uint64_t size = 0;
    std::uint64_t fnv = 0;
    std::size_t murmur = 0;

    static FileFingerprint of(std::string_view bytes) {
        std::uint64_t fnv = 14695981039346656037ull;
        for (unsigned char byte : bytes) fnv = (fnv ^ byte) * 1099511628211ull;
        return {bytes.size(), fnv, std::hash<std::string_view>{}(bytes)};
    }

    friend bool operator==(const FileFingerprint&, const FileFingerprint&) = default;
};

}  // namespace torvalet
