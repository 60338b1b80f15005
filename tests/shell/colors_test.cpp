#include <cmath>

#include "shell/colors.h"
#include "shell_fixture.h"

namespace {

constexpr int32_t rgb(int32_t r, int32_t g, int32_t b) { return r + 256 * g + 65536 * b; }

TEST(colors, BlendClampsAndRoundsHalfToEven) {
  struct blend { int32_t a, b; float t; int32_t expected; };
  const blend cases[] = {
      {rgb(0, 0, 0), rgb(255, 255, 255), 0.5f, rgb(128, 128, 128)},  // 127.5 -> 128
      {rgb(0, 0, 0), rgb(255, 255, 255), 2.0f, rgb(255, 255, 255)},
      {rgb(0, 0, 0), rgb(255, 255, 255), -1.0f, rgb(0, 0, 0)},
      {rgb(10, 20, 30), rgb(20, 40, 32), 0.25f, rgb(12, 25, 30)},  // 12.5 -> 12, 30.5 -> 30
      {rgb(1, 2, 3), rgb(200, 100, 50), NAN, rgb(1, 2, 3)},
      {rgb(255, 0, 0), rgb(0, 0, 255), 1.0f, rgb(0, 0, 255)},
  };
  for (const blend& c : cases) {
    SCOPED_TRACE(c.t);
    EXPECT_EQ(blend_colors_(c.a, c.b, c.t), c.expected);
  }
}

TEST(colors, HexIsRedGreenBlue) {
  EXPECT_EQ(color_to_hex_(rgb(255, 255, 255)), "FFFFFF");
  EXPECT_EQ(color_to_hex_(rgb(255, 0, 0)), "FF0000");
  EXPECT_EQ(color_to_hex_(rgb(16, 32, 0xAB)), "1020AB");
}

TEST(colors, SkinTableStaysInBounds) {
  set_skin_color_(20, rgb(0, 0, 0));
  set_skin_color_(21, rgb(255, 255, 255));
  set_skin_color_(256, rgb(1, 1, 1));
  set_skin_color_(-1, rgb(1, 1, 1));
  EXPECT_EQ(skin_color_(21), rgb(255, 255, 255));
  EXPECT_EQ(skin_color_(256), 0);
  EXPECT_EQ(skin_color_(-1), 0);
  EXPECT_EQ(enabled_text_color_(true_), rgb(255, 255, 255));
  EXPECT_EQ(enabled_text_color_(false_), rgb(128, 128, 128));
  EXPECT_EQ(enabled_text_color_(1), rgb(128, 128, 128));
  EXPECT_EQ(date_format_(0), "dd/mm/yyyy");
}

TEST_F(shell_fixture, ColourNamesComeFromTheLanguage) {
  write("c.lang",
        "color.auto=Auto\ncolor.none=None\ncolor.byblock=Block\ncolor.bylayer=Layer\n"
        "color.green=Green\ncolor.black=Black\ncolor.magneta=Magenta\n");
  ASSERT_EQ(load_language_("c.lang"), true_);
  struct named { int32_t color; flag16_ no_special; const char* expected; };
  const named cases[] = {
      {-1, false_, "Auto"},        {-1, true_, "Auto"},         {-2, false_, "None"},
      {-3, false_, "Block"},       {-4, false_, "Layer"},       {-5, false_, ""},
      {-3, true_, "None"},         {-4, true_, "None"},         {-5, true_, "None"},
      {rgb(0, 255, 0), 0, "Green"}, {rgb(0, 200, 0), 0, "Green"}, {0, 0, "Black"},
      {rgb(255, 0, 255), 0, "Magenta"}, {rgb(16, 32, 48), 0, "&H102030"},
      {rgb(0, 199, 0), 0, "&H00C700"},  {-6, 0, "&HFA0000"},
      {rgb(255, 150, 0), 0, "%color.orange"},
  };
  for (const named& c : cases) {
    SCOPED_TRACE(c.color);
    EXPECT_EQ(color_name_(c.color, c.no_special), c.expected);
  }
}

}  // namespace
