#pragma once

#include <QColor>

#include <cstdint>

namespace torvalet::ui {

// A colour of the settings file (0x00BBGGRR) as the toolkit's colour.
inline QColor fromSettingsColor(std::int32_t value) {
    const auto bgr = static_cast<std::uint32_t>(value);
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace torvalet::ui
