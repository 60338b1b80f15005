// The calendar field: date maths, month pages and steps, and a day picked on the page.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/input/key_codes.h"
#include "ui/controls/calendar/calendar.h"
#include "ui/controls/xc_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

TEST(calendar_dates, serials_and_weekdays) {
  EXPECT_EQ(date_serial_(1899, 12, 30), 0.0);
  EXPECT_EQ(date_serial_(1900, 1, 1), 2.0);
  EXPECT_EQ(date_serial_(2000, 1, 1), 36526.0);
  EXPECT_EQ(civil_of_(45000.75), (civil_date_{2023, 3, 15}));
  EXPECT_EQ(civil_of_(-1.5), (civil_date_{1899, 12, 29}));
  EXPECT_EQ(weekday_monday_first_(2025, 3, 1), 6);  // a Saturday
  EXPECT_EQ(weekday_monday_first_(2016, 2, 1), 1);
  EXPECT_EQ(days_in_month_(2016, 2), 29);
  EXPECT_EQ(days_in_month_(1900, 2), 28);
}

TEST(calendar_dates, rows_of_a_month_page) {
  const int32_t cases[][3] = {{2025, 3, 6}, {2025, 9, 5}, {2016, 2, 5}, {2021, 2, 4}, {2026, 11, 6}};
  for (auto [y, m, rows] : cases) EXPECT_EQ(month_rows_(y, m), rows) << y << "-" << m;
}

TEST(calendar_dates, month_steps) {
  double d = date_serial_(2024, 12, 17);
  ASSERT_TRUE(calendar_step_month_(d, 1));
  EXPECT_EQ(civil_of_(d), (civil_date_{2025, 1, 1}));
  ASSERT_TRUE(calendar_step_month_(d, -12));
  EXPECT_EQ(civil_of_(d), (civil_date_{2024, 1, 1}));
  ASSERT_TRUE(calendar_step_month_(d, -1));
  EXPECT_EQ(civil_of_(d), (civil_date_{2023, 12, 1}));
  // Refused: 0, beyond a year, and leaving the years 100..9999.
  for (int32_t n : {0, 13, -13}) EXPECT_FALSE(calendar_step_month_(d, n));
  double last = date_serial_(9999, 12, 5);
  EXPECT_FALSE(calendar_step_month_(last, 1));
  EXPECT_EQ(civil_of_(last), (civil_date_{9999, 12, 5}));
  double first = date_serial_(100, 1, 20);
  EXPECT_FALSE(calendar_step_month_(first, -1));
  EXPECT_TRUE(calendar_step_month_(first, 11));
}

TEST(calendar_dates, field_text) {
  EXPECT_EQ(calendar_date_text_(0, "/"), "");
  EXPECT_EQ(calendar_date_text_(0.4, "/"), "");
  EXPECT_EQ(calendar_date_text_(date_serial_(2025, 3, 7) + 0.5, "."), "07.03.2025");
  // Dates the field cannot show read empty instead of a wrong day.
  for (double bad : {1e300, -1e300, std::nan(""), date_serial_(10000, 1, 1), date_serial_(99, 12, 31)})
    EXPECT_EQ(calendar_date_text_(bad, "/"), "") << bad;
  EXPECT_EQ(civil_of_(1e300), civil_date_{});
}

TEST(calendar_layout, cells_monday_first) {
  // "XXX" 21 pixels, "X" 13 high: columns of 27, rows of 19.
  const calendar_page_layout_ l = calendar_layout_(2025, 3, 21, 13, 241);
  EXPECT_EQ(l.rows, 6);
  EXPECT_EQ(l.needed_width, 7 * 21 + 52);
  EXPECT_EQ(l.needed_height, (6 + 2) * 19 + 13 + 8);
  const calendar_cell_rec_& first = l.cell(1);  // Saturday of the first row
  EXPECT_EQ(first.x, 5 * 27 + 8 - 3);
  EXPECT_EQ(first.y, 3 * 19 - 3);
  EXPECT_EQ(l.cell(31).x, 8 - 3);  // Monday of the sixth row
  EXPECT_EQ(l.cell(31).y, 8 * 19 - 3);
  EXPECT_EQ(l.cell(-1).x, 241 - 5 - 27);
  EXPECT_EQ(calendar_cell_at_(l, first.x, first.y), 1);
  EXPECT_EQ(calendar_cell_at_(l, 6, 6), -2);
  const calendar_page_layout_ feb = calendar_layout_(2025, 2, 21, 13, 241);
  EXPECT_EQ(feb.cell(29).width, 0);  // days the month lacks are never hit
  EXPECT_EQ(calendar_cell_at_(feb, 0, 0), 0);
}

struct calendar_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    host = make_host_();
    calendar_props_ p;
    p.current_date = date_serial_(2025, 12, 10);
    field = std::make_unique<xccalendar_>(*host, 20, 20, 120, 21, p);
    field->ItemClick = [this](int32_t d) { picked = d; };
  }
  std::unique_ptr<window_> host;
  std::unique_ptr<xccalendar_> field;
  beep_counter_ beeps;
  int32_t picked = 0;
};

TEST_F(calendar_fixture, press_opens_the_page_and_a_day_is_picked) {
  click_at_(*field->win_(), 10, 10);
  ASSERT_TRUE(field->page_open_());
  window_& page = *field->page_window_();
  EXPECT_EQ(page.window_rect_().left, field->win_()->window_rect_().left);
  EXPECT_EQ(page.window_rect_().top, field->win_()->window_rect_().bottom);
  EXPECT_EQ(page.client_height_(), field->state_().page.needed_height);
  const calendar_cell_rec_ c = field->state_().page.cell(24);
  click_at_(page, c.x + 2, c.y + 2);
  EXPECT_EQ(picked, 24);
  EXPECT_EQ(civil_of_(field->CurrentDate()), (civil_date_{2025, 12, 24}));
  EXPECT_FALSE(field->page_open_());
}

TEST_F(calendar_fixture, next_month_from_december_and_keys) {
  click_at_(*field->win_(), 10, 10);
  ASSERT_TRUE(field->page_open_());
  const calendar_cell_rec_ next = field->state_().page.cell(-1);
  click_at_(*field->page_window_(), next.x + 3, next.y + 3);
  EXPECT_EQ(civil_of_(field->state_().shown_month), (civil_date_{2026, 1, 1}));
  inject_key_(key_type_::down, key_up_);  // a year later
  EXPECT_EQ(civil_of_(field->state_().shown_month), (civil_date_{2027, 1, 1}));
  EXPECT_EQ(civil_of_(field->CurrentDate()), (civil_date_{2025, 12, 10}));
  EXPECT_EQ(beeps.count, 0);
}

TEST_F(calendar_fixture, step_past_december_9999_beeps_and_keeps_the_date) {
  field->CurrentDate(date_serial_(9999, 12, 31));
  click_at_(*field->win_(), 10, 10);
  ASSERT_TRUE(field->page_open_());
  inject_key_(key_type_::down, key_right_);
  EXPECT_EQ(beeps.count, 1);
  EXPECT_EQ(civil_of_(field->state_().shown_month), (civil_date_{9999, 12, 31}));
  EXPECT_EQ(civil_of_(field->CurrentDate()), (civil_date_{9999, 12, 31}));
}

TEST_F(calendar_fixture, escape_and_hidecalendar_close_the_page) {
  click_at_(*field->win_(), 10, 10);
  ASSERT_TRUE(field->page_open_());
  inject_key_(key_type_::down, key_escape_);
  EXPECT_FALSE(field->page_open_());
  EXPECT_EQ(field->state_().focused, false_);
}

}  // namespace

namespace {

// Sunday numbers are orange, the other days black: count the ink of each hue in a cell (the
// digits are smoothed, so their cores come near the colour rather than on it).
TEST_F(calendar_fixture, sunday_numbers_are_orange) {
  field->CurrentDate(date_serial_(2025, 3, 14));
  click_at_(*field->win_(), 10, 10);
  ASSERT_TRUE(field->page_open_());
  move_at_(*field->page_window_(), 1, 1);  // no cell under the mouse
  const surface_& s = field->page_window_()->client_surface_();
  enum hue { orange, black };
  auto ink = [&](int32_t day, hue h) {
    const calendar_cell_rec_ c = field->state_().page.cell(day);
    int32_t n = 0;
    for (int32_t y = c.y; y < c.y + c.height; ++y)
      for (int32_t x = c.x; x < c.x + c.width; ++x) {
        const uint32_t p = s.colour_(x, y);
        const int32_t r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
        n += h == orange ? (r > 180 && g > 80 && g < 120 && b < 20) : (r < 20 && g < 20 && b < 20);
      }
    return n;
  };
  EXPECT_GT(ink(2, orange), 0);  // 2 March 2025 was a Sunday
  EXPECT_EQ(ink(2, black), 0);
  EXPECT_GT(ink(3, black), 0);
  EXPECT_EQ(ink(3, orange), 0);
}

}  // namespace
