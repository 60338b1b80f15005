#include "dialogs/text/text_dialog.h"

#include <filesystem>
#include <map>

#include "dialogs/text/dialog_fixture.h"
#include "shell/files.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

// The main window's side of the dialog: its text and the tool panel's rows.
struct fake_main {
  std::string ddraw_text = "Text";
  std::map<int32_t, std::string> panel{{1, "Text"}, {5, "10"}, {6, "1"}, {7, "0"}};
  int view_repaints = 0;
  text_dialog_host_ host() {
    return {[this] { return ddraw_text; }, [this](const std::string& t) { ddraw_text = t; },
            [this](int32_t i) { return panel[i]; }, [this](int32_t i, const std::string& t) { panel[i] = t; },
            [this] { ++view_repaints; }, [] {}};
  }
};

struct text_test : dialog_fixture {
  void open(bool font_page) {
    dialog = std::make_unique<ex_text_>(engine, owner.get(), main.host());
    font_page ? dialog->show_font_() : dialog->show_text_();
    dialog->prepare_();
    dialog->show_();
    do_events_();
  }
  void focus_box(xctextbox_& box) { focus(dialog->window_of_(), box.win_()); }
  // The x of a point on tab n (1-based) of the strip.
  int32_t tab_x(int32_t n) {
    const tab_item_rec_& t = dialog->tabs_->state_().items[size_t(n - 1)];
    return (t.left + t.right) / 2;
  }
  std::vector<std::string> font_names() {
    std::vector<std::string> out;
    for (int32_t i = 1; i <= engine.font_count_(); ++i) out.push_back(engine.font_name_(i));
    return out;
  }
  fake_main main;
  std::unique_ptr<ex_text_> dialog;
};

TEST(text_font_file, titles_are_lower_case_and_stay_in_the_folder) {
  struct row {
    const char* face;
    const char* title;
  };
  const row rows[] = {{"DejaVu Sans", "dejavu sans"}, {"  Tahoma ", "tahoma"}, {"a/b\\c:d", "a_b_c_d"},
                      {"..", "__"},                   {"   ", ""},            {"x.y", "x.y"}};
  for (const row& r : rows) EXPECT_EQ(font_file_title_(r.face), r.title) << r.face;
}

TEST_F(text_test, typed_lines_reach_the_main_text_and_the_panel_row) {
  main.ddraw_text = "";
  open(false);
  focus_box(*dialog->text_);
  type("ab");
  key(key_return_, 0, '\r');
  type("c");
  EXPECT_EQ(main.ddraw_text, "ab\rc");
  EXPECT_EQ(main.panel[1], "ab c");
}

TEST_F(text_test, opening_shows_the_lines_all_selected_and_the_panel_values) {
  main.ddraw_text = "one\rtwo";
  main.panel[5] = "12,5";
  open(false);
  EXPECT_EQ(dialog->text_->text(), "one\r\ntwo");
  EXPECT_EQ(dialog->text_->state_().line_count, 2);
  EXPECT_EQ(dialog->value_height_->text(), "12,5");
  EXPECT_EQ(dialog->window_of_().title_(), lang_text_("adraw.textex"));
  EXPECT_TRUE(dialog->text_->win_()->visible_());
  EXPECT_FALSE(dialog->font_->visible_());
  // Typing over the selection replaces the whole text.
  focus_box(*dialog->text_);
  type("z");
  EXPECT_EQ(main.ddraw_text, "z");
}

TEST_F(text_test, font_page_shows_the_active_font_and_the_text_tab_switches_back) {
  engine.font_id_(2);
  open(true);
  EXPECT_EQ(dialog->tabs_->activetab_(), "FONT");
  EXPECT_TRUE(dialog->font_->visible_());
  ASSERT_EQ(dialog->value_font_->ListCount(), 2);
  EXPECT_EQ(dialog->value_font_->ListIndex(), 1);
  click_window(*dialog->tabs_->win_(), tab_x(1), 12);
  EXPECT_EQ(dialog->tabs_->activetab_(), "TEXT");
  EXPECT_TRUE(dialog->text_->win_()->visible_());
  EXPECT_FALSE(dialog->font_->visible_());
}

TEST_F(text_test, value_boxes_copy_their_text_and_a_box_left_without_a_number_takes_it_back) {
  open(true);
  focus_box(*dialog->value_height_);
  type("x");
  EXPECT_EQ(main.panel[5], "x");
  take_dialog_requests_();
  focus_box(*dialog->value_scale_);  // leaving the height box
  auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.invalidvalue", lang_text_("adraw.theight")));
  EXPECT_EQ(dialog->value_height_->text(), "10");
  EXPECT_EQ(main.panel[5], "10");

  type("3");
  focus_box(*dialog->value_rotate_);
  EXPECT_TRUE(take_dialog_requests_().empty());
  EXPECT_EQ(main.panel[6], "3");

  // Focus going to another window is no leaving of the box; closing still takes the number back.
  type("y");
  focus(*owner, owner.get());
  EXPECT_TRUE(take_dialog_requests_().empty());
  EXPECT_EQ(main.panel[7], "y");
  dialog->close_dialog_();
  EXPECT_EQ(main.panel[7], "0");
}

TEST_F(text_test, esc_closes_from_the_boxes_and_the_list_but_not_from_a_button) {
  struct row {
    const char* name;
    std::function<window_*(ex_text_&)> target;
    bool closes;
  };
  const row rows[] = {
      {"text", [](ex_text_& d) { return d.text_->win_(); }, true},
      {"height", [](ex_text_& d) { return d.value_height_->win_(); }, true},
      {"fonts", [](ex_text_& d) { return d.value_font_->win_(); }, true},
      {"plus", [](ex_text_& d) { return d.true_type_->win_(); }, false},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    open(std::string(r.name) != "text");
    focus(dialog->window_of_(), r.target(*dialog));
    key(key_escape_);
    do_events_();
    EXPECT_EQ(dialog->open_(), !r.closes);
    dialog.reset();
  }
}

TEST_F(text_test, converting_an_installed_face_adds_one_active_font_and_one_undo_step) {
  open(true);
  const int32_t steps = engine.state_active_();
  dialog_reply_ reply;
  reply.kind = dialog_kind_::font;
  reply.font.face = "DejaVu Sans";
  reply.font.bold = true;
  push_dialog_reply_(reply);
  click_centre(*dialog->true_type_->win_());
  EXPECT_EQ(font_names(), (std::vector<std::string>{"technic_normal", "technic_italic", "dejavu sans"}));
  EXPECT_EQ(engine.font_id_(), 3);
  EXPECT_EQ(dialog->value_font_->ListIndex(), 2);
  EXPECT_EQ(engine.state_active_(), steps + 1);
  EXPECT_EQ(engine.state_name_(1), lang_text_("change.font.add"));
  EXPECT_FALSE(std::filesystem::exists(temp_folder_() + "dejavu sans"));

  // Cancelled: nothing changes.
  click_centre(*dialog->true_type_->win_());
  EXPECT_EQ(engine.font_count_(), 3);
  EXPECT_EQ(engine.state_active_(), steps + 1);
}

TEST_F(text_test, a_temporary_file_that_cannot_be_made_adds_nothing) {
  open(true);
  const int32_t steps = engine.state_active_();
  const std::filesystem::path blocker = temp_folder_() + "dejavu serif";
  std::filesystem::create_directory(blocker);
  dialog_reply_ reply;
  reply.kind = dialog_kind_::font;
  reply.font.face = "DejaVu Serif";
  push_dialog_reply_(reply);
  click_centre(*dialog->true_type_->win_());
  EXPECT_EQ(engine.font_count_(), 2);
  EXPECT_EQ(engine.state_active_(), steps);
  EXPECT_TRUE(std::filesystem::is_directory(blocker));
  EXPECT_TRUE(std::filesystem::is_empty(blocker));
  std::filesystem::remove(blocker);
  // The engine's next step is a plain one: no bracket was left open by the failure.
  engine.state_begin_();
  engine.add_circle_(0, 0, 1);
  engine.state_save_("x");
  EXPECT_EQ(engine.state_active_(), steps + 1);
}

TEST_F(text_test, removing_the_selected_font_is_one_step_and_the_last_font_stays) {
  open(true);
  const int32_t steps = engine.state_active_();
  dialog->value_font_->ListIndex(0);
  click_centre(*dialog->remove_->win_());
  EXPECT_EQ(font_names(), (std::vector<std::string>{"technic_italic"}));
  EXPECT_EQ(engine.state_active_(), steps + 1);
  EXPECT_EQ(dialog->value_font_->ListCount(), 1);
  EXPECT_EQ(main.view_repaints, 1);

  take_dialog_requests_();
  click_centre(*dialog->remove_->win_());
  EXPECT_EQ(engine.font_count_(), 1);
  EXPECT_EQ(engine.state_active_(), steps + 1);
  const auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].style, box_ok_ + box_icon_info_);
  EXPECT_EQ(asked[0].text, lang_text_("message.fontisalonecantremove"));
}

TEST_F(text_test, the_tool_panel_opens_the_dialog_modally) {
  main.ddraw_text = "a";
  bool shown = false;
  when_modal([&](window_& w) {
    shown = true;
    w.close_();
  });
  open_text_dialog_(engine, owner.get(), main.host(), false);
  EXPECT_TRUE(shown);
  EXPECT_EQ(main.ddraw_text, "a");
}

}  // namespace
