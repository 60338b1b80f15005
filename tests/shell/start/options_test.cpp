#include <gtest/gtest.h>

#include <filesystem>

#include "platform/window/inject.h"
#include "shell/frame_table.h"
#include "shell/guiopt.h"
#include "shell/settings.h"
#include "shell/xopt.h"
#include "start_fixture.h"
#include "tests/support/missing_texts.h"
#include "ui/controls/button/button.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/textbox/textbox.h"
#include "ui/skin/skin_file.h"
#include "ui/skin/skin_palette.h"

namespace {

void click(xcbutton_& b) {
  inject_mouse_at_(*b.win_(), mouse_type_::down, 4, 4, 1);
  inject_mouse_at_(*b.win_(), mouse_type_::up, 4, 4, 1);
  do_events_();
}

void answer(dialog_kind_ kind, int32_t answer_or_colour, bool cancel = false) {
  dialog_reply_ r;
  r.kind = kind;
  r.answer = answer_or_colour;
  r.colour = answer_or_colour;
  r.cancel = cancel;
  push_dialog_reply_(r);
}

int32_t rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

class options_test : public start_fixture {
 protected:
  void SetUp() override {
    start_fixture::SetUp();
    start_program_("");
    take_dialog_requests_();
  }
  missing_texts_recorder texts;
};

TEST(options_values, grid_text_and_background_rule) {
  EXPECT_EQ(grid_size_text_(10), "10.00");
  EXPECT_EQ(grid_size_text_(2.5), "2.50");
  EXPECT_EQ(grid_size_text_(0.125), "0.125");
  EXPECT_EQ(grid_size_text_(1.23456789), "1.234568");
  for (const char* bad : {"abc", "", "0", "-2", "2.5mm", "nan", "inf"}) {
    float v = 7;
    EXPECT_FALSE(parse_grid_size_(bad, v)) << bad;
    EXPECT_EQ(v, 7) << bad;
  }
  float v = 0;
  EXPECT_TRUE(parse_grid_size_(" 2.5 ", v));
  EXPECT_EQ(v, 2.5f);
  struct row {
    int32_t colour;
    bool refused;
  };
  for (const row& r : {row{rgb(150, 120, 90), true}, row{rgb(136, 136, 137), false}, row{rgb(128, 128, 128), true},
                       row{rgb(120, 130, 140), true}, row{rgb(119, 119, 119), false},
                       row{rgb(137, 137, 137), false}, row{0, false}})
    EXPECT_EQ(background_refused_(r.colour), r.refused) << std::hex << r.colour;
}

TEST_F(options_test, background_refused_taken_and_dropped_on_cancel) {
  const int32_t before = main_engine_->backcolor_();
  {
    ex_xopt_ d(*main_engine_);
    d.dialog().win().show_();
    do_events_();
    answer(dialog_kind_::colour, rgb(150, 120, 90));
    click(d.bgcolor_button());
    auto asked = take_dialog_requests_();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].text, lang_text_("message.invalidbgcolor"));
    EXPECT_EQ(asked[1].style, box_ok_ + box_icon_warning_);
    EXPECT_EQ(d.working().backcolor, before);
    answer(dialog_kind_::colour, rgb(136, 136, 137));
    click(d.bgcolor_button());
    EXPECT_EQ(take_dialog_requests_().size(), 1u);
    EXPECT_EQ(d.working().backcolor, rgb(136, 136, 137));
    d.cancel_click_();
  }
  EXPECT_EQ(main_engine_->backcolor_(), before);
  // The position is written back whatever closed the dialog.
  EXPECT_TRUE(get_setting_("kalvinor.zaz", "windows\\exxopt", "left", "none").is_text());
  EXPECT_GE(value_number_(get_setting_("kalvinor.zaz", "windows\\exxopt", "left", "none"), -1), 0);
  ex_xopt_ d(*main_engine_);
  d.dialog().win().show_();
  do_events_();
  answer(dialog_kind_::colour, rgb(10, 20, 30));
  d.bgcolor_click_();
  click(d.save_button());
  EXPECT_EQ(main_engine_->backcolor_(), rgb(10, 20, 30));
  EXPECT_FALSE(d.dialog().win().visible_());
}

TEST_F(options_test, grid_size_shown_and_a_bad_one_refused) {
  main_engine_->view_gridsize_(2.5f);
  ex_xopt_ d(*main_engine_);
  d.dialog().win().show_();
  EXPECT_EQ(d.grid_size().text(), "2.50");
  d.grid_size().text("abc");
  click(d.save_button());
  const auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].style, box_ok_ + box_icon_warning_);
  EXPECT_EQ(d.grid_size().text(), "2.50");
  EXPECT_TRUE(d.dialog().win().visible_());
  EXPECT_EQ(main_engine_->view_gridsize_(), 2.5f);
  d.grid_size().text("0.125");
  click(d.save_button());
  EXPECT_EQ(main_engine_->view_gridsize_(), 0.125f);
  EXPECT_FALSE(d.dialog().win().visible_());
}

TEST_F(options_test, template_list_from_the_folder) {
  {
    ex_xopt_ d(*main_engine_);  // no templates folder: "none" alone
    EXPECT_EQ(d.templates().ListCount(), 1);
    EXPECT_EQ(d.templates().ListIndex(), 0);
  }
  std::filesystem::create_directories(dir + "templates");
  zaz_class_ t;
  t.file_new_(true_, "");
  t.information_title_("Metric sheet");
  ASSERT_EQ(t.file_save_(dir + "templates/b.zaz", 1, false_), true_);
  t.information_title_("");
  ASSERT_EQ(t.file_save_(dir + "templates/a.zaz", 1, false_), true_);
  struct row {
    const char* stored;
    int32_t selected;
  };
  for (const row& r : {row{"b.zaz", 2}, row{"B.ZAZ", 0}, row{"", 0}}) {
    save_setting_("kalvinor.zaz", "default", "template", r.stored);
    ex_xopt_ d(*main_engine_);
    ASSERT_EQ(d.templates().ListCount(), 3);
    EXPECT_EQ(d.templates().List(1), "a.zaz");
    EXPECT_EQ(d.templates().List(2), "Metric sheet");
    EXPECT_EQ(d.templates().ListIndex(), r.selected) << r.stored;
  }
  ex_xopt_ d(*main_engine_);
  d.templates().ListIndex(1);
  ASSERT_TRUE(d.save_options_());
  EXPECT_EQ(template_name_(), "a.zaz");
  d.templates().ListIndex(0);
  ASSERT_TRUE(d.save_options_());
  EXPECT_EQ(template_name_(), "");
}

TEST_F(options_test, tabs_show_their_page) {
  ex_xopt_ d(*main_engine_);
  d.dialog().win().show_();
  do_events_();
  EXPECT_TRUE(d.page1().visible_());
  EXPECT_FALSE(d.page2().visible_());
  struct row {
    const char* key;
    bool first, second;
  };
  for (const row& r : {row{"T2", false, true}, row{"T1", true, false}, row{"T9", false, false}}) {
    d.tab_click_(r.key);
    EXPECT_EQ(d.page1().visible_(), r.first) << r.key;
    EXPECT_EQ(d.page2().visible_(), r.second) << r.key;
  }
}

TEST_F(options_test, layout_reset_deletes_the_file_and_exit_writes_none) {
  write("user/xtoolbars2_.ini", "old");
  {
    ex_xopt_ d(*main_engine_);
    answer(dialog_kind_::message_box, answer_no_);
    d.reset_click_();
    EXPECT_TRUE(std::filesystem::exists(dir + "user/xtoolbars2_.ini"));
    answer(dialog_kind_::message_box, answer_yes_);
    answer(dialog_kind_::message_box, answer_ok_);
    d.reset_click_();
    EXPECT_FALSE(std::filesystem::exists(dir + "user/xtoolbars2_.ini"));
    EXPECT_FALSE(d.dialog().win().visible_());
  }
  exit_program_(false_);
  EXPECT_TRUE(ended);
  EXPECT_FALSE(std::filesystem::exists(dir + "user/xtoolbars2_.ini"));
}

// The interface options run on the skins the build makes.
class guiopt_test : public options_test {
 protected:
  void SetUp() override {
    options_test::SetUp();
    std::filesystem::copy(program_folder_() + "skins", dir + "skins");
    select_skin_file_();
    load_skin_file_(skin_file_path_);
  }
  void TearDown() override {
    skin_palette_ = skin_palette_rec_{};
    options_test::TearDown();
  }
};

TEST_F(guiopt_test, stored_values_select_and_saving_silver_recolours_frames) {
  save_setting_("kalvinor.common", "GUI", "Skin", "2");
  save_setting_("kalvinor.common", "GUI", "Type", "2");
  save_setting_("kalvinor.common", "GUI", "Lang", "en");
  ex_xopt_ owner(*main_engine_);
  owner.dialog().win().show_();
  do_events_();
  surface_ before;
  ASSERT_TRUE(owner.dialog().win().grab_(before));
  OPT_ o;
  o.reload_();
  EXPECT_EQ(o.splash_box().Checked(), true_);
  EXPECT_EQ(o.type_box().ListIndex(), 1);
  EXPECT_EQ(o.skin_box().ListIndex(), 2);
  EXPECT_EQ(o.lang_box().ListIndex(), 1);
  o.skin_box().ListIndex(1);
  o.save_click_();
  // Type 2 saved as 1 tells that the change applies at the next start.
  const auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.chguitype"));
  EXPECT_EQ(value_text_(get_setting_("kalvinor.common", "GUI", "Skin", "")), "1");
  EXPECT_EQ(value_text_(get_setting_("kalvinor.common", "GUI", "Type", "")), "1");
  EXPECT_EQ(value_text_(get_setting_("kalvinor.common", "GUI", "Lang", "")), "EN");
  EXPECT_NE(skin_file_path_.find("silver"), std::string::npos);
  do_events_();
  surface_ after;
  ASSERT_TRUE(owner.dialog().win().grab_(after));
  const int32_t caption = owner.dialog().win().frame_insets_().top;
  int changed = 0;
  for (int32_t y = 0; y < caption; ++y)
    for (int32_t x = 0; x < after.width_(); ++x) changed += after.colour_(x, y) != before.colour_(x, y);
  EXPECT_GT(changed, 100);
  EXPECT_FALSE(o.dialog().win().visible_());
}

TEST_F(guiopt_test, cancel_writes_nothing_and_about_shows_its_picture) {
  OPT_ o;
  o.reload_();
  o.skin_box().ListIndex(2);
  click(o.cancel_button());
  EXPECT_EQ(value_text_(get_setting_("kalvinor.common", "GUI", "Skin", "none")), "none");
  EXPECT_EQ(skin_file_path_.find("black"), std::string::npos);

  about_ a;
  EXPECT_EQ(a.dialog().win().title_(), lang_text_("about.title"));
  EXPECT_EQ(a.pic().client_width_(), 420);
  const surface_& s = a.pic().client_surface_();
  EXPECT_NE(s.colour_(10, 10), s.colour_(10, 190));  // the gradient runs down the picture
  post_task_([&] { click(a.ok_button()); });
  a.show_modal_(nullptr);
  EXPECT_FALSE(a.dialog().win().visible_());
}

}  // namespace
