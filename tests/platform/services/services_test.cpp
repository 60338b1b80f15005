// Services offscreen: clipboard, scripted dialogs, documents, screen facts, printing to PDF.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <string>

#include "platform/core/file_io.h"
#include "platform/gdiplus/graphics.h"
#include "platform/services/clipboard.h"
#include "platform/services/desktop.h"
#include "platform/services/dialogs.h"
#include "platform/services/printer.h"
#include "platform/services/printer_painter.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"

namespace {

class services_test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ensure_application_();
    set_dialog_scripting_(true);  // on by itself only where no display exists
  }
  void SetUp() override {
    clear_dialog_replies_();
    take_dialog_requests_();
  }
};

TEST_F(services_test, clipboard_text_round_trips) {
  for (const std::string text : {"Arvex.clipboard:/tmp/a b.tmp", "Zażółć gęślą jaźń", "line 1\nline 2"}) {
    ASSERT_TRUE(clipboard_set_text_(text));
    EXPECT_TRUE(clipboard_has_text_());
    EXPECT_EQ(clipboard_text_(), text);
  }
  clipboard_clear_();
  EXPECT_EQ(clipboard_text_(), "");
}

TEST_F(services_test, message_box_takes_scripted_answers_and_cancels_without_one) {
  struct case_ { int32_t style; bool queued; int32_t reply; int32_t expect; bool answered; };
  const case_ cases[] = {
      {box_yes_no_cancel_ + box_icon_question_, true, answer_no_, answer_no_, true},
      {box_yes_no_cancel_, true, answer_cancel_, answer_cancel_, true},
      {box_ok_ + box_icon_warning_, true, answer_ok_, answer_ok_, true},
      {box_yes_no_cancel_, false, 0, answer_cancel_, false},
      {box_yes_no_, false, 0, answer_no_, false},
      {box_ok_, false, 0, answer_ok_, false},
      {box_yes_no_, true, answer_cancel_, answer_no_, true},  // a button the box lacks means closing it
  };
  for (const case_& c : cases) {
    if (c.queued) {
      dialog_reply_ r;
      r.kind = dialog_kind_::message_box;
      r.answer = c.reply;
      push_dialog_reply_(r);
    }
    EXPECT_EQ(message_box_("Save changes to {0}?", "Arvex", c.style), c.expect) << c.style;
    const std::vector<dialog_request_> asked = take_dialog_requests_();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Save changes to {0}?");
    EXPECT_EQ(asked[0].style, c.style);
    EXPECT_EQ(asked[0].answered, c.answered);
  }
}

TEST_F(services_test, reply_of_another_kind_is_kept_for_its_own_dialog) {
  dialog_reply_ path;
  path.kind = dialog_kind_::open_file;
  path.text = "/tmp/drawing one.zaz";
  push_dialog_reply_(path);
  EXPECT_EQ(message_box_("?", "", box_yes_no_), answer_no_);
  EXPECT_EQ(pending_dialog_replies_(), 1u);
  EXPECT_EQ(open_file_path_(nullptr, "Arvex|*.zaz", "*.zaz"), "/tmp/drawing one.zaz");
}

TEST_F(services_test, common_dialogs_answer_from_the_script) {
  dialog_reply_ r;
  r.kind = dialog_kind_::save_file;
  r.text = "/tmp/out.dxf";
  r.filter_index = 2;
  push_dialog_reply_(r);
  r.filter_index = 9;  // beyond the filter: the first pair stands
  push_dialog_reply_(r);
  int32_t index = -1;
  EXPECT_EQ(save_file_path_(nullptr, "Arvex|*.zaz|DXF|*.dxf", "*.zaz", index), "/tmp/out.dxf");
  EXPECT_EQ(index, 2);
  save_file_path_(nullptr, "Arvex|*.zaz|DXF|*.dxf", "*.zaz", index);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(save_file_path_(nullptr, "Arvex|*.zaz", "*.zaz", index), "");
  EXPECT_EQ(index, 0);

  dialog_reply_ colour;
  colour.kind = dialog_kind_::colour;
  colour.colour = 0;  // black must stay apart from cancel
  push_dialog_reply_(colour);
  EXPECT_EQ(choose_colour_(nullptr), 0);
  EXPECT_EQ(choose_colour_(nullptr), -1);

  font_choice_ chosen{"Tahoma", false, false, false};
  EXPECT_FALSE(choose_font_(nullptr, "Tahoma", chosen));
  EXPECT_EQ(chosen.face, "Tahoma");
  dialog_reply_ font;
  font.kind = dialog_kind_::font;
  font.font = {"DejaVu Sans", true, true, false};
  push_dialog_reply_(font);
  EXPECT_TRUE(choose_font_(nullptr, "Tahoma", chosen));
  EXPECT_EQ(chosen.face, "DejaVu Sans");
  EXPECT_TRUE(chosen.bold && chosen.italic && !chosen.underline);

  dialog_reply_ input;
  input.kind = dialog_kind_::input_box;
  input.text = "block 2";
  push_dialog_reply_(input);
  bool cancelled = true;
  EXPECT_EQ(input_box_("New name", "", "block 1", nullptr, &cancelled), "block 2");
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(input_box_("New name", "", "block 1", nullptr, &cancelled), "");
  EXPECT_TRUE(cancelled);
}

TEST_F(services_test, context_menu_picks_only_choosable_items) {
  const std::vector<menu_item_> items = {{"Undo", false, false}, {"", true, true}, {"Copy"}, {"Paste"}};
  struct case_ { bool queued; int32_t pick; int32_t expect; };
  for (case_ c : {case_{true, 3, 3}, case_{true, 4, 4}, case_{true, 1, 0}, case_{true, 2, 0},
                  case_{true, 5, 0}, case_{true, -1, 0}, case_{false, 0, 0}}) {
    if (c.queued) {
      dialog_reply_ r;
      r.kind = dialog_kind_::context_menu;
      r.answer = c.pick;
      push_dialog_reply_(r);
    }
    EXPECT_EQ(context_menu_(nullptr, 10, 10, items), c.expect) << c.pick;
  }
  const std::vector<dialog_request_> asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 7u);
  EXPECT_EQ(asked[0].text, "Undo|-|Copy|Paste");
}

TEST_F(services_test, documents_are_recorded_not_launched_while_scripted) {
  take_opened_documents_();
  EXPECT_TRUE(open_document_("  /opt/arvex/help/help.pdf "));
  EXPECT_FALSE(open_document_("   "));
  EXPECT_EQ(take_opened_documents_(), std::vector<std::string>{"/opt/arvex/help/help.pdf"});
}

TEST_F(services_test, system_colours_accept_index_and_colour_code) {
  for (int64_t i : {5, 8, 15, 18}) EXPECT_EQ(system_colour_(i), system_colour_(0x80000000LL | i)) << i;
  EXPECT_NE(system_colour_(sys_colour_window_), system_colour_(sys_colour_window_text_));
  EXPECT_EQ(system_colour_(31), 0u);
  EXPECT_EQ(system_colour_(-1), 0u);
  const std::string sep = decimal_separator_();
  EXPECT_TRUE(sep == "." || sep == ",") << sep;
  EXPECT_GT(screen_width_px_(), 0);
}

// Pages in a PDF file, counted from its page objects.
int count_pdf_pages(const std::string& path) {
  const std::optional<std::string> bytes = read_file_bytes_(path);
  if (!bytes) return -1;
  int pages = 0;
  const std::string key = "/Type /Page";
  for (size_t at = bytes->find(key); at != std::string::npos; at = bytes->find(key, at + 1))
    pages += at + key.size() < bytes->size() && (*bytes)[at + key.size()] != 's';
  return pages;
}

TEST_F(services_test, printer_writes_each_page_to_a_pdf_file) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("arvex_printer_test_" + std::to_string(getpid()) + ".pdf")).string();
  std::remove(path.c_str());
  printer_ p;
  p.set_output_file_(path);
  ASSERT_TRUE(p.prints_to_file_());
  ASSERT_TRUE(p.set_paper_mm_(210, 297));
  p.set_landscape_(true);
  EXPECT_NEAR(p.paper_width_mm_(), 297, 0.5);
  EXPECT_GT(p.page_width_px_(), p.page_height_px_());
  EXPECT_FALSE(p.set_paper_mm_(0, 297));
  EXPECT_EQ(printer_painter_(p), nullptr);
  EXPECT_FALSE(p.new_page_());

  ASSERT_TRUE(p.begin_document_("plan"));
  EXPECT_EQ(p.page_number_(), 1);
  surface_ picture(40, 30);
  picture.fill_colour_(rgb_(200, 10, 10));
  for (int page = 0; page < 3; ++page) {
    // Antialiased drawing reaches the page through the printer's painter.
    graphics_ g(printer_painter_(p));
    EXPECT_TRUE(g.valid_());
    g.draw_line_(gp_pen_{0xFF000000u, 4.0f}, 0, 0, float(p.page_width_px_()), float(p.page_height_px_()));
    EXPECT_TRUE(p.draw_surface_(picture, 100, 100, 400, 300));
    if (page < 2) {
      ASSERT_TRUE(p.new_page_());
    }
  }
  EXPECT_FALSE(p.draw_surface_(surface_(), 0, 0, 10, 10));
  EXPECT_EQ(p.page_number_(), 3);
  ASSERT_TRUE(p.end_document_());
  EXPECT_EQ(printer_painter_(p), nullptr);
  EXPECT_EQ(read_file_bytes_(path).value_or("").substr(0, 4), "%PDF");
  EXPECT_EQ(count_pdf_pages(path), 3);

  // An aborted document leaves no file that could pass for a finished one.
  std::remove(path.c_str());
  ASSERT_TRUE(p.begin_document_("plan"));
  p.abort_document_();
  EXPECT_FALSE(file_exists_path_(path));
  EXPECT_FALSE(p.printing_());
}

}  // namespace
