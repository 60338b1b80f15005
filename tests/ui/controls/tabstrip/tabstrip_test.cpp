// The tab strip: keys, geometry, the full table, both styles driven by injected mouse events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls/tabstrip/tabstrip.h"
#include "ui/controls/xc_fixture.h"
#include "ui/skin/skin_file.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

int32_t seven_per_char(std::string_view t) { return int32_t(t.size()) * 7; }

TEST(tabstrip_model, keys_geometry_and_lookups) {
  EXPECT_EQ(tab_key_of_(" ab "), "AB");
  EXPECT_EQ(tab_key_of_("żółw"), "ŻÓŁW");
  tab_strip_state_ s;
  ASSERT_TRUE(tab_add_(s, "one", "Page", 0, seven_per_char));
  ASSERT_TRUE(tab_add_(s, "two", "Page", 4, seven_per_char));
  ASSERT_TRUE(tab_add_(s, "sep", " - ", 0, seven_per_char));
  EXPECT_EQ(s.items[0].right - s.items[0].left, 28 + 16);
  EXPECT_EQ(s.items[1].right - s.items[1].left, 28 + 16 + 22);  // the icon widens it by 22
  EXPECT_EQ(s.items[2].right - s.items[2].left, 4);               // a trimmed hyphen: separator
  EXPECT_EQ(s.items[1].left, s.items[0].right);
  EXPECT_EQ(tab_at_(s, 0), 1);
  EXPECT_EQ(tab_at_(s, 44), 2);
  EXPECT_EQ(tab_at_(s, s.items[2].right), 0);
  EXPECT_EQ(tab_index_(s, " Two "), 2);
  EXPECT_EQ(tab_key_(s, 4), "");
}

TEST(tabstrip_model, the_256th_item_is_refused) {
  tab_strip_state_ s;
  for (int32_t i = 1; i <= tab_item_limit_; ++i) ASSERT_TRUE(tab_add_(s, std::to_string(i), "x", 0, seven_per_char));
  const tab_strip_state_ before = s;
  EXPECT_FALSE(tab_add_(s, "extra", "x", 0, seven_per_char));
  EXPECT_EQ(s.count, 255);
  EXPECT_EQ(tab_index_(s, "extra"), 0);
  EXPECT_EQ(s.items.back().key, before.items.back().key);
}

TEST(tabstrip_model, button_style_states) {
  tab_strip_state_ s;
  s.count = 3;
  s.hover = 2;
  EXPECT_EQ(tab_button_state_(s, 2), 2);
  EXPECT_EQ(tab_button_state_(s, 1), 1);
  s.button_down = true_;
  s.pressed = 2;
  EXPECT_EQ(tab_button_state_(s, 2), 4);
  s.hover = 3;  // pressed on 2, now over 3
  EXPECT_EQ(tab_button_state_(s, 2), 2);
  EXPECT_EQ(tab_button_state_(s, 3), 1);
}

struct tabstrip_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    host = make_host_();
    strip = std::make_unique<xctoolbar_>(*host, 0, 0, 400, 40);
    strip->add_(" ab ", "First");
    strip->add_("cd", "Second");
    strip->TabClick = [this](const std::string& k) { log.push_back("tab " + k); };
    strip->ButtonClick = [this](const std::string& k) { log.push_back("button " + k); };
  }
  int32_t middle(int32_t id) const {
    const tab_item_rec_& it = strip->state_().items[size_t(id - 1)];
    return (it.left + it.right) / 2;
  }
  window_& win() { return *strip->win_(); }
  std::unique_ptr<window_> host;
  std::unique_ptr<xctoolbar_> strip;
  std::vector<std::string> log;
};

TEST_F(tabstrip_fixture, any_height_stays_25) {
  EXPECT_EQ(win().client_height_(), 25);
  win().move_(0, 0, 300, 60);
  do_events_();
  EXPECT_EQ(win().client_height_(), 25);
  EXPECT_EQ(win().client_width_(), 300);
}

TEST_F(tabstrip_fixture, tab_style_press_activates_and_raises_the_stored_key) {
  strip->tabsstyle_(-1);
  move_at_(win(), middle(1), 10);
  press_at_(win(), middle(1), 10);
  EXPECT_EQ(log, (std::vector<std::string>{"tab AB"}));
  EXPECT_EQ(strip->activetab_(), "AB");
  release_at_(win(), middle(1), 10);
  click_at_(win(), middle(1), 10);  // the active tab again: again
  EXPECT_EQ(log, (std::vector<std::string>{"tab AB", "button AB", "tab AB", "button AB"}));
  strip->activetab_("nothing");
  EXPECT_EQ(strip->activetab_(), "");
}

TEST_F(tabstrip_fixture, button_style_release_over_the_pressed_item_only) {
  move_at_(win(), middle(1), 10);
  press_at_(win(), middle(1), 10);
  move_at_(win(), middle(2), 10);
  release_at_(win(), middle(2), 10);
  EXPECT_TRUE(log.empty());
  move_at_(win(), middle(1), 10);
  press_at_(win(), middle(1), 10);
  move_at_(win(), middle(2), 10);
  move_at_(win(), middle(1), 10);
  release_at_(win(), middle(1), 10);
  EXPECT_EQ(log, (std::vector<std::string>{"button AB"}));
  // Leaving with the button held forgets the press.
  press_at_(win(), middle(1), 10);
  move_at_(win(), middle(1), 200);
  release_at_(win(), middle(1), 10);
  EXPECT_EQ(log.size(), 1u);
}

TEST(tabstrip_paint, without_a_skin_only_face_and_frame) {
  auto host = make_host_();
  skin_loaded_ = false_;
  xctoolbar_ strip(*host, 0, 0, 200, 25);
  strip.add_("a", "Alpha");
  strip.ref_();
  const surface_& s = strip.win_()->client_surface_();
  for (int32_t y = 0; y < 25; ++y)
    for (int32_t x = 0; x < 200; ++x) {
      const bool edge = x == 0 || y == 0 || x == 199 || y == 24;
      ASSERT_EQ(s.colour_(x, y), uint32_t(edge ? placeholder_outline_() : placeholder_face_())) << x << "," << y;
    }
}

}  // namespace
