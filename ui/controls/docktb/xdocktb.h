// The docking toolbar control: the menu bar and every toolbar of the classic interface as tool
// windows docked in rows of four dock areas (top, bottom, left, right) or floating above the
// main window. Buttons live in one store shared by all tool windows and are found by key.
//
// Files: xdocktb_model.cpp (store, building, properties), xdocktb_layout.cpp (sizes, slot
// walk, showing), xdocktb_rows.cpp (rows and placement), xdocktb_keys.cpp (text boxes and
// shortcuts), xdocktb_state.cpp (the layout file), xdocktb_queries.cpp (tool-window queries).
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/window.h"
#include "ui/controls/docktb/docktb_records.h"

class dc_;

class xdocktb_ {
 public:
  xdocktb_();
  ~xdocktb_();
  xdocktb_(const xdocktb_&) = delete;
  xdocktb_& operator=(const xdocktb_&) = delete;

  // ---- Events, raised synchronously; unset ones are skipped.
  std::function<void(int16_t status_)> WinActivate;
  std::function<void(int32_t tbid_, int32_t bid_, const std::string& key_, const std::string& key2_,
                     int32_t value_, dc_* uhdc_, int32_t ux_, int32_t uy_, int32_t uw_, int32_t uh_,
                     int32_t um_, int16_t vert_)>
      UserDraw;
  std::function<void(int32_t bid_, const std::string& key_, const std::string& Item_, int32_t value_,
                     const std::string& text_, dc_* uhdc_, int32_t ux_, int32_t uy_, int32_t uw_,
                     int32_t uh_, int32_t um_)>
      ItmDraw;
  std::function<void(int32_t tbid_, int32_t bid_, const std::string& key_, int32_t phwnd_, int32_t ux_,
                     int32_t uy_, int32_t uw_, int32_t uh_)>
      TextboxFocus;
  std::function<void(int32_t tbid_, int32_t btn_, int32_t bid_, const std::string& key_, int32_t mx_,
                     int32_t my_)>
      MenuItemClick;
  std::function<void(int32_t tbid_, int32_t bid_, const std::string& key_, const std::string& key2_)>
      ButtonClick;
  std::function<void(int16_t button_, int16_t shift_, float x_, float y_)> MouseDown;
  std::function<void()> ResizeDocks;
  std::function<void(int32_t tbid_)> ToolbarShow;
  std::function<void(int32_t tbid_)> ToolbarHide;
  std::function<void(int32_t tbid_, int32_t btn_, int32_t bid_, const std::string& key_)> PressEnter;
  std::function<void(int16_t KeyAscii)> KeyPress;
  std::function<void(int16_t KeyCode, int16_t Shift)> KeyDown;
  std::function<void(int16_t KeyCode, int16_t Shift)> KeyUp;

  // ---- Building.
  void dock_(int32_t main_hwnd_, int32_t d_top_hwnd_, int32_t d_bottom_hwnd_, int32_t d_left_hwnd_,
             int32_t d_right_hwnd_);
  int32_t add_toolbar_(const std::string& title_, int32_t dock_ = 0, int32_t rownr_ = 1,
                       int32_t posx_ = -1, int32_t posy_ = -1, bool menu_ = false, int32_t snap_ = 0,
                       bool close_ = false);
  // Writes the normalised key back into btn_key_ and 0 into btn_ico_ for types 4 to 7.
  int32_t add_button_(int32_t tbid_, std::string& btn_key_, std::string& btn_text_,
                      int32_t btn_type_ = 1, int32_t* btn_ico_ = nullptr, bool show_text_ = false,
                      const std::string& btn_tip_ = "", bool check_ = false, bool sep_ = false,
                      int32_t csize_ = 100, int32_t cwidth_ = 0, int32_t maxitems_ = 0,
                      const std::string& key2_ = "", int32_t xc_hwnd_ = 0);
  int32_t add_menu_(int32_t bid_, const std::string& key_, const std::string& text_,
                    const std::string& shortcut_ = "", bool check_ = false, int32_t icon_ = 0,
                    bool bold_ = false, bool visible_ = true, bool customdraw_ = false,
                    bool customtext_ = false, int32_t value_ = 0);
  int32_t add_submenu_(int32_t bid_, int32_t sub_, const std::string& key_, const std::string& text_,
                       const std::string& shortcut_ = "", bool check_ = false, int32_t icon_ = 0,
                       bool bold_ = false, bool visible_ = true, bool customdraw_ = false,
                       bool customtext_ = false, int32_t value_ = 0);

  // ---- Plain properties (getters give 0 or "" out of range; setters then do nothing).
  std::string toolbar_title_(int32_t tbid_) const;
  void toolbar_title_(int32_t tbid_, const std::string& val_);
  flag16_ button_ckeck_(int32_t bid_) const;
  void button_ckeck_(int32_t bid_, flag16_ val_);
  int32_t button_ico_(int32_t bid_) const;
  void button_ico_(int32_t bid_, int32_t val_);
  std::string button_key_(int32_t bid_) const;
  void button_key_(int32_t bid_, const std::string& val_);
  std::string button_key2_(int32_t bid_) const;
  void button_key2_(int32_t bid_, const std::string& val_);
  flag16_ button_cdraw_(int32_t bid_) const;
  void button_cdraw_(int32_t bid_, flag16_ val_);
  std::string button_text_(int32_t tbid_, int32_t btn_) const;
  void button_text_(int32_t tbid_, int32_t btn_, const std::string& val_);

  int32_t key2id_(const std::string& btnkey_, bool k2_ = false) const;
  static int32_t mix_color_(int32_t c1_, int32_t c2_, float mix_ = 0.5f);

  // ---- Showing and layout.
  int32_t show_toolbar_all_();
  int32_t show_toolbar_(int32_t tbid_, int32_t x_ = 0, int32_t y_ = 0);
  void update_(bool refall_ = false, bool recalc_ = false);
  void resize_tool_(int32_t tbid_);
  void resize_tools_(bool all_ = false);
  flag16_ btn_visible_(int32_t tbid_, int32_t btn_) const;
  void btn_visible_(int32_t tbid_, int32_t btn_, flag16_ value_);
  // Asks tool window tbid_, or every one when tbid_ is not a tool window id, to be painted anew.
  void refresh(int32_t tbid_);

  // ---- Menus (the parts the keyboard needs).
  void hide_menu_();

  // ---- Keyboard.
  void key_event_(int16_t keycode, int16_t shift, int16_t keyascii);
  int32_t getfocus_(const std::string& key, int32_t& tbid, int32_t& btn) const;

  // ---- Layout file.
  void state_save_(const std::string& file_);
  void state_load_(const std::string& file_);
  // The checks and repairs of state_load_ on the file's bytes (the file reader's core).
  void state_load_bytes_(std::string_view data);
  void state_disable_() { save_disabled = true_; }

  // ---- Queries and menu maintenance.
  int32_t tbcount_() const { return toolbar_count; }
  std::string tbtitle_(int32_t tbid) const;
  flag16_ tbclose_(int32_t tbid) const;
  flag16_ tbvisible_(int32_t tbid) const;
  void tbvisible_(int32_t tbid, flag16_ vis);
  flag16_ cursortb_() const;
  void erase_menu_(int32_t bid, int32_t menu);
  int32_t icount_menu_(int32_t bid, int32_t menu) const;

  // ---- Internal operations shared by the control's files.
  bool valid_toolbar_(int32_t t) const { return t >= 1 && t <= toolbar_count; }
  bool valid_button_(int32_t b) const { return b >= 1 && b <= button_count; }
  dock_button_rec_& button_(int32_t id) { return buttons[size_t(id + dock_toolbar_limit_)]; }
  const dock_button_rec_& button_(int32_t id) const { return buttons[size_t(id + dock_toolbar_limit_)]; }
  window_* tool_window_(int32_t t) const;   // the tool window's window, or null
  window_* dock_window_(dock_area_code_ a) const;  // the dock-area window, or null
  window_* main_window_() const;
  // Width of a text in the interface font (13 pixels high), through the replaceable measurer.
  int32_t text_width_(std::string_view text) const;

  int32_t item_adder_(int32_t entry, int32_t parent, const std::string& key, const std::string& text,
                      const std::string& shortcut, flag16_ check, int32_t icon, flag16_ bold,
                      flag16_ visible, flag16_ customdraw, flag16_ customtext, int32_t value);
  int32_t slot_button_id_(int32_t tbid, int32_t btn) const;

  int32_t button_width_(int32_t t, dock_area_code_ a, int32_t i) const;
  int32_t button_height_(int32_t t, dock_area_code_ a, int32_t i) const;
  // Lays the visible slots out for area a, storing each slot's rectangle.
  void layout_slots_(int32_t t, dock_area_code_ a);
  int32_t measure_toolbar_(int32_t t, dock_area_code_ a);
  int32_t find_window_rec_(int32_t t) const;
  int32_t toolbar_of_window_(int32_t window_index) const;
  int32_t row_predecessor_(int32_t t, dock_area_code_ a) const;
  void parent_tool_window_(int32_t t);
  void reparent_embedded_(int32_t t);
  void apply_record_(int32_t k);  // moves and sizes the record's window to it
  // Loads a new window for tool window t and returns its index; the window it replaces is
  // passed out so that the caller retires it once the embedded windows have moved over.
  int32_t load_tool_window_(int32_t t, int32_t& replaced);
  void retire_window_(int32_t index);
  void place_new_record_(int32_t t, int32_t k, int32_t fx, int32_t fy);
  void resize_tool_window_(int32_t t);  // the window to its record's length, then repainted
  // Sets a window's size and keeps its place (its parent's client position for a child).
  static void resize_keep_place_(window_& w, int32_t width, int32_t height);
  void set_centre_(dock_window_rec_& r) const;

  int32_t count_row_windows_(dock_area_code_ a, int32_t r) const;
  int32_t row_thickness_(dock_area_code_ a, int32_t r, int32_t k) const;
  flag16_ row_has_menu_(dock_area_code_ a, int32_t r) const;
  void remove_row_(dock_area_code_ a, int32_t r);
  int32_t insert_row_(dock_area_code_ a, int32_t r);
  int32_t row_neighbour_(dock_area_code_ a, int32_t k, int32_t d) const;
  void push_row_neighbours_(dock_area_code_ a, int32_t k, int32_t d);
  int32_t choose_row_(int32_t t, dock_area_code_ a, int32_t m);
  void relayout_dock_area_(int32_t t, dock_area_code_ a, int32_t m);
  void size_dock_area_(dock_area_code_ a);
  void place_in_dock_(int32_t m, dock_area_code_ a, int32_t t, int32_t x, int32_t y);
  dock_area_code_ dock_area_at_cursor_(int32_t t) const;
  void recompute_row_positions_(dock_area_code_ a);

  void focus_text_item_(int32_t tbid, int32_t btn, flag16_ select_all);
  void match_shortcut_(int16_t keycode, int16_t shift);

  std::string encode_layout_() const;  // the layout file's bytes for the live layout

  void seed_random_(uint32_t seed) { rng.seed(seed); }
  double random_unit_();  // in [0, 1)

  // ---- State.
  std::array<dock_toolbar_rec_, dock_toolbar_limit_ + 1> toolbars{};  // 1..64
  int32_t toolbar_count = 0;
  std::vector<dock_button_rec_> buttons;  // ids -64..1024 through button_()
  int32_t button_count = 0;
  int32_t main_hwnd = 0;
  std::array<int32_t, 5> dock_hwnd{};  // areas 1..4
  std::vector<dock_window_rec_> windows{dock_window_rec_{}};  // 1..window_count
  int32_t window_count = 0;
  dock_rows_rec_ rows;
  int32_t windows_loaded = 0;

  flag16_ layout_loaded = 0;
  flag16_ save_disabled = 0;
  toolbar_layout_file_rec_ saved;  // the layout read from (or written to) the layout file

  int32_t close_press_tb = 0, close_hot_tb = 0, endbtn_menu_tb = 0;
  flag16_ button_down = 0, grip_down = 0;
  dock_hit_rec_ last_hit, press_hit, hover_hit, prev_hover_hit;
  flag16_ menu_open = 0;
  int32_t menu_tb = 0, menu_slot = 0;
  flag16_ main_active = 0;

  // tool_[i] is the window of window index i; menu1_ and menu2_ the drop-down and sub-menu.
  std::vector<std::unique_ptr<window_>> tool_;
  std::unique_ptr<window_> menu1_, menu2_;

  std::mt19937 rng{1};
};
