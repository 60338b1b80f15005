#include "ui/skin/paint_items.h"

#include <string>

#include "shell/ui_metrics.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_util.h"
#include "ui/skin/skin_palette.h"

using paint::rnd;

namespace {

void draw_in_(dc_& dc, std::string_view text, int32_t l, int32_t t, int32_t r, int32_t b, uint32_t format) {
  pixel_rect_ box{l, t, r, b};
  dc.draw_text_(text, box, format);
}

std::string trim_(std::string s) {
  size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  size_t b = s.find_last_not_of(' ');
  return s.substr(a, b - a + 1);
}

std::string spaces_for_underscores_(std::string s) {
  for (char& c : s)
    if (c == '_') c = ' ';
  return s;
}

// Frame member (1-based) of an item, 0 for none.
int frame_member_(const item_button_args_& a, bool large, bool& on_drop) {
  const bool chk = a.checked != 0;
  on_drop = false;
  switch (a.item_type) {
    case 1:
    case 2:
      switch (a.state) {
        case -1: return chk ? 3 : 1;
        case 0: return chk ? 3 : 0;
        case 1: return chk ? 4 : 1;
        case 2: return 2;
        default: return 0;
      }
    case 3: {
      if (a.state == -1) return chk ? 5 : 1;
      if (a.state == 0) return chk ? 5 : 0;
      if (a.state != 1 && a.state != 2) return 0;
      const sprite9_set_rec_* family = large ? item_split_large_sprites_ : item_split_small_sprites_;
      const int by_state = a.state == 1 ? (chk ? 7 : 1) : 3;
      on_drop = large ? a.mouse_y >= a.y + a.h - a.split_low_h
                      : a.mouse_x >= a.x + a.w - family[by_state].part[3].width;
      if (a.state == 1) return on_drop ? (chk ? 7 : 2) : (chk ? 7 : 1);
      return on_drop ? (chk ? 5 : 4) : 3;
    }
    case 4:
      switch (a.state) {
        case -1: return 1;
        case 0: return 4;
        case 1: return !large && a.mouse_x >= a.x + a.w - ui_metrics_.drop_zone_w_ ? 2 : 1;
        case 2: return 3;
        default: return 4;
      }
    default: return 0;
  }
}

}  // namespace

std::string large_item_caption_(std::string_view caption) {
  const size_t sp = caption.find(' ');
  if (sp == std::string_view::npos) return std::string(caption);
  // Line 1 runs to the space (1-based position p), line 2 from it.
  std::string one = trim_(spaces_for_underscores_(std::string(caption.substr(0, sp + 1))));
  std::string two = trim_(spaces_for_underscores_(std::string(caption.substr(sp))));
  return one + "\r\n" + two;
}

void draw_item_button_(int32_t, dc_& hdc, const item_button_args_& a) {
  const bool on = a.enabled == true_;
  hdc.set_text_colour_(uint32_t(on ? skin_palette_.color_btn_text_act : skin_palette_.color_btn_text_dis));
  const bool large_frame = a.h > 33, large_caption = a.h >= 33;
  const int32_t type = a.item_type;
  if (type == 5) {
    draw_button_segments_(hdc, a.x, a.y, a.h, a.seg_w_b, a.seg_w_c, a.caption, a.icon, a.mouse_x, a.mouse_y,
                          a.seg_pressed);
    return;
  }
  bool on_drop = false;
  const int member = frame_member_(a, large_frame, on_drop);
  const sprite_rect_rec_& arrow = drop_arrow_sprites_[a.state >= 1 ? 2 : 1];
  if (type == 6) paint::part(hdc, item_separator_sprite_, a.x, a.y, item_separator_sprite_.width, a.h, true);
  if (member > 0) {
    const sprite9_set_rec_* family = type == 4   ? item_row_sprites_
                                     : type == 3 ? (large_frame ? item_split_large_sprites_ : item_split_small_sprites_)
                                                 : (large_frame ? item_large_sprites_ : item_small_sprites_);
    const sprite9_set_rec_& s = family[member];
    const int32_t L = s.part[1].width, R = s.part[3].width, T = s.part[1].height;
    const int32_t B = type == 3 && large_frame ? a.split_low_h : s.part[7].height;
    const int32_t xs[3] = {a.x, a.x + L, a.x + a.w - R}, ws[3] = {L, a.w - L - R, R};
    const int32_t ys[3] = {a.y, a.y + T, a.y + a.h - B}, hs[3] = {T, a.h - T - B, B};
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) paint::part(hdc, s.part[1 + r * 3 + c], xs[c], ys[r], ws[c], hs[r], true);
  }
  if (type == 4) paint::part_at(hdc, drop_arrow_sprites_[a.state >= 1 ? 2 : 1], a.x + a.w - 11, rnd(a.y + a.h / 2.0 - 3), true);

  const pixel_size_ text = hdc.text_extent_(a.caption);
  const int32_t ch = text.cy;
  const flag16_ look = on ? true_ : false_;
  const bool arrowed = type == 2 || type == 3;
  if (large_caption) {
    int32_t top;
    if (a.icon >= 1) {
      draw_icon_state_(hdc, float(a.x + a.w / 2.0), float(a.y + a.h / 2.0 - ch), 32, a.icon, true_, true_, look, -1, 0);
      top = a.y + a.h - 2 * ch - 2;
    } else {
      top = rnd(a.y + a.h / 2.0);
    }
    bool two_lines = false;
    if (!a.caption.empty() && type != 4) {
      if (a.caption.find(' ') != std::string_view::npos) {
        two_lines = true;
        draw_in_(hdc, large_item_caption_(a.caption), a.x + 4, top, a.x + a.w - 4, a.y + a.h, text_center_);
      } else {
        draw_in_(hdc, a.caption, a.x + 4, top, a.x + a.w - 4, a.y + a.h,
                 arrowed ? text_center_ : text_center_ | text_vcenter_ | text_single_line_);
      }
    }
    if (arrowed)
      paint::part_at(hdc, arrow, two_lines ? a.x + a.w - 10 : rnd(a.x + a.w / 2.0 - 3), a.y + a.h - 10, true);
    return;
  }
  int32_t left = a.x + 4, right = a.x + a.w - 4;
  if (a.icon >= 1) {
    draw_icon_state_(hdc, float(a.x + 4), float(a.y + a.h / 2.0), 16, a.icon, 0, true_, look, -1, 0);
    left = a.x + 24, right = a.x + a.w - 8;
  }
  if (!a.caption.empty()) {
    const int32_t min_w = ui_metrics_.item_caption_min_w_;
    if (arrowed && a.w - 2 >= min_w + 10) {
      draw_in_(hdc, a.caption, left, a.y, right, a.y + a.h, text_vcenter_ | text_single_line_);
    } else if (type == 4 && a.w >= a.seg_w_c + 2) {
      draw_in_(hdc, a.caption, a.x + 4, a.y, a.x + a.w - item_row_sprites_[4].part[6].width - 1, a.y + a.h,
               text_vcenter_ | text_single_line_);
    } else if (type != 2 && type != 3 && type != 4 && a.w - 2 >= min_w) {
      draw_in_(hdc, a.caption, left, a.y, right, a.y + a.h, text_center_ | text_vcenter_ | text_single_line_);
    }
  }
  if (arrowed) paint::part_at(hdc, arrow, a.x + a.w - 10, rnd(a.y + a.h / 2.0 - 3), true);
}

void draw_button_segments_(dc_& hdc, int32_t x, int32_t y, int32_t h, int32_t seg_w_b, int32_t seg_w_c,
                           std::string_view codes, int32_t first_icon, int32_t mouse_x, int32_t mouse_y,
                           flag16_ pressed) {
  const sprite21_set_rec_& m1 = segment_sprites_[1];
  const int32_t Lw = m1.part[0].width, Rw = m1.part[4].width, Dw = m1.part[6].width;
  const int32_t Th = m1.part[0].height, Bh = m1.part[14].height;
  const int32_t w3 = m1.part[3].width, w5 = m1.part[5].width;
  auto column = [&](int member, int k, int32_t left, int32_t width) {
    const sprite21_set_rec_& s = segment_sprites_[member];
    paint::part(hdc, s.part[k], left, y, width, Th, true);
    paint::part(hdc, s.part[7 + k], left, y + Th, width, h - Th - Bh, true);
    paint::part(hdc, s.part[14 + k], left, y + h - Bh, width, Bh, true);
  };
  const bool down = pressed == true_;
  const size_t n = codes.size();
  int32_t pos = 0;
  for (size_t i = 1; i <= n; ++i) {
    const char ch = codes[i - 1];
    const int32_t x0 = x + pos, icon = first_icon + int32_t(i) - 1;
    if (ch == 'b' || ch == 'B') {
      const int32_t W = seg_w_b;
      const bool hovered = x0 <= mouse_x && mouse_x < x0 + W && y <= mouse_y && mouse_y <= y + h;
      const int A = hovered ? (down ? 5 : 3) : (ch == 'B' ? 4 : 1);
      column(A, i == 1 ? 0 : 1, x0, Lw);
      column(A, 2, x0 + Lw, W - Lw - Rw);
      if (i == n)
        column(A, 4, x0 + W - Rw, Rw);
      else
        column(A, 3, x0 + W - w3, w3);
      draw_icon_state_(hdc, float(x0 + W / 2.0 - 8), float(y + h / 2.0 - 8), 16, icon, 0, 0, true_, -1, 0);
      pos += W;
    } else if (ch == 'c' || ch == 'C') {
      const int32_t W = seg_w_c;
      const bool hovered = x0 <= mouse_x && mouse_x < x0 + W && y <= mouse_y && mouse_y < y + h;
      const bool on_drop = hovered && mouse_x >= x0 + W - Dw;
      int A, B;
      if (on_drop) A = down ? 4 : 2, B = down ? 5 : 3;
      else if (hovered) A = down ? 5 : 3, B = 2;
      else A = B = ch == 'C' ? 4 : 1;
      column(A, i == 1 ? 0 : 1, x0, Lw);
      column(A, 2, x0 + Lw, W - Lw - Dw);
      if (i == n)
        column(B, 6, x0 + W - Dw, Dw);
      else
        column(B, 5, x0 + W - w5, w5);
      paint::part_at(hdc, drop_arrow_sprites_[1], rnd(x0 + W - w5 / 2.0 - 3), rnd(y + h / 2.0 - 3), true);
      draw_icon_state_(hdc, float(x0 + (W - Dw) / 2.0 - 8), float(y + h / 2.0 - 8), 16, icon, 0, 0, true_, -1, 0);
      pos += W;
    }
  }
}
