#include "navigation/FilterBars.h"

namespace torvalet {

const std::array<const char*, 8>& FilterBars::listItems() {
    static const std::array<const char*, 8> items = {
        "None", "Prepare (Next Action)", "AtWork", "Mute", "Delayed", "Delegated", "Done", "Undone"};
    return items;
}

}  // namespace torvalet
