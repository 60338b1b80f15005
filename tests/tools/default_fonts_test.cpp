// The default stroke fonts that the build makes beside the program.
#include <gtest/gtest.h>

#include <string>

#include "engine/fonts/font_file.h"
#include "engine/fonts/text_layout.h"
#include "platform/core/codepage.h"

namespace {

const char* const kFonts[] = {"technic_normal", "technic_italic"};

font_rec_ load(const char* name) {
  font_rec_ f;
  EXPECT_TRUE(load_stroke_font_(std::string(ARVEX_BINARY_DIR) + "/bin/fonts/" + name, f)) << name;
  return f;
}

size_t points_of(const glyph_rec_& g) {
  size_t n = 0;
  for (const auto& c : g.contours) n += c.points.size();
  return n;
}

// Lowest and highest y of a glyph's strokes.
std::pair<float, float> y_range(const glyph_rec_& g) {
  float lo = 1e9f, hi = -1e9f;
  for (const auto& c : g.contours)
    for (const auto& p : c.points) lo = std::min(lo, p.y), hi = std::max(hi, p.y);
  return {lo, hi};
}

}  // namespace

TEST(DefaultFonts, EveryPrintableCharacterHasStrokes) {
  for (const char* name : kFonts) {
    font_rec_ f = load(name);
    EXPECT_EQ(f.name, name);
    for (int code = 33; code < 256; ++code) {
      char32_t cp = cp1250_to_unicode_(uint8_t(code));
      if (code == 127 || cp == 0 || cp == 0xA0) continue;
      const glyph_rec_& g = f.glyphs[size_t(code)];
      EXPECT_GE(points_of(g), 2u) << name << " code " << code;
      EXPECT_EQ(g.fill_flag, 0) << name << " code " << code;  // single strokes
      EXPECT_GT(g.advance_x, 0) << name << " code " << code;
    }
    for (int code : {32, 160}) {
      EXPECT_TRUE(f.glyphs[size_t(code)].contours.empty());
      EXPECT_GT(f.glyphs[size_t(code)].advance_x, 0);
    }
  }
}

TEST(DefaultFonts, MarkedLettersAddTheirMarkAboveOrBelow) {
  struct letter {
    const char* utf8;
    char base;
    size_t marks;  // contours the mark adds
    bool below;
  };
  const letter cases[] = {
      {"Ą", 'A', 1, true},  {"ą", 'a', 1, true},  {"Ć", 'C', 1, false}, {"ć", 'c', 1, false},
      {"Ę", 'E', 1, true},  {"ę", 'e', 1, true},  {"Ń", 'N', 1, false}, {"ń", 'n', 1, false},
      {"Ó", 'O', 1, false}, {"ó", 'o', 1, false}, {"Ś", 'S', 1, false}, {"ś", 's', 1, false},
      {"Ź", 'Z', 1, false}, {"ź", 'z', 1, false}, {"Ż", 'Z', 1, false}, {"ż", 'z', 1, false},
      {"Č", 'C', 1, false}, {"ř", 'r', 1, false}, {"Ů", 'U', 1, false}, {"ä", 'a', 2, false},
      {"Ő", 'O', 2, false}, {"ş", 's', 1, true},  {"Ţ", 'T', 1, true},  {"Â", 'A', 1, false},
  };
  for (const char* name : kFonts) {
    font_rec_ f = load(name);
    for (const letter& c : cases) {
      SCOPED_TRACE(testing::Message() << name << ' ' << c.utf8);
      std::string byte = utf8_to_cp1250_(c.utf8);
      ASSERT_EQ(byte.size(), 1u);
      const glyph_rec_& base = f.glyphs[uint8_t(c.base)];
      const glyph_rec_& g = f.glyphs[uint8_t(byte[0])];
      ASSERT_EQ(g.contours.size(), base.contours.size() + c.marks);
      glyph_rec_ mark;
      mark.contours.assign(g.contours.end() - long(c.marks), g.contours.end());
      auto [base_lo, base_hi] = y_range(base);
      auto [mark_lo, mark_hi] = y_range(mark);
      if (c.below) EXPECT_LT(mark_lo, base_lo);
      else EXPECT_GT(mark_lo, base_hi);
    }
  }
}

TEST(DefaultFonts, DimensionSymbolsSitWhereTheTextsUseThem) {
  font_rec_ f = load("technic_normal");
  const float cap = f.glyphs['X'].box_height;
  // 176 degree sign high up, 177 plus-minus, 178 the diameter mark (a ring with a stroke).
  auto [deg_lo, deg_hi] = y_range(f.glyphs[176]);
  EXPECT_GT(deg_lo, cap / 2);
  EXPECT_EQ(f.glyphs[177].contours.size(), 3u);
  EXPECT_EQ(f.glyphs[178].contours.size(), 2u);
  auto [dia_lo, dia_hi] = y_range(f.glyphs[178]);
  EXPECT_GT(dia_hi - dia_lo, cap * 0.8f);
}

TEST(DefaultFonts, TextHeightIsTheHeightOfCapitals) {
  for (const char* name : kFonts) {
    font_rec_ f = load(name);
    EXPECT_GT(f.height, 0);
    EXPECT_EQ(f.height, f.glyphs['X'].box_height);
    // A text of height 2.5 has capitals 2.5 high, from the baseline up, whatever its angle.
    for (float h : {2.5f, 10.0f}) {
      text_box_ b = measure_text_box_(f, "HX", 100, 200, h, 1, 0);
      EXPECT_FLOAT_EQ(b.y1, 200);
      EXPECT_FLOAT_EQ(b.y2, 200 + h);
      text_box_ up = measure_text_box_(f, "HX", 100, 200, h, 1, float(M_PI / 2));
      EXPECT_NEAR(up.x2 - up.x1, h, 1e-4);
    }
    // Lines are 1.5 text heights apart.
    text_box_ two = measure_text_box_(f, "H\rH", 0, 0, 4, 1, 0);
    EXPECT_FLOAT_EQ(two.y1, -6);
  }
}
