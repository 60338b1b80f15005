// Conversions of the selection: curves to polylines, polygons or lines, and chains of
// lines and polylines to one polygon.
#include "engine/geometry/edit_util.h"

namespace {

int32_t last_record(const zaz_class_& e) {
  return static_cast<int32_t>(std::min<int64_t>(e.store.counts[0], static_cast<int64_t>(e.store.live.objects.size()) - 1));
}

struct pt_ {
  float x, y;
};

// Ends of a line or polyline in stored order; false for anything else.
bool ends_of(zaz_class_& e, const object_rec_& o, pt_& first, pt_& last) {
  if (o.type == ot_line_) {
    const line_rec_* l = edit_::entry_(e.store.live.lines, o.index);
    if (!l) return false;
    first = {l->x1, l->y1};
    last = {l->x2, l->y2};
    return true;
  }
  if (o.type == ot_polyline_) {
    const polyline_rec_* p = edit_::entry_(e.store.live.polylines, o.index);
    if (!p) return false;
    const int32_t n = edit_::list_count_(p->count, p->x, p->y);
    if (n < 1) return false;
    first = {p->x[1], p->y[1]};
    last = {p->x[n], p->y[n]};
    return true;
  }
  return false;
}

}  // namespace

int16_t zaz_class_::conv2pl_(flag16_ c2lines_) {
  auto& objs = store.live.objects;
  const int32_t n = last_record(*this);
  for (int32_t r = 1; r <= n; ++r) {
    if (objs[r].deleted != false_ || objs[r].selected != true_) continue;
    // Only the active page is edited; a selection kept on another page stays as it is.
    if (objs[r].page != pages.active) continue;
    const int32_t type = objs[r].type;
    if (type != ot_arc_ && type != ot_circle_ && type != ot_ellipse_) {
      objs[r].selected = false_;
      continue;
    }
    auto& table = type == ot_arc_ ? store.live.arcs : (type == ot_circle_ ? store.live.circles : store.live.ellipses);
    const arc_rec_* ap = edit_::entry_(table, objs[r].index);
    if (!ap) {
      objs[r].selected = false_;
      continue;
    }
    const arc_rec_ a = *ap;
    const object_rec_ src = objs[r];
    std::vector<pt_> pts;
    auto sample = [&](float t) {
      float x = 0, y = 0;
      calc_rotate_00_deg_(a.rotation, f32_(std::cos(static_cast<double>(t)) * a.rx),
                          f32_(std::sin(static_cast<double>(t)) * a.ry), x, y);
      pts.push_back({f32_(static_cast<double>(x) + a.cx), f32_(static_cast<double>(y) + a.cy)});
    };
    // Two turns bound the sweep, so a corrupt angle cannot ask for millions of points.
    const double end = std::min(static_cast<double>(a.a2), static_cast<double>(a.a1) + 2.0 * edit_::two_pi_f);
    for (float t = a.a1; t <= end;) {
      sample(t);
      const float next = f32_(static_cast<double>(t) + 0.025f);
      if (!(next > t)) break;
      t = next;
    }
    sample(a.a2);
    std::vector<int32_t> made;
    if (c2lines_ == true_) {
      for (size_t i = 1; i < pts.size(); ++i) {
        const int32_t id = add_line_(pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y, src.draw_color,
                                     src.line_style, src.line_width, src.layer, 0);
        if (id >= 1) made.push_back(id);
      }
    } else {
      vertex_clear_(false_);
      for (const pt_& p : pts) vertex_add_(p.x, p.y, 0, false_);
      const int32_t id = type == ot_arc_
          ? add_polyline_(src.draw_color, src.line_style, src.line_width, src.layer, 0)
          : add_polygon_(src.draw_color, color_none_, src.line_style, src.line_width, src.layer, 0);
      if (id >= 1) made.push_back(id);
    }
    objs[r].selected = false_;
    // The source goes only once something has replaced it.
    if (made.empty()) continue;
    objs[r].deleted = true_;
    for (int32_t id : made) objs[id].selected = true_;
  }
  return 0;
}

int16_t zaz_class_::conv2pg_() {
  edit.chain.assign(1, chain_entry_rec_{});
  float tol = 0;
  if (views.window_width >= 1) tol = std::clamp(active_view_().zoom, 0.f, 0.1f);
  auto& objs = store.live.objects;
  const int32_t n = last_record(*this);
  std::vector<char> taken(static_cast<size_t>(n) + 1, 0);
  auto candidate = [&](int32_t r) {
    const object_rec_& o = objs[r];
    return !taken[r] && o.deleted == false_ && o.selected == true_ && o.page == pages.active &&
           (o.type == ot_line_ || o.type == ot_polyline_);
  };
  auto same = [&](pt_ a, pt_ b) {
    return f32_(std::fabs(static_cast<double>(a.x) - b.x)) <= tol &&
           f32_(std::fabs(static_cast<double>(a.y) - b.y)) <= tol;
  };
  int32_t s0 = 0;
  pt_ first{}, end{};
  for (int32_t r = 1; r <= n && !s0; ++r)
    if (candidate(r) && ends_of(*this, objs[r], first, end)) s0 = r;
  if (!s0) return 0;
  taken[s0] = 1;
  for (;;) {
    bool found = false;
    for (int32_t m = 1; m <= n && !found; ++m) {
      pt_ a{}, b{};
      if (!candidate(m) || !ends_of(*this, objs[m], a, b)) continue;
      flag16_ rev;
      if (same(a, end)) rev = false_;
      else if (same(b, end)) rev = true_;
      else continue;
      if (edit.chain.size() == 1) edit.chain.push_back({s0, false_});
      edit.chain.push_back({m, rev});
      taken[m] = 1;
      end = rev == true_ ? a : b;
      found = true;
    }
    if (!found) break;
  }
  if (edit.chain.size() == 1) return 0;  // a single segment makes no polygon
  vertex_clear_(false_);
  for (size_t k = 1; k < edit.chain.size(); ++k) {
    const object_rec_& o = objs[edit.chain[k].record];
    std::vector<pt_> pts;
    if (o.type == ot_line_) {
      const line_rec_& l = store.live.lines[o.index];
      pts = {{l.x1, l.y1}, {l.x2, l.y2}};
    } else {
      const polyline_rec_& p = store.live.polylines[o.index];
      const int32_t c = edit_::list_count_(p.count, p.x, p.y);
      for (int32_t i = 1; i <= c; ++i) pts.push_back({p.x[i], p.y[i]});
    }
    if (edit.chain[k].reversed == true_) std::reverse(pts.begin(), pts.end());
    for (size_t i = (k == 1 ? 0 : 1); i < pts.size(); ++i) vertex_add_(pts[i].x, pts[i].y, 0, false_);
  }
  if (vertex_count_(false_) < 3) return 0;
  const object_rec_ last = objs[edit.chain.back().record];
  const int32_t id = add_polygon_(last.draw_color, last.draw_color, last.line_style, last.line_width, last.layer, 0);
  // The segments go only once the polygon that replaces them exists.
  if (id < 1) return 0;
  for (size_t k = 1; k < edit.chain.size(); ++k) {
    object_rec_& o = objs[edit.chain[k].record];
    o.deleted = true_;
    o.selected = false_;
  }
  return 0;
}
