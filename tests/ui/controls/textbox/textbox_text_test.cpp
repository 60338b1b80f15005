// The text box's text, masking, clipboard, context menu, mouse and picture.
#include <cmath>
#include <map>

#include "platform/input/caret.h"
#include "platform/services/screen.h"
#include "ui/controls/button/button.h"
#include "ui/controls/textbox/textbox_fixture.h"
#include "ui/skin/skin_palette.h"

namespace {

TEST_F(textbox_fixture, lines_round_trip_and_single_line_keeps_the_first) {
  box->MultiLine(true_);
  box->text("a\r\n\r\nb");
  EXPECT_EQ(box->state_().line_count, 3);
  EXPECT_EQ(box->text(), "a\r\n\r\nb");
  // Lone CR and LF CR also break lines.
  box->text("x\ry\n\rz");
  EXPECT_EQ(lines(), (std::vector<std::string>{"x", "y", "z"}));
  changes = 0;
  box->MultiLine(false_);
  EXPECT_EQ(lines(), (std::vector<std::string>{"x"}));
  EXPECT_EQ(changes, 1);
  // A single-line box given a break keeps both lines and joins them without separator.
  box->text("p\r\nq");
  EXPECT_EQ(box->text(), "pq");
}

TEST_F(textbox_fixture, more_than_256_lines_keep_the_first_256) {
  std::string t;
  for (int i = 1; i <= 300; ++i) t += std::to_string(i) + "\n";
  box->MultiLine(true_);
  box->text(t);
  EXPECT_EQ(box->state_().line_count, 256);
  EXPECT_EQ(box->state_().lines[256], "256");
}

TEST_F(textbox_fixture, password_shows_and_copies_the_mask_and_keeps_the_text) {
  box->PasswordChar("#");
  box->text("xyz");
  EXPECT_EQ(textbox_display_line_(box->state_(), 1), "###");
  box->SelectAll();
  key('C', mod_ctrl_);
  EXPECT_EQ(clipboard_text_(), "###");
  EXPECT_EQ(box->text(), "xyz");
  key(key_end_);
  key(key_back_);
  EXPECT_EQ(box->text(), "xy");
  box->PasswordChar(" ");  // a blank switches masking off
  EXPECT_EQ(textbox_display_line_(box->state_(), 1), "xy");
}

TEST_F(textbox_fixture, paste_splits_lines_and_leaves_the_caret_after_it) {
  box->MultiLine(true_);
  box->text("abc");
  caret(1, 1);
  clipboard_set_text_("12\r\n34");
  key('V', mod_ctrl_);
  EXPECT_EQ(lines(), (std::vector<std::string>{"a12", "34bc"}));
  EXPECT_EQ(box->state_().caret_line, 2);
  EXPECT_EQ(box->state_().caret_col, 2);
}

TEST_F(textbox_fixture, single_line_paste_drops_the_closing_break_and_cut_paste_restores) {
  box->text("abc");
  key(key_end_);
  clipboard_set_text_("de\r\n");
  key('V', mod_ctrl_);
  EXPECT_EQ(box->text(), "abcde");
  EXPECT_EQ(box->state_().line_count, 1);
  key(key_home_);
  key(key_right_);
  key(key_right_, mod_shift_);
  key(key_right_, mod_shift_);
  key('X', mod_ctrl_);
  EXPECT_EQ(box->text(), "ade");
  EXPECT_EQ(clipboard_text_(), "bc");
  key('V', mod_ctrl_);
  EXPECT_EQ(box->text(), "abcde");
  EXPECT_EQ(box->state_().caret_col, 3);
}

TEST_F(textbox_fixture, a_paste_past_256_lines_is_refused_whole) {
  beep_counter_ beeps;
  box->MultiLine(true_);
  std::string t = "first";
  for (int i = 2; i <= 250; ++i) t += "\r\nline";
  box->text(t);
  caret(1, 5);
  std::string clip;
  for (int i = 0; i < 10; ++i) clip += "\r\nnew";
  clipboard_set_text_(clip);
  key('V', mod_ctrl_);
  EXPECT_EQ(beeps.count, 1);
  EXPECT_EQ(box->text(), t);
}

TEST_F(textbox_fixture, context_menu_enables_by_selection_and_clipboard) {
  textbox_menu_captions_ = {"Undo", "Cut", "Copy", "Paste", "Select all"};
  box->text("word");
  auto pick = [this](int32_t item) {
    dialog_reply_ r;
    r.kind = dialog_kind_::context_menu;
    r.answer = item;
    push_dialog_reply_(r);
    click_at_(*box->win_(), 20, 10, button_right_);
  };
  take_dialog_requests_();
  key_downs.clear();
  pick(4);  // copy without a selection cannot be chosen
  pick(1);  // undo never can
  pick(5);  // paste with an empty clipboard neither
  EXPECT_TRUE(key_downs.empty());
  const std::vector<dialog_request_> asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].text, "Undo|-|Cut|Copy|Paste|-|Select all");

  pick(7);  // select all
  pick(4);  // copy
  EXPECT_EQ((std::vector<std::pair<int16_t, int16_t>>{{65, 2}, {67, 2}}), key_downs);
  EXPECT_EQ(clipboard_text_(), "word");
  key(key_end_);
  pick(5);  // paste now follows the clipboard
  EXPECT_EQ(box->text(), "wordword");
}

TEST_F(textbox_fixture, double_click_selects_the_word_under_the_pointer) {
  box->text("abc def");
  struct case_ { int32_t x; int32_t s, e; };
  // Column boundaries lie at 3 + 7k: before "a", after "a", right after the space, inside "def".
  for (case_ c : {case_{3, 0, 3}, case_{10, 0, 3}, case_{31, 4, 4}, case_{40, 4, 7}}) {
    move_at_(*box->win_(), c.x, 8);
    press_at_(*box->win_(), c.x, 8);
    release_at_(*box->win_(), c.x, 8);
    inject_mouse_at_(*box->win_(), mouse_type_::double_click, c.x, 8, button_left_);
    release_at_(*box->win_(), c.x, 8);
    EXPECT_EQ(box->state_().anchor_col, c.s) << c.x;
    EXPECT_EQ(box->state_().extent_col, c.e) << c.x;
  }
}

TEST_F(textbox_fixture, drag_selects_and_events_carry_the_text_x) {
  box->text("abcdef");
  std::vector<float> xs;
  box->MouseDown = [&](int16_t b, int16_t, float x, float) { xs.push_back(x + 1000 * b); };
  move_at_(*box->win_(), 10, 8);
  press_at_(*box->win_(), 10, 8);
  inject_mouse_at_(*box->win_(), mouse_type_::move, 31, 8, button_left_);
  release_at_(*box->win_(), 31, 8);
  EXPECT_EQ(box->state_().anchor_col, 1);
  EXPECT_EQ(box->state_().extent_col, 4);
  EXPECT_EQ(box->state_().sel_text, "bcd");
  EXPECT_EQ(xs, std::vector<float>{1010.0f});
}

TEST_F(textbox_fixture, frame_highlight_and_caret_by_pixel) {
  const surface_& s = box->win_()->client_surface_();
  const int32_t W = 200, H = 60;
  box->text("a    b");
  key(key_home_);
  key(key_right_);
  for (int i = 0; i < 3; ++i) key(key_right_, mod_shift_);
  // Focused: top and left edges in the second focus colour, right and bottom in the first.
  EXPECT_EQ(s.colour_(0, 0), uint32_t(skin_palette_.color_foc2_border));
  EXPECT_EQ(s.colour_(0, H - 2), uint32_t(skin_palette_.color_foc2_border));
  EXPECT_EQ(s.colour_(W - 1, 0), uint32_t(skin_palette_.color_foc1_border));
  EXPECT_EQ(s.colour_(5, H - 1), uint32_t(skin_palette_.color_foc1_border));
  // The three selected blanks: columns 1..4 are x 10..31, the row y 3..13 (fixed height 11).
  const uint32_t hl = system_colour_(sys_colour_highlight_);
  EXPECT_EQ(s.colour_(10, 3), hl);
  EXPECT_EQ(s.colour_(30, 13), hl);
  EXPECT_EQ(s.colour_(31, 8), 0xFFFFFFu);
  EXPECT_EQ(s.colour_(20, 14), 0xFFFFFFu);
  EXPECT_EQ(caret_window_(), box->win_());
  EXPECT_TRUE(caret_shown_());
  // Without the focus: the text-border frame, a back-colour ring inside it, no highlight.
  host->set_focus_();
  do_events_();
  EXPECT_EQ(s.colour_(0, 0), uint32_t(skin_palette_.color_text_border));
  EXPECT_EQ(s.colour_(W - 1, H - 1), uint32_t(skin_palette_.color_text_border));
  EXPECT_EQ(s.colour_(1, 1), 0xFFFFFFu);
  EXPECT_EQ(s.colour_(20, 8), 0xFFFFFFu);
  EXPECT_EQ(box->state_().sel_length, 0);
}

TEST_F(textbox_fixture, a_long_line_scrolls_by_quarters_and_home_scrolls_back) {
  box->text(std::string(60, 'm'));  // 420 pixels in a 200-pixel box
  key(key_end_);
  const float scroll = box->state_().scroll;
  EXPECT_EQ(std::fmod(scroll, 50.0f), 0.0f);
  EXPECT_LE(420 - scroll, 196.0f);
  EXPECT_GT(420 - scroll, 146.0f);
  key(key_home_);
  EXPECT_EQ(box->state_().scroll, 0.0f);
}

TEST_F(textbox_fixture, disabled_box_ignores_keys_but_passes_key_press) {
  std::vector<int16_t> presses;
  box->KeyPress = [&](int16_t c) { presses.push_back(c); };
  box->text("a");
  box->Enabled(false_);
  key_downs.clear();
  inject_key_(key_type_::down, 'B', 0);
  inject_key_(key_type_::down, key_return_, 0, 13);
  EXPECT_EQ(box->text(), "a");
  EXPECT_TRUE(key_downs.empty());
  EXPECT_EQ(presses, (std::vector<int16_t>{'b', 13}));
}

TEST_F(textbox_fixture, a_multi_line_box_takes_the_default_button_over_while_focused) {
  std::map<window_handle_, flag16_> defaults;
  auto before = set_default_button_hooks_({[&](window_handle_ b) { return defaults[b]; },
                                           [&](window_handle_ b, flag16_ v) { defaults[b] = v; }});
  xcbutton_ ok(*host, 10, 200, 80, 23, "OK");
  defaults[ok.hwnd()] = true_;
  box->MultiLine(true_);
  host->set_focus_();
  do_events_();
  focus();
  EXPECT_EQ(defaults[ok.hwnd()], false_);
  host->set_focus_();
  do_events_();
  EXPECT_EQ(defaults[ok.hwnd()], true_);
  set_default_button_hooks_(before);
}

}  // namespace
