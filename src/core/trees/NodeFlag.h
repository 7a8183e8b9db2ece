#pragma once

#include <cstdint>

namespace torvalet {

// The sixteen state bits every tree node carries (bits 14 and 15 are unused and kept as they are).
struct NodeFlag {
    static constexpr std::uint16_t Initialized = 0x0001;
    static constexpr std::uint16_t CheckChanging = 0x0002;
    static constexpr std::uint16_t CutOrCopyMark = 0x0004;
    static constexpr std::uint16_t Disabled = 0x0008;
    static constexpr std::uint16_t Deleting = 0x0010;
    static constexpr std::uint16_t Expanded = 0x0020;
    static constexpr std::uint16_t HasChildren = 0x0040;
    static constexpr std::uint16_t Visible = 0x0080;
    static constexpr std::uint16_t Selected = 0x0100;
    static constexpr std::uint16_t InitialRecord = 0x0200;
    static constexpr std::uint16_t AllChildrenHidden = 0x0400;
    static constexpr std::uint16_t Clearing = 0x0800;
    static constexpr std::uint16_t MultiLine = 0x1000;
    static constexpr std::uint16_t HeightMeasured = 0x2000;

    // The bits that survive writing: transient states are masked off.
    static constexpr std::uint16_t WrittenMask = 0xDDE9;
};

}  // namespace torvalet
