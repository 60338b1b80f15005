// An engine with one page viewed at zoom 1 around the origin, drawing into a patterned
// surface, so that an inversion and its undoing can both be seen.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/zaz_class.h"

class overlay_ : public ::testing::Test {
 protected:
  static constexpr int32_t w = 200, h = 100;

  void SetUp() override {
    e = std::make_unique<zaz_class_>();
    e->page_add_("p1", 210, 297);
    e->view_setting_(0, 0, 1, 1);
    surface = std::make_unique<surface_>(w, h);
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) surface->set_colour_(x, y, uint32_t(x * 7 + y * 131) & 0xFFFFFF);
    dc = std::make_unique<dc_>(*surface);
    e->dinit_(dc.get());
    before = pixels();
  }
  std::vector<uint32_t> pixels() const {
    std::vector<uint32_t> p;
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) p.push_back(surface->colour_(x, y));
    return p;
  }
  int32_t changed() const {
    const std::vector<uint32_t> now = pixels();
    int32_t n = 0;
    for (size_t i = 0; i < now.size(); ++i) n += now[i] != before[i];
    return n;
  }
  bool inverted(int32_t x, int32_t y) const {
    return surface->colour_(x, y) == (~before[size_t(y * w + x)] & 0xFFFFFF);
  }
  // Drawing point of pixel (px, py) at this view.
  static float dx(float px) { return px - w / 2.f; }
  static float dy(float py) { return h / 2.f - py; }

  struct band_args {
    int32_t kind = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, rad = 0, rx = 0, ry = 0, aa1 = 0, aa2 = 0;
    flag16_ shift_ok = false_;
    float shift = 0;
    flag16_ close = false_;
  };
  void band(const band_args& a) {
    e->draw_preview_(a.kind, a.x1, a.y1, a.x2, a.y2, 0, 0, a.rad, a.rx, a.ry, a.aa1, a.aa2, 0, 0, 0, "", 0,
                     a.shift_ok, a.shift, 0, 0, a.close);
  }
  void erase_band() { band({}); }

  std::unique_ptr<zaz_class_> e;
  std::unique_ptr<surface_> surface;
  std::unique_ptr<dc_> dc;
  std::vector<uint32_t> before;
};
