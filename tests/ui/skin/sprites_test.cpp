// The sprite families: corner rule, box rules and the table's layout contract.
#include "ui/skin/sprites.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace {

sprite_rect_rec_ R(int x, int y, int w, int h) { return {int16_t(x), int16_t(y), int16_t(w), int16_t(h)}; }

TEST(sprites, corners_are_inclusive) {
  struct {
    int16_t x1, y1, x2, y2;
    sprite_rect_rec_ r;
  } cases[] = {{5, 9, 5, 2, R(5, 9, 1, 8)}, {8, 0, 3, 0, R(8, 0, 6, 1)}, {4, 4, 4, 4, R(4, 4, 1, 1)},
               {2, 117, 7, 121, R(2, 117, 6, 5)}};
  for (const auto& c : cases) {
    sprite_rect_rec_ r;
    set_sprite_rect_(r, c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(r, c.r);
  }
}

TEST(sprites, box_rules) {
  box_sprite_set_rec_ a, b;
  make_box_sprite_set_a_(a, 561, 471);
  make_box_sprite_set_b_(b, 659, 471);
  EXPECT_EQ(a.r_(1, 1), R(561, 471, 17, 2));
  EXPECT_EQ(a.r_(3, 3), R(583, 476, 15, 9));
  EXPECT_EQ(a.r_(7, 5), R(629, 488, 17, 2));
  EXPECT_EQ(b.r_(1, 1), R(659, 471, 2, 17));
  EXPECT_EQ(b.r_(4, 3), R(664, 509, 9, 9));
  EXPECT_EQ(b.r_(7, 5), R(676, 539, 2, 17));
  EXPECT_EQ(&a.r_(2, 1), &a.part[1]);  // i varies fastest
}

class sprite_table : public ::testing::Test {
 protected:
  void SetUp() override { fill_sprite_families_(); }
  void TearDown() override { clear_sprite_families_(); }
};

TEST_F(sprite_table, starts_empty) {
  clear_sprite_families_();
  EXPECT_TRUE(sprite_entries_().empty());
  EXPECT_EQ(button_face_sprites_[1], sprite9_set_rec_{});
}

// Parts lie inside the atlas, and two parts either are the same rectangle or do not meet
// (parts drawn only from the alpha atlas may lie over the picture's).
TEST_F(sprite_table, parts_never_overlap) {
  const auto all = sprite_entries_();
  ASSERT_GT(all.size(), 900u);
  for (size_t i = 0; i < all.size(); ++i) {
    const sprite_rect_rec_& a = all[i].rect;
    EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.width >= 1 && a.height >= 1 && a.x + a.width <= skin_atlas_width_ &&
                a.y + a.height <= skin_atlas_height_)
        << all[i].family << " " << all[i].member << "/" << all[i].part;
    for (size_t j = i + 1; j < all.size(); ++j) {
      const sprite_rect_rec_& b = all[j].rect;
      if (a == b || all[i].alpha_only != all[j].alpha_only) continue;
      const bool meet = a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
      EXPECT_FALSE(meet) << all[i].family << " " << all[i].member << "/" << all[i].part << " and " << all[j].family
                         << " " << all[j].member << "/" << all[j].part;
    }
  }
}

// Each member's area: the bounding box of its parts.
sprite_rect_rec_ area(const char* family, int member) {
  int x1 = 1 << 20, y1 = 1 << 20, x2 = -1, y2 = -1;
  for (const sprite_entry_rec_& e : sprite_entries_())
    if (std::string(e.family) == family && e.member == member) {
      x1 = std::min<int>(x1, e.rect.x), y1 = std::min<int>(y1, e.rect.y);
      x2 = std::max<int>(x2, e.rect.x + e.rect.width), y2 = std::max<int>(y2, e.rect.y + e.rect.height);
    }
  return R(x1, y1, x2 - x1, y2 - y1);
}

TEST_F(sprite_table, members_lie_at_their_areas) {
  const struct {
    const char* family;
    int member;
    sprite_rect_rec_ at;
  } cases[] = {
      {"app_menu_frame_sprites_", 0, R(231, 201, 99, 50)},  {"app_menu_button_sprites_", 2, R(790, 278, 11, 24)},
      {"app_button_sprites_", 3, R(489, 531, 56, 25)},      {"tab_baseline_sprites_", 2, R(756, 312, 45, 55)},
      {"caption_bar_sprites_", 2, R(2, 38, 744, 33)},       {"ribbon_glyph_sprite_", 0, R(853, 8, 14, 14)},
      {"key_tip_sprites_", 0, R(805, 44, 19, 19)},          {"ribbon_body_sprites_", 1, R(231, 268, 24, 107)},
      {"dock_button_sprites_", 5, R(632, 73, 40, 32)},      {"dock_custom_button_sprites_", 6, R(783, 97, 20, 24)},
      {"ribbon_group_sprites_", 5, R(131, 471, 18, 88)},    {"progress_sprites_", 2, R(615, 145, 191, 14)},
      {"menu_row_sprites_", 1, R(342, 201, 148, 40)},       {"button_face_sprites_", 1, R(772, 471, 59, 24)},
      {"button_face_sprites_", 3, R(842, 501, 24, 24)},     {"edit_box_sprites_", 4, R(818, 201, 36, 24)},
      {"quick_button_sprites_", 2, R(338, 128, 24, 24)},    {"menu_bar_separator_sprites_", 0, R(76, 1, 5, 24)},
      {"segment_sprites_", 5, R(786, 239, 60, 24)},         {"item_small_sprites_", 4, R(549, 128, 61, 24)},
      {"item_large_sprites_", 4, R(426, 390, 61, 68)},      {"item_split_small_sprites_", 6, R(773, 162, 96, 24)},
      {"item_split_large_sprites_", 5, R(695, 390, 61, 68)}, {"item_row_sprites_", 4, R(506, 201, 36, 24)},
      {"ribbon_tab_sprites_", 7, R(70, 148, 62, 26)},       {"caption_button_sprites_", 5, R(147, 78, 26, 26)},
      {"caption_glyph_sprites_", 5, R(379, 78, 26, 26)},    {"separator_line_sprite_", 0, R(231, 256, 114, 1)},
      {"box_sprites_a_", 5, R(561, 551, 85, 19)},           {"box_sprites_b_", 5, R(739, 471, 19, 85)},
      {"status_zoom_sprites_", 10, R(149, 422, 11, 16)},    {"check_glyph_sprites_", 6, R(81, 443, 13, 13)},
      {"option_glyph_sprites_", 1, R(98, 443, 13, 13)},     {"launcher_sprites_", 3, R(43, 403, 15, 14)},
  };
  for (const auto& c : cases) EXPECT_EQ(area(c.family, c.member), c.at) << c.family << " " << c.member;
}

TEST_F(sprite_table, sizes_painters_rely_on) {
  EXPECT_EQ(ribbon_tab_sprites_[1].part[4], R(2, 123, 6, 16));
  EXPECT_EQ(ribbon_tab_sprites_[1].part[9], R(58, 140, 6, 3));
  EXPECT_EQ(item_split_small_sprites_[1].part[3].width, 13);
  EXPECT_EQ(item_split_large_sprites_[1].part[7].height, 29);
  EXPECT_EQ(item_split_small_sprites_[7], item_split_small_sprites_[5]);
  EXPECT_EQ(item_split_large_sprites_[7], item_split_large_sprites_[5]);
  EXPECT_EQ(launcher_sprites_[1], R(11, 403, 15, 14));
  EXPECT_EQ(menu_row_sprites_[2].part[0], R(737, 282, 14, 14));
  EXPECT_EQ(status_bar_sprites_[5], R(541, 277, 20, 22));
  EXPECT_EQ(dock_end_button_sprites_[4], R(701, 98, 6, 7));
  EXPECT_EQ(dock_end_button_sprites_[9], R(716, 98, 7, 6));
  EXPECT_EQ(dock_end_button_sprites_[5], sprite_rect_rec_{});
  EXPECT_EQ(dock_gripper_sprites_[3].lying, R(431, 92, 19, 3));
  // Columns and rows of nine-part and bar sets, left to right and top to bottom.
  auto widths = [](const sprite_rect_rec_* p, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += std::to_string(p[i].width) + " ";
    return s;
  };
  auto heights = [](const sprite_rect_rec_* p, int n, int step) {
    std::string s;
    for (int i = 0; i < n; ++i) s += std::to_string(p[i * step].height) + " ";
    return s;
  };
  EXPECT_EQ(widths(dock_button_sprites_[1].part, 5), "2 26 2 4 2 ");
  EXPECT_EQ(heights(dock_button_sprites_[1].part, 3, 5), "2 26 2 ");
  EXPECT_EQ(widths(dock_custom_button_sprites_[1].part + 1, 3), "2 5 15 ");
  EXPECT_EQ(heights(dock_custom_button_sprites_[4].part + 1, 3, 3), "2 5 15 ");
  EXPECT_EQ(widths(progress_sprites_[1].part + 1, 3), "2 185 2 ");
  EXPECT_EQ(heights(progress_sprites_[2].part + 1, 3, 3), "1 10 1 ");
  EXPECT_EQ(widths(edit_box_sprites_[3].part + 1, 3), "3 15 16 ");
  EXPECT_EQ(widths(tab_baseline_sprites_[1].part + 1, 6), "10 15 18 10 15 18 ");
  EXPECT_EQ(heights(tab_baseline_sprites_[1].part + 1, 2, 3), "25 25 ");
  EXPECT_EQ(widths(caption_bar_sprites_[1].part, 5), "4 100 532 100 4 ");
  for (int m = 1; m <= 6; ++m) {
    EXPECT_EQ(check_glyph_sprites_[m].width, 13);
    EXPECT_EQ(option_glyph_sprites_[m].height, 13);
  }
  const int zoom_widths[11] = {0, 11, 16, 16, 11, 16, 16, 11, 16, 16, 11};
  for (int m = 1; m <= 10; ++m) EXPECT_EQ(status_zoom_sprites_[m], R(status_zoom_sprites_[m].x, 422, zoom_widths[m], 16));
}

}  // namespace
