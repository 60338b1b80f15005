#include "engine/fonts/font_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <limits>

#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"

namespace {

// Raw file image built field by field, independent of the writer.
struct font_image {
  byte_writer_ w;
  explicit font_image(float height) { w.put(height); }
  font_image& glyph(int32_t code, uint8_t fill, int16_t contours, float bw = 0, float bh = 0,
                    float ax = 0, float ay = 0) {
    w.put(code);
    w.put(fill);
    w.put(contours);
    w.put(bw);
    w.put(bh);
    w.put(ax);
    w.put(ay);
    return *this;
  }
  font_image& contour(std::initializer_list<float> xy) {
    w.put(int16_t(xy.size() / 2));
    for (float v : xy) w.put(v);
    return *this;
  }
  font_image& empties(int from, int to) {
    for (int c = from; c <= to; ++c) glyph(c, 0, 0);
    return *this;
  }
  std::string bytes() const { return w.data(); }
};

font_rec_ sample_font() {
  font_rec_ f;
  f.height = 21;
  f.glyphs[65].fill_flag = 0;
  f.glyphs[65].box_width = 16;
  f.glyphs[65].box_height = 21;
  f.glyphs[65].advance_x = 18;
  f.glyphs[65].advance_y = -2.5f;
  f.glyphs[65].contours = {{{{0, 0}, {8, 21}, {16, 0}}}, {{{3, 7}, {13, 7}}}};
  f.glyphs[255].fill_flag = 1;
  f.glyphs[255].contours = {{{{-1.5f, 2}}}};
  return f;
}

void expect_same_glyphs(const font_rec_& a, const font_rec_& b) {
  EXPECT_EQ(a.height, b.height);
  for (int c = 0; c < 256; ++c) {
    const glyph_rec_& x = a.glyphs[size_t(c)];
    const glyph_rec_& y = b.glyphs[size_t(c)];
    SCOPED_TRACE(c);
    EXPECT_EQ(x.fill_flag, y.fill_flag);
    EXPECT_EQ(x.box_width, y.box_width);
    EXPECT_EQ(x.box_height, y.box_height);
    EXPECT_EQ(x.advance_x, y.advance_x);
    EXPECT_EQ(x.advance_y, y.advance_y);
    ASSERT_EQ(x.contours.size(), y.contours.size());
    for (size_t i = 0; i < x.contours.size(); ++i) {
      ASSERT_EQ(x.contours[i].points.size(), y.contours[i].points.size());
      for (size_t j = 0; j < x.contours[i].points.size(); ++j) {
        EXPECT_EQ(x.contours[i].points[j].x, y.contours[i].points[j].x);
        EXPECT_EQ(x.contours[i].points[j].y, y.contours[i].points[j].y);
      }
    }
  }
}

}  // namespace

TEST(StrokeFontFile, EmptyFontHasItsExactSizeAndLoadsBack) {
  font_rec_ empty;
  empty.height = 10;
  std::string image = write_stroke_font_(empty);
  EXPECT_EQ(image.size(), 5892u);
  EXPECT_EQ(image, font_image(10).empties(0, 255).bytes());
  font_rec_ back;
  ASSERT_TRUE(read_stroke_font_(image, back));
  expect_same_glyphs(empty, back);
}

TEST(StrokeFontFile, WrittenFontReadsBackUnchanged) {
  font_rec_ f = sample_font();
  font_rec_ back;
  ASSERT_TRUE(read_stroke_font_(write_stroke_font_(f), back));
  expect_same_glyphs(f, back);
}

TEST(StrokeFontFile, RecordsArePlacedByTheirCode) {
  // All 256 records say 65: the last one wins and every other glyph stays empty.
  font_image img(5);
  for (int i = 0; i < 255; ++i) img.glyph(65, 0, 1, float(i)).contour({1, 2});
  img.glyph(65, 1, 2, 7, 8, 9, 10).contour({1, 2, 3, 4}).contour({5, 6});
  img.w.bytes("trailing bytes are ignored");
  font_rec_ f;
  ASSERT_TRUE(read_stroke_font_(img.bytes(), f));
  const glyph_rec_& g = f.glyphs[65];
  EXPECT_EQ(g.fill_flag, 1);
  EXPECT_EQ(g.box_width, 7);
  EXPECT_EQ(g.advance_y, 10);
  ASSERT_EQ(g.contours.size(), 2u);
  EXPECT_EQ(g.contours[0].points.size(), 2u);
  EXPECT_EQ(g.contours[1].points[0].y, 6);
  for (int c = 0; c < 256; ++c) {
    if (c == 65) continue;
    EXPECT_TRUE(f.glyphs[size_t(c)].contours.empty()) << c;
  }
}

TEST(StrokeFontFile, NegativeCountsMeanNone) {
  std::string img = font_image(1).glyph(0, 0, -3).glyph(1, 0, 1).contour({}).empties(2, 255).bytes();
  // A contour whose point count is negative has no points.
  std::string neg = font_image(1).glyph(0, 0, 1).bytes();
  byte_writer_ w;
  w.bytes(neg);
  w.put(int16_t(-7));
  w.bytes(font_image(0).empties(1, 255).bytes().substr(4));
  for (const std::string& bytes : {img, w.data()}) {
    font_rec_ f;
    ASSERT_TRUE(read_stroke_font_(bytes, f));
    for (const glyph_rec_& g : f.glyphs)
      for (const glyph_contour_rec_& c : g.contours) EXPECT_TRUE(c.points.empty());
  }
}

TEST(StrokeFontFile, InvalidCodesAreRefused) {
  for (int32_t bad : {256, -1, 1 << 30}) {
    std::string img = font_image(3).empties(0, 99).glyph(bad, 0, 0).empties(101, 255).bytes();
    font_rec_ f = sample_font();
    EXPECT_FALSE(read_stroke_font_(img, f)) << bad;
    expect_same_glyphs(f, sample_font());  // untouched
  }
}

TEST(StrokeFontFile, TruncationAtEveryOffsetFailsCleanly) {
  std::string image = write_stroke_font_(sample_font());
  for (size_t n = 0; n < image.size(); ++n) {
    font_rec_ f = sample_font();
    f.height = 99;
    EXPECT_FALSE(read_stroke_font_(std::string_view(image).substr(0, n), f)) << n;
    EXPECT_EQ(f.height, 99);
  }
}

TEST(StrokeFontFile, CraftedCountsBeyondTheDataFail) {
  // Huge counts with almost nothing behind them must not allocate or read past the end.
  std::string many_contours = font_image(1).glyph(0, 0, 32767).contour({1, 2}).bytes();
  std::string many_points = font_image(1).glyph(0, 0, 1).bytes();
  many_points += std::string("\xff\x7f", 2) + std::string(64, '\0');
  for (const std::string& img : {many_contours, many_points}) {
    font_rec_ f;
    EXPECT_FALSE(read_stroke_font_(img, f));
  }
}

TEST(StrokeFontFile, NonFiniteNumbersAreRefused) {
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  const std::string cases[] = {
      font_image(nan).empties(0, 255).bytes(),
      font_image(1).glyph(0, 0, 0, inf).empties(1, 255).bytes(),
      font_image(1).glyph(0, 0, 0, 0, 0, 0, nan).empties(1, 255).bytes(),
      font_image(1).glyph(0, 0, 1).contour({1, 2, nan, 4}).empties(1, 255).bytes(),
  };
  for (const std::string& img : cases) {
    font_rec_ f;
    EXPECT_FALSE(read_stroke_font_(img, f));
  }
}

TEST(StrokeFontFile, WriterRefusesCountsTheFormatCannotHold) {
  font_rec_ f;
  f.glyphs[7].contours.resize(32768);
  EXPECT_TRUE(write_stroke_font_(f).empty());
  font_rec_ g;
  g.glyphs[7].contours.resize(1);
  g.glyphs[7].contours[0].points.resize(32768);
  EXPECT_TRUE(write_stroke_font_(g).empty());
}

TEST(StrokeFontFile, SaveAndLoadThroughFiles) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("arvex_font_file_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string path = (dir / "technic_test").string();
  ASSERT_TRUE(save_stroke_font_(path, sample_font()));
  font_rec_ f;
  ASSERT_TRUE(load_stroke_font_(path, f));
  EXPECT_EQ(f.name, "technic_test");
  expect_same_glyphs(f, sample_font());
  // A font the format cannot hold leaves the old file in place.
  font_rec_ bad;
  bad.glyphs[1].contours.resize(40000);
  EXPECT_FALSE(save_stroke_font_(path, bad));
  ASSERT_TRUE(load_stroke_font_(path, f));
  EXPECT_EQ(f.glyphs[65].contours.size(), 2u);
  EXPECT_FALSE(load_stroke_font_((dir / "missing").string(), f));
  fs::remove_all(dir);
}

TEST(StrokeFontFile, TitleIsTheTextAfterTheLastSeparator) {
  const std::pair<const char*, const char*> cases[] = {
      {"fonts\\technic_normal", "technic_normal"},
      {"/opt/arvex/fonts/technic_italic", "technic_italic"},
      {"c:\\x/y\\font.dat", "font.dat"},
      {"plain", "plain"},
      {"dir/", ""},
  };
  for (auto [path, title] : cases) EXPECT_EQ(font_file_title_(path), title) << path;
}
