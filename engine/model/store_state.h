// State of the object store: the main table and the sixteen per-kind tables, each held
// twice (live, and the snapshot the undo machinery fills), and the record counters.
#pragma once
#include <utility>

#include "engine/model/records.h"

// One set of the seventeen tables. A table's upper bound is its vector's capacity - 1
// (0 without storage); entries are constructed as table_reserve_ reaches them, and
// entries above the counter are spare.
struct object_tables_ {
  std::vector<object_rec_> objects;
  std::vector<point_rec_> points;
  std::vector<line_rec_> lines;
  std::vector<curve_rec_> curves;
  std::vector<polyline_rec_> polylines;
  std::vector<polygon_rec_> polygons;
  std::vector<arc_rec_> arcs;
  std::vector<circle_rec_> circles;
  std::vector<ellipse_rec_> ellipses;
  std::vector<hatch_rec_> hatches;
  std::vector<text_rec_> texts;
  std::vector<image_rec_> images;
  std::vector<dimension_rec_> dimensions;
  std::vector<angular_dim_rec_> angular_dims;
  std::vector<reference_rec_> references;
  std::vector<block_insert_rec_> block_inserts;
  std::vector<block_group_rec_> block_groups;

  // Calls f with the table of kind `type` (1..16), or with the main table otherwise.
  template <class F>
  decltype(auto) visit(int32_t type, F&& f) {
    switch (type) {
      case ot_point_: return f(points);
      case ot_line_: return f(lines);
      case ot_curve_: return f(curves);
      case ot_polyline_: return f(polylines);
      case ot_polygon_: return f(polygons);
      case ot_arc_: return f(arcs);
      case ot_circle_: return f(circles);
      case ot_ellipse_: return f(ellipses);
      case ot_hatch_: return f(hatches);
      case ot_text_: return f(texts);
      case ot_image_: return f(images);
      case ot_dimension_: return f(dimensions);
      case ot_angular_dim_: return f(angular_dims);
      case ot_reference_: return f(references);
      case ot_block_insert_: return f(block_inserts);
      case ot_block_group_: return f(block_groups);
      default: return f(objects);
    }
  }
  template <class F>
  decltype(auto) visit(int32_t type, F&& f) const {
    return const_cast<object_tables_*>(this)->visit(type, [&](auto& t) { return f(std::as_const(t)); });
  }

  void clear() { *this = object_tables_{}; }
};

struct store_state_ {
  object_tables_ live;
  object_tables_ snapshot;
  record_counts_rec_ counts{};
  // Drawing origin offset: set by the DXF import, subtracted from imported vertices.
  float origin_x = 0, origin_y = 0;
};

// An add in progress: the record number and entry number it will commit.
struct add_slot_ {
  int32_t type = 0;
  int32_t record = 0;
  int32_t entry = 0;
};
