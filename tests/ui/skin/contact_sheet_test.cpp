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

TEST(contact_sheet, program_skins_are_saved_for_review) {
  const std::string folder = std::string(ARVEX_BINARY_DIR) + "/skin_sheets/";
  std::filesystem::create_directories(folder);
  for (const char* name : {"silver", "black", "blue"}) {
    load_skin_file_(real_skin_path_((std::string(name) + ".skin").c_str()));
    ASSERT_EQ(skin_loaded_, -1) << name;
    int32_t h = 0;
    const std::vector<placed_member> members = lay_out(h);
    surface_ sheet(sheet_w, h + 420);
    draw_sheet(sheet, members, uint32_t(skin_color_(20)));
    const int32_t used = draw_stretched(sheet, h);
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
