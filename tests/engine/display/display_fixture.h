// An engine with one page of two visible layers, painted into an image-backed surface.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "engine/zaz_class.h"

class display_ : public ::testing::Test {
 protected:
  static constexpr uint32_t white = 0xFFFFFF;

  void SetUp() override {
    e = std::make_unique<zaz_class_>();
    e->page_add_("p1", 210, 297);
    e->page_show_border_(1, false_);
    e->page_show_coords_(1, false_);
    e->layer_add_("a", true_, true_, -1, -2, 0, 1);
    e->layer_add_("b", true_, true_, -1, -2, 0, 1);
    e->layer_active_(1);
    e->backcolor_(white);
    e->view_gridvisible_(false_);
    e->points_on_(false_);
    resize(200, 100);
  }
  void resize(int32_t w, int32_t h) {
    surface = std::make_unique<surface_>(w, h);
    dc = std::make_unique<dc_>(*surface);
  }
  void view(float x, float y, float zoom) { e->view_setting_(x, y, zoom, 1); }
  // Clears to the background, as the host does, and repaints.
  void paint(flag16_ fast = false_) {
    surface->fill_colour_(white);
    e->display_(dc.get(), false_, fast);
  }
  uint32_t at(int32_t x, int32_t y) const { return surface->colour_(x, y); }
  object_rec_& obj(int32_t r) { return e->store.live.objects[r]; }

  std::unique_ptr<zaz_class_> e;
  std::unique_ptr<surface_> surface;
  std::unique_ptr<dc_> dc;
};
