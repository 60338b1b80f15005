// Status-bar toggles and zoom slider, the pan bars, and the command line.
#include <cmath>

#include "mdi_fixture.h"
#include "platform/input/key_codes.h"
#include "platform/window/inject.h"
#include "shell/focus_state.h"
#include "ui/controls/control_base.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/statusbar/statusbar.h"
#include "ui/controls/textbox/textbox.h"
#include "../ui/controls/xc_fixture.h"

namespace {
void click_toggle(MDI_& m, const std::string& key) {
  for (const status_button_rec_& b : m.statusbar().state_().buttons)
    if (b.key == key) {
      const int32_t x = (b.left + b.right) / 2, y = (b.top + b.bottom) / 2;
      inject_mouse_at_(*m.statusbar().win_(), mouse_type_::down, x, y, 1);
      inject_mouse_at_(*m.statusbar().win_(), mouse_type_::up, x, y, 1);
      return;
    }
  ADD_FAILURE() << "no toggle " << key;
}
}  // namespace

TEST_F(mdi_fixture, snap_toggles_flip_the_engine_switch_and_agree_with_it) {
  open();
  using getter = flag16_ (zaz_class_::*)() const;
  const std::pair<const char*, getter> toggles[] = {{"GRID_VISIBLE_", &zaz_class_::view_gridvisible_},
                                                    {"SNAP_GRID_", &zaz_class_::view_snap2grid_},
                                                    {"SNAP_2POI_", &zaz_class_::view_snap2points_},
                                                    {"SNAP_AN45_", &zaz_class_::view_snap2ang45_},
                                                    {"SNAP_TRCK_", &zaz_class_::view_snap2track_}};
  for (const auto& [key, get] : toggles) {
    SCOPED_TRACE(key);
    const flag16_ before = (engine.get()->*get)();
    click_toggle(*mdi, key);
    EXPECT_EQ((engine.get()->*get)(), to_flag_(!before));
    EXPECT_EQ(mdi->statusbar().button_checked_(key), (engine.get()->*get)());
    click_toggle(*mdi, key);
    EXPECT_EQ(mdi->statusbar().button_checked_(key), (engine.get()->*get)());
  }
}

TEST_F(mdi_fixture, zoom_slider_drags_from_the_press_and_goes_back_to_0_on_release) {
  open();
  const struct {
    int32_t value;
    float factor;
    const char* text;
  } cases[] = {{25, 1.25f, "125%"}, {-25, 0.8f, "80%"}, {100, 2.0f, "200%"}, {-100, 0.5f, "50%"}, {-50, 1 / 1.5f, "67%"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const float z0 = engine->view_zoom_();
    mdi->statusbar_ZoomMouseDown(0);
    mdi->statusbar().zoom_curr_(c.value);
    mdi->statusbar_ZoomScroll(c.value);
    EXPECT_FLOAT_EQ(engine->view_zoom_(), z0 * c.factor);
    EXPECT_EQ(mdi->statusbar().zoom_text_(), c.text);
    mdi->statusbar_ZoomMouseUp(c.value);
    EXPECT_EQ(mdi->statusbar().zoom_curr_(), 0);
    EXPECT_EQ(mdi->statusbar().zoom_text_(), "100%");
    EXPECT_FLOAT_EQ(engine->view_zoom_(), z0 * c.factor);
  }
}

TEST_F(mdi_fixture, zoom_steps_multiply_about_the_view_centre) {
  open();
  engine->view_posx_(12.5f);
  const float z0 = engine->view_zoom_();
  for (int i = 0; i < 3; ++i) mdi->statusbar_ZoomPressLeft(0);
  EXPECT_NEAR(engine->view_zoom_(), z0 * std::pow(0.9f, 3), z0 * 1e-5f);
  for (int i = 0; i < 5; ++i) mdi->statusbar_ZoomPressRight(0);
  EXPECT_NEAR(engine->view_zoom_(), z0 * std::pow(0.9f, 3) * std::pow(1.1f, 5), z0 * 1e-5f);
  EXPECT_EQ(engine->view_posx_(), 12.5f);
  EXPECT_EQ(mdi->statusbar().zoom_text_(), "100%");
}

TEST_F(mdi_fixture, repeated_drags_and_steps_keep_the_zoom_finite_and_within_limits) {
  open();
  for (int i = 0; i < 200; ++i) {
    mdi->statusbar_ZoomMouseDown(0);
    mdi->statusbar_ZoomScroll(100);
    mdi->statusbar_ZoomMouseUp(100);
    mdi->statusbar_ZoomPressRight(0);
  }
  EXPECT_TRUE(std::isfinite(engine->view_zoom_()));
  EXPECT_EQ(engine->view_zoom_(), zoom_highest_);
  for (int i = 0; i < 400; ++i) {
    mdi->statusbar_ZoomMouseDown(0);
    mdi->statusbar_ZoomScroll(-100);
    mdi->statusbar_ZoomMouseUp(-100);
  }
  EXPECT_EQ(engine->view_zoom_(), zoom_lowest_);
}

TEST_F(mdi_fixture, pan_bars_move_the_centre_by_screen_pixels_and_recentre_at_their_ends) {
  open();
  engine->view_zoom_(2.0f);
  mdi->ref_(false_, true_);
  xcscrollbox_& h = mdi->hscroll();
  xcscrollbox_& v = mdi->vscroll();
  EXPECT_EQ(h.scrollmax_(), mdi->client().client_width_());
  EXPECT_EQ(v.scrollmin_(), -mdi->client().client_height_());
  const float x0 = engine->view_posx_(), y0 = engine->view_posy_();
  mdi->hscroll_MouseDown();
  h.scrollcurrent_(160);
  mdi->hscroll_Scroll();
  EXPECT_FLOAT_EQ(engine->view_posx_(), x0 + 80);
  mdi->hscroll_MouseUp();
  EXPECT_EQ(h.scrollcurrent_(), 160);  // between the ends the thumb stays
  mdi->vscroll_MouseDown();
  v.scrollcurrent_(v.scrollmax_());
  mdi->vscroll_Scroll();
  const float y_end = y0 - float(v.scrollmax_()) / 2;
  EXPECT_FLOAT_EQ(engine->view_posy_(), y_end);
  mdi->vscroll_MouseUp();
  EXPECT_EQ(v.scrollcurrent_(), 0);
  EXPECT_FLOAT_EQ(engine->view_posy_(), y_end);
  // The next press starts from the thumb where it is.
  mdi->hscroll_MouseDown();
  h.scrollcurrent_(100);
  mdi->hscroll_Scroll();
  EXPECT_FLOAT_EQ(engine->view_posx_(), x0 + 80 - 30);
}

TEST_F(mdi_fixture, command_line_enter_and_esc) {
  open("0");
  beep_counter_ beeps;
  window_& box = *mdi->cmd().win_();
  mdi->form().activate_();
  box.set_focus_();
  do_events_();
  EXPECT_EQ(focus_state_code_, focus_command_line_);
  mdi->cmd().text("   line  ");
  inject_key_(key_type_::down, key_return_, 0, 13);
  EXPECT_EQ(mdi->tool_name_(), "LINE");
  EXPECT_EQ(mdi->cmd().text(), "");
  EXPECT_EQ(beeps.count, 0);
  mdi->cmd().text("nonsense");
  inject_key_(key_type_::down, key_return_, 0, 13);
  EXPECT_EQ(mdi->cmd().text(), "nonsense");
  EXPECT_EQ(beeps.count, 1);
  const textbox_state_& st = mdi->cmd().state_();
  EXPECT_EQ(st.sel_text, "nonsense");  // selected, ready to be typed over
  inject_key_(key_type_::down, key_escape_, 0, 27);
  EXPECT_EQ(mdi->cmd().text(), "");
  EXPECT_TRUE(box.has_focus_());
  inject_key_(key_type_::down, key_escape_, 0, 27);
  do_events_();
  EXPECT_TRUE(mdi->client().has_focus_());
  EXPECT_EQ(focus_state_code_, focus_view_);
}
