// The sprite families: every owner-drawn part of the interface is a rectangle of the skin atlas,
// grouped by what it draws. Painters never use coordinates of their own; they draw members of
// these families. Members are numbered from 1 (index 0 of a family array is unused).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// x, y, width, height in atlas pixels. An all-zero rectangle is unset and draws nothing.
struct sprite_rect_rec_ {
  int16_t x = 0;
  int16_t y = 0;
  int16_t width = 0;
  int16_t height = 0;
  friend bool operator==(const sprite_rect_rec_&, const sprite_rect_rec_&) = default;
};

// Part 0 a glyph drawn centred (unset in most sets); parts 1-9 top-left, top, top-right, left,
// centre, right, bottom-left, bottom, bottom-right.
struct sprite9_set_rec_ {
  sprite_rect_rec_ part[10];
  friend bool operator==(const sprite9_set_rec_&, const sprite9_set_rec_&) = default;
};
// 4 rows of 3, row by row.
struct sprite12_set_rec_ {
  sprite_rect_rec_ part[12];
};
// 3 rows of 5, row by row.
struct sprite15_set_rec_ {
  sprite_rect_rec_ part[15];
};
// 3 rows of 7, row by row.
struct sprite21_set_rec_ {
  sprite_rect_rec_ part[21];
};
// An upright strip (toolbars in horizontal docks) and a lying one (vertical docks).
struct gripper_pair_rec_ {
  sprite_rect_rec_ upright;
  sprite_rect_rec_ lying;
};
// r(i, j), i = 1..7 along the long axis, j = 1..5 across, stored with i varying fastest.
struct box_sprite_set_rec_ {
  sprite_rect_rec_ part[35];
  const sprite_rect_rec_& r_(int i, int j) const { return part[(j - 1) * 7 + (i - 1)]; }
};

extern sprite9_set_rec_ app_menu_frame_sprites_;
extern sprite9_set_rec_ app_menu_button_sprites_[3];
extern sprite9_set_rec_ app_button_sprites_[4];
extern sprite9_set_rec_ tab_baseline_sprites_[3];
extern sprite15_set_rec_ caption_bar_sprites_[3];
extern sprite_rect_rec_ ribbon_glyph_sprite_;
extern sprite9_set_rec_ key_tip_sprites_;
extern sprite12_set_rec_ ribbon_body_sprites_[3];
extern sprite_rect_rec_ dock_band_body_sprites_[3];
extern gripper_pair_rec_ dock_gripper_sprites_[4];
extern sprite15_set_rec_ dock_button_sprites_[6];
extern sprite_rect_rec_ dock_separator_sprites_[3];
extern sprite9_set_rec_ dock_custom_button_sprites_[7];
extern sprite_rect_rec_ dock_end_button_sprites_[11];
extern sprite_rect_rec_ float_close_sprites_[3];
extern sprite_rect_rec_ item_separator_sprite_;
extern sprite_rect_rec_ tab_separator_sprite_;
extern sprite_rect_rec_ drop_arrow_sprites_[3];
extern sprite_rect_rec_ launcher_sprites_[4];
extern sprite12_set_rec_ ribbon_group_sprites_[6];
extern sprite_rect_rec_ status_bar_sprites_[6];
extern sprite_rect_rec_ status_zoom_sprites_[11];
extern sprite9_set_rec_ progress_sprites_[3];
extern sprite9_set_rec_ menu_row_sprites_[3];
extern sprite9_set_rec_ button_face_sprites_[4];
extern sprite9_set_rec_ edit_box_sprites_[5];
extern sprite_rect_rec_ check_glyph_sprites_[7];
extern sprite_rect_rec_ option_glyph_sprites_[7];
extern box_sprite_set_rec_ box_sprites_a_[6];
extern box_sprite_set_rec_ box_sprites_b_[6];
extern sprite9_set_rec_ quick_button_sprites_[4];
extern sprite9_set_rec_ menu_bar_separator_sprites_;
extern sprite21_set_rec_ segment_sprites_[6];
extern sprite9_set_rec_ item_small_sprites_[5];
extern sprite9_set_rec_ item_large_sprites_[5];
extern sprite9_set_rec_ item_split_small_sprites_[8];
extern sprite9_set_rec_ item_split_large_sprites_[8];
extern sprite9_set_rec_ item_row_sprites_[5];
extern sprite9_set_rec_ ribbon_tab_sprites_[9];
extern sprite_rect_rec_ frame_edge_sprites_[13];
extern sprite9_set_rec_ caption_button_sprites_[6];
extern sprite9_set_rec_ caption_glyph_sprites_[6];
extern sprite_rect_rec_ separator_line_sprite_;

// x = x1, y = y1, width = |x2 - x1| + 1, height = |y2 - y1| + 1 (inclusive corners).
void set_sprite_rect_(sprite_rect_rec_& rect, int16_t x1, int16_t y1, int16_t x2, int16_t y2);
// Box sets from their atlas origin: rule A a lying 85 x 19 block, rule B an upright 19 x 85 one.
void make_box_sprite_set_a_(box_sprite_set_rec_& set, int32_t x0, int32_t y0);
void make_box_sprite_set_b_(box_sprite_set_rec_& set, int32_t x0, int32_t y0);

// Sets every family from the one table of corners: the rectangles set one by one, the copied
// members and the ten box sets.
void fill_sprite_families_();
// Sets every rectangle of every family to zero (the state before the first skin).
void clear_sprite_families_();

// One rectangle of a family as the families hold it now.
struct sprite_entry_rec_ {
  const char* family;  // the family's name
  int32_t member;      // from 1; 0 for single-rectangle and single-set families
  int32_t part;        // index inside the member; 0 for single rectangles
  sprite_rect_rec_ rect;
  bool alpha_only;     // drawn from the alpha atlas only (it may overlap GDI sprites)
};
// Every set (non-zero) rectangle of every family, family by family in table order.
std::vector<sprite_entry_rec_> sprite_entries_();

// Smallest atlas the families fit in.
inline constexpr int32_t skin_atlas_width_ = 869;
inline constexpr int32_t skin_atlas_height_ = 570;
