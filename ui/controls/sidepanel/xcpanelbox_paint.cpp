// Painting also lays the panel out: every painting gives the groups their content tops and
// the painted items their rectangles, which the mouse handling and the drop list read, and it
// decides the hot item. Nothing is painted while any drop-down of the program is open.
#include "platform/gdi/dc.h"
#include "shell/colors.h"
#include "shell/focus_state.h"
#include "shell/frame_state.h"
#include "shell/shell_text.h"
#include "ui/controls/sidepanel/panel_layout.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/skin/blitters.h"
#include "ui/skin/paint_controls.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr int32_t white = 0xFFFFFF;

// A one-pixel outline whose right and bottom edges are x + w - 1 and y + h - 1.
void outline_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour) {
  if (w < 1 || h < 1) return;
  const uint32_t c = uint32_t(colour);
  dc.fill_rectangle_({x, y, x + w, y + 1}, c);
  dc.fill_rectangle_({x, y + h - 1, x + w, y + h}, c);
  dc.fill_rectangle_({x, y, x + 1, y + h}, c);
  dc.fill_rectangle_({x + w - 1, y, x + w, y + h}, c);
}

void text_at_(dc_& dc, int32_t x, int32_t y, const std::string& text, int32_t colour) {
  dc.set_text_colour_(uint32_t(colour));
  dc.text_out_(x, y, text);
}

}  // namespace

void xcpanelbox_::paint_panel_(int32_t group, int32_t item) {
  if (popup_open_ == true_) return;
  content_bottom = 0;
  if (!win) return;
  dc_ dc(win->client_surface_());
  const int32_t W = win->client_width_(), H = win->client_height_();
  if (group == 0 && item == 0) fill_rect_(dc, 0, 0, W, H, skin_palette_.color_bgpanel, skin_palette_.color_bgpanel);
  const font_ old_font = dc.select_font_(ui_font_());
  dc.set_bk_mode_(bk_mode_::transparent_);

  const int32_t title_colour = blend_colors_(skin_palette_.color_menu_text_std, skin_color_(4), 0.5f);
  int32_t top = 0;
  for (int32_t g = 1; g <= group_count; ++g) {
    const panel_band_rec_ band = panel_group_band_(groups[size_t(g)], top);
    groups[size_t(g)].content_top = band.content_top;
    if (group == 0 || group == g) {
      text_at_(dc, 4, top + 4, groups[size_t(g)].title, title_colour);
      const int32_t line = top + band.height;
      dc.fill_rectangle_({0, line, W, line + 1}, uint32_t(skin_palette_.color_s1panel));
    }
    top = panel_next_band_top_(band);
  }

  for (int32_t id = 1; id <= item_count; ++id) {
    const panel_item_rec_& it = items[size_t(id)];
    if (group >= 1 && it.group_id != group) continue;
    if (item != 0 && item != id) continue;
    if (!valid_group_(it.group_id)) continue;
    paint_item_(dc, id, item != 0);
  }

  if (right_border == true_) dc.fill_rectangle_({W - 1, 0, W, H}, uint32_t(skin_palette_.color_s2panel));
  dc.select_font_(old_font);
  win->invalidate_();
}

void xcpanelbox_::paint_item_(dc_& dc, int32_t id, bool alone) {
  panel_item_rec_& it = items[size_t(id)];
  const panel_box_rec_ box = panel_item_box_(it, groups[size_t(it.group_id)].content_top);
  it.painted_x = box.x;
  it.painted_y = box.y;
  it.painted_w = box.w;
  it.painted_h = box.h;
  content_bottom = box.y + box.h + 5;
  const bool inside = box.contains_(mouse_x, mouse_y);
  const bool enabled = it.enabled != 0;
  const bool is_pressed = pressed_item == id, other_pressed = pressed_item > 0 && pressed_item != id;
  const int32_t m = it.margin, x = box.x, y = box.y, w = box.w, h = box.h;
  const int32_t th = ui_text_size_(dc, "X", true_);
  const int32_t text_colour = skin_palette_.color_btn_text_std;

  switch (it.kind) {
    case panel_label_:
      text_at_(dc, x + m + 1, y + m, it.title, text_colour);
      break;
    case panel_checked_field_:
    case panel_text_field_: {
      if (!alone) text_at_(dc, x + m, y + m, trim_blanks_(it.title), text_colour);
      const panel_box_rec_ f = panel_field_box_(it, box, th);
      it.field_l = f.x;
      it.field_t = f.y;
      it.field_w = f.w;
      it.field_h = f.h;
      paint_text_field_(dc, it, id);
      if (it.kind == panel_checked_field_) {
        const panel_look_rec_ look = panel_glyph_look_(!enabled || focus_item_ != 0, it.checked == true_, is_pressed,
                                                       other_pressed, inside, focus_toolbar_ == id);
        if (look.hot) hot_item = id;
        draw_check_glyph_(dc, x + m, f.y, look.state, look.focus_frame ? true_ : false_);
      }
      break;
    }
    case panel_button_:
    case panel_combo_: {
      const panel_look_rec_ look = panel_button_look_(enabled, is_pressed, other_pressed, inside);
      if (look.hot) hot_item = id;
      item_button_args_ a;
      a.x = x + m;
      a.y = y + m;
      a.w = w - 2 * m;
      a.h = h - 2 * m;
      a.item_type = it.kind == panel_button_ ? 1 : 4;
      a.state = int16_t(look.state);
      a.enabled = it.enabled;
      a.mouse_x = mouse_x;
      a.mouse_y = mouse_y;
      if (it.kind == panel_button_) {
        a.caption = it.title;
        a.icon = it.icon;
        a.checked = it.checked;
        draw_item_button_(0, dc, a);
        break;
      }
      draw_item_button_(0, dc, a);
      std::string text;
      int32_t colour = -1, icon = -1;
      if (it.combo_value >= 1 && it.combo_value <= combo_count) {
        const panel_list_item_rec_& row = list_items[size_t(it.combo_value)];
        text = row.text;
        colour = row.colour;
        icon = row.icon;
      }
      // Without its frame the box lies on the button face: its text takes the face's colour.
      draw_edit_box_(win.get(), dc, a.x, a.y, a.w, a.h, text, it.enabled, 18, colour, icon, 0, false_, 0, true_,
                     text_colour);
      break;
    }
    case panel_check_box_: {
      const panel_look_rec_ look =
          panel_glyph_look_(!enabled, it.checked == true_, is_pressed, other_pressed, inside, focus_toolbar_ == id);
      if (look.hot) hot_item = id;
      draw_check_glyph_(dc, x + m, y + m + 5, look.state, look.focus_frame ? true_ : false_);
      text_at_(dc, x + m + 17, y + m + 5, it.title, text_colour);
      break;
    }
    case panel_header_band_: {
      // The band sprite fills the box; its corners keep what lay below.
      const uint32_t corners[4] = {dc.get_pixel_(x, y), dc.get_pixel_(x + w - 1, y), dc.get_pixel_(x, y + h - 1),
                                   dc.get_pixel_(x + w - 1, y + h - 1)};
      draw_header_band_(dc, x, y, w, h, false_);
      dc.set_pixel_(x, y, corners[0]);
      dc.set_pixel_(x + w - 1, y, corners[1]);
      dc.set_pixel_(x, y + h - 1, corners[2]);
      dc.set_pixel_(x + w - 1, y + h - 1, corners[3]);
      break;
    }
    default:
      break;
  }
  dc.set_bk_mode_(bk_mode_::transparent_);
}

void xcpanelbox_::paint_text_field_(dc_& dc, const panel_item_rec_& it, int32_t id) {
  const int32_t l = it.field_l, t = it.field_t, fw = it.field_w, fh = it.field_h;
  const bool enabled = it.enabled != 0;
  const int32_t border = skin_palette_.color_text_border;
  fill_rect_(dc, l, t, fw, fh, enabled ? white : blend_colors_(white, skin_palette_.color_background, 0.35f), border);
  const bool editing = focus_toolbar_ == id &&
                       (it.kind == panel_checked_field_ ? focus_item_ == 1 : focus_item_ == 0);
  if (enabled && editing) {
    outline_(dc, l + 1, t + 1, fw - 2, fh - 2, blend_colors_(white, skin_palette_.color_foc1_border, 0.25f));
    outline_(dc, l, t, fw, fh, skin_palette_.color_foc1_border);
    dc.fill_rectangle_({l, t, l + fw, t + 1}, uint32_t(skin_palette_.color_foc2_border));
    dc.fill_rectangle_({l, t, l + 1, t + fh}, uint32_t(skin_palette_.color_foc2_border));
  }
  const bool shows_caret = focus_toolbar_ == id && (it.kind != panel_checked_field_ || focus_item_ == 1);
  dc.save_();
  dc.intersect_clip_rect_({l, t, l + fw, t + fh});
  draw_text_line_(dc, l + 2, t, fw - 2, fh, it.text, false_, skin_palette_.color_btn_text_std, focus_sel_anchor_,
                  focus_caret_, shows_caret ? true_ : false_);
  dc.restore_();
}
