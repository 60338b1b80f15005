// The ribbon's windows and the bar's own input: presses become tab, button, corner-button and
// help events or open the drop-downs; presses on empty parts and in the caption strip above
// the bar drag the host window; keys pass on to the host as events.
#include "ui/controls/ribbon/ribbon_control.h"

#include <cmath>

#include "platform/core/types.h"
#include "platform/window/event_loop.h"
#include "shell/frame_proc.h"
#include "shell/frame_state.h"
#include "shell/frame_table.h"
#include "shell/quick_buttons.h"
#include "ui/skin/skin_palette.h"

namespace {

std::unique_ptr<window_> make_child(window_& parent, int32_t x, int32_t y, int32_t w, int32_t h) {
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &parent;
  o.x = x, o.y = y, o.width = w, o.height = h;
  o.background = 0;
  return create_window_(o);
}

}  // namespace

xribbon_control_::xribbon_control_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xribbon_control_(host, x, y, width, height, ui_metrics_) {}

xribbon_control_::xribbon_control_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height,
                                   const ui_metrics_rec_& metrics)
    : r_(metrics), host_(host) {
  bar_ = make_child(host, x, y, width, height);
  bar_dc_ = std::make_unique<dc_>(bar_->client_surface_());
  ex1_ = make_child(*bar_, 0, 0, 1, 1);
  ex2_ = make_child(*bar_, 0, 0, 1, 1);
  ex1_->hide_();
  ex2_->hide_();
  clock = [] { return double(monotonic_ms_()) / 1000.0; };
  popup_open_ = 0;
  connect_hooks_();
  attach_bar_handlers_();
  attach_dropdown_handlers_();
  r_.set_scale_size_(bar_->client_width_(), bar_->client_height_());
  bar_->show_();
  paint_bar_(false);
}

xribbon_control_::~xribbon_control_() {
  *alive_ = false;
  if (capture_window_() == bar_.get() || capture_window_() == ex1_.get() || capture_window_() == ex2_.get())
    release_capture_();
  r_.hooks = {};
  ex2_.reset();
  ex1_.reset();
  bar_dc_.reset();
  bar_.reset();
}

void xribbon_control_::connect_hooks_() {
  ribbon_hooks_& h = r_.hooks;
  h.paint_bar = [this](bool force) { paint_bar_(force); };
  h.set_enabled = [this](bool on) { bar_->enable_(on); };
  h.blank = [this] {
    dc_ dc(bar_->client_surface_());
    dc.fill_rectangle_({0, 0, bar_->client_width_(), bar_->client_height_()}, 0);
    present_(*bar_);
  };
  h.frame_top_inset = [](int32_t id) { return id >= 0 && id <= frame_table_max_ ? frame_top_inset_[size_t(id)] : 0; };
  h.win_ex1_visible = [this] { return ex1_->visible_(); };
  h.win_ex2_visible = [this] { return ex2_->visible_(); };
  h.uppercase_tabs = [] { return skin_palette_.uppercase_tabs == true_; };
  h.window_handle = [this] { return bar_->handle_(); };
  h.device_context = [this] { return bar_dc_.get(); };
  h.clear_caption_buttons = [](int32_t id) { clear_caption_buttons_(id); };
  h.add_caption_button = [](int32_t id, const std::string& key, const std::string& text, const std::string& tip,
                            int16_t icon,
                            const std::string& alt) { add_caption_button_(id, key, text, tip, icon, alt); };
}

void xribbon_control_::present_(window_& w) { w.invalidate_(); }

void xribbon_control_::attach_bar_handlers_() {
  bar_->on_mouse = [this](const mouse_event_& e) {
    switch (e.type) {
      case mouse_type_::down:
      case mouse_type_::double_click: bar_mouse_down_(e.x, e.y); break;
      case mouse_type_::up: bar_mouse_up_(e.x, e.y); break;
      case mouse_type_::move: bar_mouse_move_(e.x, e.y); break;
      default: break;
    }
  };
  bar_->on_key = [this](const key_event_& e) { raise_key_(e); };
  bar_->on_focus = [this](bool got) {
    r_.press.focused = to_flag_(got);
    if (got) return;
    paint_bar_(true);
    check_focus_later_();
  };
  bar_->on_resize = [this](int32_t w, int32_t h) {
    r_.set_scale_size_(w, h);
    r_.press.mouse_x = 0, r_.press.mouse_y = 0;
    r_.press.button_down = false_;
    r_.fit_toolbars_();
    paint_bar_(false);
  };
}

void xribbon_control_::raise_key_(const key_event_& e) {
  if (e.type == key_type_::down && r_.KeyDown) r_.KeyDown(int16_t(e.key_code), int16_t(e.shift));
  if (e.type == key_type_::character && e.ch != 0 && r_.KeyPress) r_.KeyPress(int16_t(e.ch));
}

// ---- Bar input.

void xribbon_control_::store_bar_position_(int32_t x, int32_t y) {
  r_.press.mouse_x = x;
  r_.press.mouse_y = y - r_.frame_top_offset_();
}

bool xribbon_control_::on_app_button_(int32_t x, int32_t y) const {
  const ui_metrics_rec_& m = r_.metrics();
  return x >= 0 && x <= m.app_button_w_ && y >= 0 && y <= m.ribbon_top_row_h_;
}

int32_t xribbon_control_::tab_at_(int32_t x, int32_t y) const {
  if (r_.tab_count < 1 || y < 0 || y > r_.metrics().ribbon_top_row_h_) return 0;
  for (int32_t i = 1; i <= r_.tab_count; ++i)
    if (r_.tabs[i].left <= x && x <= r_.tabs[i].right) return i;
  return 0;
}

void xribbon_control_::clear_key_tips_() {
  r_.key_tips.shown = false_;
  r_.key_tips.level = 0;
  r_.key_tips.typed.clear();
}

// The caption drag: through the frame when the host wears one, which also closes open
// drop-downs; the hover state recorded during the drag does not survive it.
void xribbon_control_::drag_host_() {
  release_capture_();
  r_.save_hot_state_(false);
  window_handle_ framed = get_frame_record_(r_.pWindowID()).hwnd;
  if (framed != 0 && find_window_(framed)) {
    frame_msg_args_ a;
    a.wparam = 2;  // the caption's hit code
    a.on_caption = true;
    frame_window_proc_(framed, frame_msg_::nc_left_down, a);
  } else {
    window_* top = &host_;
    while (top->parent_()) top = top->parent_();
    top->start_system_move_();
  }
  r_.save_hot_state_(true);
}

void xribbon_control_::frame_caption_hover_() {
  window_handle_ framed = get_frame_record_(r_.pWindowID()).hwnd;
  if (framed == 0 || !find_window_(framed)) return;
  frame_msg_args_ a;
  a.wparam = 2;
  frame_window_proc_(framed, frame_msg_::nc_mouse_move, a);
}

void xribbon_control_::bar_mouse_down_(int32_t x, int32_t y) {
  ribbon_press_state_& p = r_.press;
  window_* top = &host_;
  while (top->parent_()) top = top->parent_();
  if (!top->is_active_()) top->activate_();
  if (ex1_->visible_() && on_app_button_(p.mouse_x, p.mouse_y)) {
    p.app_pressed = false_;
    hide_winex_();
    return;
  }
  hide_winex_();
  r_.key_tips.shown = false_;
  r_.dropdown.collapsed_toolbar = 0;
  store_bar_position_(x, y);
  p.button_down = true_;
  const int32_t mx = p.mouse_x, my = p.mouse_y;
  if (my < 0) {
    drag_host_();
    return;
  }
  p.hot_tab = 0;
  int32_t tab = tab_at_(mx, my);
  if (tab) r_.tab_id_(tab);
  const ribbon_hit_state_& hit = r_.hit;
  p.help_pressed = to_flag_(hit.help_left <= mx && mx <= hit.help_right && hit.help_top <= my && my <= hit.help_bottom);
  if (on_app_button_(mx, my)) {
    p.app_pressed = true_;
    paint_bar_(true);
    open_main_menu_();
    return;
  }
  p.app_pressed = false_;
  r_.fit_toolbars_();
  std::string key;
  flag16_ arrow = false_;
  p.pressed_control = r_.control_at_(mx, my, false, key, p.pressed_cell, arrow);
  p.pressed_drop = r_.hit.drop_control;
  p.pressed_toolbar = r_.toolbar_at_(mx, my, false);
  p.pressed_corner = r_.hit.corner_toolbar;
  paint_bar_(true);
  if (p.pressed_control >= 1 && p.pressed_drop >= 1) {
    if (p.pressed_cell >= 1 && is_set_(arrow))
      open_button_dropdown_(p.pressed_toolbar, p.pressed_control, p.pressed_cell);
    else if (p.pressed_cell == 0)
      open_button_dropdown_(p.pressed_toolbar, p.pressed_control, 0);
    return;
  }
  if (tab && r_.TabButtonClick) r_.TabButtonClick(std::string(r_.tabid2key_(r_.tab_id_())));
  if (p.pressed_toolbar >= 1 && p.pressed_toolbar <= r_.toolbar_count &&
      r_.toolbars[p.pressed_toolbar].fit_state == toolbar_collapsed_) {
    open_collapsed_toolbar_(p.pressed_toolbar);
    return;
  }
  if (p.pressed_control >= 1) return;
  drag_host_();
}

void xribbon_control_::bar_mouse_up_(int32_t x, int32_t y) {
  ribbon_press_state_& p = r_.press;
  store_bar_position_(x, y);
  const int32_t mx = p.mouse_x, my = p.mouse_y;
  const ribbon_hit_state_& hit = r_.hit;
  if (is_set_(p.help_pressed) && hit.help_left <= mx && mx <= hit.help_right && hit.help_top <= my &&
      my <= hit.help_bottom) {
    clear_key_tips_();
    if (r_.HelpButtonClick) r_.HelpButtonClick();
  } else {
    std::string key;
    int32_t cell = 0;
    flag16_ arrow = false_;
    int32_t c = r_.control_at_(mx, my, false, key, cell, arrow);
    if (c == p.pressed_control) {
      if (c >= 1) {
        p.pressed_drop = r_.hit.drop_control;
        if (p.pressed_drop == 0) {
          clear_key_tips_();
          track_mouse_capture_(-1);
          if (r_.ButtonClick) r_.ButtonClick(key, int16_t(cell));
        }
      } else {
        r_.toolbar_at_(mx, my, false);
        int32_t corner = r_.hit.corner_toolbar;
        if (corner >= 1 && corner == p.pressed_corner) {
          clear_key_tips_();
          track_mouse_capture_(-1);
          if (r_.ToolbarExBtnClick) r_.ToolbarExBtnClick(r_.toolbars[corner].key);
        }
      }
    }
  }
  p.pressed_control = 0, p.pressed_toolbar = 0, p.pressed_corner = 0;
  p.help_pressed = false_;
  p.mouse_x = 0, p.mouse_y = 0;
  p.button_down = false_;
  paint_bar_(false);
}

void xribbon_control_::bar_mouse_move_(int32_t x, int32_t y) {
  ribbon_press_state_& p = r_.press;
  store_bar_position_(x, y);
  p.hot_tab = tab_at_(p.mouse_x, p.mouse_y);
  p.app_hover = to_flag_(on_app_button_(p.mouse_x, p.mouse_y));
  track_mouse_capture_(0);
  paint_bar_(false);
  frame_caption_hover_();
  if (r_.hit.hot_kind != p.reported_kind || r_.hit.hot_index != p.reported_index) {
    p.reported_kind = r_.hit.hot_kind, p.reported_index = r_.hit.hot_index;
    if (r_.ControlHotChange) r_.ControlHotChange(uint8_t(p.reported_kind), p.reported_index, 0);
  }
}
