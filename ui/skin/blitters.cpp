// The sprite blitters and the plain primitives.
#include "ui/skin/blitters.h"

#include <algorithm>
#include <cstring>

#include "platform/core/codepage.h"
#include "platform/services/screen.h"
#include "ui/skin/skin_atlas.h"

glyph_state_code_ glyph_state_(bool enabled, bool mouse_over, bool held, bool checked) {
  if (!enabled) return 5;
  if (mouse_over) return held ? 4 : checked ? 3 : 1;
  return checked ? 2 : 0;
}

namespace {

int32_t iround_(double v) { return cint32_(v); }

// One part: its atlas rectangle (source width sw when given) to the destination.
void part_(dc_& dc, const sprite_rect_rec_& s, int32_t x, int32_t y, int32_t w, int32_t h, bool transparent,
           int32_t sw = -1) {
  if (sw < 0) sw = s.width;
  if (w < 1 || h < 1 || sw < 1 || s.height < 1) return;
  if (transparent)
    dc.transparent_blit_(x, y, w, h, skin_picture_, s.x, s.y, sw, s.height, skin_key_colour_);
  else
    dc.stretch_blit_(x, y, w, h, &skin_picture_, s.x, s.y, sw, s.height, blit_op_::copy_);
}

struct nine_geometry_ {
  int32_t L, R, T, B;
};
nine_geometry_ nine_(const sprite9_set_rec_& s) {
  return {s.part[1].width, s.part[9].width, s.part[1].height, s.part[9].height};
}

}  // namespace

void blit_sprite_rect_(const sprite_rect_rec_& part, dc_& dc, int32_t x, int32_t y, int32_t width, int32_t height,
                       bool transparent) {
  if (!skin_picture_loaded_()) return;
  part_(dc, part, x, y, width, height, transparent);
}

void blit_sprite9_(const sprite9_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t W, int32_t H,
                   flag16_ parts_off, flag16_ glyph_off) {
  if (!skin_picture_loaded_()) return;
  const auto [L, R, T, B] = nine_(set);
  const sprite_rect_rec_* p = set.part;
  if (parts_off != true_) {
    part_(dc, p[1], x, y, L, T, true);
    part_(dc, p[2], x + L, y, W - L - R, T, true);
    part_(dc, p[3], x + W - R, y, R, T, true);
    part_(dc, p[4], x, y + T, L, H - T - B, true);
    part_(dc, p[5], x + L, y + T, W - L - R, H - T - B, true);
    part_(dc, p[6], x + W - R, y + T, R, H - T - B, true);
    part_(dc, p[7], x, y + H - B, L, B, true);
    part_(dc, p[8], x + L, y + H - B, W - L - R, B, true);
    part_(dc, p[9], x + W - R, y + H - B, R, B, true);
  }
  if (glyph_off != true_) {
    const int32_t w0 = p[0].width, h0 = p[0].height;
    part_(dc, p[0], iround_(x + W * 0.5 - w0 * 0.5), iround_(y + H * 0.5 - h0 * 0.5), w0, h0, true);
  }
}

void blit_sprite9_border_(const sprite9_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t W, int32_t H) {
  if (!skin_picture_loaded_()) return;
  const auto [L, R, T, B] = nine_(set);
  const sprite_rect_rec_* p = set.part;
  part_(dc, p[1], x, y, L, T, true);
  part_(dc, p[2], x + L, y, W - L - R, T, true);
  part_(dc, p[3], x + W - R, y, R, T, true);
  part_(dc, p[4], x, y + T, p[4].width, H - T - B, true);
  part_(dc, p[6], x + W - p[6].width, y + T, p[6].width, H - T - B, true);
  part_(dc, p[7], x, y + H - B, L, B, true);
  part_(dc, p[8], x + L, y + H - B, W - L - R, B, true);
  part_(dc, p[9], x + W - R, y + H - B, R, B, true);
}

void blit_sprite9_gdip_(const sprite9_set_rec_& set, graphics_& g, int32_t x, int32_t y, int32_t W, int32_t H) {
  if (!skin_picture_loaded_() || skin_atlas_image_.empty_()) return;
  const auto [L, R, T, B] = nine_(set);
  const int32_t xs[3] = {x, x + L, x + W - R}, ws[3] = {L, W - L - R, R};
  const int32_t ys[3] = {y, y + T, y + H - B}, hs[3] = {T, H - T - B, B};
  g.set_smooth_images_(false);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const sprite_rect_rec_& s = set.part[1 + row * 3 + col];
      if (ws[col] < 1 || hs[row] < 1 || s.width < 1 || s.height < 1) continue;
      g.draw_image_rect_(skin_atlas_image_, float(xs[col]), float(ys[row]), float(ws[col]), float(hs[row]), s.x, s.y,
                         s.width, s.height);
    }
}

void blit_sprite9_fill_(const sprite9_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t W, int32_t H,
                        int32_t fill) {
  if (!skin_picture_loaded_()) return;
  fill = std::clamp(fill, 0, std::max(W, 0));
  if (fill < 1) return;
  const auto [L, R, T, B] = nine_(set);
  const sprite_rect_rec_* p = set.part;
  part_(dc, p[1], x, y, L, T, true);
  part_(dc, p[4], x, y + T, L, H - T - B, true);
  part_(dc, p[7], x, y + H - B, L, B, true);
  // The middle is cut to the fill; it never reads past its own part.
  const int32_t mid = fill - L - R;
  part_(dc, p[2], x + L, y, mid, T, true, std::min<int32_t>(mid, p[2].width));
  part_(dc, p[5], x + L, y + T, mid, H - T - B, true, std::min<int32_t>(mid, p[5].width));
  part_(dc, p[8], x + L, y + H - B, mid, B, true, std::min<int32_t>(mid, p[8].width));
  if (fill == W) {
    part_(dc, p[3], x + W - R, y, R, T, true);
    part_(dc, p[6], x + W - R, y + T, R, H - T - B, true);
    part_(dc, p[9], x + W - R, y + H - B, R, B, true);
  }
}

void blit_sprite_centered_(const sprite9_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t W, int32_t H) {
  if (!skin_picture_loaded_()) return;
  const sprite_rect_rec_& s = set.part[5];
  part_(dc, s, iround_(x + W * 0.5 - s.width * 0.5), iround_(y + H * 0.5 - s.height * 0.5), s.width, s.height, true);
}

void blit_header_box_(const sprite12_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t W, int32_t H, int32_t G) {
  if (!skin_picture_loaded_()) return;
  const sprite_rect_rec_* p = set.part;
  const int32_t C = p[0].width, T3 = p[3].height, B9 = p[9].height;
  part_(dc, p[0], x, y, W, G, false);
  const int32_t xs[3] = {x, x + C, x + W - C}, ws[3] = {C, W - 2 * C, C};
  const int32_t ys[3] = {y + G, y + G + T3, y + H - B9}, hs[3] = {T3, H - G - T3 - B9, B9};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) part_(dc, p[3 + row * 3 + col], xs[col], ys[row], ws[col], hs[row], false);
}

void blit_caption_box_(const sprite12_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t W, int32_t H, int32_t K,
                       flag16_ narrow_right) {
  if (!skin_picture_loaded_()) return;
  const sprite_rect_rec_* p = set.part;
  if (K < 1) K = p[6].height;
  const int32_t Lc = p[0].width, Tc = p[0].height, Bc = p[9].height;
  const bool narrow = narrow_right == true_;
  const int32_t Rc = narrow ? p[2].width - 1 : p[2].width;
  const int32_t xs[3] = {x, x + Lc, x + W - Rc}, ws[3] = {Lc, W - Lc - Rc, Rc};
  const int32_t ys[4] = {y, y + Tc, y + H - K - Bc, y + H - Bc}, hs[4] = {Tc, H - Tc - K - Bc, K, Bc};
  for (int col = 0; col < 3; ++col)
    for (int row = 0; row < 4; ++row) {
      const sprite_rect_rec_& s = p[row * 3 + col];
      part_(dc, s, xs[col], ys[row], ws[col], hs[row], true, col == 2 && narrow ? s.width - 1 : -1);
    }
}

void blit_bar5x3_(const sprite15_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t W, int32_t H, int32_t P,
                  int32_t Q, flag16_ middle_only) {
  if (!skin_picture_loaded_()) return;
  const sprite_rect_rec_* p = set.part;
  const int32_t ys[3] = {y, y + p[0].height, y + H - p[10].height};
  const int32_t hs[3] = {p[0].height, H - p[0].height - p[10].height, p[10].height};
  auto column = [&](int c, int32_t cx, int32_t cw) {
    for (int row = 0; row < 3; ++row) part_(dc, p[row * 5 + c], cx, ys[row], cw, hs[row], false);
  };
  if (middle_only == true_) {
    column(2, x, W);
    return;
  }
  column(1, x, P);
  column(3, x + W - Q, Q);
  column(2, x + P, W - P - Q);
  column(0, x, p[0].width);
  column(4, x + W - p[4].width, p[4].width);
}

void fill_rect_(dc_& dc, int32_t left, int32_t top, int32_t width, int32_t height, int32_t fill_colour,
                int32_t border_colour) {
  if (border_colour < 0) border_colour = fill_colour;
  const pen_ old_pen = dc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(border_colour) & 0xFFFFFFu});
  const brush_ old_brush = dc.select_brush_(brush_{brush_style_::solid_, uint32_t(fill_colour) & 0xFFFFFFu});
  const rop_ old_rop = dc.set_rop_(rop_::copy_pen_);
  dc.rectangle_(left, top, cint32_(double(left) + width), cint32_(double(top) + height));
  dc.set_rop_(old_rop);
  dc.select_brush_(old_brush);
  dc.select_pen_(old_pen);
}

void draw_text_color_(dc_& dc, std::string_view text, int32_t left, int32_t top, int32_t width, int32_t height,
                      int32_t colour, uint32_t format) {
  dc.set_text_colour_(uint32_t(colour) & 0xFFFFFFu);
  pixel_rect_ r{left, top, cint32_(double(left) + width), cint32_(double(top) + height)};
  dc.draw_text_(text, r, format);
}

void reset_text_dc_(dc_& dc) { dc.set_text_colour_(0); }

void set_logfont_face_(std::string_view face, char (&field)[32]) {
  const std::string bytes = utf8_to_cp1250_(face);
  const size_t n = std::min<size_t>(bytes.size(), 31);
  std::fill(field, field + 32, '\0');
  std::copy(bytes.begin(), bytes.begin() + ptrdiff_t(n), field);
}

font_ font_of_logfont_(const log_font_rec_& lf) {
  font_ f;
  f.face = cp1250_to_utf8_(std::string_view(lf.face_name, strnlen(lf.face_name, sizeof lf.face_name)));
  f.height = lf.height;
  f.weight = lf.weight;
  f.italic = lf.italic != 0;
  f.underline = lf.underline != 0;
  f.strike_out = lf.strike_out != 0;
  f.escapement = lf.escapement;
  return f;
}

log_font_rec_ ui_logfont_(float twips_per_pixel_y, int32_t escapement) {
  log_font_rec_ lf;
  lf.height = twips_per_pixel_y > 0 ? cint32_(15.0 / twips_per_pixel_y * 13.0) : 13;
  lf.escapement = escapement;
  lf.orientation = escapement;
  lf.char_set = 1;
  set_logfont_face_("Tahoma", lf.face_name);
  return lf;
}

font_ ui_font_(int32_t escapement) {
  return font_of_logfont_(ui_logfont_(float(twips_per_pixel_y_()), escapement));
}
