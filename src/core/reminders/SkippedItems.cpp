#include "reminders/SkippedItems.h"

#include "base/Errors.h"

namespace torvalet {

namespace {

constexpr std::size_t kShownLines = 20;

}  // namespace

void SkippedItems::add(const std::string& error, const std::string& item) {
    lines_.push_back(error + " (" + item + ")");
}

void SkippedItems::raise() const {
    if (lines_.empty()) return;
    std::string message;
    for (std::size_t i = 0; i < lines_.size() && i < kShownLines; ++i) message += (i ? "\n" : "") + lines_[i];
    if (lines_.size() > kShownLines) message += "\n... " + std::to_string(lines_.size() - kShownLines) + " more";
    throw ConversionError(message);
}

}  // namespace torvalet
