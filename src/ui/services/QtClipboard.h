#pragma once

#include "platform/Clipboard.h"

namespace torvalet::ui {

// The system clipboard; copied tree items travel as the "Virtual Tree Data" flavour.
class QtClipboard : public Clipboard {
public:
    static const char* const treeDataFormat;

    void setText(const std::string& text) override;
    std::string text() const override;
    bool hasText() const override;
    void setTreeData(const std::string& bytes) override;
    std::optional<std::string> treeData() const override;
    void clear() override;
};

}  // namespace torvalet::ui
