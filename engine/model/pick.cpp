// Picking: every candidate object of the active page is painted into an off-screen surface
// in a colour equal to its record number, then the 19 x 19 pixels around the point are read
// in a spiral from the centre out. Outline-like objects win over filled ones anywhere in
// the square; objects on locked layers count only when nothing editable lies there.
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/geometry/edit_util.h"

namespace {

using d = double;

constexpr int32_t spiral_steps = 361;  // the square from -9 to +9 around the point

// Spiral steps after which the walk turns: n^2 and n(n+1) for n = 1..18.
bool turning_step(int32_t k) {
  for (int32_t n = 1; n <= 18; ++n)
    if (k == n * n || k == n * (n + 1)) return true;
  return false;
}

bool filled_kind(int32_t type) {
  return type == ot_polygon_ || type == ot_arc_ || type == ot_circle_ || type == ot_ellipse_ ||
         type == ot_hatch_ || type == ot_image_;
}

// Paints the figures of candidate records into the pick surface.
class pick_painter_ {
 public:
  pick_painter_(zaz_class_& e, dc_& dc, const view_transform_rec_& v, const pixel_rect_& client)
      : e_(e), dc_ref(dc), v_(v), client_(client) {}

  void paint(int32_t record) {
    const object_rec_& o = e_.object_(record);
    const uint32_t colour = uint32_t(record);
    dc_ref.select_pen_(pen_{pen_style_::solid_, 1, colour});
    dc_ref.select_brush_(brush_{hollow(o) ? brush_style_::null_ : brush_style_::solid_, colour});
    auto& t = e_.store.live;
    switch (o.type) {
      case ot_point_:
        if (auto* r = edit_::entry_(t.points, o.index)) {
          const pixel_point_ p = px(r->x, r->y);
          const int32_t dx[4] = {5, -5, 0, 0}, dy[4] = {0, 0, 5, -5};
          for (int32_t i = 0; i < 4; ++i) {
            dc_ref.move_to_(p.x, p.y);
            dc_ref.line_to_(p.x + dx[i], p.y + dy[i]);
          }
        }
        break;
      case ot_line_:
        if (auto* r = edit_::entry_(t.lines, o.index)) {
          const pixel_point_ a = px(r->x1, r->y1), b = px(r->x2, r->y2);
          dc_ref.move_to_(a.x, a.y);
          dc_ref.line_to_(b.x, b.y);
        }
        break;
      case ot_curve_:
        if (auto* r = edit_::entry_(t.curves, o.index)) {
          const int32_t n = list(*r);
          if (n > 0) e_.draw_curve_(dc_ref, pts_.data(), r->count < 0 ? -n : n, nullptr);
        }
        break;
      case ot_polyline_:
        // The points are listed first: listing may move them, and the order in which a call's
        // arguments are worked out is the compiler's choice.
        if (auto* r = edit_::entry_(t.polylines, o.index)) {
          const size_t n = size_t(list(*r));
          dc_ref.polyline_(pts_.data(), n);
        }
        break;
      case ot_polygon_:
        if (auto* r = edit_::entry_(t.polygons, o.index)) {
          const size_t n = size_t(list(*r));
          dc_ref.polygon_(pts_.data(), n);
        }
        break;
      case ot_arc_:
        if (auto* r = edit_::entry_(t.arcs, o.index)) {
          conic(*r, r->a1, r->a2, true);
          dc_ref.polyline_(pts_.data(), pts_.size());
        }
        break;
      case ot_circle_:
      case ot_ellipse_:
        if (auto* r = edit_::entry_(o.type == ot_circle_ ? t.circles : t.ellipses, o.index)) {
          conic(*r, 0, edit_::two_pi_f, false);
          dc_ref.polygon_(pts_.data(), pts_.size());
        }
        break;
      case ot_hatch_:
        if (auto* r = edit_::entry_(t.hatches, o.index))
          e_.draw_hatch_(dc_ref, v_, *r, 0, 0, int32_t(colour), 0, 1);
        break;
      case ot_text_:
        if (auto* r = edit_::entry_(t.texts, o.index))
          e_.draw_text_glyphs_(dc_ref, v_, r->font, r->text, r->x, r->y, r->height, r->width_factor, r->rotation);
        break;
      case ot_image_:
        if (auto* r = edit_::entry_(t.images, o.index)) {
          pts_ = {px(r->p0x, r->p0y), px(r->p1x, r->p1y),
                  px(f32_(d(r->p1x) + r->p2x - r->p0x), f32_(d(r->p1y) + r->p2y - r->p0y)), px(r->p2x, r->p2y)};
          dc_ref.polygon_(pts_.data(), pts_.size());
        }
        break;
      case ot_dimension_:
        if (auto* r = edit_::entry_(t.dimensions, o.index); r && r->kind >= 0 && r->kind <= 2)
          e_.draw_dimension_(dc_ref, v_, *r, record, record, record, color_none_, record, 1);
        break;
      case ot_angular_dim_:
        if (auto* r = edit_::entry_(t.angular_dims, o.index))
          e_.draw_angular_dim_(dc_ref, v_, *r, record, record, record, color_none_, record);
        break;
      case ot_reference_:
        if (auto* r = edit_::entry_(t.references, o.index))
          e_.draw_reference_(dc_ref, v_, *r, record, record, record, color_none_, record);
        break;
      case ot_block_insert_:
        if (auto* r = edit_::entry_(t.block_inserts, o.index)) {
          e_.paint.insert_view = v_;
          e_.paint.insert_view_rect = client_;
          e_.draw_block_insert_(dc_ref, r->block, o.layer, r->x, r->y, r->sx, r->sy, r->rotation, -1, -1, -1, -1,
                                record, true_, false_);
        }
        break;
      case ot_block_group_:
        if (auto* r = edit_::entry_(t.block_groups, o.index)) {
          e_.paint.insert_view = v_;
          e_.paint.insert_view_rect = client_;
          dc_ref.select_brush_(brush_{brush_style_::solid_, colour});
          pts_ = {px(r->x1, r->y1), px(r->x2, r->y1), px(r->x2, r->y2), px(r->x1, r->y2)};
          dc_ref.polygon_(pts_.data(), pts_.size());
        }
        break;
      default:
        break;
    }
  }

 private:
  pixel_point_ px(float x, float y) const { return zaz_class_::map_px_(v_, x, y); }

  // A fill the user cannot see is no fill to pick by; texts and images always fill.
  bool hollow(const object_rec_& o) const {
    if (o.type == ot_text_ || o.type == ot_image_) return false;
    const int32_t f = o.fill_color;
    if (f == color_none_ || f == color_by_block_ || f < color_by_layer_) return true;
    if (f == color_by_layer_) {
      const layer_rec_* l = e_.layer_ptr_(o.layer);
      return !l || l->fill_color < 0;
    }
    return false;
  }

  int32_t list(const polyline_rec_& r) {
    const int32_t n = edit_::list_count_(r.count, r.x, r.y);
    pts_.resize(size_t(n));
    for (int32_t i = 1; i <= n; ++i) pts_[size_t(i - 1)] = px(r.x[i], r.y[i]);
    return n;
  }

  // Samples an arc-shaped record; open arcs end exactly at their end angle.
  void conic(const arc_rec_& r, float from, float to, bool end_point) {
    const float step = 0.25f * (d(client_.right) + client_.bottom) > (d(r.rx) + r.ry) * v_.scale_x ? 0.2f : 0.1f;
    pts_.clear();
    auto add = [&](float t) {
      float x = 0, y = 0;
      e_.calc_rotate_00_deg_(r.rotation, f32_(r.rx * std::cos(d(t))), f32_(r.ry * std::sin(d(t))), x, y);
      pts_.push_back(px(f32_(d(r.cx) + x), f32_(d(r.cy) + y)));
    };
    // Bounded by the sample count too, so a huge angle range cannot run away.
    for (float t = from; t <= to && pts_.size() < 100000; t += step) add(t);
    if (end_point) add(to);
  }

  zaz_class_& e_;
  dc_& dc_ref;
  view_transform_rec_ v_;
  pixel_rect_ client_;
  std::vector<pixel_point_> pts_;
};

}  // namespace

int32_t zaz_class_::getrfp_(float sxp_, float syp_, int32_t& get_obj_type_, flag16_ can_break_,
                            flag16_ only_edt_layer_) {
  pick.hit_list = pick_hit_list_rec_{};
  host.break_flag = false_;
  get_obj_type_ = 0;
  const int32_t w = views.window_width, h = views.window_height;
  const page_rec_* page = page_ptr_(pages.active);
  if (w <= 0 || h <= 0 || !page) return 0;
  surface_ surface(w, h);
  if (surface.width_() != w || surface.height_() != h) return 0;
  surface.fill_colour_(0);
  dc_ dc(surface);
  const view_transform_rec_ v = view_transform_(w, h);
  const view_area_rec_ area = view_area_(w, h);
  const bool collecting = can_break_ == true_;
  const int32_t count = std::min<int32_t>(store.counts[0], int32_t(store.live.objects.size()) - 1);

  // Candidates: visible records of the active page whose box reaches the window.
  pick_painter_ painter(*this, dc, v, pixel_rect_{0, 0, w, h});
  for (int32_t r = 1; r <= count; ++r) {
    const object_rec_& o = store.live.objects[r];
    if (o.deleted == 0 && o.page == pages.active) {
      const layer_rec_* l = layer_ptr_(o.layer);
      const bool outside = (o.x1 < area.x1 && o.x2 < area.x1) || (o.x1 > area.x2 && o.x2 > area.x2) ||
                           (o.y1 < area.y1 && o.y2 < area.y1) || (o.y1 > area.y2 && o.y2 > area.y2);
      if (l && l->visible == true_ && !outside) painter.paint(r);
    }
    if (collecting && (r & 100) == 100) {
      break_call_();
      if (host.break_flag == true_) break;
    }
  }

  const pixel_point_ at = map_px_(v, sxp_, syp_);
  std::array<uint32_t, spiral_steps> seen{};
  int32_t result = 0;
  bool done = false;
  for (int32_t pass = 1; pass <= 2 && !done; ++pass) {
    const flag16_ wanted = pass == 1 ? true_ : false_;
    int32_t x = at.x, y = at.y, dx = 1, dy = 0, filled = 0;
    for (int32_t k = 0; k < spiral_steps && !done; ++k) {
      const uint32_t c = surface.colour_(x, y);  // outside the surface reads 0
      seen[size_t(k)] = c;
      if (c >= 1 && c <= uint32_t(count)) {
        const object_rec_& o = store.live.objects[c];
        // A layer number the page does not have is no layer to pick on.
        const layer_rec_* l = o.layer >= 1 ? layer_ptr_(o.layer) : nullptr;
        if (l && l->editable == wanted) {
          const bool is_filled = o.fill_color >= 0 && filled_kind(o.type);
          if (is_filled && filled == 0) filled = int32_t(c);
          if (!collecting) {
            if (!is_filled) result = int32_t(c), done = true;
          } else if (std::find(seen.begin(), seen.begin() + k, c) == seen.begin() + k) {
            pick_hit_list_rec_& hl = pick.hit_list;
            if (++hl.count == 1) result = int32_t(c);
            if (hl.count <= pick_hits_max_) hl.hits[size_t(hl.count)] = int32_t(c);
            else done = true;
          }
        }
      }
      if (done) break;
      if (turning_step(k)) {
        const int32_t t = dx;
        dx = -dy, dy = t;  // right -> down -> left -> up
      }
      x += dx, y += dy;
    }
    if (done) break;
    if (filled > 0) {
      result = filled;
      break;
    }
    if (only_edt_layer_ == true_ || pick.hit_list.count >= 1) break;
  }
  if (result > 0) get_obj_type_ = store.live.objects[result].type;
  return result;
}

int32_t zaz_class_::getrfp_ex_(std::vector<int32_t>& fobjects_) const {
  fobjects_.assign(pick.hit_list.hits.begin(), pick.hit_list.hits.end());
  // The list holds 32 entries: a pick that stopped at a 33rd record reports the 32 it kept.
  return std::min(pick.hit_list.count, pick_hits_max_);
}
