// Tool rows: the number conversion every tool reads them with, the rows each tool gets at their
// fixed places, and values that survive a switch to another tool and back.
#include <cmath>

#include "view_host_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

TEST(text_to_single, reads_both_notations_and_never_gives_infinity) {
  struct row {
    const char* text;
    char decimal, grouping;
    float want;
  };
  const row rows[] = {
      {" 7,25 ", ',', ' ', 7.25f},  // the user's notation, blanks around
      {"7.25", ',', ' ', 7.25f},    // "." always reads as a decimal point
      {"7.25", ',', '.', 7.25f},    // even where "." groups digits
      {"1 250,5", ',', ' ', 1250.5f},
      {"7,25", '.', ',', 7.0f},     // a comma is no decimal point here: the leading number
      {"1.5e2", '.', ',', 150.0f},
      {"1.5e2", ',', ' ', 150.0f},
      {"12abc", '.', ',', 12.0f},
      {"-3x", '.', ',', -3.0f},
      {"&HFF", '.', ',', 255.0f},
      {"", '.', ',', 0.0f},
      {"abc", '.', ',', 0.0f},
      {"1e40", '.', ',', 0.0f},     // beyond a float: 0, not infinity
      {"-1e40x", '.', ',', 0.0f},
      {"nan", '.', ',', 0.0f},
      {"inf", '.', ',', 0.0f},
  };
  for (const row& r : rows) {
    const float v = text_to_single_in_(r.text, r.decimal, r.grouping);
    EXPECT_TRUE(std::isfinite(v)) << r.text;
    EXPECT_FLOAT_EQ(v, r.want) << '"' << r.text << "\" decimal " << r.decimal;
  }
}

TEST(text_to_count, rounds_halves_to_even) {
  EXPECT_EQ(text_to_count_("2.5"), 2);
  EXPECT_EQ(text_to_count_("3.5"), 4);
  EXPECT_EQ(text_to_count_("3x"), 3);
  EXPECT_EQ(text_to_count_("1e40"), 0);
}

TEST(current_tool_key, trims_blanks) {
  EXPECT_EQ(current_tool_key_("  MOVE "), "MOVE");
  EXPECT_EQ(current_tool_key_(""), "");
}

using rows = view_fixture;

TEST_F(rows, tops_follow_kind_heights) {
  tool("RECTANGLE");
  xcpanelbox_& p = *host->panel;
  const char* keys[] = {"AD_WIDTH", "AD_HEIGHT", "AD_MLINE", "AD_FHATCH", "AD_HATCH", "AD_SCALE", "AD_ROTATE"};
  const int32_t tops[] = {0, 40, 80, 120, 149, 173, 213};
  const bool enabled[] = {true, true, true, true, false, false, false};
  for (int32_t i = 0; i < 7; ++i) {
    EXPECT_EQ(p.id2key_(i + 1), keys[i]);
    EXPECT_EQ(p.item_(i + 1).py, tops[i]) << keys[i];
    EXPECT_EQ(is_set_(p.item_(i + 1).enabled), enabled[i]) << keys[i];
  }
  EXPECT_EQ(p.textv_(6), format_fixed_(1, 2, true));
  EXPECT_EQ(p.lastbottom_(p.group2gid_("ADRAW")), 253);

  tool("TEXT");
  EXPECT_EQ(p.textv_(1), "Text");
  EXPECT_EQ(p.id2key_(4), "AD_TEXTV.FONT");
  EXPECT_EQ(p.item_(5).py, 64);
  EXPECT_EQ(p.item_(7).py, 144);
  EXPECT_EQ(p.textv_(5), format_fixed_(10, 2, true));

  tool("SELECT");
  EXPECT_EQ(p.lastbottom_(p.group2gid_("ADRAW")), 0);
}

TEST_F(rows, each_tool_keeps_its_values_across_a_switch) {
  tool("ARRAY.CIRC");
  xcpanelbox_& p = *host->panel;
  EXPECT_EQ(p.textv_(1) + p.textv_(2) + p.textv_(3) + p.textv_(4), "3410015");
  tool("ARRAY");
  EXPECT_EQ(p.textv_(1) + p.textv_(2) + p.textv_(3) + p.textv_(4), "22100100");

  tool("MOVE");
  p.textv_(1, "25");
  p.chkv_(1, true_);
  p.textv_(2, "90");
  tool("SCALE");
  EXPECT_EQ(p.id2key_(1), "AD_LOCKXY");
  EXPECT_EQ(p.textv_(2), "0.00");
  EXPECT_FALSE(is_set_(p.chkv_(2)));
  p.textv_(2, "3");
  tool("MOVE");
  EXPECT_EQ(p.textv_(1), "25");
  EXPECT_TRUE(is_set_(p.chkv_(1)));
  EXPECT_EQ(p.textv_(2), "90");
  tool("SCALE");
  EXPECT_EQ(p.textv_(2), "3");
}

TEST_F(rows, dimension_distance_defaults_to_ten_when_left_at_zero) {
  xcpanelbox_& p = *host->panel;
  tool("DIM.G");
  EXPECT_EQ(p.textv_(3), format_fixed_(10, 2, true));
  p.textv_(3, "5");
  tool("LINE");
  tool("DIM.G");
  EXPECT_EQ(p.textv_(3), "5");
  p.textv_(3, "none");
  tool("LINE");
  tool("DIM.G");
  EXPECT_EQ(p.textv_(3), format_fixed_(10, 2, true));
}
