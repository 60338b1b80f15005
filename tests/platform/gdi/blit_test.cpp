#include <gtest/gtest.h>

#include "platform/gdi/dc.h"

namespace {

constexpr uint32_t red = rgb_(255, 0, 0);
constexpr uint32_t green = rgb_(0, 255, 0);
constexpr uint32_t blue = rgb_(0, 0, 255);

// An 8 x 8 sprite: a one-pixel red frame (the transparent key) around a blue inside.
surface_ framed_sprite() {
  surface_ s(8, 8);
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 8; ++x) s.set_colour_(x, y, (x == 0 || y == 0 || x == 7 || y == 7) ? red : blue);
  return s;
}

}  // namespace

TEST(Blit, TransparentStretchLeavesKeyedPixelsUntouched) {
  const surface_ sprite = framed_sprite();
  struct size_case { int32_t w, h; };
  for (const size_case c : {size_case{8, 8}, {20, 20}, {5, 5}, {13, 7}, {6, 30}, {-12, 12}}) {
    surface_ s(40, 40);
    s.fill_colour_(green);
    dc_ dc(s);
    ASSERT_TRUE(dc.transparent_blit_(10, 5, c.w, c.h, sprite, 0, 0, 8, 8, red));
    const int32_t x0 = c.w < 0 ? 10 + c.w : 10, w = std::abs(c.w);
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    int32_t blues = 0;
    for (int32_t y = 0; y < 40; ++y)
      for (int32_t x = 0; x < 40; ++x) {
        const uint32_t v = s.colour_(x, y);
        ASSERT_TRUE(v == green || v == blue) << x << "," << y;
        const bool inside = x >= x0 && x < x0 + w && y >= 5 && y < 5 + c.h;
        const bool ring = inside && (x == x0 || y == 5 || x == x0 + w - 1 || y == 5 + c.h - 1);
        if (!inside || ring) {
          EXPECT_EQ(v, green) << x << "," << y;  // the frame's place stays as it was
        }
        blues += v == blue;
      }
    EXPECT_GT(blues, 0);
  }
}

TEST(Blit, RasterCodesCombineSourceDestinationAndBrush) {
  const uint32_t S = rgb_(0x0F, 0xF0, 0x33), D = rgb_(0x55, 0x55, 0x55), P = rgb_(0xFF, 0x00, 0x80);
  struct op_case { blit_op_ op; uint32_t expected; };
  const op_case cases[] = {
      {blit_op_::copy_, S},          {blit_op_::not_copy_, ~S},          {blit_op_::paint_, S | D},
      {blit_op_::and_, S & D},       {blit_op_::invert_, S ^ D},         {blit_op_::erase_, S & ~D},
      {blit_op_::not_erase_, ~(S | D)}, {blit_op_::merge_paint_, ~S | D}, {blit_op_::merge_copy_, S & P},
      {blit_op_::pattern_copy_, P},  {blit_op_::pattern_invert_, P ^ D}, {blit_op_::dest_invert_, ~D},
      {blit_op_::black_, 0},         {blit_op_::white_, 0xFFFFFF}};
  surface_ src(4, 4);
  src.fill_colour_(S);
  for (const op_case& c : cases) {
    surface_ dst(6, 6);
    dst.fill_colour_(D);
    dc_ dc(dst);
    dc.select_brush_({brush_style_::solid_, P});
    EXPECT_TRUE(dc.blit_(1, 1, 4, 4, &src, 0, 0, c.op));
    EXPECT_EQ(dst.colour_(2, 2), c.expected & 0xFFFFFF) << int(c.op);
    EXPECT_EQ(dst.colour_(0, 0), D);
    EXPECT_EQ(dst.colour_(5, 5), D);
  }
}

TEST(Blit, OverlappingCopyWithinOneSurfaceReadsTheOldPixels) {
  surface_ s(10, 1);
  for (int32_t x = 0; x < 10; ++x) s.set_colour_(x, 0, rgb_(uint8_t(x), 0, 0));
  dc_ dc(s);
  dc.blit_(2, 0, 8, 1, &s, 0, 0, blit_op_::copy_);
  for (int32_t x = 2; x < 10; ++x) EXPECT_EQ(s.colour_(x, 0), rgb_(uint8_t(x - 2), 0, 0));
}

TEST(Blit, SourceOutsideItsSurfaceIsNeverRead) {
  surface_ src(4, 4);
  src.fill_colour_(blue);
  surface_ dst(10, 10);
  dst.fill_colour_(green);
  dc_ dc(dst);
  dc.blit_(0, 0, 10, 10, &src, -2, -2, blit_op_::copy_);
  EXPECT_EQ(dst.colour_(0, 0), green);
  EXPECT_EQ(dst.colour_(2, 2), blue);
  EXPECT_EQ(dst.colour_(5, 5), blue);
  EXPECT_EQ(dst.colour_(6, 6), green);
  EXPECT_FALSE(dc.blit_(0, 0, 5, 5, nullptr, 0, 0, blit_op_::copy_));
  EXPECT_FALSE(dc.stretch_blit_(0, 0, 0, 5, &src, 0, 0, 4, 4, blit_op_::copy_));
  dc.stretch_blit_(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, &src, INT32_MIN, 0, INT32_MAX, 4, blit_op_::copy_);
  // Extreme sizes map without overflow: the visible pixels sit in the middle of the source.
  dst.fill_colour_(green);
  src.set_colour_(1, 0, red);
  EXPECT_TRUE(dc.stretch_blit_(-(1 << 30), 0, INT32_MAX, 1, &src, 0, 0, 4, 1, blit_op_::copy_));
  EXPECT_EQ(dst.colour_(0, 0), blue);
  EXPECT_EQ(dst.colour_(0, 1), green);
}

TEST(Blit, StretchPicksNearestPixelsAndMirrors) {
  surface_ src(2, 1);
  src.set_colour_(0, 0, red);
  src.set_colour_(1, 0, blue);
  surface_ dst(6, 1);
  dc_ dc(dst);
  dc.stretch_blit_(0, 0, 6, 1, &src, 0, 0, 2, 1, blit_op_::copy_);
  for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(dst.colour_(x, 0), x < 3 ? red : blue);
  dc.stretch_blit_(6, 0, -6, 1, &src, 0, 0, 2, 1, blit_op_::copy_);
  for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(dst.colour_(x, 0), x < 3 ? blue : red);
}

TEST(Blit, AlphaBlendUsesConstantAndPremultipliedAlpha) {
  surface_ src(3, 1, surface_kind_::alpha_);
  src.set_argb_(0, 0, 0x00000000u);  // transparent
  src.set_argb_(1, 0, 0xFFFF0000u);  // opaque red
  src.set_argb_(2, 0, 0x80800000u);  // half-transparent red, premultiplied
  struct blend_case { uint8_t constant; bool per_pixel; uint32_t expect[3]; };
  const blend_case cases[] = {
      {255, true, {rgb_(0, 0, 255), rgb_(255, 0, 0), rgb_(128, 0, 127)}},
      {128, true, {rgb_(0, 0, 255), rgb_(128, 0, 127), rgb_(64, 0, 191)}},
      {0, true, {rgb_(0, 0, 255), rgb_(0, 0, 255), rgb_(0, 0, 255)}},
      {255, false, {rgb_(0, 0, 0), rgb_(255, 0, 0), rgb_(128, 0, 0)}},
  };
  for (const blend_case& c : cases) {
    surface_ dst(3, 1);
    dst.fill_colour_(blue);
    dc_ dc(dst);
    dc.alpha_blit_(0, 0, 3, 1, src, 0, 0, 3, 1, c.constant, c.per_pixel);
    for (int32_t x = 0; x < 3; ++x)
      EXPECT_EQ(dst.colour_(x, 0), c.expect[x]) << int(c.constant) << " " << c.per_pixel << " @" << x;
  }
}

TEST(Blit, ClipLimitsBlits) {
  surface_ src(10, 10);
  src.fill_colour_(blue);
  surface_ dst(10, 10);
  dc_ dc(dst);
  dc.intersect_clip_rect_({2, 3, 5, 7});
  dc.blit_(0, 0, 10, 10, &src, 0, 0, blit_op_::copy_);
  int32_t painted = 0;
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 10; ++x) painted += dst.colour_(x, y) == blue;
  EXPECT_EQ(painted, 3 * 4);
  EXPECT_EQ(dst.colour_(2, 3), blue);
  EXPECT_EQ(dst.colour_(5, 3), 0u);
}
