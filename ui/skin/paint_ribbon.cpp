#include "ui/skin/paint_ribbon.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/window/window.h"
#include "shell/colors.h"
#include "shell/ui_metrics.h"
#include "ui/skin/paint_util.h"
#include "ui/skin/skin_palette.h"

using paint::rnd;

namespace {

void draw_in_(dc_& dc, std::string_view text, int32_t l, int32_t t, int32_t r, int32_t b, uint32_t format) {
  pixel_rect_ box{l, t, r, b};
  dc.draw_text_(text, box, format);
}

constexpr uint32_t centred_line_ = text_center_ | text_vcenter_ | text_single_line_;

std::string tab_caption_(std::string_view caption) {
  std::string s(caption);
  if (skin_palette_.uppercase_tabs == true_) s = paint::upper(s);
  return s;
}

std::string_view trim_spaces_(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

void draw_ribbon_menu_button_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view caption,
                              int32_t state) {
  x += 1, y += 1, w -= 1;
  const int m = state == 1 ? 1 : state == 2 ? 2 : state == 4 ? 3 : 0;
  if (m > 0) blit_sprite9_(app_button_sprites_[m], hdc, x, y, w, h, 0, 0);
  hdc.set_text_colour_(uint32_t(skin_palette_.color_start_menu));
  draw_in_(hdc, tab_caption_(caption), x, y, x + w, y + h, centred_line_);
}

void draw_ribbon_tab_(window_*, dc_& hdc, int32_t x, int32_t w, int32_t h, uint8_t state, std::string_view caption,
                      int32_t y, flag16_ first_style) {
  if (state >= 1 && state <= 4)
    blit_sprite9_(ribbon_tab_sprites_[(first_style == true_ ? 0 : 4) + state], hdc, x, y, w, h, 0, 0);
  const int64_t bottom = std::abs(int64_t(y) + h);
  draw_in_(hdc, tab_caption_(caption), x + 8, y + 2, x + w - 8, int32_t(std::min<int64_t>(bottom, INT32_MAX)),
           centred_line_);
}

void draw_ribbon_body_(window_* hwnd, dc_& hdc, int32_t, int32_t header_h, int32_t top, flag16_ first_style) {
  const int32_t cw = hwnd ? hwnd->client_width_() : hdc.target_().width_();
  const int32_t ch = hwnd ? hwnd->client_height_() : hdc.target_().height_();
  blit_header_box_(ribbon_body_sprites_[first_style == true_ ? 1 : 2], hdc, 0, top, cw, ch - top, header_h);
}

void draw_ribbon_band_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, flag16_ first_style) {
  paint::part(hdc, ribbon_body_sprites_[first_style == true_ ? 1 : 2].part[0], x, y, w, h, false);
}

void draw_header_band_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, flag16_ first_band) {
  paint::part(hdc, ribbon_body_sprites_[1].part[first_band == true_ ? 1 : 7], x, y, w, h, false);
}

void draw_ribbon_group_(window_*, dc_& hdc, const ribbon_group_args_& a) {
  if (a.state > 4) return;
  const std::string_view caption = trim_spaces_(a.caption);
  const int32_t B = a.caption_h + ribbon_group_sprites_[1].part[9].height;
  blit_caption_box_(ribbon_group_sprites_[a.state + 1], hdc, a.x, a.y, a.w, a.h - a.top_offset, a.caption_h,
                    a.narrow_right);
  const bool band = a.state <= 1;
  hdc.set_text_colour_(uint32_t(band ? skin_palette_.color_toolbar_text : skin_palette_.color_btn_text_std));
  int32_t l = a.x + 4, r = a.x + a.w - 4, t = band ? a.y + a.h - B : a.y, b = a.y + a.h;
  if (band && a.show_launcher == true_) {
    const int32_t lw = launcher_sprites_[1].width, lh = launcher_sprites_[1].height;
    const int32_t lx = a.x + a.w - (lw + 2) - a.launcher_margin;
    const int32_t ly = a.y + a.h - (lh + 1) - a.launcher_margin - a.top_offset;
    const bool on = lx <= a.mouse_x && a.mouse_x <= lx + lw && ly - a.top_offset <= a.mouse_y &&
                    a.mouse_y <= ly + lh - a.top_offset;
    int member = 1;
    if (on) {
      if (a.mouse_down == true_ && a.hot_control == 0 && a.pressed_group == a.group_id)
        member = 3;
      else if ((a.pressed_group == 0 || a.pressed_group == a.group_id) &&
               (a.hot_group == a.group_id || a.hot_group == 0) && a.hot_control == 0)
        member = 2;
    } else if (a.pressed_group == a.group_id) {
      member = 2;
    }
    paint::part_at(hdc, launcher_sprites_[member], lx, ly, true);
    r -= lw;
  }
  draw_in_(hdc, caption, l, t - a.top_offset, r, b - a.top_offset, centred_line_);
}

void get_ribbon_metrics_(int32_t& launcher_w, int32_t& launcher_h, int32_t& split_drop_w, int32_t& split_drop_h) {
  launcher_w = launcher_sprites_[1].width;
  launcher_h = launcher_sprites_[1].height;
  split_drop_w = item_split_small_sprites_[1].part[3].width;
  split_drop_h = item_split_large_sprites_[1].part[7].height;
}

void draw_key_tip_(dc_& hdc, int32_t cx, int32_t cy, std::string_view text) {
  const int32_t min_w = ui_metrics_.key_tip_min_w_;
  const int32_t width = std::max(hdc.text_extent_(text).cx + 8, min_w), height = min_w;
  const int32_t left = rnd(cx - width / 2.0), top = rnd(cy - height / 2.0);
  blit_sprite9_(key_tip_sprites_, hdc, left, top, width, height, 0, 0);
  draw_in_(hdc, text, left, top, left + width, top + height, centred_line_);
}

void draw_main_menu_frame_(int32_t, dc_* hdc, int32_t x, int32_t y, int32_t w, int32_t h,
                           app_menu_insets_rec_& in, std::string_view caption_1, std::string_view caption_2,
                           int32_t hover, int32_t) {
  const sprite9_set_rec_& frame = app_menu_frame_sprites_;
  const sprite9_set_rec_& b1 = app_menu_button_sprites_[1];
  if (hdc) {
    hdc->fill_rectangle_({x, y, x + w, y + h}, 0xFFFFFF);
    blit_sprite9_border_(frame, *hdc, x, y, w, h);
  }
  in.left = frame.part[4].width;
  in.right = frame.part[6].width;
  in.top = frame.part[2].height;
  in.bottom = frame.part[8].height;
  in.button_min_w = b1.part[4].width + b1.part[5].width + b1.part[6].width;
  in.button_h = b1.part[2].height + b1.part[5].height + b1.part[8].height;
  if (!hdc || std::abs(w) < 1 || std::abs(h) < 1) return;
  const int32_t bw1 = hdc->text_extent_(caption_1).cx + 16, bw2 = hdc->text_extent_(caption_2).cx + 16;
  const int32_t bh = in.button_h;
  const int32_t x2 = w - in.right - bw2 + 1, y2 = h - bh - 4, x1 = x2 - bw1 - 4;
  blit_sprite9_(b1, *hdc, x1, y2, bw1, bh, 0, true_);
  blit_sprite9_(b1, *hdc, x2, y2, bw2, bh, 0, true_);
  if (hover == 1) blit_sprite9_(app_menu_button_sprites_[2], *hdc, x1, y2, bw1, bh, 0, true_);
  if (hover == 2) blit_sprite9_(app_menu_button_sprites_[2], *hdc, x2, y2, bw2, bh, 0, true_);
  draw_in_(*hdc, caption_1, x1, y2, x1 + bw1, y2 + bh, centred_line_);
  draw_in_(*hdc, caption_2, x2, y2, x2 + bw2, y2 + bh, centred_line_);
}

void draw_separator_line_(window_* hwnd, dc_& hdc, int32_t x1, int32_t y, int32_t x2) {
  hdc.clear_clip_();
  hdc.intersect_clip_rect_({x1, y, x2, y + 1});
  const sprite_rect_rec_& s = separator_line_sprite_;
  for (int32_t k = 0; k < 3; ++k) paint::part_at(hdc, s, x1 + k * s.width, y, false);
  hdc.clear_clip_();
  if (hwnd) hdc.intersect_clip_rect_({0, 0, hwnd->client_width_(), hwnd->client_height_()});
}

void draw_ribbon_glyph_(dc_& hdc, int32_t x, int32_t y, flag16_ centred) {
  const sprite_rect_rec_& g = ribbon_glyph_sprite_;
  if (centred == true_) x = rnd(x - g.width / 2.0), y = rnd(y - g.height / 2.0);
  paint::part_at(hdc, g, x, y, true);
}
