#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "dialogs/print/printer_choice.h"
#include "dialogs/print/printing.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"
#include "platform/services/dialogs.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "shell/language.h"
#include "shell/main_link.h"
#include "tests/support/missing_texts.h"
#include "ui/controls/button/button.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/textbox/textbox.h"

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace fs = std::filesystem;

namespace {

void click(xcbutton_& b) {
  window_* w = b.win_();
  ASSERT_NE(w, nullptr);
  inject_mouse_at_(*w, mouse_type_::down, 4, 4, 1);
  inject_mouse_at_(*w, mouse_type_::up, 4, 4, 1);
  do_events_();
}

// Types a text into a field the way a user does: the focus on it (its whole text selected on
// entry), then the keys.
void type_into(window_& dialog, xctextbox_& box, const std::string& text) {
  window_* w = box.win_();
  for (int i = 0; i < 50 && focused_window_() != w; ++i) {
    dialog.activate_();
    w->set_focus_();
    do_events_();
  }
  ASSERT_EQ(focused_window_(), w);
  box.SelectAll();
  for (char c : text) {
    const int32_t code = c == '.' ? 190 : std::toupper(uint8_t(c));
    inject_key_(key_type_::down, code, 0);
    inject_key_(key_type_::up, code, 0);
  }
  do_events_();
}

// Page objects in the file ("/Type /Page", not the "/Type /Pages" tree).
int pdf_pages(const std::string& pdf) {
  const std::string bytes = read_file_bytes_(pdf).value_or("");
  int n = 0;
  for (size_t p = 0; (p = bytes.find("/Type /Page", p)) != std::string::npos; p += 11)
    n += bytes.compare(p, 12, "/Type /Pages") != 0;
  return n;
}

// A main window stand-in whose enabled state the print dialog toggles.
struct print_main_ : main_link_ {
  print_main_() {
    window_options_ o;
    win = create_window_(o);
  }
  window_* main_window_() override { return win.get(); }
  int32_t gui_type_val_() override { return 0; }
  void view_attach_(zaz_class_&) override {}
  void ref_(flag16_, flag16_) override {}
  void ribbon_refresh_() override {}
  void ref_lists_() override {}
  void show_progress_(int32_t) override {}
  void show_() override {}
  void destroy_() override {}
  void dock_state_save_(const std::string&) override {}
  void dock_state_disable_() override {}
  void dock_close_menus_() override {}
  void close_popups_() override {}
  void quick_button_(int32_t) override {}
  void show_bars_(bool) override {}
  void apply_skin_() override {}
  std::unique_ptr<window_> win;
};

class print_test : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application_();
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
    load_language_(program_folder_() + "program_en.lang");
    folder = fs::temp_directory_path() / ("arvex_printdlg_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    engine.file_new_(true_, "");
    set_main_link_maker_([] { return std::make_unique<print_main_>(); });
    main_link_in_use_();
  }
  void TearDown() override {
    set_main_link_maker_(nullptr);
    current_printer_().set_output_file_("");
    current_printer_name_().clear();
    current_printer_settings_() = {};
    fs::remove_all(folder);
  }
  fs::path folder;
  zaz_class_ engine;
  missing_texts_recorder texts;
};

TEST_F(print_test, all_pages_to_pdf_then_windows_enabled) {
  engine.page_add_("second", 210, 297);
  ASSERT_EQ(engine.pages_count_(), 2);
  const std::string pdf = (folder / "all.pdf").string();
  current_printer_().set_output_file_(pdf);
  std::vector<std::string> errors;
  engine.file.error_box = [&](const std::string& t) { errors.push_back(t); };
  ex_printing_ d(engine);
  d.dialog().win().show_();
  do_events_();
  click(d.print_all());
  EXPECT_TRUE(d.disabled_while_printing);
  for (const auto& q : take_dialog_requests_()) ADD_FAILURE() << q.text;
  EXPECT_TRUE(errors.empty()) << errors.front();
  EXPECT_TRUE(fs::exists(pdf));
  EXPECT_EQ(pdf_pages(pdf), 2);
  EXPECT_TRUE(d.dialog().win().enabled_());
  EXPECT_TRUE(main_link_if_made_()->main_window_()->enabled_());
  EXPECT_TRUE(d.dialog().win().visible_());
  fs::remove(pdf);
  d.print_(false);  // the active page alone
  EXPECT_EQ(pdf_pages(pdf), 1);
}

TEST(print_widths, normalise) {
  struct row {
    const char* in;
    const char* out;
    bool number;
  };
  for (const row& r : {row{"3.25mm", "3.25", true}, row{"15", "15.00", true}, row{" 2.5 mm", "2.50", true},
                       row{"abc", "0.00", false}, row{"", "0.00", false}, row{"0", "0.00", true},
                       row{".5", "0.50", true}}) {
    bool has = false;
    EXPECT_EQ(normalise_width_(r.in, &has), r.out) << r.in;
    EXPECT_EQ(has, r.number) << r.in;
  }
}

TEST_F(print_test, widths_normalised_on_leaving_stored_at_close_only) {
  const float stored1 = engine.line_width_(1), stored2 = engine.line_width_(2), stored3 = engine.line_width_(3);
  {
    ex_printset_ d(engine);
    d.dialog().win().show_();
    do_events_();
    type_into(d.dialog().win(), d.field(1), "3.25mm");
    type_into(d.dialog().win(), d.field(2), "15");  // leaving field 1 normalises it
    EXPECT_EQ(d.field(1).text(), "3.25");
    type_into(d.dialog().win(), d.field(3), "abc");
    type_into(d.dialog().win(), d.field(4), "0");
    EXPECT_EQ(d.field(2).text(), "15.00");
    // No number: a message, and the stored width shows again.
    const auto asked = take_dialog_requests_();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].style, box_ok_ + box_icon_warning_);
    EXPECT_EQ(d.field(3).text(), normalise_width_(std::to_string(stored3)));
    // The frame's close box writes nothing.
    d.dialog().win().close_();
    EXPECT_FALSE(d.dialog().win().visible_());
    EXPECT_FLOAT_EQ(engine.line_width_(1), stored1);
    EXPECT_FLOAT_EQ(engine.line_width_(2), stored2);
  }
  ex_printset_ d(engine);
  d.dialog().win().show_();
  do_events_();
  type_into(d.dialog().win(), d.field(1), "3.25mm");
  type_into(d.dialog().win(), d.field(2), "15");
  type_into(d.dialog().win(), d.field(4), "0");
  click(d.close_button());
  EXPECT_FLOAT_EQ(engine.line_width_(1), 3.25f);
  EXPECT_FLOAT_EQ(engine.line_width_(2), 9.99f);
  EXPECT_FLOAT_EQ(engine.line_width_(3), stored3);
  EXPECT_FLOAT_EQ(engine.line_width_(4), 0.01f);
  EXPECT_FALSE(d.dialog().win().visible_());
}

TEST_F(print_test, printer_choice_pdf_with_two_copies_and_cancel) {
  const std::string pdf = (folder / "chosen.pdf").string();
  {
    ex_printer_ d;
    d.dialog().win().show_();
    do_events_();
    EXPECT_EQ(d.printers().List(d.printers().ListCount() - 1), pdf_output_name_);
    d.printers().ListIndex(d.printers().ListCount() - 1);
    d.orientation().ListIndex(1);
    type_into(d.dialog().win(), d.copies(), "0");
    click(d.ok_button());  // refused: copies out of range, the dialog stays
    EXPECT_EQ(take_dialog_requests_().size(), 1u);
    EXPECT_TRUE(d.dialog().win().visible_());
    type_into(d.dialog().win(), d.copies(), "2");
    dialog_reply_ r;
    r.kind = dialog_kind_::save_file;
    r.text = pdf;
    push_dialog_reply_(r);
    click(d.ok_button());
    EXPECT_TRUE(d.confirmed());
    EXPECT_FALSE(d.dialog().win().visible_());
  }
  EXPECT_EQ(current_printer_().output_file_(), pdf);
  EXPECT_TRUE(current_printer_().landscape_());
  EXPECT_EQ(current_printer_settings_().copies, 2);
  EXPECT_EQ(current_printer_name_(), pdf_output_name_);

  ex_printer_ d;
  d.dialog().win().show_();
  do_events_();
  d.orientation().ListIndex(0);
  type_into(d.dialog().win(), d.copies(), "5");
  click(d.cancel_button());
  EXPECT_FALSE(d.confirmed());
  EXPECT_TRUE(current_printer_().landscape_());
  EXPECT_EQ(current_printer_settings_().copies, 2);
}

TEST(printer_choice, name_match_ignores_case_and_unknown_keeps_current) {
  ensure_application_();
  printer_settings_rec_ s;
  s.copies = 3;
  s.paper_size = 77;  // refused: the old paper stays
  current_printer_name_() = "Old";
  EXPECT_FALSE(apply_printer_choice_("NOWHERE", s, {"Old"}));
  EXPECT_EQ(current_printer_name_(), "Old");
  EXPECT_EQ(current_printer_settings_().copies, 3);
  EXPECT_EQ(current_printer_settings_().paper_size, 9);
  EXPECT_TRUE(apply_printer_choice_("pdf", s, {"Old"}, "/tmp/x.pdf"));
  EXPECT_EQ(current_printer_name_(), pdf_output_name_);
  current_printer_name_().clear();
  current_printer_settings_() = {};
  current_printer_().set_output_file_("");
}

}  // namespace
