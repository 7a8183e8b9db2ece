#pragma once

#include <cstdint>
#include <string_view>

namespace torvalet {

// What is needed to tell whether new bytes for a file equal the bytes it was read with, without
// keeping them: the length and two independent 64-bit hashes, taken eight bytes at a time.
struct FileFingerprint {
    std::uint64_t size = 0;
    std::uint64_t first = 0;
    std::uint64_t second = 0;

    static FileFingerprint of(std::string_view bytes);

    friend bool operator==(const FileFingerprint&, const FileFingerprint&) = default;
};

// The fingerprint of bytes that come in pieces, as a file is read: equal to FileFingerprint::of
// their concatenation.
class FingerprintBuilder {
public:
    FingerprintBuilder();
    void add(std::string_view bytes);
    FileFingerprint finish() const;

private:
    void mix(std::uint64_t word);

    std::uint64_t size_ = 0;
    std::uint64_t first_, second_;
    char pending_[8] = {};  // the start of a word that the next piece completes
    std::size_t pendingSize_ = 0;
};

}  // namespace torvalet
