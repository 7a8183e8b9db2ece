#include "base/FileFingerprint.h"

#include <algorithm>
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
    FingerprintBuilder builder;
    builder.add(bytes);
    return builder.finish();
}

FingerprintBuilder::FingerprintBuilder() : first_(kPrime4), second_(kPrime1) {}

void FingerprintBuilder::mix(std::uint64_t word) {
    first_ = std::rotl(first_ ^ (word * kPrime2), 31) * kPrime1;
    second_ = std::rotl(second_ + (word ^ kPrime4) * kPrime3, 27) * kPrime4;
}

void FingerprintBuilder::add(std::string_view bytes) {
    size_ += bytes.size();
    if (pendingSize_ > 0) {
        const std::size_t part = std::min(bytes.size(), sizeof pending_ - pendingSize_);
        std::memcpy(pending_ + pendingSize_, bytes.data(), part);
        pendingSize_ += part;
        bytes.remove_prefix(part);
        if (pendingSize_ < sizeof pending_) return;
        std::uint64_t word;
        std::memcpy(&word, pending_, 8);
        mix(word);
        pendingSize_ = 0;
    }
    for (; bytes.size() >= 8; bytes.remove_prefix(8)) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data(), 8);
        mix(word);
    }
    std::memcpy(pending_, bytes.data(), bytes.size());
    pendingSize_ = bytes.size();
}

// The last word holds the bytes left over and the length, which keeps "ab" apart from "ab\0".
FileFingerprint FingerprintBuilder::finish() const {
    FingerprintBuilder last = *this;
    std::uint64_t tail = 0;
    std::memcpy(&tail, pending_, pendingSize_);
    last.mix(tail);
    last.mix(size_);
    return {size_, avalanche(last.first_), avalanche(last.second_)};
}

}  // namespace torvalet
