#include "dialogs/select/select_dialog.h"

#include "dialogs/text/dialog_fixture.h"
#include "shell/ui_metrics.h"
#include "ui/skin/skin_palette.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

struct select_test : dialog_fixture {
  void open() {
    dialog = std::make_unique<ex_select_>(engine, owner.get(), [this] { ++view_repaints; });
    dialog->show_();
    do_events_();
  }
  // Clicks a row of the current list (1-based) a few pixels inside its left edge.
  void choose_row(int32_t n) {
    const int32_t h = ui_metrics_.list_row_h_;
    click_window(dialog->list_(), 6, (n - 1) * h + h / 2);
  }
  void criterion(int32_t code) { click_centre(*dialog->chk_[size_t(code - 1)]->win_()); }
  std::vector<int32_t> values(int32_t code) {
    std::vector<int32_t> out;
    for (const select_value_rec_& r : dialog->values_(code)) out.push_back(r.value);
    return out;
  }
  std::vector<int32_t> selected() {
    std::vector<int32_t> out;
    for (int32_t i = 1; i <= engine.records_(); ++i)
      if (engine.select_record_(i) == -1) out.push_back(i);
    return out;
  }
  std::unique_ptr<ex_select_> dialog;
  int view_repaints = 0;
};

TEST(select_model, used_values_parse_sorted_and_skip_rubbish) {
  struct row {
    const char* text;
    std::vector<int32_t> values;
  };
  const row rows[] = {
      {"", {}},
      {"3;1;-4", {-4, 1, 3}},
      {"16711680;255;65280;-1;-4", {-4, -1, 255, 65280, 16711680}},
      {"5;x;;7", {5, 7}},
      {"12", {12}},
  };
  for (const row& r : rows) EXPECT_EQ(parse_used_values_(r.text), r.values) << r.text;
}

TEST(select_model, checked_criteria_without_a_chosen_row_pass_any) {
  const auto a = select_arguments_({true, false, true, true, false, true}, {0, 7, 2, 3, 9, 12},
                                   {false, true, true, true, true, false});
  const std::array<int32_t, 6> want{-5, -5, 2, 3, -5, -5};
  EXPECT_EQ(a, want);
}

TEST_F(select_test, opens_on_draw_colour_with_sorted_values_and_nothing_chosen) {
  engine.add_circle_(0, 0, 1, 0xFF0000);  // blue
  engine.add_circle_(5, 0, 1, 255);       // red
  engine.add_circle_(9, 0, 1, -4);        // by layer
  engine.add_circle_(9, 9, 1, -1);        // automatic
  open();
  EXPECT_EQ(dialog->cur_criterion_(), 1);
  EXPECT_EQ(values(1), (std::vector<int32_t>{-4, -1, 255, 0xFF0000}));
  EXPECT_EQ(dialog->chosen_(1), 0);
  for (auto& c : dialog->chk_) EXPECT_EQ(c->Checked(), false_);
  EXPECT_EQ(dialog->label_[0]->text_font_().weight, 700);
  EXPECT_EQ(dialog->label_[1]->text_font_().weight, 0);

  // The red row's swatch: 13 x 13 at (left + 4, top + 4) of its row, the red inside.
  const int32_t h = ui_metrics_.list_row_h_;
  surface_& s = dialog->list_().client_surface_();
  dc_ probe(s);
  EXPECT_EQ(probe.get_pixel_(2 + 4 + 6, 2 * h + 4 + 6), 255u);
  EXPECT_EQ(probe.get_pixel_(0, 5), uint32_t(skin_palette_.color_text_border));
  EXPECT_EQ(probe.get_pixel_(1, 5), 0xFFFFFFu);
}

TEST_F(select_test, widths_list_by_layer_then_numbers) {
  engine.add_circle_(0, 0, 1, -1, -2, 0, 3);
  engine.add_circle_(1, 0, 1, -1, -2, 0, 1);
  engine.add_circle_(2, 0, 1, -1, -2, 0, -4);
  open();
  criterion(4);
  EXPECT_EQ(dialog->cur_criterion_(), 4);
  EXPECT_EQ(values(4), (std::vector<int32_t>{-4, 1, 3}));
}

TEST_F(select_test, width_and_layer_select_new_and_remove_exactly_their_objects) {
  engine.layer_add_("two", true_, true_, -1, -2, 0, 1);
  const int32_t a = engine.add_circle_(0, 0, 1, -1, -2, 0, 3, 2);  // width 3, layer 2
  engine.add_circle_(1, 0, 1, -1, -2, 0, 3, 1);                   // width 3, layer 1
  engine.add_circle_(2, 0, 1, -1, -2, 0, 1, 2);                   // width 1, layer 2
  const int32_t d = engine.add_circle_(3, 0, 1, -1, -2, 0, 3, 2); // width 3, layer 2
  open();
  criterion(4);  // checks the width box and makes it current
  choose_row(2);  // widths 1, 3: the second is 3
  EXPECT_EQ(dialog->chosen_(4), 2);
  click_centre(*dialog->label_[4]->win_());  // the layer label only switches
  EXPECT_EQ(dialog->cur_criterion_(), 5);
  EXPECT_EQ(dialog->chk_[4]->Checked(), false_);
  choose_row(2);  // layers 1, 2
  EXPECT_EQ(dialog->chk_[4]->Checked(), true_);
  EXPECT_EQ(dialog->chk_[3]->Checked(), true_);

  engine.select_record_(2, -1);
  click_centre(*dialog->btn_new_->win_());
  EXPECT_EQ(selected(), (std::vector<int32_t>{a, d}));
  EXPECT_EQ(view_repaints, 1);
  engine.select_record_(3, -1);
  click_centre(*dialog->btn_del_->win_());
  EXPECT_EQ(selected(), (std::vector<int32_t>{3}));
  EXPECT_TRUE(dialog->open_());
}

TEST_F(select_test, checked_box_without_a_chosen_row_matches_any_value) {
  // Black would be the value of a row number 0; the checked colour box must not narrow to it.
  engine.add_circle_(0, 0, 1, 255, -2, 0, 3);
  engine.add_circle_(1, 0, 1, 0, -2, 0, 3);
  engine.add_circle_(2, 0, 1, 255, -2, 0, 1);
  open();
  criterion(1);
  ASSERT_EQ(dialog->chk_[0]->Checked(), true_);
  criterion(4);
  choose_row(2);  // width 3
  click_centre(*dialog->btn_add_->win_());
  EXPECT_EQ(selected(), (std::vector<int32_t>{1, 2}));
}

TEST_F(select_test, label_of_the_current_criterion_toggles_its_box_and_a_click_beside_rows_chooses_nothing) {
  engine.add_circle_(0, 0, 1, 255);
  open();
  click_centre(*dialog->label_[0]->win_());
  EXPECT_EQ(dialog->chk_[0]->Checked(), true_);
  click_centre(*dialog->label_[0]->win_());
  EXPECT_EQ(dialog->chk_[0]->Checked(), false_);
  const int32_t h = ui_metrics_.list_row_h_;
  click_window(dialog->list_(), 270, h / 2);  // right of the short row
  EXPECT_EQ(dialog->chosen_(1), 0);
  EXPECT_EQ(dialog->chk_[0]->Checked(), false_);
  choose_row(1);
  EXPECT_EQ(dialog->chosen_(1), 1);
  // Another criterion and back: the choice is kept.
  criterion(3);
  criterion(1);
  EXPECT_EQ(dialog->chosen_(1), 1);
}

TEST_F(select_test, long_list_scrolls_and_an_empty_one_disables_the_bar) {
  for (int i = 0; i < 20; ++i) engine.add_circle_(float(i), 0, 1, i * 10);
  open();
  EXPECT_EQ(dialog->vsc_->Enabled(), true_);
  EXPECT_EQ(dialog->vsc_->scrollmax_(), 20 * ui_metrics_.list_row_h_ - dialog->list_().client_height_());
  engine.add_circle_(0, 0, 1);
  criterion(6);
  EXPECT_EQ(values(6), (std::vector<int32_t>{7}));
  EXPECT_EQ(dialog->vsc_->Enabled(), false_);
}

TEST_F(select_test, the_main_window_shows_the_filter_modally) {
  bool shown = false;
  when_modal([&shown](window_& w) {
    shown = true;
    w.close_();
  });
  show_select_dialog_(engine, owner.get());
  EXPECT_TRUE(shown);
}

}  // namespace
