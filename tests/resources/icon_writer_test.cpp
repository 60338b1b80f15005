// The icon, pointer and PNG writers: what they write reads back exactly, in the classic layout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"
#include "platform/input/cursor.h"
#include "platform/services/picture_file.h"

namespace fs = std::filesystem;

namespace {

// A picture whose every pixel differs: colour from the position, alpha in steps, a transparent band.
picture_image_rec_ pattern(int w, int h) {
  picture_image_rec_ im;
  im.width = w;
  im.height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t a = x < 3 ? 0 : uint32_t(60 + (x * 7 + y * 3) % 196);
      im.argb.push_back(a == 0 ? 0 : (a << 24) | (uint32_t(x * 5 % 256) << 16) | (uint32_t(y * 9 % 256) << 8) | 0x40);
    }
  return im;
}

// Alpha and opaque pixels exactly; the colour of a translucent pixel within what the reader's
// premultiplied detour can keep of it.
::testing::AssertionResult same_picture(const picture_image_rec_& a, const picture_image_rec_& b) {
  if (a.width != b.width || a.height != b.height || a.argb.size() != b.argb.size())
    return ::testing::AssertionFailure() << "sizes differ";
  for (size_t i = 0; i < a.argb.size(); ++i) {
    const uint32_t p = a.argb[i], q = b.argb[i], alpha = p >> 24;
    bool same = alpha == (q >> 24);
    for (int s = 0; s <= 16 && same && alpha; s += 8) {
      const int d = std::abs(int((p >> s) & 0xFF) - int((q >> s) & 0xFF));
      same = alpha == 255 ? d == 0 : d <= int(255 / alpha) + 1;
    }
    if (!same) return ::testing::AssertionFailure() << "pixel " << i << ": " << std::hex << p << " vs " << q;
  }
  return ::testing::AssertionSuccess();
}

struct temp_dir {
  fs::path path = fs::temp_directory_path() / ("arvex_icon_writer_" + std::to_string(::getpid()));
  temp_dir() { fs::create_directories(path); }
  ~temp_dir() { fs::remove_all(path); }
  std::string file(const char* name) const { return (path / name).string(); }
};

}  // namespace

TEST(IconWriter, ImagesReadBackExactly) {
  temp_dir dir;
  const std::vector<picture_image_rec_> images = {pattern(16, 16), pattern(32, 32), pattern(48, 48), pattern(256, 256),
                                                  pattern(20, 12)};
  ASSERT_TRUE(save_icon_file_(dir.file("a.ico"), images));
  picture_rec_ back;
  ASSERT_TRUE(load_picture_file_(dir.file("a.ico"), back));
  ASSERT_EQ(back.images.size(), images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    EXPECT_TRUE(same_picture(back.images[i], images[i])) << i;
  }
}

TEST(IconWriter, ClassicLayoutWithAnAndMask) {
  temp_dir dir;
  const picture_image_rec_ im = pattern(40, 3);  // rows of the mask padded to 32 bits: 8 bytes
  ASSERT_TRUE(save_icon_file_(dir.file("m.ico"), {im}));
  const std::string bytes = *read_file_bytes_(dir.file("m.ico"));
  byte_reader_ r(bytes);
  EXPECT_EQ(r.get<uint16_t>(), 0);
  EXPECT_EQ(r.get<uint16_t>(), 1);  // an icon
  EXPECT_EQ(r.get<uint16_t>(), 1);
  EXPECT_EQ(r.get<uint8_t>(), 40);
  EXPECT_EQ(r.get<uint8_t>(), 3);
  r.skip(2);
  EXPECT_EQ(r.get<uint16_t>(), 1);   // planes
  EXPECT_EQ(r.get<uint16_t>(), 32);  // bits per pixel
  const uint32_t size = r.get<uint32_t>(), offset = r.get<uint32_t>();
  EXPECT_EQ(size, 40u + 40 * 3 * 4 + 8 * 3);
  EXPECT_EQ(offset, 22u);
  EXPECT_EQ(bytes.size(), offset + size);
  byte_reader_ h(std::string_view(bytes).substr(offset));
  EXPECT_EQ(h.get<uint32_t>(), 40u);
  EXPECT_EQ(h.get<int32_t>(), 40);
  EXPECT_EQ(h.get<int32_t>(), 6);  // colour and mask
  // Mask rows bottom-up: a set bit for each fully transparent pixel (the first three columns).
  const size_t mask = offset + 40 + 40 * 3 * 4;
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(uint8_t(bytes[mask + size_t(row) * 8]), 0xE0) << row;
    for (int b = 1; b < 8; ++b) EXPECT_EQ(bytes[mask + size_t(row) * 8 + size_t(b)], 0) << row;
  }
}

TEST(IconWriter, RefusesWhatTheLayoutCannotHoldAndKeepsTheOldFile) {
  temp_dir dir;
  const std::string path = dir.file("keep.ico");
  ASSERT_TRUE(save_file_atomic_(path, "old"));
  picture_image_rec_ short_pixels = pattern(16, 16);
  short_pixels.argb.pop_back();
  const std::vector<std::vector<picture_image_rec_>> refused = {
      {}, {pattern(257, 16)}, {pattern(16, 257)}, {picture_image_rec_{}}, {short_pixels}, {pattern(16, 16), short_pixels}};
  for (const auto& images : refused) EXPECT_FALSE(save_icon_file_(path, images)) << images.size();
  for (auto [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{32, 0}, std::pair{0, 32}})
    EXPECT_FALSE(save_cursor_file_(path, pattern(32, 32), x, y)) << x << "," << y;
  EXPECT_FALSE(save_png_file_(path, short_pixels));
  EXPECT_EQ(*read_file_bytes_(path), "old");
  EXPECT_FALSE(save_icon_file_(dir.file("no/such/folder/a.ico"), {pattern(16, 16)}));
}

TEST(IconWriter, PointerKeepsItsHotSpot) {
  temp_dir dir;
  for (auto [x, y] : {std::pair{0, 0}, std::pair{31, 31}, std::pair{5, 17}}) {
    ASSERT_TRUE(save_cursor_file_(dir.file("p.cur"), pattern(32, 32), x, y));
    int32_t hx = -1, hy = -1;
    ASSERT_TRUE(read_cursor_hotspot_(*read_file_bytes_(dir.file("p.cur")), hx, hy));
    EXPECT_EQ(hx, x);
    EXPECT_EQ(hy, y);
    picture_rec_ back;
    ASSERT_TRUE(load_picture_file_(dir.file("p.cur"), back));
    ASSERT_EQ(back.images.size(), 1u);
    EXPECT_TRUE(same_picture(back.images[0], pattern(32, 32)));
  }
}

TEST(IconWriter, PngReadsBackExactly) {
  temp_dir dir;
  const picture_image_rec_ im = pattern(33, 7);
  ASSERT_TRUE(save_png_file_(dir.file("s.png"), im));
  picture_rec_ back;
  ASSERT_TRUE(load_picture_file_(dir.file("s.png"), back));
  ASSERT_EQ(back.images.size(), 1u);
  EXPECT_EQ(back.images[0].argb, im.argb);
}
