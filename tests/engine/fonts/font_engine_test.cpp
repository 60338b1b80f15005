// The engine's font table, font files, text measuring and painting, text and image adds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/fonts/font_file.h"
#include "engine/zaz_class.h"
#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/surface.h"

namespace fs = std::filesystem;

namespace {

const std::string kFontDir = std::string(ARVEX_BINARY_DIR) + "/bin/fonts/";

class FontEngine : public testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("arvex_fonts_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const char* name) const { return (dir / name).string(); }
  // A font file whose record 50 carries `code`.
  std::string file_with_code(const char* name, int32_t code) {
    byte_writer_ w;
    w.put(1.0f);
    for (int32_t i = 0; i < 256; ++i) {
      w.put(i == 50 ? code : i);
      w.put(uint8_t(0));
      w.put(int16_t(0));
      for (int k = 0; k < 4; ++k) w.put(0.0f);
    }
    save_file_atomic_(path(name), w.data());
    return path(name);
  }
  fs::path dir;
  zaz_class_ e;
};


TEST_F(FontEngine, TableGrowsAndKeepsTheActiveFont) {
  EXPECT_EQ(e.font_count_(), 0);
  EXPECT_EQ(e.font_id_(), 0);
  EXPECT_EQ(e.font_add_(kFontDir + "technic_normal"), 1);
  EXPECT_EQ(e.font_count_(), 1);
  EXPECT_EQ(e.font_id_(), 1);
  EXPECT_EQ(e.font_name_(1), "technic_normal");
  EXPECT_EQ(e.font_add_(file_with_code("plain.fnt", 50)), 2);
  EXPECT_EQ(e.font_name_(2), "plain.fnt");
  EXPECT_EQ(e.font_id_(), 2);
  // Failures leave count and active font alone.
  for (const std::string& bad : {file_with_code("high", 256), file_with_code("low", -1), path("missing")})
    EXPECT_EQ(e.font_add_(bad), 0) << bad;
  EXPECT_EQ(e.font_count_(), 2);
  EXPECT_EQ(e.font_id_(), 2);
  for (int32_t id : {0, 3, -1}) {
    e.font_id_(id);
    EXPECT_EQ(e.font_id_(), 2) << id;
    EXPECT_EQ(e.font_name_(id), "") << id;
  }
  e.font_id_(1);
  EXPECT_EQ(e.font_id_(), 1);
  e.font_clear_();
  EXPECT_EQ(e.font_count_(), 0);
  EXPECT_EQ(e.font_id_(), 0);
}

TEST_F(FontEngine, DefaultFontsLoadFromTheProgramsFolder) {
  EXPECT_EQ(e.font_load_defaults_(std::string(ARVEX_BINARY_DIR) + "/bin"), 2);
  EXPECT_EQ(e.font_name_(1), "technic_normal");
  EXPECT_EQ(e.font_name_(2), "technic_italic");
  EXPECT_EQ(e.font_id_(), 1);
  zaz_class_ nowhere;
  EXPECT_EQ(nowhere.font_load_defaults_(path("empty")), 0);
  EXPECT_EQ(nowhere.font_count_(), 0);
}

TEST_F(FontEngine, SavingAFontWritesItBackExactly) {
  ASSERT_EQ(e.font_add_(kFontDir + "technic_italic"), 1);
  EXPECT_FALSE(e.font_save_("   ", nullptr, 1));
  ASSERT_TRUE(e.font_save_(path("copy"), nullptr, 1));
  auto original = read_file_bytes_(kFontDir + "technic_italic");
  auto copy = read_file_bytes_(path("copy"));
  ASSERT_TRUE(original && copy);
  EXPECT_EQ(*copy, *original);
  // An unknown font id is refused before the file is touched.
  std::ofstream(path("keep")) << "old";
  EXPECT_FALSE(e.font_save_(path("keep"), nullptr, 2));
  EXPECT_EQ(*read_file_bytes_(path("keep")), "old");
}

TEST_F(FontEngine, SystemFontConvertsThroughTheDeviceContext) {
  if (!fs::exists("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")) GTEST_SKIP() << "no DejaVu";
  surface_ s(8, 8);
  dc_ dc(s);
  font_ f;
  f.face = "DejaVu Sans";
  f.height = -24;
  dc.select_font_(f);
  // Whatever the buffer held before is gone after a conversion.
  ASSERT_TRUE(e.font_gettc4_([&] {
    std::ofstream(path("g.txt")) << "#032\nL~1: 0,0,5,5\n#0\n";
    return path("g.txt");
  }()));
  ASSERT_TRUE(e.font_save_(path("dejavu sans"), &dc, 0));
  ASSERT_EQ(e.font_add_(path("dejavu sans")), 1);
  EXPECT_EQ(e.font_name_(1), "dejavu sans");
  const font_rec_& font = e.fonts.font_table[1];
  EXPECT_TRUE(font.glyphs[32].contours.empty());
  for (uint8_t code : {uint8_t('O'), uint8_t('X'), uint8_t(0xA3) /* Ł */}) {
    EXPECT_EQ(font.glyphs[code].fill_flag, 1) << int(code);
    EXPECT_FALSE(font.glyphs[code].contours.empty()) << int(code);
  }
  // Capitals are as high as the text, to within the whole tenths of a pixel the box is kept in.
  float x1, y1, x2, y2;
  e.measure_text_(1, "X", 0, 0, 5, 1, 0, x1, y1, x2, y2);
  EXPECT_NEAR(y2 - y1, 5, 5 * 2 / font.height);
  EXPECT_NEAR(font.height, 10 * 24 * 1493 / 2048.0, 2);
}

TEST_F(FontEngine, MeasuringUsesTheCodePageGlyphs) {
  ASSERT_EQ(e.font_add_(kFontDir + "technic_normal"), 1);
  float x1, y1, x2, y2;
  for (int32_t id : {0, 2}) {
    e.measure_text_(id, "Żółw", 3, 4, 10, 1, 0, x1, y1, x2, y2);
    EXPECT_EQ(x1, 3);
    EXPECT_EQ(y1, 4);
    EXPECT_EQ(x2, 3);
    EXPECT_EQ(y2, 4);
  }
  float zx1, zy1, zx2, zy2;
  e.measure_text_(1, "Z", 0, 0, 10, 1, 0, zx1, zy1, zx2, zy2);
  e.measure_text_(1, "Ż", 0, 0, 10, 1, 0, x1, y1, x2, y2);
  EXPECT_GT(y2, zy2);  // the dot above
  EXPECT_EQ(y1, zy1);
}

TEST_F(FontEngine, DiameterSignsDrawTheDiameterMark) {
  ASSERT_EQ(e.font_add_(kFontDir + "technic_normal"), 1);
  auto width = [&](const std::string& text) {
    float x1, y1, x2, y2;
    e.measure_text_(1, text, 0, 0, 10, 1, 0, x1, y1, x2, y2);
    return std::make_pair(x2 - x1, y2 - y1);
  };
  const auto mark = width("\xCB\x9B" "10");  // the code page's own character at that code
  EXPECT_EQ(width("\xE2\x8C\x80" "10"), mark);  // diameter sign
  EXPECT_EQ(width("\xC3\x98" "10"), mark);       // capital O with stroke, typed for it
  EXPECT_NE(width("?10"), mark);
}

TEST_F(FontEngine, PaintingStaysInsideTheMeasuredBox) {
  ASSERT_EQ(e.font_add_(kFontDir + "technic_normal"), 1);
  surface_ s(120, 100);
  s.fill_colour_(0xFFFFFF);
  dc_ dc(s);
  const view_transform_rec_ view{0, -90, 1, -1};  // pixel = (x, 90 - y)
  e.draw_text_glyphs_(dc, view, 2, "HI", 10, 10, 21, 1, 0);  // no such font
  e.draw_text_glyphs_(dc, view, 1, "", 10, 10, 21, 1, 0);
  int painted = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 120; ++x) painted += s.colour_(x, y) != 0xFFFFFF;
  EXPECT_EQ(painted, 0);
  e.draw_text_glyphs_(dc, view, 1, "HI", 10, 10, 21, 1, 0);
  float x1, y1, x2, y2;
  e.measure_text_(1, "HI", 10, 10, 21, 1, 0, x1, y1, x2, y2);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 120; ++x) {
      if (s.colour_(x, y) == 0xFFFFFF) continue;
      ++painted;
      EXPECT_GE(x, x1);
      EXPECT_LE(x, x2);
      EXPECT_GE(90 - y, y1);
      EXPECT_LE(90 - y, y2);
    }
  EXPECT_GE(painted, 3 * 21);  // three full-height strokes at least
}

TEST_F(FontEngine, AddTextStoresAndMeasures) {
  ASSERT_EQ(e.font_add_(kFontDir + "technic_normal"), 1);
  const int32_t before = e.records_();
  struct text_case {
    const char* text;
    int32_t font;
    const char* stored;
  };
  const text_case cases[] = {
      {"A\r\nB", 1, "A\rB"},
      {"A\rB", 1, "A\rB"},
      {"\r\n\r\n", 1, "\r\r"},
      {"Łódź", 0, "Łódź"},  // no such font: stored, boxed at the insertion point
  };
  for (const text_case& c : cases) {
    int32_t r = e.add_text_(c.text, c.font, 5, 6, 2.5f, 1.5f, 90, 0x0000FF, 0, 1, 1);
    ASSERT_GT(r, 0) << c.text;
    const object_rec_& o = e.object_(r);
    const text_rec_& t = e.store.live.texts[size_t(o.index)];
    EXPECT_EQ(t.text, c.stored);
    EXPECT_EQ(t.font, c.font);
    EXPECT_EQ(o.type, ot_text_);
    EXPECT_EQ(o.draw_color, 0x0000FF);
    EXPECT_EQ(o.fill_color, 0x0000FF);
    EXPECT_FLOAT_EQ(t.rotation, 3.1415927f / 2);
    EXPECT_EQ(t.width_factor, 1.5f);
    EXPECT_EQ(t.value1, 0);
    float x1, y1, x2, y2;
    e.measure_text_(c.font, c.stored, 5, 6, 2.5f, 1.5f, t.rotation, x1, y1, x2, y2);
    EXPECT_EQ(o.x1, x1);
    EXPECT_EQ(o.y1, y1);
    EXPECT_EQ(o.x2, x2);
    EXPECT_EQ(o.y2, y2);
  }
  const object_rec_& last = e.object_(e.records_());
  EXPECT_EQ(last.x1, 5);
  EXPECT_EQ(last.y2, 6);
  // A text turned a quarter left grows to the left of its insertion point.
  EXPECT_LT(e.object_(before + 1).x1, 5);
  EXPECT_EQ(e.add_text_("A", 1, 1e7f, 0, 1), 0);
  EXPECT_EQ(e.add_text_("A", 1, 0, -2e7f, 1), 0);
  EXPECT_EQ(e.records_(), before + 4);
}

TEST_F(FontEngine, AddImageNormalisesItsRectangle) {
  int32_t r = e.add_image_("  pictures/plan.png ", 10, 10, -4, 3, 2);
  ASSERT_GT(r, 0);
  const object_rec_& o = e.object_(r);
  const image_rec_& im = e.store.live.images[size_t(o.index)];
  EXPECT_EQ(im.path, "pictures/plan.png");
  EXPECT_EQ(std::make_pair(im.p0x, im.p0y), std::make_pair(6.0f, 13.0f));
  EXPECT_EQ(std::make_pair(im.p1x, im.p1y), std::make_pair(10.0f, 13.0f));
  EXPECT_EQ(std::make_pair(im.p2x, im.p2y), std::make_pair(6.0f, 10.0f));
  EXPECT_EQ(o.x1, 6);
  EXPECT_EQ(o.y1, 10);
  EXPECT_EQ(o.x2, 10);
  EXPECT_EQ(o.y2, 13);
  EXPECT_EQ(o.draw_color, 0);
  EXPECT_EQ(o.line_width, 1);
  EXPECT_EQ(o.layer, 2);
  int32_t down = e.add_image_("a", 0, 0, 2, -5);
  EXPECT_EQ(e.object_(down).y1, -5);
  EXPECT_EQ(e.object_(down).y2, 0);
  const int32_t count = e.records_();
  for (float bad : {1e7f, -1e7f}) {
    EXPECT_EQ(e.add_image_("a", bad, 0, 1, 1), 0);
    EXPECT_EQ(e.add_image_("a", 0, 0, 1, bad), 0);
  }
  EXPECT_EQ(e.add_image_("a", 0, 0, 1, 1, 256), 0);
  EXPECT_EQ(e.records_(), count);
}

}  // namespace
