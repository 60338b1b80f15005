#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/zaz_class.h"

namespace {

struct Props : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  void SetUp() override {
    e->page_add_("p", 210, 297);
    e->layer_add_("a", true_, true_, -1, -2, 0, 1);
  }
  double num(int32_t r, int32_t p) { return e->edit_prop_(r, p).number; }
  void set(int32_t r, int32_t p, const char* text) { e->edit_prop_(r, p, value_::of(std::string(text))); }
  void set(int32_t r, int32_t p, double v) { e->edit_prop_(r, p, value_::of(v)); }
  int32_t poly(int n) {
    e->vertex_clear_();
    for (int i = 0; i < n; ++i) e->vertex_add_(float(i), float(i * i));
    return e->add_polyline_();
  }
  template <class T>
  auto& entry(T& table, int32_t r) { return table[e->store.live.objects[r].index]; }
};

TEST_F(Props, LineLengthAndDirectionMoveTheEndPoint) {
  const int32_t r = e->add_line_(2, 0, 2, 6);
  EXPECT_DOUBLE_EQ(num(r, 29), 6);
  EXPECT_NEAR(num(r, 28), 90, 1e-4);
  set(r, 29, "3");
  const line_rec_& l = entry(e->store.live.lines, r);
  EXPECT_NEAR(l.x2, 2, 1e-5);
  EXPECT_NEAR(l.y2, 3, 1e-5);
  set(r, 28, 0.0);
  EXPECT_NEAR(l.x2, 5, 1e-5);
  EXPECT_NEAR(l.y2, 0, 1e-5);
  EXPECT_NEAR(e->store.live.objects[r].x2, 5, 1e-5);  // bounding box follows
  set(r, 29, "abc");                                   // does not convert: unchanged
  EXPECT_NEAR(l.x2, 5, 1e-5);
}

TEST_F(Props, CircleRadiiAndArcAngleOrder) {
  const int32_t c = e->add_circle_(0, 0, 3);
  set(c, 20, 7.0);
  EXPECT_DOUBLE_EQ(num(c, 18), 5);
  set(c, 18, 2.0);
  EXPECT_EQ(num(c, 19), 2);
  EXPECT_EQ(num(c, 20), 2);
  const int32_t a = e->add_arc_(0, 0, 5, 5, 0, 0, 45);
  EXPECT_NEAR(num(a, 22), 45, 1e-4);
  struct Case { int32_t prop; double value, a1, a2; } cases[] = {
      {21, 100, 45, 45},    // not below the end: takes the end angle
      {21, -400, -360, 45}, // clamped to a full turn
      {22, -30, -360, -30},
      {22, -500, -360, -360}};
  for (const Case& k : cases) {
    set(a, k.prop, k.value);
    EXPECT_NEAR(num(a, 21), k.a1, 1e-3) << k.prop << " " << k.value;
    EXPECT_NEAR(num(a, 22), k.a2, 1e-3) << k.prop << " " << k.value;
  }
}

TEST_F(Props, CurrentVertexStaysWithinTheVertices) {
  const int32_t p = poly(6);
  struct Case { double write; double read; } cases[] = {{10, 6}, {0, 1}, {3.5, 4}, {2.5, 2}};
  for (const Case& k : cases) {
    set(p, 34, k.write);
    EXPECT_EQ(num(p, 34), k.read) << k.write;
  }
  set(p, 34, 5.0);
  set(p, 35, "-7.25");
  EXPECT_EQ(entry(e->store.live.polylines, p).x[5], -7.25f);
  const int32_t q = poly(3);
  EXPECT_EQ(num(q, 34), 3);  // the vertex of a longer polyline is pulled in
  EXPECT_EQ(e->edit_vertex_(), 3);
  EXPECT_EQ(num(q, 33), 3);
  set(q, 33, 9.0);  // read only
  EXPECT_EQ(num(q, 33), 3);
}

TEST_F(Props, ImageNameIsTheTextAfterEitherSeparator) {
  add_slot_ slot;
  ASSERT_TRUE(e->add_begin_(ot_image_, -1, -2, 0, 1, 1, slot));
  image_rec_& m = e->store.live.images[slot.entry];
  m = image_rec_{};
  m.p1x = 3, m.p2y = 4;
  const int32_t r = e->add_commit_(slot);
  struct Case { const char* path; const char* name; } cases[] = {
      {"D:\\Maps\\Site.JPG", "site.jpg"}, {"/home/u/Maps/Plan.PNG", "plan.png"}, {"Plain.Png", "plain.png"},
      {"C:\\dir\\", "c:\\dir\\"}};
  for (const Case& k : cases) {
    e->store.live.images[slot.entry].path = k.path;
    EXPECT_EQ(e->edit_prop_(r, 103).text, k.name);
  }
  EXPECT_DOUBLE_EQ(num(r, 31), 3);
  EXPECT_DOUBLE_EQ(num(r, 30), 4);
  set(r, 31, 6.0);
  EXPECT_FLOAT_EQ(e->store.live.images[slot.entry].p1x, 6);
}

TEST_F(Props, AttributesConvertOrStayUnchanged) {
  const int32_t r = e->add_line_(0, 0, 1, 1);
  struct Case { int32_t prop; const char* text; double read; } cases[] = {
      {1, "255", 255}, {1, "x", 255}, {5, "300", 1}, {5, "2", 2}, {3, "2.5", 2}, {4, "3.5", 4}};
  for (const Case& k : cases) {
    set(r, k.prop, k.text);
    EXPECT_EQ(num(r, k.prop), k.read) << k.prop << " " << k.text;
  }
  EXPECT_EQ(num(r, 99), 0);         // a number the kind does not serve
  EXPECT_EQ(num(e->records_() + 1, 1), 0);  // no such record
}

TEST_F(Props, DimensionStyleCopyValues) {
  ASSERT_EQ(e->dimstyle_add_("standard"), 1);
  const int32_t d = e->add_dimh_(1, 0, 0, 10, 0, 5, 5, 0, -1, 0, 1, 1, "");
  ASSERT_GT(d, 0);
  struct Case { int32_t prop; const char* text; double read; } cases[] = {
      {227, "0.5", 0.5},  // scales keep their fractions
      {239, "0.25", 0.25}, {240, "-1.5", -1.5},
      {201, "25", 20}, {201, "-3", 0},     // arrow kinds clamp
      {215, "2", 2}, {215, "300", 2},      // a byte out of range is left alone
      {228, "True", -1}, {228, "0", 0}};
  for (const Case& k : cases) {
    set(d, k.prop, k.text);
    EXPECT_DOUBLE_EQ(num(d, k.prop), k.read) << k.prop << " " << k.text;
  }
  set(d, 223, "mm");
  EXPECT_EQ(e->edit_prop_(d, 223).text, "mm");
  EXPECT_EQ(e->dimstyles_prop_(1, 36).text, "");  // the drawing's style is untouched
  const dimension_rec_& rec = entry(e->store.live.dimensions, d);
  EXPECT_NE(rec.parts[0].text.find("mm"), std::string::npos);  // rebuilt with the new prefix
}

TEST_F(Props, FailedHatchPatternKeepsItsLines) {
  e->vertex_clear_();
  for (auto [x, y] : {std::pair{0.f, 0.f}, {40.f, 0.f}, {40.f, 40.f}, {0.f, 40.f}}) e->vertex_add_(x, y);
  const int32_t h = e->add_hatch_(1, 1, 45);
  ASSERT_GT(h, 0);
  const hatch_rec_ before = entry(e->store.live.hatches, h);
  ASSERT_GT(before.line_count, 0);
  set(h, 23, 99999.0);  // no such pattern: the lines cannot be placed
  const hatch_rec_& after = entry(e->store.live.hatches, h);
  EXPECT_EQ(after.line_count, before.line_count);
  EXPECT_EQ(after.tile_x, before.tile_x);
  set(h, 26, 2.0);  // a pattern that places again
  EXPECT_FLOAT_EQ(after.scale, 2);
}

TEST_F(Props, ClampTable) {
  struct Case { value_ v; double lo, hi; bool byte; value_ out; } cases[] = {
      {value_::of(200.0), 0, 300, true, value_::of(200.0)},
      {value_::of(30.0), 0, 20, false, value_::of(20.0)},
      {value_::of(std::string("30")), 0, 20, false, value_::of(std::string("30"))},
      {value_::of(5.0), 10, 3, false, value_::of(10.0)},
      {value_::of(-4.0), 0, 20, true, value_::of(0.0)}};
  for (const Case& k : cases) EXPECT_EQ(zaz_class_::edit_clamp_(k.v, k.lo, k.hi, k.byte), k.out);
}

}  // namespace
