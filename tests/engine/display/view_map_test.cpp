#include <cmath>

#include "display_fixture.h"

using view_map = display_;

TEST_F(view_map, PointsLandOnRoundedPixels) {
  struct Case { float cx, cy, zoom; int32_t w, h; float x, y; int32_t px, py; };
  const Case cases[] = {
      {0, 0, 1, 800, 600, 0, 0, 400, 300},
      {0, 0, 1, 800, 600, 10, 10, 410, 290},
      {0, 0, 1, 800, 600, -10, -10, 390, 310},
      {0, 0, 1, 801, 600, 0, 0, 400, 300},      // 400.5 rounds to even
      {0, 0, 1, 803, 600, 0, 0, 402, 300},      // 401.5 rounds to even
      {100, 50, 2, 200, 100, 150, 75, 200, 0},
      {100, 50, 2, 200, 100, 50, 25, 0, 100},
      {-3, 7, 0.25f, 640, 480, 1, 3, 321, 241},
      {0, 0, 1e6f, 10, 10, 1e6f, 0, 1073741824, 5},  // saturates instead of wrapping
  };
  for (const Case& c : cases) {
    view(c.cx, c.cy, c.zoom);
    const pixel_point_ p = zaz_class_::map_px_(e->view_transform_(c.w, c.h), c.x, c.y);
    EXPECT_EQ(p, (pixel_point_{c.px, c.py})) << c.x << "," << c.y << " zoom " << c.zoom << " w " << c.w;
  }
}

TEST_F(view_map, VisibleAreaFollowsZoomAndClientSize) {
  view(100, 50, 2);
  const view_area_rec_ a = e->view_area_(200, 100);
  EXPECT_EQ((std::array<float, 4>{a.x1, a.y1, a.x2, a.y2}), (std::array<float, 4>{50, 25, 150, 75}));
}

TEST_F(view_map, DisplayWithoutDeviceContextPaintsNothingAndForgetsTheWindow) {
  view(0, 0, 1);
  e->add_line_(-50, 0, 50, 0, 0);
  paint();
  EXPECT_EQ(at(100, 50), 0u);
  e->display_(nullptr, false_, false_);
  EXPECT_EQ(e->paint.dc, nullptr);
  EXPECT_EQ(e->views.window_width, 0);
}

TEST_F(view_map, ResizeFlagPaintsTheSamePicture) {
  e->add_circle_(0, 0, 20, 0xFF, 0x00FF00);
  view(0, 0, 1);
  surface->fill_colour_(white);
  e->display_(dc.get(), true_, false_);
  const std::vector<uint32_t> first(surface->pixels_(), surface->pixels_() + 200 * 100);
  surface->fill_colour_(white);
  e->display_(dc.get(), false_, false_);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), surface->pixels_()));
}

TEST_F(view_map, ContrastColour) {
  struct Case { int32_t back, colour, expected; };
  const Case cases[] = {
      {0, rgb_(128, 128, 128), 0},       {0, rgb_(127, 128, 128), 0xFFFFFF},
      {0, rgb_(255, 0, 0), 0xFFFFFF},    {0, rgb_(255, 255, 0), 0},
      {0, -1, 0xFFFFFF},                 {0xFFFFFF, -1, 0},
  };
  for (const Case& c : cases) {
    e->backcolor_(c.back);
    EXPECT_EQ(e->contrast_color_(c.colour), c.expected) << c.colour;
  }
}

TEST_F(view_map, PaperFactors) {
  struct Case { int32_t unit, scale; float expected; };
  const Case cases[] = {{0, 0, 1},   {1, 0, 0.1f},  {0, 4, 10},         {1, 4, 1},
                        {3, 11, 0.1f}, {6, 0, 0.03937008f}, {5, 0, 0.0032808399f}, {0, 19, 0.5f},
                        {7, 0, 1},   {0, 26, 1},    {0, -1, 1},         {4, 25, 1e-9f}};
  for (const Case& c : cases) EXPECT_FLOAT_EQ(zaz_class_::unit_scale_factor_(c.unit, c.scale), c.expected)
      << c.unit << "/" << c.scale;
}
