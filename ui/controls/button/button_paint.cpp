// The button's picture: the plain look without a skin, else the skinned face with its icon,
// caption and focus frame, then BtnDraw for the host. Every repaint draws the whole button.
#include "platform/services/picture_file.h"
#include "shell/colors.h"
#include "shell/icons.h"
#include "shell/shell_text.h"
#include "ui/controls/button/button.h"
#include "ui/skin/blitters.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_controls.h"
#include "ui/skin/skin_file.h"
#include "ui/skin/skin_palette.h"

namespace {
// The caption's font: the design face at a 13-pixel cell.
font_ button_font() {
  font_ f;
  f.face = "Tahoma";
  f.height = 13;
  return f;
}
}  // namespace

void xcbutton_::repaint_(int32_t face) {
  if (face != -1) st_.face = face;
  window_* w = win_();
  if (!w) return;
  xc_paint_scope_ p(*w);
  if (skin_loaded_ != true_) {
    paint_placeholder_(p.dc(), p.width(), p.height(), "xcbutton_");
    return;
  }
  // Our surfaces are opaque whatever the desktop composes, so the face needs no alpha pass.
  paint_face_(p.dc(), p.width(), p.height());
}

void xcbutton_::paint_face_(dc_& dc, int32_t w, int32_t h) {
  window_* win = win_();
  const font_ old_font = dc.select_font_(button_font());
  const bool enabled = st_.enabled == true_;
  dc.set_text_colour_(static_cast<uint32_t>(
      enabled ? blend_colors_(skin_palette_.color_btn_text_act, 0, 0.5f) : skin_palette_.color_btn_text_dis));
  dc.set_bk_mode_(bk_mode_::transparent_);
  draw_button_skin_(win, dc, st_.face);

  const int32_t caption_w = text_measurer_in_use_().width_(button_font(), caption_shown_(st_.caption));
  const button_content_rec_ c =
      button_content_(w, h, st_.has_icon, st_.big_icon, st_.caption.empty(), caption_w);
  if (c.icon_size > 0)
    draw_table_icon_(dc, float(c.icon_x), float(c.icon_y), uint8_t(c.icon_size), icon_, 0, 0,
                     to_flag_(enabled), -1, 0);
  if (!c.text.empty_()) {
    pixel_rect_ r = c.text;
    dc.draw_text_(st_.caption, r,
                  text_single_line_ | text_vcenter_ | (c.text_centred ? text_center_ : text_left_));
  }
  if (st_.focused == true_ && (st_.face == 1 || st_.face == 2) && enabled) {
    const uint32_t f2 = static_cast<uint32_t>(skin_palette_.color_foc2_border);
    const uint32_t f1 = static_cast<uint32_t>(skin_palette_.color_foc1_border);
    dc.fill_rectangle_({0, h - 1, w, h}, f2);
    dc.fill_rectangle_({w - 1, 0, w, h}, f2);
    dc.fill_rectangle_({0, 0, w, 1}, f1);
    dc.fill_rectangle_({0, 0, 1, h}, f1);
  }
  raise_(BtnDraw, dc, 0, 0, w, h);
  dc.select_font_(old_font);
}

void xcbutton_::reshape_() {
  window_* w = win_();
  if (!w) return;
  const int32_t width = w->client_width_(), height = w->client_height_();
  region_ shape(pixel_rect_{0, 0, width, height});
  if (skin_palette_.round_corners == true_ && width > 1 && height > 1) {
    // The 2 x 2 corner ellipse takes one pixel off each corner.
    for (const pixel_rect_ corner : {pixel_rect_{0, 0, 1, 1}, pixel_rect_{width - 1, 0, width, 1},
                                     pixel_rect_{0, height - 1, 1, height},
                                     pixel_rect_{width - 1, height - 1, width, height}})
      shape = shape.subtract_(region_(corner));
  }
  w->set_region_(shape);
  repaint_(-1);
}

flag16_ xcbutton_::seticon_(std::string_view path, std::string_view icon, flag16_ bigicon) {
  const std::string folder = with_separator_(trim_blanks_(path));
  st_.has_icon = false_;
  icon_ = 0;
  icon_entry_rec_ entry;
  if (load_picture_file_(folder + std::string(icon), entry.small_picture)) {
    entry.large_picture = entry.small_picture;
    icon_ = append_icon_entry_(std::move(entry));
    st_.has_icon = to_flag_(icon_ > 0);
  }
  st_.big_icon = bigicon;
  repaint_(-1);
  return st_.has_icon;
}
