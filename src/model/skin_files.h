#pragma once

#include <array>
#include <string_view>

namespace bexlan {

inline constexpr int kSkinSlotCount = 31;

// The skin pictures by slot, as the program loads them and the skin generator writes them.
inline constexpr std::array<std::string_view, kSkinSlotCount> SkinFileNames{
    "main_mask.bmp",       "main_normal.jpg",     "main_over.jpg",       "main_down.jpg",
    "advanced_normal.jpg", "advanced_over.jpg",   "advanced_down.jpg",   "color_normal.jpg",
    "color_over.jpg",      "color_down.jpg",      "single_key_mask.bmp", "single_key_normal.jpg",
    "single_key_over.jpg", "single_key_down.jpg", "macro_mask.bmp",      "macro_down.jpg",
    "macro_normal.jpg",    "macro_choice.jpg",    "arrow_up.bmp",        "arrow_down.bmp",
    "button.jpg",          "check.jpg",           "main_icon_CH.jpg",    "main_icon_TW.jpg",
    "main_icon_EN.jpg",    "macro_icon_CH.jpg",   "macro_icon_TW.jpg",   "macro_icon_EN.jpg",
    "macro_select_CH.jpg", "macro_select_TW.jpg", "macro_select_EN.jpg",
};

} // namespace bexlan
