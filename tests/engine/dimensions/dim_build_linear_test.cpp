#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dim_fixture.h"
#include "engine/dimensions/format.h"

namespace {

const std::string pm = "\xC2\xB1";  // the symmetric tolerance sign
const std::string dia(dim_diameter_mark_);

// Texts of a dimension measured as 10 with tolerances and a second unit at factor 2.
struct text_case {
  const char* name;
  bool tol, limits, alt;
  float upper, lower;
  std::vector<std::string> texts;  // visible parts in order; the rest must be invisible
  std::vector<float> heights;      // in text heights
};

class linear_texts_ : public dims_, public testing::WithParamInterface<text_case> {};

TEST_P(linear_texts_, PartsFollowTheToleranceAndUnitSwitches) {
  const text_case& c = GetParam();
  style().tol_show = c.tol ? true_ : false_;
  style().tol_limits = c.limits ? true_ : false_;
  style().alt_show = c.alt ? true_ : false_;
  style().tol_upper = c.upper;
  style().tol_lower = c.lower;
  const int32_t r = linear(0, 0, 100, 0);
  ASSERT_NE(r, 0);
  const auto& parts = dim(r).parts;
  for (size_t i = 0; i < 8; ++i) {
    if (i < c.texts.size()) {
      EXPECT_EQ(parts[i].visible, true_) << i;
      EXPECT_EQ(parts[i].text, c.texts[i]) << i;
      EXPECT_FLOAT_EQ(parts[i].height, c.heights[i] * 2.5f) << i;
    } else {
      EXPECT_EQ(parts[i].visible, false_) << i;
      EXPECT_EQ(parts[i].text, "") << i;
      EXPECT_EQ(parts[i].height, 0) << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    cases, linear_texts_,
    testing::Values(
        text_case{"plain", false, false, false, 0, 0, {"10.00"}, {1}},
        text_case{"second_unit", false, false, true, 0, 0, {"10.00", "[20.0]"}, {1, 1}},
        text_case{"symmetric", true, false, false, 0.1f, 0.1f, {"10.00 " + pm + "0.10"}, {1}},
        text_case{"deviation", true, false, false, 0.2f, 0.1f, {"10.00", "+0.20\r-0.10"}, {1, 0.75f}},
        text_case{"both_below", true, false, false, -0.1f, 0.3f, {"10.00", "-0.10\r-0.30"}, {1, 0.75f}},
        text_case{"both_above", true, false, false, 0.2f, -0.1f, {"10.00", "+0.20\r+0.10"}, {1, 0.75f}},
        text_case{"symmetric_second", true, false, true, 0.1f, 0.1f,
                  {"10.00 " + pm + "0.10 [20.0 " + pm + "0.2]"}, {1}},
        text_case{"deviation_second", true, false, true, 0.2f, 0.1f,
                  {"10.00", "+0.20\r-0.10", "[", "20.0", "+0.4\r-0.2", "]"}, {1, 0.75f, 2, 1, 0.75f, 2}},
        text_case{"limits", true, true, false, 0.2f, 0.1f, {"10.20\r9.90"}, {1}},
        text_case{"limits_second", true, true, true, 0.2f, 0.1f,
                  {"10.20\r9.90", "[", "20.4\r19.8", "]"}, {1, 3, 1, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(dims_, SurroundingTextsFramePerLineAndUserTextsReplaceOrWrapTheValue) {
  style().prefix = "R";
  style().suffix = "mm";
  style().tol_show = style().tol_limits = true_;
  style().tol_upper = 0.2f, style().tol_lower = 0.1f;
  EXPECT_EQ(dim(linear(0, 0, 100, 0)).parts[0].text, "R10.20mm\rR9.90mm");

  style().prefix.clear(), style().suffix.clear();
  style().tol_show = style().tol_limits = false_;
  style().alt_show = true_;
  struct { const char* user; std::string main, second; } cases[] = {
      {"", "10.00", "[20.0]"},
      {"<>", "10.00", "[20.0]"},
      {"TYP", "TYP", "[TYP]"},
      {"<> TYP", "10.00 TYP", "[20.0 TYP]"},
      {"2x<>", "2x10.00", "[2x20.0]"},
  };
  for (const auto& c : cases) {
    const auto& parts = dim(linear(0, 0, 100, 0, 10, c.user)).parts;
    EXPECT_EQ(parts[0].text, c.main) << c.user;
    EXPECT_EQ(parts[1].text, c.second) << c.user;
  }
}

TEST_F(dims_, FeetAndInchesCarryARoundedFootIntoTheFeet) {
  style().unit = 2;
  style().accuracy = 1;
  EXPECT_EQ(dim(linear(0, 0, 100, 0, 23.99f)).parts[0].text, "2'-0.0\"");
  EXPECT_EQ(dim(linear(0, 0, 100, 0, 30)).parts[0].text, "2'-6.0\"");
}

TEST_F(dims_, LengthFactorScalesTheValueButNotTheTolerances) {
  style().length_factor = 2;
  style().tol_show = true_;
  style().tol_upper = 0.2f, style().tol_lower = 0.1f;
  const auto& parts = dim(linear(0, 0, 100, 0)).parts;
  EXPECT_EQ(parts[0].text, "20.00");
  EXPECT_EQ(parts[1].text, "+0.20\r-0.10");
}

// Where the text block lands for placements along a horizontal line (0, 0) -> (100, 0).
struct place_case {
  const char* name;
  float x3, y3, x4, y4;
  uint8_t h28, v29;
  float cx, cy;  // expected centre of the text box
  float angle;   // expected text angle
};

class linear_place_ : public dims_, public testing::WithParamInterface<place_case> {};

TEST_P(linear_place_, TextBlockCentreAndAngle) {
  const place_case& c = GetParam();
  style().text_adj_h = c.h28;
  style().text_adj_v = c.v29;
  const dimension_rec_& d = dim(linear(c.x3, c.y3, c.x4, c.y4));
  float x = 0, y = 0;
  centre(d.text_box, x, y);
  EXPECT_NEAR(x, c.cx, 1e-4);
  EXPECT_NEAR(y, c.cy, 1e-4);
  EXPECT_NEAR(d.text_angle, c.angle, 1e-6);
  // The box keeps the measured size of "10.00" and its text starts at the box's corner 0.
  EXPECT_NEAR(side(d.text_box[0], d.text_box[3]), text_width(5, 2.5f), 1e-4);
  EXPECT_NEAR(side(d.text_box[0], d.text_box[1]), 2.5f, 1e-4);
  EXPECT_NEAR(d.parts[0].x, d.text_box[0].x, 1e-4);
  EXPECT_NEAR(d.parts[0].y, d.text_box[0].y, 1e-4);
}

// th 2.5, text distance 1, arrow 2.5, box 9.5 x 2.5; raised text sits 1.25 + 1 off the line.
INSTANTIATE_TEST_SUITE_P(
    cases, linear_place_,
    testing::Values(
        place_case{"centred", 0, 0, 100, 0, 0, 0, 50, 0, 0},
        place_case{"raised_left_to_right", 0, 0, 100, 0, 0, 1, 50, 2.25f, 0},
        place_case{"raised_only_at_angle_zero", 100, 0, 0, 0, 0, 1, 50, 0, 0},
        place_case{"above_left_of_direction", 0, 0, 100, 0, 0, 2, 50, 2.25f, 0},
        place_case{"left_of_direction_is_below", 100, 0, 0, 0, 0, 2, 50, -2.25f, 0},
        // Beyond the first end when its half of the line is shown: 4.75 - 1.25 - (9.5 + 0.625).
        place_case{"beyond_first_end", 0, 0, 100, 0, 1, 0, -6.625f, 0, 0},
        place_case{"beyond_second_end", 0, 0, 100, 0, 2, 0, 106.625f, 0, 0},
        place_case{"first_end_raised_no_shift", 0, 0, 100, 0, 1, 2, 3.5f, 2.25f, 0},
        place_case{"straight_up_reads_up", 0, 0, 0, 100, 0, 0, 0, 50, pi_f / 2},
        place_case{"straight_down_turns_up", 0, 100, 0, 0, 0, 0, 0, 50, pi_f / 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(dims_, HalfLineHiddenMovesTheTextInsideInstead) {
  style().text_adj_h = 1;
  style().dimline_show1 = false_;
  float x = 0, y = 0;
  centre(dim(linear(0, 0, 100, 0)).text_box, x, y);
  EXPECT_NEAR(x, 3.5f + 1.25f, 1e-4);  // W/2 - a/2 from the end, then half a text height on
}

TEST_F(dims_, FrameWidensTheBoxByAFifthOfTheTextHeight) {
  const dimension_rec_ plain = dim(linear(0, 0, 100, 0));
  style().text_frame = true_;
  const dimension_rec_& framed = dim(linear(0, 0, 100, 0));
  EXPECT_NEAR(side(framed.text_box[0], framed.text_box[3]), side(plain.text_box[0], plain.text_box[3]) + 1.0f, 1e-4);
  EXPECT_NEAR(side(framed.text_box[0], framed.text_box[1]), 2.5f + 1.0f, 1e-4);
  EXPECT_NEAR(framed.text_box[0].x, plain.text_box[0].x - 0.5f, 1e-4);
  EXPECT_NEAR(framed.text_box[0].y, plain.text_box[0].y - 0.5f, 1e-4);
  EXPECT_FLOAT_EQ(framed.parts[0].x, plain.parts[0].x);  // the text itself does not move
}

TEST_F(dims_, HorizontalTextOnlyForPlacementsAlongTheLine) {
  style().text_inside = true_;
  // A slanted line from (0, 0) to (30, 40): on it the text turns level about its centre.
  const dimension_rec_& on_line = dim(linear(0, 0, 30, 40));
  EXPECT_EQ(on_line.text_angle, 0);
  float x = 0, y = 0;
  centre(on_line.text_box, x, y);
  EXPECT_NEAR(x, 15, 1e-4);
  EXPECT_NEAR(y, 20, 1e-4);
  EXPECT_NEAR(on_line.text_box[0].y, on_line.text_box[3].y, 1e-4);
  // Along the extension line the text keeps that line's direction (straight up here).
  style().text_adj_h = 3;
  EXPECT_NEAR(dim(linear(0, 0, 30, 40)).text_angle, pi_f / 2, 1e-6);
}

TEST_F(dims_, RoomTestComparesTheFreeLengthWithThreeArrows) {
  // Box length 9.5 + 2.5 / 4 = 10.125; three arrows 7.5.
  struct { float length; uint8_t h28; flag16_ outside; } cases[] = {
      {17.625f, 0, true_}, {17.75f, 0, false_}, {7.5f, 3, true_}, {7.75f, 3, false_}, {10, 4, false_},
  };
  for (const auto& c : cases) {
    style().text_adj_h = c.h28;
    EXPECT_EQ(dim(linear(0, 0, c.length, 0)).arrows_outside, c.outside) << c.length << " " << int(c.h28);
  }
}

TEST_F(dims_, ShortLineMovesTheTextAQuarterHeightTowardsItsEnd) {
  style().text_adj_h = 1;
  float x = 0, y = 0;
  centre(dim(linear(0, 0, 10, 0)).text_box, x, y);
  EXPECT_NEAR(x, 3.5f + 0.625f, 1e-4);
}

TEST_F(dims_, SizeFactorScalesTextAndDistanceButNotArrowGaps) {
  style().size_factor = 2;
  style().text_adj_v = 2;
  const dimension_rec_& d = dim(linear(0, 0, 100, 0));
  EXPECT_FLOAT_EQ(d.text_height, 5);
  EXPECT_FLOAT_EQ(d.parts[0].height, 5);
  float x = 0, y = 0;
  centre(d.text_box, x, y);
  EXPECT_NEAR(y, 2.5f + 2, 1e-4);
  // Room: 24 - (19 + 1.25) = 3.75 and 28 - 20.25 = 7.75 against three unscaled arrows, 7.5.
  EXPECT_EQ(dim(linear(0, 0, 24, 0)).arrows_outside, true_);
  EXPECT_EQ(dim(linear(0, 0, 28, 0)).arrows_outside, false_);
}

TEST_F(dims_, RadiusTextOutsideLiesBeyondThePickedPoint) {
  const int32_t c = e->add_circle_(0, 0, 10);
  style().text_adj_v = 2;
  const dimension_rec_& d = dim(e->add_dimr_(sid, c, 30, 0, 0, -1, 0, 1, 1, ""));
  float x = 0, y = 0;
  centre(d.text_box, x, y);
  EXPECT_NEAR(x, 10 + text_width(5, 2.5f) / 2 + 2.5f, 1e-3);
  EXPECT_NEAR(y, 0, 1e-3);
  EXPECT_EQ(d.parts[0].text, "10.00");
}

TEST_F(dims_, DiameterTextCarriesTheDiameterMark) {
  const int32_t c = e->add_circle_(0, 0, 10);
  EXPECT_EQ(dim(e->add_dimd_(sid, c, 30, 0, 0, -1, 0, 1, 1, "")).parts[0].text, dia + "20.00");
}

TEST_F(dims_, BuildsFromTheRecordAloneAndAgainTheSame) {
  const int32_t r = linear(0, 0, 100, 0, 10, "<> TYP");
  dimension_rec_ copy = dim(r);
  e->dim_build_linear_(copy, "<> TYP");
  EXPECT_EQ(copy.parts[0].text, dim(r).parts[0].text);
  EXPECT_FLOAT_EQ(copy.text_box[2].x, dim(r).text_box[2].x);
  // A rebuild without the user text shows the plain value.
  e->dim_build_linear_(copy, "");
  EXPECT_EQ(copy.parts[0].text, "10.00");
}

TEST_F(dims_, RebuildByRecordNumberFollowsAChangedKind) {
  const int32_t r = linear(10, 0, -10, 0, 20, "<> TYP");
  dim(r).kind = 2;
  e->dim_build_linear_(r);
  EXPECT_EQ(dim(r).parts[0].text, dia + "20.00");
  EXPECT_FLOAT_EQ(obj(r).y2, std::max(dim(r).text_box[1].y, dim(r).text_box[2].y));
  const int32_t line = e->add_line_(0, 0, 1, 1);
  for (int32_t bad : {0, -3, line, line + 1}) e->dim_build_linear_(bad);  // left alone, no fault
  EXPECT_EQ(e->records_(), line);
}

TEST_F(dims_, UnmeasurableTextStillCompletesTheLayout) {
  style().font = 99;
  const dimension_rec_& d = dim(linear(0, 0, 100, 0));
  EXPECT_EQ(d.parts[0].text, "10.00");
  for (const auto& c : d.text_box) {
    EXPECT_NEAR(c.x, 50, 1e-4);
    EXPECT_NEAR(c.y, 0, 1e-4);
  }
}

}  // namespace
