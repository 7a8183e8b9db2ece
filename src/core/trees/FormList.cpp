#include "trees/FormList.h"

#include "base/Text.h"

namespace torvalet {

FormList::FormList(std::vector<std::string> items) : items_(std::move(items)) {}

void FormList::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    setItemIndex(-1);
}

void FormList::setItemIndex(int index) {
    const bool inList = index >= 0 && static_cast<std::size_t>(index) < items_.size();
    index_ = inList ? index : -1;
    text_ = inList ? items_[static_cast<std::size_t>(index)] : std::string();
}

void FormList::setText(std::string text) {
    text_ = std::move(text);
    index_ = -1;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (equalsIgnoreCase(items_[i], text_)) {
            index_ = static_cast<int>(i);
            return;
        }
}

}  // namespace torvalet
