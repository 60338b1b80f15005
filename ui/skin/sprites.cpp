// The sprite families and the one table of atlas corners they are cut by. The skin generator
// paints its atlases from the same table (through sprite_entries_), so a skin and the loader
// can never disagree on where a part lies. Parts of a member lie side by side as a grid with a
// 1-pixel gap; every size the painters rely on (glyphs 13 x 13, dock buttons 2-26-2-4-2, the
// progress columns 2-185-2, ...) is a column or row width below.
#include "ui/skin/sprites.h"

#include <cstdlib>
#include <initializer_list>

sprite9_set_rec_ app_menu_frame_sprites_;
sprite9_set_rec_ app_menu_button_sprites_[3];
sprite9_set_rec_ app_button_sprites_[4];
sprite9_set_rec_ tab_baseline_sprites_[3];
sprite15_set_rec_ caption_bar_sprites_[3];
sprite_rect_rec_ ribbon_glyph_sprite_;
sprite9_set_rec_ key_tip_sprites_;
sprite12_set_rec_ ribbon_body_sprites_[3];
sprite_rect_rec_ dock_band_body_sprites_[3];
gripper_pair_rec_ dock_gripper_sprites_[4];
sprite15_set_rec_ dock_button_sprites_[6];
sprite_rect_rec_ dock_separator_sprites_[3];
sprite9_set_rec_ dock_custom_button_sprites_[7];
sprite_rect_rec_ dock_end_button_sprites_[11];
sprite_rect_rec_ float_close_sprites_[3];
sprite_rect_rec_ item_separator_sprite_;
sprite_rect_rec_ tab_separator_sprite_;
sprite_rect_rec_ drop_arrow_sprites_[3];
sprite_rect_rec_ launcher_sprites_[4];
sprite12_set_rec_ ribbon_group_sprites_[6];
sprite_rect_rec_ status_bar_sprites_[6];
sprite_rect_rec_ status_zoom_sprites_[11];
sprite9_set_rec_ progress_sprites_[3];
sprite9_set_rec_ menu_row_sprites_[3];
sprite9_set_rec_ button_face_sprites_[4];
sprite9_set_rec_ edit_box_sprites_[5];
sprite_rect_rec_ check_glyph_sprites_[7];
sprite_rect_rec_ option_glyph_sprites_[7];
box_sprite_set_rec_ box_sprites_a_[6];
box_sprite_set_rec_ box_sprites_b_[6];
sprite9_set_rec_ quick_button_sprites_[4];
sprite9_set_rec_ menu_bar_separator_sprites_;
sprite21_set_rec_ segment_sprites_[6];
sprite9_set_rec_ item_small_sprites_[5];
sprite9_set_rec_ item_large_sprites_[5];
sprite9_set_rec_ item_split_small_sprites_[8];
sprite9_set_rec_ item_split_large_sprites_[8];
sprite9_set_rec_ item_row_sprites_[5];
sprite9_set_rec_ ribbon_tab_sprites_[9];
sprite_rect_rec_ frame_edge_sprites_[13];
sprite9_set_rec_ caption_button_sprites_[6];
sprite9_set_rec_ caption_glyph_sprites_[6];
sprite_rect_rec_ separator_line_sprite_;

void set_sprite_rect_(sprite_rect_rec_& rect, int16_t x1, int16_t y1, int16_t x2, int16_t y2) {
  rect.x = x1;
  rect.y = y1;
  rect.width = int16_t(std::abs(int32_t(x2) - x1) + 1);
  rect.height = int16_t(std::abs(int32_t(y2) - y1) + 1);
}

namespace {

// The seven spans along a box block and the five across it, inclusive offsets from its origin.
constexpr int box_long_[7][2] = {{0, 16}, {18, 20}, {22, 36}, {38, 46}, {48, 50}, {52, 66}, {68, 84}};
constexpr int box_short_[5][2] = {{0, 1}, {3, 3}, {5, 13}, {15, 15}, {17, 18}};

void make_box_(box_sprite_set_rec_& set, int32_t x0, int32_t y0, bool upright) {
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 7; ++i) {
      int a1 = box_long_[i][0], a2 = box_long_[i][1], b1 = box_short_[j][0], b2 = box_short_[j][1];
      sprite_rect_rec_& r = set.part[j * 7 + i];
      if (upright)
        set_sprite_rect_(r, int16_t(x0 + b1), int16_t(y0 + a1), int16_t(x0 + b2), int16_t(y0 + a2));
      else
        set_sprite_rect_(r, int16_t(x0 + a1), int16_t(y0 + b1), int16_t(x0 + a2), int16_t(y0 + b2));
    }
}

// Where a family lives: member m (from 1, or 0 for single ones) is parts rectangles from base.
struct family_desc_ {
  const char* name;
  sprite_rect_rec_* base;
  int members;  // 0 for a single rectangle or set
  int parts;
  bool alpha_only;
};

template <class T>
sprite_rect_rec_* rects_of_(T& x) {
  static_assert(sizeof(T) % sizeof(sprite_rect_rec_) == 0);
  return reinterpret_cast<sprite_rect_rec_*>(&x);
}
template <class T, size_t N>
family_desc_ many_(const char* name, T (&a)[N], bool alpha_only = false) {
  return {name, rects_of_(a[0]), int(N) - 1, int(sizeof(T) / sizeof(sprite_rect_rec_)), alpha_only};
}
template <class T>
family_desc_ one_(const char* name, T& x, bool alpha_only = false) {
  return {name, rects_of_(x), 0, int(sizeof(T) / sizeof(sprite_rect_rec_)), alpha_only};
}

// Family indexes in the registry below.
enum fam_ : int {
  f_app_menu_frame, f_app_menu_button, f_app_button, f_tab_baseline, f_caption_bar, f_ribbon_glyph,
  f_key_tip, f_ribbon_body, f_dock_band_body, f_dock_gripper, f_dock_button, f_dock_separator,
  f_dock_custom_button, f_dock_end_button, f_float_close, f_item_separator, f_tab_separator,
  f_drop_arrow, f_launcher, f_ribbon_group, f_status_bar, f_status_zoom, f_progress, f_menu_row,
  f_button_face, f_edit_box, f_check_glyph, f_option_glyph, f_box_a, f_box_b, f_quick_button,
  f_menu_bar_separator, f_segment, f_item_small, f_item_large, f_item_split_small, f_item_split_large,
  f_item_row, f_ribbon_tab, f_frame_edge, f_caption_button, f_caption_glyph, f_separator_line, f_count
};

const std::vector<family_desc_>& families_() {
  static const std::vector<family_desc_> list = {
      one_("app_menu_frame_sprites_", app_menu_frame_sprites_),
      many_("app_menu_button_sprites_", app_menu_button_sprites_),
      many_("app_button_sprites_", app_button_sprites_),
      many_("tab_baseline_sprites_", tab_baseline_sprites_),
      many_("caption_bar_sprites_", caption_bar_sprites_),
      one_("ribbon_glyph_sprite_", ribbon_glyph_sprite_),
      one_("key_tip_sprites_", key_tip_sprites_),
      many_("ribbon_body_sprites_", ribbon_body_sprites_),
      many_("dock_band_body_sprites_", dock_band_body_sprites_),
      many_("dock_gripper_sprites_", dock_gripper_sprites_),
      many_("dock_button_sprites_", dock_button_sprites_),
      many_("dock_separator_sprites_", dock_separator_sprites_),
      many_("dock_custom_button_sprites_", dock_custom_button_sprites_),
      many_("dock_end_button_sprites_", dock_end_button_sprites_),
      many_("float_close_sprites_", float_close_sprites_),
      one_("item_separator_sprite_", item_separator_sprite_),
      one_("tab_separator_sprite_", tab_separator_sprite_),
      many_("drop_arrow_sprites_", drop_arrow_sprites_),
      many_("launcher_sprites_", launcher_sprites_),
      many_("ribbon_group_sprites_", ribbon_group_sprites_),
      many_("status_bar_sprites_", status_bar_sprites_),
      many_("status_zoom_sprites_", status_zoom_sprites_),
      many_("progress_sprites_", progress_sprites_),
      many_("menu_row_sprites_", menu_row_sprites_),
      many_("button_face_sprites_", button_face_sprites_),
      many_("edit_box_sprites_", edit_box_sprites_),
      many_("check_glyph_sprites_", check_glyph_sprites_),
      many_("option_glyph_sprites_", option_glyph_sprites_),
      many_("box_sprites_a_", box_sprites_a_),
      many_("box_sprites_b_", box_sprites_b_),
      many_("quick_button_sprites_", quick_button_sprites_),
      // Drawn only from the alpha atlas, so it shares its place with the caption bar.
      one_("menu_bar_separator_sprites_", menu_bar_separator_sprites_, true),
      many_("segment_sprites_", segment_sprites_),
      many_("item_small_sprites_", item_small_sprites_),
      many_("item_large_sprites_", item_large_sprites_),
      many_("item_split_small_sprites_", item_split_small_sprites_),
      many_("item_split_large_sprites_", item_split_large_sprites_),
      many_("item_row_sprites_", item_row_sprites_),
      many_("ribbon_tab_sprites_", ribbon_tab_sprites_),
      many_("frame_edge_sprites_", frame_edge_sprites_),
      many_("caption_button_sprites_", caption_button_sprites_),
      many_("caption_glyph_sprites_", caption_glyph_sprites_),
      one_("separator_line_sprite_", separator_line_sprite_),
  };
  return list;
}

sprite_rect_rec_& rect_at_(int fam, int member, int part) {
  const family_desc_& f = families_()[size_t(fam)];
  return f.base[size_t(member) * size_t(f.parts) + size_t(part)];
}

// One rectangle by its inclusive corners.
struct cut_rec_ {
  int16_t fam, member, part;
  int16_t x1, y1, x2, y2;
};

using sizes_ = std::initializer_list<int>;

// A member's parts as a grid from (x, y): columns and rows of the given sizes, gap pixels apart,
// numbered row by row from first_part.
void grid_(std::vector<cut_rec_>& out, int fam, int member, int x, int y, sizes_ cols, sizes_ rows,
           int first_part = 1, int gap = 1) {
  int part = first_part;
  int top = y;
  for (int h : rows) {
    int left = x;
    for (int w : cols) {
      out.push_back({int16_t(fam), int16_t(member), int16_t(part++), int16_t(left), int16_t(top),
                     int16_t(left + w - 1), int16_t(top + h - 1)});
      left += w + gap;
    }
    top += h + gap;
  }
}
void rect_(std::vector<cut_rec_>& out, int fam, int member, int x, int y, int w, int h, int part = 0) {
  out.push_back({int16_t(fam), int16_t(member), int16_t(part), int16_t(x), int16_t(y), int16_t(x + w - 1),
                 int16_t(y + h - 1)});
}

// The table: every rectangle that is set one by one.
const std::vector<cut_rec_>& sprite_cuts_() {
  static const std::vector<cut_rec_> cuts = [] {
    std::vector<cut_rec_> t;
    // Ribbon application menu: frame (bottom band holds the two buttons) and its buttons.
    grid_(t, f_app_menu_frame, 0, 231, 201, {6, 85, 6}, {6, 12, 30});
    for (int m = 1; m <= 2; ++m) grid_(t, f_app_menu_button, m, 770 + 20 * (m - 1), 278, {3, 3, 3}, {3, 16, 3});
    for (int m = 1; m <= 3; ++m) grid_(t, f_app_button, m, 489, 471 + 30 * (m - 1), {4, 46, 4}, {4, 15, 4});
    // Tab-strip base line: two three-part rows 25 high (left 10, middle 15, right 18).
    for (int m = 1; m <= 2; ++m) {
      grid_(t, f_tab_baseline, m, 706 + 50 * (m - 1), 312, {10, 15, 18}, {25}, 1);
      grid_(t, f_tab_baseline, m, 706 + 50 * (m - 1), 342, {10, 15, 18}, {25}, 4);
    }
    // Classic caption bar: edge columns 4 wide, end columns 100 wide around a stretched middle.
    for (int m = 1; m <= 2; ++m) grid_(t, f_caption_bar, m, 2, 2 + 36 * (m - 1), {4, 100, 532, 100, 4}, {4, 24, 3}, 0);
    rect_(t, f_ribbon_glyph, 0, 853, 8, 14, 14);
    grid_(t, f_key_tip, 0, 805, 44, {3, 11, 3}, {3, 11, 3});
    // Ribbon body: member 1 rows 1-2, member 2 rows 1-2 at y 280-290, shared rows 3-4 below.
    grid_(t, f_ribbon_body, 1, 231, 268, {3, 16, 3}, {5, 5}, 0);
    grid_(t, f_ribbon_body, 2, 231, 280, {3, 16, 3}, {5, 5}, 0);
    for (int m = 1; m <= 2; ++m) grid_(t, f_ribbon_body, m, 231, 292, {3, 16, 3}, {78, 4}, 6);
    rect_(t, f_dock_band_body, 1, 408, 73, 10, 31);
    rect_(t, f_dock_band_body, 2, 419, 73, 31, 10);
    for (int m = 1; m <= 3; ++m) {
      rect_(t, f_dock_gripper, m, 419 + 4 * (m - 1), 84, 3, 19, 0);
      rect_(t, f_dock_gripper, m, 431, 84 + 4 * (m - 1), 19, 3, 1);
    }
    for (int m = 1; m <= 5; ++m) grid_(t, f_dock_button, m, 456 + 44 * (m - 1), 73, {2, 26, 2, 4, 2}, {2, 26, 2}, 0);
    rect_(t, f_dock_separator, 1, 805, 96, 2, 19);
    rect_(t, f_dock_separator, 2, 808, 96, 19, 2);
    // Caller-sized dock buttons: the 15-pixel column (row when upright) is the arrow zone.
    const int custom_x[7] = {0, 737, 764, 791, 737, 760, 783};
    for (int m = 1; m <= 3; ++m) grid_(t, f_dock_custom_button, m, custom_x[m], 74, {2, 5, 15}, {2, 14, 2});
    for (int m = 4; m <= 6; ++m) grid_(t, f_dock_custom_button, m, custom_x[m], 97, {2, 14, 2}, {2, 5, 15});
    for (int m = 1; m <= 3; ++m) rect_(t, f_dock_end_button, m, 677 + 8 * (m - 1), 74, 7, 31);
    rect_(t, f_dock_end_button, 4, 701, 98, 6, 7);
    for (int m = 6; m <= 8; ++m) rect_(t, f_dock_end_button, m, 701, 74 + 8 * (m - 6), 31, 7);
    rect_(t, f_dock_end_button, 9, 716, 98, 7, 6);
    for (int m = 1; m <= 2; ++m) rect_(t, f_float_close, m, 817, 73 + 10 * (m - 1), 10, 9);
    rect_(t, f_item_separator, 0, 426, 259, 3, 62);
    rect_(t, f_tab_separator, 0, 434, 259, 2, 20);
    rect_(t, f_drop_arrow, 1, 60, 410, 7, 6);
    rect_(t, f_drop_arrow, 2, 60, 404, 7, 6);
    for (int m = 1; m <= 3; ++m) rect_(t, f_launcher, m, 11 + 16 * (m - 1), 403, 15, 14);
    // Ribbon groups: top, stretched middle, caption band, bottom.
    for (int m = 1; m <= 5; ++m) grid_(t, f_ribbon_group, m, 11 + 30 * (m - 1), 471, {3, 10, 3}, {3, 61, 17, 4}, 0);
    const int bar_x[6] = {0, 506, 513, 524, 530, 541}, bar_w[6] = {0, 6, 10, 5, 10, 20};
    for (int m = 1; m <= 5; ++m) rect_(t, f_status_bar, m, bar_x[m], 277, bar_w[m], 22);
    // Zoom slider: track, left button, right button, thumb; then hover and pressed looks.
    const int zoom_x[11] = {0, 11, 23, 40, 57, 69, 86, 103, 115, 132, 149};
    for (int m = 1; m <= 10; ++m) rect_(t, f_status_zoom, m, zoom_x[m], 422, (m == 1 || (m - 1) % 3 == 0) ? 11 : 16, 16);
    for (int m = 1; m <= 2; ++m) grid_(t, f_progress, m, 615, 128 + 17 * (m - 1), {2, 185, 2}, {1, 10, 1});
    grid_(t, f_menu_row, 1, 342, 201, {3, 140, 3}, {3, 32, 3});
    grid_(t, f_menu_row, 2, 706, 278, {3, 18, 3}, {3, 18, 3});
    rect_(t, f_menu_row, 2, 737, 282, 14, 14, 0);
    grid_(t, f_button_face, 1, 772, 471, {3, 51, 3}, {3, 16, 3});
    grid_(t, f_button_face, 2, 807, 501, {3, 16, 3}, {3, 16, 3});
    grid_(t, f_button_face, 3, 842, 501, {3, 16, 3}, {3, 16, 3});
    // Edit boxes: the 16-pixel right column holds the drop-down button.
    for (int m = 1; m <= 4; ++m) grid_(t, f_edit_box, m, 686 + 44 * (m - 1), 201, {3, 15, 16}, {3, 16, 3});
    for (int m = 1; m <= 6; ++m) {
      rect_(t, f_check_glyph, m, 11 + 14 * (m - 1), 443, 13, 13);
      rect_(t, f_option_glyph, m, 98 + 14 * (m - 1), 443, 13, 13);
    }
    const int quick_x[4] = {0, 288, 338, 313};
    for (int m = 1; m <= 3; ++m) grid_(t, f_quick_button, m, quick_x[m], 128, {3, 16, 3}, {3, 16, 3});
    grid_(t, f_menu_bar_separator, 0, 76, 1, {2, 1, 2}, {2, 20, 2}, 1, 0);
    // Split segments: left end, left edge, body, right edge, right end, two drop-down parts.
    for (int m = 1; m <= 5; ++m)
      grid_(t, f_segment, m, 506 + 70 * (m - 1), 239, {3, 2, 20, 2, 3, 11, 13}, {3, 16, 3}, 0);
    for (int m = 1; m <= 4; ++m) {
      grid_(t, f_item_small, m, 363 + 62 * (m - 1), 128, {3, 53, 3}, {3, 16, 3});
      grid_(t, f_item_large, m, 231 + 65 * (m - 1), 390, {3, 53, 3}, {3, 60, 3});
    }
    // Split buttons: the small one's 13-pixel right column and the large one's 29-pixel bottom
    // row are the drop-down parts. Member 7 is copied from member 5.
    for (int m = 1; m <= 6; ++m) grid_(t, f_item_split_small, m, 288 + 97 * (m - 1), 162, {3, 78, 13}, {3, 16, 3});
    for (int m = 1; m <= 4; ++m) grid_(t, f_item_split_large, m, 495 + 50 * (m - 1), 390, {3, 36, 3}, {3, 34, 29});
    grid_(t, f_item_split_large, 5, 695, 390, {3, 53, 3}, {3, 34, 29});
    grid_(t, f_item_split_large, 6, 762, 390, {3, 53, 3}, {3, 34, 29});
    const int row_x[5] = {0, 550, 594, 639, 506};
    for (int m = 1; m <= 4; ++m) grid_(t, f_item_row, m, row_x[m], 201, {3, 15, 16}, {3, 16, 3});
    const int tab_x[5] = {0, 2, 138, 70, 206};
    for (int m = 1; m <= 8; ++m) grid_(t, f_ribbon_tab, m, tab_x[(m - 1) % 4 + 1], m <= 4 ? 117 : 148, {6, 48, 6}, {5, 16, 3});
    // Classic frame: strip, left edge, right edge, bottom edge and the two bottom corners, in
    // two variants 101 pixels apart.
    const int edge_x[6] = {280, 285, 290, 295, 306, 311}, edge_w[6] = {4, 4, 4, 10, 4, 4}, edge_h[6] = {4, 10, 10, 4, 4, 4};
    for (int k = 0; k < 6; ++k)
      for (int v = 0; v < 2; ++v) rect_(t, f_frame_edge, 2 * k + 1 + v, edge_x[k] + 101 * v, 110, edge_w[k], edge_h[k]);
    const int button_x[6] = {0, 2, 31, 60, 118, 147}, glyph_x[6] = {0, 176, 205, 234, 263, 379};
    for (int m = 1; m <= 5; ++m) {
      grid_(t, f_caption_button, m, button_x[m], 78, {3, 18, 3}, {3, 18, 3});
      grid_(t, f_caption_glyph, m, glyph_x[m], 78, {3, 18, 3}, {3, 18, 3});
    }
    rect_(t, f_separator_line, 0, 231, 256, 114, 1);
    return t;
  }();
  return cuts;
}

}  // namespace

void make_box_sprite_set_a_(box_sprite_set_rec_& set, int32_t x0, int32_t y0) { make_box_(set, x0, y0, false); }
void make_box_sprite_set_b_(box_sprite_set_rec_& set, int32_t x0, int32_t y0) { make_box_(set, x0, y0, true); }

void fill_sprite_families_() {
  for (const cut_rec_& c : sprite_cuts_()) set_sprite_rect_(rect_at_(c.fam, c.member, c.part), c.x1, c.y1, c.x2, c.y2);
  item_split_small_sprites_[7] = item_split_small_sprites_[5];
  item_split_large_sprites_[7] = item_split_large_sprites_[5];
  for (int m = 1; m <= 5; ++m) {
    make_box_sprite_set_a_(box_sprites_a_[m], 561, 471 + 20 * (m - 1));
    make_box_sprite_set_b_(box_sprites_b_[m], 659 + 20 * (m - 1), 471);
  }
}

void clear_sprite_families_() {
  for (const family_desc_& f : families_())
    for (int i = 0; i < (f.members + 1) * f.parts; ++i) f.base[i] = sprite_rect_rec_{};
}

std::vector<sprite_entry_rec_> sprite_entries_() {
  std::vector<sprite_entry_rec_> out;
  for (const family_desc_& f : families_()) {
    const int first = f.members == 0 ? 0 : 1;
    for (int m = first; m <= f.members; ++m)
      for (int p = 0; p < f.parts; ++p) {
        const sprite_rect_rec_& r = f.base[size_t(m) * size_t(f.parts) + size_t(p)];
        if (r.width == 0 && r.height == 0 && r.x == 0 && r.y == 0) continue;
        out.push_back({f.name, m, p, r, f.alpha_only});
      }
  }
  return out;
}
