// The tab strip xctoolbar_: a 25-pixel strip of keyed items in one of two styles. Tab style
// (tabsstyle_ -1): a press makes an item the active tab and raises TabClick. Button style (0,
// at creation): flat buttons with optional icons and "-" separators; a release over the item
// pressed raises ButtonClick. Keys are stored trimmed and upper-cased; it holds 255 items.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "ui/controls/control_base.h"

struct tab_item_rec_ {
  std::string key;   // trimmed, upper case
  std::string text;  // trimmed
  int32_t icon = 0;  // icon table entry; below 1 none
  int32_t left = 0, right = 0;
};

inline constexpr int32_t tab_item_limit_ = 255;
inline constexpr int32_t tab_strip_height_ = 25;

struct tab_strip_state_ {
  std::array<tab_item_rec_, tab_item_limit_> items{};  // items[0] is id 1
  int32_t count = 0;
  int16_t style = 0;  // -1 tab style, anything else button style
  int32_t active = 0, hover = 0, pressed = 0;
  flag16_ button_down = false_;
  int32_t mouse_x = -1, mouse_y = -1;
  flag16_ captured = false_;
};

// A key as the strip stores and compares it: blanks trimmed, ASCII and Polish letters upper-cased.
std::string tab_key_of_(std::string_view key);
// Appends an item measured by text_width; false (nothing added) on a full strip.
bool tab_add_(tab_strip_state_& s, std::string_view key, std::string_view text, int32_t icon,
              const std::function<int32_t(std::string_view)>& text_width);
// The first id whose item holds x (left <= x < right), 0 for none.
int32_t tab_at_(const tab_strip_state_& s, int32_t x);
// The stored key of an id, "" outside 1..count.
std::string tab_key_(const tab_strip_state_& s, int32_t id);
// The first id with that key (compared as stored), 0 for none.
int32_t tab_index_(const tab_strip_state_& s, std::string_view key);
// The state button style paints an item with: 1 plain, 2 hover, 4 pressed.
int32_t tab_button_state_(const tab_strip_state_& s, int32_t id);

class xctoolbar_ : public xc_control_ {
 public:
  xctoolbar_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  ~xctoolbar_() override;

  std::function<void(const std::string& tabkey)> TabClick;
  std::function<void(const std::string& btnkey)> ButtonClick;
  std::function<void(int16_t key_code, int16_t shift)> KeyDown;
  std::function<void(int16_t key_ascii)> KeyPress;

  void ref_();
  int16_t tabsstyle_() const { return st_.style; }
  void tabsstyle_(int16_t value);
  // Refused silently on a full strip.
  void add_(std::string_view key, std::string_view text, int32_t ico = 0);
  std::string activetab_() const { return tab_key_(st_, st_.active); }
  void activetab_(std::string_view skey);
  void clear_mpo_();
  const tab_strip_state_& state_() const { return st_; }

 private:
  void on_mouse_(const mouse_event_& m);
  void keep_height_();

  tab_strip_state_ st_;
};
