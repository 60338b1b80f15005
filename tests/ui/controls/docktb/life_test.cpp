// The control's timer (activation changes), its face, and key events of tool windows.
#include "docktb_screen_fixture.h"
#include "platform/input/key_codes.h"
#include "platform/services/screen.h"

namespace {

using docktb_life = docktb_screen;

TEST_F(docktb_life, win_activate_once_per_change_and_nothing_before_dock) {
  window_options_ o;
  o.title = "dialog";
  o.x = 300, o.y = 300, o.width = 100, o.height = 100;
  o.in_taskbar = false;
  auto dialog = create_window_(o);
  dialog->show_();
  main_->activate_();
  do_events_();
  for (int i = 0; i < 3; ++i) tb_->timer_tick_();
  EXPECT_TRUE(log.empty());
  dock_all();
  tb_->timer_tick_();
  tb_->timer_tick_();
  EXPECT_EQ(log, std::vector<std::string>{"activate -1"});
  EXPECT_EQ(tb_->main_active, true_);
  dialog->activate_();
  do_events_();
  tb_->timer_tick_();
  tb_->timer_tick_();
  main_->activate_();
  do_events_();
  tb_->timer_tick_();
  EXPECT_EQ(log, (std::vector<std::string>{"activate -1", "activate 0", "activate -1"}));
}

TEST_F(docktb_life, the_timer_runs_every_millisecond_from_the_start) {
  xdocktb_ fresh;
  ASSERT_TRUE(fresh.timer_->running_());
  EXPECT_EQ(fresh.timer_->period_(), 1);
  EXPECT_EQ(fresh.button_count, 0);
  EXPECT_EQ(focus_state_code_, focus_toolbar_box_);
  EXPECT_EQ(focus_toolbar_, 0);
}

TEST_F(docktb_life, the_face_is_button_face_with_a_darker_outline_after_a_resize) {
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = main_.get();
  o.width = 30, o.height = 20;
  auto face = create_window_(o);
  face->show_no_activate_();
  tb_->set_face_window_(face.get());
  face->move_(0, 0, 50, 40);
  do_events_();
  const surface_& s = face->client_surface_();
  ASSERT_EQ(s.width_(), 50);
  const uint32_t bf = system_colour_(sys_colour_button_face_);
  const uint32_t edge = uint32_t(xdocktb_::mix_color_(int32_t(bf), 0, 0.5f));
  EXPECT_EQ(s.colour_(0, 0), edge);
  EXPECT_EQ(s.colour_(49, 39), edge);
  EXPECT_EQ(s.colour_(49, 20), edge);
  EXPECT_EQ(s.colour_(25, 39), edge);
  EXPECT_EQ(s.colour_(1, 1), bf);
  EXPECT_EQ(s.colour_(48, 38), bf);
}

TEST_F(docktb_life, key_events_of_tool_windows_are_passed_on) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("bar", dock_top_);
  plain(t, "a");
  show_all();
  tb_->KeyDown = [&](int16_t k, int16_t s) { note("down " + std::to_string(k) + " " + std::to_string(s)); };
  tb_->KeyPress = [&](int16_t a) { note("press " + std::to_string(a)); };
  tb_->KeyUp = [&](int16_t k, int16_t s) { note("up " + std::to_string(k) + " " + std::to_string(s)); };
  ::key_event_ k;
  k.type = key_type_::down;
  k.key_code = 'A';
  k.shift = mod_shift_;
  tw(t).on_key(k);
  k.type = key_type_::character;
  k.ch = 'A';
  tw(t).on_key(k);
  k.type = key_type_::up;
  tw(t).on_key(k);
  EXPECT_EQ(log, (std::vector<std::string>{"down 65 1", "press 65", "up 65 1"}));
}

}  // namespace
