#pragma once

namespace torvalet::ui {

// The goal panel's width buttons: "<<" wide, ">>" normal, ">>>" slim (the width at first show).
enum class PaneWidth { Wide, Normal, Slim };

// The goal panel's width for a button on a screen that wide: 4 × (screen div 6), screen div 2,
// screen div 4.
constexpr int goalPanelWidth(PaneWidth width, int screenWidth) {
    switch (width) {
    case PaneWidth::Wide: return 4 * (screenWidth / 6);
    case PaneWidth::Normal: return screenWidth / 2;
    case PaneWidth::Slim: break;
    }
    return screenWidth / 4;
}

}  // namespace torvalet::ui
