#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/zaz_class.h"

namespace {

struct Layers : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  void SetUp() override { e->page_add_("p", 100, 100); }
  void add_layers(int n) {
    for (int i = 1; i <= n; ++i)
      e->layer_add_("L" + std::to_string(i), true_, true_, -1, -2, 0, 1);
  }
  const object_rec_& obj(int32_t r) const { return e->store.live.objects[r]; }
};

TEST_F(Layers, AddCorrectsAttributes) {
  struct Case { int32_t dcolor, fcolor, style, width; int32_t want_d, want_f, want_s, want_w; };
  const Case cases[] = {
      {-4, -7, -1, 0, -1, -2, 0, 1},
      {-1, -3, 0, 1, -1, -1, 0, 1},
      {-2, -2, 2, 5, -1, -2, 2, 5},
      {255, -5, 4, -3, 255, -2, 4, 1},
      {0, -1, 3, 32, 0, -1, 3, 32},
      {0, 65535, 1, 2, 0, 65535, 1, 2},
  };
  for (const Case& c : cases) {
    const int32_t k = e->layer_add_("t", true_, false_, c.dcolor, c.fcolor, c.style, c.width);
    ASSERT_GT(k, 0);
    EXPECT_EQ(e->layer_atr_dcolor_(int16_t(k)), c.want_d) << c.dcolor;
    EXPECT_EQ(e->layer_atr_fcolor_(int16_t(k)), c.want_f) << c.fcolor;
    EXPECT_EQ(e->layer_atr_style_(int16_t(k)), c.want_s) << c.style;
    EXPECT_EQ(e->layer_atr_width_(int16_t(k)), c.want_w) << c.width;
    EXPECT_EQ(e->layer_atr_vis_(int16_t(k)), true_);
    EXPECT_EQ(e->layer_atr_edt_(int16_t(k)), false_);
    EXPECT_EQ(e->layer_active_(), k);
  }
}

TEST_F(Layers, SettersStoreWithoutCorrection) {
  add_layers(1);
  e->layer_atr_dcolor_(1, -4);
  e->layer_atr_width_(1, 0);
  e->layer_title_(1, "renamed");
  EXPECT_EQ(e->layer_atr_dcolor_(1), -4);
  EXPECT_EQ(e->layer_atr_width_(1), 0);
  EXPECT_EQ(e->layer_title_(1), "renamed");
}

TEST_F(Layers, AddNeedsValidActivePage) {
  zaz_class_ empty;
  EXPECT_EQ(empty.layer_add_("x", true_, true_, -1, -2, 0, 1), 0);
  EXPECT_EQ(empty.layers_count_(), 0);
  EXPECT_EQ(empty.layer_active_(), 0);
}

TEST_F(Layers, NoMoreThan255Layers) {
  add_layers(255);
  EXPECT_EQ(e->layer_add_("256", true_, true_, -1, -2, 0, 1), 0);
  EXPECT_EQ(e->layers_count_(), 255);
  EXPECT_EQ(e->layer_active_(), 255);
}

TEST_F(Layers, DeletingMiddleLayerRenumbersThisPageOnly) {
  add_layers(3);
  const int32_t on1 = e->add_point_(1, 1, 1, 5, -1, 0, 1, 1);
  const int32_t on2 = e->add_point_(2, 2, 1, 5, -1, 0, 1, 2);
  const int32_t on3 = e->add_point_(3, 3, 1, 5, -1, 0, 1, 3);
  e->store.live.objects[on2].selected = true_;
  e->page_add_("other", 10, 10);
  add_layers(3);
  const int32_t other3 = e->add_point_(4, 4, 1, 5, -1, 0, 1, 3);
  e->page_active_(1);
  EXPECT_EQ(e->layer_delete_(2), true_);
  EXPECT_EQ(e->layers_count_(), 2);
  EXPECT_EQ(e->layer_title_(2), "L3");
  EXPECT_EQ(obj(on1).layer, 1);
  EXPECT_EQ(obj(on2).deleted, true_);
  EXPECT_EQ(obj(on2).selected, true_);  // selection left alone
  EXPECT_EQ(obj(on3).layer, 2);
  EXPECT_EQ(obj(on3).deleted, false_);
  EXPECT_EQ(obj(other3).layer, 3);
  EXPECT_EQ(e->layer_active_(), 2);  // was 3, now above the count
}

TEST_F(Layers, DeleteRefusals) {
  add_layers(1);
  EXPECT_EQ(e->layer_delete_(1), false_);  // the only layer
  add_layers(2);
  for (int32_t id : {0, 4, -1, 1000}) {
    EXPECT_EQ(e->layer_delete_(id), false_) << id;
    EXPECT_EQ(e->layers_count_(), 3) << id;
  }
}

TEST_F(Layers, ActiveLayerIsClamped) {
  add_layers(3);
  struct Case { int16_t set, got; };
  for (Case c : {Case{0, 1}, Case{9, 3}, Case{2, 2}, Case{-5, 1}}) {
    e->layer_active_(c.set);
    EXPECT_EQ(e->layer_active_(), c.got) << c.set;
  }
}

TEST_F(Layers, MissingLayerReadsEmpty) {
  add_layers(2);
  for (int16_t lid : {0, 3, -1}) {
    e->layer_title_(lid, "x");
    EXPECT_EQ(e->layer_title_(lid), "") << lid;
    EXPECT_EQ(e->layer_atr_vis_(lid), 0);
    EXPECT_EQ(e->layer_atr_dcolor_(lid), 0);
  }
}

TEST_F(Layers, InfoCountsLiveObjectsOfActivePage) {
  add_layers(2);
  e->add_point_(0, 0, 1, 5, -1, 0, 1, 2);
  const int32_t gone = e->add_point_(0, 0, 1, 5, -1, 0, 1, 2);
  e->add_point_(0, 0, 1, 5, -1, 0, 1, 1);
  e->store.live.objects[gone].deleted = true_;
  e->page_add_("other", 10, 10);
  add_layers(2);
  e->add_point_(0, 0, 1, 5, -1, 0, 1, 2);
  e->page_active_(1);
  EXPECT_EQ(e->layer_info_(2), 1);
  EXPECT_EQ(e->layer_info_(1), 1);
  EXPECT_EQ(e->layer_info_(3), 0);
}

}  // namespace
