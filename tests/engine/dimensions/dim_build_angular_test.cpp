#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "dim_fixture.h"
#include "engine/dimensions/format.h"

namespace {

const std::string deg(dim_degree_mark_);

class angular_ : public dims_ {
 protected:
  angular_dim_rec_ arc(float a1, float a2, float r = 10) {
    angular_dim_rec_ d;
    d.rx = d.ry = r;
    d.a1 = a1;
    d.a2 = a2;
    d.style = style();
    return d;
  }
  // The box's centre, its direction along the text, and its two side lengths.
  static void frame(const angular_dim_rec_& d, float& cx, float& cy, float& dir, float& w, float& h) {
    centre(d.text_box, cx, cy);
    dir = std::atan2(d.text_box[3].y - d.text_box[0].y, d.text_box[3].x - d.text_box[0].x);
    w = side(d.text_box[0], d.text_box[3]);
    h = side(d.text_box[0], d.text_box[1]);
  }
};

struct arc_case {
  const char* name;
  float a1, a2;
  flag16_ horizontal;
  std::string text;
  float mid;    // expected angle of the box centre seen from the vertex
  float angle;  // expected text angle
};

class angular_cases_ : public angular_, public testing::WithParamInterface<arc_case> {};

TEST_P(angular_cases_, TextCentredOnTheArcMiddle) {
  const arc_case& c = GetParam();
  style().text_inside = c.horizontal;
  angular_dim_rec_ d = arc(c.a1, c.a2);
  ASSERT_TRUE(e->dim_build_angular_(d, "ignored"));
  EXPECT_EQ(d.parts[0].text, c.text);
  EXPECT_EQ(d.parts[0].visible, true_);
  EXPECT_NEAR(d.text_angle, c.angle, 1e-5);
  float cx, cy, dir, w, h;
  frame(d, cx, cy, dir, w, h);
  EXPECT_NEAR(cx, 10 * std::cos(c.mid), 1e-4);
  EXPECT_NEAR(cy, 10 * std::sin(c.mid), 1e-4);
  EXPECT_NEAR(std::remainder(dir - c.angle, 2 * pi_f), 0, 1e-5);
  EXPECT_NEAR(w, text_width(int(c.text.size()) - 1, 2.5f), 1e-4);  // the degree sign is one glyph
  EXPECT_NEAR(h, 2.5f, 1e-4);
  EXPECT_EQ(d.arrows_outside, false_);
  EXPECT_FLOAT_EQ(d.text_height, 2.5f);
}

INSTANTIATE_TEST_SUITE_P(
    cases, angular_cases_,
    testing::Values(
        arc_case{"right_angle", 0, pi_f / 2, false_, "90.00" + deg, pi_f / 4, pi_f / 4 + 1.5f * pi_f},
        arc_case{"right_angle_level", 0, pi_f / 2, true_, "90.00" + deg, pi_f / 4, 0},
        arc_case{"reflex", pi_f / 4, 7 * pi_f / 4, false_, "270.00" + deg, pi_f, 2.5f * pi_f},
        // Below the vertex the text stays upside down: it is not turned to read.
        arc_case{"upside_down", pi_f, 2 * pi_f, false_, "180.00" + deg, 1.5f * pi_f, 3 * pi_f},
        arc_case{"zero", 1, 1, false_, "0.00" + deg, 1, 1 + 1.5f * pi_f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(angular_, ShowsTheAngleAloneWhateverTheLengthSettings) {
  style().tol_show = style().alt_show = true_;
  style().tol_upper = 0.1f, style().tol_lower = 0.2f;
  style().prefix = "R";
  style().suffix = "mm";
  style().angle_unit = 1;
  style().angle_accuracy = 1;
  angular_dim_rec_ d = arc(0, pi_f / 4);
  ASSERT_TRUE(e->dim_build_angular_(d, "TYP"));
  EXPECT_EQ(d.parts[0].text, "45" + deg + "0'");
  for (size_t i = 1; i < 8; ++i) {
    EXPECT_EQ(d.parts[i].visible, false_);
    EXPECT_EQ(d.parts[i].text, "");
    EXPECT_EQ(d.parts[i].height, 0);
  }
}

TEST_F(angular_, SizeFactorScalesTheTextHeight) {
  style().size_factor = 2;
  angular_dim_rec_ d = arc(0, 1);
  ASSERT_TRUE(e->dim_build_angular_(d, ""));
  EXPECT_FLOAT_EQ(d.text_height, 5);
  EXPECT_FLOAT_EQ(d.parts[0].height, 5);
}

TEST_F(angular_, UnknownFontCollapsesTheBoxOntoTheArc) {
  style().font = 7;
  for (flag16_ framed : {false_, true_}) {
    style().text_frame = framed;
    angular_dim_rec_ d = arc(0, pi_f / 2);
    ASSERT_TRUE(e->dim_build_angular_(d, ""));
    const float px = 10 * std::cos(pi_f / 4), py = 10 * std::sin(pi_f / 4);
    const float half = framed == true_ ? 0.5f : 0.0f;  // a fifth of the text height
    for (const auto& c : d.text_box) EXPECT_NEAR(std::hypot(c.x - px, c.y - py), half * std::sqrt(2.0f), 1e-4);
    EXPECT_NEAR(side(d.text_box[0], d.text_box[1]), 2 * half, 1e-4);
    EXPECT_NEAR(d.parts[0].x, px, 1e-4);
    EXPECT_NEAR(d.parts[1].y, py, 1e-4);
  }
}

TEST_F(angular_, RebuildOfATurnedRecordKeepsTheTextOnTheTurnedArc) {
  angular_dim_rec_ d = arc(0, pi_f / 2);
  d.rotation = 90;
  ASSERT_TRUE(e->dim_build_angular_(d, ""));
  float cx, cy, dir, w, h;
  frame(d, cx, cy, dir, w, h);
  EXPECT_NEAR(cx, -10 * std::cos(pi_f / 4), 1e-4);
  EXPECT_NEAR(cy, 10 * std::sin(pi_f / 4), 1e-4);
  EXPECT_NEAR(std::remainder(d.text_angle - (pi_f / 4 + 2 * pi_f), 2 * pi_f), 0, 1e-5);
  EXPECT_NEAR(std::remainder(dir - d.text_angle, 2 * pi_f), 0, 1e-5);
}

TEST_F(angular_, FailedBuildLeavesTheRecordAsItWas) {
  angular_dim_rec_ d = arc(0, 1, std::numeric_limits<float>::infinity());
  d.parts[0].text = "old";
  d.text_angle = 0.5f;
  EXPECT_FALSE(e->dim_build_angular_(d, ""));
  EXPECT_EQ(d.parts[0].text, "old");
  EXPECT_EQ(d.text_angle, 0.5f);
}

}  // namespace
