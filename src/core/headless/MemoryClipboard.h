#pragma once

#include <optional>
#include <string>

#include "platform/Clipboard.h"

namespace torvalet {

// A clipboard of this process alone, for running without a desktop. Like the system clipboard it
// holds one content: text or copied tree items, each replacing the other.
class MemoryClipboard : public Clipboard {
public:
    void setText(const std::string& text) override {
        text_ = text;
        tree_.reset();
    }
    std::string text() const override { return text_; }
    void setTreeData(const std::string& bytes) override {
        tree_ = bytes;
        text_.clear();
    }
    std::optional<std::string> treeData() const override { return tree_; }
    void clear() override {
        text_.clear();
        tree_.reset();
    }

private:
    std::string text_;
    std::optional<std::string> tree_;
};

}  // namespace torvalet
