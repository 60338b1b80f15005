// Painting of the property grid onto the caller's device context, which the caller has
// cleared. Texts use the context's font and background mode, single line, vertically
// centred, with "&" prefixes; what does not fit is cut by the text's rectangle.
#include <cstdio>

#include "engine/properties/grid_text.h"
#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"

namespace {

constexpr uint32_t text_format_ = text_single_line_ | text_vcenter_;

uint32_t rgb_(int32_t c) { return static_cast<uint32_t>(c) & 0xFFFFFFu; }

void box_(dc_& dc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t outline, int32_t fill) {
  dc.select_pen_(pen_{pen_style_::solid_, 1, rgb_(outline)});
  dc.select_brush_(brush_{brush_style_::solid_, rgb_(fill)});
  dc.rectangle_(l, t, r, b);
}

void line_(dc_& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
  dc.select_pen_(pen_{pen_style_::solid_, 1, rgb_(colour)});
  dc.move_to_(x1, y1);
  dc.line_to_(x2, y2);
}

void text_(dc_& dc, const std::string& s, int32_t l, int32_t t, int32_t r, int32_t b) {
  pixel_rect_ rc{l, t, r, b};
  dc.draw_text_(s, rc, text_format_);
}

bool reads_true_(const std::string& v) {
  const std::string t = edit_trim_(v);
  if (t == "True") return true;
  double d;
  return edit_read_number_(t, d) && d != 0;
}

int32_t code_of_(const std::string& v, bool& ok) {
  double d;
  ok = edit_read_number_(v, d);
  return ok ? cint32_(d) : 0;
}

}  // namespace

int32_t zaz_class_::edit_blend_(int32_t a, int32_t b, float t) {
  if (!(t >= 0)) t = 0;
  if (t > 1) t = 1;
  int32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= (cint32_((1.0 - t) * ca + t * cb) & 0xFF) << shift;
  }
  return out;
}

std::string zaz_class_::edit_color_hex_(int32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "&&H%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}

void zaz_class_::edit_draw_(const pixel_rect_& client_, dc_& hdc_, const std::string& str_yes_,
                            const std::string& str_no_) {
  const int32_t save = hdc_.save_();
  const auto icon = [&](int32_t id, int32_t x, int32_t y) {
    if (id != 0 && grid.icon_painter) grid.icon_painter(hdc_, x, y, id);
  };
  int32_t last_left = 0, last_bottom = -1;
  bool painted = false;
  for (int32_t g = 1; g <= grid.group_count; ++g) {
    const edit_group_rec_& gr = grid.groups[static_cast<size_t>(g)];
    box_(hdc_, gr.left, gr.top, gr.right, gr.bottom + 1, grid.c2, grid.c2);
    const int32_t cx = gr.left + 10, cy = gr.top + 10;
    box_(hdc_, cx - 5, cy - 5, cx + 6, cy + 6, grid.c0, grid.c1);
    line_(hdc_, cx - 3, cy, cx + 4, cy, grid.c0);
    if (is_set_(gr.collapsed)) line_(hdc_, cx, cy - 3, cx, cy + 4, grid.c0);
    hdc_.set_text_colour_(rgb_(grid.ct0));
    text_(hdc_, gr.caption, gr.left + 23, gr.top + 1, gr.right - 3, gr.bottom - 1);
    painted = true, last_left = gr.left, last_bottom = gr.bottom;
    if (is_set_(gr.collapsed)) continue;
    for (int32_t i = 1; i <= grid.item_count; ++i) {
      const edit_item_rec_& it = grid.items[static_cast<size_t>(i)];
      if (it.group != g) continue;
      const int32_t l = it.left, t = it.top, r = it.right, b = it.bottom;
      box_(hdc_, l - 20, t - 1, l, b + 2, grid.c2, grid.c2);
      box_(hdc_, l, t, r, b + 2, grid.c1, grid.c3);
      if (i == grid.selected) box_(hdc_, l, t - 1, r, b + 1, grid.csel, grid.csel);
      hdc_.set_text_colour_(rgb_(grid.ct1));
      text_(hdc_, it.caption, l + 3, t + 1, l + 97, b - 1);
      int32_t vl = l + 102;
      const int32_t vt = t + 1, vr = r - 3, vb = b - 1, vx = vl + 10, vy = vt + 10;
      bool ok = false;
      switch (it.type) {
        case 1: case 2: case 21: case 22: case 23: case 111: {
          const int32_t code = code_of_(it.value, ok);
          const int32_t ico = edit_s_c_getico_(code);
          if (ico != 0) icon(ico, vx, vy);
          else box_(hdc_, vx - 7, vy - 7, vx + 6, vy + 6, edit_blend_(code, 0, 0.25f), code);
          vl += 20;
          std::string s = edit_s_c_gettxt_(code);
          if (s.empty()) s = ok ? edit_color_hex_(code) : edit_trim_(it.value);
          text_(hdc_, s, vl, vt, vr, vb);
          break;
        }
        case 3: case 4: {
          const int32_t code = code_of_(it.value, ok);
          const bool known = ok && code >= -5 && code <= (it.type == 3 ? 4 : 5);
          if (!known) {
            text_(hdc_, "---", vl, vt, vr, vb);
            break;
          }
          icon(it.type == 3 ? edit_stl_getico_(code) : edit_wid_getico_(code), vx, vy);
          text_(hdc_, it.type == 3 ? edit_stl_gettxt_(code) : edit_wid_gettxt_(code), vl + 20, vt, vr, vb);
          break;
        }
        case 17:
          text_(hdc_, edit_trim_(reads_true_(it.value) ? str_yes_ : str_no_), vl, vt, vr, vb);
          break;
        case 20: {
          const int32_t k = std::clamp(code_of_(it.value, ok), 0, edit_arrows_ - 1);
          icon(grid.arrow1[static_cast<size_t>(k)], vx, vy);
          break;
        }
        default:
          text_(hdc_, edit_value_text_(it.type, it.value), vl, vt, vr, vb);
      }
      last_left = l, last_bottom = b;
    }
  }
  if (painted) {
    const uint32_t sep = rgb_(grid.c2);
    for (int32_t y = 0; y <= last_bottom; y += 3) hdc_.set_pixel_(last_left + 100, y, sep);
  }
  line_(hdc_, client_.right - 1, client_.top, client_.right - 1, client_.bottom, grid.c2);
  hdc_.restore_(save);
}
