// Keys: editing the focused toolbar text box in place, and shortcut texts matched against the
// menu items and sub-items when no text box is focused.
#include "docktb_fixture.h"
#include "platform/core/codepage.h"

namespace {

struct docktb_keys : docktb_host {
  int32_t t = 0, box = 0, menu_btn = 0;
  std::vector<std::string> clicks;  // "bid:key" of each MenuItemClick
  std::vector<std::string> enters;

  void SetUp() override {
    docktb_host::SetUp();
    dock_all();
    t = tb_->add_toolbar_("cmd", dock_bottom_);
    std::string k1 = "file", t1 = "File";
    menu_btn = tb_->add_button_(t, k1, t1, 5);
    std::string k2 = " cmd ", t2 = "";
    box = tb_->add_button_(t, k2, t2, 6, nullptr, false, "", false, false, 200);
    tb_->MenuItemClick = [this](int32_t tbid, int32_t btn, int32_t bid, const std::string& key, int32_t mx,
                                int32_t my) {
      EXPECT_EQ(tbid, 0);
      EXPECT_EQ(btn, 0);
      EXPECT_EQ(mx, 0);
      EXPECT_EQ(my, 0);
      clicks.push_back(std::to_string(bid) + ":" + key);
    };
    tb_->PressEnter = [this](int32_t tbid, int32_t btn, int32_t bid, const std::string& key) {
      enters.push_back(std::to_string(tbid) + "," + std::to_string(btn) + "," + std::to_string(bid) + "," + key);
    };
  }
  void focus_box(const std::string& text, int32_t anchor, int32_t caret) {
    tb_->button_text_(t, 2, text);
    focus_toolbar_ = t;
    focus_item_ = 2;
    focus_state_code_ = 1;
    focus_sel_anchor_ = anchor;
    focus_caret_ = caret;
  }
  std::string text() { return tb_->button_text_(t, 2); }
};

constexpr int16_t ch(char c) { return int16_t(uint8_t(c)); }

TEST_F(docktb_keys, editing_the_focused_text_box) {
  struct row {
    std::string text;
    int32_t anchor, caret;
    int16_t keycode, shift, ascii;
    std::string want;
    int32_t want_anchor, want_caret;
  };
  const row rows[] = {
      {"abc", 3, 3, 8, 0, 8, "ab", 2, 2},          // Backspace
      {"abc", 3, 3, 46, 0, 0, "abc", 3, 3},        // Delete at the end
      {"abcd", 1, 3, 88, 0, ch('x'), "axd", 2, 2}, // typing replaces the selection
      {"abcd", 1, 3, 8, 0, 8, "ad", 1, 1},
      {"abcd", 3, 1, 46, 0, 0, "ad", 1, 1},        // Delete of a backward selection
      {"abcd", 1, 1, 46, 0, 0, "acd", 1, 1},
      {"abcd", 0, 0, 8, 0, 8, "abcd", 0, 0},
      {"abcd", 0, 0, 37, 1, 0, "abcd", 0, 0},      // Shift+Left at 0
      {"abcd", 1, 1, 35, 1, 0, "abcd", 1, 4},      // Shift+End selects to the end
      {"abcd", 2, 2, 36, 1, 0, "abcd", 2, 0},      // Shift+Home
      {"abcd", 4, 1, 37, 0, 0, "abcd", 1, 1},      // Left with a selection
      {"abcd", 4, 1, 39, 0, 0, "abcd", 4, 4},      // Right with a selection
      {"abcd", 2, 2, 38, 0, 0, "abcd", 1, 1},      // Up moves like Left
      {"abcd", 4, 4, 40, 3, 0, "abcd", 4, 4},      // Ctrl+Shift+Down stays at the end
      {"abcd", 2, 2, 33, 0, 0, "abcd", 0, 0},      // Page Up
      {"abcd", 1, 3, 37, 2, 0, "abcd", 1, 3},      // Ctrl+Left does nothing
      {"abcd", 1, 3, 83, 2, 19, "abcd", 1, 3},     // Ctrl+S's character 19 is ignored
      {"abcd", 1, 3, 27, 0, 27, "abcd", 3, 3},     // Esc collapses at the caret
      {"ab", 9, 9, 67, 0, ch('c'), "abc", 3, 3},   // positions past the end count as the end
      {"za", 2, 2, 76, 0, 0xB3, "za\xC5\x82", 3, 3},                  // Windows-1250 l with stroke
      {"\xC5\xBC\xC3\xB3\xC5\x82w", 1, 3, 8, 0, 8, "\xC5\xBCw", 1, 1}, // positions count characters
      {"ab", 1, 1, 0, 0, 0x81, "ab", 1, 1},        // an unassigned byte types nothing
  };
  for (const row& r : rows) {
    focus_box(r.text, r.anchor, r.caret);
    tb_->key_event_(r.keycode, r.shift, r.ascii);
    EXPECT_EQ(text(), r.want) << r.text << " key " << r.keycode << "/" << r.ascii;
    EXPECT_EQ(focus_sel_anchor_, r.want_anchor) << r.text << " key " << r.keycode;
    EXPECT_EQ(focus_caret_, r.want_caret) << r.text << " key " << r.keycode;
  }
  EXPECT_TRUE(clicks.empty());
}

TEST_F(docktb_keys, enter_raises_press_enter_and_tab_leaves_the_target) {
  tb_->add_menu_(menu_btn, "save", "Save", "Ctrl+S");
  focus_box("line", 4, 4);
  tb_->key_event_(13, 0, 13);
  ASSERT_EQ(enters.size(), 1u);
  EXPECT_EQ(enters[0], std::to_string(t) + ",2," + std::to_string(box) + ",CMD");
  EXPECT_EQ(text(), "line");
  tb_->key_event_(83, 2, 19);  // Ctrl+S with the box focused: no shortcut
  EXPECT_TRUE(clicks.empty());
  tb_->key_event_(9, 0, 9);
  EXPECT_EQ(focus_state_code_, 0);
  EXPECT_EQ(focus_toolbar_, t);
  tb_->key_event_(88, 0, ch('x'));  // the kept target still takes docktb_keys
  EXPECT_EQ(text(), "linex");
}

TEST_F(docktb_keys, shortcut_texts_match_items_and_sub_items_in_store_order) {
  const int32_t f = menu_btn;
  tb_->add_menu_(f, "open", "Open", "ctrl+o");
  tb_->add_menu_(f, "saveas", "Save as", "Shift+Ctrl+S");
  tb_->add_menu_(f, "hidden", "Hidden", "F7", false, 0, false, false);
  const int32_t parent = tb_->add_menu_(f, "export", "Export");
  tb_->add_submenu_(f, parent, "dxf", "DXF", "Ctrl+Shift+F5");
  std::string k = "edit", text = "Edit";
  const int32_t e = tb_->add_button_(t, k, text, 5);
  tb_->add_menu_(e, "open2", "Open too", "CTRL+O");
  tb_->add_menu_(e, "help", "Help", "Shift+F1");
  tb_->add_menu_(e, "cancel", "Cancel", "Esc");
  tb_->add_menu_(e, "del", "Delete", "Del");
  tb_->add_menu_(e, "s", "S", "S");
  tb_->add_menu_(e, "two", "Two", "ctrl+2");
  struct row {
    int16_t keycode, shift;
    std::string want;  // empty: no event
  };
  const std::string F = std::to_string(f) + ":", E = std::to_string(e) + ":";
  const row rows[] = {
      {79, 2, F + "OPEN"},      // the first match wins
      {83, 3, ""},              // CTRL+SHIFT+S is not Shift+Ctrl+S
      {118, 0, F + "HIDDEN"},   // hidden items count
      {116, 3, F + "DXF"},
      {112, 1, E + "HELP"},
      {27, 0, E + "CANCEL"},
      {46, 0, E + "DEL"},
      {83, 0, E + "S"},
      {50, 2, E + "TWO"},
      {16, 1, ""},              // Shift alone
      {37, 0, ""},              // an arrow key
      {97, 2, ""},              // keypad 1
      {0, 2, ""},
      {83, 4, ""},              // Alt has no modifier name
  };
  focus_toolbar_ = focus_item_ = 0;
  for (const row& r : rows) {
    clicks.clear();
    tb_->menu_open = true_;
    tb_->key_event_(r.keycode, r.shift, 0);
    if (r.want.empty()) {
      EXPECT_TRUE(clicks.empty()) << r.keycode << "/" << r.shift;
      EXPECT_EQ(tb_->menu_open, true_);
    } else {
      ASSERT_EQ(clicks.size(), 1u) << r.keycode << "/" << r.shift;
      EXPECT_EQ(clicks[0], r.want);
      EXPECT_EQ(tb_->menu_open, 0);  // the menus were closed first
    }
  }
}

TEST_F(docktb_keys, a_focus_on_something_other_than_a_text_box_searches_shortcuts) {
  tb_->add_menu_(menu_btn, "save", "Save", "Ctrl+S");
  focus_toolbar_ = t;
  focus_item_ = 1;  // the menu title, not a text box
  tb_->key_event_(83, 2, 19);
  EXPECT_EQ(clicks, std::vector<std::string>{std::to_string(menu_btn) + ":SAVE"});
}

TEST_F(docktb_keys, getfocus_and_focus_text_item) {
  int32_t tbid = -1, btn = -1;
  EXPECT_EQ(tb_->getfocus_("cmd", tbid, btn), 6);
  EXPECT_EQ(tbid, t);
  EXPECT_EQ(btn, 2);
  EXPECT_EQ(tb_->getfocus_("none", tbid, btn), 0);
  EXPECT_EQ(tbid, 0);
  EXPECT_EQ(btn, 0);
  tb_->button_text_(t, 2, "\xC5\xBC\xC3\xB3\xC5\x82w");
  tb_->focus_text_item_(t, 2, true_);
  EXPECT_EQ(focus_state_code_, 1);
  EXPECT_EQ(focus_toolbar_, t);
  EXPECT_EQ(focus_item_, 2);
  EXPECT_EQ(focus_sel_anchor_, 0);
  EXPECT_EQ(focus_caret_, 4);
  focus_caret_ = 2;
  tb_->focus_text_item_(t, 2, false_);
  EXPECT_EQ(focus_caret_, 2);
  tb_->focus_text_item_(t, 3, true_);
  EXPECT_EQ(focus_state_code_, 1);
  EXPECT_EQ(focus_toolbar_, 0);
  EXPECT_EQ(focus_item_, 0);
  EXPECT_EQ(focus_caret_, 0);
}

}  // namespace
