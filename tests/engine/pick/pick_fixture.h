// A drawing with one page of three layers (editable, locked, hidden) and, when asked, a
// 200 x 200 window whose view maps drawing (x, y) to pixel (x, 200 - y).
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "engine/zaz_class.h"

class pick_drawing_ : public ::testing::Test {
 protected:
  void SetUp() override {
    e = std::make_unique<zaz_class_>();
    e->page_add_("p1", 210, 297);
    e->layer_add_("edit", true_, true_, -1, -2, 0, 1);
    e->layer_add_("locked", true_, false_, -1, -2, 0, 1);
    e->layer_add_("hidden", false_, true_, -1, -2, 0, 1);
    e->layer_active_(1);
  }
  void open_window() {
    surface = std::make_unique<surface_>(200, 200);
    dc = std::make_unique<dc_>(*surface);
    e->dinit_(dc.get());
    e->view_setting_(100, 100, 1, e->page_active_());
  }
  object_rec_& obj(int32_t r) { return e->store.live.objects[r]; }
  line_rec_& line(int32_t r) { return e->store.live.lines[obj(r).index]; }
  polyline_rec_& polyline(int32_t r) { return e->store.live.polylines[obj(r).index]; }
  arc_rec_& arc(int32_t r) { return e->store.live.arcs[obj(r).index]; }
  int32_t add_polyline(std::initializer_list<std::pair<float, float>> pts, bool closed = false,
                       int32_t fill = -2, int32_t layer = 1) {
    e->vertex_clear_();
    for (auto [x, y] : pts) e->vertex_add_(x, y);
    return closed ? e->add_polygon_(-1, fill, 0, 1, layer) : e->add_polyline_(-1, 0, 1, layer);
  }
  std::unique_ptr<zaz_class_> e;
  std::unique_ptr<surface_> surface;
  std::unique_ptr<dc_> dc;
};
