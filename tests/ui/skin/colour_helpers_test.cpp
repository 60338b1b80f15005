// Program colours (0x00BBGGRR) and antialiased-graphics colours (0xAARRGGBB).
#include <gtest/gtest.h>

#include "platform/gdiplus/graphics.h"

namespace {

TEST(colour_helpers, alpha_and_byte_order) {
  EXPECT_EQ(with_alpha_(0x00332211u, 0x180), 0x80332211u);
  EXPECT_EQ(with_alpha_(0xFF332211u, 0), 0x00332211u);
  EXPECT_EQ(argb_to_rgb_(0xFF112233u), 0x00332211u);
  for (uint32_t c : {0x00000000u, 0x00FF8040u, 0x0012AB34u, 0x00FFFFFFu}) {
    EXPECT_EQ(argb_to_rgb_(argb_to_rgb_(c)), c);
    for (uint32_t a : {0u, 32u, 128u, 255u}) EXPECT_EQ(gp_colour_(c, uint8_t(a)), with_alpha_(argb_to_rgb_(c), a));
  }
}

}  // namespace
