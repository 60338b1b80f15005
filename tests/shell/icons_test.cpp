#include <filesystem>

#include "platform/core/binary_io.h"
#include "shell_fixture.h"

namespace {

constexpr uint32_t red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF;

// An icon file of 32-bit square images, each filled with its colour but for a green top-left pixel.
std::string icon_file(const std::vector<std::pair<int, uint32_t>>& images) {
  byte_writer_ w;
  w.put<uint16_t>(0);
  w.put<uint16_t>(1);
  w.put<uint16_t>(uint16_t(images.size()));
  uint32_t offset = 6 + 16 * uint32_t(images.size());
  std::string data;
  for (auto [size, fill] : images) {
    byte_writer_ im;
    for (uint32_t v : {40u, uint32_t(size), uint32_t(size * 2)}) im.put<uint32_t>(v);
    im.put<uint16_t>(1);
    im.put<uint16_t>(32);
    for (int i = 0; i < 6; ++i) im.put<uint32_t>(0);
    for (int y = size - 1; y >= 0; --y)  // rows bottom-up
      for (int x = 0; x < size; ++x) im.put<uint32_t>(x == 0 && y == 0 ? green : fill);
    int mask_row = ((size + 31) / 32) * 4;
    im.bytes(std::string(size_t(mask_row * size), '\0'));
    w.put<uint8_t>(uint8_t(size));
    w.put<uint8_t>(uint8_t(size));
    w.put<uint16_t>(0);
    w.put<uint16_t>(1);
    w.put<uint16_t>(32);
    w.put<uint32_t>(uint32_t(im.size()));
    w.put<uint32_t>(offset + uint32_t(data.size()));
    data += im.data();
  }
  return w.data() + data;
}

// A 24-bit bitmap file of one colour.
std::string bitmap_file(int width, int height, uint32_t fill) {
  int row = (width * 3 + 3) / 4 * 4;
  byte_writer_ w;
  w.bytes("BM");
  w.put<uint32_t>(uint32_t(54 + row * height));
  w.put<uint32_t>(0);
  w.put<uint32_t>(54);
  for (uint32_t v : {40u, uint32_t(width), uint32_t(height)}) w.put<uint32_t>(v);
  w.put<uint16_t>(1);
  w.put<uint16_t>(24);
  for (int i = 0; i < 6; ++i) w.put<uint32_t>(0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      for (int s : {0, 8, 16}) w.put<uint8_t>(uint8_t(fill >> s));
    w.bytes(std::string(size_t(row - width * 3), '\0'));
  }
  return w.data();
}

class icons : public shell_fixture {
 protected:
  void SetUp() override {
    shell_fixture::SetUp();
    folder = dir + "Icons";
    std::filesystem::create_directory(folder);
    write("Icons/two.ico", icon_file({{16, red}, {32, blue}}));
    write("Icons/plain.bmp", bitmap_file(5, 3, blue));
    write("Icons/sub plain.bmp", bitmap_file(2, 2, red));
    write("Icons/junk.ico", "not a picture at all");
    write("outside.bmp", bitmap_file(2, 2, red));
  }
  std::string folder;
};

TEST_F(icons, OneNameLoadsBothPicturesWithAllSizes) {
  int32_t id = add_icon_(folder, "", " two.ico ", 0, 0);
  ASSERT_EQ(id, 2);  // the first id is 2; entry 1 stays empty
  const icon_entry_rec_* e = icon_entry_(id);
  ASSERT_NE(e, nullptr);
  for (const picture_rec_* p : {&e->small_picture, &e->large_picture}) {
    ASSERT_EQ(p->images.size(), 2u);
    const picture_image_rec_* small = p->image_for_size_(16);
    const picture_image_rec_* large = p->image_for_size_(48);
    ASSERT_TRUE(small && large);
    EXPECT_EQ(small->width, 16);
    EXPECT_EQ(large->width, 32);
    EXPECT_EQ(small->pixel_(0, 0), green);
    EXPECT_EQ(small->pixel_(15, 15), red);
    EXPECT_EQ(large->pixel_(1, 0), blue);
    EXPECT_EQ(large->pixel_(32, 0), 0u);
  }
}

TEST_F(icons, IdsGrowAndSizesAreWhatWasGiven) {
  EXPECT_EQ(add_icon_(folder + "/", "plain.bmp", "", 5, 7), 2);
  EXPECT_EQ(add_icon_(folder, "plain.bmp", "two.ico", 0, 0), 3);
  EXPECT_EQ(icon_entry_(2)->large_picture.images.at(0).width, 5);
  struct size_case { int32_t id, width, height; };
  for (size_case c : {size_case{2, 5, 7}, size_case{3, 0, 0}, size_case{1, 0, 0},
                      size_case{4, 0, 0}, size_case{0, 0, 0}, size_case{-1, 0, 0}}) {
    int32_t w = -9, h = -9;
    get_icon_size_(c.id, w, h);
    EXPECT_EQ(w, c.width) << c.id;
    EXPECT_EQ(h, c.height) << c.id;
  }
}

TEST_F(icons, FailuresAddNothingAndNamesStayInTheFolder) {
  struct add_case { const char* small; const char* large; int32_t expected; };
  const add_case cases[] = {
      {"missing.ico", "", 0}, {"", "", 0},   {"junk.ico", "", 0}, {"two.ico", "missing.ico", 0},
      {"../outside.bmp", "", 0},            // becomes ".. outside.bmp" in the folder
      {"sub\\plain.bmp", "", 2},            // becomes "sub plain.bmp"
  };
  for (const add_case& c : cases) {
    SCOPED_TRACE(c.small);
    EXPECT_EQ(add_icon_(folder, c.small, c.large, 0, 0), c.expected);
  }
  EXPECT_EQ(icon_table_upper_(), 2);
}

}  // namespace
