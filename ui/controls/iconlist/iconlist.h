// The icon list xcmemoitems_: rows of text with one shared 16-pixel icon, each with an integer
// id. The host adds rows, may sort them by id, and reads the id of the row the user pressed;
// a skinned scroll bar appears when the rows are taller than the list. DblClick is its event.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/types.h"
#include "ui/controls/control_base.h"

struct memo_item_rec_ {
  std::string text;  // at most 256 characters
  int32_t id = 0;
  int32_t top = 0, bottom = 0, height = 0;  // set by every layout
};

struct memo_state_ {
  std::vector<memo_item_rec_> rows;
  int32_t selected = 0;  // kept by clear_
  int32_t icon = 0;
  flag16_ focused = false_;
  int32_t mouse_x = -1, mouse_y = -1;
  flag16_ pressed = false_;
  flag16_ scroll_strip = false_;
  int32_t scroll_range = 0, scroll_pos = 0;
  int32_t thumb_length = 10;
  flag16_ bar_shown = false_;
  int32_t pressed_part = 0;
  int32_t page_size = 0;
  flag16_ captured = false_;
};

inline constexpr int32_t memo_text_limit_ = 256;
inline constexpr int32_t memo_strip_width_ = 19;

// A row's text as stored: cut to 256 characters (UTF-8 aware).
std::string memo_text_of_(std::string_view text);
// Largest id first, by the exchange the list has always made.
void memo_sort_(std::vector<memo_item_rec_>& rows);
// Lays the rows out from the scroll position in a client height_px high with rows row_h high;
// sets the scroll range, whether the bar shows, and clamps the position.
void memo_layout_(memo_state_& s, int32_t height_px, int32_t row_h);
// The row (0-based) under the mouse for the hover look, -1 for none (uses the bar of the
// previous layout, as painting does).
int32_t memo_row_under_(const memo_state_& s, int32_t width_px, bool bar_shown);

class xcmemoitems_ : public xc_control_ {
 public:
  xcmemoitems_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  ~xcmemoitems_() override;

  std::function<void()> DblClick;

  void refresh_() { memo_paint_(nullptr); }
  void clear_();
  void add_(std::string_view text, int32_t vid);
  void sort_() { memo_sort_(st_.rows); }
  void seticon_(std::string_view iconfolder, std::string_view icon16file);
  int32_t item_id_() const { return st_.selected; }
  const memo_state_& state_() const { return st_; }

 private:
  // Paints the whole list; returns the scroll part under a held press and, during a thumb
  // drag, writes the new scroll position.
  int32_t memo_paint_(int32_t* drag_pos);
  void memo_track_capture_(int32_t x, int32_t y);
  void on_mouse_(const mouse_event_& m);
  void press_(const mouse_event_& m);

  memo_state_ st_;
};
