// The frame table: attach and detach, the handlers each window keeps, geometry and size state.
#include "frames_fixture.h"

// The application object lives until exit, and fontconfig keeps what it loads until then.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

using frame_table_test = frames_fixture;

TEST_F(frame_table_test, detaching_the_first_moves_the_others_down_and_side_tables_stay_by_index) {
  window_& a = make(10, 10, 400, 300);
  window_& b = make(20, 20, 400, 300);
  window_& c = make(30, 30, 400, 300);
  ASSERT_EQ(attach_frame_(a, 0, 0), 1);
  ASSERT_EQ(attach_frame_(b, 0, 0), 2);
  ASSERT_EQ(attach_frame_(c, 0, 0), 3);
  frame_top_inset_[2] = 7;
  frame_top_inset_[3] = 9;
  add_caption_button_(3, "k", "x", "", 5, "");

  EXPECT_EQ(detach_frame_(a.handle_()), 1);
  EXPECT_EQ(frame_count_, 2);
  EXPECT_EQ(find_frame_index_(b.handle_()), 1);
  EXPECT_EQ(find_frame_index_(c.handle_()), 2);
  EXPECT_EQ(find_frame_index_(a.handle_()), 0);
  EXPECT_EQ(frame_table_[3].hwnd, 0);
  EXPECT_EQ(frame_top_inset_[2], 7);
  EXPECT_EQ(frame_top_inset_[3], 9);
  EXPECT_EQ(caption_button_lists_[3].count, 1);
  EXPECT_EQ(a.frame_insets_(), pixel_rect_{});
  EXPECT_EQ(detach_frame_(a.handle_()), 0);
  EXPECT_EQ(frames_hooked_, true_);
}

TEST_F(frame_table_test, nohook_switch_or_a_full_table_leaves_the_window_as_it_was) {
  window_& w = make(10, 10, 300, 200);
  int moves = 0;
  w.on_move = [&] { ++moves; };
  w.show_();
  settle();
  moves = 0;
  program_command_line_() = "drawing.avx +NoHook";
  EXPECT_EQ(attach_frame_(w, 0, 0), 0);
  EXPECT_EQ(frame_count_, 0);
  EXPECT_EQ(frames_hooked_, 0);

  // A full table refuses a further window instead of writing past its end.
  program_command_line_().clear();
  frame_count_ = frame_table_max_;
  frame_table_[frame_table_max_].hwnd = 999999;
  EXPECT_EQ(attach_frame_(w, 0, 0), 0);
  EXPECT_EQ(frame_count_, frame_table_max_);
  EXPECT_EQ(frame_table_[frame_table_max_].hwnd, 999999);
  EXPECT_EQ(w.frame_insets_(), pixel_rect_{});
  frame_count_ = 0;
  w.move_to_(50, 50);
  settle();
  EXPECT_EQ(moves, 1);  // its own handler, untouched by either refusal
}

TEST_F(frame_table_test, each_window_keeps_and_gets_back_its_own_handlers) {
  window_& a = make(10, 10, 300, 200);
  window_& b = make(40, 40, 300, 200);
  int a_moves = 0, b_moves = 0, b_destroyed = 0;
  a.on_move = [&] { ++a_moves; };
  b.on_move = [&] { ++b_moves; };
  b.on_destroy = [&] { ++b_destroyed; };
  attach_frame_(a, 0, 0);
  attach_frame_(b, 0, 0);
  a.show_();
  b.show_();
  settle();
  a_moves = b_moves = 0;
  b.move_to_(60, 60);
  settle();
  EXPECT_EQ(b_moves, 1);
  EXPECT_EQ(a_moves, 0);

  detach_frame_(a.handle_());
  a.move_to_(20, 20);
  settle();
  EXPECT_EQ(a_moves, 1);
  EXPECT_EQ(b_moves, 1);

  // A destroyed window hears of it through its own handler, then leaves the table.
  b.destroy_();
  EXPECT_EQ(b_destroyed, 1);
  EXPECT_EQ(frame_count_, 0);
  EXPECT_EQ(frames_hooked_, 0);
}

TEST_F(frame_table_test, a_window_outside_the_table_gets_default_handling) {
  window_& w = make(10, 10, 300, 200);
  w.show_();
  settle();
  frame_msg_args_ a;
  a.wparam = sc_maximize_;
  frame_window_proc_(w.handle_(), frame_msg_::sys_command, a);
  EXPECT_EQ(w.state_(), show_state_::maximized);
}

TEST_F(frame_table_test, geometry_helpers_read_the_frame_band) {
  window_& w = make(10, 10, 400, 300);
  attach_frame_(w, 0, 0);
  w.set_frame_insets_(4, 26, 4, 4);
  EXPECT_EQ(frame_border_width_(w.handle_()), 4);
  EXPECT_EQ(frame_border_height_(w.handle_()), 4);
  EXPECT_EQ(frame_caption_height_(w.handle_()), 22);
  EXPECT_EQ(frame_caption_height2_(w.handle_()), 22);
  EXPECT_EQ(frame_caption_height_(0), 0);
  EXPECT_EQ(top_level_window_(w.handle_()), w.handle_());
}

TEST_F(frame_table_test, size_state_calls_each_callback_once_per_crossing) {
  window_& w = make(10, 10, 500, 400);
  const int32_t n = attach_frame_(w, 0, 0);
  int grown = 0, shrunk = 0;
  set_frame_callbacks2_(n, [&] { ++grown; }, [&] { ++shrunk; });
  const pixel_rect_ in = w.frame_insets_();
  auto client = [&](int32_t cw, int32_t ch) { w.move_(10, 10, cw + in.left + in.right, ch + in.top + in.bottom); };
  client(320, 180);
  EXPECT_EQ(shrunk, 1);
  client(310, 150);
  EXPECT_EQ(shrunk, 1);
  EXPECT_EQ(grown, 0);
  client(320, 210);
  EXPECT_EQ(grown, 1);
  client(400, 300);
  EXPECT_EQ(grown, 1);
  EXPECT_EQ(shrunk, 1);
}

TEST_F(frame_table_test, top_inset_by_caption_kind_and_show_state) {
  window_& d = make(10, 10, 400, 300);
  window_& m = make(10, 10, 400, 300);
  const int32_t nd = attach_frame_(d, 0, 0);
  const int32_t nm = attach_frame_(m, true_, 0);
  update_frame_inset_(nd);
  update_frame_inset_(nm);
  EXPECT_EQ(frame_top_inset_[nd], 0);
  EXPECT_EQ(frame_top_inset_[nm], 2);
  m.show_();
  m.maximize_();
  settle();
  ASSERT_EQ(m.state_(), show_state_::maximized);
  EXPECT_EQ(frame_top_inset_[nm], frame_border_height_(m.handle_()));
}

}  // namespace
