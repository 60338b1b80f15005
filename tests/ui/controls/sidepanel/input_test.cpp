// Mouse and keys through injected events: clicks, entering fields, carets, typing and Tab.
#include "panel_fixture.h"
#include "platform/input/key_codes.h"

namespace {

using panel_input = panel_host;

TEST_F(panel_input, a_button_clicks_only_when_released_inside_it) {
  build_tool_panel();
  const pixel_point_ b = centre("OK");
  click(b.x, b.y);
  EXPECT_EQ(log, (std::vector<std::string>{"off", "button OK 3"}));
  log.clear();
  // Pressed, dragged off to where no item lies, released there: no click, though the button
  // was the last item found under the pointer.
  down(b.x, b.y);
  move(190, b.y);
  up(190, b.y);
  EXPECT_EQ(log, (std::vector<std::string>{"off"}));
}

TEST_F(panel_input, a_press_in_a_field_places_the_caret_and_the_release_selects_all) {
  build_tool_panel();
  const pixel_point_ f = field_at("LEN", 2 + 7 * 2 + 3);  // over the third character of "12.5"
  down(f.x, f.y);
  EXPECT_EQ(focus_state_code_, 3);
  EXPECT_EQ(focus_toolbar_, 1);
  EXPECT_EQ(focus_caret_, 2);
  EXPECT_EQ(focus_sel_anchor_, 2);
  up(f.x, f.y);
  EXPECT_EQ(focus_sel_anchor_, 0);
  EXPECT_EQ(focus_caret_, 4);
  // A second press in the same field keeps its caret, and dragging selects from there.
  down(f.x, f.y);
  inject_mouse_at_(pw(), mouse_type_::move, f.x + 20, f.y);
  up(f.x + 20, f.y);
  EXPECT_EQ(focus_sel_anchor_, 2);
  EXPECT_EQ(focus_caret_, 4);
  EXPECT_EQ(log, (std::vector<std::string>{"on LEN 1", "on LEN 1"}));
}

TEST_F(panel_input, typing_replaces_the_selection_and_moves_the_caret) {
  build_tool_panel();
  const pixel_point_ f = field_at("LEN", 5);
  click(f.x, f.y);  // the whole "12.5" selected
  log.clear();
  panel->key_event_(int16_t(key_0_ + 7), 0, '7');
  EXPECT_EQ(panel->textv_(1), "7");
  EXPECT_EQ(focus_caret_, 1);
  EXPECT_EQ(focus_sel_anchor_, 1);
  panel->key_event_(0, 0, int16_t(0xB9));  // a-ogonek in the code page arrives as UTF-8
  EXPECT_EQ(panel->textv_(1), "7\xC4\x85");
  EXPECT_EQ(focus_caret_, 2);
  panel->key_event_(0, 0, 8);
  EXPECT_EQ(panel->textv_(1), "7");
  // Codes the code page leaves unassigned, or that are no code of it, are refused.
  panel->key_event_(0, 0, int16_t(0x81));
  panel->key_event_(0, 0, int16_t(0x1234));
  EXPECT_EQ(panel->textv_(1), "7");
  EXPECT_EQ(log, (std::vector<std::string>{"edit LEN 1", "edit LEN 1", "edit LEN 1"}));
}

TEST_F(panel_input, caret_keys_select_and_move) {
  build_tool_panel();
  panel->textv_(1, "12345");
  click(field_at("LEN", 5).x, field_at("LEN", 5).y);
  struct row {
    int16_t key, shift;
    int32_t anchor, caret, want_anchor, want_caret;
  };
  for (const row& r : {row{key_home_, 1, 3, 3, 3, 0}, row{key_left_, 2, 3, 3, 3, 3}, row{key_left_, 0, 1, 4, 1, 1},
                       row{key_right_, 0, 4, 1, 4, 4}, row{key_end_, 0, 2, 2, 5, 5}, row{key_right_, 1, 2, 5, 2, 5},
                       row{key_left_, 0, 0, 0, 0, 0}}) {
    focus_sel_anchor_ = r.anchor;
    focus_caret_ = r.caret;
    panel->key_event_(r.key, r.shift, 0);
    EXPECT_EQ(focus_sel_anchor_, r.want_anchor) << r.key << " " << r.shift;
    EXPECT_EQ(focus_caret_, r.want_caret) << r.key << " " << r.shift;
  }
}

TEST_F(panel_input, backspace_at_the_start_and_delete_at_the_end_change_nothing_but_report) {
  build_tool_panel();
  click(field_at("LEN", 5).x, field_at("LEN", 5).y);
  log.clear();
  focus_sel_anchor_ = focus_caret_ = 0;
  panel->key_event_(0, 0, 8);
  focus_sel_anchor_ = focus_caret_ = 4;
  panel->key_event_(key_delete_, 0, 0);
  EXPECT_EQ(panel->textv_(1), "12.5");
  EXPECT_EQ(log, (std::vector<std::string>{"edit LEN 1", "edit LEN 1"}));
}

TEST_F(panel_input, the_check_box_of_a_value_field_checks_on_release_and_opens_the_field) {
  build_tool_panel();
  const panel_item_rec_& a = panel->item_(2);
  const int32_t gx = a.painted_x + 3, gy = a.field_t + 3;
  down(gx, gy);
  EXPECT_EQ(panel->chkv_(2), 0);
  up(gx, gy);
  EXPECT_EQ(panel->chkv_(2), true_);
  EXPECT_EQ(log, (std::vector<std::string>{"off", "check ANG 2", "on ANG 2"}));
  panel->key_event_(key_9_, 0, '9');
  EXPECT_EQ(panel->textv_(2), "9");
  // Unchecking reports only the check box.
  log.clear();
  click(gx, gy);
  EXPECT_EQ(panel->chkv_(2), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"off", "check ANG 2"}));
}

TEST_F(panel_input, a_label_takes_the_focus_but_no_keys) {
  const int32_t g = panel->add_group_("G", "");
  panel->add_item_(g, "LBL", 0, "Label", false_, "x", 0, 0, 0, 100, 22);
  panel->refresh_();
  click(centre("LBL").x, centre("LBL").y);
  EXPECT_EQ(focus_toolbar_, 1);
  panel->key_event_(0, 0, 'a');
  EXPECT_EQ(panel->textv_(1), "x");
  click(190, 400);  // outside every item: the focus stays
  EXPECT_EQ(focus_toolbar_, 1);
}

TEST_F(panel_input, tab_wraps_both_ways_over_every_kind) {
  build_tool_panel();
  focus_toolbar_ = 5;
  panel->next_();
  EXPECT_EQ(focus_toolbar_, 1);
  EXPECT_EQ(focus_caret_, 4);  // the whole "12.5" selected
  panel->next_(false_, true_);
  EXPECT_EQ(focus_toolbar_, 5);
  panel->next_(false_, true_);
  EXPECT_EQ(focus_toolbar_, 4);  // a check box is visited too
}

TEST_F(panel_input, exit_action_stops_everything_but_the_focus_state) {
  build_tool_panel();
  panel->MouseDown = [this](int16_t, int16_t, float, float) { panel->exit_action_(true_); };
  const pixel_point_ b = centre("OK");
  click(b.x, b.y);
  EXPECT_EQ(focus_state_code_, 3);
  EXPECT_EQ(focus_toolbar_, 0);
  EXPECT_TRUE(log.empty());
}

TEST_F(panel_input, nothing_happens_while_the_main_window_is_inactive) {
  build_tool_panel();
  panel->mdi_window_hwnd_ = main->handle_() + 1000;
  click(centre("OK").x, centre("OK").y);
  EXPECT_EQ(focus_state_code_, 0);
  EXPECT_TRUE(log.empty());
}

}  // namespace

namespace {

TEST_F(panel_input, tooltips_are_reported_when_they_change) {
  build_tool_panel();
  std::vector<std::string> tips;
  panel->HotBtnChange = [&](const std::string& t) { tips.push_back(t); };
  const pixel_point_ b = centre("OK");
  move(b.x, b.y);
  move(b.x + 1, b.y);  // the same tip: nothing new
  move(190, b.y);
  EXPECT_EQ(tips, (std::vector<std::string>{"apply tip", ""}));
}

TEST_F(panel_input, a_double_click_in_a_field_selects_its_text) {
  build_tool_panel();
  const pixel_point_ f = field_at("LEN", 10);
  click(f.x, f.y);
  click(f.x, f.y);  // the second press places the caret
  ASSERT_EQ(focus_caret_, focus_sel_anchor_);
  inject_mouse_at_(pw(), mouse_type_::double_click, f.x, f.y, button_left_);
  up(f.x, f.y);
  EXPECT_EQ(focus_sel_anchor_, 0);
  EXPECT_EQ(focus_caret_, 4);
}

TEST_F(panel_input, esc_as_a_character_drops_the_selection_and_keeps_the_text) {
  build_tool_panel();
  click(field_at("LEN", 5).x, field_at("LEN", 5).y);
  focus_sel_anchor_ = 1;
  focus_caret_ = 3;
  panel->key_event_(0, 0, 27);
  EXPECT_EQ(focus_caret_, 1);
  EXPECT_EQ(panel->textv_(1), "12.5");
}

// With the capture the panel sees the move that leaves it and ends the hover look.
TEST_F(panel_input, leaving_the_panel_ends_the_hover) {
  build_tool_panel();
  const pixel_point_ b = centre("OK");
  move(b.x, b.y);
  ASSERT_EQ(at(b.x, b.y), colour_of(item_small_sprites_[1].part[5]));
  const pixel_rect_ r = pw().client_rect_();
  inject_mouse_(mouse_type_::move, r.right + 50, r.top + b.y);
  EXPECT_EQ(panel->mouse_x, -1);
  EXPECT_EQ(panel->captured, 0);
  EXPECT_FALSE(pw().has_capture_());
  EXPECT_NE(at(b.x, b.y), colour_of(item_small_sprites_[1].part[5]));
}

TEST_F(panel_input, losing_the_focus_forgets_the_edit_and_closes_the_list) {
  build_tool_panel();
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = main.get();
  o.x = 300;
  o.width = 50;
  o.height = 50;
  auto other = create_window_(o);
  other->show_();
  click(field_at("LEN", 5).x, field_at("LEN", 5).y);
  pw().set_focus_();
  settle();
  ASSERT_EQ(focus_toolbar_, 1);
  other->set_focus_();
  settle();
  EXPECT_EQ(focus_toolbar_, 0);
  EXPECT_EQ(focus_item_, 0);
  pw().set_focus_();
  settle();
  click(centre("COL").x, centre("COL").y);
  settle();
  main->activate_();  // where showing the list handed it the activation
  pw().set_focus_();
  settle();
  ASSERT_TRUE(panel->list_open_());
  other->set_focus_();
  settle();
  EXPECT_FALSE(panel->list_open_());
  EXPECT_EQ(popup_open_, 0);
}

}  // namespace
