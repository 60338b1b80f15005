// What the interactive overlays last drew, so that drawing it again with the inverting
// raster operation erases it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/model/records.h"
#include "platform/core/types.h"

inline constexpr int32_t preview_points_max_ = 10000;

// Arms of the cross shown, in pixels; all 0: none shown.
struct cross_hair_rec_ {
  int32_t h_start_x = 0, h_start_y = 0, h_end_x = 0, h_end_y = 0;
  int32_t v_start_x = 0, v_start_y = 0, v_end_x = 0, v_end_y = 0;
};

// Corners of the dotted box shown, in pixels; all 0: none shown.
struct select_box_rec_ {
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The rubber-band outline now shown.
struct preview_state_rec_ {
  int32_t kind = 0;  // 0: nothing remembered
  int32_t point_count = 0;
  std::vector<float> x = std::vector<float>(preview_points_max_);
  std::vector<float> y = std::vector<float>(preview_points_max_);
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  float text_height = 0, width_factor = 0;
  int32_t font = 0;
  std::string text;
  float rotation = 0;
  flag16_ offset_flag = false_;
  float offset_distance = 0;
  // A curve is erased in the form it was drawn in, whatever the erasing call passes.
  flag16_ closed = false_;
  // The records the dimension and reference kinds built, painted again to erase them; a
  // record the last call did not build is kept empty, which paints nothing.
  dimension_rec_ linear_dim;    // linear, radius and diameter
  angular_dim_rec_ angular_dim;
  reference_rec_ reference;
};

// What one rubber-band call gives the kinds that hand the figure to the object painters.
struct preview_call_rec_ {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
  float rx = 0, ry = 0, aa1 = 0, aa2 = 0;
  float text_height = 0, width_factor = 0, rotation = 0;
  int32_t number = 0;  // font, block or object record number, by kind
  std::string text;
};

struct preview_state_ {
  cross_hair_rec_ cross;
  select_box_rec_ box;
  preview_state_rec_ band;
};
