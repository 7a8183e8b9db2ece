#include "base/FileFingerprint.h"

#include <bit>
#include <cstring>

namespace torvalet {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ull, kPrime2 = 0xC2B2AE3D27D4EB4Full,
                        kPrime3 = 0x165667B19E3779F9ull, kPrime4 = 0x85EBCA77C2B2AE63ull;

// Spreads every input bit over the whole word.
std::uint64_t avalanche(std::uint64_t h) {
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    h *= kPrime3;
    return h ^ (h >> 32);
}

}  // namespace

FileFingerprint FileFingerprint::of(std::string_view bytes) {
    std::uint64_t first = kPrime4 ^ bytes.size(), second = kPrime1 + bytes.size();
    const auto mix = [&](std::uint64_t word) {
        first = std::rotl(first ^ (word * kPrime2), 31) * kPrime1;
        second = std::rotl(second + (word ^ kPrime4) * kPrime3, 27) * kPrime4;
    };
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    for (; left >= 8; p += 8, left -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        mix(word);
    }
    std::uint64_t tail = 0;  // the length, in both seeds, keeps "ab" apart from "ab\0"
    std::memcpy(&tail, p, left);
    mix(tail);
    return {bytes.size(), avalanche(first), avalanche(second)};
}

}  // namespace torvalet
