// The modify marker: a red square at the point break, join or extend will act on.
#include <algorithm>
#include <utility>

#include "preview_fixture.h"

namespace {

constexpr uint32_t red = rgb_(255, 0, 0);

class marker_ : public overlay_ {
 protected:
  void SetUp() override {
    overlay_::SetUp();
    surface->fill_colour_(0xFFFFFF);
    e->backcolor_(0xFFFFFF);
    before = pixels();
  }
  // Centre pixel of the pure red square, or (-1, -1) when none is shown.
  std::pair<int32_t, int32_t> marked() const {
    int32_t x1 = w, y1 = h, x2 = -1, y2 = -1;
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x)
        if (surface->colour_(x, y) == red) x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
    if (x2 < 0) return {-1, -1};
    EXPECT_EQ(x2 - x1, 10);
    EXPECT_EQ(y2 - y1, 10);
    return {(x1 + x2) / 2, (y1 + y2) / 2};
  }
  std::pair<int32_t, int32_t> mark(int32_t obj, float x, float y, flag16_ cut) {
    surface->fill_colour_(0xFFFFFF);
    e->draw_marker_(obj, x, y, cut);
    return marked();
  }
  using px = std::pair<int32_t, int32_t>;
};

// Zoom 1 around the origin: drawing point (x, y) is pixel (x + 100, 50 - y).
TEST_F(marker_, MarksTheFootOrTheNearerEnd) {
  const int32_t line = e->add_line_(0, 0, 10, 0);
  for (auto [x, y] : {std::pair{-60.f, 20.f}, {-40.f, 20.f}, {-40.f, 0.f}}) e->vertex_add_(x, y);
  const int32_t pline = e->add_polyline_();
  const int32_t pgon = e->add_polygon_();
  const int32_t circle = e->add_circle_(50, 0, 20);
  struct row {
    const char* what;
    int32_t obj;
    float x, y;
    flag16_ cut;
    px at;
  };
  const row rows[] = {
      {"foot on the line", line, 4, 3, true_, {104, 50}},
      {"foot held at the far end", line, 14, 3, true_, {110, 50}},
      {"foot held at the near end", line, -2, -1, true_, {100, 50}},
      {"nearer end", line, 7, 1, false_, {110, 50}},
      {"tie takes the first end", line, 5, 0, false_, {100, 50}},
      {"polyline nearest sample", pline, -45, 25, true_, {55, 30}},
      {"polyline nearer end", pline, -38, 2, false_, {60, 50}},
      {"polygon closing side", pgon, -52, 12, true_, {48, 38}},
      {"polygon join: the click itself", pgon, 80, -30, false_, {180, 80}},
      {"circle", circle, 80, 0, true_, {170, 50}},
      {"circle from inside", circle, 50, 15, false_, {150, 30}},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(mark(r.obj, r.x, r.y, r.cut), r.at);
  }
}

TEST_F(marker_, DegenerateFiguresMarkTheClick) {
  e->vertex_add_(-60, 20);
  e->vertex_add_(-40, 20);
  const int32_t pline = e->add_polyline_();
  ASSERT_GT(pline, 0);
  e->store.live.polylines[size_t(e->object_(pline).index)].count = 1;
  EXPECT_EQ(mark(pline, 30, -20, true_), (px{130, 70}));
  const int32_t arc = e->add_arc_(0, 0, 10, 10, 0, 0, 90);
  auto& a = e->store.live.arcs[size_t(e->object_(arc).index)];
  std::swap(a.a1, a.a2);  // ends the wrong way round: no sample
  EXPECT_EQ(mark(arc, 30, -20, true_), (px{130, 70}));
  a.a2 = 1e30f;  // a sweep that never ends by itself
  EXPECT_NE(mark(arc, 30, -20, true_), (px{-1, -1}));
}

TEST_F(marker_, BandIsHalfWayBetweenBackgroundAndRed) {
  const int32_t line = e->add_line_(0, 0, 10, 0);
  struct row {
    uint32_t back, band;
  };
  for (const row& r : {row{0xFFFFFF, rgb_(255, 128, 128)}, row{0, rgb_(128, 0, 0)}}) {
    e->backcolor_(int32_t(r.back));
    surface->fill_colour_(r.back);
    e->draw_marker_(line, 0, 0, false_);
    // The square's left side at x 95: a thin red line on a three-pixel band.
    EXPECT_EQ(surface->colour_(95, 50), red);
    EXPECT_EQ(surface->colour_(94, 50), r.band);
    EXPECT_EQ(surface->colour_(96, 50), r.band);
    EXPECT_EQ(surface->colour_(100, 50), r.back);  // hollow
    EXPECT_EQ(dc->current_rop_(), rop_::copy_pen_);
  }
}

TEST_F(marker_, BadRecordsAndPagesDrawNothing) {
  const int32_t line = e->add_line_(0, 0, 10, 0);
  for (int32_t obj : {0, -4, line + 1, 1 << 30}) {
    e->draw_marker_(obj, 0, 0, true_);
    EXPECT_EQ(pixels(), before) << obj;
  }
  e->object_(line).index = 77;  // beyond the table of lines
  e->draw_marker_(line, 0, 0, true_);
  EXPECT_EQ(pixels(), before);
  e->object_(line).index = 0;
  e->draw_marker_(line, 0, 0, true_);
  EXPECT_EQ(pixels(), before);
  e->object_(line).index = 1;
  e->pages.active = 40;
  e->draw_marker_(line, 0, 0, true_);
  EXPECT_EQ(pixels(), before);
}

}  // namespace
