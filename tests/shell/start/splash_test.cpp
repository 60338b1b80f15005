#include <gtest/gtest.h>

#include "../shell_fixture.h"
#include "platform/gdi/dc.h"
#include "platform/window/event_loop.h"
#include "shell/splash.h"
#include "ui/skin/skin_palette.h"

namespace {

TEST(splash_place, centred_and_rounded_to_even) {
  struct row {
    int32_t w, h, x, y;
  };
  for (const row& r : {row{1280, 1024, 390, 387}, row{1024, 768, 262, 259}, row{1365, 768, 432, 259},
                       row{1367, 768, 434, 259}}) {
    const pixel_point_ p = splash_position_(r.w, r.h);
    EXPECT_EQ(p.x, r.x) << r.w;
    EXPECT_EQ(p.y, r.y) << r.h;
  }
}

class splash_test : public shell_fixture {
 protected:
  void SetUp() override {
    shell_fixture::SetUp();
    ensure_application_();
  }
  void TearDown() override {
    splash_unload_();
    shell_fixture::TearDown();
  }
  // Pixels of the badge area that are not the box colour.
  int badge_pixels(const surface_& s) {
    int n = 0;
    for (int32_t y = 28; y <= 38; ++y)
      for (int32_t x = 15; x <= 55; ++x) n += s.colour_(x, y) != 0x0099562A;
    return n;
  }
};

TEST_F(splash_test, version_box_and_badge_only_in_portable_mode) {
  skin_palette_.color_ssico0 = 0xFFFFFF;
  skin_palette_.color_ssico1 = 0x000000;
  for (bool portable : {false, true}) {
    SCOPED_TRACE(portable);
    portable_mode_ = portable ? true_ : false_;
    splash_load_();
    const surface_& s = splash_in_use_()->win().client_surface_();
    EXPECT_FALSE(splash_in_use_()->win().visible_());
    EXPECT_EQ(s.width_(), 500);
    EXPECT_EQ(s.height_(), 250);
    EXPECT_EQ(s.colour_(14 + 99, 7 + 49), 0x0099562AU);  // the box's far corner
    // Row 6 of the badge is all strokes up to column 18 (level 00): black on the default skin.
    if (portable) {
      EXPECT_EQ(s.colour_(1 + 14, 6 + 27), 0U);
      EXPECT_EQ(s.colour_(41 + 14, 1 + 27), 0xFFFFFFU);
    } else {
      EXPECT_EQ(badge_pixels(s), 0);
    }
    splash_unload_();
  }
}

TEST(splash_badge, levels_from_the_stored_rows) {
  EXPECT_EQ(badge_level_(1, 1), 0xFF);
  EXPECT_EQ(badge_level_(12, 1), 0x7C);
  EXPECT_EQ(badge_level_(1, 6), 0x00);
  EXPECT_EQ(badge_level_(41, 9), 0xE4);
  EXPECT_EQ(badge_level_(0, 1), 0xFF);
}

}  // namespace
