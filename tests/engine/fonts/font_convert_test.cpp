#include "engine/fonts/font_convert.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "engine/fonts/system_font.h"
#include "platform/core/binary_io.h"
#include "platform/core/codepage.h"

namespace {

// Native outline records written by hand.
struct native_glyph {
  byte_writer_ body;
  std::vector<std::string> polygons;
  static void fixed(byte_writer_& w, double v) { w.put(int32_t(std::lround(v * 65536))); }
  native_glyph& polygon(double x, double y) {
    flush();
    start_x = x, start_y = y;
    return *this;
  }
  native_glyph& curve(uint16_t type, std::initializer_list<std::pair<double, double>> pts) {
    body.put(type);
    body.put(uint16_t(pts.size()));
    for (auto [x, y] : pts) fixed(body, x), fixed(body, y);
    return *this;
  }
  void flush() {
    if (start_x != start_x) return;  // NaN: no polygon open
    byte_writer_ w;
    w.put(uint32_t(16 + body.size()));
    w.put(outline_polygon_type_);
    fixed(w, start_x), fixed(w, start_y);
    w.bytes(body.data());
    polygons.push_back(w.take());
    body = byte_writer_{};
  }
  std::string bytes() {
    flush();
    start_x = NAN;
    std::string all;
    for (auto& p : polygons) all += p;
    return all;
  }
  double start_x = NAN, start_y = NAN;
};

struct fake_source : glyph_outline_source_ {
  std::map<int, std::string> outlines;  // code -> bytes; absent: failure
  std::map<int, outline_metrics_rec_> metrics;
  int64_t glyph_outline(uint8_t code, outline_metrics_rec_& m, uint8_t* buffer, uint32_t size) override {
    auto it = outlines.find(code);
    if (it == outlines.end()) return -1;
    m = metrics[code];
    if (buffer && size >= it->second.size()) std::memcpy(buffer, it->second.data(), it->second.size());
    return int64_t(it->second.size());
  }
};

using pts = std::vector<std::pair<float, float>>;
pts points_of(const glyph_contour_rec_& c) {
  pts out;
  for (auto p : c.points) out.push_back({p.x, p.y});
  return out;
}

}  // namespace

TEST(FontConvert, FixedPointNumbers) {
  const std::tuple<uint16_t, int16_t, double> cases[] = {
      {0, 0, 0}, {0x8000, 0, 0.5}, {0x8000, -1, -0.5}, {0x4000, 3, 3.25}, {0xFFFF, 32767, 32767 + 65535 / 65536.0},
  };
  for (auto [f, w, v] : cases) EXPECT_EQ(fixed_to_double_(f, w), v);
}

TEST(FontConvert, SplineRecordsAreFlattenedAndDuplicatesDropped) {
  fake_source src;
  // A square-ish outline: a line, then a two-point spline (control, end); a second polygon
  // that starts where the first ended loses its start point.
  src.outlines['O'] = native_glyph()
                          .polygon(0, 0)
                          .curve(outline_prim_line_, {{10, 0}})
                          .curve(outline_prim_qspline_, {{10, 10}, {0, 10}})
                          .polygon(0, 10)
                          .curve(outline_prim_line_, {{0, 20}, {5, 20}})
                          .curve(outline_prim_qspline_, {{8, 20}, {8, 24}, {4, 24}})
                          .bytes();
  src.metrics['O'] = {11, 24, 0, 24, 12, 0};
  outline_state_ st;
  font_rec_ buf;
  ASSERT_TRUE(read_glyph_outline_(st, src, 'O', buf));
  const glyph_rec_& g = buf.glyphs['O'];
  EXPECT_EQ(g.fill_flag, 1);
  EXPECT_EQ(g.box_width, 11);
  EXPECT_EQ(g.box_height, 24);
  EXPECT_EQ(g.advance_x, 12);
  ASSERT_EQ(g.contours.size(), 2u);
  EXPECT_EQ(points_of(g.contours[0]), (pts{{0, 0}, {10, 0}, {7.5f, 7.5f}, {0, 10}}));
  // Three spline points: two segments, the first ending halfway between the controls (8, 22).
  // Segment 1: (5,20) ctl (8,20) to (8,22): mid (7.25, 20.5). Segment 2: ctl (8,24) to (4,24):
  // mid (7, 23.5).
  EXPECT_EQ(points_of(g.contours[1]), (pts{{0, 20}, {5, 20}, {7.25f, 20.5f}, {8, 22}, {7, 23.5f}, {4, 24}}));
  EXPECT_EQ(buf.height, 0);  // only glyph 88 sets the font height
}

TEST(FontConvert, GlyphXSetsHeightAndCapTop) {
  fake_source src;
  src.outlines[88] = native_glyph().polygon(0, 0).curve(outline_prim_line_, {{5, 7}}).bytes();
  src.metrics[88] = {5, 70, 1, 69, 6, 0};
  outline_state_ st;
  font_rec_ buf;
  convert_outline_font_(st, src, buf);
  EXPECT_EQ(buf.height, 70);
  EXPECT_EQ(buf.cap_top, 69);
}

TEST(FontConvert, FailingGlyphsKeepWhatTheyHeld) {
  fake_source src;
  src.outlines['a'] = native_glyph().polygon(0, 0).curve(outline_prim_cspline_, {{1, 1}, {2, 2}, {3, 0}}).bytes();
  src.outlines['b'] = "";  // no outline, like a space
  std::string cut = native_glyph().polygon(0, 0).curve(outline_prim_line_, {{1, 1}, {2, 2}}).bytes();
  src.outlines['c'] = cut.substr(0, cut.size() - 3);  // byte count beyond the data
  std::string lying = cut;
  lying[0] = char(200);  // polygon claims more bytes than there are
  src.outlines['d'] = lying;
  for (int code : {'a', 'b', 'c', 'd', 'e'}) {
    outline_state_ st;
    font_rec_ buf;
    buf.glyphs[size_t(code)].contours = {{{{9, 9}}}};
    buf.glyphs[size_t(code)].advance_x = 4;
    EXPECT_FALSE(read_glyph_outline_(st, src, uint8_t(code), buf)) << char(code);
    EXPECT_EQ(buf.glyphs[size_t(code)].contours.size(), 1u);
    EXPECT_EQ(buf.glyphs[size_t(code)].advance_x, 4);
  }
}

TEST(FontConvert, EachFillStartsFromAnEmptyBuffer) {
  fake_source src;
  src.outlines['L'] = native_glyph().polygon(0, 0).curve(outline_prim_line_, {{0, 9}, {4, 0}}).bytes();
  font_rec_ buf;
  buf.height = 5;
  buf.glyphs[' '].contours = {{{{1, 1}, {2, 2}}}};
  buf.glyphs['q'].contours = {{{{1, 1}, {2, 2}}}};
  outline_state_ st;
  convert_outline_font_(st, src, buf);
  EXPECT_TRUE(buf.glyphs[' '].contours.empty());
  EXPECT_TRUE(buf.glyphs['q'].contours.empty());
  EXPECT_EQ(buf.glyphs['L'].contours.size(), 1u);
  EXPECT_EQ(buf.height, 0);
}

namespace {

// The outline FreeType itself gives, from its raw points and tags: on-curve points as they
// are, two control points in a row imply the on-curve point halfway, and each conic segment
// adds its midpoint sample and its end.
std::vector<pts> freetype_contours(const std::string& file, int pixel_height, char32_t cp) {
  FT_Library lib;
  FT_Face face;
  std::vector<pts> out;
  if (FT_Init_FreeType(&lib) != 0) return out;
  if (FT_New_Face(lib, file.c_str(), 0, &face) == 0) {
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixel_height * 10));
    if (FT_Load_Char(face, cp, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0) {
      const FT_Outline& ol = face->glyph->outline;
      int first = 0;
      for (int c = 0; c < ol.n_contours; ++c) {
        struct p2 {
          double x, y;
          bool on;
        };
        std::vector<p2> raw;
        for (int i = first; i <= ol.contours[c]; ++i)
          raw.push_back({ol.points[i].x / 64.0, ol.points[i].y / 64.0, (ol.tags[i] & 3) == 1});
        first = ol.contours[c] + 1;
        // Rotate to an on-curve start and close the loop.
        size_t s0 = 0;
        while (s0 < raw.size() && !raw[s0].on) ++s0;
        std::vector<p2> loop(raw.begin() + long(s0), raw.end());
        loop.insert(loop.end(), raw.begin(), raw.begin() + long(s0));
        loop.push_back(loop.front());
        pts contour;
        auto add = [&](double x, double y) {
          std::pair<float, float> q{float(x), float(y)};
          if (contour.empty() || contour.back() != q) contour.push_back(q);
        };
        add(loop[0].x, loop[0].y);
        p2 from = loop[0];
        for (size_t i = 1; i < loop.size(); ++i) {
          if (loop[i].on) {
            add(loop[i].x, loop[i].y);
            from = loop[i];
            continue;
          }
          p2 ctl = loop[i];
          p2 to = loop[i + 1].on ? loop[i + 1] : p2{(ctl.x + loop[i + 1].x) / 2, (ctl.y + loop[i + 1].y) / 2, true};
          add((from.x + 2 * ctl.x + to.x) / 4, (from.y + 2 * ctl.y + to.y) / 4);
          add(to.x, to.y);
          from = to;
          if (loop[i + 1].on) ++i;
        }
        out.push_back(contour);
      }
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(lib);
  return out;
}

// A closing point equal to the contour's start says nothing more.
void drop_closing_point(pts& p) {
  if (p.size() > 1 && p.back() == p.front()) p.pop_back();
}

const char* kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

}  // namespace

TEST(SystemFont, ConvertedGlyphsHaveTheOutlineFreeTypeGives) {
  if (!std::filesystem::exists(kDejaVu)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
  auto src = open_font_file_(kDejaVu, 0, 20);
  ASSERT_TRUE(src);
  outline_state_ st;
  font_rec_ buf;
  convert_outline_font_(st, *src, buf);
  for (uint8_t code : {uint8_t('O'), uint8_t('S'), uint8_t('H'), uint8_t('8'), uint8_t(0xB9), uint8_t(0xB0)}) {
    SCOPED_TRACE(int(code));
    std::vector<pts> want = freetype_contours(kDejaVu, 20, cp1250_to_unicode_(code));
    const glyph_rec_& g = buf.glyphs[code];
    EXPECT_EQ(g.fill_flag, 1);
    ASSERT_EQ(g.contours.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
      pts got = points_of(g.contours[i]);
      drop_closing_point(got);
      drop_closing_point(want[i]);
      EXPECT_EQ(got, want[i]) << "contour " << i;
    }
  }
  // Font height is the black box of "X": DejaVu Sans capitals are 1493/2048 of the em.
  EXPECT_NEAR(buf.height, 200 * 1493.0 / 2048, 1.5);
  EXPECT_TRUE(buf.glyphs[' '].contours.empty());
  EXPECT_GT(buf.glyphs['X'].advance_x, buf.glyphs['X'].box_width);
}

TEST(SystemFont, FaceNamesResolveThroughFontconfig) {
  if (!std::filesystem::exists(kDejaVu)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
  EXPECT_NE(match_system_font_file_("DejaVu Sans", false, false).find("DejaVuSans"), std::string::npos);
  EXPECT_NE(match_system_font_file_("DejaVu Sans", true, false).find("Bold"), std::string::npos);
  auto bold = open_system_font_("DejaVu Sans", 20, true, false, false);
  auto regular = open_system_font_("DejaVu Sans", 20, false, false, false);
  ASSERT_TRUE(bold && regular);
  outline_metrics_rec_ mb, mr;
  ASSERT_GT(bold->glyph_outline('I', mb, nullptr, 0), 0);
  ASSERT_GT(regular->glyph_outline('I', mr, nullptr, 0), 0);
  EXPECT_GT(mb.black_box_x, mr.black_box_x);
}

TEST(SystemFont, CubicOutlinesAreUnsupported) {
  const char* cff = "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf";
  if (!std::filesystem::exists(cff)) GTEST_SKIP() << "no CFF font installed";
  auto src = open_font_file_(cff, 0, 20);
  ASSERT_TRUE(src);
  outline_state_ st;
  font_rec_ buf;
  convert_outline_font_(st, *src, buf);
  EXPECT_TRUE(buf.glyphs['O'].contours.empty());  // curved: refused
  EXPECT_FALSE(buf.glyphs['I'].contours.empty());  // straight edges only
}

TEST(GlyphDescription, StrokesAndMetrics) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("arvex_tc4_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  auto write = [&](const char* name, const char* text) {
    std::ofstream(dir / name) << text;
    return (dir / name).string();
  };
  struct desc_case {
    const char* text;
    bool ok;
    size_t contours_65;
    float bw, bh, ax;
  };
  const desc_case cases[] = {
      {"!DX: 3\n#065\nL~1: 0, 0, 10, 20\n#000\n", true, 1, 10, 20, 13},
      {"!DX: 3\n#065\nL~1: 0, 0, 10, 20\n", true, 1, 0, 0, 0},  // last glyph never finished
      {"L~1: 0 0 9 9\n#300\nL~1: 0,0,9,9\n#065\nL~2: 3, 0,0, 4,5, 8,-1\nL~3: 1 1\n#0\n", true, 1, 8, 5, 8},
      {"#065\nL~1: 0, 0, 10\n", false, 0, 0, 0, 0},                // too few numbers
      {"#065\nL~2: 40000, 1, 2\n", false, 0, 0, 0, 0},            // count beyond the line
      {"#x5\n", false, 0, 0, 0, 0},
  };
  int i = 0;
  for (const desc_case& c : cases) {
    SCOPED_TRACE(c.text);
    font_rec_ buf;
    buf.glyphs[66].contours.resize(3);  // never survives a new fill
    EXPECT_EQ(read_glyph_description_(write(("d" + std::to_string(i++)).c_str(), c.text), buf), c.ok);
    EXPECT_TRUE(buf.glyphs[66].contours.empty());
    if (!c.ok) continue;
    const glyph_rec_& g = buf.glyphs[65];
    EXPECT_EQ(g.contours.size(), c.contours_65);
    EXPECT_EQ(g.fill_flag, 0);
    EXPECT_EQ(g.box_width, c.bw);
    EXPECT_EQ(g.box_height, c.bh);
    EXPECT_EQ(g.advance_x, c.ax);
  }
  font_rec_ buf;
  EXPECT_FALSE(read_glyph_description_((dir / "missing").string(), buf));
  fs::remove_all(dir);
}
