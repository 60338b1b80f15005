// The dimension-style editor as a window: its pages, lists, write-back, style list and preview,
// driven offscreen with scripted input boxes over a real engine.
#include "dialogs/dimstyles/ex_dimstyles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../manager_fixture.h"
#include "platform/gdi/dc.h"
#include "platform/input/key_codes.h"
#include "platform/services/screen.h"
#include "shell/colors.h"
#include "ui/skin/skin_palette.h"

// Fontconfig keeps the interface font's registration until exit, as every GUI test program here.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

// A new drawing: one style, "common.dims.new", with the template's values.
class ex_dimstyles_test : public manager_fixture_ {
 protected:
  void SetUp() override {
    manager_fixture_::SetUp();
    eng.file_new_(true_, "");
    ASSERT_EQ(eng.dimstyles_count_(), 1);
  }
  std::unique_ptr<ex_dimstyles_> open() { return open_<ex_dimstyles_>(); }
  static void type_and_leave(ex_dimstyles_& d, const char* box, const std::string& text, const char* next) {
    manager_fixture_::type_and_leave(*d.text_(box), text, *d.text_(next));
  }
  double prop(int32_t n) { return eng.dimstyles_prop_(eng.dimstyle_active_(), n).number; }
};

TEST_F(ex_dimstyles_test, opens_on_the_arrow_page_with_its_fixed_lists) {
  auto d = open();
  EXPECT_EQ(d->tabs_->activetab_(), "ARR");
  EXPECT_TRUE(d->pages_["ARR"]->visible_());
  for (const char* k : {"TXT", "UNI", "TOL"}) EXPECT_FALSE(d->pages_[k]->visible_()) << k;
  struct { const char* list; int32_t count; } cases[] = {
      {"combo_arr_1_", 20}, {"combo_arr_2_", 20}, {"combo_arr_color_", 12}, {"combo_text_bgcolor_", 13},
      {"combo_unit_type_", 5}, {"combo_unit_ang_", 4}, {"combo_unit_acc_", 7}, {"combo_unit_ang_acc_", 4}};
  for (auto c : cases) EXPECT_EQ(d->combo_(c.list)->ListCount(), c.count) << c.list;
  EXPECT_EQ(d->combo_("combo_text_bgcolor_")->ListValue(12), -5);
  EXPECT_EQ(d->combo_("combo_text_font_")->ListCount(), eng.font_count_());
  d->tabs__TabClick("UNI");
  EXPECT_TRUE(d->pages_["UNI"]->visible_());
  EXPECT_FALSE(d->pages_["ARR"]->visible_());
}

TEST_F(ex_dimstyles_test, an_rgb_line_colour_survives_an_arrow_size_edit) {
  const int32_t rgb = 10 | (20 << 8) | (30 << 16);
  eng.dimstyles_prop_(1, 4, value_::of(double(rgb)));
  eng.dimstyles_prop_(1, 35, value_::of(7.0));
  auto d = open();
  type_and_leave(*d, "text_arr_size_", "7", "text_text_height_");
  EXPECT_FLOAT_EQ(float(prop(3)), 7.0f);
  EXPECT_EQ(prop(4), rgb);
  EXPECT_EQ(prop(35), 7);
  EXPECT_EQ(d->text_("text_arr_size_")->text(), "7" + decimal_separator_() + "00");
}

TEST_F(ex_dimstyles_test, a_bad_size_is_refused_with_a_message_and_kept_in_its_box) {
  eng.dimstyles_prop_(1, 26, value_::of(2.5));
  auto d = open();
  type_and_leave(*d, "text_text_height_", "-3", "text_arr_size_");
  EXPECT_FLOAT_EQ(float(prop(26)), 2.5f);
  EXPECT_EQ(d->text_("text_text_height_")->text(), "-3");
  auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].style, box_ok_ + box_icon_info_);
  EXPECT_NE(asked[0].text.find(lang_text_("adraw.dimstyle.text.height")), std::string::npos);
}

TEST_F(ex_dimstyles_test, accuracy_lists_follow_the_units_picked) {
  auto d = open();
  xccombobox_* type = d->combo_("combo_unit_type_");
  type->ListIndex(4);
  type->ItemClick(4);
  EXPECT_EQ(prop(33), 4);
  EXPECT_EQ(d->combo_("combo_unit_acc_")->List(3), "0 1/8\"");
  EXPECT_EQ(d->combo_("combo_tol_acc_")->List(3), "0 1/8\"");
  xccombobox_* ang = d->combo_("combo_unit_ang_");
  ang->ListIndex(1);
  ang->ItemClick(1);
  EXPECT_EQ(d->combo_("combo_unit_ang_acc_")->List(2), "0\xC2\xB0" "0'0.0\"");
}

TEST_F(ex_dimstyles_test, the_separator_reset_stores_zero_and_shows_the_locale) {
  eng.dimstyles_prop_(1, 34, value_::of(59.0));
  auto d = open();
  EXPECT_EQ(d->text_("text_unit_sep_")->text(), ";");
  d->btn_sepsys__Click();
  EXPECT_EQ(prop(34), 0);
  EXPECT_EQ(d->text_("text_unit_sep_")->text(), decimal_separator_());
}

TEST_F(ex_dimstyles_test, the_preview_holds_eleven_records_and_is_framed) {
  auto d = open();
  const auto counts = eng.store.counts;
  d->refresh_preview_();
  d->refresh_preview_();
  EXPECT_EQ(d->preview_engine_->store.counts[0], 11);
  EXPECT_EQ(eng.store.counts, counts);
  dc_ dc(d->pic_->client_surface_());
  const int32_t W = d->pic_->client_width_();
  const int32_t border = skin_palette_.color_text_border;
  EXPECT_EQ(dc.get_pixel_(5, 0), uint32_t(border));
  EXPECT_EQ(dc.get_pixel_(0, 0), uint32_t(blend_colors_(border, skin_color_(20), 0.5f)));
  EXPECT_EQ(dc.get_pixel_(W - 3, 1), uint32_t(blend_colors_(eng.backcolor_(), skin_color_(20), 0.5f)));
}

TEST_F(ex_dimstyles_test, add_takes_a_trimmed_name_and_the_template_values) {
  eng.dimstyles_prop_(1, 26, value_::of(9.0));
  auto d = open();
  dialog_reply_ name;
  name.kind = dialog_kind_::input_box;
  name.text = " Detail ";
  push_dialog_reply_(name);
  d->xcstyleadd__Click();
  ASSERT_EQ(eng.dimstyles_count_(), 2);
  EXPECT_EQ(eng.dimstyle_active_(), 2);
  EXPECT_EQ(eng.dimstyles_title_(2), "Detail");
  EXPECT_EQ(eng.dimstyles_prop_(2, 26), eng.dimstyles_prop_(0, 26));
  EXPECT_EQ(d->xcstyle_->text(), "Detail");
  EXPECT_EQ(d->xcstyle_->ListCount(), 2);

  dialog_reply_ cancel;
  cancel.kind = dialog_kind_::input_box;
  cancel.cancel = true;
  push_dialog_reply_(cancel);
  d->xcstylename__Click();
  EXPECT_EQ(eng.dimstyles_title_(2), "Detail");
  d->xcstyle_->ItemClick(0);
  EXPECT_EQ(eng.dimstyle_active_(), 1);
  EXPECT_FLOAT_EQ(float(prop(26)), 9.0f);
}

TEST_F(ex_dimstyles_test, check_boxes_switch_their_groups_and_disabled_values_stay) {
  eng.dimstyles_prop_(1, 42, value_::of(0.0));
  eng.dimstyles_prop_(1, 49, value_::of(-1.0));
  auto d = open();
  EXPECT_EQ(d->combo_("combo_unit2_type_")->Enabled(), false_);
  EXPECT_EQ(d->text_("text_unit2_scale_")->Enabled(), false_);
  EXPECT_EQ(d->text_("text_tol_up_")->Enabled(), true_);
  d->check_("chk_unit2_on_")->Checked(true_);
  d->check_("chk_unit2_on_")->Click();
  EXPECT_EQ(prop(42), -1);
  EXPECT_EQ(d->combo_("combo_unit2_type_")->Enabled(), true_);
}

TEST_F(ex_dimstyles_test, a_press_on_a_caption_writes_the_box_being_edited) {
  auto d = open();
  d->text_("text_arr_size_")->win_()->set_focus_();
  do_events_();
  d->text_("text_arr_size_")->text("3");
  window_* caption = nullptr;
  for (window_* w : d->pages_["ARR"]->children_())
    if (w->client_rect_().top - d->pages_["ARR"]->client_rect_().top == 8 + 4) caption = w;  // the first row's caption
  ASSERT_NE(caption, nullptr);
  inject_mouse_at_(*caption, mouse_type_::down, 2, 2, 1);
  inject_mouse_at_(*caption, mouse_type_::up, 2, 2, 1);
  do_events_();
  EXPECT_FLOAT_EQ(float(prop(3)), 3.0f);
}

TEST_F(ex_dimstyles_test, delete_asks_then_removes_an_unused_style_or_says_why_not) {
  eng.dimstyles_title_(1, " A ");
  eng.dimstyle_add_("B");
  eng.dimstyle_add_("C");
  eng.dimstyles_prop_(3, 3, value_::of(7.5));  // C's arrow size
  const int32_t dim = eng.add_dimh_(3, 0, 0, 10, 0, 0, 5, 0, -1, 0, 1, 1, "");
  ASSERT_GT(dim, 0);
  auto d = open();
  // Steps in turn, each on the active style; the dimension of C goes before the fourth.
  struct {
    const char* active;
    int32_t answer;
    std::vector<std::string> left;
    std::string told;  // the box after the question, "" for none
  } steps[] = {
      {"B", answer_no_, {"A", "B", "C"}, ""},
      {"B", answer_yes_, {"A", "C"}, ""},
      {"C", answer_yes_, {"A", "C"}, lang_text_("message.dimstyleusedcantremove", "C", "1")},
      {"C", answer_yes_, {"A"}, ""},
      {"A", answer_yes_, {"A"}, lang_text_("message.dimstyleisalonecantremove")},
  };
  for (const auto& st : steps) {
    if (st.left.size() == 1) eng.store.live.objects[size_t(dim)].deleted = true_;
    for (int32_t i = 0; i < d->xcstyle_->ListCount(); ++i)
      if (d->xcstyle_->List(i) == st.active) d->xcstyle__ItemClick(i);
    reply(st.answer);
    d->xcstyledel__Click();
    const auto asked = take_dialog_requests_();
    ASSERT_EQ(asked.size(), st.told.empty() ? 1u : 2u) << st.active;
    EXPECT_EQ(asked[0].text, lang_text_("message.dimstyledel", st.active));
    EXPECT_EQ(asked[0].style, box_yes_no_);
    if (!st.told.empty()) {
      EXPECT_EQ(asked[1].text, st.told);
      EXPECT_EQ(asked[1].style, box_ok_ + box_icon_info_);
    }
    std::vector<std::string> listed;
    for (int32_t i = 0; i < d->xcstyle_->ListCount(); ++i) listed.push_back(d->xcstyle_->List(i));
    EXPECT_EQ(listed, st.left) << st.active;
    EXPECT_EQ(int32_t(st.left.size()), eng.dimstyles_count_());
  }
  EXPECT_EQ(eng.state_name_(1), lang_text_("change.dimstyle.del"));
}

TEST_F(ex_dimstyles_test, the_pages_show_the_style_that_takes_the_deleted_ones_place) {
  eng.dimstyle_add_("B");
  eng.dimstyles_prop_(2, 3, value_::of(7.5));
  eng.dimstyle_active_(1);
  auto d = open();
  reply(answer_yes_);
  d->xcstyledel__Click();
  EXPECT_EQ(d->xcstyle_->text(), "B");
  EXPECT_EQ(d->text_("text_arr_size_")->text(), "7" + decimal_separator_() + "50");
}

TEST_F(ex_dimstyles_test, tab_walks_the_shown_and_enabled_controls_in_their_order) {
  eng.dimstyles_prop_(1, 49, value_::of(0.0));  // tolerances off: their rows are disabled
  auto d = open();
  auto control = [&](const std::string& name) -> xc_control_* {
    if (name == "xcstyle_") return d->xcstyle_.get();
    if (name == "xcstylename_") return d->xcstylename_.get();
    if (name == "xcstyledel_") return d->xcstyledel_.get();
    if (name == "close_") return d->close_btn_.get();
    return d->value_control_(name);
  };
  struct {
    const char* tab;
    const char* from;
    int32_t shift;
    std::vector<std::string> then;
  } cases[] = {
      {"ARR", "xcstyle_", 0, {"xcstylename_", "xcstyleadd_", "xcstyledel_", "combo_arr_1_"}},
      {"ARR", "combo_ext_color_", 0, {"chk_line_e1_", "chk_line_e2_", "close_", "xcstyle_"}},
      {"ARR", "xcstyle_", mod_shift_, {"close_", "chk_line_e2_"}},
      {"TXT", "combo_text_font_", 0, {"combo_text_color_", "text_text_height_", "combo_text_pos_v_"}},
      {"TXT", "chk_text_border_", 0, {"close_", "combo_text_bgcolor_", "xcstyle_"}},
      {"TOL", "chk_tol_on_", 0, {"text_scalesize_", "close_"}},
  };
  for (const auto& c : cases) {
    d->tabs__TabClick(c.tab);
    control(c.from)->win_()->set_focus_();
    do_events_();
    for (const std::string& next : c.then) {
      inject_key_(key_type_::down, key_tab_, c.shift);
      inject_key_(key_type_::up, key_tab_, c.shift);
      do_events_();
      const xc_control_* want = next == "xcstyleadd_" ? d->xcstyleadd_.get() : control(next);
      EXPECT_EQ(focused_window_(), want->win_()) << c.tab << " from " << c.from << " to " << next;
    }
  }
}

TEST_F(ex_dimstyles_test, enter_keeps_the_typed_value_and_closes_esc_drops_it_and_closes) {
  struct { int32_t key; float arrow; } cases[] = {{key_return_, 4.0f}, {key_escape_, 2.25f}};
  for (const auto& c : cases) {
    eng.dimstyles_prop_(1, 3, value_::of(2.25));
    auto d = open();
    xctextbox_* box = d->text_("text_arr_size_");
    box->win_()->set_focus_();
    do_events_();
    box->text("4");
    inject_key_(key_type_::down, c.key);
    inject_key_(key_type_::up, c.key);
    do_events_();
    EXPECT_FALSE(d->dialog().visible_()) << c.key;
    EXPECT_FLOAT_EQ(float(prop(3)), c.arrow) << c.key;
  }
  // Enter on a focused button presses that button instead.
  auto d = open();
  d->xcstyledel_->win_()->set_focus_();
  do_events_();
  reply(answer_no_);
  inject_key_(key_type_::down, key_return_);
  do_events_();
  EXPECT_EQ(take_dialog_requests_().size(), 1u);
  EXPECT_TRUE(d->dialog().visible_());
}

TEST_F(ex_dimstyles_test, shown_modally_and_closed_by_its_button) {
  ex_dimstyles_ d(eng, host);
  bool ran = false;
  d.show_modal_([&] {
    ran = true;
    EXPECT_TRUE(d.dialog().is_modal_());
    EXPECT_EQ(d.dialog().title_(), lang_text_("window.dimstyle.title"));
    d.close_btn_->Click();
  });
  EXPECT_TRUE(ran);
}

}  // namespace
