#pragma once

#include <string>
#include <vector>

namespace torvalet {

// A drop-down list of a dialog that also takes typed text: its entries, the text in its edit
// line and the position of the chosen entry, -1 when the text matches no entry.
class FormList {
public:
    explicit FormList(std::vector<std::string> items = {});

    const std::vector<std::string>& items() const { return items_; }
    // New entries (a language file's); the list is left without a choice.
    void setItems(std::vector<std::string> items);

    int itemIndex() const { return index_; }
    const std::string& text() const { return text_; }
    // Chooses the entry at `index`; an index outside the list leaves no choice and no text.
    void setItemIndex(int index);
    // Text typed into the edit line: the entry it names (case ignored) becomes the choice, else none.
    void setText(std::string text);

private:
    std::vector<std::string> items_;
    std::string text_;
    int index_ = -1;
};

}  // namespace torvalet
