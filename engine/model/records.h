// Records of the drawing's object store: the main record every object has, and the
// per-kind entries it points to. Plain data; tables are numbered from 1 (slot 0 unused).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/types.h"

// Object kinds, stored in object_rec_::type.
enum object_type_code_ : int32_t {
  ot_none_ = 0,  // a record of unknown kind read from a file; stored deleted
  ot_point_ = 1,
  ot_line_ = 2,
  ot_curve_ = 3,
  ot_polyline_ = 4,
  ot_polygon_ = 5,  // rectangles too
  ot_arc_ = 6,
  ot_circle_ = 7,
  ot_ellipse_ = 8,
  ot_hatch_ = 9,
  ot_text_ = 10,
  ot_image_ = 11,
  ot_dimension_ = 12,  // linear, radius, diameter
  ot_angular_dim_ = 13,
  ot_reference_ = 14,
  ot_block_insert_ = 15,
  ot_block_group_ = 16,
};
inline constexpr int32_t object_kinds_ = 16;

// Colour codes (besides RGB values 0x00BBGGRR, 0 or more).
inline constexpr int32_t color_auto_ = -1;
inline constexpr int32_t color_none_ = -2;
inline constexpr int32_t color_by_block_ = -3;
inline constexpr int32_t color_by_layer_ = -4;
inline constexpr int32_t color_background_ = -5;  // dimension styles only

// Coordinates and sizes at or beyond this magnitude are refused by the add operations.
inline constexpr float coord_limit_ = 10000000.0f;

// The main record of every object.
struct object_rec_ {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // bounding box, x1 <= x2, y1 <= y2
  int32_t type = ot_none_;               // object_type_code_
  int32_t group = 0;                     // 0 when added; import-time grouping only
  int32_t index = 0;                     // entry number in the table of its type, from 1
  flag16_ selected = false_;
  flag16_ deleted = false_;
  int16_t page = 0;  // 1 to 255; 0 for members of a block definition
  int32_t draw_color = color_auto_;
  int32_t fill_color = color_none_;
  int16_t line_style = 0;
  int16_t line_width = 0;
  uint8_t layer = 0;  // layer number on the page, from 1
};

// Counter 0: main records in use; counter t (1..16): entries in use in table t.
// 17..255 are counted only by the file reader, for kinds no table holds.
using record_counts_rec_ = std::array<int32_t, 256>;

// One entry of a vertex buffer or the offset buffers.
struct vertex_rec_ {
  float x = 0, y = 0;
  float a = 0;  // per-vertex arc value (bulge on import), 0 otherwise
};

struct point_rec_ {  // type 1
  float x = 0, y = 0;
  std::array<int32_t, 7> values{};  // kept with the record, not set when added
  uint8_t p_type = 0;               // 1: cross of p_size pixels, otherwise 5 pixels
  uint8_t p_size = 0;
};

struct line_rec_ {  // type 2
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Points 1..n in x[1..n], y[1..n] (slot 0 unused).
struct polyline_rec_ {  // type 4; open
  int32_t count = 0;    // for curves a negative count -n marks a closed curve
  std::vector<float> x, y;
};
using polygon_rec_ = polyline_rec_;  // type 5; closed, filled with the fill colour
using curve_rec_ = polyline_rec_;    // type 3; Bezier control points

// Arcs, circles and ellipses share one layout. A point at angle t is
// (rx cos t, ry sin t) turned by rotation (degrees) and moved to (cx, cy).
struct arc_rec_ {  // type 6
  float cx = 0, cy = 0;
  float rx = 0, ry = 0;
  float rotation = 0;  // degrees, counter-clockwise
  float a1 = 0, a2 = 0;  // radians on the unrotated figure; a1 < a2 for arcs
  uint8_t flag = 0;
};
using circle_rec_ = arc_rec_;   // type 7
using ellipse_rec_ = arc_rec_;  // type 8

struct hatch_segment_rec_ {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct hatch_rec_ {  // type 9
  int32_t count = 0;        // boundary points, closed
  std::vector<float> x, y;  // 1..count
  int32_t pattern = 0;      // hatch pattern code
  float scale = 0;
  float rotation = 0;  // radians
  // Prepared by the hatching code from the fields above:
  int32_t line_count = 0;
  std::vector<hatch_segment_rec_> lines;  // 1..line_count, relative to a tile origin
  std::vector<float> tile_x, tile_y;      // 1..number of tile origins
};

struct text_rec_ {  // type 10
  float x = 0, y = 0;  // insertion point
  float height = 0;
  float width_factor = 0;
  float rotation = 0;  // radians
  std::string text;    // UTF-8; a line break is a single carriage return
  int32_t font = 0;    // font id, from 1
  float value1 = 0, value2 = 0;  // 0 when added
};

struct image_rec_ {  // type 11; the fourth corner is p1 + p2 - p0
  float p0x = 0, p0y = 0;  // upper-left
  float p1x = 0, p1y = 0;  // upper-right
  float p2x = 0, p2y = 0;  // lower-left
  int32_t value1 = 0;      // 0 when added
  std::string path;        // without surrounding spaces
  int32_t value2 = 0;
};

// A dimension style: a name and 55 numbered properties. The member comments give the
// property numbers through which dialogs, the file and the exchange code address them.
struct dimstyle_rec_ {
  std::string name;
  uint8_t arrow1 = 0;           // 0: arrowhead kind at the first end, 0..19
  uint8_t arrow2 = 0;           // 1: at the second end
  uint8_t arrow_ref = 0;        // 2: arrowhead of references
  float arrow_size = 0;         // 3
  int32_t dimline_color = 0;    // 4
  int16_t dimline_kept5 = 0;    // 5
  int16_t dimline_width = 0;    // 6: line_width_code_
  float dimline_kept7 = 0;      // 7
  float dimline_kept8 = 0;      // 8
  flag16_ dimline_show1 = 0;    // 9: first half of the dimension line shown
  flag16_ dimline_show2 = 0;    // 10
  int32_t extline_color = 0;    // 11
  int16_t extline_kept12 = 0;   // 12
  int16_t extline_width = 0;    // 13
  float extline_kept14 = 0;     // 14
  float extline_kept15 = 0;     // 15
  flag16_ extline_show1 = 0;    // 16: first extension line shown
  flag16_ extline_show2 = 0;    // 17
  uint8_t kept18 = 0;           // 18
  float kept19 = 0;             // 19
  float length_factor = 0;      // 20: applied to measured lengths
  float alt_factor = 0;         // 21: alternate units
  float size_factor = 0;        // 22: overall scale of sizes
  int32_t font = 0;             // 23: stroke font id of the text
  int32_t text_back_color = 0;  // 24
  int32_t text_color = 0;       // 25
  float text_height = 0;        // 26
  flag16_ text_frame = 0;       // 27
  uint8_t text_adj_h = 0;       // 28: 0..4
  uint8_t text_adj_v = 0;       // 29: 0..3
  float text_gap = 0;           // 30
  flag16_ text_inside = 0;      // 31
  flag16_ kept32 = 0;           // 32
  uint8_t unit = 0;             // 33: dim_unit_code_
  uint8_t decimal_sep = 0;      // 34: character code, 0 = the system's
  uint8_t accuracy = 0;         // 35: dim_accuracy_code_
  std::string prefix;           // 36
  std::string suffix;           // 37
  uint8_t angle_unit = 0;       // 38: dim_angle_unit_code_
  uint8_t angle_accuracy = 0;   // 39
  uint8_t kept40 = 0;           // 40
  uint8_t kept41 = 0;           // 41
  flag16_ alt_show = 0;         // 42
  uint8_t alt_unit = 0;         // 43
  uint8_t alt_accuracy = 0;     // 44
  std::string alt_prefix;       // 45
  std::string alt_suffix;       // 46
  uint8_t kept47 = 0;           // 47
  uint8_t kept48 = 0;           // 48
  flag16_ tol_show = 0;         // 49
  flag16_ tol_limits = 0;       // 50
  float tol_upper = 0;          // 51
  float tol_lower = 0;          // 52
  uint8_t tol_accuracy = 0;     // 53
  uint8_t alt_tol_accuracy = 0; // 54
  bool operator==(const dimstyle_rec_&) const = default;
};
inline constexpr int32_t dimstyle_props_ = 55;  // numbered 0..54

struct dim_text_part_rec_ {
  flag16_ visible = 0;
  std::string text;
  float height = 0;
  float x = 0, y = 0;
};

struct box_corner_rec_ {
  float x = 0, y = 0;
};

struct dimension_rec_ {  // type 12
  int32_t kind = 0;      // 0 linear, 1 radius, 2 diameter
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // measured points
  float x3 = 0, y3 = 0, x4 = 0, y4 = 0;  // ends of the dimension line
  float length = 0;
  int32_t style_id = 0;
  dimstyle_rec_ style;  // the record's own copy
  std::array<dim_text_part_rec_, 8> parts;
  std::array<box_corner_rec_, 4> text_box;
  flag16_ arrows_outside = 0;
  float text_height = 0;
  float text_angle = 0;  // radians
};

struct angular_dim_rec_ {  // type 13
  float cx = 0, cy = 0;
  float rx = 0, ry = 0;
  float rotation = 0;    // degrees
  float a1 = 0, a2 = 0;  // radians
  int32_t style_id = 0;
  dimstyle_rec_ style;
  std::array<dim_text_part_rec_, 8> parts;
  std::array<box_corner_rec_, 4> text_box;
  flag16_ arrows_outside = 0;
  float text_height = 0;
  float text_angle = 0;
};

struct reference_rec_ {  // type 14
  int32_t count = 0;        // leader points, at least 2
  std::vector<float> x, y;  // 1..count
  int32_t style_id = 0;
  dimstyle_rec_ style;
  std::array<dim_text_part_rec_, 8> parts;  // part 0 holds the reference text
  std::array<box_corner_rec_, 4> text_box;
  float text_height = 0;
  float text_angle = 0;
};

struct block_insert_rec_ {  // type 15
  float x = 0, y = 0;    // where the block's base point lands
  float sx = 0, sy = 0;
  float rotation = 0;    // radians
  int32_t block = 0;     // block definition id, from 1
};

struct block_group_rec_ {  // type 16
  std::string title;
  int32_t value = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // frame, x1 <= x2, y1 <= y2
};

// A tracking point of a page's view.
struct hot_point_rec_ {
  float x = 0, y = 0;
  int32_t record = 0;  // the record it belongs to, 0 for none
};
inline constexpr int32_t hot_points_max_ = 64;

struct layer_rec_ {
  int32_t draw_color = 0;  // RGB or -1
  int32_t fill_color = 0;  // RGB, -1 or -2
  int32_t line_style = 0;  // 0..4
  int32_t line_width = 0;  // id into the printed-width table
  flag16_ visible = 0;
  flag16_ editable = 0;
  std::string title;
  std::array<std::string, 3> reserved;  // kept and stored, not used
};

struct page_rec_ {
  std::string title;
  float posx = 0, posy = 0;     // origin of the sheet grid, drawing units
  float width = 0, height = 0;  // one sheet, millimetres
  int32_t cx = 0, cy = 0;       // sheets across and down
  int32_t scale = 0;            // page scale code
  std::string reserved;         // kept and stored, not used
  int32_t unit = 0;             // page unit code
  flag16_ show_border = 0;
  flag16_ show_coords = 0;
  std::vector<layer_rec_> layers;  // 1..layer count (slot 0 unused); empty when none
  int16_t active_layer = 0;
};
inline constexpr int32_t pages_max_ = 255;

struct view_rec_ {
  float posx = 0, posy = 0;  // drawing point at the window centre
  float zoom = 1;            // pixels per drawing unit
  flag16_ grid_visible = 0;
  float grid_size = 1;
  flag16_ snap_grid = 0;
  flag16_ snap_points = 0;
  flag16_ snap_ang45 = 0;
  flag16_ snap_track = 0;
  std::array<hot_point_rec_, hot_points_max_ + 1> hot_points{};  // 1..64 used
  int32_t hot_count = 0;
};
inline constexpr int32_t views_count_ = 256;  // indexed by page number 0..255
