#include "ui/controls/popupmenu/popupmenu.h"

#include <algorithm>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"
#include "platform/input/cursor.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "shell/colors.h"
#include "shell/frame_state.h"
#include "ui/controls/ribbon/popup_capture.h"
#include "ui/skin/blitters.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/popup_background.h"
#include "ui/skin/skin_palette.h"

namespace {

font_ menu_font() {
  font_ f;
  f.face = "Tahoma";
  f.height = -11;
  f.weight = 400;
  return f;
}

std::unique_ptr<window_> make_child(window_& parent, int32_t x, int32_t y, int32_t w, int32_t h) {
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &parent;
  o.x = x, o.y = y, o.width = w, o.height = h;
  return create_window_(o);
}

}  // namespace

xcpopupmenu_::xcpopupmenu_(window_& parent, window_handle_ owner, int32_t x, int32_t y, int32_t w, int32_t h)
    : xcpopupmenu_(parent, owner, x, y, w, h, ui_metrics_) {}

xcpopupmenu_::xcpopupmenu_(window_& parent, window_handle_ owner, int32_t x, int32_t y, int32_t w, int32_t h,
                           const ui_metrics_rec_& metrics)
    : m_(metrics), owner_(owner), items_(size_t(popupmenu_max_items_) + 1) {
  control_ = make_child(parent, x, y, w, h);
  menu_ = make_child(*control_, 0, 0, 1, 1);
  menu_->hide_();
  menu_->on_mouse = [this](const mouse_event_& e) { on_menu_mouse_(e); };
  menu_->on_resize = [this](int32_t, int32_t) {
    if (menu_->visible_()) paint_popup_window_();
  };
  control_->on_resize = [this](int32_t, int32_t) { paint_control_(); };
  control_->show_();
  paint_control_();
}

xcpopupmenu_::~xcpopupmenu_() {
  if (capture_window_() == menu_.get()) release_capture_();
  menu_.reset();
  control_.reset();
}

void xcpopupmenu_::paint_control_() {
  surface_& s = control_->client_surface_();
  dc_ dc(s);
  dc.fill_rectangle_({0, 0, s.width_(), s.height_()}, 0xFFFFFF);
  dc.select_brush_(brush_{brush_style_::null_, 0});
  dc.rectangle_(0, 0, s.width_(), s.height_());
  control_->invalidate_();
}

int32_t xcpopupmenu_::text_width_(std::string_view text, bool bold) const {
  font_ f = menu_font();
  if (bold) f.weight = 700;
  return text_measurer_in_use_().width_(f, text);
}

// ---- Items.

void xcpopupmenu_::clear_() {
  for (int32_t i = 1; i <= count_; ++i) items_[size_t(i)] = menu_item_rec_{};
  count_ = 0;
}

int16_t xcpopupmenu_::add_popupmenuitem_(int32_t button_id_, std::string_view pm_key_, std::string_view pm_text_,
                                         std::string_view pm_shortcut_, bool pmChecked, int32_t pm_icon_,
                                         bool pm_boldtext_, std::string_view pm_altkey_, bool pm_visible_,
                                         int32_t value_) {
  if (button_id_ < -popupmenu_max_owner_id_ || button_id_ > popupmenu_max_owner_id_) return 0;
  if (count_ >= popupmenu_max_items_ || is_reserved_menu_key_(pm_key_)) return 0;
  const int32_t y = count_ >= 1 ? items_[size_t(count_)].y + items_[size_t(count_)].height : 0;
  const int16_t id = int16_t(count_ + 1);
  menu_item_rec_& it = items_[size_t(id)];
  it = menu_item_rec_{};
  it.text = trim_blanks_(pm_text_);
  set_menu_values_(it, it.text);
  it.owner_id = button_id_;
  it.key = trim_blanks_(pm_key_);
  it.shortcut = trim_blanks_(pm_shortcut_);
  it.alt_key = trim_blanks_(pm_altkey_);
  it.icon = pm_icon_;
  it.enabled = true_;
  it.checked = to_flag_(pmChecked);
  it.visible = to_flag_(pm_visible_);
  it.bold = to_flag_(pm_boldtext_);
  it.y = y;
  it.value = value_;
  it.height = it.text == "-" ? 6 : m_.list_row_h_;
  count_ = id;
  return id;
}

// ---- Opening and closing.

void xcpopupmenu_::show_popupmenu_(int32_t pm_id_, int32_t x_, int32_t y_) {
  const pixel_point_ cursor = cursor_pos_();
  int32_t x = x_ < 0 ? cursor.x : x_, y = y_ < 0 ? cursor.y : y_;
  menu_->hide_();
  do_events_();
  open_id_ = pm_id_;
  window_* owner = find_window_(owner_);
  menu_->make_top_level_(owner, 0, 0);
  int32_t widest = 0, content_h = 0;
  for (int32_t i = 1; i <= count_; ++i) {
    const menu_item_rec_& it = items_[size_t(i)];
    if (it.owner_id != pm_id_ || !is_set_(it.visible)) continue;
    const int32_t w = it.value_list
                          ? int32_t(it.values.size()) * it.height
                          : text_width_(it.text, is_set_(it.bold)) + text_width_(it.shortcut, is_set_(it.bold));
    widest = std::max(widest, w);
    content_h += it.height;
  }
  const int32_t h = std::max(content_h + 4 + 5, 10);
  const int32_t w = widest + 5 + m_.menu_row_h_ + 10;
  // Only the height is kept on the desktop; a menu may run off its side.
  const int32_t T = 0, B = screen_height_px_();
  if (y + h >= B - T) y = T + B - (h + 30);
  capture_popup_over_(2, *control_, true, x, y, w, h);
  menu_->move_(x, y, w, h);
  set_window_shape_(*menu_, true_, true_);
  paint_popup_window_();
  popup_open_ = -1;
  menu_->enable_(true);
  menu_->show_no_activate_();
  menu_->raise_();
}

void xcpopupmenu_::hide_winex_() noexcept {
  for (popupmenu_mouse_rec_& m : mouse_) m = {};
  popup_open_ = 0;
  if (menu_ && menu_->exists_()) {
    if (capture_window_() == menu_.get()) release_capture_();
    menu_->hide_();
  }
  free_popup_background_(0);
}

bool xcpopupmenu_::winex_visible_() const noexcept { return menu_ && menu_->exists_() && menu_->visible_(); }

// ---- Input: a press anywhere in the window closes it and reports the row under it.

void xcpopupmenu_::on_menu_mouse_(const mouse_event_& e) {
  popupmenu_mouse_rec_& m = mouse_[2];
  switch (e.type) {
    case mouse_type_::move:
      m.x = e.x, m.y = e.y;
      paint_popup_window_();
      break;
    case mouse_type_::down:
    case mouse_type_::double_click: {
      m.x = e.x, m.y = e.y, m.down = true_;
      const std::string key = hot_key_;
      const int32_t cell = int32_t(std::strtol(hot_cell_.c_str(), nullptr, 10));
      const int32_t value = hot_value_;
      hide_winex_();
      if (PopupMenuClick) PopupMenuClick(key, cell, value);
      break;
    }
    case mouse_type_::up:
      m.down = false_;
      if (menu_->visible_()) paint_popup_window_();
      break;
    default: break;
  }
}

// ---- Painting.

void xcpopupmenu_::paint_popup_window_() {
  surface_& s = menu_->client_surface_();
  dc_ dc(s);
  dc.fill_rectangle_({0, 0, s.width_(), s.height_()}, 0xFFFFFF);
  dc.select_font_(menu_font());
  paint_popup_rows_(dc);
  menu_->invalidate_();
}

void xcpopupmenu_::paint_popup_rows_(dc_& dc) {
  surface_& s = menu_->client_surface_();
  const int32_t w = s.width_() - 5, h = s.height_() - 5;
  const int32_t col = m_.menu_row_h_;
  const popupmenu_mouse_rec_& m = mouse_[2];
  blit_popup_background_(2, dc, 0, 0, s.width_(), s.height_());
  fill_rect_(dc, 0, 0, w - 1, h - 1, skin_palette_.color_popup_menu, skin_palette_.color_popup_menu);
  hot_key_.clear();
  hot_cell_ = "0";
  hot_value_ = 0;
  bool hot = false;
  const int32_t swatch_border =
      blend_colors_(skin_palette_.color_popup_margin, skin_palette_.color_popup_border, 0.25f);
  int32_t top = 2;
  for (int32_t i = 1; i <= count_; ++i) {
    const menu_item_rec_& it = items_[size_t(i)];
    if (it.owner_id != open_id_ || !is_set_(it.visible)) continue;
    if (trim_blanks_(it.text) == "-") {
      draw_separator_line_(menu_.get(), dc, 4 + col, top + 2, w);
    } else if (it.value_list) {
      const int32_t cell = std::max(it.height, 4);
      for (size_t v = 0; v < it.values.size(); ++v) {
        const int32_t cx = 2 + col + int32_t(v) * cell;
        if (!hot && cx <= m.x && m.x <= cx + cell && top <= m.y && m.y <= top + cell) {
          hot = true;
          draw_menu_item_(dc, cx, top, cell, cell, "", 0, 0, true_, false_, true_, "", false_, false_, false_, false_);
          hot_key_ = trim_blanks_(it.key);
          hot_cell_ = std::to_string(v + 1);
          hot_value_ = it.value;  // the row's own value; the cell's colour is the host's to look up
        }
        if (it.values[v] >= 0) fill_rect_(dc, cx + 4, top + 4, cell - 8, cell - 8, it.values[v], swatch_border);
      }
    } else {
      std::string text = trim_blanks_(it.text);
      std::replace(text.begin(), text.end(), '_', ' ');
      const int32_t icon = -it.icon >= 2 ? -it.icon : 0;
      const bool over = !hot && top <= m.y && m.y <= top + it.height && 0 <= m.x && m.x <= w;
      draw_menu_item_(dc, 2, top, w - 4, it.height, text, col, icon, to_flag_(over), it.checked, it.enabled, "",
                      false_, false_, false_, false_);
      if (over) {
        hot = true;
        hot_key_ = trim_blanks_(it.key);
        hot_value_ = it.value;
      }
      if (it.icon >= 0) fill_rect_(dc, 6, top + 4, it.height - 8, it.height - 8, it.icon, swatch_border);
    }
    top += it.height;
  }
  const uint32_t border =
      uint32_t(blend_colors_(skin_palette_.color_popup_border, skin_palette_.color_text_border, 0.5f));
  dc.fill_rectangle_({0, 0, w, 1}, border);
  dc.fill_rectangle_({0, h - 1, w, h}, border);
  dc.fill_rectangle_({0, 0, 1, h}, border);
  dc.fill_rectangle_({w - 1, 0, w, h}, border);
}
