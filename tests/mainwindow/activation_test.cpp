// What reaches the main window from the outside: activation, the shell's keyboard hook, the
// frame's show and hide of the bars, and the owner-drawn layer item.
#include "mainwindow/view/view_input.h"
#include "mdi_fixture.h"
#include "platform/input/key_codes.h"
#include "platform/window/inject.h"
#include "shell/focus_state.h"
#include "shell/key_dispatch.h"
#include "shell/shell_host.h"
#include "ui/controls/ribbon/ribbon_control.h"

namespace {
void add_states(zaz_class_& e, int n) {
  for (int i = 0; i < n; ++i) {
    e.state_begin_();
    e.add_line_(0, float(i), 10, float(i));
    e.state_save_("step");
  }
}
void focus_view(MDI_& m) {
  for (int i = 0; i < 100 && focused_window_() != &m.client(); ++i) {
    m.form().activate_();
    m.client().set_focus_();
    do_events_();
  }
}
}  // namespace

TEST_F(mdi_fixture, activation_puts_a_waiting_tool_back_to_its_first_step) {
  open("0");
  ASSERT_TRUE(mdi->gocmd_("line"));
  mdi->ds_tn_(1);
  mdi->Form_Activate();
  EXPECT_EQ(mdi->ds_tn_(), 0);
  EXPECT_EQ(mdi->tool_name_(), "LINE");
}

TEST_F(mdi_fixture, the_shell_reaches_the_window_it_registered_and_ctrl_keys_undo_and_redo) {
  open("0");
  EXPECT_EQ(shell_host_in_use_()->main_window_handle_(), mdi->form().handle_());
  add_states(*engine, 2);
  const int32_t active = engine->state_active_();
  install_keyboard_hook_();
  focus_view(*mdi);
  focus_state_code_ = focus_view_;
  inject_key_(key_type_::down, 'Z', mod_ctrl_);
  inject_key_(key_type_::up, 'Z', mod_ctrl_);
  EXPECT_EQ(engine->state_active_(), active - 1);
  inject_key_(key_type_::down, 'Y', mod_ctrl_);
  inject_key_(key_type_::up, 'Y', mod_ctrl_);
  EXPECT_EQ(engine->state_active_(), active);
  remove_keyboard_hook_();
  close();
  EXPECT_EQ(shell_host_in_use_(), nullptr);
}

TEST_F(mdi_fixture, alt_switches_key_tips_on_and_off) {
  open("0");
  xribbon_& r = mdi->ribbon()->model();
  mdi->common_keydown_(key_menu_, 0);
  EXPECT_EQ(r.altstate_(), true_);
  mdi->common_keydown_(key_menu_, 0);
  EXPECT_EQ(r.altstate_(), false_);
}

TEST_F(mdi_fixture, a_client_area_below_300_by_200_hides_the_bars_and_growing_shows_them) {
  open("0");
  window_& f = mdi->form();
  const pixel_rect_ wr = f.window_rect_();
  const int32_t extra_w = (wr.right - wr.left) - f.client_width_(), extra_h = (wr.bottom - wr.top) - f.client_height_();
  f.move_(wr.left, wr.top, 280 + extra_w, 400 + extra_h);
  do_events_();
  EXPECT_EQ(mdi->ribbon()->model().tben_(), false_);
  EXPECT_FALSE(mdi->ribbon()->bar().visible_());
  EXPECT_FALSE(mdi->panel_window()->visible_());
  EXPECT_EQ(mdi->ribbon()->grbh_(), 0);
  f.move_(wr.left, wr.top, 600 + extra_w, 400 + extra_h);
  do_events_();
  EXPECT_EQ(mdi->ribbon()->model().tben_(), true_);
  EXPECT_TRUE(mdi->ribbon()->bar().visible_());
  EXPECT_TRUE(mdi->panel_window()->visible_());
}

TEST_F(mdi_fixture, only_the_layer_list_is_drawn_by_the_window) {
  open("0");
  surface_ s(120, 22);
  dc_ dc(s);
  dc.fill_rectangle_({0, 0, 120, 22}, 0x00FF00);
  const std::vector<uint32_t> blank(s.pixels_(), s.pixels_() + 120 * 22);
  mdi->xribbon_UserDraw(&dc, "PAGE_SEL", "x", 0, 0, 120, 22, 1);
  EXPECT_TRUE(std::equal(blank.begin(), blank.end(), s.pixels_()));
  mdi->xribbon_UserDraw(&dc, "LAYERS_LIST", "x", 0, 0, 120, 22, 1);
  EXPECT_FALSE(std::equal(blank.begin(), blank.end(), s.pixels_()));
  // The first icon shows whether the layer is visible; nothing else changes with it.
  const std::vector<uint32_t> shown(s.pixels_(), s.pixels_() + 120 * 22);
  engine->layer_atr_vis_(1, false_);
  dc.fill_rectangle_({0, 0, 120, 22}, 0x00FF00);
  mdi->xribbon_UserDraw(&dc, "LAYERS_LIST", "x", 0, 0, 120, 22, 1);
  int32_t inside = 0, outside = 0;
  for (int32_t y = 0; y < 22; ++y)
    for (int32_t x = 0; x < 120; ++x) {
      const bool differs = shown[size_t(y * 120 + x)] != s.row_(y)[x];
      (x >= 2 && x < 18 && y >= 2 && y < 18 ? inside : outside) += differs;
    }
  EXPECT_GT(inside, 0);
  EXPECT_EQ(outside, 0);
}

TEST_F(mdi_fixture, losing_activation_releases_the_drawing_view) {
  open("0");
  const int32_t x = mdi->client().client_width_() / 2, y = mdi->client().client_height_() / 2;
  inject_mouse_at_(mdi->client(), mouse_type_::move, x, y);
  ASSERT_TRUE(is_set_(mdi->view_input().view_captured_));
  ASSERT_TRUE(mdi->form().on_activate);
  mdi->form().on_activate(false);
  EXPECT_FALSE(is_set_(mdi->view_input().view_captured_));
}
