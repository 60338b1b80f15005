// The combo box xccombobox_: a closed field showing a text (with a colour swatch or an icon
// beside it when the items carry them) and a drop list of items under the field. The user
// picks from the list; the field takes no typing. Items are numbered from 0 and carry a text,
// a value, two extra texts, a string value, a colour or icon number and a hidden flag.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/types.h"
#include "ui/controls/combo/combo_shell.h"
#include "ui/controls/control_base.h"

// An item's text: a text, or a number when the host passed one (numbers sort as numbers).
struct combo_text_ {
  std::string text;
  bool is_number = false;
  double number = 0;
  combo_text_() = default;
  combo_text_(std::string_view t) : text(t) {}
  combo_text_(const char* t) : text(t ? t : "") {}
  combo_text_(const std::string& t) : text(t) {}
  combo_text_(double n);
  combo_text_(int32_t n) : combo_text_(double(n)) {}
};

// The extra text, or an array whose two elements are the extra and the second extra text.
struct combo_extra_ {
  std::string first, second;
  combo_extra_() = default;
  combo_extra_(std::string_view t) : first(t) {}
  combo_extra_(const char* t) : first(t ? t : "") {}
  combo_extra_(const std::string& t) : first(t) {}
  combo_extra_(std::string_view a, std::string_view b) : first(a), second(b) {}
};

struct combo_item_rec_ {
  combo_text_ text;
  std::string extra, extra2;
  int32_t value = 0;
  int32_t colour = -1;  // 0 and above a swatch colour, -1 none, below -1 an icon number
  std::string str_value;
  flag16_ hidden = false_;
};

// The saved properties, passed in at creation.
struct combo_props_ {
  std::string text;
  flag16_ enabled = true_;
  int32_t fore_color = 0;
};

struct combo_state_ {
  std::vector<combo_item_rec_> items;
  std::string text;
  int32_t fore_color = 0;
  flag16_ enabled = true_;
  int32_t list_index = -1;
  flag16_ has_colours = false_, icon_mode = false_, border = true_, needs_bar = false_;
  int32_t max_visible = 10;
  int32_t text_value = 0;
  int32_t field_state = 1;  // 1 normal, 2 hover on the text, 3 hover on the arrow, 4 pressed or open
  flag16_ focused = false_, mouse_inside = false_, left_pressed = false_, space_down = false_,
          mouse_pressed = false_, dbl_click = false_, captured = false_;
  // The drop list.
  int32_t top_row = 0, scroll_min = 0, scroll_max = 0, page_step = 1, last_index = -1, hot_row = -1;
  flag16_ over_list = false_, list_pressed = false_;
  int32_t list_x = -1, list_y = -1;
  int32_t pressed_part = 0;
  double press_time = 0;
  flag16_ list_open = false_;  // this combo set combo_list_open_ and its list has not closed since
};

// ---- the item store, headless ----
// Adds an item as AddItem does; returns its index.
int32_t combo_add_item_(combo_state_& st, combo_text_ itext, int32_t ivalue, flag16_ ibefore, int32_t icolor,
                        const combo_extra_& itext_ex, std::string_view itext_value, flag16_ del);
// The text form of an item's text.
std::string combo_text_of_(const combo_text_& t);
// The index a getter reads, or -1 when id is out of range.
int32_t combo_item_at_(const combo_state_& st, int32_t id);
// The first index holding the value / string value, 0 when none.
int32_t combo_find_value_(const combo_state_& st, int32_t value);
int32_t combo_find_str_value_(const combo_state_& st, std::string_view value);
// The first item whose text equals t exactly, -1 when none.
int32_t combo_find_text_(const combo_state_& st, std::string_view t);
// Sort key text of an item: numbers and numeric texts unchanged, other texts lower-cased with
// the Polish letters folded to their base letters.
std::string combo_sort_key_(const combo_text_& t);
// Heap sort by the keys; an empty list stays empty.
void combo_sort_(combo_state_& st);
// Height of the open list: one row per shown item up to max_visible, plus 4.
int32_t combo_list_height_(const combo_state_& st, int32_t row_height);

class xccombobox_ : public xc_control_ {
 public:
  xccombobox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height, combo_props_ props = {});
  ~xccombobox_() override;

  // Events.
  std::function<void()> Click, DblClick, ComboShow;
  std::function<void(int32_t item)> ItemClick;
  std::function<void(int16_t button, int16_t shift, float x, float y)> MouseMove;
  std::function<void(int16_t scroll_val)> MouseScroll;
  std::function<void(int16_t key_code, int16_t shift)> KeyDown;
  std::function<void(int16_t key_ascii)> KeyPress;  // declared, never raised

  void refresh_() { paint_field_(-1); }
  void focus_() override;
  window_handle_ hwnd() const { return window_ptr_ ? window_ptr_->handle_() : 0; }
  void text(std::string_view value);
  const std::string& text() const { return st_.text; }
  void Enabled(flag16_ value);
  flag16_ Enabled() const { return st_.enabled; }
  void ForeColor(int32_t value);
  int32_t ForeColor() const { return st_.fore_color; }
  void show_combo_();
  // The item's text (its extra text with t2), the empty text when id is out of range.
  std::string List(int32_t id, flag16_ t2 = false_) const;
  int32_t ListValue(int32_t id) const;
  std::string ListStrValue(int32_t id) const;
  std::string ListStrExValue(int32_t id) const;
  std::string ListStrExValue2(int32_t id) const;
  int32_t ListCount() const { return int32_t(st_.items.size()); }
  int32_t ListIndex() const { return st_.list_index; }
  void ListIndex(int32_t value);
  int32_t FindIdByValue(int32_t value) const { return combo_find_value_(st_, value); }
  int32_t FindIdByStrValue(std::string_view value) const { return combo_find_str_value_(st_, value); }
  void HideCombo();
  int32_t AddItem(combo_text_ itext = {}, int32_t ivalue = 0, flag16_ ibefore = false_, int32_t icolor = -1,
                  const combo_extra_& itext_ex = {}, std::string_view itext_value = {}, flag16_ del = false_) {
    return combo_add_item_(st_, std::move(itext), ivalue, ibefore, icolor, itext_ex, itext_value, del);
  }
  void Clear();
  void Sort() { combo_sort_(st_); }
  int32_t TextValue() const { return st_.text_value; }
  void TextValue(int32_t value) { st_.text_value = value; }
  flag16_ call_mscroll_(int16_t scroll_val);
  void maxitemvis_(int32_t mv) {
    if (mv > 1 && mv <= 20) st_.max_visible = mv;
  }
  flag16_ draw_icon_() const { return st_.icon_mode; }
  void draw_icon_(flag16_ value) { st_.icon_mode = value; }
  flag16_ border_() const { return st_.border; }
  void border_(flag16_ value) { st_.border = value; }

  // Saved properties changed since creation, for the host's form data.
  const combo_props_& props_() const { return saved_; }
  const combo_state_& state_() const { return st_; }
  window_* list_window_() const { return list_ && list_->exists_() ? list_.get() : nullptr; }
  bool list_visible_() const;

 private:
  void paint_field_(int32_t state);  // -1 keeps the field state
  int32_t paint_list_(int32_t* drag_value = nullptr);
  void open_list_();
  void hide_list_();
  void list_closed_();
  void sync_list_flag_();
  void step_list_(int32_t delta);
  void on_mouse_(const mouse_event_& m);
  void on_list_mouse_(const mouse_event_& m);
  void on_key_(const key_event_& k);
  void on_focus_(bool got);

  combo_state_ st_;
  combo_props_ saved_;
  std::unique_ptr<window_> list_;
  // Expires with the combo: handlers that run host code or pending events check it after.
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
};
