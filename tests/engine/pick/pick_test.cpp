// Picking by painting record numbers and reading them back around the point.
#include <vector>

#include "tests/engine/pick/pick_fixture.h"

namespace {

class Pick : public pick_drawing_ {
 protected:
  void SetUp() override {
    pick_drawing_::SetUp();
    open_window();
  }
  int32_t single(float x, float y, flag16_ editable_only = true_) {
    int32_t type = -1;
    const int32_t r = e->getrfp_(x, y, type, false_, editable_only);
    EXPECT_EQ(type, r > 0 ? obj(r).type : 0);
    return r;
  }
  std::vector<int32_t> hits() {
    std::vector<int32_t> list;
    const int32_t n = e->getrfp_ex_(list);
    list.resize(size_t(n) + 1);
    list.erase(list.begin());
    return list;
  }
};

TEST_F(Pick, CrossingLinesGiveTheHigherRecord) {
  e->add_line_(80, 80, 120, 120);
  const int32_t second = e->add_line_(80, 120, 120, 80);
  EXPECT_EQ(single(100, 100), second);
}

TEST_F(Pick, OutlinesBeatFilledObjects) {
  const int32_t square = add_polyline({{60, 60}, {140, 60}, {140, 140}, {60, 140}}, true, 255);
  const int32_t line = e->add_line_(105, 80, 105, 120);  // 5 pixels from the point
  EXPECT_EQ(single(100, 100), line);
  EXPECT_EQ(single(100, 30), 0);
  obj(line).deleted = true_;
  EXPECT_EQ(single(100, 100), square);
  const int32_t under = e->add_line_(0, 0, 1, 1);  // a lower-numbered line under the fill
  obj(square).deleted = true_;
  const int32_t top = add_polyline({{60, 60}, {140, 60}, {140, 140}, {60, 140}}, true, 255);
  line_rec_& l = this->line(under);
  l = {105, 80, 105, 120};
  obj(under).x1 = obj(under).x2 = 105, obj(under).y1 = 80, obj(under).y2 = 120;
  EXPECT_EQ(single(100, 100), top);
}

TEST_F(Pick, HollowFillIsFoundOnlyNearItsOutline) {
  const int32_t square = add_polyline({{60, 60}, {140, 60}, {140, 140}, {60, 140}}, true, color_none_);
  EXPECT_EQ(single(100, 100), 0);
  EXPECT_EQ(single(131, 100), square);
  EXPECT_EQ(single(130, 100), 0);  // ten pixels from the outline
}

TEST_F(Pick, LayersPagesAndDeletedRecords) {
  const int32_t locked = e->add_line_(90, 100, 110, 100, -1, 0, 1, 2);
  EXPECT_EQ(single(100, 100, true_), 0);
  EXPECT_EQ(single(100, 100, false_), locked);
  const int32_t editable = e->add_line_(100, 92, 100, 80);  // 8 pixels below, editable
  EXPECT_EQ(single(100, 100, false_), editable);
  obj(editable).deleted = true_;
  obj(locked).deleted = true_;
  e->add_line_(90, 100, 110, 100, -1, 0, 1, 3);  // hidden layer
  const int32_t stray = e->add_line_(90, 100, 110, 100);
  obj(stray).layer = 9;  // a layer the page does not have
  const int32_t other = e->add_line_(90, 100, 110, 100);
  obj(other).page = 2;
  EXPECT_EQ(single(100, 100, false_), 0);
}

TEST_F(Pick, TheSquareReachesNinePixels) {
  struct case_ {
    float off;
    bool found;
  } cases[] = {{9, true}, {10, false}, {-9, true}, {-10, false}};
  for (const case_& c : cases) {
    const int32_t r = e->add_line_(100 + c.off, 100 + c.off, 100 + 2 * c.off, 100 + 2 * c.off);
    EXPECT_EQ(single(100, 100), c.found ? r : 0) << c.off;
    obj(r).deleted = true_;
  }
}

TEST_F(Pick, CollectingPickListsRecordsInSpiralOrder) {
  const int32_t far = e->add_line_(95, 80, 95, 120);
  const int32_t near = e->add_line_(101, 80, 101, 120);
  const int32_t mid = e->add_line_(80, 97, 120, 97);
  int32_t type = 0;
  EXPECT_EQ(e->getrfp_(100, 100, type, true_, false_), near);
  const std::vector<int32_t> want{near, mid, far};
  EXPECT_EQ(hits(), want);
  std::vector<int32_t> all;
  e->getrfp_ex_(all);
  ASSERT_EQ(all.size(), 33u);
  for (size_t i = 4; i <= 32; ++i) EXPECT_EQ(all[i], 0);
  single(100, 100);
  EXPECT_TRUE(hits().empty());
}

TEST_F(Pick, HitListNeverReportsMoreThanItHolds) {
  for (int32_t i = 0; i < 40; ++i) {
    const float x = 91 + (i % 19), y = 91 + (i / 19) * 8;
    e->add_point_(x, y);
  }
  int32_t type = 0;
  EXPECT_GT(e->getrfp_(100, 100, type, true_, false_), 0);
  const std::vector<int32_t> list = hits();
  ASSERT_EQ(list.size(), 32u);
  for (int32_t r : list) EXPECT_GE(r, 1);
}

TEST_F(Pick, BreakStopsTheCollectingPick) {
  e->break_function_([this] { e->break_(); });
  for (int32_t i = 0; i < 120; ++i) e->add_line_(90, 100, 110, 100);
  int32_t type = 0;
  EXPECT_EQ(e->getrfp_(100, 100, type, true_, false_), 100);  // the last record painted
  EXPECT_EQ(e->getrfp_(100, 100, type, false_, false_), 120);
}

}  // namespace
