// The push button driven as a user drives it: injected presses, moves, releases and keys.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/input/key_codes.h"
#include "support/test_skin.h"
#include "ui/skin/skin_palette.h"
#include "ui/controls/button/button.h"
#include "ui/controls/xc_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

struct button_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    host = make_host_();
    button = std::make_unique<xcbutton_>(*host, 20, 20, 100, 23, "&Save");
    button->Click = [this] { ++clicks; };
    button->BtnDraw = [this](dc_&, int32_t px, int32_t py, int32_t sx, int32_t sy) {
      draws.push_back({px, py, sx, sy});
      const int32_t f = button->state_().face;
      if (faces.empty() || faces.back() != f) faces.push_back(f);
    };
  }
  window_& win() { return *button->win_(); }

  std::unique_ptr<window_> host;
  std::unique_ptr<xcbutton_> button;
  int clicks = 0;
  std::vector<int32_t> faces;
  std::vector<std::array<int32_t, 4>> draws;
};

TEST_F(button_fixture, drag_out_and_back_in_clicks_once) {
  faces.clear();
  press_at_(win(), 10, 10);
  move_at_(win(), 150, 10);
  move_at_(win(), 10, 10);
  release_at_(win(), 10, 10);
  // Press, outside, inside, release; then the click shows pressed and springs back.
  EXPECT_EQ(faces, (std::vector<int32_t>{4, 2, 4, 2, 4, 1}));
  EXPECT_EQ(clicks, 1);
  for (const auto& d : draws) EXPECT_EQ(d, (std::array<int32_t, 4>{0, 0, 100, 23}));
}

TEST_F(button_fixture, release_outside_gives_no_click) {
  faces.clear();
  press_at_(win(), 10, 10);
  move_at_(win(), 150, 10);
  release_at_(win(), 150, 10);
  EXPECT_EQ(faces, (std::vector<int32_t>{4, 2, 1}));
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(win().has_capture_());
}

TEST_F(button_fixture, mouse_down_only_springs_back_and_only_keys_click) {
  button->mdo_(true_);
  int downs = 0;
  button->MouseDown = [&](int16_t b, int16_t, float x, float y) {
    ++downs;
    EXPECT_EQ(b, button_left_);
    EXPECT_EQ(x, 10.0f);
    EXPECT_EQ(y, 5.0f);
  };
  click_at_(win(), 10, 5);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(button->state_().face, 1);
  stepped_clock_ clock;
  inject_key_(key_type_::down, key_space_);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(clock.now_ms(), 25);  // the pressed face shows 25 ms
}

TEST_F(button_fixture, right_button_neither_presses_nor_clicks) {
  int downs = 0;
  button->MouseDown = [&](int16_t, int16_t, float, float) { ++downs; };
  click_at_(win(), 10, 10, button_right_);
  EXPECT_EQ(downs, 0);
  EXPECT_EQ(clicks, 0);
}

TEST_F(button_fixture, disabled_button_keeps_focus_and_ignores_space_and_access_key) {
  stepped_clock_ clock;
  win().set_focus_();
  do_events_();
  button->Enabled(false_);
  inject_key_(key_type_::down, key_space_);
  key_event_ alt_s;
  alt_s.key_code = key_a_ + ('S' - 'A');
  alt_s.shift = mod_alt_;
  dispatch_access_key_(*host, alt_s);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(win().has_focus_());
  button->Enabled(true_);
  EXPECT_TRUE(dispatch_access_key_(*host, alt_s));
  EXPECT_EQ(clicks, 1);
  alt_s.shift = 0;  // without Alt the letter is no access key
  EXPECT_FALSE(dispatch_access_key_(*host, alt_s));
}

TEST(button_layout, small_icon_block_is_centred_with_its_caption) {
  // 30-pixel caption, small icon, 100-pixel button: block of 52 from 24, caption 46..76.
  const button_content_rec_ c = button_content_(100, 23, true_, false_, false, 30);
  EXPECT_EQ(c.icon_size, 16);
  EXPECT_EQ(c.icon_x, 24);
  EXPECT_EQ(c.icon_y, 3);
  EXPECT_EQ(c.text.left, 46);
  EXPECT_EQ(c.text.right, 76);
  EXPECT_FALSE(c.text_centred);
  // Alone, the icons centre; the big icon beside a caption shows nothing.
  const button_content_rec_ small = button_content_(100, 23, true_, false_, true, 0);
  EXPECT_EQ(small.icon_x, 42);
  EXPECT_TRUE(small.text.empty_());
  const button_content_rec_ big = button_content_(100, 40, true_, true_, true, 0);
  EXPECT_EQ(big.icon_size, 32);
  EXPECT_EQ(big.icon_x, 34);
  EXPECT_EQ(big.icon_y, 4);
  EXPECT_EQ(button_content_(100, 40, true_, true_, false, 30).icon_size, 0);
}

TEST(button_layout, access_keys) {
  EXPECT_EQ(access_key_of_("&Save"), U'S');
  EXPECT_EQ(access_key_of_("Sa&ve"), U'V');
  EXPECT_EQ(access_key_of_("A && B"), 0u);
  EXPECT_EQ(access_key_of_("A && &B"), U'B');
  EXPECT_EQ(access_key_of_("Save&"), 0u);
  // What shows, and so what is measured for the icon block.
  EXPECT_EQ(caption_shown_("&Save"), "Save");
  EXPECT_EQ(caption_shown_("A && B"), "A & B");
  EXPECT_EQ(caption_shown_("Save&"), "Save&");
}

TEST(button_paint, placeholder_without_a_skin_and_no_btndraw) {
  auto host = make_host_();
  skin_loaded_ = false_;
  int draws = 0;
  xcbutton_ b(*host, 10, 10, 100, 23);
  b.BtnDraw = [&](dc_&, int32_t, int32_t, int32_t, int32_t) { ++draws; };
  b.refresh_();
  EXPECT_EQ(b.Caption(), "...");
  const surface_& s = b.win_()->client_surface_();
  EXPECT_EQ(s.colour_(0, 0), uint32_t(placeholder_outline_()));
  EXPECT_EQ(s.colour_(99, 22), uint32_t(placeholder_outline_()));
  EXPECT_EQ(s.colour_(1, 1), uint32_t(placeholder_face_()));
  // The type name is written in the middle.
  int ink = 0;
  for (int32_t x = 1; x < 99; ++x)
    for (int32_t y = 1; y < 22; ++y) ink += s.colour_(x, y) != uint32_t(placeholder_face_());
  EXPECT_GT(ink, 20);
  EXPECT_EQ(draws, 0);
}

TEST(button_focus, gaining_focus_clears_the_frame_of_the_one_that_lost_it) {
  ASSERT_TRUE(load_window_test_skin_());
  auto host = make_host_();
  xcbutton_ a(*host, 10, 10, 80, 23, "a"), b(*host, 10, 40, 80, 23, "b");
  click_at_(*a.win_(), 5, 5);
  do_events_();
  EXPECT_EQ(a.state_().focused, true_);
  click_at_(*b.win_(), 5, 5);
  do_events_();
  EXPECT_EQ(b.state_().focused, true_);
  EXPECT_EQ(a.state_().focused, false_);
  // The frame: the left edge in the first focus colour on the focused button only.
  EXPECT_EQ(b.win_()->client_surface_().colour_(0, 10), uint32_t(skin_palette_.color_foc1_border));
  EXPECT_NE(a.win_()->client_surface_().colour_(0, 10), uint32_t(skin_palette_.color_foc1_border));
}

// A 16 x 16 picture of one colour as a 24-bit BMP file.
void write_bmp(const std::string& path, uint8_t r, uint8_t g, uint8_t b) {
  std::string f = "BM";
  auto u32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) f += char((v >> (8 * i)) & 0xFF);
  };
  auto u16 = [&](uint16_t v) {
    f += char(v & 0xFF);
    f += char(v >> 8);
  };
  u32(54 + 16 * 16 * 3);
  u32(0);
  u32(54);
  u32(40);
  u32(16);
  u32(16);
  u16(1);
  u16(24);
  for (int i = 0; i < 6; ++i) u32(0);
  for (int i = 0; i < 256; ++i) f += {char(b), char(g), char(r)};
  std::FILE* out = std::fopen(path.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  std::fwrite(f.data(), 1, f.size(), out);
  std::fclose(out);
}

TEST(button_icon, seticon_finds_the_file_without_a_trailing_separator) {
  ASSERT_TRUE(load_window_test_skin_());
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "arvex_button_icon";
  std::filesystem::create_directories(dir);
  write_bmp((dir / "ok.bmp").string(), 10, 200, 30);
  auto host = make_host_();
  xcbutton_ b(*host, 10, 10, 100, 23);
  b.Caption("");
  EXPECT_EQ(b.seticon_(" " + dir.string() + " ", "ok.bmp"), true_);
  // Alone, the 16-pixel icon is centred: its corner at (42, 3).
  const surface_& s = b.win_()->client_surface_();
  EXPECT_EQ(s.colour_(42, 3), rgb_(10, 200, 30));
  EXPECT_EQ(s.colour_(57, 18), rgb_(10, 200, 30));
  EXPECT_NE(s.colour_(41, 3), rgb_(10, 200, 30));
  EXPECT_EQ(b.seticon_(dir.string(), "missing.bmp"), false_);
  EXPECT_NE(s.colour_(42, 3), rgb_(10, 200, 30));
  std::filesystem::remove_all(dir);
}

TEST(button_shape, corners_are_cut_only_with_round_corners) {
  ASSERT_TRUE(load_window_test_skin_());
  auto host = make_host_();
  skin_palette_.round_corners = true_;
  xcbutton_ round(*host, 10, 10, 100, 23);
  EXPECT_FALSE(round.win_()->region_contains_(0, 0));
  EXPECT_FALSE(round.win_()->region_contains_(99, 22));
  EXPECT_TRUE(round.win_()->region_contains_(1, 0));
  skin_palette_.round_corners = false_;
  xcbutton_ square(*host, 10, 40, 100, 23);
  EXPECT_TRUE(square.win_()->region_contains_(0, 0));
  EXPECT_TRUE(square.win_()->region_contains_(99, 22));
  skin_palette_.round_corners = true_;
}

}  // namespace
