// The layer table: rows read afresh from the engine at every paint, the cell under the last mouse
// position recorded for the click that follows, the grid and the header painted last.
#include <algorithm>
#include <cmath>

#include "dialogs/layers/ex_layers.h"
#include "engine/zaz_class.h"
#include "platform/gdi/font.h"
#include "platform/window/controls.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "ui/skin/blitters.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/skin_palette.h"

namespace {

// Left edges e0..e8 of the columns: 2 plus the widths before.
int32_t edge_(size_t k) {
  int32_t e = 2;
  for (size_t i = 0; i <= k; ++i) e += layer_col_width_[i];
  return e;
}

void text_in_(dc_& dc, const std::string& text, int32_t l, int32_t t, int32_t r, int32_t b, uint32_t colour,
              uint32_t align) {
  pixel_rect_ rc{l, t, r, b};
  dc.set_text_colour_(colour);
  dc.draw_text_(text, rc, align | text_vcenter_ | text_single_line_ | text_no_prefix_);
}

void sample_line_(dc_& dc, int32_t x, int32_t y, pen_style_ style, int32_t width) {
  pen_ pen;
  pen.style = style;
  pen.width = width;
  pen.colour = 0;
  const pen_ old = dc.select_pen_(pen);
  dc.move_to_(x, y);
  dc.line_to_(x + 62, y);
  dc.select_pen_(old);
}

}  // namespace

void ex_layers_::paint_layer_table_() {
  if (!layers_) return;
  if (xpopup_ && xpopup_->winex_visible_()) return;  // the table keeps its picture meanwhile
  window_& win = *layers_;
  dc_ dc(win.client_surface_());
  const int32_t vw = win.client_width_(), vh = win.client_height_(), R = row_h_;
  const uint32_t back = uint32_t(skin_palette_.color_popup_menu);
  dc.fill_rectangle_({0, 0, vw, vh}, back);
  dc.select_font_(standard_control_font_());
  dc.set_bk_mode_(bk_mode_::transparent_);
  hot_row_ = 0;
  hot_cell_ = 0;
  const auto& w = layer_col_width_;
  const int32_t swatch_border_mix =
      blend_colors_(skin_palette_.color_popup_border, skin_palette_.color_text_border, 0.5f);
  const int32_t count = eng_.layers_count_(), active = eng_.layer_active_();
  for (int32_t i = 1; i <= count; ++i) {
    const int32_t y = R + 2 + (i - 1) * R, t = y - scroll_top_;
    if (t < 0 || t > vh) continue;
    const int16_t l = int16_t(i);
    const std::string title = eng_.layer_title_(l);
    const int32_t dcol = eng_.layer_atr_dcolor_(l), fcol = eng_.layer_atr_fcolor_(l);
    const int32_t style = eng_.layer_atr_style_(l), width = eng_.layer_atr_width_(l);
    if (mouse_y_ >= y && mouse_y_ < y + R) {
      popup_layer_ = i;
      hot_row_bottom_ = t + R;
      hot_row_ = i;
      hot_cell_ = layer_cell_at_(mouse_x_, i);
      if (hot_cell_ <= layer_cell_dcolor_) {
        const int32_t x = edge_(size_t(-hot_cell_)) + 2;  // the column's left edge + 2
        if (is_set_(mouse_pressed_)) {
          item_button_args_ a;
          a.x = x, a.y = t, a.w = w[size_t(1 - hot_cell_)] - 3, a.h = R;
          a.item_type = 1;
          a.state = 0;
          a.checked = true_;
          draw_item_button_(0, dc, a);
        } else {
          draw_menu_item_(dc, x, t, w[size_t(1 - hot_cell_)] - 3, R, "", 0, 0, true_, false_, true_, "", false_,
                          false_, false_, false_);
        }
      }
    }
    if (i == active) {
      item_button_args_ a;
      a.x = w[1] + w[2] + 4, a.y = t, a.w = w[3] - 3, a.h = R;
      a.item_type = 1;
      a.state = 0;
      a.checked = true_;
      draw_item_button_(0, dc, a);
      edit_rect_[0] = w[1] + w[2] + 5, edit_rect_[1] = t + 2, edit_rect_[2] = w[3] - 6, edit_rect_[3] = R - 3;
    }
    dc.select_font_(standard_control_font_());
    dc.set_bk_mode_(bk_mode_::transparent_);
    const bool vis = is_set_(eng_.layer_atr_vis_(l)), edt = is_set_(eng_.layer_atr_edt_(l));
    draw_table_icon_(dc, float(w[0] + w[1] / 2 - 7), float(t + 3), 16, host_.icon_layer_visible[vis ? 1 : 0], false_,
                     false_, true_, -1, false_);
    draw_table_icon_(dc, float(w[0] + w[1] + w[2] / 2 - 7), float(t + 3), 16,
                     host_.icon_layer_enabled[edt ? 1 : 0], false_, false_, true_, -1, false_);
    const std::string head = std::to_string(i) + " - ";
    const int32_t name_l = w[1] + w[2] + 8;
    if (!title.empty()) {
      text_in_(dc, head + title, name_l, t, w[1] + w[2] + w[3], t + R, uint32_t(skin_color_(0)), text_left_);
    } else {
      dc.set_text_colour_(uint32_t(skin_color_(0)));
      dc.text_out_(name_l, t + 4, head);
      dc.set_text_colour_(uint32_t(skin_color_(3)));
      dc.text_out_(name_l + dc.text_extent_(head).cx, t + 4, lang_text_("common.layer.noname"));
    }
    const int32_t e3 = edge_(3), e4 = edge_(4), e5 = edge_(5), e6 = edge_(6), e7 = edge_(7);
    if (dcol < 0)
      draw_table_icon_(dc, float(e3 + 3), float(t + 3), 16, host_.icon_auto, false_, false_, true_, -1, false_);
    else
      fill_rect_(dc, e3 + 5, t + 5, 13, 13, dcol, blend_colors_(dcol, swatch_border_mix, 0.5f));
    if (fcol < 0)
      draw_table_icon_(dc, float(e4 + 3), float(t + 3), 16, fcol == -1 ? host_.icon_auto : host_.icon_none, false_,
                       false_, true_, -1, false_);
    else
      fill_rect_(dc, e4 + 5, t + 5, 13, 13, fcol, blend_colors_(fcol, swatch_border_mix, 0.5f));
    if (style >= 0) {
      const pen_style_ ps = style <= 4 ? pen_style_(style) : pen_style_::solid_;
      for (int32_t k = 9; k <= 11; ++k) sample_line_(dc, e5 + 21, t + k, ps, 1);
    }
    if (width >= 0) sample_line_(dc, e6 + 21, t + 10, pen_style_::solid_, std::max(width, 1));
    const uint32_t tc = uint32_t(skin_color_(0));
    text_in_(dc, color_name_(dcol, true_), e3 + 24, t, e4 - 2, t + R, tc, text_left_);
    text_in_(dc, color_name_(fcol, true_), e4 + 24, t, e5 - 2, t + R, tc, text_left_);
    text_in_(dc, std::to_string(style + 1), e5 + 6, t, e6 - 2, t + R, tc, text_left_);
    text_in_(dc, std::to_string(width), e6 + 6, t, e7 - 2, t + R, tc, text_left_);
  }
  // Grid, then the header over the rows.
  const int32_t y_end = R + 2 + count * R;
  const int32_t c1 = blend_colors_(skin_color_(11), skin_palette_.color_popup_menu, 0.5f);
  const int32_t c2 = blend_colors_(skin_color_(11), skin_palette_.color_popup_menu, 0.25f);
  const int32_t c3 = blend_colors_(skin_color_(11), skin_color_(4), 0.25f);
  auto line = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
    pen_ p;
    p.colour = uint32_t(colour);
    const pen_ old = dc.select_pen_(p);
    dc.move_to_(x1, y1);
    dc.line_to_(x2, y2);
    dc.select_pen_(old);
  };
  for (size_t j = 2; j <= 8; ++j) line(edge_(j), -scroll_top_, edge_(j), -scroll_top_ + y_end, c1);
  line(2, y_end - scroll_top_, vw, y_end - scroll_top_, c1);
  dc.fill_rectangle_({0, 0, vw, R}, uint32_t(c2));
  line(0, R, vw, R, c3);
  for (size_t j = 2; j <= 8; ++j) line(edge_(j), 0, edge_(j), R, c3);
  const char* heads[5] = {"attributes.layer", "attributes.dcolor", "attributes.fcolor", "attributes.style",
                          "attributes.width"};
  for (size_t k = 0; k < 5; ++k)
    text_in_(dc, lang_text_(heads[k]), edge_(k + 2) + 4, 0, edge_(k + 3) - 2, R, uint32_t(skin_color_(0)),
             text_center_);
  // Scroll range.
  if (vsc_) {
    int32_t m = cint32_(double(y_end) - double(vh));
    if (m > 0) {
      vsc_->Enabled(true_);
    } else {
      m = 0;
      vsc_->Enabled(false_);
    }
    vsc_->scrollmin_(0);
    vsc_->scrollmax_(m);
    vsc_->scrollcurrent_(scroll_top_);
    vsc_->chsmall_(R);
    vsc_->chlarge_(std::max(1, vh));
    vsc_->cchsize_(y_end > 0 ? float(vh) / float(y_end) : 1.0f);
    vsc_->refresh_();
  }
  win.invalidate_();
}
