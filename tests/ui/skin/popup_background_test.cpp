// Popup shadows captured from the screen, and the shapes of popups and framed windows.
#include "ui/skin/popup_background.h"

#include <gtest/gtest.h>

#include "platform/window/window.h"

namespace {

uint32_t channel(uint32_t argb, int shift) { return (argb >> shift) & 0xFF; }

TEST(popup_background, shadow_ramp) {
  surface_ s(60, 40);
  s.fill_argb_(0xFF656565);  // 101 in every channel
  darken_popup_capture_(s);
  // Rows and columns counted from 1: (row, col) -> factor.
  struct {
    int row, col;
    uint32_t value;
  } cases[] = {{20, 30, 50}, {40, 30, 96}, {7, 30, 81}, {4, 30, 101}, {20, 4, 101}, {20, 60, 96}, {5, 5, 96}};
  for (const auto& c : cases) {
    uint32_t p = s.row_(c.row - 1)[c.col - 1];
    EXPECT_EQ(channel(p, 0), c.value) << c.row << "," << c.col;
    EXPECT_EQ(channel(p, 16), c.value);
    EXPECT_EQ(channel(p, 24), 0xFFu);  // alpha untouched
  }
  surface_ small(4, 4);
  small.fill_argb_(0xFF656565);
  darken_popup_capture_(small);
  EXPECT_EQ(small.row_(3)[3], 0xFF656565u);
}

TEST(popup_background, slots) {
  pixel_rect_ asked{};
  set_popup_screen_source_([&](const pixel_rect_& r, surface_& out) {
    asked = r;
    out = surface_(int32_t(r.width_()), int32_t(r.height_()));
    out.fill_argb_(0xFFC8C8C8);
    return true;
  });
  capture_popup_background_(1, nullptr, 30, 40, 25, 15);
  EXPECT_EQ(asked, (pixel_rect_{30, 40, 55, 55}));
  ASSERT_NE(popup_background_(1), nullptr);
  EXPECT_EQ(popup_background_(1)->width_(), 25);
  capture_popup_background_(2, nullptr, 0, 0, 10, 10);
  for (int32_t bad : {0, 3}) {
    asked = {};
    capture_popup_background_(bad, nullptr, 1, 1, 10, 10);
    EXPECT_EQ(asked, pixel_rect_{});
    free_popup_background_(bad == 0 ? 3 : bad);
  }
  EXPECT_NE(popup_background_(1), nullptr);
  EXPECT_NE(popup_background_(2), nullptr);
  // An empty capture releases the slot and allocates nothing.
  capture_popup_background_(2, nullptr, 0, 0, 0, 10);
  EXPECT_EQ(popup_background_(2), nullptr);
  capture_popup_background_(2, nullptr, 0, 0, 10, -4);
  EXPECT_EQ(popup_background_(2), nullptr);
  // The popup paints its capture from the capture's corner.
  surface_ target(30, 20);
  dc_ dc(target);
  blit_popup_background_(1, dc, 2, 3, 25, 15);
  EXPECT_EQ(target.argb_(2, 3), 0xFFC8C8C8u);
  EXPECT_EQ(target.argb_(1, 3), 0xFF000000u);
  free_popup_background_(0);
  EXPECT_EQ(popup_background_(1), nullptr);
  set_popup_screen_source_({});
}

TEST(window_shape, rounded_restored_square_maximized_cut_popups) {
  window_options_ o;
  o.width = 500, o.height = 300;
  auto w = create_window_(o);
  w->show_();
  set_window_shape_(*w, 0, true_);
  EXPECT_FALSE(w->region_contains_(0, 0));
  EXPECT_FALSE(w->region_contains_(2, 0));
  EXPECT_TRUE(w->region_contains_(250, 0));
  EXPECT_TRUE(w->region_contains_(0, 299));
  set_window_shape_(*w, true_, true_);  // a popup: cut corners
  EXPECT_FALSE(w->region_contains_(0, 0));
  EXPECT_TRUE(w->region_contains_(1, 0));
  set_window_shape_(*w, 0, 0);
  EXPECT_TRUE(w->region_contains_(0, 0));
  w->maximize_();
  if (w->state_() == show_state_::maximized) {
    set_window_shape_(*w, 0, true_);
    EXPECT_TRUE(w->region_contains_(0, 0));
  }
  w->destroy_();
}

}  // namespace
