// Icons drawn by number: placement, sizes and the flat disabled look.
#include "ui/skin/icon_painter.h"

#include <gtest/gtest.h>

#include "shell/colors.h"
#include "shell/icons.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr uint32_t icon_bg = 0x563412, ink = 0x2040C0, corner = 0x10A010;

// A size x size picture: an opaque square from lo to hi (inclusive) in ink, its top-left pixel
// in the corner colour, a half-covered pixel at (lo - 1, lo) and a faint one at (lo, lo - 1).
picture_rec_ square(int32_t size, int32_t lo, int32_t hi) {
  picture_image_rec_ im;
  im.width = im.height = size;
  im.argb.assign(size_t(size * size), 0);
  auto at = [&](int32_t x, int32_t y) -> uint32_t& { return im.argb[size_t(y * size + x)]; };
  for (int32_t y = lo; y <= hi; ++y)
    for (int32_t x = lo; x <= hi; ++x) at(x, y) = surface_::argb_of_colour_(ink);
  at(lo, lo) = surface_::argb_of_colour_(corner);
  at(lo - 1, lo) = (surface_::argb_of_colour_(ink) & 0xFFFFFFu) | 0xC8000000u;
  at(lo, lo - 1) = (surface_::argb_of_colour_(ink) & 0xFFFFFFu) | 0x64000000u;
  picture_rec_ p;
  p.images.push_back(im);
  return p;
}

class icon_painter : public ::testing::Test {
 protected:
  void SetUp() override {
    icon_table_.assign(1, icon_entry_rec_{});
    icon_entry_rec_ e;
    e.small_picture = square(16, 4, 11);
    e.large_picture = square(32, 8, 23);
    id = append_icon_entry_(e);
    e.width = 8;
    e.height = 8;
    sized = append_icon_entry_(e);
    skin_palette_.color_icon_dis_one = 0x808080;
    skin_palette_.color_icon_dis_two = 0xF0F0F0;
    out.fill_colour_(icon_bg);
  }
  void TearDown() override {
    icon_table_.assign(1, icon_entry_rec_{});
    skin_palette_ = skin_palette_rec_{};
  }
  int32_t changed() const {
    int32_t n = 0;
    for (int32_t y = 0; y < out.height_(); ++y)
      for (int32_t x = 0; x < out.width_(); ++x) n += out.colour_(x, y) != icon_bg;
    return n;
  }
  int32_t id = 0, sized = 0;
  surface_ out{80, 60};
  dc_ dc{out};
};

TEST_F(icon_painter, centred_icon_floors_its_corner) {
  draw_table_icon_(dc, 40.25f, 19.75f, 32, id, -1, -1, -1, -1, 0);
  EXPECT_EQ(out.colour_(24 + 8, 3 + 8), corner);
  EXPECT_EQ(out.colour_(24 + 23, 3 + 23), ink);
  EXPECT_EQ(out.colour_(24 + 24, 3 + 23), icon_bg);
  draw_icon_state_(dc, 10.5f, 10.5f, 16, id, -1, -1, -1, -1, 0);
  EXPECT_EQ(out.colour_(2 + 4, 2 + 4), corner);
}

TEST_F(icon_painter, nothing_for_bad_sizes_and_numbers) {
  const struct {
    uint8_t size;
    int32_t icon;
  } cases[] = {{20, 1}, {24, 1}, {0, 1}, {16, 0}, {16, -3}, {16, 99}};
  for (const auto& c : cases) {
    draw_icon_state_(dc, 5, 5, c.size, c.icon == 1 ? id : c.icon, 0, 0, -1, -1, 0);
    draw_icon_state_(dc, 5, 5, c.size, c.icon == 1 ? id : c.icon, 0, 0, 0, 0x0000FF, 0);
  }
  EXPECT_EQ(changed(), 0);
}

TEST_F(icon_painter, disabled_look_fills_the_alpha_shape_over_a_shadow) {
  draw_icon_state_(dc, 10, 10, 16, id, 0, 0, 0, -1, 0);
  EXPECT_EQ(out.colour_(10 + 4, 10 + 4), 0x808080u);    // the corner pixel too: one colour
  EXPECT_EQ(out.colour_(10 + 11, 10 + 11), 0x808080u);
  EXPECT_EQ(out.colour_(10 + 3, 10 + 4), 0x808080u);    // half covered: filled
  EXPECT_EQ(out.colour_(10 + 4, 10 + 3), icon_bg);           // faint: left out
  EXPECT_EQ(out.colour_(10 + 12, 10 + 12), 0xF0F0F0u);  // shadow below and to the right
  EXPECT_EQ(out.colour_(10 + 12, 10 + 5), 0xF0F0F0u);
  EXPECT_EQ(out.colour_(10 + 3, 10 + 5), icon_bg);           // none to the left without a tint

  out.fill_colour_(icon_bg);
  draw_icon_state_(dc, 10, 10, 16, id, 0, 0, 0, 0x0000C0, 0);
  const uint32_t shadow = uint32_t(blend_colors_(0xF0F0F0, 0x0000C0, 0.15f));
  EXPECT_EQ(out.colour_(10 + 5, 10 + 5), 0x0000C0u);
  EXPECT_EQ(out.colour_(10 + 3, 10 + 5), shadow);       // the second shadow, one to the left
  EXPECT_EQ(out.colour_(10 + 12, 10 + 12), shadow);
}

TEST_F(icon_painter, own_size_uses_the_stored_size) {
  draw_icon_state_(dc, 30, 20, 32, sized, -1, -1, 0, 0x0000FF, -1);
  // The 16-pixel picture at 8 x 8, normal look, corner at (30, 20) whatever the other arguments.
  EXPECT_EQ(out.colour_(30 + 2, 20 + 2), corner);
  EXPECT_EQ(out.colour_(30 + 5, 20 + 5), ink);
  EXPECT_EQ(out.colour_(30 + 6, 20 + 6), icon_bg);
}

}  // namespace
