// Printed line widths, the used-attribute lists and the point display switch.
#include <cmath>
#include <unordered_set>
#include <vector>

#include "engine/zaz_class.h"

namespace {
constexpr float width_min = 0.01f, width_max = 9.99f;

float limit_width(float w) {
  if (std::isnan(w) || w > width_max) return width_max;
  return w < width_min ? width_min : w;
}
}  // namespace

float zaz_class_::line_width_(int32_t id_) const {
  if (id_ < 0 || id_ > 32) return width_min;
  return limit_width(widths.widths[id_]);
}

void zaz_class_::line_width_(int32_t id_, float width_) {
  if (id_ < 0 || id_ > 32) return;
  widths.widths[id_] = limit_width(width_);
}

std::string zaz_class_::get_used_attrs_(int32_t toa_) const {
  if (toa_ < 1 || toa_ > 6) return {};
  std::vector<int32_t> seen;  // in order of first appearance
  std::unordered_set<int32_t> known;
  for (int32_t r = 1; r <= store.counts[0]; ++r) {
    const object_rec_& o = store.live.objects[r];
    if (o.page != pages.active || o.deleted != false_ || o.layer == 0 || o.page < 1) continue;
    int32_t v = 0;
    switch (toa_) {
      case 1: v = o.draw_color; break;
      case 2:
        switch (o.type) {  // kinds without a fill
          case ot_point_: case ot_curve_: case ot_text_: case ot_image_:
          case ot_dimension_: case ot_angular_dim_: case ot_reference_: continue;
          default: v = o.fill_color;
        }
        break;
      case 3: v = o.line_style; break;
      case 4: v = o.line_width; break;
      case 5: v = o.layer; break;
      case 6: v = o.type; break;
    }
    if (known.insert(v).second) seen.push_back(v);
  }
  std::string out;
  for (size_t i = 0; i < seen.size(); ++i) {
    if (i) out += ';';
    out += std::to_string(seen[i]);
  }
  return out;
}

flag16_ zaz_class_::points_on_() const { return widths.points_on; }
void zaz_class_::points_on_(flag16_ nval_) { widths.points_on = nval_; }
