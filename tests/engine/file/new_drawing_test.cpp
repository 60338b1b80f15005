#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "drawing_fixture.h"
#include "platform/core/file_io.h"

namespace {

namespace fs = std::filesystem;

std::string temp_path(const std::string& name) {
  return (fs::temp_directory_path() / ("arvex-new-" + std::to_string(::getpid()) + "-" + name)).string();
}

TEST(NewDrawing, DefaultsReplaceWhateverWasThere) {
  zaz_class_ e;
  std::mt19937 rng(3);
  fixture::build_rich_drawing(e, rng);
  for (int i = 0; i < 3; ++i) e.page_add_("x", 1, 1);
  e.widths.widths[3] = 0.7f;
  e.widths.widths[20] = 3.3f;
  e.state_begin_();
  e.state_save_("step");

  e.file_new_(true_, "");
  EXPECT_EQ(e.pages_count_(), 1);
  EXPECT_EQ(e.page_title_(1), link_lang_text_("common.page.new"));
  EXPECT_FLOAT_EQ(e.page_width_(1), 297);
  EXPECT_FLOAT_EQ(e.page_height_(1), 210);
  EXPECT_EQ(e.layers_count_(), 1);
  EXPECT_EQ(e.layer_title_(1), link_lang_text_("common.layer.new"));
  EXPECT_EQ(e.dimstyles_count_(), 1);
  EXPECT_EQ(e.styles.styles[0].name, "<>");
  EXPECT_EQ(e.styles.active, 1);
  EXPECT_EQ(e.page_active_(), 1);
  EXPECT_FLOAT_EQ(e.view_posx_(), 148.5f);
  EXPECT_FLOAT_EQ(e.view_posy_(), 105.0f);
  EXPECT_FLOAT_EQ(e.view_zoom_(), 1.5f);
  EXPECT_EQ(link_backcolor_(e), 0);
  EXPECT_EQ(e.records_(), 0);
  EXPECT_EQ(link_library_(e).block_count(), 0);
  EXPECT_EQ(link_library_(e).dir_count(), 0);
  EXPECT_EQ(e.states_count_(), 0);
  EXPECT_EQ(e.state_active_(), 0);
  EXPECT_EQ(e.file_change_(), false_);
  EXPECT_EQ(e.file_name_(), "");
  EXPECT_EQ(e.docinfo.title, "");
  EXPECT_FLOAT_EQ(e.widths.widths[3], 0.5f);
  EXPECT_FLOAT_EQ(e.widths.widths[20], 3.3f);
  // The two default fonts come from the files the build puts beside the program (and its tests).
  ASSERT_TRUE(file_exists_path_(program_folder_() + "fonts/technic_normal"));
  ASSERT_TRUE(file_exists_path_(program_folder_() + "fonts/technic_italic"));
  EXPECT_EQ(link_font_count_(e), 2);
  EXPECT_EQ(link_font_active_(e), 1);
}

TEST(NewDrawing, EmptyDrawingHasOnlyTheTemplateStyle) {
  zaz_class_ e;
  e.file_new_(true_, "");
  e.file_new_(false_, "");
  EXPECT_EQ(e.pages_count_(), 0);
  EXPECT_EQ(e.page_active_(), 0);
  EXPECT_EQ(link_font_count_(e), 0);
  EXPECT_EQ(link_font_active_(e), 0);
  EXPECT_EQ(e.dimstyles_count_(), 0);
  EXPECT_EQ(e.styles.styles[0].name, "<>");
}

// The current hatch pattern and the tracking lines on screen belong to the drawing being
// edited: a new drawing, one from a template or one opened from a file starts without them.
TEST(NewDrawing, CurrentPatternAndTrackingLinesStartCleared) {
  std::string saved = temp_path("hatch.zaz");
  {
    zaz_class_ t;
    t.file_new_(true_, "");
    t.hatch_active_(7);
    ASSERT_TRUE(is_set_(t.file_save_(saved, 1, false_)));
  }
  struct Case {
    const char* name;
    std::function<void(zaz_class_&)> start;
  } cases[] = {
      {"new default", [](zaz_class_& e) { e.file_new_(true_, ""); }},
      {"new empty", [](zaz_class_& e) { e.file_new_(false_, ""); }},
      {"new from template", [&](zaz_class_& e) { e.file_new_(true_, saved); }},
      {"opened", [&](zaz_class_& e) { ASSERT_TRUE(is_set_(e.file_open_(saved))); }},
  };
  for (const auto& c : cases) {
    zaz_class_ e;
    e.file_new_(true_, "");
    e.hatch_active_(12);
    e.pick.vline_shown = e.pick.hline_shown = true_;
    e.pick.vline_x = 40;
    e.pick.hline_y = 30;
    c.start(e);
    EXPECT_EQ(e.hatch_active_(), 0) << c.name;
    EXPECT_EQ(e.pick.vline_shown, false_) << c.name;
    EXPECT_EQ(e.pick.hline_shown, false_) << c.name;
    EXPECT_EQ(e.pick.vline_x, -99) << c.name;
    EXPECT_EQ(e.pick.hline_y, -99) << c.name;
  }
  remove_file_(saved);
}

TEST(NewDrawing, TemplateGivesContentButNoIdentity) {
  std::string tpl = temp_path("tpl.zaz");
  {
    zaz_class_ t;
    t.file_new_(true_, "");
    t.page_add_("second", 420, 297);
    t.add_line_(0, 0, 10, 10);
    t.docinfo.title = "T";
    t.docinfo.author = "A";
    t.docinfo.password_stored = "7a";
    ASSERT_TRUE(is_set_(t.file_save_(tpl, 1, false_)));
  }
  zaz_class_ e;
  e.file_new_(true_, tpl);
  EXPECT_EQ(e.pages_count_(), 2);
  EXPECT_EQ(e.page_title_(2), "second");
  EXPECT_EQ(e.records_(), 1);
  EXPECT_EQ(e.docinfo.title, "");
  EXPECT_EQ(e.docinfo.author, "");
  EXPECT_EQ(e.docinfo.password_stored, "");
  EXPECT_EQ(e.file_name_(), "");
  EXPECT_EQ(e.file_change_(), false_);
  remove_file_(tpl);
}

TEST(NewDrawing, UnreadableTemplateFallsBackToTheDefaultDrawing) {
  std::string tpl = temp_path("bad.zaz");
  ASSERT_TRUE(save_file_atomic_(tpl, "ArvV2\x01"));
  for (flag16_ a : {true_, false_}) {
    zaz_class_ e;
    e.file_new_(a, tpl);
    EXPECT_EQ(e.pages_count_(), 1);
    EXPECT_EQ(e.layers_count_(), 1);
    EXPECT_EQ(e.dimstyles_count_(), 1);
    EXPECT_EQ(e.file_name_(), "");
  }
  remove_file_(tpl);
}

TEST(EngineHelpers, TitlesBlendsAndTemporaryFiles) {
  struct {
    std::string path, title;
  } titles[] = {{"c:\\a\\b.zaz", "b.zaz"}, {"b.zaz", "b.zaz"}, {"c:\\a\\", ""}, {"/home/u/p.zaz", "p.zaz"}};
  for (const auto& t : titles) EXPECT_EQ(zaz_class_::file_title_(t.path), t.title);

  struct {
    int32_t a, b;
    float t;
    int32_t out;
  } blends[] = {{0xFFFFFF, 0, 0.5f, 0x808080}, {0xFFFFFF, 0, 2.0f, 0}, {0x102030, 0x405060, 0, 0x102030},
                {0x102030, 0x405060, 1, 0x405060}, {0x0000FF, 0xFF0000, std::nanf(""), 0x0000FF}};
  for (const auto& b : blends) EXPECT_EQ(zaz_class_::engine_blend_color_(b.a, b.b, b.t), b.out);

  std::string kept;
  {
    zaz_class_ e;
    std::string a = e.engine_temp_file_(), b = e.engine_temp_file_();
    EXPECT_NE(a, b);
    EXPECT_EQ(a.rfind(e.engine_temp_folder_(), 0), 0u);
    EXPECT_TRUE(file_exists_path_(a));
    kept = b;
  }
  EXPECT_FALSE(file_exists_path_(kept));  // the engine's end deletes its files
}

TEST(EngineHelpers, FileKindOfFilesOnDisk) {
  zaz_class_ e;
  std::string p = temp_path("k.dxf");
  ASSERT_TRUE(save_file_atomic_(p, "  0\nsection\n"));
  EXPECT_EQ(e.file_type_(p), 2);
  EXPECT_EQ(e.file.last_magic, "  0\ns");
  ASSERT_TRUE(save_file_atomic_(p, ""));
  EXPECT_EQ(e.file_type_(p), 0);
  EXPECT_EQ(e.file_type_(p + ".missing"), 0);
  std::string out = temp_path("k.out");
  ASSERT_TRUE(save_file_atomic_(p, "a\nb\r"));
  EXPECT_EQ(e.normalize_line_ends_(p, out, -1, -1), true_);
  EXPECT_EQ(read_file_bytes_(out).value_or(""), "a\r\nb\r\n");
  EXPECT_EQ(e.normalize_line_ends_(p + ".missing", out, -1, -1), false_);
  remove_file_(p);
  remove_file_(out);
}

}  // namespace
