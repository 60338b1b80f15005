// Keys offscreen: the application hook, focus, key states, characters, caret, pointer files.
#include "platform/input/keyboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/input/caret.h"
#include "platform/input/cursor.h"
#include "platform/input/key_codes.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"

namespace {

class keyboard_test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    window_options_ o;
    o.x = 10;
    o.y = 10;
    o.width = 120;
    o.height = 80;
    win = create_window_(o);
    win->show_();
    win->activate_();
    win->set_focus_();
    do_events_();
    win->on_key = [this](const key_event_& k) {
      if (k.type == key_type_::down) log.push_back("window " + std::to_string(k.key_code));
      if (k.type == key_type_::character) typed += static_cast<char>(k.ch);
    };
  }
  void TearDown() override {
    remove_key_hook_();
    win.reset();
    do_events_();
  }
  std::unique_ptr<window_> win;
  std::vector<std::string> log;
  std::string typed;
};

TEST_F(keyboard_test, focused_window_gets_keys_and_focus_events) {
  ASSERT_EQ(focused_window_(), win.get());
  EXPECT_TRUE(win->has_focus_());
  EXPECT_TRUE(inject_key_(key_type_::down, key_a_));
  inject_key_(key_type_::up, key_a_);
  EXPECT_EQ(log, std::vector<std::string>{"window 65"});
  EXPECT_EQ(typed, "a");

  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = win.get();
  auto box = create_window_(o);
  box->show_();
  std::vector<bool> focus;
  win->on_focus = [&](bool got) { focus.push_back(got); };
  box->set_focus_();
  win->set_focus_();
  EXPECT_EQ(focus, (std::vector<bool>{false, true}));
}

TEST_F(keyboard_test, hook_sees_each_key_before_the_focused_window_and_may_swallow_it) {
  set_key_hook_([this](const key_event_& k) {
    if (k.type != key_type_::down) return false;
    log.push_back("hook " + std::to_string(k.key_code) + (k.repeat ? " repeat" : ""));
    return k.key_code == key_escape_;
  });
  ASSERT_TRUE(key_hook_installed_());
  struct case_ { int32_t key; bool repeat; std::vector<std::string> expect; };
  const case_ cases[] = {
      {key_tab_, false, {"hook 9", "window 9"}},
      {key_left_, true, {"hook 37 repeat", "window 37"}},
      {key_oem_plus_, false, {"hook 187", "window 187"}},
      {key_escape_, false, {"hook 27"}},
  };
  for (const case_& c : cases) {
    log.clear();
    inject_key_(key_type_::down, c.key, 0, 0, c.repeat);
    inject_key_(key_type_::up, c.key);
    EXPECT_EQ(log, c.expect) << c.key;
  }
  remove_key_hook_();
  log.clear();
  inject_key_(key_type_::down, key_escape_);
  inject_key_(key_type_::up, key_escape_);
  EXPECT_EQ(log, std::vector<std::string>{"window 27"});
}

TEST_F(keyboard_test, shift_states_reach_the_hook_and_key_states_follow_presses) {
  std::vector<int32_t> shifts;
  set_key_hook_([&](const key_event_& k) {
    if (k.type == key_type_::down) shifts.push_back(k.shift);
    return false;
  });
  const int32_t states[] = {0, mod_shift_, mod_ctrl_, mod_shift_ | mod_ctrl_, mod_alt_, mod_altgr_};
  for (int32_t s : states) {
    inject_key_(key_type_::down, key_z_, s);
    inject_key_(key_type_::up, key_z_, s);
  }
  EXPECT_EQ(shifts, std::vector<int32_t>(std::begin(states), std::end(states)));

  inject_key_(key_type_::down, key_shift_, mod_shift_);
  EXPECT_TRUE(key_is_down_(key_shift_));
  EXPECT_EQ(shift_state_(), mod_shift_);
  inject_key_(key_type_::up, key_shift_);
  EXPECT_FALSE(key_is_down_(key_shift_));
  EXPECT_EQ(shift_state_(), 0);
}

TEST_F(keyboard_test, caps_lock_presses_change_what_letters_type) {
  // A real X server keeps the lamp itself, and injected presses never reach it.
  if (platform_name_() != "offscreen") GTEST_SKIP();
  const bool was = caps_lock_on_();
  inject_key_(key_type_::down, key_capital_);
  inject_key_(key_type_::up, key_capital_);
  EXPECT_NE(caps_lock_on_(), was);
  inject_key_(key_type_::down, 'Q');
  inject_key_(key_type_::up, 'Q');
  inject_key_(key_type_::down, 'Q', mod_shift_);
  inject_key_(key_type_::up, 'Q', mod_shift_);
  EXPECT_EQ(typed, was ? "qQ" : "Qq");
  inject_key_(key_type_::down, key_capital_);
  inject_key_(key_type_::up, key_capital_);
  EXPECT_EQ(caps_lock_on_(), was);
}

TEST_F(keyboard_test, us_key_positions_type_their_characters) {
  struct case_ { int32_t key; int32_t shift; bool caps; uint32_t ch; };
  const case_ cases[] = {
      {key_a_, 0, false, 'a'},          {key_a_, mod_shift_, false, 'A'},
      {key_a_, 0, true, 'A'},           {key_a_, mod_shift_, true, 'a'},
      {'1', 0, false, '1'},             {'1', mod_shift_, false, '!'},
      {'0', mod_shift_, true, ')'},     {key_oem_plus_, 0, false, '='},
      {key_oem_plus_, mod_shift_, false, '+'}, {key_oem_7_, mod_shift_, false, '"'},
      {key_numpad0_ + 7, 0, false, '7'}, {key_decimal_, 0, false, '.'},
      {key_a_, mod_ctrl_, false, 0},    {key_f1_, 0, false, 0},
      {key_left_, 0, false, 0},         {key_space_, mod_shift_, false, ' '},
  };
  for (const case_& c : cases)
    EXPECT_EQ(us_character_of_(c.key, c.shift, c.caps), c.ch) << c.key << " shift " << c.shift;
}

TEST_F(keyboard_test, caret_follows_its_window_and_goes_with_it) {
  create_caret_(*win, 2, 14);
  EXPECT_TRUE(caret_exists_());
  EXPECT_EQ(caret_window_(), win.get());
  EXPECT_FALSE(caret_shown_());
  show_caret_();
  set_caret_pos_(30, 20);
  EXPECT_TRUE(caret_shown_());
  // The caret inverts what the window shows, never the owner's surface.
  win->client_surface_().fill_colour_(rgb_(255, 255, 255));
  surface_ shot;
  ASSERT_TRUE(win->grab_(shot));
  EXPECT_EQ(shot.colour_(30, 20), 0u);
  EXPECT_EQ(shot.colour_(31, 33), 0u);
  EXPECT_EQ(shot.colour_(32, 20), rgb_(255, 255, 255));
  EXPECT_EQ(win->client_surface_().colour_(30, 20), rgb_(255, 255, 255));
  hide_caret_();
  ASSERT_TRUE(win->grab_(shot));
  EXPECT_EQ(shot.colour_(30, 20), rgb_(255, 255, 255));
  win.reset();
  EXPECT_FALSE(caret_exists_());
  destroy_caret_();
}

TEST_F(keyboard_test, cursor_file_hot_spot_is_read_only_from_well_formed_files) {
  auto cur = [](uint16_t type, uint16_t count, uint16_t hx, uint16_t hy, size_t entries) {
    std::string b;
    auto u16 = [&](uint16_t v) { b += char(v & 0xFF); b += char(v >> 8); };
    u16(0), u16(type), u16(count);
    for (size_t i = 0; i < entries; ++i) {
      b += std::string("\x20\x20\x00\x00", 4);
      u16(hx), u16(hy);
      b += std::string(8, '\0');
    }
    return b;
  };
  struct case_ { std::string bytes; bool ok; int32_t x, y; };
  const case_ cases[] = {
      {cur(2, 1, 7, 9, 1), true, 7, 9},
      {cur(2, 2, 0, 31, 2), true, 0, 31},
      {cur(1, 1, 7, 9, 1), false, 0, 0},      // an icon has no hot spot
      {cur(2, 0, 7, 9, 0), false, 0, 0},      // no image
      {cur(2, 3, 7, 9, 2), false, 0, 0},      // directory longer than the file
      {cur(2, 1, 7, 9, 1).substr(0, 9), false, 0, 0},
      {"", false, 0, 0},
  };
  for (const case_& c : cases) {
    int32_t x = -1, y = -1;
    EXPECT_EQ(read_cursor_hotspot_(c.bytes, x, y), c.ok) << c.bytes.size();
    if (c.ok) {
      EXPECT_EQ(x, c.x);
      EXPECT_EQ(y, c.y);
    }
  }
  EXPECT_EQ(load_cursor_file_("/nonexistent/zaz.cur.01.0.cur"), 0);
}

}  // namespace
