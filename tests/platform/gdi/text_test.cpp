#include <gtest/gtest.h>

#include <filesystem>

#include "platform/gdi/dc.h"

namespace {

class FixedMetrics : public testing::Test {
 protected:
  void SetUp() override { previous_ = set_text_measurer_(std::make_shared<fixed_text_measurer_>(7)); }
  void TearDown() override { set_text_measurer_(previous_); }
  font_ font_ten() const {
    font_ f;
    f.height = 10;
    return f;
  }
  std::shared_ptr<text_measurer_> previous_;
};

struct bounds { int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN; int32_t count = 0; };

// Bounding box of the pixels that differ from the background.
bounds ink(const surface_& s, uint32_t background) {
  bounds b;
  for (int32_t y = 0; y < s.height_(); ++y)
    for (int32_t x = 0; x < s.width_(); ++x)
      if (s.colour_(x, y) != background) {
        b.left = std::min(b.left, x); b.right = std::max(b.right, x + 1);
        b.top = std::min(b.top, y); b.bottom = std::max(b.bottom, y + 1);
        ++b.count;
      }
  return b;
}


TEST_F(FixedMetrics, LayoutPlacesLinesByTheFlags) {
  struct line_want { std::string text; int32_t x, y, ul_from, ul_to; };
  struct layout_case { std::string text; pixel_rect_ rect; uint32_t format; std::vector<line_want> lines; };
  const uint32_t one = text_single_line_;
  const std::vector<layout_case> cases = {
      {"Hello", {0, 0, 100, 20}, one | text_vcenter_ | text_center_, {{"Hello", 32, 5, -1, -1}}},
      {"Hello", {10, 0, 100, 20}, one | text_right_ | text_bottom_, {{"Hello", 65, 10, -1, -1}}},
      {"&File", {0, 0, 100, 20}, one, {{"File", 0, 0, 0, 7}}},
      {"Save &as", {4, 0, 100, 20}, one, {{"Save as", 4, 0, 39, 46}}},
      {"A&&B", {0, 0, 100, 20}, one, {{"A&B", 0, 0, -1, -1}}},
      {"A&&B&", {0, 0, 100, 20}, one | text_no_prefix_, {{"A&&B&", 0, 0, -1, -1}}},
      {"tail&", {0, 0, 100, 20}, one, {{"tail", 0, 0, -1, -1}}},
      {"one\ntwo", {0, 0, 100, 20}, one, {{"onetwo", 0, 0, -1, -1}}},
      {"one\r\nt&wo", {0, 0, 100, 20}, 0, {{"one", 0, 0, -1, -1}, {"two", 0, 10, 7, 14}}},
      {"one two three four", {0, 0, 60, 90}, text_word_break_,
       {{"one two", 0, 0, -1, -1}, {"three", 0, 10, -1, -1}, {"four", 0, 20, -1, -1}}},
      {"unbreakablewordhere ok", {0, 0, 50, 90}, text_word_break_ | text_center_,
       {{"unbreakablewordhere", -41, 0, -1, -1}, {"ok", 18, 10, -1, -1}}},
  };
  for (const layout_case& c : cases) {
    const text_layout_ l = layout_text_(font_ten(), c.text, c.rect, c.format);
    SCOPED_TRACE(c.text);
    ASSERT_EQ(l.lines.size(), c.lines.size());
    for (size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(l.lines[i].text, c.lines[i].text);
      EXPECT_EQ(l.lines[i].x, c.lines[i].x);
      EXPECT_EQ(l.lines[i].y, c.lines[i].y);
      EXPECT_EQ(l.lines[i].underline_from, c.lines[i].ul_from);
      EXPECT_EQ(l.lines[i].underline_to, c.lines[i].ul_to);
    }
    EXPECT_EQ(l.height, int32_t(c.lines.size()) * 10);
  }
}

TEST_F(FixedMetrics, CalcRectReportsTheNeededRectangleWithoutDrawing) {
  surface_ s(50, 50);
  s.fill_colour_(rgb_(255, 255, 255));
  dc_ dc(s);
  dc.select_font_(font_ten());
  pixel_rect_ r{5, 6, 200, 200};
  EXPECT_EQ(dc.draw_text_("ab\nabcd", r, text_calc_rect_), 20);
  EXPECT_EQ(r, (pixel_rect_{5, 6, 5 + 28, 6 + 20}));
  EXPECT_EQ(ink(s, rgb_(255, 255, 255)).count, 0);
  EXPECT_EQ(dc.text_extent_("abc"), (pixel_size_{21, 10}));
}

TEST(Text, InterfaceFontIsTahomaWhenInstalled) {
  const std::string family = interface_font_family_();
  const bool tahoma = std::filesystem::exists("/usr/share/wine/fonts/tahoma.ttf");
  EXPECT_EQ(family, tahoma ? "Tahoma" : "DejaVu Sans");
  font_ f;
  f.height = -13;
  text_measurer_& m = text_measurer_in_use_();
  EXPECT_GT(m.width_(f, "WWWW"), m.width_(f, "WW"));
  EXPECT_GT(m.metrics_(f).height, 10);
  f.height = 20;  // a positive height asks for the cell
  EXPECT_NEAR(m.metrics_(f).height, 20, 1);
}

TEST(Text, TextOutInksInsideItsCellAndTurnsWithEscapement) {
  const uint32_t white = rgb_(255, 255, 255);
  font_ f;
  f.height = 16;
  for (int32_t escapement : {0, -900}) {
    surface_ s(120, 120);
    s.fill_colour_(white);
    dc_ dc(s);
    f.escapement = escapement;
    dc.select_font_(f);
    dc.set_bk_mode_(bk_mode_::transparent_);
    dc.text_out_(60, 30, "Hello");
    const pixel_size_ e = dc.text_extent_("Hello");
    const bounds b = ink(s, white);
    SCOPED_TRACE(escapement);
    ASSERT_GT(b.count, 0);
    if (escapement == 0) {
      EXPECT_GE(b.left, 60); EXPECT_LE(b.right, 60 + e.cx + 1);
      EXPECT_GE(b.top, 30); EXPECT_LE(b.bottom, 30 + e.cy);
      EXPECT_GT(b.right - b.left, b.bottom - b.top);
    } else {
      // Turned a quarter clockwise about the reference point: runs downwards, cell to the left.
      EXPECT_LE(b.right, 61); EXPECT_GE(b.left, 60 - e.cy);
      EXPECT_GE(b.top, 30); EXPECT_LE(b.bottom, 30 + e.cx + 1);
      EXPECT_GT(b.bottom - b.top, b.right - b.left);
    }
  }
}

TEST(Text, OpaqueBackgroundFillsTheCellAndDrawTextClips) {
  surface_ s(100, 40);
  dc_ dc(s);
  font_ f;
  f.height = 14;
  dc.select_font_(f);
  dc.set_bk_mode_(bk_mode_::opaque_);
  dc.set_bk_colour_(rgb_(0, 0, 200));
  dc.set_text_colour_(rgb_(255, 255, 0));
  pixel_rect_ r{10, 5, 30, 30};
  dc.draw_text_("A long line of text", r, text_single_line_);
  const bounds b = ink(s, 0);
  EXPECT_EQ(b.left, 10);
  EXPECT_EQ(b.top, 5);
  EXPECT_EQ(b.right, 30);  // clipped to the rectangle
  EXPECT_EQ(b.bottom, 5 + dc.text_metrics_().height);
  EXPECT_EQ(s.colour_(10, 5), rgb_(0, 0, 200));
}

}  // namespace
