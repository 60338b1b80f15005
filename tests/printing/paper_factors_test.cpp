#include <gtest/gtest.h>

#include "engine/zaz_class.h"

namespace {

struct contrast_case {
  int32_t colour, background, expected;
};

TEST(contrast_colour, black_or_white_by_mean_brightness) {
  const contrast_case cases[] = {
      {0x808080, 0, 0},                // mean exactly 128: black
      {0x80807F, 0, 0xFFFFFF},         // 127.67: white
      {0x0000FF, 0, 0xFFFFFF},         // pure red, 85
      {0x00FFFF, 0, 0},                // yellow, 170
      {-1, 0x000000, 0xFFFFFF},        // automatic against a black background
      {-1, 0xFFFFFF, 0},               // and against a white one
      {-4, 0xFFFFFF, 0},               // every special code looks at the background
  };
  for (const contrast_case& c : cases) {
    zaz_class_ e;
    e.selection.backcolor = c.background;
    EXPECT_EQ(e.contrast_color_(c.colour), c.expected) << std::hex << c.colour << " on " << c.background;
  }
}

TEST(paper_factors, every_unit_and_scale_code) {
  const double mm_per_unit[] = {1, 10, 100, 1000, 1e6, 304.8, 25.4};
  // Paper : real, scale codes 0..25.
  const double ratio[] = {1,        1.0 / 2,   1.0 / 4,    1.0 / 5,    1.0 / 10,   1.0 / 15,   1.0 / 20,
                          1.0 / 30, 1.0 / 40,  1.0 / 50,   1.0 / 75,   1.0 / 100,  1.0 / 200,  1.0 / 250,
                          1.0 / 500, 1.0 / 1000, 1.0 / 2000, 1.0 / 5000, 1.0 / 10000, 2, 4, 5, 8, 10, 100, 1000};
  for (int32_t u = -1; u <= 7; ++u) {
    for (int32_t s = -1; s <= 26; ++s) {
      const double mm = u >= 0 && u <= 6 ? mm_per_unit[u] : 1.0;
      const double r = s >= 0 && s <= 25 ? ratio[s] : 1.0;
      EXPECT_FLOAT_EQ(zaz_class_::unit_scale_factor_(u, s), float(1.0 / (mm * r))) << "unit " << u << " scale " << s;
    }
  }
}

TEST(paper_factors, worked_values) {
  EXPECT_FLOAT_EQ(zaz_class_::unit_scale_factor_(0, 4), 10.0f);   // 1:10 in mm
  EXPECT_FLOAT_EQ(zaz_class_::unit_scale_factor_(3, 11), 0.1f);   // metres at 1:100
  EXPECT_FLOAT_EQ(zaz_class_::unit_scale_factor_(6, 0), 0.03937008f);
  EXPECT_FLOAT_EQ(zaz_class_::unit_scale_factor_(5, 0), 0.0032808399f);
  EXPECT_FLOAT_EQ(zaz_class_::unit_scale_factor_(0, 19), 0.5f);
  EXPECT_FLOAT_EQ(zaz_class_::unit_scale_factor_(4, 25), 1e-9f);
}

}  // namespace
