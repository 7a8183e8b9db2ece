#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

namespace torvalet {

// A text field of a node record, in 16 bytes: a text of up to 14 bytes is held inside, a longer
// one in one heap block of its exact size. It reads as a std::string_view, converts to
// std::string, and compares and concatenates with texts as a std::string would.
class RecordText {
public:
    RecordText() noexcept { setInline(0); }
    RecordText(std::string_view text) { assign(text); }
    RecordText(const char* text) : RecordText(std::string_view(text)) {}
    RecordText(const std::string& text) : RecordText(std::string_view(text)) {}
    RecordText(const RecordText& other) : RecordText(other.view()) {}
    RecordText(RecordText&& other) noexcept;
    ~RecordText() { release(); }

    RecordText& operator=(const RecordText& other);
    RecordText& operator=(RecordText&& other) noexcept;
    RecordText& operator=(std::string_view text) {
        if (onHeap() || text.size() > kInline) return assignSlow(text);
        std::memmove(bytes_, text.data(), text.size());  // the text may be this one's own
        setInline(text.size());
        return *this;
    }
    RecordText& operator=(const char* text) { return *this = std::string_view(text); }
    RecordText& operator=(const std::string& text) { return *this = std::string_view(text); }
    RecordText& operator+=(std::string_view text) { return *this = RecordText(str() + std::string(text)); }

    void clear() noexcept { release(); }

    std::size_t size() const;
    bool empty() const { return size() == 0; }
    // Always followed by a terminating zero.
    const char* data() const;
    const char* c_str() const { return data(); }
    std::string_view view() const { return {data(), size()}; }
    std::string str() const { return std::string(view()); }
    std::string substr(std::size_t pos, std::size_t count = std::string::npos) const {
        return std::string(view().substr(pos, count));
    }
    operator std::string_view() const noexcept { return view(); }
    operator std::string() const { return str(); }

    friend bool operator==(const RecordText& a, const RecordText& b) { return a.view() == b.view(); }
    friend bool operator==(const RecordText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const RecordText& a, const std::string& b) { return a.view() == b; }
    friend bool operator==(const RecordText& a, const char* b) { return a.view() == b; }

    friend std::string operator+(const RecordText& a, const RecordText& b) { return a.str() + b.str(); }
    friend std::string operator+(const RecordText& a, const std::string& b) { return a.str() + b; }
    friend std::string operator+(const std::string& a, const RecordText& b) { return a + b.str(); }
    friend std::string operator+(const RecordText& a, const char* b) { return a.str() + b; }
    friend std::string operator+(const char* a, const RecordText& b) { return a + b.str(); }
    friend std::string operator+(const RecordText& a, char b) { return a.str() + b; }
    friend std::string operator+(char a, const RecordText& b) { return a + b.str(); }

private:
    static constexpr std::size_t kInline = 14;
    static constexpr unsigned char kOnHeap = 0xFF;

    void assign(std::string_view text);
    RecordText& assignSlow(std::string_view text);
    void release() noexcept;
    void setInline(std::size_t size) noexcept {
        bytes_[size] = '\0';
        bytes_[15] = static_cast<char>(size);
    }
    bool onHeap() const { return static_cast<unsigned char>(bytes_[15]) == kOnHeap; }
    char* heapData() const;

    // Inline: the text, a zero, and its length in the last byte. On the heap: the block's address
    // in the first 8 bytes, the length in the next 4, kOnHeap in the last byte.
    alignas(8) char bytes_[16];
};

std::ostream& operator<<(std::ostream& out, const RecordText& text);

}  // namespace torvalet
