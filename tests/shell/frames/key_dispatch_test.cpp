// The key dispatcher, fed through the real key hook with injected keys, against a fake main
// window that logs what reaches it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "shell/focus_state.h"
#include "shell/key_dispatch.h"
#include "shell/shell_host.h"

namespace {

struct fake_host : shell_host_ {
  window_handle_ main = 0;
  int32_t gui = 1;
  int32_t cmd_tb = 2, cmd_btn = 5;  // 0: no "CMD" box
  flag16_ altstate = 0;
  int32_t steps = 0;
  float posx = 100, posy = 50, zoom = 10, width = 400, height = 300;
  std::vector<std::string> log;

  void note(const std::string& s) { log.push_back(s); }
  window_handle_ main_window_handle_() override { return main; }
  int32_t gui_type_val_() override { return gui; }
  int32_t dock_getfocus_(const std::string& key, int32_t& tbid, int32_t& btn) override {
    const bool found = key == "CMD" && cmd_tb != 0;
    tbid = found ? cmd_tb : 0;
    btn = found ? cmd_btn : 0;
    return found ? 3 : 0;
  }
  void dock_key_event_(int16_t& k, int16_t& s, int16_t& c) override {
    note("dock_key " + std::to_string(k) + " " + std::to_string(s) + " " + std::to_string(c));
  }
  void dock_refresh_(int32_t tbid) override { note("dock_refresh " + std::to_string(tbid)); }
  void dock_hide_menu_() override { note("dock_hide_menu"); }
  void panel_next_(flag16_ all, flag16_ back) override {
    note("panel_next " + std::to_string(all) + " " + std::to_string(back));
  }
  void panel_key_event_(int16_t& k, int16_t& s, int16_t& c) override {
    note("panel_key " + std::to_string(k) + " " + std::to_string(s) + " " + std::to_string(c));
  }
  void panel_refresh_() override { note("panel_refresh"); }
  void ribbon_hide_winex_() override { note("ribbon_hide"); }
  flag16_ ribbon_altstate_() override { return altstate; }
  void common_keydown_(int16_t k, int16_t s) override {
    note("common " + std::to_string(k) + " " + std::to_string(s));
  }
  void auto_pointer_() override { note("auto_pointer"); }
  int32_t ds_tn_() override { return steps; }
  void set_ds_tn_(int32_t s) override { steps = s; }
  void ref_(flag16_ f, flag16_ r) override { note("ref " + std::to_string(f) + " " + std::to_string(r)); }
  void gocmd_(const std::string& c) override { note("gocmd " + c); }
  float view_posx_() override { return posx; }
  void set_view_posx_(float x) override { posx = x; }
  float view_posy_() override { return posy; }
  void set_view_posy_(float y) override { posy = y; }
  float view_zoom_() override { return zoom; }
  void set_view_zoom_(float z) override { zoom = z; }
  float view_width_() override { return width; }
  float view_height_() override { return height; }
};

class key_dispatch_test : public ::testing::Test {
 public:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    window_options_ o;
    o.title = "main";
    o.x = 20;
    o.y = 20;
    o.width = 300;
    o.height = 200;
    main = create_window_(o);
    main->on_key = [this](const key_event_& k) {
      if (k.type == key_type_::down) ++window_keys;
    };
    main->show_();
    main->activate_();
    for (int i = 0; i < 5; ++i) do_events_();
    host.main = main->handle_();
    set_shell_host_(&host);
    install_keyboard_hook_();
    focus_state_code_ = focus_toolbar_ = focus_item_ = 0;
  }
  void TearDown() override {
    remove_keyboard_hook_();
    set_shell_host_(nullptr);
    focus_state_code_ = focus_toolbar_ = focus_item_ = 0;
  }
  void press(int32_t key, int32_t shift = 0, uint32_t ch = 0) {
    inject_key_(key_type_::down, key, shift, ch);
    inject_key_(key_type_::up, key, shift);
  }

  fake_host host;
  std::unique_ptr<window_> main;
  int window_keys = 0;
};

using log_t = std::vector<std::string>;

TEST_F(key_dispatch_test, keys_go_on_to_their_window_and_releases_are_not_dispatched) {
  ASSERT_EQ(active_window_(), main.get());
  press(key_a_);
  EXPECT_EQ(window_keys, 1);
  EXPECT_EQ(host.log, (log_t{"dock_key 65 0 97"}));
  inject_key_(key_type_::down, key_a_, 0, 0, true);  // each auto-repeat counts
  EXPECT_EQ(host.log.size(), 2u);
}

TEST_F(key_dispatch_test, nothing_happens_while_a_dialog_is_active) {
  window_options_ o;
  o.title = "dialog";
  auto dialog = create_window_(o);
  dialog->show_();
  dialog->activate_();
  for (int i = 0; i < 5; ++i) do_events_();
  ASSERT_EQ(active_window_(), dialog.get());
  press(key_down_);
  press(key_oem_plus_);
  press(key_escape_);
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(host.posy, 50.0f);
  EXPECT_EQ(host.zoom, 10.0f);
}

TEST_F(key_dispatch_test, shift_code_and_typed_character) {
  struct { int32_t bits; int16_t code; } rows[] = {
      {0, 0}, {mod_shift_, 1}, {mod_ctrl_, 2}, {mod_shift_ | mod_ctrl_, 3}, {mod_alt_, 0},
      {mod_ctrl_ | mod_altgr_, 0}, {mod_shift_ | mod_ctrl_ | mod_altgr_, 1}};
  for (const auto& r : rows) EXPECT_EQ(shift_code_(r.bits), r.code) << r.bits;
  EXPECT_EQ(typed_char_code_(U'a'), 97);
  EXPECT_EQ(typed_char_code_(U'ą'), 0xB9);
  EXPECT_EQ(typed_char_code_(U'€'), 0x80);
  EXPECT_EQ(typed_char_code_(U'中'), 0);
  EXPECT_EQ(typed_char_code_(0), 0);
  // A Polish letter typed with AltGr is a character, never a Ctrl shortcut.
  press(key_a_, mod_altgr_, U'ą');
  EXPECT_EQ(host.log, (log_t{"dock_key 65 0 185"}));
}

TEST_F(key_dispatch_test, classic_tab_moves_into_and_out_of_the_command_box) {
  press(key_tab_);
  EXPECT_EQ(focus_state_code_, 1);
  EXPECT_EQ(focus_toolbar_, 2);
  EXPECT_EQ(focus_item_, 5);
  press(key_escape_);  // Esc inside the command box is ignored
  EXPECT_EQ(focus_state_code_, 1);
  press(key_tab_);
  EXPECT_EQ(focus_state_code_, 0);
  EXPECT_EQ(focus_toolbar_, 0);
  EXPECT_EQ(focus_item_, 0);
  EXPECT_EQ(host.log, (log_t{"dock_refresh 2", "dock_refresh 2"}));

  // Without a command box Tab in the view does nothing, and in a toolbar box goes to the box.
  host.log.clear();
  host.cmd_tb = 0;
  press(key_tab_);
  EXPECT_TRUE(host.log.empty());
  focus_state_code_ = 1;
  press(key_tab_, 1);
  EXPECT_EQ(host.log, (log_t{"dock_key 9 1 9"}));
}

TEST_F(key_dispatch_test, panel_tab_goes_back_only_with_shift_alone) {
  for (int32_t gui : {1, 0}) {
    host.gui = gui;
    host.log.clear();
    focus_state_code_ = 3;
    focus_toolbar_ = 7;
    press(key_tab_, mod_shift_);
    press(key_tab_, mod_shift_ | mod_ctrl_);
    press(key_a_ + 1, 0);
    EXPECT_EQ(host.log, (log_t{"panel_next 0 -1", "panel_refresh", "panel_next 0 0", "panel_refresh",
                               "panel_key 66 0 98"}))
        << gui;
    press(key_escape_);
    EXPECT_EQ(focus_state_code_, 0);
    EXPECT_EQ(focus_toolbar_, 0);
  }
}

TEST_F(key_dispatch_test, view_keys_pan_by_a_tenth_and_zoom_by_a_quarter) {
  press(key_down_, mod_ctrl_);  // shift states make no difference in the view
  EXPECT_EQ(host.posy, 20.0f);
  press(key_right_);
  EXPECT_EQ(host.posx, 140.0f);
  press(key_oem_minus_);
  press(key_oem_minus_);
  EXPECT_EQ(host.zoom, static_cast<float>(static_cast<float>(10 / 1.25) / 1.25));
  EXPECT_NEAR(host.zoom, 10 / 1.5625, 1e-5);
  EXPECT_EQ(host.log, (log_t{"ref 0 0", "ref 0 0", "ref 0 0", "ref 0 0"}));
}

TEST_F(key_dispatch_test, escape_resets_the_tool_step_else_clears_the_selection) {
  host.steps = 2;
  press(key_escape_);
  EXPECT_EQ(host.steps, 0);
  press(key_escape_);
  EXPECT_EQ(host.log, (log_t{"ribbon_hide", "dock_hide_menu", "auto_pointer", "ref 0 0", "ribbon_hide",
                             "dock_hide_menu", "auto_pointer", "gocmd selectnone"}));
}

TEST_F(key_dispatch_test, ribbon_table) {
  host.gui = 0;
  struct row { int32_t state; flag16_ alt; int32_t key; int32_t shift; log_t log; };
  const row rows[] = {
      {0, 0, key_tab_, 0, {"common 9 0"}},
      {0, 0, key_escape_, mod_shift_, {"common 27 1"}},
      {0, 0, key_up_, 0, {"ref 0 0"}},
      {0, true_, key_up_, 0, {"common 38 0"}},
      {0, 0, key_menu_, 0, {"common 18 0"}},
      {5, 0, key_up_, mod_ctrl_, {"common 38 2"}},
      {4, 0, key_a_, 0, {}},
      {4, true_, key_up_, 0, {}},
  };
  for (const row& r : rows) {
    host.log.clear();
    host.altstate = r.alt;
    focus_state_code_ = r.state;
    press(r.key, r.shift);
    EXPECT_EQ(host.log, r.log) << r.state << " " << r.key;
  }
  host.log.clear();
  host.altstate = 0;
  focus_state_code_ = 0;
  route_shortcut_key_(0, 0, 0);  // key code 0 finds no receiver
  EXPECT_TRUE(host.log.empty());
}

}  // namespace
