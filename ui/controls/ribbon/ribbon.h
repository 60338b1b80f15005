// The ribbon xribbon_: application button and menu, tabs, toolbars of buttons, group controls,
// combos and separators, popup items, key tips and shortcuts. This class is the ribbon without
// a window: what it stores, where each element lies, what a point hits and how keys reach the
// elements. The control that owns the window fills the hooks (repaints, enabling, the host
// frame's values) and forwards its mouse, keys and size here.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/font.h"
#include "shell/ui_metrics.h"
#include "ui/controls/menu_item.h"
#include "ui/controls/ribbon/ribbon_metrics.h"
#include "ui/controls/ribbon/ribbon_records.h"

class dc_;

// What the ribbon asks of its window and of the shell. Every hook may stay empty: the ribbon
// then behaves as if the answer were the inactive one (no window, no frame, nothing visible).
struct ribbon_hooks_ {
  std::function<void(bool force)> paint_bar;                  // repaint the bar; force paints past win_ex1_
  std::function<void(bool enabled)> set_enabled;              // the control's Enabled around key-tip events
  std::function<void()> blank;                                // tben_ switched off: black, cleared surface
  std::function<int32_t(int32_t window_id)> frame_top_inset;  // the frame's rows over the window
  std::function<bool()> win_ex1_visible;                      // application menu or collapsed toolbar shown
  std::function<bool()> win_ex2_visible;                      // popup menu or drop list shown
  std::function<bool()> uppercase_tabs;                       // the skin shows and measures tab captions upper-cased
  std::function<window_handle_()> window_handle;
  std::function<dc_*()> device_context;
  // The host frame's caption quick-access buttons.
  std::function<void(int32_t window_id)> clear_caption_buttons;
  std::function<void(int32_t window_id, const std::string& key, const std::string& text, const std::string& tip,
                     int16_t icon, const std::string& alt_key)>
      add_caption_button;
};

// The bar's mouse and press state (kept by the mouse handlers).
struct ribbon_press_state_ {
  int32_t mouse_x = -1, mouse_y = -1;  // y relative to the frame's top inset
  flag16_ button_down = false_;
  int32_t hot_tab = 0;
  flag16_ app_hover = false_;
  flag16_ app_pressed = false_;  // application menu opened by the button
  int32_t pressed_control = 0;
  int32_t pressed_drop = 0;  // control whose drop part was pressed
  int32_t pressed_cell = 0;
  int32_t pressed_toolbar = 0;
  int32_t pressed_corner = 0;  // toolbar whose corner button was pressed
  flag16_ help_pressed = false_;
  int32_t reported_kind = 0, reported_index = 0;  // last ControlHotChange
  flag16_ focused = false_;
};

// What the layout and the hit tests found last.
struct ribbon_hit_state_ {
  int32_t help_left = -1, help_top = -1, help_right = -1, help_bottom = -1;
  int32_t hot_kind = hot_none_, hot_index = 0;  // written by the bar painter
  int32_t drop_control = 0;                     // by control_at_
  int32_t corner_toolbar = 0;                   // by toolbar_at_
  int32_t body_height = 0;                      // height of the toolbar band
};

// Key tips: shown flag, level (1 main button, tabs and quick buttons; 2 controls of the active
// tab), the keys typed at this level and a group control waiting for its member's digit.
struct ribbon_key_tip_state_ {
  flag16_ shown = false_;
  int16_t level = 0;
  std::string typed;
  int16_t waiting_group = 0;
};

struct ribbon_mouse_rec_ {
  int32_t x = -1, y = -1;
  flag16_ down = false_;
};

// The drop-down windows' state, kept for the windows that show them.
struct ribbon_dropdown_state_ {
  int32_t mode = dropdown_none_;
  int32_t main_hot = 0;  // application menu: item id, -1 options, -2 exit
  ribbon_mouse_rec_ ex1_mouse, ex2_mouse;
  std::string hot_popup_key;
  std::string hot_cell = "0";
  int32_t collapsed_toolbar = 0;  // shown in win_ex1_
  flag16_ inside_ex1 = false_;
  // win_ex1_'s client size, set by the window when it shows a toolbar: the corner-button
  // test takes the painted frame's width from it.
  int32_t ex1_width = 0, ex1_height = 0;
  flag16_ ex1_focused = false_, ex2_focused = false_;
  // The open drop list's scrolling.
  int32_t list_min = 0, list_max = 0, list_top = 0, list_rows = 0, list_page = 0, list_hot = -1;
  float list_press_time = 0;
  int32_t list_pressed_part = 0, list_thumb = 0;
  flag16_ list_scroll_shown = false_;
};

// The mouse-state values kept aside while the frame drags the window.
struct ribbon_saved_hot_ {
  int32_t hot_kind = 0, hot_index = 0;
  int32_t reported_kind = 0, reported_index = 0;
  int32_t pressed_control = 0;
  int32_t pressed_drop = 0, drop_control = 0;
  int32_t pressed_toolbar = 0;
  int32_t pressed_corner = 0, corner_toolbar = 0;
  std::string hot_popup_key, hot_cell;
  int32_t collapsed_toolbar = 0;
};

class xribbon_ {
 public:
  // Metrics of the screen's resolution (the shell's record by default) and of the sprites.
  xribbon_();
  explicit xribbon_(const ui_metrics_rec_& metrics, const ribbon_sprite_metrics_& sprites = {});

  ribbon_hooks_ hooks;

  // ---- Events, in declaration order.
  std::function<void(int16_t scroll_val_)> MouseScroll;
  std::function<void(int16_t btn_)> MainButtonClick;
  std::function<void(const std::string& m_key_)> MainMenuClick;
  std::function<void(const std::string& pm_key_, int32_t pm_index_)> PopupMenuClick;
  std::function<void(const std::string& lt_key_, int32_t lt_index_, int32_t x_, int32_t y_)> ListItemClick;
  std::function<void(const std::string& c_key_, int16_t bgIndex_)> ButtonClick;
  std::function<void(uint8_t object_type_, int32_t control_index_, int32_t c_id_)> ControlHotChange;
  std::function<void(dc_* hdc_, const std::string& key_, const std::string& text_, int32_t ux_, int32_t uy_,
                     int32_t uw_, int32_t uh_, int32_t value_)>
      UserDraw;
  std::function<void(const std::string& q_key_)> QuickButtonClick;
  std::function<void(const std::string& sp_key_)> SpecialButtonClick;  // never raised
  std::function<void(const std::string& t_key_)> TabButtonClick;
  std::function<void(int16_t KeyCode, int16_t Shift)> KeyDown;
  std::function<void(int16_t KeyAscii)> KeyPress;
  std::function<void(int16_t KeyCode)> KeyUp;  // never raised
  std::function<void(const std::string& tbExKey_)> ToolbarExBtnClick;
  std::function<void()> HelpButtonClick;
  std::function<void()> ShowEx;

  // ---- Builder (ids from 1; 0 or false when refused).
  void set_buttonmaintext_(std::string_view bmaintext1_, std::string_view bmaintext2_);
  void set_appicon_(int16_t IconStd_, int16_t IconOver_ = -1, int16_t IconPress_ = -1, int16_t IconSmall_ = 0);
  std::string buttonmaintooltip_() const { return main_tooltip_; }
  void buttonmaintooltip_(std::string_view tooltip_) { main_tooltip_ = trim_blanks_(tooltip_); }
  void buttonmainaltkey_(std::string_view altkey_) { main_alt_key_ = std::string(altkey_); }
  void set_buttonicon_(std::string_view btnkey_, int32_t ico_);
  void set_pmenutext_(std::string_view pmkey_, std::string_view pmtext_);
  void set_mainmenuvisible_(std::string_view mKey_, bool visible_);
  int16_t add_mainmenuitem_(std::string_view m_key_, std::string_view m_text_, std::string_view m_shortcut_ = {},
                            int16_t m_icon_ = 0, std::string_view m_altkey_ = {});
  void clear_btnschecked_(std::string_view key_toolbar_);
  void clear_popupmenu_(int32_t button_id_);
  int16_t add_popupmenuitem_(int32_t button_id_, int32_t group_index_, std::string_view pm_key_,
                             std::string_view pm_text_, std::string_view pm_shortcut_ = {}, bool pmChecked = false,
                             int32_t pm_icon_ = -1, bool pm_boldtext_ = false, std::string_view pm_altkey_ = {},
                             bool pm_visible_ = true, int32_t value_ = 0, bool big_ = false, bool multiselect_ = false);
  int16_t add_list_item_(int32_t button_id_, std::string_view cm_key_, std::string_view cm_text_,
                         bool cmChecked = false, int16_t cm_icon_ = 0, bool cm_boldtext_ = false,
                         std::string_view cm_altkey_ = {});
  bool add_quickbutton_(std::string_view q_key_, std::string_view q_text_ = {}, std::string_view q_tooltip_ = {},
                        int16_t q_icon_ = 0, std::string_view q_altkey_ = {});
  void add_qbs2frm_(int32_t id_);
  bool add_special_button_(std::string_view sp_key_, std::string_view sp_text_ = {}, std::string_view sp_tooltip_ = {},
                        int16_t sp_icon_ = 0, std::string_view sp_altkey_ = {});
  int16_t add_tabtop_(std::string_view t_key_, std::string_view t_text_ = {}, std::string_view t_altkey_ = {},
                      std::string_view t_shortcut_ = {});
  int16_t update_tabs_();
  void set_tabextracolor_(int32_t tid_, int32_t tExtraColor_ = 0);
  int16_t add_toolbar_(int32_t tab_id_, std::string_view tb_key_, std::string_view tb_text_ = {},
                       bool tb_exicon_ = false, std::string_view tb_shortcut_ = {});
  int16_t add_button_(int32_t toolbar_id_, std::string_view c_key_, std::string_view c_text_ = {}, int16_t c_icon_ = 0,
                      int32_t bSizeStd_ = 1, int32_t bSizeMin_ = 1, int32_t c_type_ = 1, bool c_enabled_ = true,
                      std::string_view c_shortcut_ = {}, std::string_view c_altkey_ = {},
                      std::string_view c_tooltip_ = {});
  int16_t add_group_(int32_t toolbar_id_, std::string_view g_key_, std::string_view g_buttons_ = {},
                     int16_t g_firsticon_ = 0, int16_t g_groupstdrow_ = 1, int16_t g_groupminrow_ = 1,
                     bool gEnabled_ = true, std::string_view g_altkey_ = {}, std::string_view g_tooltip_ = {});
  int16_t add_combo_(int32_t toolbar_id_, std::string_view c_key_, std::string_view c_text_ = {},
                     int16_t c_combostdrow_ = 1, int16_t c_combominrow_ = 1, int16_t c_combostdwidth_ = 0,
                     int16_t c_combominwidth_ = 0, bool c_enabled_ = true, std::string_view c_altkey_ = {},
                     std::string_view c_tooltip_ = {});
  int16_t add_separator_(int32_t toolbar_id_, std::string_view s_key_);
  void refresh_() { paint_bar_(false); }

  // ---- Keyed properties (first id whose trimmed key equals the trimmed argument, with case).
  window_handle_ cHWnd() const;
  dc_* cHdc() const;
  int32_t cWidth() const;
  int32_t cHeight() const;
  int32_t pWindowID() const { return window_id_; }
  void pWindowID(int32_t new_id_) { window_id_ = new_id_; }
  flag16_ tben_() const { return to_flag_(!blanked_); }
  void tben_(bool nval_);
  std::string tabtooltip_(int32_t tab_id_) const;
  void tabtooltip_(int32_t tab_id_, std::string_view nval_);
  std::string buttontooltip_(int32_t btnid_) const;
  void buttontooltip_(int32_t btnid_, std::string_view nval_);
  int32_t buttonwidth_(std::string_view btnkey_, bool stdbtn_) const;
  void buttonwidth_(std::string_view btnkey_, bool stdbtn_, int32_t nval_);
  flag16_ buttonchecked_(std::string_view btnkey_) const;
  void buttonchecked_(std::string_view btnkey_, bool nval_);
  std::string buttontext_(std::string_view btnkey_) const;
  void buttontext_(std::string_view btnkey_, std::string_view nval_);
  std::string buttonkey2_(std::string_view btnkey_) const;
  void buttonkey2_(std::string_view btnkey_, std::string_view nval_);
  flag16_ buttonuserdraw_(std::string_view btnkey_) const;
  void buttonuserdraw_(std::string_view btnkey_, bool nval_);
  int32_t btnkey2id_(std::string_view btnkey_) const { return find_control_(btnkey_); }
  int32_t tab_id_() const { return active_tab_; }
  void tab_id_(int32_t id_);
  std::string tabid2key_(int32_t id_) const;
  flag16_ popupmenuchecked_(std::string_view pmkey_) const;
  void popupmenuchecked_(std::string_view pmkey_, bool nval_);
  std::string popupmenutext_(std::string_view pmkey_) const;
  void popupmenutext_(std::string_view pmkey_, std::string_view nval_);
  flag16_ popupmenuvisible_(std::string_view pmkey_) const;
  void popupmenuvisible_(std::string_view pmkey_, bool nval_);
  int32_t popupmenuicon_(std::string_view pmkey_) const;
  void popupmenuicon_(std::string_view pmkey_, int32_t nval_);
  flag16_ toolbarvisible_(std::string_view tb_key_) const;
  void toolbarvisible_(std::string_view tb_key_, bool nval_);
  flag16_ helpicon_() const { return help_icon_; }
  void helpicon_(bool nicon_) { help_icon_ = to_flag_(nicon_); }
  // The ribbon's height: 0 while switched off, else the frame's top inset + the ribbon's height.
  int32_t grbh_() const;

  // ---- Key tips.
  flag16_ altstate_() const { return key_tips.shown; }
  void altstate_(bool new_status_);
  void set_altkey_(int16_t keycode_);

  // ---- Shortcuts and forwarded events.
  void call_event_(int32_t rce_, int32_t arg_ = 0);
  bool call_mscroll_(int16_t scroll_val_);
  bool winex_visible_() const;
  std::string check_shortcut_(int16_t shift_, int16_t keycode_);

  // ---- For the ribbon's own window: size, layout, hit tests, focus.
  // The control's client size in pixels (its scale width and height).
  void set_scale_size_(int32_t width, int32_t height);
  int32_t scale_width_() const { return scale_w_; }
  int32_t scale_height_() const { return scale_h_; }
  // Chooses each toolbar's width on the active tab so that they fit the scale width.
  void fit_toolbars_();
  // The rows the frame covers at the top of the host window (0 for an id outside the frame table).
  int32_t frame_top_offset_() const;
  // Writes the tab and toolbar edges, the help rectangle and the toolbar band's height.
  void layout_bar_();
  // The tabs' scale factor (at most 1) and a tab's drawn width.
  double tab_scale_() const;
  // A toolbar's width in its fit state and a control's rectangle on the bar (relative y) or
  // in the collapsed-toolbar window; false when the bar does not show the control.
  int32_t toolbar_width_(int32_t toolbar_id) const;
  bool control_rect_on_bar_(int32_t control_id, ribbon_rect_& out) const;
  bool control_rect_in_window_(int32_t control_id, ribbon_rect_& out) const;
  int32_t control_at_(int32_t x, int32_t y, bool in_window, std::string& key, int32_t& cell, flag16_& arrow);
  void group_cell_at_(int32_t dx, int32_t dy, int32_t control_id, flag16_& arrow, int32_t& cell) const;
  int32_t toolbar_at_(int32_t x, int32_t y, bool in_window);
  flag16_ any_part_focused_() const;
  void save_hot_state_(bool restore);
  void paint_bar_(bool force);

  // ---- Tables (index = id; element 0 unused) and counts.
  std::vector<ribbon_mainmenu_item_rec_> mainmenu;
  std::vector<menu_item_rec_> popup;
  std::vector<ribbon_list_item_rec_> list_items;
  std::vector<ribbon_quick_button_rec_> quick;
  std::vector<ribbon_special_button_rec_> special;
  std::vector<ribbon_tab_rec_> tabs;
  std::vector<ribbon_toolbar_rec_> toolbars;
  std::vector<ribbon_control_rec_> controls;
  int16_t mainmenu_count = 0, popup_count = 0, list_count = 0, quick_count = 0, special_count = 0;
  int16_t tab_count = 0, toolbar_count = 0, control_count = 0;

  // ---- State of the window parts.
  ribbon_press_state_ press;
  ribbon_hit_state_ hit;
  ribbon_key_tip_state_ key_tips;
  ribbon_dropdown_state_ dropdown;
  ribbon_saved_hot_ saved_hot;

  // Ribbon-wide values.
  std::string main_text1, main_text2;
  std::array<int32_t, 4> main_icons{};  // standard, hover, pressed, small
  const ui_metrics_rec_& metrics() const { return m_; }
  const ribbon_sprite_metrics_& sprites() const { return sprite_; }
  const font_& font() const { return font_ui_; }
  std::string main_alt_key() const { return main_alt_key_; }

 private:
  int32_t text_width_(std::string_view text) const;
  int32_t find_control_(std::string_view key) const;
  int32_t find_toolbar_(std::string_view key) const;
  int32_t find_popup_(std::string_view key) const;
  bool on_active_tab_(int32_t toolbar_id) const;
  void layout_tab_(int32_t id);
  int16_t add_control_(int32_t toolbar_id, std::string_view key, std::string_view text, int32_t icon, int32_t size_std,
                       int32_t size_min, int32_t type, bool enabled, int32_t row_std, int32_t row_min,
                       int32_t width_std, int32_t width_min, std::string_view shortcut, std::string_view alt_key,
                       std::string_view tooltip);
  void place_control_(int32_t id, bool standard, int32_t size_code, int32_t row);
  void widen_toolbar_(int32_t id, bool standard);
  int32_t measure_button_width_(const ribbon_control_rec_& c, bool standard) const;
  void shift_followers_(int32_t id, bool standard);
  // Key tips.
  void set_enabled_(bool enabled);
  void raise_tab_choice_(int32_t tab, bool fit);
  void press_control_key_tip_(int32_t id, int16_t member);
  void press_quick_key_tip_(int32_t id);
  void key_tips_off_();
  void choose_tab_key_tip_(int32_t tab);

  ui_metrics_rec_ m_;
  ribbon_sprite_metrics_ sprite_;
  font_ font_ui_;
  int32_t scale_w_ = 0, scale_h_ = 0;
  int32_t active_tab_ = 0;
  int32_t window_id_ = 0;
  bool blanked_ = false;
  flag16_ help_icon_ = false_;
  std::string main_tooltip_, main_alt_key_;
};
