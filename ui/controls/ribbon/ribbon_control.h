// The ribbon on screen: the bar is a child window of its host; the application menu or a
// collapsed toolbar shows in win_ex1_, a popup menu or a combo's drop list in win_ex2_. Both
// drop-down windows are re-parented into the host when they open, so that they can reach over
// the host's other children. The model (xribbon_) keeps every record and hit test; this class
// paints, routes the windows' input and raises the model's events.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/gdi/dc.h"
#include "platform/window/window.h"
#include "ui/controls/ribbon/ribbon.h"

class xribbon_control_ {
 public:
  // The bar covers (x, y, width, height) of the host's client area.
  xribbon_control_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  xribbon_control_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height,
                   const ui_metrics_rec_& metrics);
  ~xribbon_control_();
  xribbon_control_(const xribbon_control_&) = delete;
  xribbon_control_& operator=(const xribbon_control_&) = delete;

  xribbon_& model() { return r_; }
  window_& bar() { return *bar_; }
  window_& win_ex1_() { return *ex1_; }
  window_& win_ex2_() { return *ex2_; }
  window_& host() { return host_; }

  // Seconds of a monotonic clock; the drop list's auto-repeat measures its delay with it.
  std::function<double()> clock;

  // ---- Public members of the drop-downs.
  void hide_winex_();
  void show_popupmenu_(int32_t pm_id_, int32_t x_ = -1, int32_t y_ = -1);
  int32_t grbh_() const { return r_.grbh_(); }
  bool winex_visible_() const { return r_.winex_visible_(); }
  void refresh_() { paint_bar_(false); }

  // ---- Painting (each paints its whole window and presents it).
  void paint_bar_(bool force);
  void paint_key_tips_(dc_& dc);
  void draw_key_tip_if_match_(dc_& dc, int32_t x, int32_t y, const std::string& text);
  void paint_main_menu_();
  void paint_collapsed_toolbar_();
  void paint_popup_menu_();
  // The scroll part under a pressed cursor (-1 without a scroll bar); new_top the dragged top row.
  int32_t paint_drop_list_(int32_t& new_top);

  // ---- Openers.
  void open_main_menu_();
  void open_collapsed_toolbar_(int32_t toolbar_id);
  void open_button_dropdown_(int32_t toolbar_id, int32_t control_id, int32_t group_part);
  void update_list_thumb_();
  void track_mouse_capture_(int16_t mode);
  window_handle_ host_hwnd_() const { return host_.handle_(); }

  // The window-active flag of the last bar paint.
  flag16_ window_active() const { return active_; }

 private:
  void connect_hooks_();
  void attach_bar_handlers_();
  void attach_dropdown_handlers_();
  // Bar input.
  void bar_mouse_down_(int32_t x, int32_t y);
  void bar_mouse_up_(int32_t x, int32_t y);
  void bar_mouse_move_(int32_t x, int32_t y);
  void store_bar_position_(int32_t x, int32_t y);
  void drag_host_();
  void frame_caption_hover_();
  bool on_app_button_(int32_t x, int32_t y) const;
  int32_t tab_at_(int32_t x, int32_t y) const;
  void clear_key_tips_();
  // Drop-down input.
  void ex1_mouse_(const mouse_event_& e);
  void ex2_mouse_(const mouse_event_& e);
  void main_menu_down_();
  void collapsed_down_(int32_t x, int32_t y);
  void collapsed_up_(int32_t x, int32_t y);
  void popup_down_();
  void list_down_(int32_t x, int32_t y);
  void list_auto_repeat_();
  void dropdown_focus_(bool ex1, bool got);
  void check_focus_later_();
  void raise_key_(const key_event_& e);
  // Common to the openers.
  void capture_background_(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h);
  void show_dropdown_(window_& w, int32_t x, int32_t y, int32_t width, int32_t height);
  pixel_point_ bar_origin_in_host_() const;
  bool popup_row_(int32_t i, int32_t owner, int32_t group) const;
  int32_t measure_text_(const std::string& text, bool bold) const;
  void present_(window_& w);

  xribbon_ r_;
  window_& host_;
  std::unique_ptr<window_> bar_, ex1_, ex2_;
  std::unique_ptr<dc_> bar_dc_;  // handed to the host as the control's device context
  flag16_ active_ = false_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
