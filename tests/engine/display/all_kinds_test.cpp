// A drawing with every object kind, painted, written out as a PNG for people to look at,
// and checked by the colours at places each object must cover.
#include <cstdio>
#include <fstream>
#include <string>

#include "display_fixture.h"

namespace {

uint32_t crc32(const std::string& bytes) {
  uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : bytes) {
    c ^= b;
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

void put32(std::string& s, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) s += char((v >> shift) & 0xFF);
}

void chunk(std::string& out, const char* type, const std::string& data) {
  put32(out, uint32_t(data.size()));
  const std::string body = std::string(type, 4) + data;
  out += body;
  put32(out, crc32(body));
}

// An RGB PNG with stored (uncompressed) deflate blocks: plain, and enough for a picture.
bool write_png(const surface_& s, const std::string& path) {
  std::string raw;
  for (int32_t y = 0; y < s.height_(); ++y) {
    raw += '\0';
    for (int32_t x = 0; x < s.width_(); ++x) {
      const uint32_t c = s.colour_(x, y);
      raw += char(red_of_(c)), raw += char(green_of_(c)), raw += char(blue_of_(c));
    }
  }
  std::string z = "\x78\x01";
  for (size_t pos = 0; pos < raw.size() || pos == 0; pos += 65535) {
    const size_t n = std::min<size_t>(65535, raw.size() - pos);
    z += char(pos + n >= raw.size() ? 1 : 0);
    z += char(n & 0xFF), z += char(n >> 8), z += char(~n & 0xFF), z += char((~n >> 8) & 0xFF);
    z.append(raw, pos, n);
    if (pos + n >= raw.size()) break;
  }
  uint32_t a = 1, b = 0;
  for (unsigned char ch : raw) a = (a + ch) % 65521, b = (b + a) % 65521;
  put32(z, (b << 16) | a);
  std::string ihdr;
  put32(ihdr, uint32_t(s.width_()));
  put32(ihdr, uint32_t(s.height_()));
  ihdr += std::string("\x08\x02\x00\x00\x00", 5);
  std::string png = "\x89PNG\r\n\x1a\n";
  chunk(png, "IHDR", ihdr);
  chunk(png, "IDAT", z);
  chunk(png, "IEND", "");
  std::ofstream f(path, std::ios::binary);
  f.write(png.data(), std::streamsize(png.size()));
  return bool(f);
}

}  // namespace


class all_kinds : public display_ {
 protected:
  int32_t count(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t c) const {
    int32_t n = 0;
    for (int32_t y = y1; y < y2; ++y)
      for (int32_t x = x1; x < x2; ++x) n += at(x, y) == c;
    return n;
  }
};

TEST_F(all_kinds, RendersEveryKindWhereItBelongs) {
  ASSERT_EQ(e->font_load_defaults_(std::string(ARVEX_BINARY_DIR) + "/bin"), 2);
  resize(400, 300);
  view(0, 0, 1);
  // Colours, one per kind (0x00BBGGRR); pixel = (x + 200, 150 - y).
  const uint32_t c[17] = {0,        0x0000C0, 0x00C000, 0xC00000, 0x008080, 0x800080, 0x808000, 0x404080,
                          0x408040, 0x804040, 0x2060A0, 0xA06020, 0x6020A0, 0x20A060, 0xA02060, 0x60A020, 0};
  const uint32_t fill5 = 0x30D0F0, fill7 = 0xF0D030, fill8 = 0xD030F0;
  e->add_point_(-180, 130, 1, 5, int32_t(c[1]));
  e->add_line_(-150, 130, -100, 130, int32_t(c[2]));
  for (auto [x, y] : {std::pair{-80.f, 120.f}, {-60.f, 140.f}, {-40.f, 120.f}}) e->vertex_add_(x, y);
  ASSERT_GT(e->add_curve_(false_, int32_t(c[3])), 0);
  e->vertex_clear_();
  for (auto [x, y] : {std::pair{-20.f, 120.f}, {20.f, 120.f}, {20.f, 140.f}}) e->vertex_add_(x, y);
  ASSERT_GT(e->add_polyline_(int32_t(c[4])), 0);
  e->add_rect_(40, 110, 80, 140, int32_t(c[5]), int32_t(fill5));
  e->add_arc_(130, 120, 15, 15, 0, 0, 180, int32_t(c[6]));
  e->add_circle_(-150, 50, 20, int32_t(c[7]), int32_t(fill7));
  e->add_ellipse_(-80, 50, 25, 10, 30, int32_t(c[8]), int32_t(fill8));
  e->vertex_clear_();
  for (auto [x, y] : {std::pair{-20.f, 30.f}, {20.f, 30.f}, {20.f, 70.f}, {-20.f, 70.f}}) e->vertex_add_(x, y);
  ASSERT_GT(e->add_hatch_(1, 1, 45, int32_t(c[9])), 0);
  ASSERT_GT(e->add_text_("AB", 1, 40, 40, 20, 1, 0, int32_t(c[10])), 0);
  // A solid picture of its own for the image.
  surface_ swatch(4, 4);
  swatch.fill_colour_(0xFF00FF);
  const std::string image_path = std::string(ARVEX_BINARY_DIR) + "/display_swatch.png";
  ASSERT_TRUE(write_png(swatch, image_path));
  ASSERT_GT(e->add_image_(image_path, 100, 70, 40, 30), 0);
  ASSERT_EQ(e->dimstyle_add_("standard"), 1);
  e->dimstyles_prop_(1, 23, value_::of(1));  // texts in the first font
  ASSERT_GT(e->add_dimh_(1, -180, -60, -120, -60, -150, -40, 0, int32_t(c[12]), 0, 1, 1, ""), 0);
  ASSERT_GT(e->add_dima_(1, -80, -100, -40, -100, -80, -60, 0, int32_t(c[13]), 0, 1, 1, ""), 0);
  e->vertex_clear_();
  for (auto [x, y] : {std::pair{0.f, -60.f}, {30.f, -40.f}, {60.f, -40.f}}) e->vertex_add_(x, y);
  ASSERT_GT(e->add_ref_(1, "R", int32_t(c[14]), 0, 1, 1), 0);
  const int32_t member = e->add_line_(0, 0, 30, 0, color_by_block_);
  e->select_clear_();
  e->select_record_(member, true_);
  ASSERT_EQ(e->block_create_("b", 0, 0, false_), 1);
  e->add_block_(1, 100, -60, 1, 1, 0, int32_t(c[15]));
  e->add_bgroup_(150, -130, 190, -90, "G");
  e->select_clear_();
  paint();
  EXPECT_TRUE(write_png(*surface, std::string(ARVEX_BINARY_DIR) + "/display_all_kinds.png"));

  EXPECT_EQ(at(23, 20), c[1]);                                    // point arm
  EXPECT_EQ(at(70, 20), c[2]);                                    // line
  EXPECT_EQ(at(120, 30), c[3]);                                   // curve starts at its first point
  EXPECT_EQ(at(200, 30), c[4]);                                   // polyline
  EXPECT_EQ(at(260, 25), fill5);                                  // polygon inside
  EXPECT_EQ(at(240, 25), c[5]);                                   // and its edge
  EXPECT_EQ(at(330, 15), c[6]);                                   // top of the arc
  EXPECT_EQ(at(330, 25), 0xFFFFFFu);                              // an open arc has no inside
  EXPECT_EQ(at(50, 100), fill7);                                  // circle
  EXPECT_EQ(at(120, 100), fill8);                                 // ellipse
  EXPECT_GT(count(181, 81, 219, 119, c[9]), 20);                  // hatch lines inside
  EXPECT_EQ(count(150, 70, 179, 130, c[9]), 0);                   // and none outside
  EXPECT_GT(count(235, 85, 300, 115, c[10]), 10);                 // text glyphs
  EXPECT_EQ(at(320, 65), 0xFF00FFu);                              // image (70 to 100 high)
  EXPECT_GT(count(15, 95, 85, 215, c[12]), 40);                   // dimension
  EXPECT_GT(count(110, 180, 170, 255, c[13]), 40);                // angular dimension
  EXPECT_GT(count(195, 175, 270, 215, c[14]), 40);                // reference
  EXPECT_EQ(at(315, 210), c[15]);                                 // block insert member
  EXPECT_GT(count(345, 235, 395, 285, rgb_(255, 150, 0)), 40);    // block group frame
}
