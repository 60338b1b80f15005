// The frame procedure's other messages: wheel routing, activation, the open drop-down, the
// icon's system menu and the composition switch.
#include "frames_fixture.h"

#include "shell/frame_paint.h"
#include "shell/frame_skin.h"

namespace {

using frame_proc_test = frames_fixture;

TEST_F(frame_proc_test, wheel_steps_go_to_the_first_control_that_takes_them) {
  window_& w = make(50, 50, 400, 300);
  attach_frame_(w, 0, 0);
  w.show_();
  w.activate_();
  settle();
  ASSERT_EQ(active_window_(), &w);
  std::vector<std::string> got;
  auto control = [&](const char* name, wheel_control_kind_ kind, flag16_ takes) {
    return wheel_control_{kind, [&got, name, takes](int16_t step) {
                            got.push_back(std::string(name) + " " + std::to_string(step));
                            return takes;
                          }};
  };
  set_form_wheel_controls_(w.handle_(), {control("ribbon", wheel_control_kind_::ribbon, 0),
                                         control("combo", wheel_control_kind_::combo_box, true_),
                                         control("scroll", wheel_control_kind_::scroll_box, true_),
                                         control("last", wheel_control_kind_::scroll_box, true_)});
  inject_mouse_at_(w, mouse_type_::wheel, 20, 20, 0, 0, -120);  // towards the user
  EXPECT_EQ(got, (std::vector<std::string>{"ribbon 1", "scroll 1"}));
  got.clear();
  combo_list_open_ = true_;
  inject_mouse_at_(w, mouse_type_::wheel, 20, 20, 0, 0, -120);
  EXPECT_EQ(got, (std::vector<std::string>{"combo 1"}));
  combo_list_open_ = 0;
  got.clear();
  inject_mouse_at_(w, mouse_type_::wheel, 20, 20, 0, 0, 120);
  EXPECT_EQ(got, (std::vector<std::string>{"ribbon -1", "scroll -1"}));
  EXPECT_EQ(wheel_handled_, true_);
}

TEST_F(frame_proc_test, activation_sets_the_flag_and_calls_the_host) {
  window_& a = make(10, 10, 300, 200);
  window_& b = make(350, 10, 300, 200);
  const int32_t n = attach_frame_(a, 0, 0);
  int calls = 0;
  set_frame_callbacks_(n, [&] { ++calls; }, nullptr, nullptr);
  a.show_();
  a.activate_();
  settle();
  b.show_();
  b.activate_();
  settle();
  EXPECT_EQ(frame_table_[n].active, 0);
  EXPECT_GE(calls, 1);
  const int before = calls;
  a.activate_();
  settle();
  EXPECT_EQ(frame_table_[n].active, true_);
  EXPECT_GT(calls, before);
}

TEST_F(frame_proc_test, a_caption_press_closes_the_open_drop_down) {
  window_& w = make(10, 10, 300, 200);
  const int32_t n = attach_frame_(w, 0, 0);
  w.show_();
  window_options_ o;
  o.kind = window_kind_::popup;
  o.parent = &w;
  o.x = 40;
  o.y = 80;
  o.width = 100;
  o.height = 60;
  auto list = create_window_(o);
  list->show_no_activate_();
  settle();
  set_open_dropdown_(list->handle_());
  const pixel_rect_ r = frame_window_(n)->window_rect_();
  inject_mouse_(mouse_type_::down, r.left + 150, r.top + 12, button_left_);
  inject_mouse_(mouse_type_::up, r.left + 150, r.top + 12, button_left_);
  EXPECT_FALSE(list->visible_());
  EXPECT_EQ(list->window_rect_().width_(), 0);
}

TEST_F(frame_proc_test, a_press_on_the_icon_opens_the_system_menu) {
  window_& w = make(100, 100, 300, 200);
  const int32_t n = attach_frame_(w, 0, 0);
  w.show_();
  settle();
  point_at(n, 10, 10);
  EXPECT_EQ(cursor_on_icon_(n), true_);
  point_at(n, 4 + 27, 10);  // one past the icon square
  EXPECT_EQ(cursor_on_icon_(n), 0);
  EXPECT_EQ(cursor_on_icon_(0), 0);
  const pixel_rect_ r = w.window_rect_();
  inject_mouse_(mouse_type_::down, r.left + 10, r.top + 10, button_left_);
  inject_mouse_(mouse_type_::up, r.left + 10, r.top + 10, button_left_);
  EXPECT_EQ(take_dialog_requests_().size(), 1u);
  inject_mouse_(mouse_type_::down, r.left + 150, r.top + 10, button_left_);
  inject_mouse_(mouse_type_::up, r.left + 150, r.top + 10, button_left_);
  EXPECT_TRUE(take_dialog_requests_().empty());
}

TEST_F(frame_proc_test, composition_needs_the_skin_to_allow_glass) {
  set_desktop_composition_(true);
  EXPECT_EQ(composition_enabled_(), 0);  // the skin does not allow glass
  skin_palette_.aero_enabled = true_;
  EXPECT_EQ(composition_enabled_(), true_);
  const int32_t n = framed(10, 10, 300, 200, true_);
  EXPECT_EQ(composition_active_, true_);
  EXPECT_EQ(frame_table_[n].shadow_size, 0);  // the platform draws its own
  EXPECT_GT(frame_table_[n].caption_image.width, 0);
  set_desktop_composition_(false);
  EXPECT_EQ(composition_enabled_(), 0);
  framed(10, 10, 300, 200);
  EXPECT_EQ(composition_active_, 0);  // every attach takes the state afresh
}

}  // namespace

namespace {

// Without composition a size change shapes the window: rounded top corners while restored when
// the skin asks for them, the plain rectangle otherwise.
TEST_F(frame_proc_test, a_resize_gives_restored_windows_their_rounded_top) {
  window_& w = make(50, 50, 400, 300);
  attach_frame_(w, 0, 0);
  w.show_();
  settle();
  const flag16_ round = frame_skin_round_corners_();
  w.move_(50, 50, 420, 310);
  settle();
  EXPECT_EQ(w.region_contains_(0, 0), round != true_);
  EXPECT_TRUE(w.region_contains_(210, 0));
  EXPECT_TRUE(w.region_contains_(0, 309));
}

}  // namespace
