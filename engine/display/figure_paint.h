// Painting one object record by kind, shared by the page painter, the block-insert
// painters and the thumbnail. Internal to the display code.
#pragma once
#include <cstdint>

#include "engine/zaz_class.h"

// Resolved attributes: colours 0x00BBGGRR (fill -2: none), GDI pen style 0..4, width in pixels.
struct figure_attr_ {
  int32_t draw = 0, fill = color_none_, style = 0, width = 1;
};

// Scale, then rotation (radians) about the base point, then the move: how a block member
// lands in the drawing. The identity leaves page objects where they are.
struct placement_ {
  float x = 0, y = 0, sx = 1, sy = 1, rot = 0;
  bool identity = true;
};

enum class figure_mode_ : uint8_t {
  page_,     // the page painter's rules
  member_,   // a member of a block insert
  outline_,  // the caller's pen and hollow brush, outlines only
  thumbnail_,  // a block's picture: plain pens, fixed steps, open arcs, image frames
};

struct figure_call_ {
  dc_* dc = nullptr;
  view_transform_rec_ view{};
  pixel_rect_ client{};  // the client rectangle the step of curved figures follows
  figure_mode_ mode = figure_mode_::page_;
  int32_t override_color = -1;  // 0 or more: one colour for everything, no antialiased pens
  flag16_ fast = false_;
  int32_t automatic = 0;    // the automatic colour
  int32_t layer_draw = 0;   // draw colour of the layer, for dimension colours by layer
  int32_t background = 0;
};

// Paints record `record` (its per-kind entry) with attributes a; false when the record or
// its entry does not exist.
bool paint_figure_(zaz_class_& e, const figure_call_& call, int32_t record, const figure_attr_& a,
                   const placement_& pl);
// Colours of a dimension-like record: properties 4, 11, 25 and 24 of its style copy.
void dimension_colours_(const dimstyle_rec_& s, int32_t own_draw, int32_t layer_draw,
                        int32_t automatic, int32_t background, int32_t out[4]);
