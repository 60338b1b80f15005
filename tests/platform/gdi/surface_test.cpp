#include "platform/gdi/surface.h"

#include <gtest/gtest.h>


TEST(Surface, PixelsAreTopDownBgraBytes) {
  surface_ s(3, 2);
  ASSERT_EQ(s.stride_(), 12);
  s.set_colour_(1, 1, rgb_(10, 20, 30));
  const uint8_t* p = s.bits_() + 1 * s.stride_() + 1 * 4;
  EXPECT_EQ(p[0], 30);  // B
  EXPECT_EQ(p[1], 20);  // G
  EXPECT_EQ(p[2], 10);  // R
  EXPECT_EQ(p[3], 255);
  EXPECT_EQ(s.colour_(1, 1), rgb_(10, 20, 30));
  EXPECT_EQ(s.colour_(0, 0), rgb_(0, 0, 0));
}

TEST(Surface, OutsideAccessIsHarmless) {
  surface_ s(4, 4);
  s.fill_colour_(rgb_(1, 2, 3));
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 4}, {INT32_MIN, INT32_MAX}}) {
    s.set_colour_(x, y, rgb_(9, 9, 9));
    EXPECT_EQ(s.colour_(x, y), 0u);
  }
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(s.colour_(x, y), rgb_(1, 2, 3));
}

TEST(Surface, RefusedSizesLeaveItEmpty) {
  surface_ s(5, 5);
  EXPECT_FALSE(s.resize_(surface_::max_side_ + 1, 2));
  EXPECT_TRUE(s.empty_());
  EXPECT_TRUE(s.resize_(-3, 7));
  EXPECT_TRUE(s.empty_());
}

TEST(Surface, AlphaSurfaceStartsTransparent) {
  surface_ s(2, 2, surface_kind_::alpha_);
  EXPECT_EQ(s.argb_(0, 0), 0u);
  EXPECT_EQ(s.argb_(1, 1), 0u);
}
