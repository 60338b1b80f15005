// Interface metrics by resolution and the dialog layout on real windows.
#include "shell/ui_metrics.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/window/event_loop.h"

namespace {

TEST(ui_metrics, twips_per_pixel_choose_the_column) {
  const ui_metrics_rec_ small = ui_metrics_for_twips_(15.0f);
  const ui_metrics_rec_ large = ui_metrics_for_twips_(12.0f);
  EXPECT_EQ(small.ribbon_base_h_, 117);
  EXPECT_EQ(small.list_row_h_, 23);
  EXPECT_EQ(large.ribbon_base_h_, 142);
  EXPECT_EQ(large.list_row_h_, 26);
  EXPECT_EQ(small.drop_zone_w_, large.drop_zone_w_);
  EXPECT_EQ(small, ui_metrics_rec_{});  // the instance starts in the 96-DPI column
  struct {
    float twips;
    bool small_column;
  } cases[] = {{15.0f, true}, {14.0f, true}, {13.01f, true}, {13.0f, false}, {12.0f, false}, {10.0f, false}};
  for (auto c : cases) EXPECT_EQ(ui_metrics_for_twips_(c.twips) == small, c.small_column) << c.twips;
}

TEST(ui_metrics, panel_sits_above_the_band) {
  EXPECT_EQ(dialog_panel_place_(400, 300, false_, true_), (dialog_place_rec_{0, 0, 400, 260}));
  EXPECT_EQ(dialog_panel_place_(400, 300, true_, true_), (dialog_place_rec_{0, 25, 400, 235}));
  EXPECT_EQ(dialog_panel_place_(400, 300, false_, false_), (dialog_place_rec_{0, 0, 400, 250}));
}

TEST(ui_metrics, buttons_line_up_in_the_band) {
  const int32_t w[4] = {80, 80, 80, -1}, h[4] = {23, 23, 23, 0};
  pixel_point_ at[4];
  ASSERT_TRUE(dialog_button_spots_(500, 300, w, h, 1, false_, {}, at));
  EXPECT_EQ(at[2].x, 414);
  EXPECT_EQ(at[1].x, 322);
  EXPECT_EQ(at[0].x, 230);
  EXPECT_EQ(at[0].y, 263);  // centre line 275, half of 23 rounds to 12
  ASSERT_TRUE(dialog_button_spots_(500, 300, w, h, 0, true_, {}, at));
  EXPECT_EQ(at[0].x, 6);
  EXPECT_EQ(at[1].x, 98);
  EXPECT_EQ(at[2].x, 190);
  EXPECT_EQ(at[0].y, 268);  // 40-pixel band: centre line 280
  // A frame with a border of its own widens the gap and lifts the line.
  ASSERT_TRUE(dialog_button_spots_(500, 300, w, h, 1, false_, {8, 6}, at));
  EXPECT_EQ(at[2].x, 416);
  EXPECT_EQ(at[1].x, 328);
  EXPECT_EQ(at[2].y, 266);
  EXPECT_FALSE(dialog_button_spots_(500, 300, w, h, 2, false_, {}, at));
}

class dialog_layout : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    window_options_ o;
    o.width = 400;
    o.height = 300;
    dialog = create_window_(o);
    for (auto& b : buttons) b = child(10, 10, 75, 23);
    panel = child(3, 3, 120, 90);
  }
  std::unique_ptr<window_> child(int32_t x, int32_t y, int32_t w, int32_t h) {
    window_options_ o;
    o.kind = window_kind_::child;
    o.parent = dialog.get();
    o.x = x;
    o.y = y;
    o.width = w;
    o.height = h;
    return create_window_(o);
  }
  static pixel_point_ spot(const window_& w) {
    pixel_rect_ r = w.window_rect_();
    pixel_point_ o = w.parent_()->client_to_screen_({0, 0});
    return {r.left - o.x, r.top - o.y};
  }
  std::unique_ptr<window_> dialog, panel;
  std::unique_ptr<window_> buttons[2];
};

TEST_F(dialog_layout, right_aligned_buttons_end_six_pixels_in) {
  ASSERT_EQ(dialog->client_width_(), 400);
  layout_dialog_buttons_(dialog->handle_(), buttons[0]->handle_(), buttons[1]->handle_(), 0, 0, 1, true_);
  EXPECT_EQ(spot(*buttons[1]).x + 75, 394);
  EXPECT_EQ(spot(*buttons[0]).x + 75, 307);
  EXPECT_EQ(spot(*buttons[0]).y, dialog->client_height_() - 20 - 12);
  EXPECT_EQ(buttons[0]->client_width_(), 75);
}

TEST_F(dialog_layout, align_two_moves_nothing) {
  layout_dialog_buttons_(dialog->handle_(), buttons[0]->handle_(), buttons[1]->handle_(), 0, 0, 2, true_);
  EXPECT_EQ(spot(*buttons[0]), (pixel_point_{10, 10}));
  EXPECT_EQ(spot(*buttons[1]), (pixel_point_{10, 10}));
}

TEST_F(dialog_layout, client_panel_fills_above_the_band) {
  layout_dialog_client_(dialog->handle_(), panel->handle_(), true_, true_, false_);
  EXPECT_EQ(spot(*panel), (pixel_point_{0, 25}));
  EXPECT_EQ(panel->client_width_(), 400);
  EXPECT_EQ(panel->client_height_(), dialog->client_height_() - 65);
  // keep_width keeps the panel's own width.
  layout_dialog_client_(dialog->handle_(), panel->handle_(), false_, false_, true_);
  EXPECT_EQ(spot(*panel), (pixel_point_{0, 0}));
  EXPECT_EQ(panel->client_width_(), 400);
  panel->move_(0, 0, 150, 50);
  layout_dialog_client_(dialog->handle_(), panel->handle_(), false_, false_, true_);
  EXPECT_EQ(panel->client_width_(), 150);
  // Handles that name no window are ignored.
  layout_dialog_client_(dialog->handle_(), 999999, false_, false_, false_);
  layout_dialog_client_(999999, panel->handle_(), false_, false_, false_);
  layout_dialog_buttons_(999999, buttons[0]->handle_(), 0, 0, 0, 1, false_);
  EXPECT_EQ(panel->client_width_(), 150);
  EXPECT_EQ(spot(*buttons[0]), (pixel_point_{10, 10}));
  // No panel: nothing moves.
  layout_dialog_client_(dialog->handle_(), 0, false_, false_, false_);
  EXPECT_EQ(panel->client_width_(), 150);
}

}  // namespace
