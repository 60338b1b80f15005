// The file commands, quit and help, and a whole session typed on the command line.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cmd_fixture.h"
#include "platform/services/desktop.h"
#include "shell/language.h"
#include "ui/controls/textbox/textbox.h"

namespace {
std::string read_all(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}
}  // namespace

TEST_F(cmd_fixture, saveas_dxf_writes_the_file_and_keeps_caption_and_changed_flag) {
  open_window();
  line(0, 0, 10, 0);
  const std::string caption = mdi->form().title_();
  answer_file(dialog_kind_::save_file, dir + "out.dxf", 2);
  EXPECT_TRUE(mdi->gocmd_("saveas"));
  EXPECT_NE(read_all(dir + "out.dxf").find("SECTION"), std::string::npos);
  EXPECT_EQ(mdi->form().title_(), caption);
  EXPECT_TRUE(is_set_(eng().file_change_()));
  EXPECT_TRUE(messages().empty());

  // The native format names the drawing and clears the flag.
  answer_file(dialog_kind_::save_file, dir + "out.zaz", 1);
  EXPECT_TRUE(mdi->gocmd_("saveas"));
  EXPECT_EQ(mdi->form().title_(), std::string(program_title_) + " - [out.zaz]");
  EXPECT_FALSE(is_set_(eng().file_change_()));
}

TEST_F(cmd_fixture, a_failed_save_says_so_and_keeps_caption_and_changed_flag) {
  open_window();
  line(0, 0, 10, 0);
  const std::string caption = mdi->form().title_();
  const std::string path = dir + "missing-folder/out.zaz";
  answer_file(dialog_kind_::save_file, path, 1);
  EXPECT_TRUE(mdi->gocmd_("save"));
  EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.cantsavefile", path)});
  EXPECT_EQ(mdi->form().title_(), caption);
  EXPECT_TRUE(is_set_(eng().file_change_()));
  EXPECT_TRUE(mdi->form().enabled_());
}

TEST_F(cmd_fixture, new_and_open_replace_a_changed_drawing_only_when_its_save_completed) {
  open_window();
  line(0, 0, 10, 0);
  // Cancel, and Yes with the save dialog cancelled, keep the drawing; No replaces it.
  answer_box(answer_cancel_);
  EXPECT_TRUE(mdi->gocmd_("new"));
  EXPECT_EQ(live_on_page(1), 1);
  answer_box(answer_yes_);
  answer_file(dialog_kind_::save_file, "");
  EXPECT_TRUE(mdi->gocmd_("open"));
  EXPECT_EQ(live_on_page(1), 1);
  EXPECT_EQ(messages(), std::vector<std::string>(2, lang_text_("message.savefilequestion")));
  answer_box(answer_no_);
  EXPECT_TRUE(mdi->gocmd_("new"));
  EXPECT_EQ(live_on_page(1), 0);
  EXPECT_FALSE(is_set_(eng().file_change_()));
  EXPECT_EQ(mdi->form().title_(), program_title_);
  // An unchanged drawing is replaced without a question.
  messages();
  EXPECT_TRUE(mdi->gocmd_("new"));
  EXPECT_TRUE(messages().empty());
}

TEST_F(cmd_fixture, a_broken_file_is_refused_with_a_message) {
  open_window();
  const std::string path = dir + "broken.zaz";
  std::ofstream(path, std::ios::binary) << "this is no drawing at all";
  answer_file(dialog_kind_::open_file, path);
  EXPECT_TRUE(mdi->gocmd_("open"));
  EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.cantopenthisfile")});
  EXPECT_EQ(mdi->form().title_(), program_title_);
  EXPECT_EQ(eng().pages_count_(), 1);
}

TEST_F(cmd_fixture, quit_asks_about_unsaved_changes_like_closing) {
  open_window();
  int unloads = 0;
  mdi->on_unload = [&] { ++unloads; };
  line(0, 0, 10, 0);
  answer_box(answer_cancel_);
  EXPECT_TRUE(mdi->gocmd_("quit"));
  EXPECT_EQ(unloads, 0);
  answer_box(answer_yes_);
  answer_file(dialog_kind_::save_file, "");
  EXPECT_TRUE(mdi->gocmd_("quit"));
  EXPECT_EQ(unloads, 0);
  EXPECT_EQ(messages().size(), 2u);
  answer_box(answer_no_);
  EXPECT_TRUE(mdi->gocmd_("quit"));
  EXPECT_EQ(unloads, 1);
}

TEST_F(cmd_fixture, help_opens_the_help_document_beside_the_program) {
  open_window();
  take_opened_documents_();
  EXPECT_TRUE(mdi->gocmd_("help"));
  const std::vector<std::string> opened = take_opened_documents_();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(opened[0])) << opened[0];
  EXPECT_EQ(std::filesystem::path(opened[0]).filename(), "help.pdf");
}

TEST_F(cmd_fixture, a_command_line_session_saves_and_reopens_its_objects_and_pages) {
  open_window();
  line(0, 0, 10, 0);
  line(0, 4, 10, 4);
  auto type = [&](const std::string& text) {
    mdi->cmd().text(text);
    int16_t enter = 13;
    mdi->cmd_KeyPress(enter);
    EXPECT_EQ(mdi->cmd().text(), "") << text;
  };
  type("selectall");
  type("copy");
  type("paste");
  EXPECT_EQ(live_on_page(1), 4);
  type("delete");
  EXPECT_EQ(live_on_page(1), 2);
  type("undo");
  EXPECT_EQ(live_on_page(1), 4);
  type("redo");
  EXPECT_EQ(live_on_page(1), 2);
  type("pageadd");
  type("2 3");
  EXPECT_EQ(eng().pages_count_(), 2);
  answer_file(dialog_kind_::save_file, dir + "session.zaz", 1);
  type("saveas");
  type("new");
  EXPECT_EQ(eng().pages_count_(), 1);
  EXPECT_EQ(live_on_page(1), 0);
  answer_file(dialog_kind_::open_file, dir + "session.zaz");
  type("open");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(mdi->form().title_(), std::string(program_title_) + " - [session.zaz]");
  ASSERT_EQ(eng().pages_count_(), 2);
  EXPECT_EQ(live_on_page(1), 2);
  EXPECT_EQ(live_on_page(2), 0);
  eng().page_active_(1);
  eng().select_all_();
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  eng().get_exarea_(x1, y1, x2, y2, true_);
  EXPECT_EQ(x1, 0.0f);
  EXPECT_EQ(y1, 0.0f);
  EXPECT_EQ(x2, 10.0f);
  EXPECT_EQ(y2, 4.0f);
}
