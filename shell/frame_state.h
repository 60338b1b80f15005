// Flags of the window-frame module that other controls read and write: the combo box, the
// ribbon, the popup menu and the side panel mark their open lists and popups here, and the
// ribbon adds the frame's top inset to its height.
#pragma once
#include <array>
#include <cstdint>

#include "platform/core/types.h"

// Frame indexes run 1..frame_table_max_; index 0 is never used.
inline constexpr int32_t frame_table_max_ = 1024;

// -1 while a list or popup of the ribbon, the popup menu or the side panel is open.
inline flag16_ popup_open_ = 0;
// -1 while a combo box shows its drop list.
inline flag16_ combo_list_open_ = 0;
// -1 while at least one window wears the program's frame.
inline flag16_ frames_hooked_ = 0;
// Desktop composition as found by the last attach: chooses glass or classic painting.
inline flag16_ composition_active_ = 0;
// Height of the band the frame keeps above a window's content, by frame index. Kept by index:
// removing a window from the frame table does not move it.
inline std::array<int32_t, frame_table_max_ + 1> frame_top_inset_{};
