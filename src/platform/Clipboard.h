#pragma once

#include <optional>
#include <string>

namespace torvalet {

// The system clipboard: plain text and copied tree items ("Virtual Tree Data").
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
    virtual std::string text() const = 0;
    // Whether the clipboard holds text at all (a picture alone is no text).
    virtual bool hasText() const { return !text().empty(); }
    // The node chunks of copied tree items (without the int32 byte count in front).
    virtual void setTreeData(const std::string& bytes) = 0;
    virtual std::optional<std::string> treeData() const = 0;
    virtual void clear() = 0;
};

}  // namespace torvalet
