// The date field xccalendar_: a drop-down box showing one date, with a month page that opens
// below it. The page shows the month Monday first, with a title, weekday headers and buttons
// for the month before and after; picking a day sets the date, closes the page and raises
// ItemClick. Dates are days since 30 December 1899, the fraction the time of day.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/core/types.h"
#include "ui/controls/control_base.h"

// ---- dates ----
struct civil_date_ {
  int32_t year = 1899, month = 12, day = 30;
  friend bool operator==(const civil_date_&, const civil_date_&) = default;
};
inline constexpr int32_t calendar_first_year_ = 100;
inline constexpr int32_t calendar_last_year_ = 9999;
double date_serial_(int32_t year, int32_t month, int32_t day);
// The calendar day of a date (the time of day dropped); 30 December 1899 for a date outside
// the years 100..9999.
civil_date_ civil_of_(double date);
// 1 Monday .. 7 Sunday.
int32_t weekday_monday_first_(int32_t year, int32_t month, int32_t day);
int32_t days_in_month_(int32_t year, int32_t month);
// Rows the month's page needs: weeks from the one holding the 1st to the one holding the last day.
int32_t month_rows_(int32_t year, int32_t month);
// Moves shown (a date in the shown month) by n months to the 1st of that month. False, with
// shown unchanged, for n of 0 or beyond +-12 and for a month outside the years 100..9999.
bool calendar_step_month_(double& shown, int32_t n);
// The field's text: empty for the date 0 and dates outside the years 100..9999, else dd, mm and
// yyyy joined by the separator.
std::string calendar_date_text_(double date, std::string_view separator);
// Locale: the full month name (1..12) and the date separator, from the C library's locale.
std::string calendar_month_name_(int32_t month);
std::string calendar_date_separator_();

// ---- the month page's geometry ----
struct calendar_cell_rec_ {
  int16_t x = 0, y = 0, width = 0, height = 0;
};
// Cells by id + 2: id -2 the previous-month button, -1 the next-month one, 1..31 the days.
struct calendar_page_layout_ {
  std::array<calendar_cell_rec_, 34> cells{};
  int32_t needed_width = 0, needed_height = 0;
  int32_t rows = 0;
  const calendar_cell_rec_& cell(int32_t id) const { return cells[size_t(id + 2)]; }
};
// Lays out the page of year/month for character cells cw x ch (the widths of "XXX" and "X")
// on a page page_width wide (the navigation buttons hang from its right edge).
calendar_page_layout_ calendar_layout_(int32_t year, int32_t month, int32_t cw, int32_t ch, int32_t page_width);
// The id under a page point (x <= px < x + width, ...), 0 for none.
int32_t calendar_cell_at_(const calendar_page_layout_& l, int32_t px, int32_t py);

// Properties saved with the host's form, passed in at creation.
struct calendar_props_ {
  double current_date = -1;  // below 0: today
  flag16_ enabled = true_;
  int32_t fore_color = 0;
  flag16_ focus_rect = true_;
};

struct calendar_state_ {
  double current_date = 0, shown_month = 0;
  flag16_ enabled = true_;
  int32_t fore_color = 0;
  flag16_ focus_rect = true_;
  int32_t face = 1;
  flag16_ focused = false_, armed = false_, hovered = false_, space_down = false_, button_held = false_,
          captured = false_;
  int32_t page_mouse_x = 0, page_mouse_y = 0;
  flag16_ page_pressed = false_;
  calendar_page_layout_ page;
};

// Where an opened drop-down is registered with the shell (the shell hides it on a frame press).
void set_dropdown_registrar_(std::function<void(window_handle_)> registrar);

class xccalendar_ : public xc_control_ {
 public:
  xccalendar_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height, calendar_props_ props = {});
  ~xccalendar_() override;

  std::function<void()> Click, DblClick;
  std::function<void(int32_t item)> ItemClick;
  std::function<void(int16_t button, int16_t shift, float x, float y)> MouseMove;

  void refresh_() { paint_field_(-1); }
  void focus_() override;
  window_handle_ hwnd() const { return window_ptr_ ? window_ptr_->handle_() : 0; }
  double CurrentDate() const { return st_.current_date; }
  void CurrentDate(double value);
  flag16_ Enabled() const { return st_.enabled; }
  void Enabled(flag16_ value);
  int32_t ForeColor() const { return st_.fore_color; }
  void ForeColor(int32_t value);
  flag16_ FocusRect() const { return st_.focus_rect; }
  void FocusRect(flag16_ value);
  void HideCalendar();
  // Saved properties changed since creation (for the host's form data).
  const calendar_props_& props_() const { return saved_; }

  const calendar_state_& state_() const { return st_; }
  window_* page_window_() const { return page_ && page_->exists_() ? page_.get() : nullptr; }
  bool page_open_() const;

 private:
  void paint_field_(int32_t face);
  int32_t paint_page_();  // the cell under a held press, else 0
  void open_page_(flag16_ flag);
  void hide_page_();
  void on_mouse_(const mouse_event_& m);
  void on_page_mouse_(const mouse_event_& m);
  void on_key_(const key_event_& k);
  void on_focus_(bool got);
  void step_month_(int32_t n);

  calendar_state_ st_;
  calendar_props_ saved_;
  std::unique_ptr<window_> page_;
};
