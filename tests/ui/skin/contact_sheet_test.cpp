// A contact sheet of every sprite family: each member's parts copied at their own size and in
// their atlas arrangement, members side by side. From the flat test skin the sheet must match
// the family table pixel for pixel; the program's skins' sheets are saved as PNG files in the
// build folder for review, with their nine-part sets also shown stretched.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/core/file_io.h"
#include "platform/services/picture_file.h"
#include "shell/colors.h"
#include "support/test_skin.h"
#include "ui/skin/blitters.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/skin_atlas.h"
#include "ui/skin/sprites.h"

namespace {

constexpr int32_t sheet_w = 1200, gap = 6;

struct placed_member {
  std::vector<sprite_entry_rec_> parts;
  int32_t bx = 0, by = 0, w = 0, h = 0;  // the member's area in the atlas
  int32_t x = 0, y = 0;                  // where it lies on the sheet
};

// Members in table order, flowed left to right in rows.
std::vector<placed_member> lay_out(int32_t& height) {
  std::vector<placed_member> out;
  std::map<std::pair<std::string, int>, size_t> index;
  for (const sprite_entry_rec_& e : sprite_entries_()) {
    const auto key = std::make_pair(std::string(e.family), e.member);
    auto it = index.find(key);
    if (it == index.end()) {
      it = index.emplace(key, out.size()).first;
      out.emplace_back();
    }
    out[it->second].parts.push_back(e);
  }
  int32_t x = gap, y = gap, row_h = 0;
  for (placed_member& m : out) {
    int32_t x1 = 1 << 20, y1 = 1 << 20, x2 = 0, y2 = 0;
    for (const auto& e : m.parts) {
      x1 = std::min<int32_t>(x1, e.rect.x), y1 = std::min<int32_t>(y1, e.rect.y);
      x2 = std::max<int32_t>(x2, e.rect.x + e.rect.width), y2 = std::max<int32_t>(y2, e.rect.y + e.rect.height);
    }
    m.bx = x1, m.by = y1, m.w = x2 - x1, m.h = y2 - y1;
    if (x + m.w + gap > sheet_w) x = gap, y += row_h + gap, row_h = 0;
    m.x = x, m.y = y;
    x += m.w + gap;
    row_h = std::max(row_h, m.h);
  }
  height = y + row_h + gap;
  return out;
}

void draw_sheet(surface_& sheet, const std::vector<placed_member>& members, uint32_t background) {
  sheet.fill_colour_(background);
  dc_ dc(sheet);
  graphics_ g(sheet);
  g.set_smooth_images_(false);
  for (const placed_member& m : members)
    for (const auto& e : m.parts) {
      const int32_t x = m.x + e.rect.x - m.bx, y = m.y + e.rect.y - m.by;
      if (e.alpha_only)
        g.draw_image_rect_(skin_atlas_image_, float(x), float(y), e.rect.width, e.rect.height, e.rect.x, e.rect.y,
                           e.rect.width, e.rect.height);
      else
        blit_sprite_rect_(e.rect, dc, x, y, e.rect.width, e.rect.height, true);
    }
}

TEST(contact_sheet, test_skin_matches_the_family_table) {
  ASSERT_TRUE(load_test_skin_());
  int32_t h = 0;
  const std::vector<placed_member> members = lay_out(h);
  surface_ sheet(sheet_w, h);
  const uint32_t bg = 0x563412;
  draw_sheet(sheet, members, bg);

  // The picture the table promises: each part in its own flat colour, distinct for distinct
  // rectangles, never the key; nothing anywhere else.
  std::map<std::tuple<int, int, int, int>, uint32_t> colour_of_rect;
  std::map<uint32_t, std::tuple<int, int, int, int>> rect_of_colour;
  surface_ want(sheet_w, h);
  want.fill_colour_(bg);
  for (const placed_member& m : members)
    for (const auto& e : m.parts) {
      const surface_& atlas = e.alpha_only ? skin_atlas_image_.pixels_() : skin_picture_;
      const uint32_t c = atlas.colour_(e.rect.x, e.rect.y);
      const auto key = std::make_tuple(int(e.rect.x), int(e.rect.y), int(e.rect.width), int(e.rect.height));
      EXPECT_NE(c, 0x0000FFu) << e.family << " " << e.member << "/" << e.part;
      auto known = rect_of_colour.emplace(c, key);
      EXPECT_EQ(known.first->second, key) << e.family << " " << e.member << "/" << e.part << " shares its colour";
      colour_of_rect.emplace(key, c);
      for (int32_t y = 0; y < e.rect.height; ++y)
        for (int32_t x = 0; x < e.rect.width; ++x)
          want.set_colour_(m.x + e.rect.x - m.bx + x, m.y + e.rect.y - m.by + y, c);
    }
  int32_t bad = 0;
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < sheet_w; ++x) bad += sheet.colour_(x, y) != want.colour_(x, y);
  EXPECT_EQ(bad, 0);

  // And the atlas holds exactly those rectangles: every other pixel of the picture is the key.
  surface_ covered(skin_picture_.width_(), skin_picture_.height_());
  for (const auto& e : sprite_entries_())
    if (!e.alpha_only)
      for (int32_t y = 0; y < e.rect.height; ++y)
        for (int32_t x = 0; x < e.rect.width; ++x) covered.set_colour_(e.rect.x + x, e.rect.y + y, 1);
  int32_t stray = 0;
  for (int32_t y = 0; y < covered.height_(); ++y)
    for (int32_t x = 0; x < covered.width_(); ++x)
      stray += covered.colour_(x, y) == 0 && skin_picture_.colour_(x, y) != 0x0000FFu;
  EXPECT_EQ(stray, 0);
}

// The nine-part sets as painters use them: stretched over larger rectangles.
int32_t draw_stretched(surface_& sheet, int32_t top) {
  dc_ dc(sheet);
  const struct {
    const char* name;
    const sprite9_set_rec_* set;
    int members, w, h;
  } sets[] = {
      {"button", button_face_sprites_, 3, 90, 26},          {"edit", edit_box_sprites_, 4, 120, 24},
      {"item", item_small_sprites_, 4, 80, 24},             {"large", item_large_sprites_, 4, 48, 70},
      {"split", item_split_small_sprites_, 5, 100, 24},     {"split large", item_split_large_sprites_, 5, 52, 70},
      {"row", item_row_sprites_, 4, 110, 24},               {"tab", ribbon_tab_sprites_, 8, 70, 24},
      {"quick", quick_button_sprites_, 3, 22, 22},          {"caption", caption_button_sprites_, 5, 46, 30},
      {"menu", menu_row_sprites_, 1, 200, 25},              {"progress", progress_sprites_, 2, 160, 12},
      {"app", app_button_sprites_, 3, 60, 24},              {"custom", dock_custom_button_sprites_, 6, 40, 24},
  };
  int32_t x = gap, y = top, row_h = 0;
  for (const auto& s : sets)
    for (int m = 1; m <= s.members; ++m) {
      if (x + s.w + gap > sheet.width_()) x = gap, y += row_h + gap, row_h = 0;
      blit_sprite9_(s.set[m], dc, x, y, s.w, s.h, 0, 0);
      if (s.set == caption_button_sprites_) blit_sprite_centered_(caption_glyph_sprites_[m], dc, x, y, s.w, s.h);
      x += s.w + gap;
      row_h = std::max(row_h, s.h);
    }
  return y + row_h + gap;
}

// A few parts put together as the controls will: a ribbon, a dialog and a popup menu.
int32_t draw_mock(surface_& sheet, int32_t top) {
  dc_ dc(sheet);
  const skin_palette_rec_& p = skin_palette_;
  dc.select_font_(font_of_logfont_(ui_logfont_(15)));
  dc.set_bk_mode_(bk_mode_::transparent_);
  const uint32_t centred = text_center_ | text_vcenter_ | text_single_line_;
  // Ribbon: header band with the application button and tabs, a body with two groups.
  const int32_t rx = gap, ry = top;
  blit_header_box_(ribbon_body_sprites_[1], dc, rx, ry, 600, 142, 24);
  blit_sprite9_(app_button_sprites_[1], dc, rx, ry, 55, 24, 0, 0);
  draw_text_color_(dc, "File", rx, ry, 55, 24, skin_color_(20), centred);
  const char* tabs[] = {"Home", "Insert", "View"};
  for (int i = 0; i < 3; ++i) {
    const int32_t tx = rx + 60 + 66 * i;
    if (i < 2) blit_sprite9_(ribbon_tab_sprites_[i == 0 ? 2 : 1], dc, tx, ry + 1, 62, 23, 0, 0);
    draw_text_color_(dc, tabs[i], tx, ry + 1, 62, 23, i == 0 ? p.color_tab_text_act : p.color_tab_text_std, centred);
  }
  for (int g = 0; g < 2; ++g) {
    const int32_t gx = rx + 4 + 230 * g, gy = ry + 27;
    blit_caption_box_(ribbon_group_sprites_[g == 0 ? 1 : 2], dc, gx, gy, 222, 110, 17, 0);
    draw_text_color_(dc, g == 0 ? "Draw" : "Modify", gx, gy + 110 - 21, 222, 17, p.color_toolbar_text, centred);
    blit_sprite_rect_(launcher_sprites_[1], dc, gx + 222 - 17, gy + 110 - 18, 15, 14, true);
    blit_sprite9_(item_large_sprites_[1], dc, gx + 4, gy + 4, 48, 66, 0, 0);
    draw_text_color_(dc, "Line", gx + 4, gy + 50, 48, 20, p.color_btn_text_act, centred);
    blit_sprite9_(item_split_small_sprites_[2], dc, gx + 58, gy + 4, 100, 22, 0, 0);
    draw_text_color_(dc, "Circle", gx + 58, gy + 4, 87, 22, p.color_btn_text_act, centred);
    blit_sprite_rect_(drop_arrow_sprites_[2], dc, gx + 148, gy + 12, 7, 6, true);
    blit_sprite9_(item_small_sprites_[3], dc, gx + 58, gy + 30, 100, 22, 0, 0);
    draw_text_color_(dc, "Snap", gx + 58, gy + 30, 100, 22, p.color_btn_text_act, centred);
    draw_text_color_(dc, "Grid", gx + 58, gy + 56, 100, 22, p.color_btn_text_std, centred);
  }
  // Dialog: background, a drop-down box, check and option buttons, a progress bar, buttons.
  const int32_t dx = rx + 612, dy = top;
  dc.fill_rectangle_({dx, dy, dx + 330, dy + 200}, uint32_t(skin_color_(20)));
  blit_sprite9_(edit_box_sprites_[1], dc, dx + 12, dy + 12, 180, 24, 0, 0);
  blit_sprite_rect_(drop_arrow_sprites_[1], dc, dx + 12 + 180 - 12, dy + 21, 7, 6, true);
  draw_text_color_(dc, "Layer 1", dx + 18, dy + 12, 150, 24, skin_color_(21), text_vcenter_ | text_single_line_);
  blit_sprite9_(edit_box_sprites_[3], dc, dx + 12, dy + 44, 180, 24, 0, 0);
  draw_text_color_(dc, "12.5", dx + 18, dy + 44, 150, 24, skin_color_(21), text_vcenter_ | text_single_line_);
  for (int i = 0; i < 3; ++i) {
    blit_sprite_rect_(check_glyph_sprites_[i == 0 ? 3 : i == 1 ? 1 : 6], dc, dx + 12, dy + 80 + 22 * i, 13, 13, true);
    blit_sprite_rect_(option_glyph_sprites_[i == 0 ? 3 : 1], dc, dx + 170, dy + 80 + 22 * i, 13, 13, true);
    draw_text_color_(dc, i == 2 ? "Disabled" : "Check", dx + 30, dy + 80 + 22 * i, 100, 13, skin_color_(21), text_vcenter_ | text_single_line_);
    draw_text_color_(dc, "Option", dx + 188, dy + 80 + 22 * i, 100, 13, skin_color_(21), text_vcenter_ | text_single_line_);
  }
  blit_sprite9_(progress_sprites_[2], dc, dx + 12, dy + 148, 189, 12, 0, 0);
  blit_sprite9_fill_(progress_sprites_[1], dc, dx + 12, dy + 148, 189, 12, 110);
  const char* buttons[] = {"OK", "Cancel"};
  for (int i = 0; i < 2; ++i) {
    blit_sprite9_(button_face_sprites_[i + 1], dc, dx + 330 - 12 - 80 * (2 - i) - 6 * (1 - i), dy + 168, 80, 24, 0, 0);
    draw_text_color_(dc, buttons[i], dx + 330 - 12 - 80 * (2 - i) - 6 * (1 - i), dy + 168, 80, 24, p.color_btn_text_act, centred);
  }
  // Popup menu: margin, rows, a hovered row and a checked one.
  const int32_t mx = dx + 342, my = top;
  fill_rect_(dc, mx, my, 200, 140, p.color_popup_menu, p.color_popup_border);
  dc.fill_rectangle_({mx + 1, my + 1, mx + 30, my + 139}, uint32_t(p.color_popup_margin));
  const char* rows[] = {"Open...", "Save", "Save as...", "Grid", "Close"};
  for (int i = 0; i < 5; ++i) {
    const int32_t y = my + 4 + 26 * i;
    if (i == 1) blit_sprite9_(menu_row_sprites_[1], dc, mx + 3, y, 194, 25, 0, 0);
    if (i == 3) blit_sprite9_(menu_row_sprites_[2], dc, mx + 4, y + 1, 23, 23, 0, 0);
    draw_text_color_(dc, rows[i], mx + 34, y, 150, 25, i == 4 ? p.color_menu_text_dis : p.color_menu_text_std,
                     text_vcenter_ | text_single_line_);
  }
  return top + 150 + gap;
}

TEST(contact_sheet, program_skins_are_saved_for_review) {
  const std::string folder = std::string(ARVEX_BINARY_DIR) + "/skin_sheets/";
  std::filesystem::create_directories(folder);
  for (const char* name : {"silver", "black", "blue"}) {
    load_skin_file_(real_skin_path_((std::string(name) + ".skin").c_str()));
    ASSERT_EQ(skin_loaded_, -1) << name;
    int32_t h = 0;
    const std::vector<placed_member> members = lay_out(h);
    surface_ sheet(sheet_w, h + 640);
    draw_sheet(sheet, members, uint32_t(skin_color_(20)));
    const int32_t used = draw_mock(sheet, draw_stretched(sheet, h));
    picture_image_rec_ im;
    im.width = sheet_w;
    im.height = std::min(used, sheet.height_());
    for (int32_t y = 0; y < im.height; ++y)
      for (int32_t x = 0; x < im.width; ++x) im.argb.push_back(sheet.argb_(x, y) | 0xFF000000u);
    const std::string png = encode_png_(im);
    ASSERT_FALSE(png.empty());
    EXPECT_TRUE(save_file_atomic_(folder + name + ".png", png));
  }
}

}  // namespace
