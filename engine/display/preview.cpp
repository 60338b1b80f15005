// Rubber-band previews: outlines drawn inverted while a tool waits for its next click.
// Every call draws the remembered outline again, which erases it, then the new one.
#include <algorithm>
#include <cmath>

#include "engine/zaz_class.h"

namespace {

constexpr int32_t kind_line = 1, kind_curve = 2, kind_polyline = 3, kind_polygon = 4, kind_rectangle = 5,
                  kind_arc = 6, kind_circle = 7, kind_ellipse = 8, kind_text = 10, kind_reference = 16,
                  kind_frame = 17;
constexpr int32_t kind_linear = 12, kind_diameter = 14, kind_angular = 15;

// Puts the outline's points into the offset buffers (entries 1..m); false when they don't fit.
bool load_offset(geometry_state_& g, const float* x, const float* y, int32_t m) {
  // calc_shift_pline_ needs entry m + 1 as a working entry.
  if (m < 0 || m + 1 >= static_cast<int32_t>(g.offset_points_.size())) return false;
  for (int32_t i = 0; i < m; ++i) g.offset_points_[size_t(i) + 1] = {x[i], y[i], 0.f};
  g.offset_count_ = m;
  return true;
}

}  // namespace

void zaz_class_::preview_forget_() {
  preview.cross = {};
  preview.box = {};
  preview.band = preview_state_rec_{};
}

void zaz_class_::draw_preview_(int32_t type_, float x1_, float y1_, float X2_, float y2_, float x3_, float y3_,
                               float rad_, float rx_, float ry_, float aa1_, float aa2_, float th_, float ts_,
                               int32_t font_, std::string text_, float rot_, flag16_ shift_ok_, float shift_val_,
                               float x4_, float y4_, flag16_ close_) {
  preview_state_rec_& st = preview.band;
  const int32_t kind = type_ != 0 ? type_ : st.kind;
  const bool draw_new = type_ != 0;
  const bool framed = paint.dc && page_ptr_(pages.active);
  if (framed) {
    dc_& dc = *paint.dc;
    const view_transform_rec_ v = view_transform_(dc.target_().width_(), dc.target_().height_());
    const pen_ old_pen = dc.select_pen_(pen_{pen_style_::solid_, 1, 0});
    const brush_ old_brush = dc.select_brush_(null_brush_);
    dc.set_rop_(rop_::invert_);

    std::vector<pixel_point_>& list = paint.points;
    if (list.size() < size_t(preview_points_max_)) list.resize(size_t(preview_points_max_));
    auto map_list = [&](const float* x, const float* y, int32_t n) {
      n = std::clamp(n, 0, preview_points_max_);
      for (int32_t i = 0; i < n; ++i) list[size_t(i)] = map_px_(v, x[i], y[i]);
      return n;
    };
    auto poly = [&](const float* x, const float* y, int32_t n, bool closed) {
      n = map_list(x, y, n);
      if (closed && n >= 3) dc.polygon_(list.data(), size_t(n));
      else if (n > 0) dc.polyline_(list.data(), size_t(n));
    };
    auto line = [&](float ax, float ay, float bx, float by) {
      const pixel_point_ a = map_px_(v, ax, ay), b = map_px_(v, bx, by);
      dc.move_to_(a.x, a.y);
      dc.line_to_(b.x, b.y);
    };
    // The parallel outline at distance d of the m points in the offset buffers.
    auto companion = [&](int32_t m, float d, bool closed, int32_t k) {
      geometry_state_& g = geometry;
      if (m < 2 || !calc_shift_pline_(d, closed ? true_ : false_)) return;
      std::vector<float> ox(static_cast<size_t>(m)), oy(static_cast<size_t>(m));
      for (size_t i = 0; i < ox.size(); ++i) ox[i] = g.offset_result_[i + 1].x, oy[i] = g.offset_result_[i + 1].y;
      if (k == kind_line) line(ox[0], oy[0], ox[1], oy[1]);
      else poly(ox.data(), oy.data(), m, closed);
    };
    auto rectangle = [&](float ax, float ay, float bx, float by, flag16_ offset, float d, bool with_companion) {
      line(ax, ay, bx, ay);
      const pixel_point_ p2 = map_px_(v, bx, by), p3 = map_px_(v, ax, by), p4 = map_px_(v, ax, ay);
      dc.line_to_(p2.x, p2.y);
      dc.line_to_(p3.x, p3.y);
      dc.line_to_(p4.x, p4.y);
      if (with_companion && offset != false_) {
        const float cx[4] = {ax, bx, bx, ax}, cy[4] = {by, by, ay, ay};
        if (load_offset(geometry, cx, cy, 4)) companion(4, d, true, kind_rectangle);
      }
    };
    // Points of the vertex buffer followed by the cursor point, kept in the memory.
    auto collect_buffer_points = [&]() {
      const auto& buf = vertices.main;
      const int32_t n = static_cast<int32_t>(std::min(buf.size(), size_t(preview_points_max_ - 1)));
      for (int32_t i = 0; i < n; ++i) st.x[size_t(i)] = buf[size_t(i)].x, st.y[size_t(i)] = buf[size_t(i)].y;
      st.x[size_t(n)] = x1_, st.y[size_t(n)] = y1_;
      st.point_count = n + 1;
    };

    if (kind == kind_rectangle || kind == kind_frame) {
      if (X2_ > x1_) std::swap(X2_, x1_);
      if (y2_ > y1_) std::swap(y2_, y1_);
    }
    // One kind's erase step (the remembered figure) and draw step (the arguments).
    auto branch = [&](int32_t k, bool erase, bool draw) {
      switch (k) {
        case kind_line: {
          auto one = [&](float ax, float ay, float bx, float by, flag16_ offset, float d) {
            line(ax, ay, bx, by);
            const float cx[2] = {ax, bx}, cy[2] = {ay, by};
            if (offset != false_ && load_offset(geometry, cx, cy, 2)) companion(2, d, false, kind_line);
          };
          if (erase) one(st.x1, st.y1, st.x2, st.y2, st.offset_flag, st.offset_distance);
          if (draw) one(x1_, y1_, X2_, y2_, shift_ok_, shift_val_);
          break;
        }
        case kind_curve: {
          auto curve = [&](bool closed) {
            const int32_t n = map_list(st.x.data(), st.y.data(), st.point_count);
            if (n < 3) {
              if (n > 0) dc.polyline_(list.data(), size_t(n));
            } else {
              draw_curve_(dc, list.data(), closed ? -n : n, nullptr);
            }
          };
          if (erase) curve(st.closed != false_);
          if (draw) {
            collect_buffer_points();
            st.closed = close_ != false_ ? true_ : false_;
            curve(st.closed != false_);
          }
          break;
        }
        case kind_polyline:
        case kind_polygon: {
          const bool closed = k == kind_polygon;
          auto outline = [&](flag16_ offset, float d) {
            poly(st.x.data(), st.y.data(), st.point_count, closed);
            if (offset != false_ && load_offset(geometry, st.x.data(), st.y.data(), st.point_count))
              companion(st.point_count, d, closed, k);
          };
          if (erase) outline(st.offset_flag, st.offset_distance);
          if (draw) {
            collect_buffer_points();
            outline(shift_ok_, shift_val_);
          }
          break;
        }
        case kind_rectangle:
        case kind_frame: {
          const bool with_companion = k == kind_rectangle;
          if (erase) rectangle(st.x1, st.y1, st.x2, st.y2, st.offset_flag, st.offset_distance, with_companion);
          if (draw) rectangle(x1_, y1_, X2_, y2_, shift_ok_, shift_val_, with_companion);
          break;
        }
        case kind_arc: {
          if (erase) poly(st.x.data(), st.y.data(), st.point_count, false);
          if (draw) {
            int32_t n = 0;
            constexpr int32_t arc_max = 1000;
            if (aa1_ > aa2_) aa1_ = f32_(double(aa1_) - 360);
            const float start = aa1_ / (180.f / 3.1415927f), end = aa2_ / (180.f / 3.1415927f);
            auto add = [&](float t) {
              st.x[size_t(n)] = f32_(double(x1_) + double(rad_) * std::cos(double(t)));
              st.y[size_t(n)] = f32_(double(y1_) + double(rad_) * std::sin(double(t)));
              ++n;
            };
            for (float t = start; t <= end && n < arc_max; t += 0.05f) add(t);
            if (n < arc_max) add(end);
            st.point_count = n;
            poly(st.x.data(), st.y.data(), n, false);
          }
          break;
        }
        case kind_circle:
        case kind_ellipse: {
          if (erase) poly(st.x.data(), st.y.data(), st.point_count, true);
          if (draw) {
            const float ax = k == kind_circle ? rad_ : rx_, ay = k == kind_circle ? rad_ : ry_;
            int32_t n = 0;
            for (float t = 0; t <= 6.2831855f && n < preview_points_max_; t += 0.05f, ++n) {
              st.x[size_t(n)] = f32_(double(x1_) + double(ax) * std::cos(double(t)));
              st.y[size_t(n)] = f32_(double(y1_) + double(ay) * std::sin(double(t)));
            }
            st.point_count = n;
            poly(st.x.data(), st.y.data(), n, true);
          }
          break;
        }
        default:
          if (k >= kind_text && k <= kind_reference) {
            preview_call_rec_ call;
            if (draw)
              call = {x1_, y1_, X2_, y2_, x3_, y3_, x4_, y4_, rx_, ry_, aa1_, aa2_, th_, ts_, rot_, font_, text_};
            draw_preview_figure_(dc, v, k, erase, draw ? &call : nullptr);
          }
          break;  // kind 9 and unknown kinds: nothing to draw or erase
      }
    };
    // A figure of another kind is erased in its own kind first, so that a tool that
    // changes kind without an erase-only call leaves nothing behind.
    if (draw_new && st.kind != 0 && st.kind != type_) {
      branch(st.kind, true, false);
      branch(type_, false, true);
    } else {
      branch(kind, true, draw_new);
    }
    dc.select_pen_(old_pen);
    dc.select_brush_(old_brush);
  } else if (kind == kind_rectangle || kind == kind_frame) {
    if (X2_ > x1_) std::swap(X2_, x1_);
    if (y2_ > y1_) std::swap(y2_, y1_);
  }

  if (!draw_new) {
    st = preview_state_rec_{};
    return;
  }
  st.kind = type_;
  st.x1 = x1_, st.y1 = y1_, st.x2 = X2_, st.y2 = y2_;
  st.text_height = th_, st.width_factor = ts_;
  // A font or block that does not exist drew nothing, so nothing is to be erased later,
  // whatever the tables hold by then.
  st.font = preview_number_ok_(type_, font_) ? font_ : 0;
  st.text = std::move(text_);
  st.rotation = rot_;
  st.offset_flag = shift_ok_;
  st.offset_distance = shift_val_;
  // Only the record this call built stays; the others are remembered empty.
  if (!framed || type_ < kind_linear || type_ > kind_diameter) st.linear_dim = dimension_rec_{};
  if (!framed || type_ != kind_angular) st.angular_dim = angular_dim_rec_{};
  if (!framed || type_ != kind_reference) st.reference = reference_rec_{};
}
