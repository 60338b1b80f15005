#include "platform/gdi/region.h"

#include <gtest/gtest.h>

TEST(Region, SetOperationsCountExactPixels) {
  const region_ a({0, 0, 10, 10}), b({5, 5, 15, 15});
  struct op_case { const char* name; region_ result; int64_t pixels; };
  const op_case cases[] = {{"intersect", a.intersect_(b), 25},
                           {"unite", a.unite_(b), 175},
                           {"subtract", a.subtract_(b), 75},
                           {"xor", a.exclusive_or_(b), 150}};
  for (const op_case& c : cases) EXPECT_EQ(c.result.pixel_count_(), c.pixels) << c.name;
  EXPECT_TRUE(a.intersect_(b).is_rect_());
  EXPECT_FALSE(a.unite_(b).is_rect_());
  EXPECT_EQ(a.unite_(b).bounds_(), (pixel_rect_{0, 0, 15, 15}));
  EXPECT_TRUE(a.subtract_(a).empty_());
  EXPECT_EQ(a.subtract_(b).unite_(a.intersect_(b)), a);
}

TEST(Region, ContainsMatchesSpansAfterOffset) {
  const pixel_point_ tri[] = {{0, 0}, {20, 0}, {0, 20}};
  const region_ r = region_::polygon_(tri, 3, fill_mode_::alternate_).offset_(3, -2);
  EXPECT_TRUE(r.contains_(3, -2));
  EXPECT_TRUE(r.contains_(12, 7));
  EXPECT_FALSE(r.contains_(2, -2));
  EXPECT_TRUE(r.contains_(22, -2));
  EXPECT_FALSE(r.contains_(23, -2));  // right edge left out
  EXPECT_FALSE(r.contains_(3, 18));   // bottom vertex row left out
  EXPECT_EQ(r.pixel_count_(), 210);   // 20 + 19 + ... + 1
}

TEST(Region, HostileCoordinatesStayBounded) {
  const pixel_point_ huge[] = {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MAX}};
  const region_ r = region_::polygon_(huge, 3, fill_mode_::winding_);
  EXPECT_LE(r.bounds_().height_(), int64_t(1) << 19);
  EXPECT_TRUE(region_({INT32_MAX - 1, 0, INT32_MAX, 1}).offset_(10, 0).empty_());
  EXPECT_TRUE(region_::polygon_(nullptr, 5, fill_mode_::alternate_).empty_());
}
