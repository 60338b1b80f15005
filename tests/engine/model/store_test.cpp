#include <gtest/gtest.h>

#include <memory>

#include "engine/zaz_class.h"

namespace {

struct Store : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
};

TEST_F(Store, NewEngineIsEmpty) {
  EXPECT_EQ(e->records_(), 0);
  for (int t = 0; t <= 256; ++t) EXPECT_EQ(e->subrecords_(t), 0) << t;
  EXPECT_EQ(e->table_ubound_(0, false_), 0);
  EXPECT_EQ(e->table_ubound_(ot_line_, false_), 0);
}

TEST_F(Store, FirstAddGrowsMainThenTypeTableByFreshStep) {
  EXPECT_EQ(e->add_line_(0, 0, 1, 1), 1);
  EXPECT_EQ(e->table_ubound_(0, false_), 1001);        // 1 + step 1000
  EXPECT_EQ(e->table_ubound_(ot_line_, false_), 1002); // 1 + step 1001 from the grown main table
  EXPECT_EQ(e->records_(), 1);
  EXPECT_EQ(e->subrecords_(ot_line_), 1);
  // The snapshot set is not touched by adds.
  EXPECT_EQ(e->table_ubound_(0, true_), 0);
  EXPECT_EQ(e->table_ubound_(ot_line_, true_), 0);
}

TEST_F(Store, GrowthStepFollowsMainTableClamped) {
  struct Case { size_t ubound; int32_t step; };
  for (Case c : {Case{0, 1000}, Case{999, 1000}, Case{5000, 5000}, Case{2500000, 1000000}}) {
    e->store.live.objects.assign(c.ubound + 1, object_rec_{});
    EXPECT_EQ(e->table_grow_step_(), c.step) << c.ubound;
  }
}

TEST_F(Store, TablesGrowOnlyWhenFullAndKeepEntries) {
  for (int i = 0; i < 1001; ++i) ASSERT_EQ(e->add_point_(float(i), 0), i + 1);
  EXPECT_EQ(e->table_ubound_(0, false_), 1001);
  EXPECT_EQ(e->add_point_(-5, 7), 1002);
  EXPECT_EQ(e->table_ubound_(0, false_), 1002 + 1001);
  EXPECT_EQ(e->store.live.points[1].x, 0.0f);
  EXPECT_EQ(e->store.live.points[1001].x, 1000.0f);
  EXPECT_EQ(e->store.live.points[1002].y, 7.0f);
}

TEST_F(Store, ReserveMakesAnEntryAddressableForOtherWriters) {
  struct Case { int32_t type, entry, ubound; };
  // The main table first: its bound sets the step of the tables reserved after it.
  for (Case c : {Case{0, 3, 1003}, Case{ot_text_, 5, 1008}, Case{ot_text_, 900, 1008},
                 Case{ot_text_, 1009, 2012}, Case{99, 1004, 2007}}) {
    ASSERT_TRUE(e->table_reserve_(c.type, c.entry));
    EXPECT_EQ(e->table_ubound_(c.type, false_), c.ubound) << c.type << " " << c.entry;
  }
  e->store.live.texts[1009].text = "written";
  e->store.live.objects[1004].page = 3;
  EXPECT_FALSE(e->table_reserve_(ot_line_, 0));
  EXPECT_EQ(e->records_(), 0);  // reserving counts nothing
}

TEST_F(Store, FailedAddLeavesCountersAndNumberFree) {
  ASSERT_EQ(e->add_line_(0, 0, 1, 1), 1);
  struct Case { const char* what; int32_t result; };
  const Case refused[] = {
      {"layer 300", e->add_line_(0, 0, 1, 1, -1, 0, 1, 300)},
      {"layer -1", e->add_circle_(0, 0, 1, -1, -2, 0, 1, -1)},
      {"width beyond 16 bits", e->add_point_(0, 0, 1, 5, -1, 0, 40000.0, 1)},
      {"width not a number", e->add_point_(0, 0, 1, 5, -1, 0, std::nan(""), 1)},
  };
  for (const Case& c : refused) EXPECT_EQ(c.result, 0) << c.what;
  EXPECT_EQ(e->records_(), 1);
  EXPECT_EQ(e->subrecords_(ot_line_), 1);
  EXPECT_EQ(e->subrecords_(ot_circle_), 0);
  EXPECT_EQ(e->subrecords_(ot_point_), 0);
  EXPECT_EQ(e->add_circle_(0, 0, 1), 2);
  EXPECT_EQ(e->store.live.objects[2].index, 1);
}

TEST_F(Store, MainRecordCarriesAttributesUnchanged) {
  e->page_add_("p", 100, 100);
  const int32_t r = e->add_point_(3, 4, 1, 7, -4, -3, 2.5, 255);
  ASSERT_GT(r, 0);
  const object_rec_& o = e->store.live.objects[r];
  EXPECT_EQ(o.type, ot_point_);
  EXPECT_EQ(o.index, 1);
  EXPECT_EQ(o.page, 1);
  EXPECT_EQ(o.draw_color, -4);
  EXPECT_EQ(o.fill_color, color_none_);
  EXPECT_EQ(o.line_style, -3);
  EXPECT_EQ(o.line_width, 2);  // half to even
  EXPECT_EQ(o.layer, 255);
  EXPECT_EQ(o.selected, false_);
  EXPECT_EQ(o.deleted, false_);
  EXPECT_EQ(o.group, 0);
}

TEST_F(Store, DeletedRecordKeepsItsNumberAndCount) {
  e->add_line_(0, 0, 1, 1);
  e->add_line_(0, 0, 2, 2);
  e->store.live.objects[1].deleted = true_;
  EXPECT_EQ(e->records_(), 2);
  EXPECT_EQ(e->add_line_(0, 0, 3, 3), 3);
}

TEST_F(Store, EmptyDrawingResetClearsStore) {
  e->add_line_(0, 0, 1, 1);
  e->new_empty_drawing_();
  EXPECT_EQ(e->records_(), 0);
  EXPECT_EQ(e->subrecords_(ot_line_), 0);
  EXPECT_EQ(e->table_ubound_(0, false_), 0);
  EXPECT_EQ(e->pages_count_(), 0);
  EXPECT_EQ(e->page_active_(), 0);
  EXPECT_EQ(e->dimstyles_count_(), 0);
}

}  // namespace
