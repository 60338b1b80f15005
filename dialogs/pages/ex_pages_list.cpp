// The page list: rows painted into the list's kept image, the hover rule, a click that activates
// a page and a second one that renames it in place, and the scroll bar.
#include <cmath>

#include "dialogs/pages/ex_pages.h"
#include "engine/zaz_class.h"
#include "platform/gdi/font.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "shell/shell_text.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/skin_palette.h"

void ex_pages_::paint_page_list_() {
  if (!pages_) return;
  window_& win = *pages_;
  surface_& surf = win.client_surface_();
  dc_ dc(surf);
  const int32_t vw = win.client_width_(), vh = win.client_height_();
  dc.fill_rectangle_({0, 0, vw, vh}, uint32_t(skin_palette_.color_popup_menu));
  dc.select_font_(standard_control_font_());
  dc.set_bk_mode_(bk_mode_::transparent_);
  hot_row_ = 0;
  int32_t content_y = 0;
  const int32_t n = eng_.pages_count_(), active = eng_.page_active_();
  for (int32_t i = 1; i <= n; ++i, content_y += row_h_) {
    const std::string title = eng_.page_title_(int16_t(i));
    const std::string head = std::to_string(i) + " - ";
    const std::string noname = lang_text_("common.page.noname");
    const int32_t w = dc.text_extent_(head + (title.empty() ? noname : title)).cx;
    const int32_t top = content_y - scroll_top_;
    const bool in_row = content_y <= mouse_y_ && mouse_y_ < content_y + row_h_;
    const bool in_x = (mouse_x_ >= 21 && mouse_x_ <= w + 28) || mouse_x_ <= 19;
    if (in_row && in_x && mouse_y_ >= 0) {
      draw_menu_item_(dc, 0, top, w + 28, row_h_, "", 0, 0, true_, false_, true_, "", false_, false_, false_, false_);
      hot_row_ = i;
    }
    if (i == active) {
      item_button_args_ a;
      a.x = 0, a.y = top, a.w = w + 28, a.h = row_h_;
      a.item_type = 1;
      a.state = 0;
      a.checked = true_;
      draw_item_button_(0, dc, a);
      edit_rect_[0] = 21, edit_rect_[1] = top + 2, edit_rect_[2] = w + 5, edit_rect_[3] = row_h_ - 3;
    }
    dc.select_font_(standard_control_font_());
    dc.set_bk_mode_(bk_mode_::transparent_);
    draw_table_icon_(dc, 2, float(top + 3), 16, host_.icon_page, false_, false_, true_, -1, false_);
    dc.set_text_colour_(uint32_t(skin_color_(0)));
    if (!title.empty()) {
      dc.text_out_(23, top + 4, head + title);
    } else {
      dc.text_out_(23, top + 4, head);
      dc.set_text_colour_(uint32_t(skin_color_(3)));
      dc.text_out_(23 + dc.text_extent_(head).cx, top + 4, noname);
    }
  }
  // The scroll bar follows the content.
  if (vsc_) {
    const int32_t h = n * row_h_;
    int32_t range = h - vh;
    if (range > 0) {
      vsc_->Enabled(true_);
    } else {
      range = 0;
      vsc_->Enabled(false_);
    }
    vsc_->scrollmin_(0);
    vsc_->scrollmax_(range);
    vsc_->scrollcurrent_(scroll_top_);
    vsc_->chsmall_(row_h_);
    vsc_->chlarge_(vh > 0 ? vh : 1);
    vsc_->cchsize_(h > 0 ? float(vh) / float(h) : 1.0f);
    vsc_->refresh_();
  }
  win.invalidate_();
}

void ex_pages_::pages__MouseMove(int32_t x, int32_t y) {
  mouse_x_ = x;
  mouse_y_ = y + scroll_top_;
  paint_page_list_();
}

void ex_pages_::pages__MouseDown() {
  if (edit_ && edit_->win_()) edit_->win_()->hide_();
  if (hot_row_ == 0) return;
  if (hot_row_ == selected_page_) {
    edit_->text(eng_.page_title_(int16_t(hot_row_)));
    if (window_* e = edit_->win_()) {
      e->move_(edit_rect_[0], edit_rect_[1], edit_rect_[2], edit_rect_[3]);
      e->show_();
      e->set_focus_();
    }
    edit_->SelectAll();
  } else {
    eng_.page_active_(int16_t(hot_row_));
    selected_page_ = hot_row_;
  }
  paint_page_list_();
  load_page_values_();
  if (host_.ref) host_.ref(0, 0);
}

void ex_pages_::edit_commit_() {
  if (selected_page_ >= 1 && selected_page_ <= eng_.pages_count_())
    eng_.page_title_(int16_t(selected_page_), trim_blanks_(edit_->text()));
  paint_page_list_();
  if (edit_->win_()) edit_->win_()->hide_();
  load_page_values_();
}
