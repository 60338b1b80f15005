// Key tips, shortcuts, forwarded events and the focus and mouse-state helpers.
#include "ribbon_fixture.h"

namespace {

constexpr int16_t enter = 13, esc = 27, left = 37, up = 38, right = 39, down = 40;

// Three tabs with key tips H, D, V; on DRAW a button LINE (L), a group GRP "BBC" (G), a group
// of one cell ONE (O) and buttons with alt keys A and AB; a quick button SAVE (1); main button M.
class ribbon_keys : public ribbon_test {
 protected:
  ribbon_keys() : r(metrics_96) {
    log.attach(r);
    r.set_scale_size_(800, 117);
    r.buttonmainaltkey_("m");
    r.add_tabtop_("HOME", "Home", "H", "F5");
    r.add_tabtop_("DRAW", "Draw", "D", "F6");
    r.add_tabtop_("VIEW", "View", "V");
    r.add_toolbar_(1, "HT", "Home tools");
    r.add_button_(1, "PASTE", "Paste", 0, 1, 1, 1, true, "", "L");  // same key tip, other tab
    r.add_toolbar_(2, "DT", "Draw tools");
    r.add_button_(2, "LINE", "Line", 0, 1, 1, 1, true, "", " l ");
    r.add_group_(2, "GRP", "BBC", 0, 1, 1, true, "G");
    r.add_group_(2, "ONE", "C", 0, 1, 1, true, "O");
    r.add_button_(2, "BTN_A", "A", 0, 2, 2, 1, true, "", "A");
    r.add_button_(2, "BTN_AB", "AB", 0, 2, 2, 1, true, "", "AB");
    r.add_quickbutton_("SAVE", "Save", "", 0, "1");
    log.repaints = 0;
  }
  // Presses keys one after another (letters and digits by their character).
  void keys(std::initializer_list<int16_t> codes) {
    for (int16_t c : codes) r.set_altkey_(c);
  }
  std::string state() const {
    return std::to_string(r.key_tips.shown) + "/" + std::to_string(r.key_tips.level) + "/" + r.key_tips.typed + "/" +
           std::to_string(r.key_tips.waiting_group) + " tab " + std::to_string(r.tab_id_());
  }
  xribbon_ r;
  ribbon_log_ log;
};

TEST_F(ribbon_keys, key_tip_script) {
  struct step {
    std::function<void(xribbon_&)> act;
    std::string events;
    std::string state;  // shown/level/typed/waiting tab
  };
  const step script[] = {
      {[](xribbon_& r) { r.set_altkey_('D'); }, "", "0/0//0 tab 1"},  // off: only a repaint
      {[](xribbon_& r) { r.altstate_(true); }, "", "-1/1//0 tab 1"},
      {[](xribbon_& r) { r.set_altkey_('D'); }, "tab DRAW", "-1/2//0 tab 2"},
      {[](xribbon_& r) { r.set_altkey_('L'); }, "button LINE 0", "0/0//0 tab 2"},
      {[](xribbon_& r) { r.altstate_(true); }, "", "-1/1//0 tab 2"},
      {[](xribbon_& r) { r.set_altkey_(enter); }, "tab DRAW", "-1/2//0 tab 2"},
      {[](xribbon_& r) { r.set_altkey_('G'); }, "", "-1/2//3 tab 2"},
      {[](xribbon_& r) { r.set_altkey_('0'); }, "", "-1/2//3 tab 2"},  // 0 is no member
      {[](xribbon_& r) { r.set_altkey_('X'); }, "", "-1/2//3 tab 2"},
      {[](xribbon_& r) { r.set_altkey_(right); }, "tab VIEW", "-1/2//3 tab 3"},  // the group keeps waiting
      {[](xribbon_& r) { r.set_altkey_(left); }, "tab DRAW", "-1/2//3 tab 2"},
      {[](xribbon_& r) { r.set_altkey_('3'); }, "button GRP 3", "0/0//0 tab 2"},
      {[](xribbon_& r) { r.altstate_(true); }, "", "-1/1//0 tab 2"},
      {[](xribbon_& r) { r.set_altkey_('D'); }, "tab DRAW", "-1/2//0 tab 2"},
      {[](xribbon_& r) { r.set_altkey_('G'); }, "", "-1/2//3 tab 2"},
      {[](xribbon_& r) { r.set_altkey_(esc); }, "", "-1/2//0 tab 2"},  // releases the group
      {[](xribbon_& r) { r.set_altkey_(esc); }, "", "-1/1//0 tab 2"},
      {[](xribbon_& r) { r.set_altkey_(up); }, "", "-1/1//0 tab 2"},  // Up at level 1: nothing
      {[](xribbon_& r) { r.set_altkey_(esc); }, "", "0/0//0 tab 2"},
      {[](xribbon_& r) { r.altstate_(true); }, "", "-1/1//0 tab 2"},
      {[](xribbon_& r) { r.set_altkey_(right); }, "tab VIEW", "-1/1//0 tab 3"},
      {[](xribbon_& r) { r.set_altkey_(right); }, "tab HOME", "-1/1//0 tab 1"},  // past the last tab
      {[](xribbon_& r) { r.set_altkey_(left); }, "tab VIEW", "-1/1//0 tab 3"},
      {[](xribbon_& r) { r.set_altkey_('M'); }, "main 0", "-1/1//0 tab 3"},
      {[](xribbon_& r) { r.set_altkey_('Q'); }, "", "-1/1/Q/0 tab 3"},  // stays typed
      {[](xribbon_& r) { r.set_altkey_('D'); }, "", "-1/1/QD/0 tab 3"},
      {[](xribbon_& r) { r.set_altkey_(esc); }, "", "0/0//0 tab 3"},
      {[](xribbon_& r) { r.altstate_(true); }, "", "-1/1//0 tab 3"},
      {[](xribbon_& r) { r.set_altkey_(100); }, "", "-1/1//0 tab 3"},  // a number-pad digit types nothing
      {[](xribbon_& r) { r.set_altkey_('1'); }, "quick SAVE", "0/0//0 tab 3"},
  };
  int n = 0;
  for (const step& s : script) {
    int repaints = log.repaints;
    s.act(r);
    EXPECT_EQ(log.take(), s.events) << "step " << n;
    EXPECT_EQ(state(), s.state) << "step " << n;
    EXPECT_GT(log.repaints, repaints) << "step " << n;  // every key repaints
    ++n;
  }
  // Every tab, quick-button and control event ran with the ribbon disabled; the main button's
  // ran with it enabled; the ribbon is enabled again after each.
  EXPECT_EQ(log.enabled_during_events, "----------+-");
  EXPECT_EQ(log.disables, log.enables);
  EXPECT_TRUE(log.enabled);
}

TEST_F(ribbon_keys, group_digits_and_shadowed_alt_keys) {
  r.altstate_(true);
  keys({'D', 'G', '5'});  // the member count is not checked
  EXPECT_EQ(log.take(), "tab DRAW; button GRP 5");
  r.altstate_(true);
  keys({'D', 'O'});  // a group of one cell is pressed at once
  EXPECT_EQ(log.take(), "tab DRAW; button ONE 0");
  r.altstate_(true);
  keys({'D', 'A', 'B'});  // A matches first; AB cannot be reached
  EXPECT_EQ(log.take(), "tab DRAW; button BTN_A 0");
  EXPECT_EQ(r.key_tips.shown, false_);
  r.altstate_(true);
  keys({down, 'L'});  // Down opens the active tab's level; PASTE lies on another tab
  EXPECT_EQ(log.take(), "tab DRAW; button LINE 0");
}

TEST_F(ribbon_keys, pressed_flag_is_set_while_the_event_runs) {
  flag16_ during = 0;
  r.ButtonClick = [&](const std::string&, int16_t) { during = r.controls[r.btnkey2id_("LINE")].key_tip_pressed; };
  r.altstate_(true);
  keys({'D', 'L'});
  EXPECT_EQ(during, true_);
  EXPECT_EQ(r.controls[r.btnkey2id_("LINE")].key_tip_pressed, false_);
}

TEST_F(ribbon_keys, shortcut_texts_and_matches) {
  r.add_mainmenuitem_("OPEN", "Open", "ctrl+o");
  r.add_button_(2, "OPEN_BTN", "Open", 0, 1, 1, 1, false, " CTRL+O ");  // disabled, and shadowed
  r.add_button_(1, "DISABLED", "x", 0, 1, 1, 1, false, "ctrl+shift+d");
  r.add_popupmenuitem_(1, 0, "HIDDEN_ROW", "Row", "Del", false, -1, false, "", false);
  r.add_toolbar_(3, "CORNER", "Corner", true, "f9");
  r.toolbarvisible_("CORNER", false);
  struct {
    int16_t shift, key;
    std::string text, events;
    int32_t tab_after;
  } cases[] = {
      {1, 116, "SHIFT+F5", "", 1},  // the tab with F5 does not match it
      {0, 117, "F6", "tab DRAW", 2},
      {0, 116, "F5", "tab HOME", 1},
      {2, 'O', "CTRL+O", "menu OPEN", 1},
      {3, 'D', "CTRL+SHIFT+D", "button DISABLED 0", 1},
      {0, 46, "DEL", "popup HIDDEN_ROW 0", 1},
      {0, 120, "F9", "corner CORNER", 1},
      {2, 'Z', "CTRL+Z", "", 1},
      {4, 'Z', "Z", "", 1},  // Alt alone adds no prefix
      {0, 27, "ESC", "", 1},
      {0, '7', "7", "", 1},
      {0, 36, "", "", 1},  // Home
      {3, 36, "", "", 1},
      {0, 97, "", "", 1},   // number-pad 1
      {0, 124, "", "", 1},  // F13
  };
  for (const auto& c : cases) {
    EXPECT_EQ(r.check_shortcut_(c.shift, c.key), c.text) << c.key;
    EXPECT_EQ(log.take(), c.events) << c.key;
    EXPECT_EQ(r.tab_id_(), c.tab_after) << c.key;
  }
}

TEST_F(ribbon_keys, tab_shortcut_fits_and_repaints_before_its_event) {
  r.set_scale_size_(10, 117);
  std::vector<std::string> order;
  r.hooks.paint_bar = [&](bool) { order.push_back("paint"); };
  r.TabButtonClick = [&](const std::string& k) {
    order.push_back("tab " + k + " state " + std::to_string(r.toolbars[2].fit_state));
  };
  r.check_shortcut_(0, 117);
  EXPECT_EQ(order, (std::vector<std::string>{"paint", "tab DRAW state 2"}));
}

TEST_F(ribbon_keys, forwarded_events) {
  r.add_quickbutton_(" undo ");
  r.call_event_(1, 0);
  r.call_event_(1, 3);
  r.call_event_(2, 1);
  EXPECT_EQ(log.take(), "");
  r.call_event_(1, 2);
  r.call_event_(1, 1);
  EXPECT_EQ(log.take(), "quick UNDO; quick SAVE");

  bool ex1 = false, ex2 = false;
  r.hooks.win_ex1_visible = [&] { return ex1; };
  r.hooks.win_ex2_visible = [&] { return ex2; };
  EXPECT_FALSE(r.winex_visible_());
  EXPECT_TRUE(r.call_mscroll_(-1));
  EXPECT_EQ(log.take(), "scroll -1");
  for (auto [a, b] : {std::pair{true, false}, {false, true}}) {
    ex1 = a, ex2 = b;
    EXPECT_TRUE(r.winex_visible_());
    EXPECT_FALSE(r.call_mscroll_(1));
    EXPECT_EQ(log.take(), "");
  }
}

TEST_F(ribbon_keys, focus_of_any_part) {
  struct {
    flag16_ bar, ex1, ex2, any;
  } cases[] = {{0, 0, 0, 0}, {0, 0, -1, -1}, {0, -1, 0, -1}, {-1, 0, 0, -1}};
  for (auto c : cases) {
    r.press.focused = c.bar, r.dropdown.ex1_focused = c.ex1, r.dropdown.ex2_focused = c.ex2;
    EXPECT_EQ(r.any_part_focused_(), c.any);
  }
}

TEST_F(ribbon_keys, hot_state_survives_a_drag) {
  auto set_all = [&](int32_t v) {
    r.hit.hot_kind = r.hit.hot_index = v;
    r.press.reported_kind = r.press.reported_index = v;
    r.press.pressed_control = r.press.pressed_drop = r.hit.drop_control = v;
    r.press.pressed_toolbar = r.press.pressed_corner = r.hit.corner_toolbar = v;
    r.dropdown.hot_popup_key = "K" + std::to_string(v);
    r.dropdown.hot_cell = std::to_string(v);
    r.dropdown.collapsed_toolbar = v;
  };
  auto sum = [&] {
    return std::to_string(r.hit.hot_kind + r.hit.hot_index + r.press.reported_kind + r.press.reported_index +
                          r.press.pressed_control + r.press.pressed_drop + r.hit.drop_control +
                          r.press.pressed_toolbar + r.press.pressed_corner + r.hit.corner_toolbar +
                          r.dropdown.collapsed_toolbar) +
           r.dropdown.hot_popup_key + r.dropdown.hot_cell;
  };
  set_all(3);
  r.press.app_pressed = true_;
  r.press.pressed_cell = 2;
  r.save_hot_state_(false);
  set_all(9);  // what the drag's mouse moves wrote
  r.press.app_pressed = false_;
  r.press.pressed_cell = 5;
  r.save_hot_state_(true);
  EXPECT_EQ(sum(), "33K33");
  EXPECT_EQ(r.press.app_pressed, false_);  // not part of the saved state
  EXPECT_EQ(r.press.pressed_cell, 5);
}

}  // namespace
