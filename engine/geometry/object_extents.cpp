// Bounding boxes of single objects and of block inserts, recomputed from per-kind data.
#include "engine/geometry/conic_box.h"
#include "engine/geometry/conic_sampler.h"
#include "engine/geometry/edit_util.h"
#include "engine/geometry/rotation.h"

using edit_::box_;

namespace {

// What a single-point rotation leaves behind in the engine when its turn was usable.
void remember_turn(zaz_class_& e, const turn_00_& turn) {
  if (!turn.ok) return;
  e.geometry.rot_sin_ = turn.s;
  e.geometry.rot_cos_ = turn.c;
}

// Samples (rx cos t, ry sin t) turned by `rot_deg` and moved to the centre, t from a1 by
// `step` (a 32-bit float counter) while t <= a2; each sample goes to `sink`.
template <class Sink>
void sample_conic(zaz_class_& e, const arc_rec_& c, float a1, float a2, float step, Sink sink) {
  // Two turns are enough for any box; the cap keeps a huge sweep from running for ever.
  const double end = std::min(static_cast<double>(a2), static_cast<double>(a1) + 2.0 * edit_::two_pi_f);
  // The turn is the same for every sample: one sine and cosine for all of them.
  const turn_00_ turn = turn_00_::deg(c.rotation);
  conic_points_ sampler(a1, step, c.rx, c.ry);
  size_t k = 0;
  const float cx = c.cx, cy = c.cy;
  for (float t = a1; t <= end;) {
    float rx = 0, ry = 0, px, py;
    sampler.at(k++, t, px, py);
    turn.apply(px, py, rx, ry);
    remember_turn(e, turn);
    sink(f32_(static_cast<double>(rx) + cx), f32_(static_cast<double>(ry) + cy));
    const float next = f32_(static_cast<double>(t) + step);
    if (!(next > t)) break;
    t = next;
  }
}

template <class Sink>
void conic_point(zaz_class_& e, const arc_rec_& c, float t, Sink sink) {
  float rx = 0, ry = 0;
  const float px = f32_(std::cos(static_cast<double>(t)) * c.rx);
  const float py = f32_(std::sin(static_cast<double>(t)) * c.ry);
  e.calc_rotate_00_deg_(c.rotation, px, py, rx, ry);
  sink(f32_(static_cast<double>(rx) + c.cx), f32_(static_cast<double>(ry) + c.cy));
}

template <class R>
void merge_list(const R& r, box_& b) {
  const int32_t n = edit_::list_count_(r.count, r.x, r.y);
  for (int32_t i = 1; i <= n; ++i) b.add(r.x[i], r.y[i]);
}

}  // namespace

void zaz_class_::text_extent_(const text_rec_& t, float x, float y, float rot, float& x1,
                              float& y1, float& x2, float& y2) {
  measure_text_(t.font, t.text, x, y, t.height, t.width_factor, rot, x1, y1, x2, y2);
}

void zaz_class_::extent_image_(const image_rec_& r, float& x1, float& y1, float& x2,
                               float& y2) const {
  box_ b;
  b.add(r.p0x, r.p0y);
  b.add(r.p1x, r.p1y);
  b.add(r.p2x, r.p2y);
  b.add(f32_(static_cast<double>(r.p1x) + r.p2x - r.p0x), f32_(static_cast<double>(r.p1y) + r.p2y - r.p0y));
  x1 = b.x1, y1 = b.y1, x2 = b.x2, y2 = b.y2;
}

void zaz_class_::extent_dimension_(const dimension_rec_& r, float& x1, float& y1, float& x2,
                                   float& y2) const {
  box_ b;
  if (r.kind == 0) {
    b.add(r.x1, r.y1);
    const double d = std::hypot(static_cast<double>(r.x2) - r.x1, static_cast<double>(r.y2) - r.y1);
    if (d > 0) {
      b.add(r.x3, r.y3);
      b.add(r.x4, r.y4);
      b.add(r.x2, r.y2);
      for (const auto& c : r.text_box) b.add(c.x, c.y);
    }
  } else if (r.kind == 1 || r.kind == 2) {
    b.add(r.x3, r.y3);
    b.add(r.x4, r.y4);
    for (const auto& c : r.text_box) b.add(c.x, c.y);
  } else {
    return;  // unknown kind: the caller's box stays
  }
  x1 = b.x1, y1 = b.y1, x2 = b.x2, y2 = b.y2;
}

void zaz_class_::extent_angular_dim_(const angular_dim_rec_& r, float& x1, float& y1,
                                     float& x2, float& y2) {
  box_ b{x1, y1, x2, y2, false};
  const arc_rec_ arc{r.cx, r.cy, r.rx, r.ry, r.rotation, r.a1, r.a2, 0};
  auto add = [&](float x, float y) { b.add(x, y); };
  sample_conic(*this, arc, r.a1, r.a2, 0.1f, add);
  if (!b.any) b.any = true;  // no sample: the end point widens the caller's box
  conic_point(*this, arc, r.a2, add);
  const double e = r.style.arrow_size;
  auto leg = [&](float a) {
    const double t = static_cast<double>(edit_::pi_f) / 180.0 * r.rotation + a;
    b.add(f32_(r.cx + 0.5 * r.rx * std::cos(t)), f32_(r.cy + 0.5 * r.ry * std::sin(t)));
    b.add(f32_(r.cx + (r.rx + e) * std::cos(t)), f32_(r.cy + (r.ry + e) * std::sin(t)));
  };
  if (r.style.extline_show1 == true_) leg(r.a1);
  if (r.style.extline_show2 == true_) leg(r.a2);
  x1 = b.x1, y1 = b.y1, x2 = b.x2, y2 = b.y2;
}

void zaz_class_::extent_point_list_(const reference_rec_& r, float& x1, float& y1, float& x2,
                                    float& y2) const {
  box_ b{x1, y1, x2, y2, true};
  const int32_t n = edit_::list_count_(r.count, r.x, r.y);
  for (int32_t i = 1; i <= n; ++i) {
    if (i == 1) b.any = false;
    b.add(r.x[i], r.y[i]);
  }
  for (const auto& c : r.text_box) b.add(c.x, c.y);
  x1 = b.x1, y1 = b.y1, x2 = b.x2, y2 = b.y2;
}

void zaz_class_::calc_orect_(int32_t record_) {
  if (!edit_::valid_record_(*this, record_)) return;
  object_rec_& o = store.live.objects[record_];
  auto& t = store.live;
  box_ b;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // boxes that come from an extent procedure
  bool from_proc = false;
  switch (o.type) {
    case ot_point_: if (auto* r = edit_::entry_(t.points, o.index)) b.add(r->x, r->y); break;
    case ot_line_:
      if (auto* r = edit_::entry_(t.lines, o.index)) return void(edit_::line_box_(*r, o));
      break;
    case ot_curve_: if (auto* r = edit_::entry_(t.curves, o.index)) merge_list(*r, b); break;
    case ot_polyline_: if (auto* r = edit_::entry_(t.polylines, o.index)) merge_list(*r, b); break;
    case ot_polygon_: if (auto* r = edit_::entry_(t.polygons, o.index)) merge_list(*r, b); break;
    case ot_hatch_: if (auto* r = edit_::entry_(t.hatches, o.index)) merge_list(*r, b); break;
    case ot_arc_:
      if (auto* r = edit_::entry_(t.arcs, o.index))
        sample_conic(*this, *r, r->a1, r->a2, 0.05f, [&](float x, float y) { b.add(x, y); });
      break;
    case ot_circle_:
    case ot_ellipse_: {
      auto& table = o.type == ot_circle_ ? t.circles : t.ellipses;
      if (auto* r = edit_::entry_(table, o.index))
        sample_conic(*this, *r, 0.f, edit_::two_pi_f, 0.1f, [&](float x, float y) { b.add(x, y); });
      break;
    }
    case ot_text_:
      if (auto* r = edit_::entry_(t.texts, o.index)) {
        text_extent_(*r, r->x, r->y, r->rotation, x1, y1, x2, y2);
        from_proc = true;
      }
      break;
    case ot_image_:
      if (auto* r = edit_::entry_(t.images, o.index)) { extent_image_(*r, x1, y1, x2, y2); from_proc = true; }
      break;
    case ot_dimension_:
      if (auto* r = edit_::entry_(t.dimensions, o.index)) { extent_dimension_(*r, x1, y1, x2, y2); from_proc = true; }
      break;
    case ot_angular_dim_:
      if (auto* r = edit_::entry_(t.angular_dims, o.index)) { extent_angular_dim_(*r, x1, y1, x2, y2); from_proc = true; }
      break;
    case ot_reference_:
      if (auto* r = edit_::entry_(t.references, o.index)) { extent_point_list_(*r, x1, y1, x2, y2); from_proc = true; }
      break;
    case ot_block_insert_:
      if (auto* r = edit_::entry_(t.block_inserts, o.index)) {
        const int32_t bid = r->block;
        block_extents_(bid, r->x, r->y, r->sx, r->sy, r->rotation, x1, y1, x2, y2);
        from_proc = true;
      }
      break;
    case ot_block_group_:
      if (auto* r = edit_::entry_(t.block_groups, o.index)) { b.add(r->x1, r->y1); b.add(r->x2, r->y2); }
      break;
    default: break;
  }
  if (from_proc) {
    // Keep the stored box ordered even if a procedure handed back swapped corners.
    o.x1 = std::min(x1, x2), o.x2 = std::max(x1, x2);
    o.y1 = std::min(y1, y2), o.y2 = std::max(y1, y2);
  } else if (b.any) {
    o.x1 = b.x1, o.y1 = b.y1, o.x2 = b.x2, o.y2 = b.y2;
  }
}

void zaz_class_::block_extents_(const int32_t& block_id, float x, float y, float sx, float sy,
                                float rot, float& x1, float& y1, float& x2, float& y2) {
  box_ b;
  // Member point -> scaled, turned about the base point, moved to the insertion point.
  const turn_00_ turn = turn_00_::rad(rot);
  auto place = [&](float px, float py, float& ox, float& oy) {
    const float qx = f32_(static_cast<double>(px) * sx), qy = f32_(static_cast<double>(py) * sy);
    float rx = qx, ry = qy;
    turn.apply(qx, qy, rx, ry);
    remember_turn(*this, turn);
    ox = f32_(static_cast<double>(rx) + x);
    oy = f32_(static_cast<double>(ry) + y);
  };
  auto add = [&](float px, float py) {
    float ox = 0, oy = 0;
    place(px, py, ox, oy);
    b.add(ox, oy);
  };
  // An unturned arc or circle in an unturned insert: each coordinate of a placed sample keeps
  // the order it has on the figure, so the few samples that hold the figure's extremes give
  // what all of them would. False when the walk over every sample must decide.
  auto conic_extremes = [&](const arc_rec_& c, float a1, float a2, float step) {
    if (c.rotation != 0 || rot != 0 || !std::isfinite(sx) || !std::isfinite(sy) || !std::isfinite(x) ||
        !std::isfinite(y))
      return false;
    const double end = std::min(static_cast<double>(a2), static_cast<double>(a1) + 2.0 * edit_::two_pi_f);
    conic_sample_ s[conic_extreme_samples_max_];
    const int n = conic_extreme_samples_(a1, end, step, s);
    if (n <= 0) return n == 0;  // no sample: nothing to add, as the walk adds nothing
    const turn_00_ turn = turn_00_::deg(c.rotation);
    float ox[conic_extreme_samples_max_], oy[conic_extreme_samples_max_];
    box_ m;
    for (int i = 0; i < n; ++i) {
      float rx = 0, ry = 0;
      turn.apply(f32_(s[i].c * c.rx), f32_(s[i].s * c.ry), rx, ry);
      remember_turn(*this, turn);
      place(f32_(static_cast<double>(rx) + c.cx), f32_(static_cast<double>(ry) + c.cy), ox[i], oy[i]);
      m.add(ox[i], oy[i]);
    }
    // A zero extreme takes its sign from whichever equal sample comes first: walk them all.
    if (m.x1 == 0 || m.y1 == 0 || m.x2 == 0 || m.y2 == 0) return false;
    for (int i = 0; i < n; ++i) b.add(ox[i], oy[i]);
    return true;
  };
  // Arcs and circles that were small on the screen of the last paint are sampled coarser.
  auto member_step = [&](float rx, float ry) {
    const int32_t reach = static_cast<int32_t>(static_cast<uint32_t>(paint.insert_view_rect.right) +
                                               static_cast<uint32_t>(paint.insert_view_rect.bottom));
    const float screen = f32_(static_cast<double>(f32_(static_cast<double>(reach))) * 0.25);
    const float size = f32_(static_cast<double>(f32_(static_cast<double>(rx) + ry)) * paint.insert_view.scale_x);
    return screen > size ? 0.2f : 0.1f;
  };
  if (block_id >= 1 && block_id <= library.block_count()) {
    const block_def_rec_& def = library.blocks[block_id];
    auto& t = store.live;
    for (int32_t i = 1; i <= def.member_count(); ++i) {
      const int32_t m = def.members[i];
      if (!edit_::valid_record_(*this, m)) continue;
      const object_rec_& o = t.objects[m];
      switch (o.type) {
        case ot_point_: if (auto* r = edit_::entry_(t.points, o.index)) add(r->x, r->y); break;
        case ot_line_:
          if (auto* r = edit_::entry_(t.lines, o.index)) { add(r->x1, r->y1); add(r->x2, r->y2); }
          break;
        case ot_curve_: case ot_polyline_: case ot_polygon_: case ot_hatch_: {
          auto list = [&](const auto& r) {
            const int32_t n = edit_::list_count_(r.count, r.x, r.y);
            for (int32_t k = 1; k <= n; ++k) add(r.x[k], r.y[k]);
          };
          if (o.type == ot_curve_) { if (auto* r = edit_::entry_(t.curves, o.index)) list(*r); }
          else if (o.type == ot_polyline_) { if (auto* r = edit_::entry_(t.polylines, o.index)) list(*r); }
          else if (o.type == ot_polygon_) { if (auto* r = edit_::entry_(t.polygons, o.index)) list(*r); }
          else if (auto* r = edit_::entry_(t.hatches, o.index)) list(*r);
          break;
        }
        case ot_arc_:
          if (auto* r = edit_::entry_(t.arcs, o.index)) {
            const float step = member_step(r->rx, r->ry);
            if (!conic_extremes(*r, r->a1, r->a2, step)) sample_conic(*this, *r, r->a1, r->a2, step, add);
            conic_point(*this, *r, r->a2, add);
          }
          break;
        case ot_circle_:
          if (auto* r = edit_::entry_(t.circles, o.index)) {
            const float step = member_step(r->rx, r->ry);
            if (!conic_extremes(*r, 0.f, edit_::two_pi_f, step)) sample_conic(*this, *r, 0.f, edit_::two_pi_f, step, add);
          }
          break;
        case ot_ellipse_:
          if (auto* r = edit_::entry_(t.ellipses, o.index)) sample_conic(*this, *r, 0.f, edit_::two_pi_f, 0.1f, add);
          break;
        case ot_text_:
          if (auto* r = edit_::entry_(t.texts, o.index)) {
            float px = 0, py = 0, bx1 = 0, by1 = 0, bx2 = 0, by2 = 0;
            place(r->x, r->y, px, py);
            text_extent_(*r, px, py, f32_(static_cast<double>(r->rotation) + rot), bx1, by1, bx2, by2);
            b.add_box(bx1, by1, bx2, by2);
          }
          break;
        case ot_image_:
          if (auto* r = edit_::entry_(t.images, o.index)) {
            image_rec_ c = *r;
            place(r->p0x, r->p0y, c.p0x, c.p0y);
            place(r->p1x, r->p1y, c.p1x, c.p1y);
            place(r->p2x, r->p2y, c.p2x, c.p2y);
            float bx1 = 0, by1 = 0, bx2 = 0, by2 = 0;
            extent_image_(c, bx1, by1, bx2, by2);
            b.add_box(bx1, by1, bx2, by2);
          }
          break;
        case ot_dimension_: case ot_angular_dim_: case ot_reference_: {
          // Measured on a placed copy; the stored member stays as it is.
          auto carry = [&](auto& copy) {
            auto placed = [&](float& px, float& py) { place(px, py, px, py); };
            for (auto& p : copy.parts) placed(p.x, p.y);
            for (auto& c : copy.text_box) placed(c.x, c.y);
            return &copy;
          };
          float bx1 = 0, by1 = 0, bx2 = 0, by2 = 0;
          if (o.type == ot_dimension_) {
            if (auto* r = edit_::entry_(t.dimensions, o.index)) {
              dimension_rec_ c = *r;
              carry(c);
              place(r->x1, r->y1, c.x1, c.y1); place(r->x2, r->y2, c.x2, c.y2);
              place(r->x3, r->y3, c.x3, c.y3); place(r->x4, r->y4, c.x4, c.y4);
              extent_dimension_(c, bx1, by1, bx2, by2);
              b.add_box(bx1, by1, bx2, by2);
            }
          } else if (o.type == ot_angular_dim_) {
            if (auto* r = edit_::entry_(t.angular_dims, o.index)) {
              angular_dim_rec_ c = *r;
              carry(c);
              place(r->cx, r->cy, c.cx, c.cy);
              c.rx = f32_(std::fabs(static_cast<double>(r->rx) * sx));
              c.ry = f32_(std::fabs(static_cast<double>(r->ry) * sy));
              c.rotation = f32_(r->rotation + static_cast<double>(rot) * 180.0 / edit_::pi_f);
              extent_angular_dim_(c, bx1, by1, bx2, by2);
              b.add_box(bx1, by1, bx2, by2);
            }
          } else if (auto* r = edit_::entry_(t.references, o.index)) {
            reference_rec_ c = *r;
            carry(c);
            const int32_t n = edit_::list_count_(c.count, c.x, c.y);
            for (int32_t k = 1; k <= n; ++k) place(r->x[k], r->y[k], c.x[k], c.y[k]);
            extent_point_list_(c, bx1, by1, bx2, by2);
            b.add_box(bx1, by1, bx2, by2);
          }
          break;
        }
        default: break;  // nested inserts and group frames do not widen the box
      }
    }
  }
  if (!b.any) b.add(x, y);
  x1 = b.x1, y1 = b.y1, x2 = b.x2, y2 = b.y2;
}
