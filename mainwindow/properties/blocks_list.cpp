// The blocks list of the side panel: thumbnails two to a row, painted completely from the
// engine's blocks, the scroll position and the block to insert at every call; the same
// pass answers which cell holds a given point.
#include "engine/zaz_class.h"
#include "mainwindow/properties/prop_editor.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"
#include "platform/window/window.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/skin/blitters.h"
#include "ui/skin/paint_dock.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr int32_t margin_ = 6, cell_w_ = 50, cell_h_ = 65, thumb_ = 38, pitch_x_ = 59, pitch_y_ = 71;

int32_t rgb_(int32_t r, int32_t g, int32_t b) { return r | (g << 8) | (b << 16); }

}  // namespace

int32_t prop_editor_::ref_blocks_(int32_t mx, int32_t my) {
  if (host_.side_panel_mode() != 1) return 0;
  zaz_class_& e = host_.engine();
  window_& panel = host_.panel2();
  xcscrollbox_& sb = host_.p2vsc();
  const int32_t back = e.backcolor_(), grey = rgb_(128, 128, 128);
  const int32_t fill = blend_colors_(back, grey, 0.1f), border = blend_colors_(fill, grey, 0.1f);
  const int32_t caption = 0xFFFFFF - fill;
  const int32_t frame = blend_colors_(skin_palette_.color_foc2_border, rgb_(100, 100, 100), 0.5f);
  surface_& s = panel.client_surface_();
  dc_ dc(s);
  panel.set_background_(uint32_t(back) & 0xFFFFFF);
  dc.fill_rectangle_({0, 0, s.width_(), s.height_()}, uint32_t(back) & 0xFFFFFF);
  dc.set_bk_mode_(bk_mode_::transparent_);
  font_ f;
  f.face = "Tahoma";  // the platform takes its substitute where not installed
  f.height = -8;  // 6 points
  dc.select_font_(f);
  const int32_t h = panel.client_height_(), scroll = sb.scrollcurrent_();
  int32_t hit = 0, shown = 0;
  for (int32_t id = 1; id <= e.blocks_count_(); ++id) {
    if (is_set_(e.blocks_hidden_(id))) continue;
    const int32_t left = pitch_x_ * (shown % 2) + margin_, top = pitch_y_ * (shown / 2) + margin_ - scroll;
    ++shown;
    if (top + cell_h_ < 0 || top > h) continue;
    const bool chosen = id == host_.block_to_insert();
    if (chosen) {
      draw_dock_button_(dc, left, top, cell_w_, cell_h_, 0, "", 1, true_, false_, -1, -1, false_, false_);
      fill_rect_(dc, left + 3, top + 3, 44, 44, fill, frame);
    } else {
      fill_rect_(dc, left, top, cell_w_, cell_h_, fill, border);
    }
    e.display_block_(dc, id, left + 6, top + 6, thumb_, back);
    draw_text_color_(dc, e.blocks_name_(id), left, top + 50, cell_w_, 15, chosen ? 0 : caption,
                     text_center_ | text_vcenter_ | text_single_line_ | text_no_prefix_);
    if (left <= mx && mx <= left + cell_w_ && top <= my && my <= top + 68) hit = id;
  }
  const int32_t rows = (shown + 1) / 2;
  const int32_t range = rows * pitch_y_ + 10 - h;
  sb.Enabled(to_flag_(range >= 0));
  sb.chsmall_(pitch_y_);
  sb.chlarge_(h);
  sb.scrollmin_(0);
  sb.scrollmax_(range > 0 ? range : 0);
  sb.cchsize_(float(h) / float(rows * pitch_y_ + 1));
  sb.refresh_();
  panel.invalidate_();
  return hit;
}

void prop_editor_::blocks_press_(int16_t button, int32_t x, int32_t y) {
  host_.hide_dropdowns();
  host_.block_to_insert(ref_blocks_(x, y));
  ref_blocks_(x, y);
  if (button == 1) {
    host_.set_tool(host_.block_to_insert() >= 1 ? "BLOCK" : "", 0);
    host_.blocks_left_press();
  }
  host_.blocks_press_done();
  if (host_.block_to_insert() > 0 && button == 2) host_.show_blocks_popup();
}

void prop_editor_::panel2_Click() {
  ref_blocks_(-1, -1);
  ref_edit_(false_, false_);
}

void prop_editor_::p2vsc_Scroll() {
  host_.hide_dropdowns();
  ref_blocks_(-1, -1);
  ref_edit_(false_, false_);
  host_.panel2().update_();
}

void prop_editor_::set_block_(int32_t bid) {
  if (bid >= 1 && bid <= host_.engine().blocks_count_()) {
    host_.set_tool("BLOCK", 0);
    host_.block_to_insert(bid);
  } else {
    host_.block_to_insert(0);
  }
}

std::string prop_editor_::unit_key_(int32_t unit) {
  static const char* const keys[] = {"unit.ex.mm", "unit.ex.cm", "unit.ex.dm", "unit.ex.m",
                                     "unit.ex.km", "unit.ex.ft", "unit.ex.in"};
  if (unit < 0 || unit > 6) return {};
  return lang_text_(keys[unit]);
}
