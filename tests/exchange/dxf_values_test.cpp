// Numbers, colour numbers, keywords and the MTEXT code stripper of the DXF import.
#include <gtest/gtest.h>

#include "engine/dimensions/format.h"
#include "engine/zaz_class.h"
#include "exchange/dxf_mtext.h"
#include "exchange/dxf_values.h"

namespace {

TEST(dxf_numbers, longest_leading_number_whatever_the_locale) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"12.5abc", 12.5}, {"  -3e2", -300}, {"1e", 1},     {"abc", 0},  {"", 0},
               {"+.5", 0.5},      {"1.2.3", 1.2},   {"-6,63", -6}, {"1e400", 0}, {"7.", 7}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(dxf_number_(c.text), c.value) << c.text;
  int32_t n = 0;
  EXPECT_TRUE(dxf_whole_("2.5", n));
  EXPECT_EQ(n, 2) << "halves go to the even neighbour";
  EXPECT_FALSE(dxf_whole_("3e10", n));
}

TEST(dxf_keywords, records_start_at_known_keywords_in_any_case) {
  EXPECT_TRUE(dxf_keyword_test_("line"));
  EXPECT_TRUE(dxf_keyword_test_(" LWPOLYLINE "));
  EXPECT_TRUE(dxf_keyword_test_("$ACADVER"));
  EXPECT_FALSE(dxf_keyword_test_("VERTEX"));
  EXPECT_FALSE(dxf_keyword_test_("DICTIONARY"));
}

TEST(dxf_colors, colour_numbers_to_codes) {
  zaz_class_ e;
  e.dxf_aci_palette_();
  const struct {
    const char* value;
    int32_t code;
  } cases[] = {{"1", 0x0000FF},     {"7", color_auto_},  {"8", 0x414141},
               {"-5", 0xFF0000},    {"0", color_by_block_}, {"256", color_by_layer_},
               {"257", 257},        {"2.5", 0x00FFFF},   {"", color_by_block_},
               {"250", 0x333333}};
  for (const auto& c : cases) EXPECT_EQ(e.dxf_aci_to_color_(std::string_view(c.value)), c.code) << c.value;
}

TEST(dxf_colors, codes_to_colour_numbers) {
  zaz_class_ e;
  e.dxf_aci_palette_();
  const auto rgb = [](int r, int g, int b) { return r | (g << 8) | (b << 16); };
  const struct {
    int32_t code;
    int32_t aci;
  } cases[] = {{color_by_layer_, 256},   {color_auto_, 0},         {rgb(255, 255, 255), 7},
               {rgb(0, 0, 0), 0},        {rgb(65, 65, 65), 8},     {rgb(1, 0, 0), 0},
               {rgb(100, 100, 100), 252}, {rgb(254, 0, 0), 1},     {rgb(250, 0, 0), 10},
               {color_background_, 1}};
  for (const auto& c : cases) EXPECT_EQ(e.dxf_color_to_aci_(c.code), c.aci) << c.code;
}

TEST(dxf_mtext, codes_end_at_their_semicolon_and_text_stays) {
  const std::string deg(dim_degree_mark_), dia(dim_diameter_mark_);
  const struct {
    const char* in;
    std::string out;
  } cases[] = {
      {"{\\fArial|b1|i0;Hello}", "Hello"},
      {"{\\C1;red} rest", "red rest"},
      {"a;b", "a;b"},
      {"line1\\Pline2", "line1\rline2"},
      {"x\\\\y", "x\\y"},
      {"\\{braces\\}", "{braces}"},
      {"\\Lunder\\l line", "under line"},
      {"\\H2.5x;big \\W0.8;narrow", "big narrow"},
      {"\\A1;<>", "<>"},
      {"\\S1^2;\"", "1/2\""},
      {"45%%d", "45" + deg},
      {"%%c20", dia + "20"},
      {"\\U+0105 \\U+0104 \\U+015b", "\xC4\x85 \\U+0104 \\U+015b"},
      {"  padded  ", "padded"},
  };
  for (const auto& c : cases) EXPECT_EQ(exchange_::strip_mtext_codes_(c.in), c.out) << c.in;
}

TEST(dxf_dim_text, split_at_the_measured_value) {
  zaz_class_ e;
  const struct {
    const char* text;
    const char* prefix;
    const char* suffix;
  } cases[] = {{"<> mm", "", "mm"}, {"mm", "", "mm"}, {"R<>", "R", ""}, {"<>", "", ""},
               {" ~ <> x ", "~", "x"}};
  for (const auto& c : cases) {
    dimstyle_rec_ s;
    e.dxf_split_dim_text_(c.text, s, false_);
    EXPECT_EQ(s.prefix, c.prefix) << c.text;
    EXPECT_EQ(s.suffix, c.suffix) << c.text;
    e.dxf_split_dim_text_(c.text, s, true_);
    EXPECT_EQ(s.alt_suffix, c.suffix) << c.text;
  }
}

TEST(dxf_extrusion, axis_directions_pick_the_plane) {
  zaz_class_ e;
  const struct {
    float v[3];
    float x, y;
  } cases[] = {{{0, 1, 0}, 3, 5}, {{1, 0, 0}, 4, 5}, {{0, 0, -1}, 3, 4}, {{0.6f, 0.8f, 0}, 3, 4}};
  for (const auto& c : cases) {
    float x = 0, y = 0;
    e.dxf2x0_(c.v[0], c.v[1], c.v[2], 3, 4, 5, x, y);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

}  // namespace
