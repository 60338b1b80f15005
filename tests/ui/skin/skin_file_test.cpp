// Skin files: payload scrambling, header checks that keep the earlier skin, the loaded flag,
// the choice of file by setting, and the program's own skins.
#include "ui/skin/skin_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/core/file_io.h"
#include "platform/services/picture_file.h"
#include "platform/services/settings_backend.h"
#include "shell/colors.h"
#include "shell/program_dir.h"
#include "shell/settings.h"
#include "support/test_skin.h"
#include "ui/skin/skin_atlas.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/sprites.h"

namespace {

class skin_file : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "arvex-skin-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir = tmpl + "/";
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  std::string write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir + name, std::ios::binary) << bytes;
    return dir + name;
  }
  static std::string header(int32_t a, int32_t b, int32_t c) {
    std::string h;
    for (int32_t v : {a, b, c})
      for (int i = 0; i < 4; ++i) h += char(uint32_t(v) >> (8 * i) & 0xFF);
    return h;
  }
  std::string dir;
};

TEST_F(skin_file, scrambling_flips_even_offsets_of_each_payload) {
  std::string p("\x10\x20\x30", 3);
  scramble_skin_payload_(p);
  EXPECT_EQ(p, std::string("\xEF\x20\xCF", 3));
  scramble_skin_payload_(p);
  EXPECT_EQ(p, std::string("\x10\x20\x30", 3));
  // Counting restarts at every payload: the second payload's first byte is flipped too.
  const std::string file = make_skin_file_(std::string("\x10\x20\x30", 3), std::string("\x10", 1), "A");
  EXPECT_EQ(file, header(3, 1, 1) + std::string("\xEF\x20\xCF\xEF\xBE", 5));
}

TEST_F(skin_file, bad_headers_load_nothing_and_keep_the_earlier_skin) {
  ASSERT_TRUE(load_test_skin_());
  const sprite9_set_rec_ face = button_face_sprites_[1];
  const int32_t text_colour = skin_palette_.color_btn_text_act;
  const surface_ picture = skin_picture_;
  const std::string good = read_file_bytes_(test_skin_path_()).value();
  const std::string body = good.substr(12);
  const int32_t s1 = int32_t(body.size()) - 20;
  const std::string files[] = {
      header(5, 0, 7) + body,            // a zero size
      header(-4, 10, 10) + body,         // a negative one
      header(s1, 10, 11) + body,         // one byte past the end
      header(1 << 30, 1 << 30, 1 << 30) + body,  // far past it (no allocation is tried)
      good.substr(0, 11),                // shorter than the header
      "",
  };
  for (const std::string& bytes : files) {
    load_skin_file_(write("bad.skin", bytes));
    EXPECT_EQ(skin_loaded_, 0);
    EXPECT_EQ(button_face_sprites_[1], face);
    EXPECT_EQ(skin_palette_.color_btn_text_act, text_colour);
    EXPECT_EQ(skin_picture_.width_(), picture.width_());
  }
  load_skin_file_(dir + "missing.skin");
  EXPECT_EQ(skin_loaded_, 0);
  EXPECT_FALSE(std::filesystem::exists(dir + "missing.skin"));
}

TEST_F(skin_file, flag_needs_both_pictures) {
  ASSERT_TRUE(load_test_skin_());
  // Well-formed sizes but payloads that are no pictures: the atlas loader fails, no flag.
  load_skin_file_(write("junk.skin", make_skin_file_("not a bitmap", "not a png", "color_bgmenu = #010203")));
  EXPECT_EQ(skin_loaded_, 0);
  EXPECT_FALSE(skin_picture_loaded_());
  // A good picture with no alpha atlas keeps the rectangles of the earlier skin.
  const std::string good = read_file_bytes_(test_skin_path_()).value();
  ASSERT_TRUE(load_test_skin_());
  const sprite9_set_rec_ face = button_face_sprites_[1];
  int32_t bmp_size = 0;
  std::memcpy(&bmp_size, good.data(), 4);
  std::string bmp = good.substr(12, size_t(bmp_size));
  scramble_skin_payload_(bmp);
  clear_sprite_families_();
  load_skin_file_(write("half.skin", make_skin_file_(bmp, "no png", "color_bgmenu = #010203")));
  EXPECT_EQ(skin_loaded_, 0);
  EXPECT_TRUE(skin_picture_loaded_());
  EXPECT_EQ(skin_palette_.color_bgmenu, 0x030201);
  EXPECT_EQ(button_face_sprites_[1], sprite9_set_rec_{});
  ASSERT_TRUE(load_test_skin_());
  EXPECT_EQ(button_face_sprites_[1], face);
}

TEST_F(skin_file, setting_chooses_the_file) {
  set_program_dir_(dir);
  set_user_settings_folder_(dir + "user");
  struct {
    const char* stored;  // nullptr: no setting
    const char* file;
  } cases[] = {{nullptr, "skins/blue.skin"}, {"2", "skins/black.skin"}, {"1", "skins/silver.skin"},
               {"3", "skins/blue.skin"},     {"0", "skins/blue.skin"},  {"7", "skins/blue.skin"}};
  for (const auto& c : cases) {
    if (c.stored) {
      ASSERT_TRUE(save_setting_("kalvinor.common", "GUI", "Skin", c.stored));
    }
    select_skin_file_();
    EXPECT_EQ(skin_file_path_, dir + c.file) << (c.stored ? c.stored : "none");
  }
  set_program_dir_("");
  set_user_settings_folder_("");
}

TEST_F(skin_file, payload_pictures_keep_exact_colours) {
  picture_image_rec_ im;
  im.width = 5;
  im.height = 3;
  for (int i = 0; i < 15; ++i) im.argb.push_back(i == 7 ? 0xFFFF0000u : 0xFF000000u | uint32_t(i * 0x0A0B0C));
  const std::string bmp = encode_bmp24_(im);
  ASSERT_GT(bmp.size(), 30u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(uint8_t(bmp[28]), 24);  // bits per pixel
  picture_image_rec_ back;
  ASSERT_TRUE(decode_picture_bytes_(bmp, back));
  EXPECT_EQ(back.argb, im.argb);
  im.argb[3] = 0x40102030u;  // partly transparent survives only in PNG
  ASSERT_TRUE(decode_picture_bytes_(encode_png_(im), back));
  EXPECT_EQ(back.argb, im.argb);
  EXPECT_FALSE(decode_picture_bytes_("BM not really", back));
  EXPECT_FALSE(decode_picture_bytes_(encode_png_(im), back, 4));  // wider than allowed
  EXPECT_TRUE(back.argb.empty());
  EXPECT_TRUE(encode_png_(picture_image_rec_{}).empty());
}

TEST_F(skin_file, parts_load_from_three_files) {
  const std::string good = read_file_bytes_(test_skin_path_()).value();
  int32_t size[3];
  std::memcpy(size, good.data(), 12);
  std::string part[3];
  size_t at = 12;
  for (int i = 0; i < 3; ++i) {
    part[i] = good.substr(at, size_t(size[i]));
    scramble_skin_payload_(part[i]);
    at += size_t(size[i]);
  }
  clear_sprite_families_();
  EXPECT_EQ(load_skin_parts_(write("p.bmp", part[0]), write("a.png", part[1]), write("t.txt", part[2])), -1);
  EXPECT_EQ(button_face_sprites_[1].part[1], (sprite_rect_rec_{772, 471, 3, 3}));
  // An atlas far larger than any skin needs is refused before it is decoded.
  picture_image_rec_ huge;
  huge.width = 5000;
  huge.height = 1;
  huge.argb.assign(5000, 0xFF808080u);
  EXPECT_EQ(load_skin_parts_(write("p.bmp", part[0]), write("a.png", encode_png_(huge)), write("t.txt", part[2])), 0);
  EXPECT_EQ(load_skin_parts_(dir + "none.bmp", write("a.png", part[1]), write("t.txt", part[2])), 0);
  EXPECT_FALSE(skin_picture_loaded_());
}

TEST_F(skin_file, image_file_drawn_unscaled_from_its_corner) {
  picture_image_rec_ im;
  im.width = im.height = 4;
  for (int i = 0; i < 16; ++i) im.argb.push_back(0xFF000000u | uint32_t(0x101010 * (i + 1)));
  const std::string path = write("splash.png", encode_png_(im));
  surface_ s(6, 6);
  s.fill_colour_(0x0000FF);
  dc_ d(s);
  draw_image_file_(d, path, 3, 2);
  for (int32_t y = 0; y < 6; ++y)
    for (int32_t x = 0; x < 6; ++x)
      EXPECT_EQ(s.argb_(x, y), x < 3 && y < 2 ? im.argb[size_t(y * 4 + x)] : 0xFFFF0000u) << x << "," << y;
  draw_image_file_(d, dir + "missing.png", 3, 2);
  EXPECT_EQ(s.argb_(0, 0), im.argb[0]);
}

// Relative luminance contrast of two colours 0x00BBGGRR.
double contrast(uint32_t a, uint32_t b) {
  auto lum = [](uint32_t c) {
    auto lin = [](double v) { v /= 255; return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c & 0xFF) + 0.7152 * lin(c >> 8 & 0xFF) + 0.0722 * lin(c >> 16 & 0xFF);
  };
  double x = lum(a) + 0.05, y = lum(b) + 0.05;
  return x > y ? x / y : y / x;
}

TEST_F(skin_file, program_skins_load_with_readable_text) {
  for (const char* name : {"silver.skin", "black.skin", "blue.skin"}) {
    SCOPED_TRACE(name);
    load_skin_file_(real_skin_path_(name));
    ASSERT_EQ(skin_loaded_, -1);
    const skin_palette_rec_& p = skin_palette_;
    // The text names every colour and every table entry the program reads.
    const std::string file = read_file_bytes_(real_skin_path_(name)).value();
    int32_t size[3];
    std::memcpy(size, file.data(), 12);
    std::string text = file.substr(12 + size_t(size[0]) + size_t(size[1]), size_t(size[2]));
    scramble_skin_payload_(text);
    const skin_colour_key_rec_* keys = skin_colour_keys_();
    for (int32_t i = 0; i < skin_colour_key_count_; ++i)
      EXPECT_NE(text.find(std::string(keys[i].key) + " = #"), std::string::npos) << keys[i].key;
    for (int e : {0, 3, 4, 7, 10, 11, 16, 18, 20, 21, 22, 24})
      EXPECT_NE(text.find("\n." + std::to_string(e) + " = #"), std::string::npos) << e;
    // Nothing is painted outside the table's rectangles.
    surface_ covered(skin_picture_.width_(), skin_picture_.height_());
    int32_t stray = 0;
    for (const sprite_entry_rec_& e : sprite_entries_())
      if (!e.alpha_only)
        for (int32_t y = 0; y < e.rect.height; ++y)
          for (int32_t x = 0; x < e.rect.width; ++x) covered.set_colour_(e.rect.x + x, e.rect.y + y, 1);
    for (int32_t y = 0; y < covered.height_(); ++y)
      for (int32_t x = 0; x < covered.width_(); ++x)
        stray += covered.colour_(x, y) != 1 && skin_picture_.colour_(x, y) != 0x0000FFu;
    EXPECT_EQ(stray, 0);
    EXPECT_GE(p.color_bshadow1, 0);
    EXPECT_GE(p.color_bshadow2, 0);
    // Button captions on every push-button face, at its centre.
    for (int m = 1; m <= 3; ++m) {
      const sprite_rect_rec_& r = button_face_sprites_[m].part[5];
      EXPECT_GE(contrast(uint32_t(p.color_btn_text_act), skin_picture_.colour_(r.x + r.width / 2, r.y + r.height / 2)), 4.5);
    }
    // Menu rows on the popup and under the hover box; the row painter blends the two text colours.
    const uint32_t menu_text = uint32_t(p.color_menu_text_std);
    const sprite_rect_rec_& hover = menu_row_sprites_[1].part[5];
    EXPECT_GE(contrast(menu_text, uint32_t(p.color_popup_menu)), 4.5);
    EXPECT_GE(contrast(menu_text, skin_picture_.colour_(hover.x + 5, hover.y + hover.height / 2)), 4.5);
    EXPECT_GE(contrast(uint32_t(p.color_btn_text_act), uint32_t(p.color_popup_menu)), 4.5);
    // Dialog text on the dialog background.
    EXPECT_GE(contrast(uint32_t(skin_color_(21)), uint32_t(skin_color_(20))), 4.5);
  }
}

}  // namespace
