// The skin text: colour values, switches, named colours and the colour table.
#include "ui/skin/skin_palette.h"

#include <gtest/gtest.h>

#include "platform/gdi/surface.h"
#include "shell/colors.h"

namespace {

TEST(skin_palette, colour_values) {
  struct {
    const char* text;
    uint32_t colour;
  } cases[] = {
      {"#0A141E", rgb_(10, 20, 30)}, {"#0a141e", rgb_(10, 20, 30)}, {"010020030", rgb_(10, 20, 30)},
      {"#1", rgb_(1, 0, 0)},          {"#ff", rgb_(255, 0, 0)},      {"999000000", rgb_(255, 0, 0)},
      {"000128255", rgb_(0, 128, 255)}, {"  255128000 ", rgb_(255, 128, 0)}, {"#FF8000", rgb_(255, 128, 0)},
      {"#G0FF00", rgb_(0, 255, 0)},   {"255128", 0},                 {"12", 0},
      {"", 0},                        {"abc128255", rgb_(0, 128, 255)}, {"0001x8255", 0},
      {"0000002", rgb_(0, 0, 2)},
  };
  for (const auto& c : cases) EXPECT_EQ(uint32_t(parse_color_(c.text)), c.colour) << c.text;
}

TEST(skin_palette, lines_set_switches_colours_and_table_entries) {
  set_skin_color_(2, 0);
  set_skin_color_(4, 0);
  set_skin_color_(20, 0);
  parse_skin_text_bytes_(
      "ROUND_CORNERS = false\r\naero_enabled=True\nuppercase_tabs=yes\r"
      "COLOR_BGMENU = 255 128 000\ncolor_links=\n"
      "color_popup_menu = #01=0203\n"  // every "=" goes: the value reads #010203
      ".2.5=#000005\n.3.6 = #000006\n.20 = #FFFFFF\n.256=#FFFFFF\n.-1=#FFFFFF\nno equals sign\nunknown_key=#123456\n");
  const skin_palette_rec_& p = skin_palette_;
  EXPECT_EQ(p.round_corners, 0);
  EXPECT_EQ(p.aero_enabled, -1);
  EXPECT_EQ(p.uppercase_tabs, 0);
  EXPECT_EQ(uint32_t(p.color_bgmenu), rgb_(255, 128, 0));
  EXPECT_EQ(p.color_links, 0);
  EXPECT_EQ(uint32_t(p.color_popup_menu), rgb_(1, 2, 3));
  EXPECT_EQ(uint32_t(skin_color_(2)), rgb_(0, 0, 5));
  EXPECT_EQ(uint32_t(skin_color_(4)), rgb_(0, 0, 6));
  EXPECT_EQ(uint32_t(skin_color_(20)), rgb_(255, 255, 255));
  EXPECT_EQ(skin_color_(255), 0);

  // A second text resets the palette but not the table.
  parse_skin_text_bytes_(".x = #0A0B0C\n");
  EXPECT_EQ(p.round_corners, -1);
  EXPECT_EQ(p.aero_enabled, 0);
  EXPECT_EQ(p.color_bgmenu, 0);
  EXPECT_EQ(uint32_t(p.color_ssico0), rgb_(255, 255, 255));
  EXPECT_EQ(p.color_bshadow1, -1);
  EXPECT_EQ(uint32_t(skin_color_(0)), rgb_(10, 11, 12));
  EXPECT_EQ(uint32_t(skin_color_(20)), rgb_(255, 255, 255));
}

TEST(skin_palette, every_colour_key_reads_into_its_own_field) {
  std::string text;
  const skin_colour_key_rec_* keys = skin_colour_keys_();
  for (int32_t i = 0; i < skin_colour_key_count_; ++i) text += std::string(keys[i].key) + "=" + std::to_string(100 + i) + "000000\n";
  parse_skin_text_bytes_(text);
  for (int32_t i = 0; i < skin_colour_key_count_; ++i)
    EXPECT_EQ(skin_palette_.*keys[i].field, int32_t(rgb_(uint8_t(std::min(100 + i, 255)), 0, 0))) << keys[i].key;
}

}  // namespace
