#include "platform/gdi/region.h"

#include <algorithm>

#include "platform/gdi/raster.h"

namespace {

// Regions hold rows -row_limit_..row_limit_-1 only (far beyond any surface), which keeps a
// hostile coordinate from asking for billions of spans.
constexpr int32_t row_limit_ = 1 << 18;

// Sorts and merges overlapping or touching spans of each row.
void normalise_(std::vector<pixel_span_>& s) {
  s.erase(std::remove_if(s.begin(), s.end(), [](const pixel_span_& a) { return a.x1 <= a.x0; }), s.end());
  std::sort(s.begin(), s.end(), [](const pixel_span_& a, const pixel_span_& b) {
    return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
  });
  size_t w = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (w > 0 && s[w - 1].y == s[i].y && s[i].x0 <= s[w - 1].x1) {
      s[w - 1].x1 = std::max(s[w - 1].x1, s[i].x1);
    } else {
      s[w++] = s[i];
    }
  }
  s.resize(w);
}

// One boolean operation over two normalised span lists, row by row.
template <class Op>
std::vector<pixel_span_> combine_(const std::vector<pixel_span_>& a, const std::vector<pixel_span_>& b, Op op) {
  std::vector<pixel_span_> out;
  size_t i = 0, j = 0;
  std::vector<int32_t> cuts;
  while (i < a.size() || j < b.size()) {
    int32_t y;
    if (j >= b.size() || (i < a.size() && a[i].y < b[j].y)) y = a[i].y;
    else y = b[j].y;
    size_t ie = i, je = j;
    while (ie < a.size() && a[ie].y == y) ++ie;
    while (je < b.size() && b[je].y == y) ++je;
    cuts.clear();
    for (size_t k = i; k < ie; ++k) { cuts.push_back(a[k].x0); cuts.push_back(a[k].x1); }
    for (size_t k = j; k < je; ++k) { cuts.push_back(b[k].x0); cuts.push_back(b[k].x1); }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    size_t pa = i, pb = j;
    for (size_t c = 0; c + 1 < cuts.size(); ++c) {
      const int32_t x0 = cuts[c], x1 = cuts[c + 1];
      while (pa < ie && a[pa].x1 <= x0) ++pa;
      while (pb < je && b[pb].x1 <= x0) ++pb;
      const bool in_a = pa < ie && a[pa].x0 <= x0;
      const bool in_b = pb < je && b[pb].x0 <= x0;
      if (!op(in_a, in_b)) continue;
      if (!out.empty() && out.back().y == y && out.back().x1 == x0) out.back().x1 = x1;
      else out.push_back({y, x0, x1});
    }
    i = ie;
    j = je;
  }
  return out;
}

}  // namespace

region_::region_(const pixel_rect_& r) {
  if (!r.empty_())
    for (int32_t y = std::max(r.top, -row_limit_); y < std::min(r.bottom, row_limit_); ++y) spans_list_.push_back({y, r.left, r.right});
  finish_();
}

region_ region_::from_spans_(std::vector<pixel_span_> spans) {
  region_ r;
  normalise_(spans);
  r.spans_list_ = std::move(spans);
  r.finish_();
  return r;
}

region_ region_::polygon_(const pixel_point_* points, size_t count, fill_mode_ mode) {
  const int32_t n = static_cast<int32_t>(std::min<size_t>(count, INT32_MAX));
  return poly_polygon_(points, &n, 1, mode);
}

region_ region_::poly_polygon_(const pixel_point_* points, const int32_t* counts, size_t polygons,
                               fill_mode_ mode) {
  std::vector<pixel_span_> spans;
  if (points && counts) polygon_spans_(points, counts, polygons, mode, -row_limit_, row_limit_, spans);
  return from_spans_(std::move(spans));
}

region_ region_::ellipse_(const pixel_rect_& box) {
  std::vector<pixel_span_> spans;
  ellipse_spans_(box, 0.0, -row_limit_, row_limit_, spans);
  return from_spans_(std::move(spans));
}

void region_::finish_() {
  is_rect_flag_ = false;
  bounds_rect_ = {};
  if (spans_list_.empty()) return;
  pixel_rect_ b{spans_list_.front().x0, spans_list_.front().y, spans_list_.front().x1, spans_list_.back().y + 1};
  bool rect = true;
  int32_t prev_y = spans_list_.front().y - 1;
  for (const pixel_span_& s : spans_list_) {
    b.left = std::min(b.left, s.x0);
    b.right = std::max(b.right, s.x1);
    if (s.y != prev_y + 1) rect = false;
    prev_y = s.y;
  }
  if (rect)
    for (const pixel_span_& s : spans_list_)
      if (s.x0 != b.left || s.x1 != b.right) { rect = false; break; }
  bounds_rect_ = b;
  is_rect_flag_ = rect;
}

bool region_::contains_(int32_t x, int32_t y) const {
  if (!bounds_rect_.contains_(x, y)) return false;
  if (is_rect_flag_) return true;
  auto it = std::upper_bound(spans_list_.begin(), spans_list_.end(), pixel_span_{y, x, x},
                             [](const pixel_span_& a, const pixel_span_& b) {
                               return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
                             });
  if (it == spans_list_.begin()) return false;
  --it;
  return it->y == y && x >= it->x0 && x < it->x1;
}

int64_t region_::pixel_count_() const {
  int64_t n = 0;
  for (const pixel_span_& s : spans_list_) n += int64_t(s.x1) - s.x0;
  return n;
}

region_ region_::intersect_(const region_& other) const {
  region_ r;
  if (empty_() || other.empty_()) return r;
  if (is_rect_flag_ && other.is_rect_flag_) {
    const pixel_rect_ a = bounds_rect_, b = other.bounds_rect_;
    return region_(pixel_rect_{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                               std::min(a.bottom, b.bottom)});
  }
  if (is_rect_flag_ || other.is_rect_flag_) {
    // Cutting spans to a rectangle needs no row merging.
    const pixel_rect_ c = is_rect_flag_ ? bounds_rect_ : other.bounds_rect_;
    const std::vector<pixel_span_>& src = is_rect_flag_ ? other.spans_list_ : spans_list_;
    auto first = std::lower_bound(src.begin(), src.end(), c.top, [](const pixel_span_& s, int32_t y) { return s.y < y; });
    for (auto it = first; it != src.end() && it->y < c.bottom; ++it) {
      const int32_t x0 = std::max(it->x0, c.left), x1 = std::min(it->x1, c.right);
      if (x1 > x0) r.spans_list_.push_back({it->y, x0, x1});
    }
    r.finish_();
    return r;
  }
  r.spans_list_ = combine_(spans_list_, other.spans_list_, [](bool a, bool b) { return a && b; });
  r.finish_();
  return r;
}

region_ region_::unite_(const region_& other) const {
  region_ r;
  r.spans_list_ = combine_(spans_list_, other.spans_list_, [](bool a, bool b) { return a || b; });
  r.finish_();
  return r;
}

region_ region_::subtract_(const region_& other) const {
  region_ r;
  r.spans_list_ = combine_(spans_list_, other.spans_list_, [](bool a, bool b) { return a && !b; });
  r.finish_();
  return r;
}

region_ region_::exclusive_or_(const region_& other) const {
  region_ r;
  r.spans_list_ = combine_(spans_list_, other.spans_list_, [](bool a, bool b) { return a != b; });
  r.finish_();
  return r;
}

region_ region_::offset_(int32_t dx, int32_t dy) const {
  std::vector<pixel_span_> out;
  out.reserve(spans_list_.size());
  for (const pixel_span_& s : spans_list_) {
    const int64_t y = int64_t(s.y) + dy;
    int64_t x0 = int64_t(s.x0) + dx, x1 = int64_t(s.x1) + dx;
    if (y < INT32_MIN || y > INT32_MAX) continue;
    x0 = std::max<int64_t>(x0, INT32_MIN);
    x1 = std::min<int64_t>(x1, INT32_MAX);
    if (x1 > x0) out.push_back({int32_t(y), int32_t(x0), int32_t(x1)});
  }
  region_ r;
  r.spans_list_ = std::move(out);
  r.finish_();
  return r;
}
