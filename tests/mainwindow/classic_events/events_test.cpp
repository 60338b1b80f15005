// The classic interface's events on a real main window and engine: button clicks and menu rows
// become command words, the attribute, page, layer and toolbar rows act directly, the command
// box runs its text, and the menu rows the command entry has no word for do their own work.
#include <cctype>

#include "classic_fixture.h"
#include "platform/services/dialogs.h"
#include "platform/window/inject.h"
#include "shell/focus_state.h"
#include "shell/language.h"
#include "ui/controls/statusbar/statusbar.h"

// Qt's font lookup leaves allocations behind at exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {
void select_lines(zaz_class_& e, int n) {
  e.state_begin_();
  for (int i = 0; i < n; ++i) e.add_line_(0, float(i), 10, float(i));
  e.state_save_("lines");
  e.select_all_();
}
}  // namespace

class classic_events : public classic_fixture {};

TEST_F(classic_events, buttons_send_the_word_of_their_second_key) {
  record_words(true);
  const struct {
    const char* button;
    const char* word;
  } cases[] = {{"LINE", "line"},       {"POINTER", "select"},      {"ZOOM_ALL", "zoomall"},
               {"ARR.MIN.H", "a2minv"}, {"LAYER.M2AL", "move2actlayer"}, {"TOOLS.BLOCKS.EXPL", "block.break"},
               {"COLOR1", ""},          {"PAGE", ""}};
  for (const auto& c : cases) {
    words.clear();
    click(c.button);
    EXPECT_EQ(words, *c.word ? std::vector<std::string>{c.word} : std::vector<std::string>{}) << c.button;
  }
  // The body of a split button runs the variant its second key names.
  tb().button_key2_(tb().key2id_("CIRCLE"), "CIRCLE.2P");
  words.clear();
  click("CIRCLE");
  EXPECT_EQ(words, std::vector<std::string>{"circle2p"});
}

TEST_F(classic_events, a_button_click_reaches_the_command_entry_and_ends_the_command_box_focus) {
  tb().button_key2_(tb().key2id_("CIRCLE"), "CIRCLE.2P");
  focus_state_code_ = focus_toolbar_box_;
  focus_toolbar_ = 15;
  focus_item_ = 1;
  click("CIRCLE");
  EXPECT_EQ(mdi->tool_name_(), "CIRCLE.2P");
  EXPECT_TRUE(pressed("CIRCLE"));
  EXPECT_EQ(row("CIRCLE", "CIRCLE.2P")->check, true_);
  EXPECT_EQ(focus_state_code_, 0);
  EXPECT_EQ(focus_toolbar_, 0);
  // A button without a word ends the focus too.
  focus_state_code_ = focus_toolbar_box_;
  click("COLOR2");
  EXPECT_EQ(focus_state_code_, 0);
}

TEST_F(classic_events, the_array_body_keeps_the_rectangular_array_after_the_circular_one) {
  pick("ARRAY", "ARRAY.2");
  EXPECT_EQ(mdi->tool_name_(), "ARRAY.CIRC");
  EXPECT_TRUE(pressed("ARRAY"));
  record_words(true);
  click("ARRAY");
  EXPECT_EQ(words, std::vector<std::string>{"arr"});
}

TEST_F(classic_events, a_real_click_on_the_line_button_chooses_the_line_tool) {
  mdi->form().activate_();
  do_events_();
  tb().timer_tick_();
  const int32_t line = tb().key2id_("LINE");
  int32_t slot = 0;
  for (int32_t i = 1; i <= tb().toolbars[9].slot_count; ++i)
    if (tb().slot_button_id_(9, i) == line) slot = i;
  ASSERT_GT(slot, 0);
  const dock_button_slot_rec_& s = tb().toolbars[9].slots[size_t(slot)];
  window_* w = tb().tool_window_(9);
  ASSERT_NE(w, nullptr);
  inject_mouse_at_(*w, mouse_type_::down, s.x + s.width / 2, s.y + s.height / 2, button_left_);
  inject_mouse_at_(*w, mouse_type_::up, s.x + s.width / 2, s.y + s.height / 2, button_left_);
  EXPECT_EQ(mdi->tool_name_(), "LINE");
  EXPECT_TRUE(pressed("LINE"));
}

TEST_F(classic_events, menu_rows_send_their_words_and_other_rows_none) {
  record_words(true);
  const struct {
    const char* owner;
    const char* key;
    const char* word;
  } cases[] = {{"TRANS", "ARR.MIN.W", "a2minh"}, {"EDIT", "PASTE.SPC", "pastestd"},
               {"DESIGN", "LAYER.ADD", "layeradd"}, {"DESIGN", "PRINTAREA.SIZE.ASP2", "getpsall"},
               {"HELP", "HELP.ABOUT", "about"},     {"FILE", "PRINTP", "printp"},
               {"VIEW", "TABS", ""},                {"LAYER", "LAYER.9", ""},
               {"PAGE", "PAGE.0", ""},              {"PAGE", "PAGE.999", ""}};
  for (const auto& c : cases) {
    words.clear();
    pick(c.owner, c.key);
    EXPECT_EQ(words, *c.word ? std::vector<std::string>{c.word} : std::vector<std::string>{}) << c.key;
  }
  EXPECT_EQ(engine->page_active_(), 1);
  EXPECT_EQ(engine->layer_active_(), 1);
}

TEST_F(classic_events, attribute_rows_set_the_current_value_and_recolour_a_selection_in_one_step) {
  select_lines(*engine, 3);
  const int32_t states = engine->states_count_();
  pick("COLOR2", "COLOR2.GREEN");
  EXPECT_EQ(mdi->attr_fcolor_, 0x00C800);
  EXPECT_EQ(engine->states_count_(), states + 1);
  EXPECT_EQ(engine->state_item_(engine->state_active_() - 1), lang_text_("change.atr.fcolor"));
  for (int32_t r = 1; r <= 3; ++r) EXPECT_EQ(engine->object_(r).fill_color, 0x00C800) << r;

  // Nothing selected: the current style only, no step.
  engine->select_clear_();
  pick("LSTYLE", "LSTYLE.3");
  EXPECT_EQ(mdi->attr_style_, 3);
  EXPECT_EQ(engine->states_count_(), states + 1);
  pick("LWIDTH", "LWIDTH.BYBLOCK");
  EXPECT_EQ(mdi->attr_width_, -3);
  EXPECT_EQ(engine->states_count_(), states + 1);
}

TEST_F(classic_events, the_colour_dialog_rows_take_the_chosen_colour_and_a_cancel_changes_nothing) {
  select_lines(*engine, 1);
  const int32_t states = engine->states_count_();
  dialog_reply_ cancel;
  cancel.kind = dialog_kind_::colour;
  cancel.cancel = true;
  push_dialog_reply_(cancel);
  pick("COLOR2", "COLOR2.RGB");
  EXPECT_EQ(mdi->attr_fcolor_, -2);
  EXPECT_EQ(engine->states_count_(), states);
  dialog_reply_ chosen;
  chosen.kind = dialog_kind_::colour;
  chosen.colour = 0x123456;
  push_dialog_reply_(chosen);
  pick("COLOR1", "COLOR1.RGB");
  EXPECT_EQ(mdi->attr_dcolor_, 0x123456);
  EXPECT_EQ(engine->object_(1).draw_color, 0x123456);
  EXPECT_EQ(engine->states_count_(), states + 1);
  EXPECT_EQ(take_dialog_requests_().size(), 2u);
}

TEST_F(classic_events, layer_rows_toggle_by_their_icon_zones_and_activate_by_their_text) {
  ASSERT_GE(engine->layer_add_("Walls", true_, true_, -1, -2, 0, 1), 1);
  engine->layer_active_(1);
  mdi->ref_tool_buttons_(0);
  ASSERT_EQ(engine->layers_count_(), 2);
  ASSERT_NE(row("LAYER", "LAYER.2"), nullptr);
  pick("LAYER", "LAYER.2", 5);
  EXPECT_EQ(engine->layer_atr_vis_(2), false_);
  EXPECT_EQ(engine->layer_active_(), 1);
  pick("LAYER", "LAYER.2", 25);
  EXPECT_EQ(engine->layer_atr_edt_(2), false_);
  EXPECT_EQ(engine->layer_active_(), 1);
  pick("LAYER", "LAYER.2", 40);
  EXPECT_EQ(engine->layer_active_(), 2);
  EXPECT_EQ(engine->layer_atr_vis_(2), false_);
  EXPECT_EQ(engine->layer_atr_edt_(2), false_);
  // A shortcut reports x 0: it activates as well.
  pick("LAYER", "LAYER.1", 0);
  EXPECT_EQ(engine->layer_active_(), 1);
}

TEST_F(classic_events, page_rows_activate_their_page) {
  ASSERT_GE(engine->page_add_("Sheet B", 297, 210), 1);
  mdi->ref_tool_buttons_(0);
  pick("PAGE", "PAGE.2");
  EXPECT_EQ(engine->page_active_(), 2);
}

TEST_F(classic_events, toolbar_rows_show_and_hide_toolbars_with_a_close_box_only) {
  const int32_t view = tb().key2id_("VIEW");
  ASSERT_EQ(tb().tbvisible_(12), true_);
  pick("VIEW", "TOOLBAR.12");
  EXPECT_EQ(tb().tbvisible_(12), false_);
  EXPECT_EQ(tb().button_(view).items[size_t(mdi->gui_fields_.toolbars_menu_sub_ - 1)].subs[11].check, false_);
  pick("VIEW", "TOOLBAR.12");
  EXPECT_EQ(tb().tbvisible_(12), true_);
  EXPECT_EQ(tb().button_(view).items[size_t(mdi->gui_fields_.toolbars_menu_sub_ - 1)].subs[11].check, true_);
  // The tool panel's toolbar has no close box; the menu bar neither.
  for (const char* k : {"TOOLBAR.16", "TOOLBAR.1", "TOOLBAR.17", "TOOLBAR.X"}) {
    pick("VIEW", k);
    for (int32_t t = 1; t <= 16; ++t) EXPECT_EQ(tb().tbvisible_(t), true_) << k << " " << t;
  }
}

// Typed in the command box as the user types it: the control's keys, then Enter.
TEST_F(classic_events, the_command_box_runs_its_text_and_gives_back_a_text_not_taken) {
  int32_t t = 0, s = 0;
  ASSERT_GE(tb().getfocus_("CMD", t, s), 1);
  auto type = [&](const std::string& text) {
    tb().focus_text_item_(t, s, true_);
    for (char ch : text) tb().key_event_(int16_t(std::toupper(uint8_t(ch))), 0, int16_t(uint8_t(ch)));
    tb().key_event_(13, 0, 13);
  };
  type("circle3p");
  EXPECT_EQ(mdi->tool_name_(), "CIRCLE.3P");
  EXPECT_TRUE(pressed("CIRCLE"));
  EXPECT_EQ(tb().button_text_(t, s), "");
  // The split button now shows that variant and its body repeats it.
  const int32_t circle = tb().key2id_("CIRCLE");
  EXPECT_EQ(tb().button_ico_(circle), mdi->gui_fields_.tool_icon_circle_3p_);
  record_words(true);
  click("CIRCLE");
  EXPECT_EQ(words, std::vector<std::string>{"circle3p"});
  mdi->event_word_tap = nullptr;
  // A word the command entry does not take comes back, selected for correcting.
  type("circel");
  EXPECT_EQ(tb().button_text_(t, s), "circel");
  EXPECT_EQ(focus_state_code_, focus_toolbar_box_);
  EXPECT_EQ(focus_toolbar_, t);
  EXPECT_EQ(focus_sel_anchor_, 0);
  EXPECT_EQ(focus_caret_, 6);
  EXPECT_EQ(mdi->tool_name_(), "CIRCLE.3P");
}

TEST_F(classic_events, refresh_repaints_the_view) {
  surface_& view = mdi->client().client_surface_();
  const uint32_t back = view.colour_(5, 5);
  view.fill_colour_(0x00FF00FF);
  pick("VIEW", "REFRESH");
  EXPECT_EQ(view.colour_(5, 5), back);
}

TEST_F(classic_events, the_status_bar_row_shows_and_hides_it_with_its_check_mark) {
  window_* bar = mdi->statusbar().win_();
  ASSERT_TRUE(bar->visible_());
  mdi->ref_tool_buttons_(0);
  EXPECT_EQ(row("VIEW", "STATUSBAR")->check, true_);
  pick("VIEW", "STATUSBAR");
  EXPECT_FALSE(bar->visible_());
  EXPECT_EQ(row("VIEW", "STATUSBAR")->check, false_);
  // No strip is left for it: the bottom dock area reaches the window's bottom edge.
  const pixel_rect_ bottom = mdi->dock_area(2)->window_rect_(), client = mdi->form().client_rect_();
  EXPECT_EQ(bottom.bottom, client.bottom);
  pick("VIEW", "STATUSBAR");
  EXPECT_TRUE(bar->visible_());
  // The tool-button sync unchecks every row but keeps this one.
  mdi->ref_tool_buttons_(0);
  EXPECT_EQ(row("VIEW", "STATUSBAR")->check, true_);
}

TEST_F(classic_events, dimension_style_rows_add_a_style_and_delete_only_what_can_go) {
  select_lines(*engine, 1);  // a first step, so that the history counts from it
  ASSERT_EQ(engine->dimstyles_count_(), 1);
  const int32_t states = engine->states_count_();
  pick("DESIGN", "DIMSTYLE.ADD");
  ASSERT_EQ(engine->dimstyles_count_(), 2);
  EXPECT_EQ(engine->dimstyle_active_(), 2);
  EXPECT_EQ(engine->dimstyles_title_(2), lang_text_("common.dims.new"));
  EXPECT_EQ(engine->states_count_(), states + 1);
  EXPECT_EQ(engine->state_item_(engine->state_active_() - 1), lang_text_("change.dimstyle.add"));

  auto answer = [](int32_t a) {
    dialog_reply_ r;
    r.kind = dialog_kind_::message_box;
    r.answer = a;
    push_dialog_reply_(r);
  };
  answer(answer_no_);
  pick("DESIGN", "DIMSTYLE.DEL");
  EXPECT_EQ(engine->dimstyles_count_(), 2);
  const auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.dimstyledel", lang_text_("common.dims.new")));

  answer(answer_yes_);
  pick("DESIGN", "DIMSTYLE.DEL");
  EXPECT_EQ(engine->dimstyles_count_(), 1);
  EXPECT_EQ(engine->states_count_(), states + 2);
  EXPECT_EQ(engine->state_item_(engine->state_active_() - 1), lang_text_("change.dimstyle.del"));

  // The last style stays, with the reason and no step.
  answer(answer_yes_);
  answer(answer_ok_);
  pick("DESIGN", "DIMSTYLE.DEL");
  EXPECT_EQ(engine->dimstyles_count_(), 1);
  EXPECT_EQ(engine->states_count_(), states + 2);
  const auto refused = take_dialog_requests_();
  ASSERT_EQ(refused.size(), 3u);
  EXPECT_EQ(refused[2].text, lang_text_("message.dimstyleisalonecantremove"));
}

TEST_F(classic_events, the_layout_is_read_from_the_file_the_program_names) {
  // A hidden button saved in the named file stays hidden in the next classic window; the file
  // beside the shared program folder is never read while another is named.
  const int32_t line = tb().key2id_("LINE");
  int32_t slot = 0;
  for (int32_t i = 1; i <= tb().toolbars[9].slot_count; ++i)
    if (tb().slot_button_id_(9, i) == line) slot = i;
  ASSERT_GT(slot, 0);
  tb().btn_visible_(9, slot, false_);
  tb().state_save_(toolbar_layout_path_());
  ASSERT_EQ(toolbar_layout_path_(), dir + "xtoolbars2_.ini");
  close();
  open("1");
  EXPECT_FALSE(is_set_(tb().btn_visible_(9, slot)));
  EXPECT_TRUE(is_set_(tb().btn_visible_(9, slot == 1 ? 2 : 1)));
}
