// The running tool's state as one record, so that a pan can put it aside and bring it back whole.
// Everything is zero or empty at start; the tool name and the step live here, nowhere else.
#pragma once
#include <cstdint>
#include <string>

struct draw_state_rec_ {
  int32_t down_mx_ = 0, down_my_ = 0;
  float down_posx_ = 0, down_posy_ = 0;
  float scale_x_ = 0, scale_y_ = 0;
  float down_zoom_ = 0;
  float p1x_ = 0, p1y_ = 0, p2x_ = 0, p2y_ = 0, p3x_ = 0, p3y_ = 0;
  int32_t obj1_ = 0, obj2_ = 0;
  float tr_x_ = 0, tr_y_ = 0, tr_sx_ = 0, tr_sy_ = 0;
  float dim_offset_ = 0, tr_angle_ = 0, dim_dir_ = 0;
  float arc_a1_ = 0, arc_a2_ = 0;
  float live_x1_ = 0, live_y1_ = 0, live_x2_ = 0, live_y2_ = 0;
  float live_x3_ = 0, live_y3_ = 0, live_x4_ = 0, live_y4_ = 0;
  float live_radius_ = 0, live_diam_ = 0, live_rx_ = 0, live_ry_ = 0;
  int16_t live_shift_ok_ = 0;
  float live_shift_val_ = 0;
  std::string tool_name_;  // tool_code_, upper case
  int32_t tool_step_ = 0;  // 0: waiting for the first click
};
