#include <gtest/gtest.h>

#include <filesystem>

#include "shell/settings.h"
#include "shell/dialog_form.h"
#include "shell/frame_table.h"
#include "shell/key_dispatch.h"
#include "ui/controls/textbox/textbox.h"
#include "shell/quick_buttons.h"
#include "shell/splash.h"
#include "start_fixture.h"

// Qt's text layout keeps fontconfig's caches for the whole process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

const int32_t template_colour = 0x123456;

// Writes a drawing of our own with one line, and a template whose background tells it apart.
class start_test : public start_fixture {
 protected:
  void SetUp() override {
    start_fixture::SetUp();
    std::filesystem::create_directories(dir + "templates");
    std::filesystem::create_directories(dir + "my drawings");
    zaz_class_ e;
    e.file_new_(true_, "");
    e.add_line_(0, 0, 10, 10);
    ASSERT_EQ(e.file_save_(dir + "my drawings/a plan.zaz", 1, false_), true_);
    zaz_class_ t;
    t.file_new_(true_, "");
    t.backcolor_(template_colour);
    ASSERT_EQ(t.file_save_(dir + "templates/sheet.zaz", 1, false_), true_);
    write("broken.zaz", "ZAZ2\x01 this is no drawing");
    write("far.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n1000\n20\n1000\n11\n2000\n21\n1500\n0\nENDSEC\n0\nEOF\n");
    save_setting_("kalvinor.common", "GUI", "WScreen", "0");
  }
};

struct line_case {
  const char* name;
  std::string line;          // {dir} stands for the program folder
  std::string template_name;  // stored template setting
  bool opens;                 // the named file becomes the drawing
  bool message;               // "message.cantopenfile" shown
  bool from_template;         // a new drawing from the template
};

std::string expand(std::string s, const std::string& dir) {
  for (size_t p; (p = s.find("{dir}")) != std::string::npos;) s.replace(p, 5, dir);
  return s;
}

TEST_F(start_test, command_lines) {
  const line_case cases[] = {
      {"quoted path with blanks", "\"{dir}my drawings/a plan.zaz\"", "sheet.zaz", true, false, false},
      {"quotes inside", "{dir}my \"drawings/a plan\".zaz", "sheet.zaz", true, false, false},
      {"path and +nohook", "{dir}my drawings/a plan.zaz +nohook", "sheet.zaz", false, false, true},
      {"broken file", "  {dir}broken.zaz  ", "sheet.zaz", false, true, true},
      {"empty line", "", "sheet.zaz", false, false, true},
      {"missing template", "", "gone.zaz", false, false, false},
  };
  for (const line_case& c : cases) {
    SCOPED_TRACE(c.name);
    log.clear();
    save_setting_("kalvinor.zaz", "default", "template", c.template_name);
    const std::string line = expand(c.line, dir);
    start_program_(line);
    ASSERT_TRUE(main_engine_);
    ASSERT_TRUE(main());
    const auto asked = take_dialog_requests_();
    if (c.message) {
      ASSERT_EQ(asked.size(), 1u);
      EXPECT_NE(asked[0].text.find(command_line_path_(line)), std::string::npos) << asked[0].text;
      EXPECT_EQ(asked[0].style, box_ok_ + box_icon_warning_);
    } else {
      EXPECT_TRUE(asked.empty());
    }
    EXPECT_EQ(main_engine_->file.file_name, c.opens ? command_line_path_(line) : std::string());
    EXPECT_EQ(main_engine_->backcolor_() == template_colour, c.from_template);
    // The window comes up enabled and shown, after the lists were refilled.
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "lists");
    EXPECT_EQ(log.back(), "show");
    EXPECT_EQ(splash_in_use_(), nullptr);
    drop_main_link_();
  }
}

TEST_F(start_test, imported_dxf_is_fitted_own_drawing_keeps_its_view) {
  start_program_(dir + "far.dxf");
  EXPECT_EQ(std::count(log.begin(), log.end(), "view"), 1);
  EXPECT_NEAR(main_engine_->view_posx_(), 1500, 1);
  EXPECT_NEAR(main_engine_->view_posy_(), 1250, 1);
  drop_main_link_();
  log.clear();
  start_program_(dir + "my drawings/a plan.zaz");
  EXPECT_EQ(std::count(log.begin(), log.end(), "view"), 0);
}

TEST_F(start_test, splash_loaded_and_unloaded_unseen_with_wscreen_0) {
  bool seen = false, loaded = false;
  set_main_link_maker_([&] {
    loaded = splash_in_use_() != nullptr;
    seen = loaded && splash_in_use_()->win().visible_();
    return std::make_unique<fake_main_>(log);
  });
  start_program_("");
  EXPECT_TRUE(loaded);
  EXPECT_FALSE(seen);
  EXPECT_EQ(splash_in_use_(), nullptr);
  save_setting_("kalvinor.common", "GUI", "WScreen", "1");
  drop_main_link_();
  start_program_("");
  EXPECT_TRUE(seen);
}

TEST_F(start_test, exit_writes_layout_in_classic_only_and_removes_undo_files) {
  for (int32_t type : {1, 0}) {
    SCOPED_TRACE(type);
    gui_type = type;
    write("user/xtoolbars2_.ini", "old layout");
    start_program_("");
    main_engine_->state_begin_();
    main_engine_->add_line_(0, 0, 5, 5);
    ASSERT_GT(main_engine_->state_save_("line"), 0);
    ASSERT_FALSE(main_engine_->file.states.empty());
    const std::string undo_file = main_engine_->file.states.back().file;
    ASSERT_TRUE(std::filesystem::exists(undo_file));
    ended = false;
    exit_program_(false_);
    EXPECT_TRUE(ended);
    EXPECT_EQ(read("user/xtoolbars2_.ini"), type == 1 ? "layout" : "old layout");
    EXPECT_FALSE(std::filesystem::exists(undo_file));
    EXPECT_FALSE(main_engine_);
    EXPECT_EQ(log.back(), "destroy");
    drop_main_link_();
  }
}

// The layout is the user's: in the settings folder, beside the program only in portable mode.
TEST_F(start_test, the_layout_lives_where_the_settings_do) {
  EXPECT_EQ(toolbar_layout_path_(), dir + "user/xtoolbars2_.ini");
  portable_mode_ = true_;
  EXPECT_EQ(toolbar_layout_path_(), dir + "xtoolbars2_.ini");
  portable_mode_ = false_;
}

TEST_F(start_test, engine_progress_and_frame_procedures_reach_the_main_window) {
  start_program_("");
  log.clear();
  main_engine_->progress_refresh_(40);
  hovered_quick_button_ = 3;
  const std::pair<void (*)(), const char*> rows[] = {
      {frame_cb_ribbon_refresh_, "ribbon"}, {frame_cb_close_popups_, "close popups"},
      {frame_cb_quick_button_, "quick 3"},  {frame_cb_show_bars_, "bars on"},
      {frame_cb_hide_bars_, "bars off"},    {frame_cb_close_menus_, "close menus"}};
  for (const auto& r : rows) r.first();
  hovered_quick_button_ = 0;
  ASSERT_EQ(log.size(), 7u);
  EXPECT_EQ(log[0], "progress 40");
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(log[i + 1], rows[i].second);
}

TEST_F(start_test, stored_position_that_is_no_number_gives_the_default) {
  struct row {
    const char* stored;
    int32_t pixels;
  };
  for (const row& r : {row{"1500", 100}, row{"abc", -7}, row{"", -7}, row{"1e30", -7}, row{" 300 ", 20}}) {
    save_setting_("kalvinor.zaz", "windows\\test", "left", r.stored);
    EXPECT_EQ(stored_pixels_("windows\\test", "left", -7), r.pixels) << r.stored;
  }
}

TEST_F(start_test, main_with_nohook_keeps_platform_frames_and_loads_english) {
  save_setting_("kalvinor.common", "GUI", "Lang", "en");
  std::filesystem::copy_file(program_folder_() + "program_en.lang", dir + "program_en.lang");
  Main("+nohook");
  EXPECT_TRUE(system_decorations_());
  EXPECT_EQ(textbox_menu_captions_[0], lang_text_("common.ptextmenu.undo"));
  EXPECT_EQ(textbox_menu_captions_[0].find('%'), std::string::npos);
  ASSERT_TRUE(main_engine_);
  EXPECT_EQ(log.back(), "show");
  // A new drawing: "+nohook" names no file.
  EXPECT_EQ(main_engine_->file.file_name, "");
  remove_keyboard_hook_();
  set_system_decorations_(false);
  program_command_line_().clear();
}

TEST(start_paths, helpers) {
  EXPECT_EQ(command_line_path_("  \"C:\\a b\\c.zaz\"  "), "C:\\a b\\c.zaz");
  EXPECT_EQ(command_line_path_("\"x\" +nohook"), "x +nohook");
  EXPECT_EQ(file_name_of_("/a/b/ c.zaz "), "c.zaz");
  EXPECT_EQ(file_name_of_("C:\\t\\d.zaz"), "d.zaz");
  EXPECT_EQ(file_name_of_(" plain "), "plain");
  EXPECT_EQ(file_name_of_(""), "");
}

}  // namespace
