// The program's three skins, painted from vector shapes. Each family member is painted whole,
// at its natural size with the gaps of the atlas grid left out, on a transparent canvas; its
// parts are then cut into their atlas rectangles. The sprite picture gets every pixel that is
// mostly covered, blended over the colour the part is shown on, and pure red elsewhere (so
// rounded corners come from the key); the alpha atlas keeps the canvas with its alpha.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/gdiplus/graphics.h"
#include "tools/skin_art.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/sprites.h"

namespace {

// Colours here are 0xRRGGBB.
struct look_rec_ {
  uint32_t panel, text, text_dim;
  uint32_t face_top, face_bottom, border;
  uint32_t hover_top, hover_bottom, hover_border;
  uint32_t press_top, press_bottom, press_border;
  uint32_t check_top, check_bottom, check_border;
  uint32_t accent, accent_dark, on_accent;
  uint32_t field, field_border;
  uint32_t caption, caption_inactive, caption_text, caption_text_inactive;
  uint32_t ribbon_head, ribbon_body_top, ribbon_body_bottom, ribbon_border;
  uint32_t dock_top, dock_bottom, dock_border;
  uint32_t status_top, status_bottom, status_border;
  uint32_t popup, popup_margin, popup_border;
  uint32_t glyph, glyph_dis, separator;
  uint32_t track, thumb, thumb_hover, thumb_press;
  uint32_t close_hover, close_press;
};

const look_rec_& look_of_(skin_look_ l) {
  static const look_rec_ silver = {
      0xF3F3F3, 0x1E1E1E, 0x8A8A8A,
      0xFDFDFD, 0xEFEFEF, 0xC2C2C2,
      0xF0F0F0, 0xE4E4E4, 0xA9A9A9,
      0xDADADA, 0xD2D2D2, 0x8F8F8F,
      0xE6E6E6, 0xDCDCDC, 0x9C9C9C,
      0x5B6B7F, 0x44515F, 0xFFFFFF,
      0xFFFFFF, 0xBDBDBD,
      0xE9E9E9, 0xF2F2F2, 0x1E1E1E, 0x8A8A8A,
      0xE9E9E9, 0xFAFAFA, 0xF1F1F1, 0xCFCFCF,
      0xF7F7F7, 0xEBEBEB, 0xD0D0D0,
      0xEDEDED, 0xE3E3E3, 0xC8C8C8,
      0xFBFBFB, 0xF0F0F0, 0xB9B9B9,
      0x4A4A4A, 0xB0B0B0, 0xD0D0D0,
      0xF0F0F0, 0xC1C1C1, 0xA6A6A6, 0x8C8C8C,
      0xC42B1C, 0x9E2418,
  };
  static const look_rec_ black = {
      0x2B2B2B, 0xF2F2F2, 0x8C8C8C,
      0x3C3C3C, 0x343434, 0x555555,
      0x484848, 0x414141, 0x6E6E6E,
      0x262626, 0x222222, 0x5E5E5E,
      0x3A4450, 0x35404B, 0x5D7288,
      0x4CA6E8, 0x2F86C9, 0x101010,
      0x1F1F1F, 0x5A5A5A,
      0x1F1F1F, 0x262626, 0xF2F2F2, 0x8C8C8C,
      0x1F1F1F, 0x303030, 0x2A2A2A, 0x474747,
      0x333333, 0x2C2C2C, 0x464646,
      0x252525, 0x202020, 0x474747,
      0x2D2D2D, 0x262626, 0x555555,
      0xDADADA, 0x6A6A6A, 0x4A4A4A,
      0x2B2B2B, 0x5A5A5A, 0x767676, 0x8E8E8E,
      0xC42B1C, 0x9E2418,
  };
  static const look_rec_ blue = {
      0xEEF4FB, 0x16283C, 0x7D8FA3,
      0xFFFFFF, 0xEEF4FB, 0xAFC6E0,
      0xE7F1FD, 0xD7E8FB, 0x7FAEE3,
      0xC9DFF7, 0xBCD6F3, 0x5C93D1,
      0xD3E6FA, 0xC8DFF8, 0x6FA3DE,
      0x2B7BD3, 0x1D63B0, 0xFFFFFF,
      0xFFFFFF, 0xA9C0DA,
      0xDCE8F6, 0xE9F0F8, 0x16283C, 0x7D8FA3,
      0xDCE8F6, 0xF8FBFE, 0xEDF3FA, 0xB9CDE4,
      0xF4F8FD, 0xE4EEF9, 0xBCD0E7,
      0xE3EDF8, 0xD6E4F4, 0xB3C9E2,
      0xFCFDFF, 0xEEF3FA, 0xA5BDD8,
      0x2F4660, 0xA6B6C8, 0xC6D6E8,
      0xEDF3FA, 0xB9CCE2, 0x98B4D4, 0x7A9CC4,
      0xC42B1C, 0x9E2418,
  };
  return l == skin_look_::black ? black : l == skin_look_::blue ? blue : silver;
}

constexpr uint32_t argb_(uint32_t rgb, uint32_t a = 255) { return a << 24 | (rgb & 0xFFFFFFu); }

uint32_t mix_(uint32_t a, uint32_t b, double t) {
  auto ch = [&](int s) {
    const double v = ((a >> s) & 0xFF) * (1 - t) + ((b >> s) & 0xFF) * t;
    return uint32_t(std::lround(v)) << s;
  };
  return ch(16) | ch(8) | ch(0);
}

// One canvas: an alpha surface and antialiased graphics over it.
struct canvas_ {
  surface_ px;
  std::unique_ptr<graphics_> g;
  canvas_(int32_t w, int32_t h) : px(w, h, surface_kind_::alpha_) {
    g = std::make_unique<graphics_>(px);
    g->set_smoothing_(true);
  }
  int32_t w() const { return px.width_(); }
  int32_t h() const { return px.height_(); }
};

struct canvas_;
image_ image_of_(canvas_& c);

gp_path_ round_rect_(float x, float y, float w, float h, float r) {
  gp_path_ p;
  r = std::max(0.0f, std::min({r, w / 2, h / 2}));
  if (r <= 0.01f) {
    const gp_point_ pts[4] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
    p.add_polygon_(pts, 4);
    return p;
  }
  const float k = r * 0.5523f;
  const gp_point_ a[] = {{x + r, y}, {x + w - r, y}};
  p.add_lines_(a, 2);
  const gp_point_ c1[] = {{x + w - r, y}, {x + w - r + k, y}, {x + w, y + r - k}, {x + w, y + r}};
  p.add_beziers_(c1, 4);
  const gp_point_ b[] = {{x + w, y + r}, {x + w, y + h - r}};
  p.add_lines_(b, 2);
  const gp_point_ c2[] = {{x + w, y + h - r}, {x + w, y + h - r + k}, {x + w - r + k, y + h}, {x + w - r, y + h}};
  p.add_beziers_(c2, 4);
  const gp_point_ d[] = {{x + w - r, y + h}, {x + r, y + h}};
  p.add_lines_(d, 2);
  const gp_point_ c3[] = {{x + r, y + h}, {x + r - k, y + h}, {x, y + h - r + k}, {x, y + h - r}};
  p.add_beziers_(c3, 4);
  const gp_point_ e[] = {{x, y + h - r}, {x, y + r}};
  p.add_lines_(e, 2);
  const gp_point_ c4[] = {{x, y + r}, {x, y + r - k}, {x + r - k, y}, {x + r, y}};
  p.add_beziers_(c4, 4);
  p.close_figure_();
  return p;
}

// Fills a path with a vertical gradient, one pixel row at a time.
void fill_gradient_(canvas_& c, const gp_path_& path, uint32_t top, uint32_t bottom, uint32_t alpha = 255) {
  for (int32_t y = 0; y < c.h(); ++y) {
    const double t = c.h() > 1 ? double(y) / (c.h() - 1) : 0;
    c.g->set_clip_rect_({0, y, c.w(), y + 1});
    c.g->fill_path_(argb_(mix_(top, bottom, t), alpha), path, fill_mode_::winding_);
  }
  c.g->set_clip_rect_({});
}

// A face: 1-pixel border and a gradient inside, corners rounded by r.
void face_(canvas_& c, float x, float y, float w, float h, float r, uint32_t top, uint32_t bottom, uint32_t border) {
  if (w < 1 || h < 1) return;
  c.g->fill_path_(argb_(border), round_rect_(x, y, w, h, r), fill_mode_::winding_);
  if (w > 2 && h > 2) fill_gradient_(c, round_rect_(x + 1, y + 1, w - 2, h - 2, std::max(0.0f, r - 1)), top, bottom);
}

void line_(canvas_& c, float x1, float y1, float x2, float y2, uint32_t rgb, float width = 1.0f, uint32_t a = 255) {
  gp_pen_ pen;
  pen.argb = argb_(rgb, a);
  pen.width = width;
  pen.join = gp_join_::round_;
  c.g->draw_line_(pen, x1, y1, x2, y2);
}

void polyline_(canvas_& c, std::initializer_list<gp_point_> pts, uint32_t rgb, float width) {
  gp_pen_ pen;
  pen.argb = argb_(rgb);
  pen.width = width;
  pen.join = gp_join_::round_;
  std::vector<gp_point_> v(pts);
  c.g->draw_lines_(pen, v.data(), v.size());
}

void rect_fill_(canvas_& c, float x, float y, float w, float h, uint32_t rgb, uint32_t a = 255) {
  c.g->fill_rectangle_(argb_(rgb, a), x, y, w, h);
}

// A chevron pointing down (dir 0), up (1), left (2) or right (3), centred on (cx, cy).
void chevron_(canvas_& c, float cx, float cy, float s, int dir, uint32_t rgb, float width = 1.3f) {
  const float h = s * 0.5f;
  switch (dir) {
    case 0: polyline_(c, {{cx - s, cy - h}, {cx, cy + h}, {cx + s, cy - h}}, rgb, width); break;
    case 1: polyline_(c, {{cx - s, cy + h}, {cx, cy - h}, {cx + s, cy + h}}, rgb, width); break;
    case 2: polyline_(c, {{cx + h, cy - s}, {cx - h, cy}, {cx + h, cy + s}}, rgb, width); break;
    default: polyline_(c, {{cx - h, cy - s}, {cx + h, cy}, {cx - h, cy + s}}, rgb, width); break;
  }
}

void triangle_down_(canvas_& c, float cx, float cy, float s, uint32_t rgb) {
  const gp_point_ p[3] = {{cx - s, cy - s * 0.5f}, {cx + s, cy - s * 0.5f}, {cx, cy + s * 0.5f}};
  c.g->fill_polygon_(argb_(rgb), p, 3);
}

void check_mark_(canvas_& c, float x, float y, float s, uint32_t rgb, float width) {
  polyline_(c, {{x + s * 0.18f, y + s * 0.52f}, {x + s * 0.42f, y + s * 0.76f}, {x + s * 0.84f, y + s * 0.26f}}, rgb, width);
}

// The look of a state: 0 none, 1 normal, 2 hover, 3 pressed, 4 checked, 5 checked and hovered.
struct face_colours_ {
  uint32_t top, bottom, border;
};
face_colours_ state_face_(const look_rec_& L, int s) {
  switch (s) {
    case 2: return {L.hover_top, L.hover_bottom, L.hover_border};
    case 3: return {L.press_top, L.press_bottom, L.press_border};
    case 4: return {L.check_top, L.check_bottom, L.check_border};
    case 5: return {mix_(L.check_top, L.hover_top, 0.5), mix_(L.check_bottom, L.hover_bottom, 0.5), L.hover_border};
    default: return {L.face_top, L.face_bottom, L.border};
  }
}
void state_(canvas_& c, const look_rec_& L, int s, float x, float y, float w, float h, float r = 3) {
  if (s == 0) return;
  const face_colours_ f = state_face_(L, s);
  face_(c, x, y, w, h, r, f.top, f.bottom, f.border);
}

// What a member is painted from: its family, number, part (for parts painted alone), size and
// the widths of its columns and heights of its rows.
struct member_rec_ {
  std::string family;
  int member = 0;
  int part = -1;
  std::vector<int> cols, rows;
};

uint32_t matte_of_(const look_rec_& L, const std::string& f) {
  if (f.rfind("item_", 0) == 0 || f == "segment_sprites_" || f == "ribbon_group_sprites_" || f == "launcher_sprites_" ||
      f == "drop_arrow_sprites_" || f == "ribbon_tab_sprites_" || f == "key_tip_sprites_" || f == "ribbon_glyph_sprite_")
    return L.ribbon_body_top;
  if (f.rfind("caption_", 0) == 0 || f == "quick_button_sprites_" || f == "menu_bar_separator_sprites_" ||
      f == "app_button_sprites_" || f == "frame_edge_sprites_")
    return L.caption;
  if (f.rfind("dock_", 0) == 0 || f == "float_close_sprites_") return L.dock_top;
  if (f.rfind("status_", 0) == 0) return L.status_top;
  if (f == "menu_row_sprites_" || f == "app_menu_frame_sprites_" || f == "app_menu_button_sprites_" ||
      f == "separator_line_sprite_")
    return L.popup;
  return L.panel;
}

// Scroll-bar blocks: seven pieces along (arrow, thumb caps and body, grip, track, arrow), five
// across (edge, fill, centre band, fill, edge). Painted lying; upright blocks are turned.
void box_(canvas_& c, const look_rec_& L, int member, bool upright) {
  const float W = upright ? float(c.h()) : float(c.w()), H = upright ? float(c.w()) : float(c.h());
  // Offsets along of the seven pieces (no gaps): 17, 3, 15, 9, 3, 15, 17.
  const float a[8] = {0, 17, 20, 35, 44, 47, 62, 79};
  auto R = [&](float x, float y, float w, float h, uint32_t rgb) {
    if (upright) rect_fill_(c, y, x, h, w, rgb);
    else rect_fill_(c, x, y, w, h, rgb);
  };
  auto chev = [&](float cx, int dir, uint32_t rgb) {
    const float cy = H / 2;
    if (upright) chevron_(c, cy, cx, 3.2f, dir == 2 ? 1 : 0, rgb, 1.4f);
    else chevron_(c, cx, cy, 3.2f, dir, rgb, 1.4f);
  };
  const bool track = member >= 4;
  const uint32_t bg = member == 5 ? L.field : L.track;
  if (track) {
    R(0, 0, W, H, bg);
    chev(a[0] + 8.5f, 2, L.glyph_dis);
    chev(a[6] + 8.5f, 3, L.glyph_dis);
    return;
  }
  const uint32_t thumb = member == 1 ? L.thumb : member == 2 ? L.thumb_hover : L.thumb_press;
  const uint32_t btn = member == 1 ? 0 : member == 2 ? L.hover_bottom : L.press_bottom;
  // Arrow buttons: a face in hover and pressed looks, a chevron in every look.
  for (int end = 0; end < 2; ++end) {
    const float x0 = end == 0 ? a[0] : a[6];
    if (btn != 0) R(x0, 0, 17, H, btn);
    chev(x0 + 8.5f, end == 0 ? 2 : 3, member == 1 ? L.glyph_dis : L.glyph);
  }
  // Thumb: a pill two pixels in from the edges.
  const float t0 = a[1], t1 = a[5];
  if (upright) c.g->fill_path_(argb_(thumb), round_rect_(2, t0, H - 4, t1 - t0, 3), fill_mode_::winding_);
  else c.g->fill_path_(argb_(thumb), round_rect_(t0, 2, t1 - t0, H - 4, 3), fill_mode_::winding_);
  // The grip: three short lines across the thumb's middle piece.
  for (int k = -2; k <= 2; k += 2) {
    const float g = a[3] + 4.5f + k;
    if (upright) line_(c, H / 2 - 2.5f, g, H / 2 + 2.5f, g, mix_(thumb, L.panel, 0.45), 1.0f);
    else line_(c, g, H / 2 - 2.5f, g, H / 2 + 2.5f, mix_(thumb, L.panel, 0.45), 1.0f);
  }
  // The track piece stays clear: the bar's track comes from the track set below.
}

void caption_glyph_(canvas_& c, const look_rec_& L, int member) {
  const float cx = c.w() / 2.0f, cy = c.h() / 2.0f;
  const uint32_t ink = member == 5 ? 0xFFFFFF : L.caption_text;
  switch (member) {
    case 1: line_(c, cx - 5, cy + 0.5f, cx + 5, cy + 0.5f, ink); break;
    case 2: c.g->draw_path_({argb_(ink), 1.0f}, round_rect_(cx - 4.5f, cy - 4.5f, 9, 9, 0)); break;
    case 3:
      c.g->draw_path_({argb_(ink), 1.0f}, round_rect_(cx - 4.5f, cy - 2.5f, 7, 7, 0));
      polyline_(c, {{cx - 2.5f, cy - 2.5f}, {cx - 2.5f, cy - 4.5f}, {cx + 4.5f, cy - 4.5f}, {cx + 4.5f, cy + 2.5f}, {cx + 2.5f, cy + 2.5f}}, ink, 1.0f);
      break;
    default:
      line_(c, cx - 4.5f, cy - 4.5f, cx + 4.5f, cy + 4.5f, ink, 1.1f);
      line_(c, cx + 4.5f, cy - 4.5f, cx - 4.5f, cy + 4.5f, ink, 1.1f);
      break;
  }
}

image_ image_of_(canvas_& c) {
  image_ im;
  im.assign_(c.px);
  return im;
}

// Paints one member whole on its canvas.
void paint_member_(canvas_& c, const look_rec_& L, const member_rec_& m) {
  const std::string& f = m.family;
  const int n = m.member;
  const float W = float(c.w()), H = float(c.h());
  if (f == "app_menu_frame_sprites_") {
    face_(c, 0, 0, W, H, 4, L.popup, L.popup, L.popup_border);
    rect_fill_(c, 1, H - float(m.rows[2]), W - 2, float(m.rows[2]) - 1, L.popup_margin);
    line_(c, 1, H - float(m.rows[2]) + 0.5f, W - 1, H - float(m.rows[2]) + 0.5f, L.separator);
  } else if (f == "app_menu_button_sprites_") {
    state_(c, L, n == 1 ? 1 : 2, 0, 0, W, H, 3);
  } else if (f == "app_button_sprites_") {
    const uint32_t base = n == 1 ? L.accent : n == 2 ? mix_(L.accent, 0xFFFFFF, 0.15) : L.accent_dark;
    face_(c, 0, 0, W, H + 3, 3, base, base, mix_(base, 0x000000, 0.1));
  } else if (f == "tab_baseline_sprites_") {
    // Row 1 the tab, row 2 it under the mouse; member 1 inactive tabs, member 2 the active one.
    const float rh = float(m.rows[0]);
    for (int row = 0; row < 2; ++row) {
      const float y0 = row * rh;
      const bool active = n == 2, hover = row == 1;
      if (active || hover) {
        const uint32_t fill = active ? L.field : L.hover_top;
        face_(c, 1, y0 + 3, W - 2 - 8, rh, 4, fill, active ? L.field : L.hover_bottom, active ? L.field_border : L.hover_border);
        if (active) rect_fill_(c, 2, y0 + rh - 1, W - 12, 1, L.field);
      }
      if (!active) line_(c, 0, y0 + rh - 0.5f, W, y0 + rh - 0.5f, L.field_border);
    }
  } else if (f == "caption_bar_sprites_") {
    const uint32_t bar = n == 1 ? L.caption : L.caption_inactive;
    rect_fill_(c, 0, 0, W, H, bar);
    line_(c, 0, 0.5f, W, 0.5f, n == 1 ? L.accent : L.border);
    line_(c, 0.5f, 0, 0.5f, H, L.border);
    line_(c, W - 0.5f, 0, W - 0.5f, H, L.border);
  } else if (f == "ribbon_glyph_sprite_") {
    c.g->draw_ellipse_({argb_(L.glyph), 1.2f}, 1.5f, 1.5f, W - 3, H - 3);
    chevron_(c, W / 2, H / 2 + 0.5f, 2.8f, 1, L.glyph, 1.3f);
  } else if (f == "key_tip_sprites_") {
    face_(c, 0, 0, W, H, 3, L.field, L.popup_margin, L.popup_border);
  } else if (f == "ribbon_body_sprites_") {
    // Rows: header band, then the body framed by its border (top edge, stretched middle,
    // bottom edge) with one gradient over the body's whole height.
    const float r0 = float(m.rows[0]);
    rect_fill_(c, 0, 0, W, r0, n == 1 ? L.ribbon_head : mix_(L.ribbon_head, L.caption_inactive, 0.5));
    canvas_ body(c.w(), int32_t(H - r0));
    face_(body, 0, 0, W, H - r0, 0, L.ribbon_body_top, L.ribbon_body_bottom, L.ribbon_border);
    c.g->draw_image_rect_(image_of_(body), 0, r0, W, H - r0, 0, 0, W, H - r0);
  } else if (f == "dock_band_body_sprites_") {
    if (n == 1) {
      fill_gradient_(c, round_rect_(0, 0, W, H, 0), L.dock_top, L.dock_bottom);
    } else {
      for (int x = 0; x < c.w(); ++x) rect_fill_(c, float(x), 0, 1, H, mix_(L.dock_top, L.dock_bottom, x / (W - 1)));
    }
  } else if (f == "dock_gripper_sprites_") {
    const uint32_t dot = n == 3 ? L.accent : n == 2 ? L.glyph : L.glyph_dis;
    const bool upright = m.part == 0;
    for (int k = 1; k + 1 < (upright ? c.h() : c.w()); k += 4)
      if (upright) rect_fill_(c, 1, float(k), 1, 2, dot);
      else rect_fill_(c, float(k), 1, 2, 1, dot);
  } else if (f == "dock_button_sprites_") {
    const int s = n == 1 ? 2 : n == 2 ? 1 : n == 3 ? 3 : n == 4 ? 4 : 3;
    const float main = float(m.cols[0] + m.cols[1] + m.cols[2]);
    state_(c, L, s, 0, 0, main + 1, H, 3);
    state_(c, L, n == 2 ? 2 : s, main, 0, W - main, H, 2);
  } else if (f == "dock_separator_sprites_") {
    if (n == 1) line_(c, 0.5f, 1, 0.5f, H - 1, L.separator);
    else line_(c, 1, 0.5f, W - 1, 0.5f, L.separator);
  } else if (f == "dock_custom_button_sprites_") {
    const int s = (n - 1) % 3 + 1;
    face_(c, 0, 0, W, H, 2, L.field, L.field, s == 1 ? L.field_border : s == 2 ? L.hover_border : L.accent);
    const bool lying = n <= 3;
    if (s > 1) {
      const face_colours_ fc = state_face_(L, s == 2 ? 2 : 3);
      if (lying) face_(c, W - 15, 0, 15, H, 2, fc.top, fc.bottom, fc.border);
      else face_(c, 0, H - 15, W, 15, 2, fc.top, fc.bottom, fc.border);
    }
  } else if (f == "dock_end_button_sprites_") {
    const bool glyph = n == 4 || n == 9;
    if (glyph) {
      // Two small chevrons pointing along the band's overflow.
      if (n == 4) {
        chevron_(c, W / 2, 2, 2.2f, 0, L.glyph, 1.1f);
        chevron_(c, W / 2, 5, 2.2f, 0, L.glyph, 1.1f);
      } else {
        chevron_(c, 2, H / 2, 2.2f, 3, L.glyph, 1.1f);
        chevron_(c, 5, H / 2, 2.2f, 3, L.glyph, 1.1f);
      }
    } else {
      const int s = n <= 3 ? n : n - 5;
      const uint32_t fill = s == 1 ? mix_(L.dock_bottom, L.separator, 0.35) : s == 2 ? L.hover_bottom : L.press_bottom;
      rect_fill_(c, 0, 0, W, H, fill);
    }
  } else if (f == "float_close_sprites_") {
    const uint32_t ink = n == 1 ? L.glyph : L.text;
    line_(c, 1.5f, 1, W - 1.5f, H - 1, ink, 1.2f);
    line_(c, W - 1.5f, 1, 1.5f, H - 1, ink, 1.2f);
  } else if (f == "item_separator_sprite_") {
    for (int y = 2; y < c.h() - 2; ++y) {
      const double t = std::sin(3.14159 * (y - 2) / (H - 5));
      rect_fill_(c, 1, float(y), 1, 1, L.separator, uint32_t(80 + 175 * t));
    }
  } else if (f == "tab_separator_sprite_") {
    line_(c, 0.5f, 3, 0.5f, H - 3, L.separator);
  } else if (f == "drop_arrow_sprites_") {
    triangle_down_(c, W / 2, H / 2, 3.0f, n == 1 ? L.glyph : L.accent_dark);
  } else if (f == "launcher_sprites_") {
    if (n > 1) state_(c, L, n == 2 ? 2 : 3, 0, 0, W, H, 2);
    const uint32_t ink = n == 1 ? L.glyph_dis : L.glyph;
    polyline_(c, {{4, 8}, {4, 4}, {8, 4}}, ink, 1.0f);
    line_(c, 5, 5, 10, 10, ink, 1.1f);
    polyline_(c, {{10.5f, 7}, {10.5f, 10.5f}, {7, 10.5f}}, ink, 1.0f);
  } else if (f == "ribbon_group_sprites_") {
    // 0 normal, 1 hover, 2-4 a collapsed group as a button.
    const int s = n - 1;
    const float cap = float(m.rows[2]);
    if (s == 0) {
      line_(c, W - 0.5f, 4, W - 0.5f, H - 4, L.separator);
    } else if (s == 1) {
      face_(c, 0, 0, W, H, 3, L.ribbon_body_top, L.ribbon_body_top, mix_(L.ribbon_border, L.ribbon_body_top, 0.3));
      rect_fill_(c, 1, H - cap - float(m.rows[3]), W - 2, cap, mix_(L.ribbon_body_top, L.ribbon_border, 0.25));
    } else {
      state_(c, L, s == 2 ? 1 : s == 3 ? 2 : 3, 0, 0, W, H, 3);
    }
  } else if (f == "status_bar_sprites_") {
    fill_gradient_(c, round_rect_(0, 0, W, H, 0), L.status_top, L.status_bottom);
    line_(c, 0, 0.5f, W, 0.5f, L.status_border);
    if (n == 3) line_(c, 2.5f, 4, 2.5f, H - 3, L.status_border);
    if (n == 5)
      for (int k = 0; k < 3; ++k)
        for (int j = 0; j <= k; ++j) rect_fill_(c, W - 5 - 4 * j, H - 5 - 4 * (k - j), 2, 2, L.glyph_dis);
  } else if (f == "status_zoom_sprites_") {
    const int kind = n == 1 ? 0 : (n - 2) % 3 + 1;  // 0 track, 1 minus, 2 plus, 3 thumb
    const int look = n == 1 ? 1 : (n - 2) / 3 + 1;  // 1 normal, 2 hover, 3 pressed
    const uint32_t ink = look == 1 ? L.glyph : look == 2 ? L.accent : L.accent_dark;
    if (kind == 0) {
      rect_fill_(c, 0, H / 2 - 1, W, 2, L.thumb);
    } else if (kind == 3) {
      c.g->fill_path_(argb_(ink), round_rect_(W / 2 - 2.5f, 3, 5, H - 6, 2.5f), fill_mode_::winding_);
    } else {
      if (look > 1) face_(c, 1, 1, W - 2, H - 2, 7, L.hover_top, L.hover_bottom, L.hover_border);
      line_(c, W / 2 - 3.5f, H / 2, W / 2 + 3.5f, H / 2, ink, 1.2f);
      if (kind == 2) line_(c, W / 2, H / 2 - 3.5f, W / 2, H / 2 + 3.5f, ink, 1.2f);
    }
  } else if (f == "progress_sprites_") {
    if (n == 1) face_(c, 0, 0, W, H, 0, mix_(L.accent, 0xFFFFFF, 0.15), L.accent, L.accent_dark);
    else face_(c, 0, 0, W, H, 0, L.field, L.field, L.field_border);
  } else if (f == "menu_row_sprites_") {
    if (m.part == 0) {
      check_mark_(c, 0, 0, W, L.text, 1.6f);
    } else if (n == 1) {
      face_(c, 0, 0, W, H, 3, mix_(L.popup, L.accent, 0.12), mix_(L.popup, L.accent, 0.16), mix_(L.popup, L.accent, 0.35));
    } else {
      face_(c, 0, 0, W, H, 3, mix_(L.popup, L.accent, 0.2), mix_(L.popup, L.accent, 0.2), mix_(L.popup, L.accent, 0.5));
    }
  } else if (f == "button_face_sprites_") {
    state_(c, L, n == 1 ? 1 : n == 2 ? 2 : 3, 0, 0, W, H, 3);
  } else if (f == "edit_box_sprites_") {
    const uint32_t border = n == 1 ? L.field_border : n == 2 ? L.hover_border : L.accent;
    face_(c, 0, 0, W, H, 2, L.field, L.field, border);
    const float bw = float(m.cols[2]);
    if (n == 2 || n == 4) {
      const face_colours_ fc = state_face_(L, n == 2 ? 2 : 3);
      rect_fill_(c, W - bw, 1, bw - 1, H - 2, fc.bottom);
    }
    line_(c, W - bw + 0.5f, 3, W - bw + 0.5f, H - 3, mix_(L.field, border, 0.5));
  } else if (f == "check_glyph_sprites_" || f == "option_glyph_sprites_") {
    const int s = n - 1;  // glyph state code
    const bool on = s == 2 || s == 3, round = f == "option_glyph_sprites_";
    uint32_t fill = L.field, border = L.field_border;
    if (s == 1) border = L.accent;
    if (s == 4) fill = mix_(L.field, L.accent, 0.2), border = L.accent_dark;
    if (s == 5) fill = L.panel, border = L.glyph_dis;
    if (on && !round) fill = s == 3 ? mix_(L.accent, 0xFFFFFF, 0.15) : L.accent, border = fill;
    if (round) {
      c.g->fill_ellipse_(argb_(border), 0, 0, W, H);
      c.g->fill_ellipse_(argb_(fill), 1, 1, W - 2, H - 2);
      if (on) c.g->fill_ellipse_(argb_(s == 3 ? L.accent_dark : L.accent), 3.5f, 3.5f, W - 7, H - 7);
    } else {
      face_(c, 0, 0, W, H, 2.5f, fill, fill, border);
      if (on) check_mark_(c, 0.5f, 0.5f, W - 1, L.on_accent, 1.6f);
    }
  } else if (f == "box_sprites_a_" || f == "box_sprites_b_") {
    box_(c, L, n, f == "box_sprites_b_");
  } else if (f == "quick_button_sprites_") {
    state_(c, L, n == 1 ? 2 : n == 2 ? 3 : 4, 0, 0, W, H, 3);
  } else if (f == "menu_bar_separator_sprites_") {
    for (int y = 0; y < c.h(); ++y) {
      const double t = std::sin(3.14159 * (y + 0.5) / H);
      rect_fill_(c, 2, float(y), 1, 1, L.caption_text, uint32_t(110 * t));
    }
  } else if (f == "segment_sprites_") {
    // Columns: left end, left edge, body, right edge, right end, drop part, drop part at the end.
    const int s = n == 1 ? 1 : n == 2 ? 1 : n == 3 ? 2 : n == 4 ? 4 : 3;
    std::vector<float> x(8, 0);
    for (int k = 0; k < 7; ++k) x[size_t(k) + 1] = x[size_t(k)] + float(m.cols[size_t(k)]);
    const face_colours_ fc = state_face_(L, s);
    auto piece = [&](float a, float b, bool round_left, bool round_right) {
      canvas_ p(c.w(), c.h());
      face_(p, round_left ? a : a - 6, 0, (b - a) + (round_left ? 0 : 6) + (round_right ? 0 : 6), H, 3, fc.top, fc.bottom, fc.border);
      c.g->set_clip_rect_({int32_t(a), 0, int32_t(b), c.h()});
      c.g->draw_image_rect_(image_of_(p), 0, 0, W, H, 0, 0, W, H);
      c.g->set_clip_rect_({});
    };
    piece(x[0], x[1], true, false);
    piece(x[1], x[2], false, false);
    line_(c, x[1] + 0.5f, 0, x[1] + 0.5f, H, fc.border);
    piece(x[2], x[3], false, false);
    piece(x[3], x[4], false, false);
    line_(c, x[4] - 0.5f, 0, x[4] - 0.5f, H, fc.border);
    piece(x[4], x[5], false, true);
    piece(x[5], x[6], false, false);
    line_(c, x[5] + 0.5f, 0, x[5] + 0.5f, H, fc.border);
    line_(c, x[6] - 0.5f, 0, x[6] - 0.5f, H, fc.border);
    piece(x[6], x[7], false, true);
    line_(c, x[6] + 0.5f, 0, x[6] + 0.5f, H, fc.border);
  } else if (f == "item_small_sprites_" || f == "item_large_sprites_") {
    state_(c, L, n == 1 ? 2 : n == 2 ? 3 : n == 3 ? 4 : 5, 0, 0, W, H, 3);
  } else if (f == "item_split_small_sprites_" || f == "item_split_large_sprites_") {
    // The drop part: the small button's right column, the large one's bottom row.
    const bool small = f == "item_split_small_sprites_";
    const float d = small ? float(m.cols[2]) : float(m.rows[2]);
    int main_s = 2, drop_s = 2;
    switch (n) {
      case 1: main_s = 2, drop_s = 2; break;
      case 2: main_s = 1, drop_s = 2; break;
      case 3: main_s = 3, drop_s = 2; break;
      case 4: main_s = 1, drop_s = 3; break;
      default: main_s = 4, drop_s = 4; break;
    }
    if (small) {
      state_(c, L, main_s, 0, 0, W - d + 1, H, 3);
      state_(c, L, drop_s, W - d, 0, d, H, 3);
    } else {
      state_(c, L, main_s, 0, 0, W, H - d + 1, 3);
      state_(c, L, drop_s, 0, H - d, W, d, 3);
    }
  } else if (f == "item_row_sprites_") {
    const float a = float(m.cols[2]);
    if (n == 1) state_(c, L, 2, 0, 0, W, H, 3);
    if (n == 2) {
      state_(c, L, 2, 0, 0, W, H, 3);
      state_(c, L, 3, W - a, 0, a, H, 3);
    }
    if (n == 3) state_(c, L, 3, 0, 0, W, H, 3);
  } else if (f == "ribbon_tab_sprites_") {
    // Members 1-4 of each style: hover, active, active and hovered, active with key tips.
    const int s = (n - 1) % 4 + 1;
    const bool dim = n > 4;
    if (s == 1) {
      face_(c, 0, 0, W, H + 4, 4, mix_(L.ribbon_head, L.hover_top, 0.6), L.hover_top, mix_(L.ribbon_head, L.hover_border, 0.6));
    } else {
      const uint32_t border = s == 3 ? L.hover_border : L.ribbon_border;
      face_(c, 0, 0, W, H + 4, 4, L.ribbon_body_top, L.ribbon_body_top, dim ? mix_(border, L.ribbon_head, 0.4) : border);
      rect_fill_(c, 1, H - 1, W - 2, 1, L.ribbon_body_top);
      if (s == 2 || s == 4) rect_fill_(c, 6, 1, W - 12, 2, dim ? L.border : L.accent);
    }
  } else if (f == "frame_edge_sprites_") {
    const bool active = n % 2 == 1;
    rect_fill_(c, 0, 0, W, H, active ? mix_(L.caption, L.accent, 0.35) : L.border);
  } else if (f == "caption_button_sprites_") {
    if (n == 2) face_(c, 0, 0, W, H, 0, mix_(L.caption, L.text, 0.1), mix_(L.caption, L.text, 0.1), mix_(L.caption, L.text, 0.1));
    if (n == 3) face_(c, 0, 0, W, H, 0, mix_(L.caption, L.text, 0.2), mix_(L.caption, L.text, 0.2), mix_(L.caption, L.text, 0.2));
    if (n == 4) rect_fill_(c, 0, 0, W, H, L.close_hover);
    if (n == 5) rect_fill_(c, 0, 0, W, H, L.close_press);
  } else if (f == "caption_glyph_sprites_") {
    caption_glyph_(c, L, n);
  } else if (f == "separator_line_sprite_") {
    rect_fill_(c, 0, 0, W, H, L.separator);
  }
}

// Which sets keep part 0 as a glyph apart from their grid.
bool nine_part_family_(const std::string& f) {
  static const std::set<std::string> nine = {
      "app_menu_frame_sprites_", "app_menu_button_sprites_", "app_button_sprites_", "tab_baseline_sprites_",
      "key_tip_sprites_", "dock_custom_button_sprites_", "progress_sprites_", "menu_row_sprites_",
      "button_face_sprites_", "edit_box_sprites_", "quick_button_sprites_", "menu_bar_separator_sprites_",
      "item_small_sprites_", "item_large_sprites_", "item_split_small_sprites_", "item_split_large_sprites_",
      "item_row_sprites_", "ribbon_tab_sprites_", "caption_button_sprites_", "caption_glyph_sprites_"};
  return nine.count(f) != 0;
}

struct group_rec_ {
  member_rec_ m;
  std::vector<sprite_entry_rec_> parts;
};

// Members whole, each with the grid of its rectangles.
std::vector<group_rec_> groups_() {
  std::vector<group_rec_> out;
  std::map<std::tuple<std::string, int, int>, size_t> index;
  for (const sprite_entry_rec_& e : sprite_entries_()) {
    const std::string f = e.family;
    int alone = -1;  // parts painted on their own
    if (f == "dock_gripper_sprites_") alone = e.part;
    if (e.part == 0 && nine_part_family_(f)) alone = 0;
    const auto key = std::make_tuple(f, e.member, alone);
    auto it = index.find(key);
    if (it == index.end()) {
      it = index.emplace(key, out.size()).first;
      out.push_back({member_rec_{f, e.member, alone, {}, {}}, {}});
    }
    out[it->second].parts.push_back(e);
  }
  return out;
}

// The distinct spans of the parts along one axis, in order: start and length.
std::vector<std::pair<int, int>> spans_(const std::vector<sprite_entry_rec_>& parts, bool along_x) {
  std::map<int, int> s;
  for (const auto& e : parts) s[along_x ? e.rect.x : e.rect.y] = along_x ? e.rect.width : e.rect.height;
  return {s.begin(), s.end()};
}

void put_(skin_pictures_rec_& out, const surface_& c, int32_t sx, int32_t sy, const sprite_rect_rec_& r, uint32_t matte,
          bool alpha_only) {
  for (int32_t y = 0; y < r.height; ++y)
    for (int32_t x = 0; x < r.width; ++x) {
      const uint32_t p = c.argb_(sx + x, sy + y);  // premultiplied
      const uint32_t a = p >> 24;
      const size_t at = size_t(r.y + y) * size_t(out.picture.width) + size_t(r.x + x);
      uint32_t straight = 0;
      if (a > 0) {
        auto un = [&](int sh) { return std::min<uint32_t>(255, (((p >> sh) & 0xFF) * 255 + a / 2) / a) << sh; };
        straight = a << 24 | un(16) | un(8) | un(0);
      }
      out.alpha.argb[at] = straight;
      if (alpha_only) continue;
      if (a < 96) {
        out.picture.argb[at] = 0xFFFF0000u;
        continue;
      }
      // Over the matte: premultiplied colour plus the matte's share.
      auto ch = [&](int sh) {
        return std::min<uint32_t>(255, ((p >> sh) & 0xFF) + (((matte >> sh) & 0xFF) * (255 - a) + 127) / 255);
      };
      uint32_t rgb = ch(16) << 16 | ch(8) << 8 | ch(0);
      if (rgb == 0xFF0000u) rgb = 0xFE0000u;  // never the key
      out.picture.argb[at] = 0xFF000000u | rgb;
    }
}

std::string hex_(uint32_t rgb) {
  char b[8];
  std::snprintf(b, sizeof b, "#%06X", rgb & 0xFFFFFFu);
  return b;
}

std::string skin_text_(const look_rec_& L, skin_look_ look) {
  const uint32_t menu_text = L.text;
  std::map<std::string, uint32_t> c = {
      {"color_bgmenu", L.dock_top}, {"color_start_menu", L.on_accent}, {"color_main_menu", L.popup},
      {"color_popup_menu", L.popup}, {"color_popup_margin", L.popup_margin}, {"color_popup_border", L.popup_border},
      {"color_background", L.panel}, {"color_background_ex", L.ribbon_body_top},
      {"color_caption_text_enabled", L.caption_text}, {"color_caption_text_disabled", L.caption_text_inactive},
      {"color_caption_text_document", L.text_dim}, {"color_tab_text_std", L.text}, {"color_tab_text_act", L.text},
      {"color_toolbar_text", L.text_dim}, {"color_btn_text_std", L.text}, {"color_btn_text_act", L.text},
      {"color_btn_text_chk", L.text}, {"color_btn_text_dis", L.glyph_dis}, {"color_menu_text_std", menu_text},
      {"color_menu_text_dis", L.glyph_dis}, {"color_stbar_text_std", L.text}, {"color_stbar_text_chk", L.accent_dark},
      {"color_stbar_bgover", L.hover_bottom}, {"color_stbar_bgpress", L.press_bottom},
      {"color_stbar_txpover", L.text}, {"color_stbar_txppress", L.text}, {"color_error_text", L.close_hover},
      {"color_arrow_drop_one", L.glyph}, {"color_arrow_drop_two", L.glyph_dis}, {"color_icon_dis_one", L.glyph_dis},
      {"color_icon_dis_two", mix_(L.glyph_dis, L.panel, 0.6)}, {"color_icon_dis_three", L.separator},
      {"color_text_border", L.field_border}, {"color_foc1_border", L.accent}, {"color_foc2_border", L.accent_dark},
      {"color_dockbg_act", L.panel}, {"color_dockbg_dis", L.panel}, {"color_tbborder", L.dock_border},
      {"color_tbbdist", L.dock_top}, {"color_tbbgtitle", L.caption}, {"color_tbtxtitle", L.caption_text},
      {"color_tbtxtmenu", L.text}, {"color_tbtxtctrl", L.text}, {"color_tbtxtover", L.text},
      {"color_tbexline1", L.dock_border}, {"color_tbexline1o", L.hover_border}, {"color_tbexline1p", L.press_border},
      {"color_tbexline2", L.dock_border}, {"color_tbexline2o", L.hover_border}, {"color_tbexline2p", L.press_border},
      {"color_prop_bbg", L.field}, {"color_prop_gbg", L.panel}, {"color_prop_r0", L.field},
      {"color_prop_r1", mix_(L.field, L.panel, 0.5)}, {"color_prop_gtxt", L.text_dim}, {"color_prop_txt", L.text},
      {"color_prop_lb", L.separator}, {"color_bgpanel", L.panel}, {"color_s1panel", L.popup_margin},
      {"color_s2panel", L.separator}, {"color_ssico0", 0xFFFFFF}, {"color_ssico1", L.accent},
      {"color_links", L.accent_dark}, {"color_bshadow1", 0x000000}, {"color_bshadow2", 0x000000},
      {"color_ttipbg", L.popup}, {"color_ttipbo", L.popup_border}, {"color_ttipbi", L.popup_margin},
  };
  std::string t = "aero_enabled = false\r\nround_corners = true\r\nuppercase_tabs = ";
  t += look == skin_look_::black ? "true\r\n" : "false\r\n";
  const skin_colour_key_rec_* keys = skin_colour_keys_();
  for (int32_t i = 0; i < skin_colour_key_count_; ++i) t += std::string(keys[i].key) + " = " + hex_(c.at(keys[i].key)) + "\r\n";
  const std::pair<int, uint32_t> table[] = {
      {0, L.text},   {3, L.field_border}, {4, L.panel},  {7, L.field},  {10, L.field},
      {11, L.panel}, {16, L.text},        {18, L.field}, {20, L.panel}, {21, L.text},
      {22, L.accent}, {24, mix_(L.panel, L.accent, 0.55)},
  };
  for (const auto& [k, v] : table) t += "." + std::to_string(k) + " = " + hex_(v) + "\r\n";
  return t;
}

}  // namespace

skin_pictures_rec_ make_skin_(skin_look_ look) {
  fill_sprite_families_();
  const look_rec_& L = look_of_(look);
  skin_pictures_rec_ out;
  for (picture_image_rec_* im : {&out.picture, &out.alpha}) {
    im->width = skin_atlas_width_;
    im->height = skin_atlas_height_;
  }
  out.picture.argb.assign(size_t(skin_atlas_width_) * skin_atlas_height_, 0xFFFF0000u);
  out.alpha.argb.assign(size_t(skin_atlas_width_) * skin_atlas_height_, 0);
  for (group_rec_& g : groups_()) {
    const auto xs = spans_(g.parts, true), ys = spans_(g.parts, false);
    for (const auto& s : xs) g.m.cols.push_back(s.second);
    for (const auto& s : ys) g.m.rows.push_back(s.second);
    int32_t w = 0, h = 0;
    for (int v : g.m.cols) w += v;
    for (int v : g.m.rows) h += v;
    canvas_ c(w, h);
    paint_member_(c, L, g.m);
    c.g.reset();
    const uint32_t matte = matte_of_(L, g.m.family);
    for (const sprite_entry_rec_& e : g.parts) {
      int32_t sx = 0, sy = 0;
      for (const auto& s : xs) {
        if (s.first == e.rect.x) break;
        sx += s.second;
      }
      for (const auto& s : ys) {
        if (s.first == e.rect.y) break;
        sy += s.second;
      }
      put_(out, c.px, sx, sy, e.rect, (matte & 0xFFFFFFu), e.alpha_only);
    }
  }
  out.text = skin_text_(L, look);
  return out;
}
