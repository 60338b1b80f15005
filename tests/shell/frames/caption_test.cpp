// Caption buttons, quick-access buttons and the system menu, driven by injected presses.
#include "frames_fixture.h"

#include "platform/gdi/font.h"
#include "shell/glass_caption.h"
#include "shell/icons.h"

namespace {

using caption_test = frames_fixture;

struct rect4 {
  int32_t l, t, r, b;
  friend bool operator==(const rect4&, const rect4&) = default;
};

rect4 button_rect(int32_t which, int32_t n) {
  rect4 x{};
  caption_button_state_(which, n, x.l, x.t, x.r, x.b);
  return x;
}

// A 400 x 300 window at (100, 100) with a 4-pixel border and a 22-pixel caption.
int32_t dialog_400(caption_test& t, const frame_style_& style = {}) {
  window_& w = t.make(100, 100, 400, 300);
  const int32_t n = attach_frame_(w, 0, 0, style);
  w.set_frame_insets_(4, 26, 4, 4);
  w.show_();
  t.settle();
  return n;
}

void click(int32_t n, int32_t x0, int32_t x1, int32_t y, int32_t button = button_left_) {
  const pixel_rect_ r = frame_window_(n)->window_rect_();
  inject_mouse_(mouse_type_::down, r.left + x0, r.top + y, button);
  inject_mouse_(mouse_type_::up, r.left + x1, r.top + y, button);
}

TEST_F(caption_test, caption_buttons_stand_square_at_the_right_end) {
  const int32_t n = dialog_400(*this);
  EXPECT_EQ(button_rect(3, n), (rect4{374, 4, 396, 25}));
  EXPECT_EQ(button_rect(2, n), (rect4{352, 4, 374, 25}));
  EXPECT_EQ(button_rect(1, n), (rect4{330, 4, 352, 25}));
  EXPECT_EQ(button_rect(0, n), (rect4{330, 4, 396, 25}));
  int32_t l, t, r, b;
  point_at(n, 380, 10);
  EXPECT_EQ(caption_button_state_(3, n, l, t, r, b), 2);
  EXPECT_EQ(caption_button_state_(2, n, l, t, r, b), 1);
  point_at(n, 380, 25);  // the bottom row is outside
  EXPECT_EQ(caption_button_state_(3, n, l, t, r, b), 1);
}

TEST_F(caption_test, no_minimize_box_gives_an_empty_rectangle) {
  frame_style_ s;
  s.min_box = false;
  const int32_t n = dialog_400(*this, s);
  EXPECT_EQ(button_rect(1, n), (rect4{0, 0, 0, 0}));
  point_at(n, 0, 0);
  int32_t l, t, r, b;
  EXPECT_EQ(caption_button_state_(1, n, l, t, r, b), 1);
}

TEST_F(caption_test, release_over_a_button_acts_wherever_the_press_began) {
  const int32_t n = dialog_400(*this);
  window_* w = frame_window_(n);
  click(n, 380, 360, 10);  // press on close, release on maximize
  settle();
  EXPECT_EQ(w->state_(), show_state_::maximized);
  EXPECT_TRUE(w->visible_());
  EXPECT_EQ(frame_table_[n].pressed, 0);
}

TEST_F(caption_test, double_click_toggles_maximize_only_with_a_maximize_box) {
  frame_style_ s;
  s.max_box = false;
  const int32_t plain = dialog_400(*this, s);
  const int32_t full = dialog_400(*this);
  for (int32_t n : {plain, full}) {
    const pixel_rect_ r = frame_window_(n)->window_rect_();
    inject_mouse_(mouse_type_::double_click, r.left + 100, r.top + 12, button_left_);
    inject_mouse_(mouse_type_::up, r.left + 100, r.top + 12, button_left_);
  }
  settle();
  EXPECT_EQ(frame_window_(plain)->state_(), show_state_::normal);
  EXPECT_EQ(frame_window_(full)->state_(), show_state_::maximized);
}

TEST_F(caption_test, system_menu_picks_are_posted_and_filtered_by_the_boxes) {
  frame_style_ s;
  s.max_box = false;
  const int32_t n = dialog_400(*this, s);
  window_* w = frame_window_(n);
  dialog_reply_ pick;
  pick.kind = dialog_kind_::context_menu;
  pick.answer = 2;  // minimize
  push_dialog_reply_(pick);
  click(n, 100, 100, 12, button_right_);
  settle();
  const auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text,
            "%frame.sysmenu.restore|%frame.sysmenu.minimize|%frame.sysmenu.maximize|%frame.sysmenu.close");
  EXPECT_EQ(w->state_(), show_state_::minimized);
  // A window without a maximize box refuses the command, whoever sends it.
  w->restore_();
  settle();
  post_system_command_(w->handle_(), sc_maximize_);
  settle();
  EXPECT_EQ(w->state_(), show_state_::normal);
}

TEST(system_menu_position, at_the_icon_kept_on_the_desktop) {
  const pixel_rect_ desk{0, 0, 1000, 800};
  // 150 pixels from the desktop's right edge: the menu moves left to desktop right - 220.
  EXPECT_EQ(system_menu_position_(desk, {850, 100, 1300, 400}, 4, 4, 22, 4, 20, true, {}).x, 780);
  const pixel_point_ normal = system_menu_position_(desk, {100, 100, 500, 400}, 4, 4, 22, 4, 20, true, {});
  EXPECT_EQ(normal, (pixel_point_{104, 127}));
  EXPECT_EQ(system_menu_position_(desk, {100, 780, 500, 1000}, 4, 4, 22, 4, 20, true, {}).y, 721);
  EXPECT_EQ(system_menu_position_(desk, {100, 100, 500, 400}, 4, 4, 22, 4, 20, false, {7, 9}),
            (pixel_point_{7, 9}));
}

TEST_F(caption_test, quick_button_widths_and_positions) {
  const int32_t n = framed(0, 0, 600, 400, true_);
  add_caption_button_(n, "a", "App", "", 3, "");
  add_caption_button_(n, "s", " | ", "", 0, "");
  add_caption_button_(n, "d", "-", "", 0, "");
  add_caption_button_(n, "b", "Undo", "", 4, "");
  const auto& l = caption_button_lists_[n];
  ASSERT_EQ(l.count, 4);
  const int16_t widths[] = {22, 5, 6, 22}, lefts[] = {0, 22, 27, 33};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(l.buttons[i].width, widths[i]) << i;
    EXPECT_EQ(l.buttons[i].left, lefts[i]) << i;
    EXPECT_EQ(l.buttons[i].right, lefts[i] + widths[i]) << i;
  }
  EXPECT_EQ(l.buttons[1].text, "|");
  // A list for an index beyond the table's reach grows it and leaves the others alone.
  const int32_t m = framed(0, 0, 600, 400, true_);
  framed(0, 0, 600, 400, true_);
  add_caption_button_(m + 1, "c", "x", "", 2, "");
  EXPECT_EQ(caption_button_lists_[n].count, 4);
  EXPECT_EQ(caption_button_lists_[m + 1].count, 1);
  clear_caption_buttons_(n);
  EXPECT_EQ(caption_button_lists_[n].count, 0);
}

TEST_F(caption_test, quick_button_hit_test_lets_the_later_button_win_a_shared_edge) {
  window_& w = make(0, 0, 600, 400);
  const int32_t n = attach_frame_(w, true_, 0);
  w.show_();
  w.set_frame_insets_(8, 34, 8, 8);
  for (int i = 0; i < 3; ++i) add_caption_button_(n, "k", "b", "", 2, "");
  w.maximize_();
  settle();
  ASSERT_EQ(w.state_(), show_state_::maximized);
  // Maximized, the list starts at (8, 9): window x 30 is 22 into it, the edge of buttons 1 and 2.
  point_at(n, 30, 15);
  draw_caption_quick_buttons_(n, nullptr, true_, true_);
  EXPECT_EQ(hovered_quick_button_, 2);
  point_at(n, 30, 31);
  draw_caption_quick_buttons_(n, nullptr, true_, true_);
  EXPECT_EQ(hovered_quick_button_, 0);
  w.restore_();
  settle();
  // Not maximized the list starts at (7, 6).
  point_at(n, 29, 6);
  draw_caption_quick_buttons_(n, nullptr, true_, true_);
  EXPECT_EQ(hovered_quick_button_, 2);
}

TEST_F(caption_test, first_quick_button_opens_the_system_menu_others_call_the_host) {
  window_& w = make(100, 100, 600, 400);
  const int32_t n = attach_frame_(w, true_, 0);
  w.show_();
  settle();
  add_caption_button_(n, "app", "", "", 2, "");
  add_caption_button_(n, "undo", "", "", 3, "");
  int downs = 0;
  std::vector<int32_t> used;
  set_frame_callbacks_(n, nullptr, [&] { ++downs; }, [&] { used.push_back(hovered_quick_button_); });
  const pixel_point_ o = quick_button_origin_(n);
  click(n, o.x + 5, o.x + 5, o.y + 5);
  settle();
  EXPECT_EQ(take_dialog_requests_().size(), 1u);  // the system menu, dismissed by the script
  EXPECT_TRUE(used.empty());
  click(n, o.x + 30, o.x + 30, o.y + 5);
  settle();
  EXPECT_EQ(used, std::vector<int32_t>{2});
  EXPECT_EQ(downs, 2);
  EXPECT_TRUE(take_dialog_requests_().empty());
}

TEST_F(caption_test, glass_caption_image_is_centred_in_the_band) {
  auto old = set_text_measurer_(std::make_shared<fixed_text_measurer_>(10));
  window_& w = make(0, 0, 800, 300, "Fifteen chars..");
  const int32_t n = attach_frame_(w, true_, 0);
  EXPECT_EQ(draw_glow_text_(w.handle_(), n).width, 0);  // no composition, no image
  composition_active_ = true_;
  frame_table_[n].caption_image = draw_glow_text_(w.handle_(), n);
  const caption_image_rec_& ci = frame_table_[n].caption_image;
  ASSERT_EQ(ci.width, 170);
  ASSERT_EQ(ci.height, 34);
  bool ink = false, glow = false;
  for (int32_t y = 0; y < ci.height; ++y)
    for (int32_t x = 0; x < ci.width; ++x) {
      const uint32_t p = ci.image.argb_(x, y);
      ink |= p == 0xFF000000u;
      glow |= (p >> 24) > 0 && (p >> 24) < 255 && (p & 0xFF) == (p >> 24);
    }
  EXPECT_TRUE(ink);
  EXPECT_TRUE(glow);

  paint_glass_frame_(n);
  const surface_& s = w.window_surface_();
  int32_t wrong = 0;
  for (int32_t y = 0; y < 30; ++y)
    for (int32_t x = 0; x < 800; ++x) {
      const bool inside = x >= 315 && x < 315 + 170 && y + 2 < 34;
      wrong += s.argb_(x, y) != (inside ? ci.image.argb_(x - 315, y + 2) : 0u);
    }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(s.argb_(0, 100), 0xFF000000u);    // side borders black for the glass
  EXPECT_EQ(s.argb_(799, 299), 0xFF000000u);

  // Below 300 x 200 the text starts at the border.
  w.move_(0, 0, 280, 150);
  paint_glass_frame_(n);
  EXPECT_EQ(frame_table_[n].large_enough, 0);
  for (int32_t x = 0; x < 30; ++x) EXPECT_EQ(s.argb_(x, 12), ci.image.argb_(x + 6, 14)) << x;
  set_text_measurer_(old);
}

}  // namespace

namespace {

// An icon of 16 x 16 with a 6 x 6 opaque green square at (5, 5) and nothing else.
int32_t square_icon() {
  picture_image_rec_ img;
  img.width = img.height = 16;
  img.argb.assign(256, 0);
  for (int32_t y = 5; y < 11; ++y)
    for (int32_t x = 5; x < 11; ++x) img.argb[size_t(y) * 16 + size_t(x)] = 0xFF00C000u;
  icon_entry_rec_ e;
  e.small_picture.images.push_back(img);
  e.large_picture = e.small_picture;
  return append_icon_entry_(e);
}

TEST_F(caption_test, glass_quick_button_lets_the_glass_through_around_its_icon) {
  const int32_t icon = square_icon();
  composition_active_ = true_;
  surface_ band(40, 30, surface_kind_::alpha_);
  draw_caption_quick_button_(band, 4, 3, 22, 20, icon, 0);
  // The icon is centred on (4 + 11, 3 + 10): its square covers x 12..17, y 10..15.
  int32_t wrong = 0;
  for (int32_t y = 0; y < 30; ++y)
    for (int32_t x = 0; x < 40; ++x) {
      const bool ink = x >= 12 && x < 18 && y >= 10 && y < 16;
      wrong += band.argb_(x, y) != (ink ? 0xFF00C000u : 0u);
    }
  EXPECT_EQ(wrong, 0);
  draw_caption_quick_button_(band, 0, 0, 0, 20, icon, 0);  // no width, nothing drawn
  EXPECT_EQ(band.argb_(0, 0), 0u);

  // Without composition the icon goes straight onto the band.
  composition_active_ = 0;
  surface_ plain(40, 30);
  plain.fill_colour_(rgb_(1, 2, 3));
  draw_caption_quick_button_(plain, 4, 3, 22, 20, icon, 0);
  EXPECT_EQ(plain.argb_(12, 10), 0xFF00C000u);
  EXPECT_EQ(plain.colour_(11, 10), rgb_(1, 2, 3));
  icon_table_.resize(1);
}

}  // namespace
