#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/model/dimstyle_props.h"
#include "engine/zaz_class.h"

namespace {

struct DimStyles : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  double num(int16_t id, int32_t prop) const { return e->dimstyles_prop_(id, prop).number; }
};

TEST_F(DimStyles, TemplateOfANewDrawing) {
  EXPECT_EQ(e->dimstyles_count_(), 0);
  EXPECT_EQ(e->styles.styles[0].name, "<>");
  struct Case { int32_t prop; double value; };
  const Case cases[] = {
      {0, 1}, {1, 1}, {2, 1}, {3, 2.25}, {4, -3}, {5, -3}, {6, -3}, {7, 0}, {8, 0},
      {9, -1}, {10, -1}, {11, -3}, {12, -3}, {13, -3}, {14, 0}, {15, 0}, {16, -1},
      {17, -1}, {18, 1}, {19, 2.5}, {20, 1}, {21, 1}, {22, 1}, {23, 1}, {24, -5},
      {25, -3}, {26, 2.5}, {27, 0}, {28, 0}, {29, 1}, {30, 2}, {31, 0}, {32, 0},
      {33, 1}, {34, 0}, {35, 2}, {38, 0}, {39, 0}, {40, 0}, {41, 0}, {42, 0}, {43, 1},
      {44, 2}, {47, 0}, {48, 0}, {49, 0}, {50, 0}, {51, 0.01f}, {52, 0.01f}, {53, 2},
      {54, 2},
  };
  for (const Case& c : cases) {
    const value_ v = e->dimstyles_prop_(0, c.prop);
    ASSERT_TRUE(v.is_number()) << c.prop;
    EXPECT_EQ(v.number, c.value) << c.prop;
  }
  for (int32_t text_prop : {36, 37, 45, 46}) {
    EXPECT_EQ(e->dimstyles_prop_(0, text_prop), value_::of(std::string())) << text_prop;
  }
}

TEST_F(DimStyles, AddCopiesTemplateAndActivates) {
  EXPECT_EQ(e->dimstyle_add_("first"), 1);
  EXPECT_EQ(e->dimstyle_active_(), 1);
  EXPECT_EQ(num(0, 3), 2.25f);
  e->dimstyles_prop_(0, 26, value_::of(7.0));
  EXPECT_EQ(e->dimstyle_add_("second"), 2);
  EXPECT_EQ(e->dimstyle_active_(), 2);
  EXPECT_EQ(e->dimstyles_count_(), 2);
  EXPECT_EQ(e->dimstyles_title_(2), "second");
  for (int32_t p = 0; p < dimstyle_props_; ++p)
    EXPECT_EQ(e->dimstyles_prop_(2, p), e->dimstyles_prop_(0, p)) << p;
  EXPECT_EQ(num(1, 26), 2.5f);  // earlier copies keep their values
}

TEST_F(DimStyles, AddWithoutTemplateCopiesAnEmptyOne) {
  e->styles.styles.clear();
  EXPECT_EQ(e->dimstyle_add_("x"), 1);
  EXPECT_EQ(num(1, 3), 0);
  EXPECT_EQ(e->dimstyles_title_(1), "x");
}

TEST_F(DimStyles, OutOfRangeNumbers) {
  e->dimstyle_add_("a");
  const std::vector<dimstyle_rec_> before = e->styles.styles;
  for (int32_t p : {55, -1}) {
    EXPECT_TRUE(e->dimstyles_prop_(1, p).is_null()) << p;
    e->dimstyles_prop_(1, p, value_::of(5.0));
  }
  for (int16_t id : {2, -1}) {
    EXPECT_TRUE(e->dimstyles_prop_(id, 3).is_empty()) << id;
    e->dimstyles_prop_(id, 3, value_::of(9.0));
  }
  EXPECT_EQ(e->styles.styles, before);
}

TEST_F(DimStyles, SettingConvertsToThePropertyType) {
  e->dimstyle_add_("a");
  struct Case { int32_t prop; value_ set; value_ want; };
  const Case cases[] = {
      {0, value_::of(2.5), value_::of(2.0)},    // byte, half to even
      {0, value_::of(3.5), value_::of(4.0)},
      {0, value_::of(300.0), value_::of(1.0)},  // out of range: kept
      {0, value_::of(-1.0), value_::of(1.0)},
      {0, value_::of(std::string("abc")), value_::of(1.0)},
      {0, value_::of(std::string(" 7 ")), value_::of(7.0)},
      {0, value_::null(), value_::of(1.0)},
      {6, value_::of(-32768.0), value_::of(-32768.0)},
      {6, value_::of(32768.0), value_::of(-3.0)},
      {4, value_::of(16777215.0), value_::of(16777215.0)},
      {9, value_::of(5.0), value_::of(-1.0)},   // any non-zero is true
      {9, value_::of(0.0), value_::of(0.0)},
      {9, value_::of(std::string("True")), value_::of(-1.0)},
      {3, value_::of(0.125), value_::of(0.125)},
      {3, value_::of(1e39), value_::of(2.25)},  // beyond a 32-bit float: kept
      {3, value_::empty(), value_::of(0.0)},
      {36, value_::of(std::string("L=")), value_::of(std::string("L="))},
      {37, value_::of(2.5), value_::of(std::string("2.5"))},
  };
  for (const Case& c : cases) {
    e->styles.styles[1] = e->styles.styles[0];
    e->dimstyles_prop_(1, c.prop, c.set);
    EXPECT_EQ(e->dimstyles_prop_(1, c.prop), c.want) << c.prop << " " << c.set.number << c.set.text;
  }
}

TEST_F(DimStyles, TitlesSkipTheTemplate) {
  e->dimstyle_add_("a");
  EXPECT_EQ(e->dimstyles_title_(0), "");
  e->dimstyles_title_(0, "renamed");
  EXPECT_EQ(e->styles.styles[0].name, "<>");
  e->dimstyles_title_(1, "b");
  EXPECT_EQ(e->dimstyles_title_(1), "b");
  EXPECT_EQ(e->dimstyles_title_(2), "");
}

TEST_F(DimStyles, ActiveStyleIsClamped) {
  for (int i = 0; i < 3; ++i) e->dimstyle_add_("s");
  struct Case { int16_t set, got; };
  for (Case c : {Case{0, 1}, Case{9, 3}, Case{-2, 1}, Case{2, 2}}) {
    e->dimstyle_active_(c.set);
    EXPECT_EQ(e->dimstyle_active_(), c.got) << c.set;
  }
  e->styles.active = 17;  // as a file might leave it
  EXPECT_EQ(e->dimstyle_active_(), 3);
  EXPECT_EQ(e->styles.active, 3);
  e->styles.active = -4;
  EXPECT_EQ(e->dimstyle_active_(), 0);
}

TEST_F(DimStyles, EveryNumberReachesItsOwnField) {
  const dimstyle_rec_ blank;
  for (int32_t p = 0; p < dimstyle_props_; ++p) {
    const bool text = dimstyle_prop_kind_(p) == dimprop_kind_::text_;
    const bool flag = dimstyle_prop_kind_(p) == dimprop_kind_::flag_;
    dimstyle_rec_ one;
    ASSERT_TRUE(dimstyle_prop_set_(one, p, text ? value_::of(std::string("x")) : value_::of(1.0)));
    EXPECT_EQ(dimstyle_prop_get_(one, p),
              text ? value_::of(std::string("x")) : value_::of(flag ? -1.0 : 1.0)) << p;
    int differing = 0;
    for (int32_t q = 0; q < dimstyle_props_; ++q)
      differing += !(dimstyle_prop_get_(one, q) == dimstyle_prop_get_(blank, q));
    EXPECT_EQ(differing, 1) << p;
  }
}

}  // namespace
