// Dragging tool windows by the grip between the dock areas and floating.
#include "docktb_screen_fixture.h"

namespace {

class docktb_drag : public docktb_screen {
 protected:
  // Presses the grip of t and moves the pointer to screen points with the button held.
  void grab(int32_t t) { down(tw(t), 5, 10); }
  void drag_to(int32_t sx, int32_t sy) { inject_mouse_(mouse_type_::move, sx, sy); }
  void drop(int32_t sx, int32_t sy) { inject_mouse_(mouse_type_::up, sx, sy, button_left_); }
};

TEST_F(docktb_drag, away_from_every_area_floats_and_back_within_10_pixels_docks) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("bar", dock_top_);
  plain(t, "a");
  plain(t, "b");
  show_all();
  activate_main();
  const pixel_rect_ start = tw(t).window_rect_();
  grab(t);
  EXPECT_EQ(tb_->grip_down, true_);
  resize_docks_ = 0;
  drag_to(main_x + 400, main_y + 300);
  EXPECT_EQ(tb_->toolbars[size_t(t)].dock, dock_floating_);
  EXPECT_EQ(tw(t).kind_(), window_kind_::popup);
  EXPECT_EQ(tw(t).owner_(), main_.get());
  EXPECT_TRUE(tw(t).visible_());
  // The grabbed point stays under the pointer.
  EXPECT_EQ(tw(t).window_rect_().left, main_x + 400 - (start.left + 5 - start.left));
  EXPECT_EQ(tw(t).window_rect_().top, main_y + 300 - 10);
  EXPECT_EQ(rec(t).cx, 24 + 1 + 24 + 1 + 6);  // the floating size
  EXPECT_EQ(resize_docks_, 1);
  EXPECT_EQ(area_[1]->client_height_(), 0);
  // The top area's window reaches y = main_y - 1 at most (it is 0 high now); 10 pixels above
  // it still counts.
  drag_to(main_x + 400, main_y - 10);
  EXPECT_EQ(tb_->toolbars[size_t(t)].dock, dock_top_);
  EXPECT_EQ(tw(t).parent_(), area_[1].get());
  EXPECT_EQ(resize_docks_, 2);
  EXPECT_EQ(area_[1]->client_height_(), 28);
  drag_to(main_x + 400, main_y - 12);
  EXPECT_EQ(tb_->toolbars[size_t(t)].dock, dock_floating_);
  drop(main_x + 400, main_y - 12);
  EXPECT_EQ(tb_->grip_down, 0);
  EXPECT_FALSE(tw(t).has_capture_());
}

TEST_F(docktb_drag, snap_2_docks_only_left_and_right) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("bar", dock_left_, 1, -1, -1, false, 2);
  plain(t, "a");
  const int32_t u = tb_->add_toolbar_("top", dock_top_);
  plain(u, "b");
  show_all();
  activate_main();
  const pixel_rect_ r = tw(t).window_rect_();
  down(tw(t), 10, 5);  // the grip runs across the top of a vertical window
  drag_to(main_x + 400, main_y + 5);  // over the top area
  EXPECT_EQ(tb_->toolbars[size_t(t)].dock, dock_floating_);
  drag_to(main_x + main_w + 5, main_y + 300);  // beside the right area
  EXPECT_EQ(tb_->toolbars[size_t(t)].dock, dock_right_);
  EXPECT_EQ(tw(t).parent_(), area_[4].get());
  EXPECT_EQ(area_[4]->client_width_(), r.width_());
  drop(main_x + main_w + 5, main_y + 300);
}

TEST_F(docktb_drag, a_drag_within_one_row_raises_no_resize) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("one", dock_top_);
  plain(t, "a");
  const int32_t u = tb_->add_toolbar_("two", dock_top_);
  plain(u, "b");
  show_all();
  activate_main();
  ASSERT_EQ(rec(u).x, rec(t).cx);
  resize_docks_ = 0;
  grab(u);
  const pixel_rect_ w = tw(u).window_rect_();
  for (int32_t dx : {20, 60, 150}) drag_to(w.left + 5 + dx, w.top + 10);
  EXPECT_EQ(resize_docks_, 0);
  EXPECT_EQ(rec(u).row, 1);
  EXPECT_EQ(rec(u).x, w.left - main_x + 150);
  EXPECT_EQ(tw(u).window_rect_().left, w.left + 150);
  // The same point again is no step at all.
  drag_to(w.left + 155, w.top + 10);
  EXPECT_EQ(rec(u).x, w.left - main_x + 150);
  // Just below the area (within its 10-pixel reach): a second row.
  drag_to(w.left + 155, w.top + 33);
  EXPECT_EQ(rec(u).row, 2);
  EXPECT_EQ(resize_docks_, 1);
  EXPECT_EQ(area_[1]->client_height_(), 56);
  drop(w.left + 155, w.top + 33);
}

}  // namespace
