// State of the printer page renderer that outlives one object: progress of the sheet.
#pragma once
#include <cstdint>

// Paper millimetres to device units: ((px + x_offset) * x_scale, (py + y_offset) * y_scale).
struct print_device_map_rec_ {
  float x_offset = 0, y_offset = 0, x_scale = 1, y_scale = 1;
};

struct print_state_ {
  int32_t processed = 0;  // records walked in this sheet
  int32_t current = 0;    // record of the last progress report
  int32_t total = 0;      // records of the drawing at that report
  float percent = 0;
  int32_t page = 0;  // the page being printed, whose layers block inserts use
};
