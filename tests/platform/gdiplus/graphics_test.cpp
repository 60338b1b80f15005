#include "platform/gdiplus/graphics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr uint32_t white = rgb_(255, 255, 255);

std::string write_temp(const std::string& name, const std::vector<uint8_t>& bytes) {
  const auto path = std::filesystem::temp_directory_path() / ("arvex_gp_" + std::to_string(::getpid()) + "_" + name);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path.string();
}

void put16(std::vector<uint8_t>& b, uint32_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); }
void put32(std::vector<uint8_t>& b, uint32_t v) { put16(b, v & 0xFFFF); put16(b, v >> 16); }

// A 24-bit bottom-up BMP of width x height pixels from a colour function (0x00BBGGRR).
template <class F>
std::vector<uint8_t> bmp(int32_t width, int32_t height, F colour) {
  const uint32_t row = uint32_t((width * 3 + 3) & ~3);
  std::vector<uint8_t> b{'B', 'M'};
  put32(b, 54 + row * uint32_t(height)); put32(b, 0); put32(b, 54);
  put32(b, 40); put32(b, uint32_t(width)); put32(b, uint32_t(height)); put16(b, 1); put16(b, 24);
  put32(b, 0); put32(b, row * uint32_t(height)); put32(b, 2835); put32(b, 2835); put32(b, 0); put32(b, 0);
  for (int32_t y = height - 1; y >= 0; --y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t c = colour(x, y);
      b.push_back(blue_of_(c)); b.push_back(green_of_(c)); b.push_back(red_of_(c));
    }
    for (uint32_t pad = uint32_t(width) * 3; pad < row; ++pad) b.push_back(0);
  }
  return b;
}

const std::vector<uint8_t> png_2x1 = {  // red opaque, blue at alpha 128
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xf4, 0x22, 0x7f, 0x8a, 0x00, 0x00, 0x00,
    0x0e, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8, 0xcf, 0xc0, 0x00, 0x42, 0x0d, 0x00, 0x0f, 0x7a, 0x03,
    0x7e, 0x77, 0xe9, 0x7f, 0x97, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
const std::vector<uint8_t> gif_1x1 = {  // one red pixel
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00,
    0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};

std::vector<uint8_t> ico_of_png(const std::vector<uint8_t>& png) {
  std::vector<uint8_t> b;
  put16(b, 0); put16(b, 1); put16(b, 1);
  b.insert(b.end(), {2, 1, 0, 0});
  put16(b, 1); put16(b, 32); put32(b, uint32_t(png.size())); put32(b, 22);
  b.insert(b.end(), png.begin(), png.end());
  return b;
}

}  // namespace

TEST(Graphics, AliasedLinesHaveNoInBetweenColours) {
  for (bool smooth : {false, true}) {
    surface_ s(60, 60);
    {
      graphics_ g(s);
      ASSERT_TRUE(g.valid_());
      g.set_smoothing_(smooth);
      g.draw_line_({0xFFFFFFFFu, 1.0f}, 5.0f, 5.0f, 50.0f, 31.0f);
    }
    int32_t full = 0, partial = 0;
    for (int32_t y = 0; y < 60; ++y)
      for (int32_t x = 0; x < 60; ++x) {
        const uint32_t c = s.colour_(x, y);
        full += c == white;
        partial += c != white && c != 0;
      }
    EXPECT_GT(full + partial, 40);
    if (smooth) {
      EXPECT_GT(partial, 0);
    } else {
      EXPECT_EQ(partial, 0);
    }
  }
}

TEST(Graphics, TranslucentPolygonBlendsOverTheSurface) {
  surface_ s(40, 40);
  s.fill_colour_(white);
  graphics_ g(s);
  const pixel_point_ tri[] = {{2, 2}, {38, 2}, {20, 38}};
  g.fill_polygon_(gp_colour_(rgb_(255, 0, 0), 128), tri, 3);
  const uint32_t c = s.colour_(20, 10);
  EXPECT_EQ(red_of_(c), 255);
  EXPECT_NEAR(green_of_(c), 127, 1);
  EXPECT_NEAR(blue_of_(c), 127, 1);
  EXPECT_EQ(s.colour_(1, 30), white);
  EXPECT_EQ(s.argb_(20, 10) >> 24, 255u);  // the surface stays opaque
}

TEST(Graphics, DashedWidePenLeavesGaps) {
  for (gp_dash_ dash : {gp_dash_::solid_, gp_dash_::dash_, gp_dash_::dot_, gp_dash_::dash_dot_}) {
    surface_ s(100, 10);
    graphics_ g(s);
    gp_pen_ pen{0xFFFFFFFFu, 2.0f, dash, gp_join_::bevel_};
    g.draw_line_(pen, 0.0f, 5.0f, 100.0f, 5.0f);
    int32_t gaps = 0;
    for (int32_t x = 0; x < 90; ++x) gaps += s.colour_(x, 5) == 0;
    if (dash == gp_dash_::solid_) {
      EXPECT_EQ(gaps, 0);
    } else {
      EXPECT_GT(gaps, 10) << int(dash);
    }
  }
}

// Each source pixel's centre, carried by the affine map of the three points, lands on a
// destination pixel of that source pixel's colour.
TEST(Graphics, ImageOnThreePointsLandsWhereTheAffineMapSays) {
  surface_ px(4, 2);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 4; ++x) px.set_colour_(x, y, rgb_(uint8_t(40 + 50 * x), uint8_t(100 * y), 200));
  image_ img;
  img.assign_(px);
  struct map_case { const char* name; gp_point_ p[3]; };
  const map_case cases[] = {
      {"scale", {{10, 10}, {26, 10}, {10, 18}}},
      {"rotate", {{40, 10}, {40, 26}, {32, 10}}},
      {"mirror", {{30, 10}, {14, 10}, {30, 18}}},
      {"shear", {{10, 10}, {26, 10}, {14, 18}}},
      {"flip", {{10, 30}, {26, 30}, {10, 22}}},
  };
  for (const map_case& c : cases) {
    surface_ s(60, 60);
    {
      graphics_ g(s);
      g.set_smooth_images_(false);
      g.draw_image_points_(img, c.p);
    }
    SCOPED_TRACE(c.name);
    for (int32_t v = 0; v < 2; ++v)
      for (int32_t u = 0; u < 4; ++u) {
        const double fu = (u + 0.5) / 4.0, fv = (v + 0.5) / 2.0;
        const double x = c.p[0].x + fu * (c.p[1].x - c.p[0].x) + fv * (c.p[2].x - c.p[0].x);
        const double y = c.p[0].y + fu * (c.p[1].y - c.p[0].y) + fv * (c.p[2].y - c.p[0].y);
        EXPECT_EQ(s.colour_(int32_t(std::floor(x)), int32_t(std::floor(y))), px.colour_(u, v)) << u << "," << v;
      }
  }
}

TEST(Graphics, AlphaImageIntoRectangleKeepsItsTransparency) {
  surface_ px(2, 1, surface_kind_::alpha_);
  px.set_argb_(0, 0, 0xFFFF0000u);
  px.set_argb_(1, 0, 0x00000000u);
  image_ img;
  img.assign_(px);
  surface_ s(20, 10);
  s.fill_colour_(rgb_(0, 0, 255));
  graphics_ g(s);
  g.draw_image_rect_(img, 0, 0, 20, 10, 0, 0, 2, 1);
  EXPECT_EQ(s.colour_(4, 5), rgb_(255, 0, 0));
  EXPECT_EQ(s.colour_(15, 5), rgb_(0, 0, 255));
}

TEST(Image, LoadsEachPictureFormatWithItsPixelSize) {
  struct file_case { const char* name; std::vector<uint8_t> bytes; int32_t w, h; uint32_t first; };
  const file_case cases[] = {
      {"a.bmp", bmp(3, 2, [](int32_t x, int32_t y) { return rgb_(uint8_t(x * 100), uint8_t(y * 200), 7); }), 3, 2,
       0xFF000007u},
      {"a.png", png_2x1, 2, 1, 0xFFFF0000u},
      {"a.gif", gif_1x1, 1, 1, 0xFFFF0000u},
      {"a.ico", ico_of_png(png_2x1), 2, 1, 0xFFFF0000u},
      {"png_named.bmp", png_2x1, 2, 1, 0xFFFF0000u},  // the content decides
  };
  for (const file_case& c : cases) {
    const std::string path = write_temp(c.name, c.bytes);
    image_ img;
    EXPECT_TRUE(img.load_(path)) << c.name;
    EXPECT_EQ(img.width_(), c.w) << c.name;
    EXPECT_EQ(img.height_(), c.h) << c.name;
    EXPECT_EQ(img.pixels_().argb_(0, 0), c.first) << c.name;
    std::filesystem::remove(path);
    image_ from_memory;
    EXPECT_TRUE(from_memory.load_bytes_({reinterpret_cast<const char*>(c.bytes.data()), c.bytes.size()})) << c.name;
    EXPECT_EQ(from_memory.pixels_().argb_(0, 0), c.first) << c.name;
  }
  const std::string png = write_temp("alpha.png", png_2x1);
  image_ img;
  ASSERT_TRUE(img.load_(png));
  EXPECT_EQ(img.pixels_().argb_(1, 0), 0x80000080u);  // premultiplied half-transparent blue
  std::filesystem::remove(png);
}

TEST(Image, DamagedOrHugeFilesFailCleanly) {
  std::vector<uint8_t> truncated_png(png_2x1.begin(), png_2x1.begin() + 30);
  std::vector<uint8_t> huge = bmp(1, 1, [](int32_t, int32_t) { return 0u; });
  huge[18] = 0xFF; huge[19] = 0xFF; huge[20] = 0xFF; huge[21] = 0x00;  // 16 million pixels wide
  const std::vector<std::vector<uint8_t>> bad = {{}, {'B', 'M', 1, 2, 3}, truncated_png, huge,
                                                 std::vector<uint8_t>(200, 0xAB)};
  image_ img;
  for (size_t i = 0; i < bad.size(); ++i) {
    const std::string path = write_temp("bad" + std::to_string(i), bad[i]);
    EXPECT_FALSE(img.load_(path)) << i;
    EXPECT_TRUE(img.empty_());
    EXPECT_FALSE(img.load_bytes_({reinterpret_cast<const char*>(bad[i].data()), bad[i].size()})) << i;
    std::filesystem::remove(path);
  }
  EXPECT_FALSE(img.load_("/nonexistent/folder/picture.png"));
}

TEST(Graphics, MillimetrePagesWithUpwardYAsPrintingSetsThemUp) {
  surface_ s(100, 100);  // 100 px at 96 dpi is 26.458 mm
  graphics_ g(s);
  g.set_page_unit_(gp_unit_::millimetre_);
  // Applied to points first: flip y, then move the origin to the bottom edge.
  g.translate_world_(0.0, 100.0 * 25.4 / 96.0);
  g.scale_world_(1.0, -1.0);
  g.fill_rectangle_(gp_colour_(rgb_(255, 255, 255)), 0.0f, 0.0f, 10.0f, 5.0f);
  // 10 mm = 37.8 px wide, 5 mm = 18.9 px high, standing on the bottom-left corner.
  EXPECT_EQ(s.colour_(1, 98), rgb_(255, 255, 255));
  EXPECT_EQ(s.colour_(36, 82), rgb_(255, 255, 255));
  EXPECT_EQ(s.colour_(39, 98), 0u);
  EXPECT_EQ(s.colour_(1, 79), 0u);
}

TEST(Graphics, PathsFillByTheAlternateRule) {
  surface_ s(40, 40);
  graphics_ g(s);
  gp_path_ path;
  const gp_point_ outer[] = {{2, 2}, {38, 2}, {38, 38}, {2, 38}};
  const gp_point_ inner[] = {{12, 12}, {28, 12}, {28, 28}, {12, 28}};
  path.add_polygon_(outer, 4);
  path.add_polygon_(inner, 4);
  g.fill_path_(0xFFFFFFFFu, path);
  EXPECT_EQ(s.colour_(6, 20), rgb_(255, 255, 255));
  EXPECT_EQ(s.colour_(20, 20), 0u);  // the hole
  g.fill_path_(0xFFFF0000u, path, fill_mode_::winding_);
  EXPECT_EQ(s.colour_(20, 20), rgb_(255, 0, 0));
  gp_path_ open;
  const gp_point_ curve[] = {{0, 30}, {10, 0}, {30, 0}, {40, 30}};
  open.add_beziers_(curve, 4);
  EXPECT_EQ(open.elements_().size(), 4u);
  EXPECT_TRUE(open.closed_ends_().empty());
}
