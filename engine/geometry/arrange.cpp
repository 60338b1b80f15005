// Drawing order, alignment, equal sizes and even spacing of the selection.
#include <numeric>

#include "engine/geometry/edit_util.h"

namespace {

int32_t last_record(const zaz_class_& e) {
  return static_cast<int32_t>(std::min<int64_t>(e.store.counts[0], static_cast<int64_t>(e.store.live.objects.size()) - 1));
}

// Live selected records of the active page, in record order.
std::vector<int32_t> selection_of(const zaz_class_& e) {
  std::vector<int32_t> sel;
  const int32_t n = last_record(e);
  for (int32_t r = 1; r <= n; ++r) {
    const object_rec_& o = e.store.live.objects[r];
    if (o.page == e.pages.active && o.selected == true_ && o.deleted == false_) sel.push_back(r);
  }
  return sel;
}

}  // namespace

void zaz_class_::arrange_order_(int32_t Order_) {
  if (Order_ != 1 && Order_ != 2) return;
  const int32_t n = last_record(*this);
  if (n < 1) return;
  const flag16_ front_flag = Order_ == 1 ? false_ : true_;  // group A keeps this flag
  std::vector<int32_t> order;  // old record numbers in their new order
  order.reserve(static_cast<size_t>(n));
  auto& objs = store.live.objects;
  for (int32_t r = 1; r <= n; ++r)
    if (objs[r].page == pages.active && objs[r].selected == front_flag) order.push_back(r);
  for (int32_t r = 1; r <= n; ++r)
    if (!(objs[r].page == pages.active && objs[r].selected == front_flag)) order.push_back(r);
  std::vector<int32_t> new_of(static_cast<size_t>(n) + 1, 0);
  std::vector<object_rec_> moved(static_cast<size_t>(n) + 1);
  for (int32_t k = 0; k < n; ++k) {
    new_of[order[k]] = k + 1;
    moved[k + 1] = objs[order[k]];
  }
  for (int32_t r = 1; r <= n; ++r) objs[r] = moved[r];
  auto remap = [&](int32_t& m) {
    if (m >= 1 && m <= n) m = new_of[m];
  };
  for (auto& def : library.blocks)
    for (size_t k = 1; k < def.members.size(); ++k) remap(def.members[k]);
  // Tracking points name records too; they must keep naming the same objects.
  for (auto& v : views.views)
    for (int32_t i = 1; i <= std::clamp(v.hot_count, 0, hot_points_max_); ++i) remap(v.hot_points[i].record);
}

void zaz_class_::arrange_align_(int32_t align_) {
  calc_extents_(true_, true_, false_, 0);
  const extents_state_ X = extents;
  for (int32_t r : selection_of(*this)) {
    const object_rec_ o = store.live.objects[r];
    double dx = 0, dy = 0;
    switch (align_) {
      case 1: dx = static_cast<double>(X.x1) - o.x1; break;
      case 2: dx = static_cast<double>(X.x2) - o.x2; break;
      case 3: dy = static_cast<double>(X.y2) - o.y2; break;
      case 4: dy = static_cast<double>(X.y1) - o.y1; break;
      case 5: dx = (static_cast<double>(X.x1) + X.x2) * 0.5 - (static_cast<double>(o.x1) + o.x2) * 0.5; break;
      case 6: dy = (static_cast<double>(X.y1) + X.y2) * 0.5 - (static_cast<double>(o.y1) + o.y2) * 0.5; break;
      default: break;
    }
    // Every kind moves, so images, dimensions, references and frames line up too.
    transform_move_(f32_(dx), f32_(dy), r);
  }
}

void zaz_class_::arrange_resize_(int32_t a2size_) {
  if (a2size_ < 1 || a2size_ > 6) return;
  const std::vector<int32_t> sel = selection_of(*this);
  if (sel.empty()) return;
  const bool largest = a2size_ >= 4;
  const bool do_w = a2size_ == 1 || a2size_ == 2 || a2size_ == 4 || a2size_ == 5;
  const bool do_h = a2size_ == 1 || a2size_ == 3 || a2size_ == 4 || a2size_ == 6;
  float W = 0, H = 0;
  bool first = true;
  for (int32_t r : sel) {
    const object_rec_& o = store.live.objects[r];
    const float w = f32_(std::fabs(static_cast<double>(o.x2) - o.x1));
    const float h = f32_(std::fabs(static_cast<double>(o.y2) - o.y1));
    if (first) {
      W = w, H = h, first = false;
    } else if (largest) {
      W = std::max(W, w), H = std::max(H, h);
    } else {
      W = std::min(W, w), H = std::min(H, h);
    }
  }
  for (int32_t r : sel) {
    const object_rec_ o = store.live.objects[r];
    const double c0x = (static_cast<double>(o.x1) + o.x2) * 0.5, c0y = (static_cast<double>(o.y1) + o.y2) * 0.5;
    const double w = static_cast<double>(o.x2) - o.x1, h = static_cast<double>(o.y2) - o.y1;
    // An axis without extent cannot be stretched to a size: it keeps factor 1.
    const float sx = do_w && w != 0 ? f32_(clamp_nonzero_(W) / w) : 1.0f;
    const float sy = do_h && h != 0 ? f32_(clamp_nonzero_(H) / h) : 1.0f;
    transform_scale_(f32_(c0x), f32_(c0y), sx, sy, r);
    const object_rec_& n = store.live.objects[r];
    const double c1x = (static_cast<double>(n.x1) + n.x2) * 0.5, c1y = (static_cast<double>(n.y1) + n.y2) * 0.5;
    transform_move_(do_w ? f32_(c0x - c1x) : 0.f, do_h ? f32_(c0y - c1y) : 0.f, r);
  }
}

void zaz_class_::arrange_space_(int32_t dtype_) {
  if (dtype_ < 1 || dtype_ > 6) return;
  const bool along_x = dtype_ <= 3;
  const std::vector<int32_t> sel = selection_of(*this);
  if (sel.empty()) return;
  calc_extents_(true_, true_, false_, 0);
  const extents_state_ X = extents;
  auto lo = [&](const object_rec_& o) { return along_x ? o.x1 : o.y1; };
  auto hi = [&](const object_rec_& o) { return along_x ? o.x2 : o.y2; };
  auto centre = [&](const object_rec_& o) { return f32_((static_cast<double>(lo(o)) + hi(o)) * 0.5); };
  auto move = [&](double d, int32_t r) {
    if (along_x) transform_move_(f32_(d), 0, r);
    else transform_move_(0, f32_(d), r);
  };
  // Stable by centre: objects with equal centres keep their record order.
  struct key_ {
    float key;
    int32_t record;
  };
  std::vector<key_> keys;
  keys.reserve(sel.size());
  float pitch = 0;
  for (int32_t r : sel) {
    const object_rec_& o = store.live.objects[r];
    keys.push_back({centre(o), r});
    pitch = std::max(pitch, f32_(std::fabs(static_cast<double>(lo(o)) - hi(o))));
  }
  std::stable_sort(keys.begin(), keys.end(), [](const key_& a, const key_& b) { return a.key < b.key; });
  double p = along_x ? X.x1 : X.y1;
  const bool by_centre = dtype_ == 1 || dtype_ == 4;
  const double gap = (dtype_ == 2 || dtype_ == 5) ? 10.0 : 0.0;
  for (const key_& k : keys) {
    const object_rec_& o = store.live.objects[k.record];
    if (by_centre) {
      move(p - centre(o), k.record);
      p = f32_(p + pitch);
    } else {
      move(p - lo(o), k.record);
      const object_rec_& m = store.live.objects[k.record];
      p = f32_(p + gap + std::fabs(static_cast<double>(hi(m)) - lo(m)));
    }
  }
  calc_extents_(true_, true_, false_, 0);
  const double before = along_x ? (static_cast<double>(X.x1) + X.x2) * 0.5 : (static_cast<double>(X.y1) + X.y2) * 0.5;
  const double after = along_x ? (static_cast<double>(extents.x1) + extents.x2) * 0.5
                               : (static_cast<double>(extents.y1) + extents.y2) * 0.5;
  if (along_x) transform_move_(f32_(before - after), 0, 0);
  else transform_move_(0, f32_(before - after), 0);
}
