// The screen mapping every painter receives: a drawing point (x, y) becomes the pixel
// (x * scale_x - offset_x, y * scale_y - offset_y), each rounded half to even.
#pragma once

struct view_transform_rec_ {
  float offset_x = 0, offset_y = 0, scale_x = 1, scale_y = 1;
};
