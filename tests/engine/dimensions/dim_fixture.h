// A drawing with one page and layer, a dimension style of round numbers and stroke fonts
// whose every glyph is a plain box, so text extents can be worked out by hand:
// a text of n glyphs at height h spans (0.8 (n - 1) + 0.6) h across and h up.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/zaz_class.h"
#include "support/box_font.h"

inline constexpr float pi_f = 3.1415927f;


// Width of a one-line text of n glyphs in the default box font.
inline float text_width(int n, float h) { return (0.8f * float(n - 1) + 0.6f) * h; }

class dims_ : public ::testing::Test {
 protected:
  void SetUp() override {
    e = std::make_unique<zaz_class_>();
    e->page_add_("p1", 210, 297);
    e->layer_add_("a", true_, true_, -1, -2, 0, 1);
    e->layer_active_(1);
    add_font(box_font(6, 8));
    sid = e->dimstyle_add_("test");
    dimstyle_rec_& s = style();
    s.arrow1 = s.arrow2 = 1;
    s.arrow_size = 2.5f;
    s.dimline_show1 = s.dimline_show2 = true_;
    s.extline_show1 = s.extline_show2 = true_;
    s.length_factor = 1;
    s.alt_factor = 2;
    s.size_factor = 1;
    s.font = 1;
    s.text_height = 2.5f;
    s.text_frame = false_;
    s.text_adj_h = 0;
    s.text_adj_v = 0;
    s.text_gap = 1;
    s.text_inside = false_;
    s.unit = 1;
    s.accuracy = 2;
    s.prefix.clear();
    s.suffix.clear();
    s.angle_unit = 0;
    s.angle_accuracy = 2;
    s.alt_show = false_;
    s.alt_unit = 1;
    s.alt_accuracy = 1;
    s.alt_prefix.clear();
    s.alt_suffix.clear();
    s.tol_show = s.tol_limits = false_;
    s.tol_upper = s.tol_lower = 0;
    s.tol_accuracy = 2;
    s.alt_tol_accuracy = 1;
  }
  int32_t add_font(const font_rec_& f) {
    auto& fs = e->fonts;
    if (fs.font_table.empty()) fs.font_table.resize(1);
    fs.font_table.push_back(f);
    fs.font_total = int32_t(fs.font_table.size()) - 1;
    fs.active_font = fs.font_total;
    return fs.font_total;
  }
  dimstyle_rec_& style() { return e->styles.styles[size_t(sid)]; }
  object_rec_& obj(int32_t r) { return e->store.live.objects[size_t(r)]; }
  dimension_rec_& dim(int32_t r) { return e->store.live.dimensions[size_t(obj(r).index)]; }
  angular_dim_rec_& adim(int32_t r) { return e->store.live.angular_dims[size_t(obj(r).index)]; }
  reference_rec_& ref(int32_t r) { return e->store.live.references[size_t(obj(r).index)]; }

  // A linear dimension measured as `length` (its text "10.00" for 10) along P3 -> P4.
  int32_t linear(float x3, float y3, float x4, float y4, float length = 10,
                 const std::string& text = {}) {
    return e->add_dimf_(sid, x3, y3 - 5, x4, y4 - 5, x3, y3, x4, y4, length, -1, 0, 1, 1, text);
  }
  static void centre(const std::array<box_corner_rec_, 4>& b, float& x, float& y) {
    x = (b[0].x + b[1].x + b[2].x + b[3].x) / 4;
    y = (b[0].y + b[1].y + b[2].y + b[3].y) / 4;
  }
  static float side(const box_corner_rec_& a, const box_corner_rec_& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
  }

  std::unique_ptr<zaz_class_> e;
  int32_t sid = 0;
};
