// The layer manager driven through its table: moves and clicks on cells, popup commands, the
// in-place editor and the buttons, with scripted message and colour boxes over a real engine.
#include "dialogs/layers/ex_layers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../manager_fixture.h"
#include "platform/gdi/dc.h"
#include "platform/input/key_codes.h"

// Fontconfig keeps the interface font's registration until exit, as every GUI test program here.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

constexpr int32_t R = 23;  // list row height at 96 DPI
// A visible-area y inside layer row i.
int32_t row_y(int32_t i) { return R + 2 + (i - 1) * R + 8; }

// One page with the layers "Walls" (active) and "Doors".
class ex_layers_test : public manager_fixture_ {
 protected:
  void SetUp() override {
    manager_fixture_::SetUp();
    eng.file_new_(false_, "");
    eng.page_add_("Plan", 297, 210);
    eng.layer_add_("Walls", true_, true_, -1, -2, 0, 0);
    eng.layer_add_("Doors", true_, true_, -1, -2, 0, 0);
    eng.layer_active_(1);
  }
  std::unique_ptr<ex_layers_> open() { return open_<ex_layers_>(); }
  static void move(ex_layers_& d, int32_t x, int32_t y) { manager_fixture_::move(d.table(), x, y); }
  static void click(ex_layers_& d, int32_t x, int32_t y, int32_t button = 1) {
    manager_fixture_::click(d.table(), x, y, button);
  }
};

TEST(layer_cells, hit_ranges_give_shared_edges_to_the_left_column) {
  struct { int32_t x, cell; } cases[] = {{2, 0},   {3, -1},  {24, -1}, {25, -2}, {46, -2}, {47, 7},  {246, 7},
                                         {247, -3}, {300, -3}, {336, -3}, {337, -4}, {426, -4}, {427, -5},
                                         {516, -5}, {517, -6}, {560, -6}, {606, -6}, {607, 0}, {610, 0}};
  for (auto c : cases) EXPECT_EQ(layer_cell_at_(c.x, 7), c.cell) << "x " << c.x;
}

TEST_F(ex_layers_test, the_paint_records_the_cell_under_the_mouse) {
  auto d = open();
  struct { int32_t x, cell; } cases[] = {{300, -3}, {560, -6}, {610, 0}, {100, 2}};
  for (auto c : cases) {
    move(*d, c.x, row_y(2));
    EXPECT_EQ(d->hot_row_, 2);
    EXPECT_EQ(d->hot_cell_, c.cell) << "x " << c.x;
  }
  move(*d, 300, 5);  // over the header
  EXPECT_EQ(d->hot_row_, 0);
}

TEST_F(ex_layers_test, name_click_activates_then_renames_trimmed) {
  auto d = open();
  click(*d, 100, row_y(2));
  EXPECT_EQ(eng.layer_active_(), 2);
  EXPECT_FALSE(d->edit_->win_()->visible_());
  click(*d, 100, row_y(2));
  ASSERT_TRUE(d->edit_->win_()->visible_());
  EXPECT_EQ(d->edit_->text(), "Doors");
  d->edit_->text("   ");
  inject_key_(key_type_::character, key_return_, 0, '\r');
  do_events_();
  EXPECT_EQ(eng.layer_title_(2), "");
  EXPECT_FALSE(d->edit_->win_()->visible_());
}

TEST_F(ex_layers_test, visible_and_editable_icons_toggle_with_any_button) {
  auto d = open();
  click(*d, 10, row_y(2), 2);
  EXPECT_EQ(eng.layer_atr_vis_(2), false_);
  click(*d, 10, row_y(2));
  EXPECT_EQ(eng.layer_atr_vis_(2), true_);
  click(*d, 30, row_y(1));
  EXPECT_EQ(eng.layer_atr_edt_(1), false_);
  EXPECT_GE(refs, 3);
}

TEST_F(ex_layers_test, width_four_paints_a_four_pixel_sample_line) {
  auto d = open();
  move(*d, 100, row_y(2));  // the row under the mouse is the popup's target
  d->xpopup__PopupMenuClick("WID.4");
  EXPECT_EQ(eng.layer_atr_width_(2), 4);
  move(*d, 100, 5);  // no hover box over the row
  dc_ dc(d->table().client_surface_());
  const int32_t t = R + 2 + R, x = 580;
  int32_t black = 0, first = -1;
  for (int32_t y = t; y < t + R; ++y)
    if (dc.get_pixel_(x, y) == 0) {
      if (first < 0) first = y;
      ++black;
    }
  EXPECT_EQ(black, 4);
  EXPECT_EQ(dc.get_pixel_(x, first + 3), 0u);  // one band, no gaps
  // Layer 1 keeps its one-pixel line.
  int32_t black1 = 0;
  for (int32_t y = R + 2; y < R + 2 + R; ++y) black1 += dc.get_pixel_(x, y) == 0;
  EXPECT_EQ(black1, 1);
}

TEST_F(ex_layers_test, popup_commands_set_attributes) {
  auto d = open();
  move(*d, 100, row_y(1));
  struct { const char* key; int32_t dcol, fcol, style; } cases[] = {
      {"DCOL.RED", 255, -2, 0}, {"FCOL.SEA", 255, 16762880, 0}, {"FCOL.NONE", 255, -2, 0},
      {"STL.3", 255, -2, 3},    {"NOPE", 255, -2, 3},           {"DCOL.AUTO", -1, -2, 3}};
  for (auto c : cases) {
    d->xpopup__PopupMenuClick(c.key);
    EXPECT_EQ(eng.layer_atr_dcolor_(1), c.dcol) << c.key;
    EXPECT_EQ(eng.layer_atr_fcolor_(1), c.fcol) << c.key;
    EXPECT_EQ(eng.layer_atr_style_(1), c.style) << c.key;
  }
}

TEST_F(ex_layers_test, chosen_pure_black_is_taken_and_a_cancel_is_not) {
  auto d = open();
  move(*d, 100, row_y(1));
  eng.layer_atr_dcolor_(1, 255);
  dialog_reply_ cancel;
  cancel.kind = dialog_kind_::colour;
  cancel.cancel = true;
  push_dialog_reply_(cancel);
  d->xpopup__PopupMenuClick("DCOL.RGB");
  EXPECT_EQ(eng.layer_atr_dcolor_(1), 255);
  dialog_reply_ black;
  black.kind = dialog_kind_::colour;
  black.colour = 0;
  push_dialog_reply_(black);
  d->xpopup__PopupMenuClick("DCOL.RGB");
  EXPECT_EQ(eng.layer_atr_dcolor_(1), 0);
}

TEST_F(ex_layers_test, delete_checks_come_in_order) {
  auto d = open();
  int16_t w = 1;
  ASSERT_GT(eng.add_circle_(10, 10, 5, -1, -2, 0, w, 2), 0);
  eng.layer_active_(2);
  d->layer_delete__Click();
  auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.layernotemptycantremove"));
  EXPECT_EQ(asked[0].style, box_ok_ + box_icon_info_);
  EXPECT_EQ(eng.layers_count_(), 2);

  eng.layer_active_(1);
  reply(answer_yes_);
  d->layer_delete__Click();
  asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.removelayerquestion", "'1 - Walls'"));
  ASSERT_EQ(eng.layers_count_(), 1);
  EXPECT_EQ(eng.layer_title_(1), "Doors");

  d->layer_delete__Click();  // the only layer, even one holding objects
  asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.layerisalonecantremove"));
  eng.state_undo_(1);
  EXPECT_EQ(eng.layers_count_(), 2);
}

TEST_F(ex_layers_test, add_scrolls_to_the_end_and_is_one_undo_step) {
  for (int i = 0; i < 12; ++i) eng.layer_add_("More", true_, true_, -1, -2, 0, 0);
  auto d = open();
  d->layer_addnew__Click();
  EXPECT_EQ(eng.layers_count_(), 15);
  EXPECT_EQ(eng.layer_active_(), 15);
  EXPECT_EQ(eng.layer_atr_fcolor_(15), -2);
  EXPECT_EQ(eng.layer_atr_width_(15), 1);
  EXPECT_GT(d->scroll_top_, 0);
  EXPECT_EQ(d->scroll_top_, d->vsc_->scrollmax_());
  EXPECT_EQ(d->rename_layer_, 15);
  eng.state_undo_(1);
  EXPECT_EQ(eng.layers_count_(), 14);
}

TEST_F(ex_layers_test, a_colour_cell_opens_its_popup_and_a_click_on_the_table_closes_it) {
  auto d = open();
  click(*d, 300, row_y(2));
  ASSERT_TRUE(d->xpopup_->winex_visible_());
  EXPECT_EQ(d->xpopup_->open_menu(), -3);
  EXPECT_EQ(d->popup_layer_, 2);
  inject_mouse_at_(d->table(), mouse_type_::down, 100, 5, 1);  // over the header
  do_events_();
  EXPECT_FALSE(d->xpopup_->winex_visible_());
  EXPECT_EQ(eng.layer_active_(), 1);
}

TEST_F(ex_layers_test, a_wheel_notch_scrolls_one_row) {
  for (int i = 0; i < 12; ++i) eng.layer_add_("More", true_, true_, -1, -2, 0, 0);
  auto d = open();
  inject_mouse_at_(d->table(), mouse_type_::wheel, 100, row_y(1), 0, 0, -120);
  do_events_();
  EXPECT_EQ(d->scroll_top_, R);
  inject_mouse_at_(d->table(), mouse_type_::wheel, 100, row_y(1), 0, 0, 120);
  do_events_();
  EXPECT_EQ(d->scroll_top_, 0);
}

TEST_F(ex_layers_test, shown_modally_and_closed_by_its_button) {
  ex_layers_ d(eng, host);
  bool ran = false;
  d.show_modal_(nullptr, [&] {
    ran = true;
    EXPECT_TRUE(d.form().is_modal_());
    EXPECT_EQ(d.form().title_(), lang_text_("window.layers.title", "Plan", "1"));
    d.close_btn_->Click();
  });
  EXPECT_TRUE(ran);
}

}  // namespace
