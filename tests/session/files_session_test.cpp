// Files as a user handles them through the main window's words and scripted file dialogs: a
// drawing saved, replaced by a new one and opened again; a DXF sample opened, exported and
// printed to PDF; and the caption after each step.
#include <filesystem>

#include "dialogs/print/printer_choice.h"
#include "session_steps.h"

namespace {
class files_session : public session_steps {
 protected:
  // A drawing of several kinds of object, each its own undo step.
  void draw_some() {
    zaz_class_& e = engine();
    e.state_begin_();
    e.add_line_(0, 0, 40, 10, 0x0000FF, 2, 3);
    e.add_circle_(20, 20, 7.5f);
    e.add_rect_(-5, -5, 15, 8, 0x00C800);
    e.add_point_(3, 4);
    e.state_save_("some");
  }
  std::string caption() { return mdi->form().title_(); }
  static std::string titled(const std::string& name) { return std::string(program_title_) + " - [" + name + "]"; }
};

TEST_F(files_session, a_saved_drawing_opens_again_with_the_same_records_in_both_interfaces) {
  for (const char* type : {"1", "0"}) {
    SCOPED_TRACE(type);
    start(type);
    EXPECT_EQ(caption(), program_title_);
    draw_some();
    const std::vector<std::string> drawn = records();
    ASSERT_EQ(drawn.size(), 4u);
    const std::string path = dir + "plan" + type + ".zaz";
    answer_file(dialog_kind_::save_file, path, 1);
    mdi->gocmd_("saveas");
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(caption(), titled("plan" + std::string(type) + ".zaz"));
    EXPECT_FALSE(is_set_(engine().file_change_()));

    mdi->gocmd_("new");  // saved: no question
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(records().empty());
    EXPECT_EQ(caption(), program_title_);

    answer_file(dialog_kind_::open_file, path);
    mdi->gocmd_("open");
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(records(), drawn);
    EXPECT_EQ(caption(), titled("plan" + std::string(type) + ".zaz"));
    EXPECT_EQ(engine().file_name_(), path);
    quit();
  }
}

TEST_F(files_session, a_dxf_sample_opens_exports_and_prints_page_one_to_pdf) {
  const std::string sample = dxf_samples_dir() + "ezdxf__ASCII_R12.dxf";
  if (!std::filesystem::exists(sample)) GTEST_SKIP() << "no DXF samples at " << dxf_samples_dir();
  start("1");
  answer_file(dialog_kind_::open_file, sample);
  mdi->gocmd_("open");
  EXPECT_TRUE(messages().empty());
  const std::vector<std::string> imported = records();
  ASSERT_FALSE(imported.empty());
  EXPECT_EQ(caption(), titled("ezdxf__ASCII_R12.dxf"));

  // Exported as DXF: the caption and changed flag stay; the export reads back to as many objects.
  const std::string out = dir + "export.dxf";
  answer_file(dialog_kind_::save_file, out, 2);
  mdi->gocmd_("saveas");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(caption(), titled("ezdxf__ASCII_R12.dxf"));
  ASSERT_TRUE(std::filesystem::exists(out));
  {
    zaz_class_ again;
    ASSERT_EQ(again.file_open_(out), true_);
    int32_t live = 0;
    for (int32_t r = 1; r <= again.store.counts[0]; ++r) live += again.object_(r).deleted != true_;
    EXPECT_EQ(size_t(live), imported.size());
  }

  // Page 1 printed on the PDF output the print dialog offers.
  const std::string pdf = dir + "page1.pdf";
  printer_settings_rec_ s;
  ASSERT_TRUE(apply_printer_choice_(pdf_output_name_, s, printer_names_(), pdf));
  engine().page_active_(1);
  mdi->gocmd_("print");
  EXPECT_TRUE(mdi->form().enabled_());
  const std::string bytes = read_bytes(pdf);
  ASSERT_GT(bytes.size(), 100u);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_EQ(records(), imported);  // printing changes nothing
}

}  // namespace
