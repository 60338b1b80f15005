// Frame shadows: where the four windows stand, their alpha ramps and premultiplied pixels, and
// how they follow their window.
#include "frames_fixture.h"

namespace {

using frame_shadows_test = frames_fixture;

uint8_t alpha_of(uint32_t argb) { return static_cast<uint8_t>(argb >> 24); }

TEST(frame_shadow_geometry, four_sides_of_a_window_rectangle) {
  const pixel_rect_ w{50, 60, 250, 210};
  struct { int32_t side; pixel_rect_ r; } rows[] = {
      {1, {46, 56, 50, 214}},   // 4 x 158
      {2, {250, 56, 254, 214}},
      {3, {50, 55, 250, 60}},   // 200 x 5
      {4, {50, 210, 250, 215}},
  };
  for (const auto& row : rows) EXPECT_EQ(frame_shadow_rect_(w, 4, row.side), row.r) << "side " << row.side;
}

TEST_F(frame_shadows_test, pixels_are_premultiplied_by_their_alpha) {
  const int32_t n = framed(10, 10, 300, 200);
  frame_table_[n].shadow_color = static_cast<int32_t>(rgb_(200, 100, 50));
  const uint32_t p = shadow_pixel_(n, 102);
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&p);
  EXPECT_EQ(bytes[0], 20);
  EXPECT_EQ(bytes[1], 40);
  EXPECT_EQ(bytes[2], 80);
  EXPECT_EQ(bytes[3], 102);
  EXPECT_EQ(shadow_pixel_(n + 1, 102), 0u);
  EXPECT_EQ(shadow_pixel_(n, 255), 0xFF000000u | (200u << 16) | (100u << 8) | 50u);
}

TEST_F(frame_shadows_test, side_ramps_fade_away_from_the_window_and_towards_the_ends) {
  const int32_t n = framed(10, 10, 300, 200);
  frame_table_[n].shadow_size = 4;
  frame_table_[n].shadow_color = 0xFFFFFF;
  const int32_t h = 158, mid = h / 2;
  const surface_ right = frame_shadow_picture_(n, 4, h, 2);
  const surface_ left = frame_shadow_picture_(n, 4, h, 1);
  const uint8_t across[] = {255, 191, 127, 63};  // from the column touching the window
  for (int32_t c = 0; c < 4; ++c) {
    EXPECT_EQ(alpha_of(right.argb_(c, mid)), across[c]) << c;
    EXPECT_EQ(alpha_of(left.argb_(3 - c, mid)), across[c]) << c;
  }
  // Rows counted from the bottom: row 0 clear, the top row a quarter of full strength.
  EXPECT_EQ(alpha_of(right.argb_(0, h - 1)), 0);
  EXPECT_EQ(alpha_of(right.argb_(0, h - 3)), 127);
  EXPECT_EQ(alpha_of(right.argb_(0, 0)), 63);
  const uint8_t down[] = {204, 153, 102, 51, 0};
  const surface_ top = frame_shadow_picture_(n, 200, 5, 3);
  const surface_ bottom = frame_shadow_picture_(n, 200, 5, 4);
  for (int32_t d = 0; d < 5; ++d) {
    EXPECT_EQ(alpha_of(bottom.argb_(17, d)), down[d]) << d;
    EXPECT_EQ(alpha_of(top.argb_(17, 4 - d)), down[d]) << d;
  }
}

TEST_F(frame_shadows_test, shadows_follow_the_window_and_hide_while_it_is_maximized) {
  shadow_support_ = true_;
  window_& w = make(50, 60, 200, 150);
  const int32_t n = attach_frame_(w, 0, 0);
  frame_window_rec_& r = frame_table_[n];
  if (r.shadow_size == 0) {  // a skin without shadow colours: give the window its shadows
    create_frame_shadows_(w, r);
    r.shadow_size = 4;
    r.shadow_alpha = 64;
  }
  w.show_();
  settle();
  w.move_to_(50, 60);
  move_frame_shadows_(n);
  const window_handle_ sides[] = {r.shadow_left, r.shadow_right, r.shadow_top, r.shadow_bottom};
  const pixel_rect_ wr = w.window_rect_();
  for (int32_t side = 1; side <= 4; ++side) {
    window_* s = find_window_(sides[side - 1]);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->visible_());
    EXPECT_TRUE(s->click_through_());
    EXPECT_EQ(s->window_rect_(), frame_shadow_rect_(wr, 4, side)) << side;
  }
  w.maximize_();
  settle();
  ASSERT_EQ(w.state_(), show_state_::maximized);
  for (window_handle_ h : sides) EXPECT_FALSE(find_window_(h)->visible_());
  w.restore_();
  settle();
  for (window_handle_ h : sides) EXPECT_TRUE(find_window_(h)->visible_());

  detach_frame_(w.handle_());
  for (window_handle_ h : sides) EXPECT_EQ(find_window_(h), nullptr);
}

}  // namespace
