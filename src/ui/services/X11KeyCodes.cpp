#include "ui/services/X11KeyCodes.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace torvalet::ui {

namespace {

struct KeyPair {
    unsigned virtualKey;
    std::uint32_t keysym;
};

constexpr KeyPair namedKeys[] = {
    {8, XK_BackSpace},
    {9, XK_Tab},
    {12, XK_Clear},
    {13, XK_Return},
    {16, XK_Shift_L},
    {17, XK_Control_L},
    {18, XK_Alt_L},
    {19, XK_Pause},
    {20, XK_Caps_Lock},
    {27, XK_Escape},
    {32, XK_space},
    {33, XK_Prior},
    {34, XK_Next},
    {35, XK_End},
    {36, XK_Home},
    {37, XK_Left},
    {38, XK_Up},
    {39, XK_Right},
    {40, XK_Down},
    {44, XK_Print},
    {45, XK_Insert},
    {46, XK_Delete},
    {91, XK_Super_L},
    {92, XK_Super_R},
    {93, XK_Menu},
    {95, XF86XK_Sleep},
    {106, XK_KP_Multiply},
    {107, XK_KP_Add},
    {109, XK_KP_Subtract},
    {110, XK_KP_Decimal},
    {111, XK_KP_Divide},
    {144, XK_Num_Lock},
    {145, XK_Scroll_Lock},
    {160, XK_Shift_L},
    {161, XK_Shift_R},
    {162, XK_Control_L},
    {163, XK_Control_R},
    {164, XK_Alt_L},
    {165, XK_Alt_R},
    {166, XF86XK_Back},
    {167, XF86XK_Forward},
    {168, XF86XK_Refresh},
    {169, XF86XK_Stop},
    {170, XF86XK_Search},
    {171, XF86XK_Favorites},
    {172, XF86XK_HomePage},
    {173, XF86XK_AudioMute},
    {174, XF86XK_AudioLowerVolume},
    {175, XF86XK_AudioRaiseVolume},
    {176, XF86XK_AudioNext},
    {177, XF86XK_AudioPrev},
    {178, XF86XK_AudioStop},
    {179, XF86XK_AudioPlay},
    {180, XF86XK_Mail},
    {186, XK_semicolon},
    {187, XK_equal},
    {188, XK_comma},
    {189, XK_minus},
    {190, XK_period},
    {191, XK_slash},
    {192, XK_grave},
    {219, XK_bracketleft},
    {220, XK_backslash},
    {221, XK_bracketright},
    {222, XK_apostrophe},
};

}  // namespace

std::uint32_t keysymOfVirtualKey(unsigned virtualKey) {
    if (virtualKey >= '0' && virtualKey <= '9') return XK_0 + (virtualKey - '0');
    if (virtualKey >= 'A' && virtualKey <= 'Z') return XK_a + (virtualKey - 'A');
    if (virtualKey >= 96 && virtualKey <= 105) return XK_KP_0 + (virtualKey - 96);
    if (virtualKey >= 112 && virtualKey <= 135) return XK_F1 + (virtualKey - 112);
    for (const KeyPair& pair : namedKeys)
        if (pair.virtualKey == virtualKey) return pair.keysym;
    return 0;
}

}  // namespace torvalet::ui
