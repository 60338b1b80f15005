// The skin text: three switches, 68 named colours (the palette) and entries of the skin colour
// table, read from "key = value" lines. Colours are 0x00BBGGRR values.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/types.h"

// Reset to these defaults before every read. Fields are named like their keys.
struct skin_palette_rec_ {
  flag16_ aero_enabled = false_;
  flag16_ round_corners = true_;
  flag16_ uppercase_tabs = false_;
  int32_t color_bgmenu = 0, color_start_menu = 0, color_main_menu = 0, color_popup_menu = 0,
          color_popup_margin = 0, color_popup_border = 0, color_background = 0, color_background_ex = 0,
          color_caption_text_enabled = 0, color_caption_text_disabled = 0, color_caption_text_document = 0,
          color_tab_text_std = 0, color_tab_text_act = 0, color_toolbar_text = 0, color_btn_text_std = 0,
          color_btn_text_act = 0, color_btn_text_chk = 0, color_btn_text_dis = 0, color_menu_text_std = 0,
          color_menu_text_dis = 0, color_stbar_text_std = 0, color_stbar_text_chk = 0, color_stbar_bgover = 0,
          color_stbar_bgpress = 0, color_stbar_txpover = 0, color_stbar_txppress = 0, color_error_text = 0,
          color_arrow_drop_one = 0, color_arrow_drop_two = 0, color_icon_dis_one = 0, color_icon_dis_two = 0,
          color_icon_dis_three = 0, color_text_border = 0, color_foc1_border = 0, color_foc2_border = 0,
          color_dockbg_act = 0, color_dockbg_dis = 0, color_tbborder = 0, color_tbbdist = 0,
          color_tbbgtitle = 0, color_tbtxtitle = 0, color_tbtxtmenu = 0, color_tbtxtctrl = 0,
          color_tbtxtover = 0, color_tbexline1 = 0, color_tbexline1o = 0, color_tbexline1p = 0,
          color_tbexline2 = 0, color_tbexline2o = 0, color_tbexline2p = 0, color_prop_bbg = 0,
          color_prop_gbg = 0, color_prop_r0 = 0, color_prop_r1 = 0, color_prop_gtxt = 0, color_prop_txt = 0,
          color_prop_lb = 0, color_bgpanel = 0, color_s1panel = 0, color_s2panel = 0;
  int32_t color_ssico0 = 0xFFFFFF, color_ssico1 = 0, color_links = 0;
  int32_t color_bshadow1 = -1, color_bshadow2 = -1, color_ttipbg = -1, color_ttipbo = -1, color_ttipbi = -1;
};

// The palette in force; painters and controls read it directly.
extern skin_palette_rec_ skin_palette_;

// The 68 colour keys in table order, each with its field.
struct skin_colour_key_rec_ {
  const char* key;
  int32_t skin_palette_rec_::*field;
};
inline constexpr int32_t skin_colour_key_count_ = 68;
const skin_colour_key_rec_* skin_colour_keys_();

// The colour a value names: "#RRGGBB" in hexadecimal, else "RRRGGGBBB" in three-digit decimal
// groups; 0 when it names none. Components above 255 count as 255.
int32_t parse_color_(std::string_view text);
// Resets the palette and reads the skin text file; entries ".N = colour" set skin colour table
// entry N (0..255), which no reset clears. A missing file leaves the defaults.
void parse_skin_text_(const std::string& path);
// The same from the text held in memory.
void parse_skin_text_bytes_(std::string_view text);
