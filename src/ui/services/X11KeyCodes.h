#pragma once

#include <cstdint>

namespace torvalet::ui {

// The X keysym of one of the organiser's virtual keys (those keyName names), or 0.
std::uint32_t keysymOfVirtualKey(unsigned virtualKey);

}  // namespace torvalet::ui
