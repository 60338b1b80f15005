#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dim_fixture.h"

namespace {

class reference_ : public dims_ {
 protected:
  void SetUp() override {
    dims_::SetUp();
    style().text_height = 2.5f;  // "AB" measures 3.5 x 2.5: half width 1.75, half height 1.25
  }
  reference_rec_ leader(std::vector<float> xs, std::vector<float> ys) {
    reference_rec_ r;
    r.count = int32_t(xs.size());
    r.x.assign(1, 0.0f), r.y.assign(1, 0.0f);
    r.x.insert(r.x.end(), xs.begin(), xs.end());
    r.y.insert(r.y.end(), ys.begin(), ys.end());
    r.style = style();
    return r;
  }
};

struct leader_case {
  const char* name;
  std::vector<float> xs, ys;  // the leader; only its last segment matters
  flag16_ horizontal;
  uint8_t v29;
  float cx, cy;  // expected box centre
  float angle;   // expected text angle
};

class reference_cases_ : public reference_, public testing::WithParamInterface<leader_case> {};

TEST_P(reference_cases_, BoxFollowsTheLastSegment) {
  const leader_case& c = GetParam();
  style().text_inside = c.horizontal;
  style().text_adj_v = c.v29;
  reference_rec_ r = leader(c.xs, c.ys);
  ASSERT_TRUE(e->ref_build_(r, "AB"));
  float x = 0, y = 0;
  centre(r.text_box, x, y);
  EXPECT_NEAR(x, c.cx, 1e-4);
  EXPECT_NEAR(y, c.cy, 1e-4);
  EXPECT_NEAR(r.text_angle, c.angle, 1e-5);
  EXPECT_NEAR(side(r.text_box[0], r.text_box[3]), 3.5f, 1e-4);
  EXPECT_NEAR(side(r.text_box[0], r.text_box[1]), 2.5f, 1e-4);
  // Corner 0 is the text's lower left as read, where the text starts.
  EXPECT_NEAR(r.parts[0].x, r.text_box[0].x, 1e-4);
  EXPECT_NEAR(r.parts[0].y, r.text_box[0].y, 1e-4);
  EXPECT_EQ(r.parts[0].text, "AB");
  EXPECT_FLOAT_EQ(r.text_height, 2.5f);
}

const float above_pi_2 = std::atan2(10.0f, -0.1f);

INSTANTIATE_TEST_SUITE_P(
    cases, reference_cases_,
    testing::Values(
        leader_case{"right", {5, 0, 10}, {5, 0, 0}, false_, 0, 11.75f, 0, 0},
        leader_case{"left_turns_to_read", {10, 0}, {0, 0}, false_, 0, -1.75f, 0, 0},
        leader_case{"up_reads_up", {0, 0}, {0, 10}, false_, 0, 0, 11.75f, pi_f / 2},
        leader_case{"down_reads_down", {0, 0}, {10, 0}, false_, 0, 0, -1.75f, 1.5f * pi_f},
        leader_case{"up_and_left_reads_down", {0, -0.1f}, {0, 10}, false_, 0,
                    -0.1f + 1.75f * std::cos(above_pi_2), 10 + 1.75f * std::sin(above_pi_2),
                    above_pi_2 - pi_f},
        leader_case{"level_off_vertical", {0, 0}, {0, 10}, true_, 0, -1.75f, 11.25f, 0},
        leader_case{"level_off_horizontal", {0, 10}, {0, 0}, true_, 0, 11.75f, -1.25f, 0},
        leader_case{"above_narrow_text_ends_at_end", {0, 10}, {0, 0}, false_, 1, 8.25f, 1.25f, 0},
        leader_case{"above_wide_text_starts_at_start", {0, 3}, {0, 0}, false_, 1, 1.75f, 1.25f, 0},
        leader_case{"above_turned_stays_above", {10, 0}, {0, 0}, false_, 1, 1.75f, 1.25f, 0},
        leader_case{"single_point_continues_along_x", {4}, {6}, false_, 0, 5.75f, 6, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(reference_, FrameAndEmptyText) {
  style().text_frame = true_;
  reference_rec_ r = leader({0, 10}, {0, 0});
  ASSERT_TRUE(e->ref_build_(r, "AB"));
  EXPECT_NEAR(side(r.text_box[0], r.text_box[3]), 3.5f + 1.0f, 1e-4);
  float x = 0, y = 0;
  centre(r.text_box, x, y);
  EXPECT_NEAR(x, 10 + 2.25f, 1e-4);  // the frame keeps its distance from the end point

  ASSERT_TRUE(e->ref_build_(r, ""));
  for (const auto& c : r.text_box) {
    EXPECT_NEAR(std::fabs(c.x - r.parts[0].x), 0.5f, 1e-4);
    EXPECT_NEAR(std::fabs(c.y - r.parts[0].y), 0.5f, 1e-4);
  }
}

TEST_F(reference_, UnusedPartsSitInvisibleAtTheText) {
  reference_rec_ r = leader({0, 10, 20}, {0, 5, 5});
  ASSERT_TRUE(e->ref_build_(r, "A\rBC"));
  EXPECT_EQ(r.parts[0].text, "A\rBC");
  EXPECT_NEAR(side(r.text_box[0], r.text_box[1]), 2.5f * 2.5f, 1e-4);  // two lines in one box
  for (size_t i = 1; i < 8; ++i) {
    EXPECT_EQ(r.parts[i].visible, false_);
    EXPECT_EQ(r.parts[i].text, "");
    EXPECT_EQ(r.parts[i].height, 0);
    EXPECT_FLOAT_EQ(r.parts[i].x, r.parts[0].x);
    EXPECT_FLOAT_EQ(r.parts[i].y, r.parts[0].y);
  }
  EXPECT_EQ(r.count, 3);
  EXPECT_EQ(r.x[3], 20);
}

TEST_F(reference_, PlacementsThatNeedASegmentRefuseOnePointAndKeepTheRecord) {
  for (auto [horizontal, v29] : {std::pair{true_, uint8_t(0)}, std::pair{false_, uint8_t(1)}}) {
    style().text_inside = horizontal;
    style().text_adj_v = v29;
    reference_rec_ r = leader({4}, {6});
    r.parts[0].text = "old";
    r.text_angle = 0.25f;
    EXPECT_FALSE(e->ref_build_(r, "AB"));
    EXPECT_EQ(r.parts[0].text, "old");
    EXPECT_EQ(r.text_angle, 0.25f);
  }
}

TEST_F(reference_, CountBeyondThePointsReadsOnlyWhatIsStored) {
  reference_rec_ r = leader({0, 10}, {0, 0});
  r.count = 50;
  ASSERT_TRUE(e->ref_build_(r, "AB"));
  float x = 0, y = 0;
  centre(r.text_box, x, y);
  EXPECT_NEAR(x, 11.75f, 1e-4);
}

}  // namespace
