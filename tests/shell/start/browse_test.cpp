#include <gtest/gtest.h>

#include "platform/services/dialogs.h"
#include "platform/window/event_loop.h"
#include "shell/balloon.h"
#include "shell/browse.h"
#include "platform/services/desktop.h"

namespace {

class browse_test : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application_();
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
  }
  void reply(dialog_kind_ kind, bool cancel, const std::string& text = {}, int32_t index = 1,
             int32_t colour = 0) {
    dialog_reply_ r;
    r.kind = kind;
    r.cancel = cancel;
    r.text = text;
    r.filter_index = index;
    r.colour = colour;
    push_dialog_reply_(r);
  }
};

TEST_F(browse_test, file_dialogs_cancel_trim_and_default_extension) {
  struct row {
    const char* typed;
    const char* ext;
    const char* result;
  };
  const row rows[] = {
      {"  /home/u/my plan  ", "*.zaz", "/home/u/my plan.zaz"},
      {"/home/u/plan.dxf", "*.zaz", "/home/u/plan.dxf"},
      {"/home/u/plan", "zaz", "/home/u/plan.zaz"},
      {"/home/u/plan", ".zaz", "/home/u/plan.zaz"},
      {"/home/u.d/plan", "*.*", "/home/u.d/plan"},
      {"/home/u/plan", "", "/home/u/plan"},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.typed);
    reply(dialog_kind_::open_file, false, r.typed);
    EXPECT_EQ(open_file_dialog_(0, "Rysunki|*.zaz", r.ext), r.result);
  }
  reply(dialog_kind_::open_file, true);
  EXPECT_EQ(open_file_dialog_(0, "Rysunki|*.zaz", "*.zaz"), "");

  int32_t index = -5;
  reply(dialog_kind_::save_file, false, "/tmp/out", 2);
  EXPECT_EQ(save_file_dialog_(0, "Rysunek|*.zaz|DXF|*.dxf", "*.zaz", index), "/tmp/out.zaz");
  EXPECT_EQ(index, 2);
  reply(dialog_kind_::save_file, true);
  EXPECT_EQ(save_file_dialog_(0, "Rysunek|*.zaz|DXF|*.dxf", "*.zaz", index), "");
  EXPECT_EQ(index, 0);
}

TEST_F(browse_test, colour_black_is_not_cancel_and_font_keeps_outputs_on_cancel) {
  reply(dialog_kind_::colour, false, {}, 1, 0);
  EXPECT_EQ(choose_color_dialog_(0), 0);
  reply(dialog_kind_::colour, true);
  EXPECT_EQ(choose_color_dialog_(0), -1);
  reply(dialog_kind_::colour, false, {}, 1, 0x0A141E);
  EXPECT_EQ(choose_color_dialog_(0), 0x0A141E);

  std::string face = "old";
  uint8_t bold = 7, italic = 7, underline = 7;
  reply(dialog_kind_::font, true);
  EXPECT_EQ(choose_font_dialog_(0, "Tahoma", face, bold, italic, underline), false_);
  EXPECT_EQ(face, "old");
  EXPECT_EQ(bold, 7);
  dialog_reply_ r;
  r.kind = dialog_kind_::font;
  r.font.face = "Arial";
  r.font.bold = true;
  r.font.italic = true;
  push_dialog_reply_(r);
  EXPECT_EQ(choose_font_dialog_(0, "Tahoma", face, bold, italic, underline), true_);
  EXPECT_EQ(face, "Arial");
  EXPECT_EQ(bold, 1);
  EXPECT_EQ(italic, 1);
  EXPECT_EQ(underline, 0);
}

TEST_F(browse_test, shell_open_passes_the_trimmed_path_and_returns_nothing) {
  EXPECT_EQ(shell_open_("  /tmp/help.pdf "), "");
  EXPECT_EQ(take_opened_documents_(), std::vector<std::string>{"/tmp/help.pdf"});
}

// Offscreen there is no tray: the entry is missing and a balloon changes nothing.
TEST_F(browse_test, balloon_without_tray_is_a_no_op) {
  tray_add_icon_();
  EXPECT_FALSE(tray_record_().added);
  tray_show_balloon_("text", "title", 1, 1000);
  EXPECT_EQ(tray_record_().balloon_text, "");
}

}  // namespace
