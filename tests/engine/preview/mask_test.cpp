// The transform mask: drawn inverted over the picture, erased exactly by drawing it again.
#include <functional>
#include <string>
#include <utility>

#include "preview_fixture.h"

namespace {

class mask_ : public overlay_ {
 protected:
  void SetUp() override {
    overlay_::SetUp();
    e->layer_add_("a", true_, true_, -1, -2, 0, 1);
    e->layer_active_(1);
  }
  struct args {
    int32_t kind = 0;
    float mx = 0, my = 0, rot = 0, px1 = 0, py1 = 0, px2 = 0, py2 = 0, x0 = 0, y0 = 0, sx = 1, sy = 1;
  };
  void show(const args& a) {
    e->display_mask_(a.kind, a.mx, a.my, a.rot, a.px1, a.py1, a.px2, a.py2, a.x0, a.y0, a.sx, a.sy);
  }
  void erase() { show({}); }
  int32_t changed_in(int32_t x1, int32_t y1, int32_t x2, int32_t y2) const {
    int32_t n = 0;
    for (int32_t y = y1; y < y2; ++y)
      for (int32_t x = x1; x < x2; ++x) n += surface->colour_(x, y) != before[size_t(y * w + x)];
    return n;
  }
  void select_all() {
    e->select_all_();
    before = pixels();
  }
};

// One object of every kind, the texts in the stroke fonts beside the program.
TEST_F(mask_, EveryTransformationErasesToTheOriginalPixels) {
  ASSERT_EQ(e->font_load_defaults_(std::string(ARVEX_BINARY_DIR) + "/bin"), 2);
  e->view_setting_(0, 0, 0.5f, 1);
  e->add_point_(-180, 80, 1, 4);
  e->add_point_(-170, 80, 0, 0);
  e->add_line_(-150, 80, -100, 70);
  for (auto [x, y] : {std::pair{-80.f, 70.f}, {-60.f, 90.f}, {-40.f, 70.f}}) e->vertex_add_(x, y);
  ASSERT_GT(e->add_curve_(false_), 0);
  ASSERT_GT(e->add_polyline_(), 0);
  ASSERT_GT(e->add_polygon_(), 0);
  e->add_arc_(130, 70, 15, 10, 20, 0, 180);
  e->add_circle_(-150, 20, 20);
  e->add_ellipse_(-80, 20, 25, 10, 30);
  e->vertex_clear_();
  for (auto [x, y] : {std::pair{-20.f, 0.f}, {20.f, 0.f}, {20.f, 40.f}, {-20.f, 40.f}}) e->vertex_add_(x, y);
  ASSERT_GT(e->add_hatch_(1, 1, 45), 0);
  ASSERT_GT(e->add_text_("AB", 1, 40, 10, 20, 1, 0.5f), 0);
  ASSERT_GT(e->add_text_("C", 1, 60, 40, 10), 0);
  ASSERT_GT(e->add_image_("missing.png", 100, 30, 40, 30), 0);
  ASSERT_EQ(e->dimstyle_add_("standard"), 1);
  e->dimstyles_prop_(1, 23, value_::of(1));
  ASSERT_GT(e->add_dimh_(1, -180, -60, -120, -60, -150, -40, 0, 0, 0, 1, 1, ""), 0);
  ASSERT_GT(e->add_dima_(1, -80, -90, -40, -90, -80, -50, 0, 0, 0, 1, 1, ""), 0);
  e->vertex_clear_();
  for (auto [x, y] : {std::pair{0.f, -60.f}, {30.f, -40.f}, {60.f, -40.f}}) e->vertex_add_(x, y);
  ASSERT_GT(e->add_ref_(1, "R", 0, 0, 1, 1), 0);
  const int32_t member = e->add_line_(0, 0, 30, 0);
  e->select_clear_();
  e->select_record_(member, true_);
  ASSERT_EQ(e->block_create_("b", 0, 0, false_), 1);
  e->add_block_(1, 100, -60, 1, 1, 0);
  e->add_bgroup_(150, -90, 190, -60, "G");
  select_all();

  const args kinds[] = {
      {1, 10, -6},
      {2, 0, 0, 30, 5, 5},
      {3, 0, 0, 0, 0, -10, 20, 10},
      {4, 0, 0, 0, 0, 0, 0, 0, 3, 2, 1.5f, 0.7f},
      {4, 0, 0, 0, 0, 0, 0, 0, 3, 2, -1, 1},
      {5},
  };
  for (const args& k : kinds) {
    SCOPED_TRACE(testing::Message() << k.kind << " " << k.sx);
    show(k);
    EXPECT_GT(changed(), 0);
    args next = k;
    next.mx += 3, next.rot += 7, next.px2 += 4, next.sx *= 1.1f;
    show(next);
    show(next);  // the same values again: still one mask
    EXPECT_GT(changed(), 0);
    erase();
    EXPECT_EQ(pixels(), before);
    EXPECT_EQ(e->mask.kind, 0);
  }
  show({-1, 10});
  EXPECT_EQ(pixels(), before);
}

// Zoom 1 around the origin: drawing point (x, y) is pixel (x + 100, 50 - y).
TEST_F(mask_, LinesArcsInsertsAndHatchesLandWhereTheTransformationPutsThem) {
  const int32_t member = e->add_line_(0, 0, 30, 0);
  e->select_clear_();
  e->select_record_(member, true_);
  ASSERT_EQ(e->block_create_("b", 0, 0, false_), 1);
  struct row {
    const char* what;
    args a;
    int32_t x, y;          // a pixel the mask must invert
    int32_t ox, oy;        // a pixel it must leave alone
    int32_t count;         // pixels changed in all, -1: not checked
  };
  auto line = [&] { e->add_line_(-50, 0, -10, 0); };
  auto arc = [&] { e->add_arc_(30, 0, 15, 15, 0, 0, 180); };
  auto circle = [&] { e->add_circle_(0, 0, 10); };
  auto insert = [&] { e->add_block_(1, -80, -30, 1, 1, 0); };
  const std::pair<row, std::function<void()>> rows[] = {
      {{"line moved", {1, 0, 20}, 70, 30, 70, 50, 40}, line},
      {{"line turned", {2, 0, 0, 90, -50, 0}, 50, 30, 70, 50, 40}, line},
      {{"line mirrored", {3, 0, 0, 0, 0, -10, 10, -10}, 70, 70, 70, 50, 40}, line},
      {{"line scaled", {4, 0, 0, 0, 0, 0, 0, 0, -50, 0, 0.5f, 1}, 65, 50, 85, 50, 20}, line},
      {{"arc moved", {1, 0, 20}, 130, 15, 130, 35, -1}, arc},
      {{"arc mirrored", {3, 0, 0, 0, 0, 0, 10, 0}, 130, 65, 130, 35, -1}, arc},
      {{"circle scaled", {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1}, 120, 50, 110, 50, -1}, circle},
      {{"insert moved", {1, 0, 10}, 30, 70, 30, 80, 30}, insert},
      // Scaling an insert scales its factors too, as the scale transformation does.
      {{"insert scaled", {4, 0, 0, 0, 0, 0, 0, 0, -80, -30, 2, 1}, 70, 80, 80, 80, 60}, insert},
  };
  for (const auto& [r, add] : rows) {
    SCOPED_TRACE(r.what);
    e->select_clear_();
    add();
    e->select_record_(e->records_(), true_);
    show(r.a);
    EXPECT_TRUE(inverted(r.x, r.y));
    EXPECT_FALSE(inverted(r.ox, r.oy));
    if (r.count >= 0) {
      EXPECT_EQ(changed(), r.count);
    }
    erase();
    EXPECT_EQ(pixels(), before);
    e->delete_object_(e->records_());
  }
}

// The mask shows what the transformations do to these kinds: a mirrored dimension is
// mirrored, a turned group frame becomes the box around its turned corners.
TEST_F(mask_, DimensionsMirrorAndGroupFramesTurnAsTheTransformationsDo) {
  ASSERT_EQ(e->dimstyle_add_("standard"), 1);
  ASSERT_GT(e->add_dimh_(1, -60, 20, -20, 20, -40, 35, 0, 0, 0, 1, 1, ""), 0);
  select_all();
  show({3, 0, 0, 0, 0, 0, 10, 0});
  EXPECT_EQ(changed_in(0, 0, w, 50), 0);
  EXPECT_GT(changed_in(0, 51, w, h), 20);
  erase();
  e->select_clear_();
  const int32_t group = e->add_bgroup_(10, 10, 40, 30, "G");
  e->select_record_(group, true_);
  show({2, 0, 0, 90, 10, 10});
  EXPECT_TRUE(inverted(90, 25));
  EXPECT_EQ(changed_in(111, 0, w, h), 0);
  erase();
  EXPECT_EQ(pixels(), before);
}

TEST_F(mask_, LongOutlinesDrawTheirFirstTenThousandVertices) {
  e->vertex_add_(0, 0);
  e->vertex_add_(1, 0);
  const int32_t r = e->add_polyline_();
  ASSERT_GT(r, 0);
  polyline_rec_& p = e->store.live.polylines[size_t(e->object_(r).index)];
  p.count = 12000;
  p.x.assign(12001, 0.f);
  p.y.assign(12001, 0.f);
  for (int32_t i = 1; i <= 12000; ++i) {
    p.x[size_t(i)] = i % 2 ? -50.f : -10.f;
    p.y[size_t(i)] = i <= 10000 ? 10.f : -30.f;
  }
  select_all();
  show({5});
  EXPECT_TRUE(inverted(70, 40));
  EXPECT_EQ(changed_in(0, 41, w, h), 0);
  erase();
  EXPECT_EQ(pixels(), before);
}

TEST_F(mask_, HatchPatternMovesWithItsBoundary) {
  for (auto [x, y] : {std::pair{-20.f, -20.f}, {20.f, -20.f}, {20.f, 20.f}, {-20.f, 20.f}}) e->vertex_add_(x, y);
  ASSERT_GT(e->add_hatch_(1, 1, 45), 0);
  select_all();
  show({1, 60, 0});
  EXPECT_GT(changed_in(140, 30, 181, 71), 20);  // the moved square
  EXPECT_EQ(changed(), changed_in(140, 30, 181, 71));
  show({2, 0, 0, 90});
  EXPECT_GT(changed_in(80, 30, 121, 71), 20);
  EXPECT_EQ(changed(), changed_in(80, 30, 121, 71));
  erase();
  EXPECT_EQ(pixels(), before);
}

TEST_F(mask_, OnlySelectedLiveObjectsOfTheActivePageAreDrawn) {
  e->add_line_(-50, 0, -10, 0);
  const int32_t plain = e->add_line_(-50, 10, -10, 10);
  const int32_t gone = e->add_line_(-50, 20, -10, 20);
  const int32_t other = e->add_line_(-50, -10, -10, -10);
  e->select_all_();
  e->select_record_(plain, false_);
  e->object_(gone).deleted = true_;
  e->object_(other).page = 2;
  before = pixels();
  show({1, 0, 20});
  EXPECT_EQ(changed(), 40);  // the first line alone
  EXPECT_TRUE(inverted(70, 30));
  erase();
  EXPECT_EQ(pixels(), before);
}

TEST_F(mask_, EraseOnlyAndRepaintForgetTheMask) {
  e->add_line_(-50, 0, -10, 0);
  select_all();
  erase();  // nothing shown yet: nothing erased
  EXPECT_EQ(pixels(), before);
  show({4, 0, 0, 0, 0, 0, 0, 0, -50, 0, 0.5f, 2});
  e->display_(dc.get(), false_, false_);
  EXPECT_EQ(e->mask.kind, 0);
  EXPECT_EQ(e->mask.sx, 0.5f);  // the repaint keeps the scale values
  const std::vector<uint32_t> repainted = pixels();
  erase();
  EXPECT_EQ(pixels(), repainted);
}

TEST_F(mask_, DamagedRecordsAndMissingPagesDrawNothing) {
  e->add_line_(-50, 0, -10, 0);
  e->add_line_(-50, 10, -10, 10);
  e->add_line_(-50, 20, -10, 20);
  select_all();
  e->object_(1).index = 999;   // entry beyond its table
  e->object_(2).type = 42;     // no such kind
  e->object_(3).index = -3;
  e->store.counts[0] = 1000;   // more records claimed than stored
  show({1, 0, 20});
  EXPECT_EQ(pixels(), before);
  e->store.counts[0] = 3;
  e->object_(3).index = 3;
  e->pages.active = 9;  // no such page
  show({1, 0, 20});
  EXPECT_EQ(pixels(), before);
  e->pages.active = 1;
  e->mask.forget();  // what the calls above remembered was never on the screen
  show({1, 0, 20});
  EXPECT_EQ(changed(), 40);
  erase();
  EXPECT_EQ(pixels(), before);
}

}  // namespace
