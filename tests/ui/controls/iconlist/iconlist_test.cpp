// The icon list: rows, sort, scroll range and bar, selection and the double click.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls/iconlist/iconlist.h"
#include "ui/controls/xc_fixture.h"
#include "shell/colors.h"
#include "ui/skin/skin_palette.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

std::vector<int32_t> ids(const std::vector<memo_item_rec_>& rows) {
  std::vector<int32_t> out;
  for (const auto& r : rows) out.push_back(r.id);
  return out;
}

TEST(iconlist_model, sort_puts_the_largest_id_first) {
  const std::vector<std::vector<int32_t>> cases[] = {{{5, 9, 7}, {9, 7, 5}}, {{3, 1, 2}, {3, 2, 1}},
                                                     {{1, 1, 0, 4}, {4, 1, 1, 0}}};
  for (const auto& c : cases) {
    std::vector<memo_item_rec_> rows;
    for (int32_t id : c[0]) rows.push_back({"r" + std::to_string(id), id});
    memo_sort_(rows);
    EXPECT_EQ(ids(rows), c[1]);
  }
}

TEST(iconlist_model, text_is_cut_to_256_characters) {
  EXPECT_EQ(memo_text_of_(std::string(300, 'a')).size(), 256u);
  std::string polish;
  for (int i = 0; i < 300; ++i) polish += "ł";
  EXPECT_EQ(memo_text_of_(polish), polish.substr(0, 512));  // 256 two-byte characters
}

TEST(iconlist_model, scroll_range_and_bar) {
  struct row {
    int32_t rows, height, range;
    bool bar;
  };
  const row cases[] = {{8, 120, 68, true}, {5, 120, 0, false}, {10, 150, 84, true}, {6, 150, 0, false}, {0, 2, 0, false}};
  for (const row& c : cases) {
    memo_state_ s;
    s.rows.resize(size_t(c.rows));
    s.scroll_pos = 500;
    memo_layout_(s, c.height, 23);
    EXPECT_EQ(s.scroll_range, c.range) << c.rows << " rows in " << c.height;
    EXPECT_EQ(s.bar_shown == true_, c.bar);
    EXPECT_EQ(s.scroll_pos, c.range);  // clamped into the range
  }
}

struct iconlist_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    host = make_host_();
    list = std::make_unique<xcmemoitems_>(*host, 20, 20, 150, 120);
    for (int32_t i = 1; i <= 8; ++i) list->add_("row " + std::to_string(i), i * 10);
    list->refresh_();
    list->DblClick = [this] { ++doubles; };
  }
  window_& win() { return *list->win_(); }
  std::unique_ptr<window_> host;
  std::unique_ptr<xcmemoitems_> list;
  int doubles = 0;
};

TEST_F(iconlist_fixture, press_selects_and_clear_keeps_the_id) {
  click_at_(win(), 20, 2 + 23 * 2 + 5);  // the third row
  EXPECT_EQ(list->item_id_(), 30);
  list->clear_();
  EXPECT_EQ(list->item_id_(), 30);
  EXPECT_TRUE(list->state_().rows.empty());
}

TEST_F(iconlist_fixture, double_click_in_the_scroll_strip_is_not_raised) {
  ASSERT_EQ(list->state_().bar_shown, true_);
  inject_mouse_at_(win(), mouse_type_::double_click, 20, 10, button_left_);
  release_at_(win(), 20, 10);
  EXPECT_EQ(doubles, 1);
  stepped_clock_ clock;  // the strip press runs its scroll loop until the release
  clock.at(5, [this] { release_at_(win(), 140, 60); });
  press_at_(win(), 140, 60);
  release_at_(win(), 140, 60);
  inject_mouse_at_(win(), mouse_type_::double_click, 140, 60, button_left_);
  release_at_(win(), 140, 60);
  EXPECT_EQ(doubles, 1);
}

TEST_F(iconlist_fixture, held_arrow_scrolls_a_pixel_at_once_then_per_pass) {
  stepped_clock_ clock;
  clock.at(335, [this] { release_at_(win(), 140, 114); });
  move_at_(win(), 140, 114);
  press_at_(win(), 140, 114);  // the down arrow at the bottom of the bar
  EXPECT_EQ(list->state_().scroll_pos, 1 + 4);  // at once, then at 331..334 ms
}

TEST_F(iconlist_fixture, frame_without_the_focus) {
  const surface_& s = win().client_surface_();
  const int32_t t = skin_palette_.color_text_border;
  EXPECT_EQ(s.colour_(5, 0), uint32_t(t));
  EXPECT_EQ(s.colour_(0, 60), uint32_t(t));
  EXPECT_EQ(s.colour_(5, 1), 0xFFFFFFu);  // the inner line in the background
  // Round corners: the corner pixel halfway towards the window colour.
  EXPECT_EQ(s.colour_(0, 0), uint32_t(blend_colors_(t, skin_color_(20), 0.5f)));
}

}  // namespace
