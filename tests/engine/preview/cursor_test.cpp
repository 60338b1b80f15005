// The cursor cross and the selection box: exact pixels, and erasing by drawing again.
#include "preview_fixture.h"

namespace {

using cursor_ = overlay_;

TEST_F(cursor_, CrossInvertsFiftyEightPixelsAroundAKeptCentre) {
  // Pixel x 102.5: each end rounds half to even on its own, so the arm runs 88..117.
  e->lock_xy_(dx(102.5f), dy(50));
  e->draw_cursor_(false_);
  EXPECT_EQ(changed(), 58);
  EXPECT_FALSE(inverted(102, 50));
  EXPECT_TRUE(inverted(88, 50));
  EXPECT_TRUE(inverted(117, 50));
  EXPECT_FALSE(inverted(87, 50));
  EXPECT_FALSE(inverted(118, 50));
  EXPECT_TRUE(inverted(102, 35));
  EXPECT_TRUE(inverted(102, 64));
  EXPECT_FALSE(inverted(102, 65));

  const std::vector<uint32_t> once = pixels();
  e->draw_cursor_(false_);
  EXPECT_EQ(pixels(), once);  // moved onto itself: still one cross

  e->unlock_xy_();
  e->mxy2cxy_(40, 30, false_, false_);
  e->draw_cursor_(false_);
  EXPECT_EQ(changed(), 58);
  EXPECT_TRUE(inverted(40, 16));
  EXPECT_FALSE(inverted(88, 50));  // the old cross is gone

  e->draw_cursor_(true_);
  EXPECT_EQ(pixels(), before);
  e->draw_cursor_(true_);
  EXPECT_EQ(pixels(), before);
}

TEST_F(cursor_, CrossFollowsTheConvertedPointAndALockedOne) {
  e->view_gridsize_(10);
  e->view_snap2grid_(true_);
  e->mxy2cxy_(47, 53, true_, false_);  // snaps to drawing (-50, 0): pixel (50, 50)
  e->draw_cursor_(false_);
  EXPECT_TRUE(inverted(50, 40));
  EXPECT_TRUE(inverted(40, 50));
  e->lock_xy_(dx(150), dy(20));
  e->mxy2cxy_(47, 53, true_, false_);  // the locked point wins over the mouse
  e->draw_cursor_(false_);
  EXPECT_TRUE(inverted(150, 10));
  EXPECT_FALSE(inverted(50, 40));
  e->draw_cursor_(true_);
  EXPECT_EQ(pixels(), before);
}

TEST_F(cursor_, NoPageDrawsNoCross) {
  e->pages.active = 7;
  e->lock_xy_(dx(50), dy(50));
  e->draw_cursor_(false_);
  EXPECT_EQ(pixels(), before);
  e->draw_selectbox_(dx(10), dy(10), dx(60), dy(60));
  EXPECT_EQ(pixels(), before);
}

TEST_F(cursor_, SelectionBoxFollowsTheDragAndEmptyBoxErasesIt) {
  e->draw_selectbox_(dx(10), dy(10), dx(60), dy(40));
  const std::vector<uint32_t> shown = pixels();
  EXPECT_GT(changed(), 0);
  EXPECT_TRUE(inverted(10, 10));
  for (int32_t y = 11; y < 40; ++y) EXPECT_FALSE(inverted(30, y));  // an outline only
  e->draw_selectbox_(dx(10), dy(10), dx(60), dy(40));
  EXPECT_EQ(pixels(), shown);
  e->draw_selectbox_(dx(70), dy(20), dx(120), dy(80));
  EXPECT_TRUE(inverted(70, 20));
  EXPECT_FALSE(inverted(10, 10));
  // Equal corners draw nothing visible and take the old box away.
  e->draw_selectbox_(dx(90), dy(50), dx(90), dy(50));
  EXPECT_EQ(pixels(), before);
  e->draw_selectbox_(dx(90), dy(50), dx(90), dy(50));
  EXPECT_EQ(pixels(), before);
}

}  // namespace
