// The text box's own key table and edits, typed through injected keys.
#include "platform/input/keyboard.h"
#include "ui/controls/textbox/textbox_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

TEST_F(textbox_fixture, punctuation_by_us_position) {
  struct case_ { int32_t code, shift; const char* typed; };
  for (case_ c : {case_{186, 0, ";"}, case_{186, mod_shift_, ":"}, case_{220, 0, "\\"}, case_{220, mod_shift_, "|"},
                  case_{192, 0, "'"}, case_{50, mod_shift_, "@"}, case_{key_z_, mod_ctrl_, ""},
                  case_{'B', mod_ctrl_, ""}, case_{key_add_, 0, ""}, case_{'Q', mod_altgr_, ""},
                  case_{key_numpad0_ + 7, 0, "7"}}) {
    box->text("");
    key(c.code, c.shift);
    EXPECT_EQ(box->text(), c.typed) << c.code << " " << c.shift;
  }
}

TEST_F(textbox_fixture, caps_lock_flips_the_altgr_letters) {
  ASSERT_FALSE(caps_lock_on_());
  key('X', mod_altgr_);
  key('X', mod_altgr_ | mod_shift_);
  EXPECT_EQ(box->text(), "źŹ");
  box->text("");
  key(key_capital_);
  ASSERT_TRUE(caps_lock_on_());
  key('X', mod_altgr_);
  key('X', mod_altgr_ | mod_shift_);
  key(key_a_);
  key('1', 0);
  key(key_capital_);
  EXPECT_EQ(box->text(), "ŹźA1");
  EXPECT_FALSE(caps_lock_on_());
}

TEST_F(textbox_fixture, keypad_decimal_types_the_locale_separator) {
  for (const char* sep : {",", "."}) {
    auto before = set_textbox_decimal_source_([sep] { return std::string(sep); });
    box->text("1");
    key(key_end_);
    key(key_decimal_);
    EXPECT_EQ(box->text(), std::string("1") + sep);
    set_textbox_decimal_source_(before);
  }
}

TEST_F(textbox_fixture, ctrl_z_collapses_the_selection_and_inserts_nothing) {
  box->text("abc");
  box->SelectAll();
  ASSERT_EQ(box->state_().sel_length, 3);
  key(key_z_, mod_ctrl_);
  EXPECT_EQ(box->text(), "abc");
  EXPECT_EQ(box->state_().sel_length, 0);
  EXPECT_EQ(key_downs.back(), (std::pair<int16_t, int16_t>{key_z_, 2}));
}

TEST_F(textbox_fixture, backspace_at_line_start_joins_with_the_caret_at_the_join) {
  box->MultiLine(true_);
  box->text("one\r\ntwo\r\nthree");
  caret(3, 0);
  key(key_back_);
  EXPECT_EQ(lines(), (std::vector<std::string>{"one", "twothree"}));
  EXPECT_EQ(box->state_().caret_line, 2);
  EXPECT_EQ(box->state_().caret_col, 3);
  key(key_delete_);  // the character after the caret
  EXPECT_EQ(lines(), (std::vector<std::string>{"one", "twohree"}));
}

TEST_F(textbox_fixture, ctrl_right_walks_words_lines_and_stops_at_the_end) {
  box->MultiLine(true_);
  box->text("abcdef\r\nxy z");
  caret(1, 2);
  struct step { int32_t line, col; };
  for (step s : {step{1, 6}, step{2, 0}, step{2, 3}, step{2, 4}, step{2, 4}}) {
    key(key_right_, mod_ctrl_);
    EXPECT_EQ(box->state_().caret_line, s.line);
    EXPECT_EQ(box->state_().caret_col, s.col);
  }
  // Ctrl+Left lands just after the space before, then on the line above.
  key(key_left_, mod_ctrl_);
  EXPECT_EQ(box->state_().caret_col, 3);
}

TEST_F(textbox_fixture, enter_splits_without_trailing_or_leading_blanks) {
  box->MultiLine(true_);
  box->text("left   right");
  caret(1, 5);
  key(key_return_);
  EXPECT_EQ(lines(), (std::vector<std::string>{"left", "right"}));
  EXPECT_EQ(box->state_().caret_line, 2);
  EXPECT_EQ(box->state_().caret_col, 0);
  // A single-line box inserts nothing for Enter.
  box->MultiLine(false_);
  key(key_return_);
  EXPECT_EQ(box->text(), "left");
}

TEST_F(textbox_fixture, a_full_box_refuses_enter_with_the_beep_and_keeps_every_line) {
  beep_counter_ beeps;
  box->MultiLine(true_);
  std::string t;
  for (int i = 1; i <= textbox_max_lines_; ++i) t += (i > 1 ? "\r\n" : "") + std::string("L") + std::to_string(i);
  box->text(t);
  key(key_end_, mod_ctrl_);
  key(key_left_);
  key(key_return_);
  EXPECT_EQ(beeps.count, 1);
  EXPECT_EQ(box->text(), t);
  EXPECT_EQ(box->state_().line_count, 256);
}

TEST_F(textbox_fixture, typing_replaces_the_selection_and_shift_extends_it) {
  box->text("hello");
  key(key_home_);
  key(key_right_, mod_shift_);
  key(key_right_, mod_shift_);
  EXPECT_EQ(box->state_().sel_length, 2);
  key('J', 0);
  EXPECT_EQ(box->text(), "jllo");
  EXPECT_GE(changes, 1);
}

}  // namespace
