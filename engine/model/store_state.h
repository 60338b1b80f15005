// State of the object store: the main table and the sixteen per-kind tables, each held
// twice (live, and the snapshot the undo machinery fills), and the record counters.
#pragma once
#include <utility>

#include "engine/model/chunk_table.h"
#include "engine/model/records.h"

// One set of the seventeen tables. A table's upper bound is its capacity - 1 (0 without
// storage); entries are made as table_reserve_ reaches them, and entries above the counter
// are spare. The tables are chunked so that the snapshot shares all that did not change.
struct object_tables_ {
  chunk_table_<object_rec_> objects;
  chunk_table_<point_rec_> points;
  chunk_table_<line_rec_> lines;
  chunk_table_<curve_rec_> curves;
  chunk_table_<polyline_rec_> polylines;
  chunk_table_<polygon_rec_> polygons;
  chunk_table_<arc_rec_> arcs;
  chunk_table_<circle_rec_> circles;
  chunk_table_<ellipse_rec_> ellipses;
  chunk_table_<hatch_rec_> hatches;
  chunk_table_<text_rec_> texts;
  chunk_table_<image_rec_> images;
  chunk_table_<dimension_rec_> dimensions;
  chunk_table_<angular_dim_rec_> angular_dims;
  chunk_table_<reference_rec_> references;
  chunk_table_<block_insert_rec_> block_inserts;
  chunk_table_<block_group_rec_> block_groups;

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
