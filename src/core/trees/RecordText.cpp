#include "trees/RecordText.h"

#include <cstring>
#include <functional>
#include <ostream>
#include <utility>

#include "base/SmallBlocks.h"

namespace torvalet {

RecordText::RecordText(RecordText&& other) noexcept {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    other.setInline(0);
}

RecordText& RecordText::operator=(const RecordText& other) {
    if (this != &other) *this = RecordText(other);
    return *this;
}

RecordText& RecordText::operator=(RecordText&& other) noexcept {
    if (this != &other) {
        release();
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        other.setInline(0);
    }
    return *this;
}

RecordText& RecordText::assignSlow(std::string_view text) {
    const char* own = data();
    const std::less_equal<const char*> notAfter;
    if (notAfter(own, text.data()) && notAfter(text.data(), own + size())) return *this = RecordText(text);
    release();
    assign(text);
    return *this;
}

std::size_t RecordText::size() const {
    if (!onHeap()) return static_cast<unsigned char>(bytes_[15]);
    std::uint32_t size = 0;
    std::memcpy(&size, bytes_ + 8, sizeof size);
    return size;
}

const char* RecordText::data() const { return onHeap() ? heapData() : bytes_; }

char* RecordText::heapData() const {
    char* block = nullptr;
    std::memcpy(&block, bytes_, sizeof block);
    return block;
}

void RecordText::assign(std::string_view text) {
    if (text.size() <= kInline) {
        std::memcpy(bytes_, text.data(), text.size());
        setInline(text.size());
        return;
    }
    // Record texts come from int32 byte counts: they always fit 32 bits.
    const auto size = static_cast<std::uint32_t>(text.size());
    auto* block = static_cast<char*>(allocateSmallBlock(text.size() + 1));
    std::memcpy(block, text.data(), text.size());
    block[text.size()] = '\0';
    std::memcpy(bytes_, &block, sizeof block);
    std::memcpy(bytes_ + 8, &size, sizeof size);
    bytes_[15] = static_cast<char>(kOnHeap);
}

void RecordText::release() noexcept {
    if (onHeap()) freeSmallBlock(heapData(), size() + 1);
    setInline(0);
}

std::ostream& operator<<(std::ostream& out, const RecordText& text) { return out << text.view(); }

}  // namespace torvalet
