#pragma once

#include <string>
#include <vector>

namespace torvalet {

// The items whose date an analysis could not read. The analysis goes on with the next item and
// reports them all together at its end.
class SkippedItems {
public:
    // `error` is the conversion error's text, `item` names the item and its field.
    void add(const std::string& error, const std::string& item);
    // Throws ConversionError with one line per skipped item (the first twenty and how many more).
    void raise() const;

private:
    std::vector<std::string> lines_;
};

}  // namespace torvalet
