#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"

namespace {

class HatchEngine : public testing::Test {
 protected:
  void SetUp() override {
    e->page_add_("page", 297, 210);
    e->layer_add_("layer", true_, true_, -1, -2, 0, 1);
    e->message_function_([this](const std::string& key) { messages.push_back(key); });
  }
  void boundary(const std::vector<std::pair<float, float>>& pts) {
    e->vertex_clear_();
    for (auto [x, y] : pts) e->vertex_add_(x, y);
  }
  const hatch_rec_& hatch_of(int32_t record) {
    return e->store.live.hatches[size_t(e->object_(record).index)];
  }

  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  std::vector<std::string> messages;
};

TEST_F(HatchEngine, AddsARectangleWithItsTiles) {
  boundary({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
  const int32_t before = e->records_();
  const int32_t r = e->add_hatch_(1, 1, 90, 255, -2, 0, 1, 1, 0);
  ASSERT_EQ(r, before + 1);
  const object_rec_& o = e->object_(r);
  EXPECT_EQ(o.type, ot_hatch_);
  EXPECT_EQ(o.deleted, false_);
  EXPECT_EQ(o.draw_color, 255);
  EXPECT_EQ(o.page, e->page_active_());
  EXPECT_EQ(o.x1, 0);
  EXPECT_EQ(o.y1, 0);
  EXPECT_EQ(o.x2, 100);
  EXPECT_EQ(o.y2, 50);
  const hatch_rec_& h = hatch_of(r);
  EXPECT_EQ(h.count, 4);
  EXPECT_EQ(h.x[3], 100);
  EXPECT_EQ(h.y[3], 50);
  EXPECT_EQ(h.pattern, 1);
  EXPECT_NEAR(h.rotation, 1.5707964f, 1e-6);
  EXPECT_EQ(h.line_count, 4);
  EXPECT_GT(h.tile_x.size(), 45u);
  EXPECT_EQ(h.tile_x.size(), h.tile_y.size());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(e->subrecords_(ot_hatch_), 1);
}

TEST_F(HatchEngine, UnplaceableHatchIsRefusedAndReported) {
  boundary({{0, 0}, {100, 0}, {100, 50}});
  const struct {
    int32_t pattern;
    float scale;
  } cases[] = {{99, 1}, {-1, 1}, {1, 0.001f}, {1, 0.0553f}};  // no pattern, 202 tiles across
  for (const auto& c : cases) {
    messages.clear();
    const int32_t records = e->records_();
    EXPECT_EQ(e->add_hatch_(c.pattern, c.scale, 0), 0) << c.pattern << "/" << c.scale;
    EXPECT_EQ(messages, std::vector<std::string>{"message.toolargehatch"});
    EXPECT_EQ(e->records_(), records);
    EXPECT_EQ(e->subrecords_(ot_hatch_), 0);
  }
  e->message_function_(nullptr);
  EXPECT_EQ(e->add_hatch_(99, 1, 0), 0);
}

TEST_F(HatchEngine, TooFewPointsOrABadLayerFailQuietly) {
  boundary({{5, 5}});
  EXPECT_EQ(e->add_hatch_(1, 1, 0), 0);
  boundary({{0, 0}, {10, 10}, {20, 0}});
  EXPECT_EQ(e->add_hatch_(1, 1, 0, -1, -2, 0, 1, 256), 0);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(e->records_(), 0);
}

TEST_F(HatchEngine, SlantedTwoPointBoundaryFindsTilesAlongIt) {
  boundary({{0, 0}, {100, 60}});
  const int32_t r = e->add_hatch_(3, 1, 0);
  ASSERT_GT(r, 0);
  const hatch_rec_& h = hatch_of(r);
  ASSERT_GT(h.tile_x.size(), 1u);
  for (size_t k = 1; k < h.tile_x.size(); ++k)  // each found tile lies near the line
    EXPECT_LT(std::fabs(h.tile_y[k] - 0.6f * h.tile_x[k]) / std::sqrt(1.36f), 12.0f) << k;
}

TEST_F(HatchEngine, ShiftValueChangesNothing) {
  boundary({{0, 0}, {40, 10}, {20, 30}});
  const hatch_rec_ a = hatch_of(e->add_hatch_(5, 0.5f, 30, -1, -2, 0, 1, 1, 0));
  const hatch_rec_ b = hatch_of(e->add_hatch_(5, 0.5f, 30, -1, -2, 0, 1, 1, 5));
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.tile_x, b.tile_x);
  EXPECT_EQ(a.tile_y, b.tile_y);
  EXPECT_EQ(a.line_count, b.line_count);
}

TEST_F(HatchEngine, FailedReplacingKeepsThePreviousLinesAndOrigins) {
  boundary({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
  hatch_rec_ h = hatch_of(e->add_hatch_(2, 1, 0));
  const hatch_rec_ before = h;
  for (auto change : {+[](hatch_rec_& r) { r.scale = 0.001f; }, +[](hatch_rec_& r) { r.pattern = 40; },
                      +[](hatch_rec_& r) { r.y.assign(r.y.size(), 7.0f); }}) {
    hatch_rec_ t = before;
    change(t);
    EXPECT_EQ(e->hatch_calc_lines_(t), false_);
    EXPECT_EQ(t.line_count, before.line_count);
    EXPECT_EQ(t.lines[1].x1, before.lines[1].x1);
    EXPECT_EQ(t.tile_x, before.tile_x);
    EXPECT_EQ(t.tile_y, before.tile_y);
  }
  h.scale = 2;
  EXPECT_EQ(e->hatch_calc_lines_(h), true_);
  EXPECT_LT(h.tile_x.size(), before.tile_x.size());
}

TEST_F(HatchEngine, ActivePatternIsKeptAsSet) {
  EXPECT_EQ(e->hatch_active_(), 0);
  for (int32_t p : {5, 27, 99, -3}) {
    e->hatch_active_(p);
    EXPECT_EQ(e->hatch_active_(), p);
  }
  EXPECT_EQ(zaz_class_().hatch_active_(), 0);
}

// Swatches on a surface filled with a background colour.
class HatchSwatch : public testing::Test {
 protected:
  static constexpr uint32_t background = 0x123456;
  surface_ paint(int32_t id, int32_t size, flag16_ border, int32_t colour = 0x00FF00) {
    surface_ s(80, 80);
    s.fill_colour_(background);
    dc_ dc(s);
    e.hatch_paint_(id, dc, 10, 10, size, border, colour);
    return s;
  }
  zaz_class_ e;
};

TEST_F(HatchSwatch, PatternStandsUprightInsideTheMargin) {
  const surface_ s = paint(3, 40, false_);
  EXPECT_EQ(s.colour_(30, 10), rgb_(200, 200, 200));  // grey outline
  EXPECT_EQ(s.colour_(20, 40), rgb_(255, 255, 255));  // white inside
  for (int32_t x = 15; x < 45; ++x) {
    EXPECT_EQ(s.colour_(x, 45), 0u) << x;  // the tile's bottom line at the bottom of the area
    EXPECT_EQ(s.colour_(x, 30), 0u) << x;  // the line at tile y 50
  }
  EXPECT_EQ(s.colour_(45, 45), rgb_(255, 255, 255));  // the end pixel is left out
  EXPECT_EQ(s.colour_(5, 30), background);            // no border without -1
}

TEST_F(HatchSwatch, NegativeSizePaintsTheSameAndBorderOnlyWithMinusOne) {
  const surface_ a = paint(16, 40, true_), b = paint(16, -40, true_);
  EXPECT_TRUE(std::equal(a.pixels_(), a.pixels_() + 80 * 80, b.pixels_()));
  EXPECT_EQ(a.colour_(7, 30), 0x00FF00u);
  EXPECT_EQ(paint(16, 40, 1).colour_(7, 30), background);
}

TEST_F(HatchSwatch, CodeWithoutPatternShowsOnlyTheSquares) {
  const surface_ s = paint(99, 40, false_);
  for (int32_t y = 11; y < 50; ++y)
    for (int32_t x = 11; x < 50; ++x) ASSERT_EQ(s.colour_(x, y), rgb_(255, 255, 255)) << x << "," << y;
}

}  // namespace
