// The value list of the selection filter: one row per value, as wide as its text needs, the
// chosen row highlighted, the row under the pointer hot, colours as swatches.
#include <cmath>

#include "dialogs/select/select_dialog.h"
#include "platform/gdi/dc.h"
#include "shell/colors.h"
#include "shell/ui_metrics.h"
#include "ui/skin/blitters.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/skin_palette.h"

void ex_select_::paint_list_() {
  surface_& s = pic_->client_surface_();
  s.fill_colour_(0xFFFFFF);
  dc_ dc(s);
  const int32_t h = ui_metrics_.list_row_h_;
  const int32_t chosen = chosen_now_[size_t(cur_criterion_now_ - 1)];
  const int32_t border_mix =
      blend_colors_(skin_palette_.color_popup_border, skin_palette_.color_text_border, 0.5f);
  std::vector<select_value_rec_>& rows = values_now_[size_t(cur_criterion_now_ - 1)];
  for (size_t i = 0; i < rows.size(); ++i) {
    const int32_t n = int32_t(i) + 1;
    const select_row_rec_ look = select_row_look_(cur_criterion_now_, rows[i].value, engine_, icons_);
    const int32_t w = int32_t(std::lround(double(ui_text_size_(dc, look.text, 0)) + h + 8));
    rows[i].rect = make_row_rect_(2, (n - 1) * h - scroll_pos_, w, h);
    const row_rect_rec_& r = rows[i].rect;
    const bool hot = n != chosen && row_contains_(r, hot_x_, hot_y_);
    if (n == chosen) {
      item_button_args_ a;
      a.x = r.left;
      a.y = r.top;
      a.w = r.width;
      a.h = r.height;
      a.item_type = 1;
      a.state = 2;
      draw_item_button_(0, dc, a);
    }
    draw_menu_item_(dc, r.left, r.top, r.width, r.height, look.text, h, look.swatch ? 0 : look.icon,
                    hot ? true_ : false_, false_, true_, "", 0, 0, 0, 0);
    if (look.swatch) {
      fill_rect_(dc, r.left + 4, r.top + 4, 13, 13, look.colour, blend_colors_(look.colour, border_mix, 0.5f));
    }
  }
  list_height_now_ = int32_t(rows.size()) * h;
  const int32_t ph = pic_->client_height_();
  dc.fill_rectangle_({0, 0, 1, ph}, uint32_t(skin_palette_.color_text_border));
  dc.fill_rectangle_({1, 0, 2, ph}, 0xFFFFFF);
  pic_->invalidate_();
}
