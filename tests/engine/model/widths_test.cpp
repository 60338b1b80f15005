#include <gtest/gtest.h>

#include <memory>

#include "engine/zaz_class.h"

namespace {

struct Widths : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
};

TEST_F(Widths, NewEngineTable) {
  const float want[] = {0.01f, 0.12f, 0.25f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f, 2.5f};
  for (int id = 0; id <= 10; ++id) EXPECT_EQ(e->line_width_(id), want[id]) << id;
  EXPECT_EQ(e->line_width_(20), 0.01f);  // never set: 0 reads as the minimum
}

TEST_F(Widths, ValuesAreLimited) {
  struct Case { float set, read; };
  for (Case c : {Case{0, 0.01f}, Case{-1, 0.01f}, Case{25, 9.99f}, Case{0.7f, 0.7f},
                 Case{NAN, 9.99f}}) {
    e->line_width_(3, c.set);
    EXPECT_EQ(e->line_width_(3), c.read) << c.set;
  }
}

TEST_F(Widths, IdsOutsideTheTable) {
  for (int32_t id : {33, -1, 40}) {
    e->line_width_(id, 5);
    EXPECT_EQ(e->line_width_(id), 0.01f) << id;
  }
  EXPECT_EQ(e->line_width_(32), 0.01f);
}

TEST_F(Widths, NewDrawingResetsOnlyFirstEleven) {
  e->line_width_(3, 0.7f);
  e->line_width_(20, 3);
  e->new_empty_drawing_();
  EXPECT_EQ(e->line_width_(3), 0.5f);
  EXPECT_EQ(e->line_width_(20), 3);
}

struct UsedAttrs : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  void SetUp() override {
    e->page_add_("a", 10, 10);
    e->page_add_("b", 10, 10);
  }
};

TEST_F(UsedAttrs, DistinctValuesInRecordOrder) {
  for (int32_t c : {255, -4, 255, 0}) e->add_line_(0, 0, 1, 1, c, 0, 1, 1);
  EXPECT_EQ(e->get_used_attrs_(1), "255;-4;0");
  EXPECT_EQ(e->get_used_attrs_(4), "1");
  EXPECT_EQ(e->get_used_attrs_(5), "1");
  EXPECT_EQ(e->get_used_attrs_(6), "2");
  for (int32_t toa : {0, 7, -1}) EXPECT_EQ(e->get_used_attrs_(toa), "") << toa;
}

TEST_F(UsedAttrs, FillSkipsKindsWithoutFill) {
  e->add_rect_(0, 0, 1, 1, -1, 5);
  e->add_circle_(0, 0, 1, -1, 6);
  e->vertex_add_(0, 0);
  e->vertex_add_(1, 1);
  e->add_curve_(false_, -1, 7);
  e->add_point_(0, 0);
  const int32_t dim = e->add_rect_(0, 0, 1, 1, -1, 8);
  e->store.live.objects[dim].type = ot_dimension_;
  EXPECT_EQ(e->get_used_attrs_(2), "5;6");
  EXPECT_EQ(e->get_used_attrs_(6), "5;7;3;1;12");
}

TEST_F(UsedAttrs, OnlyLiveObjectsOfActivePageOnALayer) {
  const int32_t gone = e->add_line_(0, 0, 1, 1, 1);
  e->store.live.objects[gone].deleted = true_;
  const int32_t member = e->add_line_(0, 0, 1, 1, 2);
  e->store.live.objects[member].page = 0;
  e->add_line_(0, 0, 1, 1, 3, 0, 1, 0);  // layer 0
  e->add_line_(0, 0, 1, 1, 4);
  e->page_active_(1);
  e->add_line_(0, 0, 1, 1, 5);
  EXPECT_EQ(e->get_used_attrs_(1), "5");
  e->page_active_(2);
  EXPECT_EQ(e->get_used_attrs_(1), "4");
}

TEST_F(Widths, PointDisplaySwitch) {
  EXPECT_EQ(e->points_on_(), false_);
  e->points_on_(true_);
  e->new_empty_drawing_();
  EXPECT_EQ(e->points_on_(), true_);
}

}  // namespace
