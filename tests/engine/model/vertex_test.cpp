#include <gtest/gtest.h>

#include <memory>

#include "engine/zaz_class.h"

namespace {

struct Vertices : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  void three() {
    e->vertex_add_(1, 10, 0.1f);
    e->vertex_add_(2, 20, 0.2f);
    e->vertex_add_(3, 30, 0.3f);
  }
};

TEST_F(Vertices, EmptyBufferReadsZero) {
  EXPECT_EQ(e->vertex_count_(), 0);
  EXPECT_EQ(e->vertex_px_(0), 0);
  EXPECT_EQ(e->vertex_py_(1), 0);
  EXPECT_EQ(e->vertex_pa_(0), 0);
}

TEST_F(Vertices, IndexZeroIsTheLastEntry) {
  three();
  EXPECT_EQ(e->vertex_px_(0), 3);
  EXPECT_EQ(e->vertex_py_(0), 30);
  EXPECT_EQ(e->vertex_pa_(0), 0.3f);
  EXPECT_EQ(e->vertex_px_(1), 1);
}

TEST_F(Vertices, OutOfRangeReadsZeroAndWritesNothing) {
  three();
  for (int32_t v : {-1, 4, 1000}) {
    EXPECT_EQ(e->vertex_px_(v), 0) << v;
    EXPECT_EQ(e->vertex_py_(v), 0) << v;
    e->vertex_pa_(v, 9);
    EXPECT_EQ(e->vertex_pa_(v), 0) << v;
  }
  EXPECT_EQ(e->vertex_count_(), 3);
  e->vertex_pa_(0, 9);  // the last entry
  EXPECT_EQ(e->vertex_pa_(3), 9);
}

TEST_F(Vertices, DeleteMovesLaterEntriesDown) {
  three();
  EXPECT_EQ(e->vertex_delete_(2), false_);
  ASSERT_EQ(e->vertex_count_(), 2);
  EXPECT_EQ(e->vertex_px_(1), 1);
  EXPECT_EQ(e->vertex_px_(2), 3);
  EXPECT_EQ(e->vertex_pa_(2), 0.3f);
}

TEST_F(Vertices, DeleteOutsideTheBufferChangesNothing) {
  three();
  for (int32_t v : {0, 4, -2}) {
    EXPECT_EQ(e->vertex_delete_(v), false_);
    EXPECT_EQ(e->vertex_count_(), 3) << v;
  }
}

TEST_F(Vertices, DeletingTheOnlyEntryEmptiesTheBuffer) {
  e->vertex_add_(5, 5);
  e->vertex_delete_(1);
  EXPECT_EQ(e->vertex_count_(), 0);
  EXPECT_EQ(e->vertex_px_(0), 0);
}

TEST_F(Vertices, SecondBufferIsSeparate) {
  three();
  EXPECT_EQ(e->vertex_add_(7, 8, 0, true_), 1);
  EXPECT_EQ(e->vertex_count_(), 3);
  EXPECT_EQ(e->vertex_count_(true_), 1);
  EXPECT_EQ(e->vertex_px_(0, true_), 7);
  EXPECT_EQ(e->vertex_py_(1, true_), 8);
  e->vertex_clear_(true_);
  EXPECT_EQ(e->vertex_count_(true_), 0);
  EXPECT_EQ(e->vertex_count_(), 3);
}

TEST_F(Vertices, ShiftSubtractsOriginAndKeepsArcValue) {
  three();
  e->vertex_add_(100, 100, 0, true_);
  e->store.origin_x = 1;
  e->store.origin_y = -5;
  e->vertex_shift_();
  EXPECT_EQ(e->vertex_px_(1), 0);
  EXPECT_EQ(e->vertex_py_(1), 15);
  EXPECT_EQ(e->vertex_pa_(1), 0.1f);
  EXPECT_EQ(e->vertex_px_(1, true_), 100);  // main buffer only
}

TEST_F(Vertices, NewDrawingKeepsBuffers) {
  three();
  e->new_empty_drawing_();
  EXPECT_EQ(e->vertex_count_(), 3);
}

}  // namespace
