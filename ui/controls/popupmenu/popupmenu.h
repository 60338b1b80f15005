// xcpopupmenu_: a stand-alone owner-drawn popup menu for dialogs. Several menus share one table
// of 1024 items, told apart by their owner id; show_popupmenu_ opens the visible items of one
// owner in a window of its own, owned by the main window and placed on the screen. A press in
// that window closes it and reports the row under the pointer.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/window.h"
#include "shell/ui_metrics.h"
#include "ui/controls/menu_item.h"

class dc_;

inline constexpr int16_t popupmenu_max_items_ = 1024;
inline constexpr int32_t popupmenu_max_owner_id_ = 1024;

struct popupmenu_mouse_rec_ {
  int32_t x = -1, y = -1;
  flag16_ down = false_;
};

class xcpopupmenu_ {
 public:
  // The control sits on `parent` at (x, y, w, h); `owner` is the main window, which owns the
  // menu window while it shows (0: no owner).
  xcpopupmenu_(window_& parent, window_handle_ owner, int32_t x = 0, int32_t y = 0, int32_t w = 24, int32_t h = 24);
  xcpopupmenu_(window_& parent, window_handle_ owner, int32_t x, int32_t y, int32_t w, int32_t h,
               const ui_metrics_rec_& metrics);
  ~xcpopupmenu_();
  xcpopupmenu_(const xcpopupmenu_&) = delete;
  xcpopupmenu_& operator=(const xcpopupmenu_&) = delete;

  // The control's only event: the hot row's key (empty when none), the hot value cell (0 for
  // a plain row) and the hot row's value (0 when none; a value cell reports its row's).
  std::function<void(const std::string& pm_key_, int32_t pm_index_, int32_t value_)> PopupMenuClick;

  void clear_();
  // The new item's id, 0 when refused (owner id outside -1024..1024, a full table, "@MAIN").
  int16_t add_popupmenuitem_(int32_t button_id_, std::string_view pm_key_, std::string_view pm_text_,
                             std::string_view pm_shortcut_ = {}, bool pmChecked = false, int32_t pm_icon_ = -1,
                             bool pm_boldtext_ = false, std::string_view pm_altkey_ = {}, bool pm_visible_ = true,
                             int32_t value_ = 0);
  // At a screen point; a negative coordinate takes the cursor's.
  void show_popupmenu_(int32_t pm_id_, int32_t x_ = -1, int32_t y_ = -1);
  void hide_winex_() noexcept;
  bool winex_visible_() const noexcept;

  window_& control() { return *control_; }
  window_& win_ex0_() { return *menu_; }
  int16_t count() const { return count_; }
  const menu_item_rec_& item(int32_t id) const { return items_[size_t(id)]; }
  int32_t open_menu() const { return open_id_; }

  // Paints the menu window.
  void paint_popup_window_();

 private:
  void paint_popup_rows_(dc_& dc);
  void paint_control_();
  void on_menu_mouse_(const mouse_event_& e);
  int32_t text_width_(std::string_view text, bool bold) const;

  ui_metrics_rec_ m_;
  window_handle_ owner_;
  std::unique_ptr<window_> control_, menu_;
  std::vector<menu_item_rec_> items_;  // index = id; element 0 unused
  int16_t count_ = 0;
  popupmenu_mouse_rec_ mouse_[3];  // the third belongs to the menu window
  std::string hot_key_, hot_cell_ = "0";
  int32_t hot_value_ = 0;
  int32_t open_id_ = 0;
};
